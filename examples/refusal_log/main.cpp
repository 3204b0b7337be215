// A client that logs why it refused each launch argument: one event-log
// line per refusal, through the library's logging facade, the value a
// masked option was given shown as ********.
//   refusal_log LOGFILE ARG...
#include <client_common/client_common.h>
#include <logging/logging.h>
#include <option_list/option_flags.h>

#include <vector>

namespace {
using client_common::ArgumentEvent;
using client_common::ArgumentOutcome;

int log_refusal(const ArgumentEvent& event, void*) {
  if (event.outcome != ArgumentOutcome::kRefused) return 0;
  // The key, with what a masked option was given shown as ********.
  log(LEVEL_ERROR,
      "launch argument '" + argument_shown_key(event) +
          "' refused: " + argument_refusal_text(event.refusal),
      0);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  using namespace client_common;  // the option flags
  if (argc < 2) return 2;
  option_list opts;
  add_option(opts, "", "address", "", "Host", kFromUri);
  add_option(opts, "", "port", "", "Port", kFromUri);
  add_option(opts, "", "connect-tag", "", "Tag", kMasked);
  add_option(opts, "", "pin", "", "PIN entry", kSwitch | kMasked | kFromUri);
  if (open_logfile(argv[1], "refusal_log", "refusal_log") != 0) return 2;
  const std::vector<std::string> args(argv + 2, argv + argc);
  const bool malformed =
      arg_to_params_observed(args, opts, log_refusal, nullptr);
  log_close("refusal_log");
  return malformed ? 1 : 0;
}
