// qarel-launch compose: the composer's inputs, checked, to quoted launch
// arguments, which the tool reads back as a client would before it prints
// them.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"
#include "compose_inputs.h"
#include "output.h"
#include "quoted_arguments.h"
#include "standard_options.h"

namespace {

// The options whose read-back value is not the one given, by long key, and
// whether the link reads back malformed or with rejected keys. Values are
// not named: connect-tag is masked.
std::string read_back_differences(const std::string& link,
                                  const ComposeInputs& in) {
  option_list client = standard_options();
  std::string differences;
  if (arg_to_params(split_quoted(link), client)) differences += " malformed";
  if (!client.rejected_params.empty()) differences += " rejected-keys";
  const std::map<std::string, std::string> expected = expected_options(in);
  for (const option_list::option& o : client.options) {
    const auto want = expected.find(o.long_key);
    if (o.is_set != (want != expected.end()) ||
        (o.is_set && o.value != want->second))
      differences += " " + o.long_key;
  }
  return differences;
}

int run(const Args& args) {
  ComposeInputs in;
  const std::vector<std::string> wrong = read_compose_inputs(args, in);
  for (const std::string& line : wrong) refuse(kComposeCommand, line);
  if (!wrong.empty()) return kExitMalformed;

  const std::string link = cl_params_formatter(
      in.host, in.port, in.sni, in.connect_tag, in.session_id, in.windowed,
      in.use_smartcard, in.disable_usb, in.usb_auto_forward, in.locale,
      in.logfile, in.log_level);
  const std::string differences = read_back_differences(link, in);
  if (!differences.empty()) {
    say(stderr,
        "%s: compose: the link does not read back as given "
        "(%s), which is a bug\n",
        kName, differences.c_str() + 1);
    return kExitBug;
  }
  // The composer's own quotes around percent-encoded text.
  say(stdout, "%s\n", link.c_str());
  return kExitOk;
}
}  // namespace

const Command kComposeCommand = {
    "compose", "host=HOST [KEY=VALUE...] [SWITCH...]",
    "Write the launch arguments of a client; refuse what would not read back.",
    "    host=HOST           a DNS name or an IPv4 address; required\n"
    "    port=PORT           1 to 65535\n"
    "    log-level=LEVEL     critical, error, info, debug, or 0 to 5\n"
    "    sni=, connect-tag=, session-id=, locale=, logfile=TEXT\n"
    "                        any text but empty, taken as it stands and\n"
    "                        percent-encoded in the link\n"
    "    windowed, use-smartcard, disable-usb, usb-auto-forward\n"
    "                        switches, given alone; without windowed the\n"
    "                        link asks for full-screen\n",
    run};
