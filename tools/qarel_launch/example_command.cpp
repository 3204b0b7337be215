// qarel-launch with no arguments: a whole round trip, composed launch
// arguments read back into the standard table. The connect tag is masked
// in that table, so it is shown as ******** throughout.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"
#include "explain.h"
#include "launch_uri.h"
#include "masking.h"
#include "quoted_arguments.h"
#include "standard_options.h"

int example_command() {
  option_list opts = standard_options();
  const Args args = split_quoted(cl_params_formatter(
      "192.0.2.10", "900", "desk pool", "tag/1", "s-42", false, true, false,
      true, "en_US", "/tmp/client log.txt", "3"));
  Args shown;
  for (const std::string& arg : args) {
    shown.push_back(is_launch_uri(arg) ? shown_uri(opts, arg)
                                       : shown_assignment(opts, arg));
  }

  std::printf("Composed launch arguments:\n ");
  for (const std::string& arg : shown) std::printf(" \"%s\"", arg.c_str());
  std::printf("\n\nAs the new client receives them:\n");
  for (std::size_t i = 0; i < shown.size(); ++i)
    std::printf("  argv[%zu] = %s\n", i + 1, shown[i].c_str());

  const Reading reading = read_arguments(args, opts, nullptr);
  std::printf("\nParsed back (options set):");
  opts.log_options(true, false, true);
  std::printf("\nRejected: %s\nMalformed: %s\n",
              reading.rejected.empty() ? "none" : reading.rejected.c_str(),
              reading.malformed ? "yes" : "no");
  if (!reading.agrees) return kExitBug;
  if (reading.malformed) return kExitMalformed;
  return reading.rejected.empty() ? kExitOk : kExitRejected;
}
