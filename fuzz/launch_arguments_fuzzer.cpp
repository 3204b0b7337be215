// Argument vectors cut from the input, through arg_to_params and parseArg,
// against the standard option table of qarel-launch.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tools/qarel_launch/standard_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(AsString(data, size));

  option_list opts = standard_options();
  const bool malformed = arg_to_params(args, opts);
  bool has_uri = false;
  for (const auto& a : args)
    has_uri = has_uri || case_comp(a.substr(0, 15), "quorvane-qarel:");
  // Only launch URIs can be malformed.
  FUZZ_CHECK(has_uri || !malformed);

  option_list uri_opts = standard_options();
  for (const auto& a : args) parseArg(a, uri_opts, true);
  // Refusals of URI parameters are recorded as such.
  FUZZ_CHECK(uri_opts.rejected_params.empty() ||
             uri_opts.rejected_params.rfind("URI_opt:'", 0) == 0);
  return 0;
}
