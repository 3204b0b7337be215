#include "standard_options.h"

#include <option_list/option_flags.h>

option_list standard_options() {
  using namespace client_common;  // the option flags
  option_list t;
  add_option(t, "a", "address", "", "Host to connect to", kFromUri);
  add_option(t, "p", "port", "443", "Port to connect to", kFromUri);
  add_option(t, "", "sni", "", "TLS server name", kFromUri);
  add_option(t, "", "connect-tag", "", "Connection tag from the broker",
             kMasked);
  add_option(t, "", "session-id", "", "Session to join", kFromUri);
  add_option(t, "f", "full-screen", "", "Start in full screen",
             kSwitch | kFromUri);
  add_option(t, "", "use-smartcard", "", "Forward the smartcard reader",
             kSwitch | kFromUri);
  add_option(t, "", "disable-usb", "", "Forward no USB device",
             kSwitch | kFromUri);
  add_option(t, "", "usb-auto-forward", "", "Forward new USB devices",
             kSwitch | kFromUri);
  add_option(t, "", "locale", "", "Keyboard and display locale", kFromUri);
  add_option(t, "", "logfile", "", "Event-log file to write", kFromUri);
  add_option(t, "l", "log-level", "info",
             "critical, error, info, debug or 0 to 5", kFromUri);
  add_option(t, "m", "multimon", "", "Span all monitors (use full-screen)",
             kSwitch | kDeprecated);
  return t;
}
