// What a client does at launch, with any arguments (one per input line):
// parse them as a vector, each line also as a launch URI's tail and as a
// launch-URI parameter, then read every option as numbers, pairs and a log
// level, each read against its rule written out the plain way.
#include <string_view>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"

// The references below are written out for the checks only; their own
// branches tell the fuzzer nothing about the library, so libFuzzer's
// coverage leaves them out.
#if defined(__clang__)
#define REFERENCE __attribute__((no_sanitize("coverage")))
#else
#define REFERENCE
#endif

namespace {
using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

// What a whole text spells in base 10 or 16: not a number; a value; or a
// number too long to read the plain way (the library keeps the low bits of
// a long one, a rule of its own, which this target leaves alone).
struct Number {
  enum Kind { kNot, kValue, kLong } kind;
  long value;
};

REFERENCE int Digit(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

REFERENCE Number Read(std::string_view text, int base) {
  if (base == 16 && text.size() > 2 && text[0] == '0' &&
      (text[1] == 'x' || text[1] == 'X'))
    text.remove_prefix(2);  // a hexadecimal number may say so
  if (text.empty()) return {Number::kNot, 0};
  long value = 0;
  std::size_t significant = 0;
  for (const char c : text) {
    const int digit = Digit(c, base);
    if (digit < 0) return {Number::kNot, 0};
    if (value != 0 || digit != 0) ++significant;
    if (significant > 7) continue;  // only how long it is matters now
    value = value * base + digit;
  }
  if (significant > 7) return {Number::kLong, 0};
  // hex_str_to_int refuses this one value, as documented.
  if (base == 16 && value == 0x7FFF) return {Number::kNot, 0};
  return {Number::kValue, value};
}

REFERENCE std::vector<std::string_view> Split(std::string_view text,
                                              char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t end; (end = text.find(separator)) != text.npos;) {
    parts.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  parts.push_back(text);
  return parts;
}

// "1:2,a:ff" read with ":" and ",": the pairs, or none when some item holds
// a number too long to read the plain way.
REFERENCE boost::optional<std::vector<std::pair<int, int>>> HexPairs(
    const std::string& text) {
  std::vector<std::pair<int, int>> pairs;
  for (const std::string_view item : Split(text, ',')) {
    const std::vector<std::string_view> halves = Split(item, ':');
    if (halves.size() != 2) continue;
    const Number a = Read(halves[0], 16), b = Read(halves[1], 16);
    if (a.kind == Number::kLong || b.kind == Number::kLong) return boost::none;
    if (a.kind == Number::kValue && b.kind == Number::kValue)
      pairs.emplace_back(a.value, b.value);
  }
  return pairs;
}

// The level a log-level text names: a keyword in any letter case, or a
// number from 0 to 5, a zero written as "0"; -1 for none.
REFERENCE int Level(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  const char* const keywords[] = {"critical", "error", "info", "debug"};
  for (int level = 0; level < 4; ++level)
    if (lower == keywords[level]) return level;
  const Number n = Read(text, 10);
  if (n.kind != Number::kValue || n.value > 5) return -1;
  return n.value != 0 || text == "0" ? static_cast<int>(n.value) : -1;
}

// Each read of each option the input set; the others hold their registered
// defaults, the same for every input. The costliest read, of hexadecimal
// pairs, runs on one text an input: the first that has a pair separator
// (without one the list is empty, as the unit table checks) and at most 64
// bytes (a longer one only repeats what its items do).
// One option of each kind a launch reaches: valued and switch, from a launch
// URI or the command line only, masked, deprecated, with and without short
// keys, and the log level. Few, as every key is looked up in all of them;
// any other key takes the paths of refusal.
option_list Kinds() {
  option_list t;
  // short, long, switch, default, description, shown, deprecated, from URI
  t.add("", "address", false, "", "", true, false, true);
  t.add("", "port", false, "", "", true, false, true);
  t.add("f", "full-screen", true, "", "", true, false, true);
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.add("n", "name", false, "", "", true, false, true);
  t.add("", "connect-tag", false, "", "", false, false, false);
  t.add("c", "cl-switch", true, "", "", true, false, false);
  t.add("o", "old", false, "", "", true, true, true);
  return t;
}

void ReadAll(option_list& t) {
  bool pairs_read = false;
  for (const option_list::option& o : t.options) {
    if (!o.is_set) continue;
    const std::string &key = o.long_key, &text = o.value;
    const Number n = Read(text, 10);
    const auto number = str_to_int(text);
    if (n.kind == Number::kNot) {
      Check(!number, "str_to_int reads no number where there is none");
      Check(t.get_int(key) == 0, "get_int is 0 without a number");
      Check(!t.option_is_int(key, 0, 5), "option_is_int needs a number");
    }
    if (n.kind == Number::kValue) {
      Check(number == boost::make_optional(static_cast<int>(n.value)),
            "str_to_int reads the plain value");
      Check(t.get_int(key) == n.value, "get_int reads the plain value");
      Check(t.option_is_int(key, 0, 5) ==
                (n.value <= 5 && (n.value != 0 || text == "0")),
            "option_is_int: 0 to 5, a zero written as 0");
    }
    const std::string_view view = text;
    const std::size_t x = view.find('x');
    const Number left = Read(view.substr(0, x), 10),
                 right = Read(x == view.npos ? "" : view.substr(x + 1), 10);
    const auto pair = t.get_int_pair(key, false);
    if (left.kind == Number::kNot || right.kind == Number::kNot)
      Check(!pair, "get_int_pair needs two numbers joined by x");
    if (left.kind == Number::kValue && right.kind == Number::kValue)
      Check(pair == std::make_pair(static_cast<int>(left.value),
                                   static_cast<int>(right.value)),
            "get_int_pair reads both numbers");
    if (pairs_read || text.find(':') == text.npos || text.size() > 64) continue;
    pairs_read = true;
    const auto pairs = HexPairs(text);
    if (pairs)
      Check(t.get_hex_int_pair_vector(key, ":", ",", false) == *pairs,
            "get_hex_int_pair_vector reads each well-formed item");
  }
  boost::optional<int> level = 42;
  const bool found = t.get_log_level(level);
  const int expected = Level(t.get("log-level"));
  Check(found == (expected >= 0), "get_log_level finds a level");
  Check(*level == (found ? expected : 42), "get_log_level stores it, or not");
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
