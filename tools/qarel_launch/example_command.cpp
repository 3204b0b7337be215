// qarel-launch with no arguments: a whole round trip, composed launch
// arguments read back into the standard table. The connect tag is masked
// in that table, so it is shown as ******** throughout.
#include <client_common/client_common.h>

#include "commands.h"
#include "explain.h"
#include "masking.h"
#include "output.h"
#include "quoted_arguments.h"
#include "standard_options.h"

int example_command() {
  // Full screen, the smartcard and new USB devices forwarded.
  constexpr bool kWindowed = false, kUseSmartcard = true, kDisableUsb = false,
                 kUsbAutoForward = true;
  option_list opts = standard_options();
  const Args args = split_quoted(cl_params_formatter(
      "192.0.2.10", "900", "desk pool", "tag/1", "s-42", kWindowed,
      kUseSmartcard, kDisableUsb, kUsbAutoForward, "en_US",
      "/tmp/client log.txt", "3"));
  const Reading reading = read_arguments(args, opts, nullptr);

  say(stdout, "Composed launch arguments:\n ");
  for (const std::string& arg : reading.shown)
    say(stdout, " \"%s\"", arg.c_str());
  say(stdout, "\n\nAs the new client receives them:\n");
  for (std::size_t i = 0; i < reading.shown.size(); ++i)
    say(stdout, "  argv[%zu] = %s\n", i + 1, reading.shown[i].c_str());

  say(stdout, "\nParsed back (options set):");
  print_options_set(opts);
  say(stdout, "\nRejected: %s\nMalformed: %s\n",
      reading.rejected.empty() ? "none" : joined(reading.rejected).c_str(),
      reading.malformed ? "yes" : "no");
  return reading.agrees ? launch_status(reading) : kExitBug;
}
