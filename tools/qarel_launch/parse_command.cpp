// qarel-launch parse [--table FILE] [--explain] ARG...: the launch arguments
// into the standard table, or a client's own.
#include <client_common/client_common.h>
#include <logging/logging.h>

#include <cstdio>

#include "commands.h"
#include "explain.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
constexpr char kName[] = "qarel-launch";

// With "logfile" set, the banner and the report go to that event-log file.
void write_event_log(option_list& opts) {
  const std::string path = opts.get("logfile");
  if (open_logfile(path, kName, kName) != 0) {
    std::fprintf(stderr, "%s: cannot open the log file %s\n", kName,
                 path.c_str());
    return;
  }
  boost::optional<int> level;
  if (opts.get_log_level(level)) set_log_level(level);
  log_client_version(kName);
  opts.log_options(true, true, false);
  log_close(kName);
}
}  // namespace

int parse_command(const Args& args) {
  option_list opts = standard_options();
  bool explain = false;
  auto arg = args.begin();
  for (; arg != args.end(); ++arg) {
    if (*arg == "--explain") {
      explain = true;
    } else if (*arg == "--table" && arg + 1 != args.end()) {
      std::string error;
      opts = option_list();
      if (!read_table_file(*++arg, opts, error)) {
        std::fprintf(stderr, "%s: %s\n", kName, error.c_str());
        return kExitMalformed;
      }
    } else {
      break;
    }
  }
  const Args launch(arg, args.end());

  bool agrees = true;
  const bool malformed = explain ? explain_arguments(launch, opts, agrees)
                                 : arg_to_params(launch, opts);

  opts.log_options(true, false, true);
  if (!opts.rejected_params.empty())
    std::printf("\nRejected: %s\n", opts.rejected_params.c_str());
  if (malformed) std::printf("\nA launch URI is malformed.\n");
  // A client's table may have no "logfile", which reads as "Invalid".
  if (opts.is_a_key("logfile") && opts.get_str_val("logfile", true))
    write_event_log(opts);

  if (!agrees) {
    std::fprintf(stderr, "%s: the explanation disagrees with the parse\n",
                 kName);
    return kExitDisagrees;
  }
  if (malformed) return kExitMalformed;
  return opts.rejected_params.empty() ? kExitOk : kExitRejected;
}
