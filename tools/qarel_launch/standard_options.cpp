#include "standard_options.h"

option_list standard_options() {
  constexpr bool kSwitch = true, kValued = false;
  constexpr bool kShown = true, kMasked = false;
  constexpr bool kCurrent = false, kDeprecated = true;
  constexpr bool kFromUri = true, kCommandLineOnly = false;

  option_list t;
  t.add("a", "address", kValued, "", "Host to connect to", kShown, kCurrent,
        kFromUri);
  t.add("p", "port", kValued, "443", "Port to connect to", kShown, kCurrent,
        kFromUri);
  t.add("", "sni", kValued, "", "TLS server name", kShown, kCurrent, kFromUri);
  t.add("", "connect-tag", kValued, "", "Connection tag from the broker",
        kMasked, kCurrent, kCommandLineOnly);
  t.add("", "session-id", kValued, "", "Session to join", kShown, kCurrent,
        kFromUri);
  t.add("f", "full-screen", kSwitch, "", "Start in full screen", kShown,
        kCurrent, kFromUri);
  t.add("", "use-smartcard", kSwitch, "", "Forward the smartcard reader",
        kShown, kCurrent, kFromUri);
  t.add("", "disable-usb", kSwitch, "", "Forward no USB device", kShown,
        kCurrent, kFromUri);
  t.add("", "usb-auto-forward", kSwitch, "", "Forward new USB devices", kShown,
        kCurrent, kFromUri);
  t.add("", "locale", kValued, "", "Keyboard and display locale", kShown,
        kCurrent, kFromUri);
  t.add("", "logfile", kValued, "", "Event-log file to write", kShown, kCurrent,
        kFromUri);
  t.add("l", "log-level", kValued, "info",
        "critical, error, info, debug or 0 to 5", kShown, kCurrent, kFromUri);
  t.add("m", "multimon", kSwitch, "", "Span all monitors (use full-screen)",
        kShown, kDeprecated, kCommandLineOnly);
  return t;
}
