// qarel-launch compose KEY=VALUE...: the composer's inputs, read with the
// library's own option table, to quoted launch arguments.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"

namespace {
option_list composer_inputs() {
  option_list t;
  for (const char* key : {"host", "port", "sni", "connect-tag", "session-id",
                          "locale", "logfile", "log-level"}) {
    t.add("", key, false, "", "", true, false, false);
  }
  for (const char* key :
       {"windowed", "use-smartcard", "disable-usb", "usb-auto-forward"}) {
    t.add("", key, true, "", "", true, false, false);
  }
  return t;
}
}  // namespace

int compose_command(const Args& args) {
  option_list in = composer_inputs();
  arg_to_params(args, in);
  if (!in.rejected_params.empty()) {
    std::fprintf(stderr, "Rejected: %s\n", in.rejected_params.c_str());
    return kExitRejected;
  }
  std::printf("%s\n",
              cl_params_formatter(
                  in.get("host"), in.get("port"), in.get("sni"),
                  in.get("connect-tag"), in.get("session-id"),
                  in.get_bool("windowed"), in.get_bool("use-smartcard"),
                  in.get_bool("disable-usb"), in.get_bool("usb-auto-forward"),
                  in.get("locale"), in.get("logfile"), in.get("log-level"))
                  .c_str());
  return kExitOk;
}
