// Argument vectors, one argument per input line, through arg_to_params and,
// as launch-URI parameters, through parseArg.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/option_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(data, size);

  option_list opts = LaunchTable();
  const bool malformed = arg_to_params(args, opts);
  bool has_uri = false;
  for (const auto& a : args)
    has_uri = has_uri || case_comp(a.substr(0, 15), "quorvane-qarel:");
  Check(has_uri || !malformed);  // only launch URIs can be malformed

  option_list uri_opts = LaunchTable();
  for (const auto& a : args) parseArg(a, uri_opts, true);
  // Refusals of URI parameters are recorded as such.
  Check(uri_opts.rejected_params.empty() ||
        uri_opts.rejected_params.rfind("URI_opt:'", 0) == 0);
  return 0;
}
