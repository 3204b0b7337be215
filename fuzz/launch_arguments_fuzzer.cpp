// What a client does at launch, with any arguments (one per input line):
// parse them as a vector, each line also as a launch URI's tail and as a
// launch-URI parameter, then read every option as numbers and pairs.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/option_tables.h"

namespace {
using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

// The integer and pair reads of every option, and the log level; the
// integer reads agree with str_to_int.
void ReadAll(option_list& t) {
  for (const option_list::option& o : t.options) {
    const std::string &key = o.long_key, &text = o.value;
    const auto number = str_to_int(text);
    Check(!number || (text[0] >= '0' && text[0] <= '9'));
    Check(t.option_is_int(key, 0, 5) ==
          (number && *number >= 0 && *number <= 5 &&
           (*number != 0 || text == "0")));
    Check(t.get_int(key) == number.value_or(0));
    t.get_int_pair(key, false);
    Check(t.get_hex_int_pair_vector(key, ":", ",", false).has_value());
  }
  boost::optional<int> level = 42;
  const bool found = t.get_log_level(level);
  Check(found ? *level >= 0 && *level <= 5 : *level == 42);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(data, size);

  option_list opts = LaunchTable();
  const bool malformed = arg_to_params(args, opts);
  bool has_uri = false;
  for (const auto& a : args)
    has_uri = has_uri || case_comp(a.substr(0, kLaunchUriScheme.size()),
                                   std::string(kLaunchUriScheme));
  Check(has_uri || !malformed);  // only launch URIs can be malformed

  option_list uri_opts = LaunchTable();
  for (const auto& a : args) {
    parse_uri(std::string(kLaunchUriScheme) + std::string(kLaunchUriMarker) + a,
              uri_opts);
    parseArg(a, uri_opts, true);
  }
  // Refusals of URI parameters are recorded as such.
  Check(uri_opts.rejected_params.empty() ||
        uri_opts.rejected_params.rfind("URI_opt:'", 0) == 0);
  ReadAll(opts);
  ReadAll(uri_opts);
  return 0;
}
