// What a client does at launch, with any arguments (one per input line):
// parse them as a vector, each line also as a launch URI's tail and as a
// launch-URI parameter, then read every option set as numbers, pairs and
// the log level; the decimal reads against their rule written out plainly.
#include <algorithm>
#include <string_view>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "option_list/option_flags.h"

// The reference is written out for the checks only; its branches tell the
// fuzzer nothing about the library, so libFuzzer's coverage leaves it out.
#if defined(__clang__)
#define REFERENCE __attribute__((no_sanitize("coverage")))
#else
#define REFERENCE
#endif

namespace {
using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

constexpr long kNotANumber = -1, kTooLong = -2;

// What a whole text spells in base 10: its value, kNotANumber, or kTooLong
// past nine significant digits (the library keeps the low 32 bits of a long
// number, a rule of its own, which this target leaves alone).
REFERENCE long Decimal(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != text.npos)
    return kNotANumber;
  long value = 0;
  for (const char digit : text) {
    value = value * 10 + (digit - '0');
    if (value > 999999999) return kTooLong;
  }
  return value;
}

// One option of each kind a launch reaches: valued and switch, from a launch
// URI or the command line only, masked, deprecated, with and without short
// keys, and the log level. Few, as every key is looked up in all of them;
// any other key takes the paths of refusal.
option_list Kinds() {
  using namespace client_common;  // the option flags
  option_list t;
  add_option(t, "", "address", "", "", kFromUri);
  add_option(t, "", "port", "", "", kFromUri);
  add_option(t, "f", "full-screen", "", "", kSwitch | kFromUri);
  add_option(t, "l", "log-level", "info", "", kFromUri);
  add_option(t, "n", "name", "", "", kFromUri);
  add_option(t, "", "connect-tag", "", "", kMasked);
  add_option(t, "c", "cl-switch", "", "", kSwitch);
  add_option(t, "o", "old", "", "", kDeprecated | kFromUri);
  return t;
}

// Every read of each option the input set; the others hold their registered
// defaults, the same for every input.
void ReadAll(option_list& t) {
  for (const option_list::option& o : t.options) {
    if (!o.is_set) continue;
    const std::string &key = o.long_key, &text = o.value;
    const long n = Decimal(text);
    if (n == kNotANumber) {
      Check(!str_to_int(text),
            "str_to_int reads no number where there is none");
      Check(t.get_int(key) == 0, "get_int is 0 without a number");
      Check(!t.option_is_int(key, 0, 5), "option_is_int needs a number");
    } else if (n != kTooLong) {
      Check(str_to_int(text) == boost::make_optional(static_cast<int>(n)),
            "str_to_int reads the plain value");
      Check(t.get_int(key) == n, "get_int reads the plain value");
      Check(t.option_is_int(key, 0, 5) == (n <= 5 && (n != 0 || text == "0")),
            "option_is_int: 0 to 5, a zero written as 0");
    }
    const std::size_t x = text.find('x');
    const long left = Decimal(std::string_view(text).substr(0, x)),
               right =
                   x == text.npos ? kNotANumber : Decimal(text.substr(x + 1));
    const auto pair = t.get_int_pair(key, false);
    if (left == kNotANumber || right == kNotANumber)
      Check(!pair, "get_int_pair needs two numbers joined by x");
    else if (left != kTooLong && right != kTooLong)
      Check(pair ==
                std::make_pair(static_cast<int>(left), static_cast<int>(right)),
            "get_int_pair reads both numbers");
    const auto pairs = t.get_hex_int_pair_vector(key, ":", ",", false);
    Check(pairs.has_value(), "get_hex_int_pair_vector reads a set option");
    const auto items = 1 + std::count(text.begin(), text.end(), ',');
    Check(pairs->size() <= static_cast<std::size_t>(items),
          "get_hex_int_pair_vector reads at most a pair an item");
  }
  boost::optional<int> level = 42;
  if (t.get_log_level(level)) {
    Check(*level >= 0, "a log level is at least 0");
    Check(*level <= 5, "a log level is at most 5");
  } else {
    Check(*level == 42, "get_log_level stores nothing when it finds none");
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(data, size);

  static const option_list table = Kinds();
  static const std::string scheme(kLaunchUriScheme),
      uri_prefix = scheme + std::string(kLaunchUriMarker);
  // Assigned, not constructed: the table's nodes and strings are reused.
  static option_list opts;
  opts = table;
  const bool malformed = arg_to_params(args, opts);
  bool has_uri = false, says_cl_param = false;
  for (const auto& a : args) {
    has_uri = has_uri || case_comp(a.substr(0, scheme.size()), scheme);
    says_cl_param = says_cl_param || a.find("CL_param") != a.npos;
  }
  Check(has_uri || !malformed, "only launch URIs can be malformed");

  // Each line again as a launch URI's tail and as a launch-URI parameter.
  const std::size_t command_line_records = opts.rejected_params.size();
  for (const auto& a : args) {
    parse_uri(uri_prefix + a, opts);
    parseArg(a, opts, true);
  }
  Check(says_cl_param ||
            opts.rejected_params.find("CL_param:'", command_line_records) ==
                std::string::npos,
        "a launch URI's refusals are recorded as URI_opt");
  ReadAll(opts);
  return 0;
}
