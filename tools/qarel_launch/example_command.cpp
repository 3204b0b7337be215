// qarel-launch with no arguments: a whole round trip, composed launch
// arguments parsed back into the standard table.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"
#include "quoted_arguments.h"
#include "standard_options.h"

int example_command() {
  const std::string command_line = cl_params_formatter(
      "192.0.2.10", "900", "desk pool", "tag/1", "s-42", false, true, false,
      true, "en_US", "/tmp/client log.txt", "3");
  std::printf("Composed launch arguments:\n  %s\n\n", command_line.c_str());

  const Args args = split_quoted(command_line);
  std::printf("As the new client receives them:\n");
  for (std::size_t i = 0; i < args.size(); ++i)
    std::printf("  argv[%zu] = %s\n", i + 1, args[i].c_str());

  option_list opts = standard_options();
  const bool malformed = arg_to_params(args, opts);
  std::printf("\nParsed back (options set):");
  opts.log_options(true, false, true);
  std::printf(
      "\nRejected: %s\nMalformed: %s\n",
      opts.rejected_params.empty() ? "none" : opts.rejected_params.c_str(),
      malformed ? "yes" : "no");
  return malformed ? kExitMalformed
                   : (opts.rejected_params.empty() ? kExitOk : kExitRejected);
}
