// The inputs of cl_params_formatter as `compose` takes them, KEY=VALUE and
// bare switches, checked so that the composed link reads back as given.
#ifndef TOOLS_QAREL_LAUNCH_COMPOSE_INPUTS_H_
#define TOOLS_QAREL_LAUNCH_COMPOSE_INPUTS_H_

#include <map>
#include <string>
#include <vector>

#include "commands.h"

struct ComposeInputs {
  std::string host, port, sni, connect_tag, session_id, locale, logfile,
      log_level;
  bool windowed = false, use_smartcard = false, disable_usb = false,
       usb_auto_forward = false;
};

// Reads `args` into `in`, values taken as they stand. Returns one line per
// mistake, "<key>: <reason>"; none when every input can be written.
std::vector<std::string> read_compose_inputs(const Args& args,
                                             ComposeInputs& in);

// What a client's table should hold after reading the composed link: the
// long key of each option it sets, and the value.
std::map<std::string, std::string> expected_options(const ComposeInputs& in);

#endif  // TOOLS_QAREL_LAUNCH_COMPOSE_INPUTS_H_
