// An option table shaped like a client's, and a one-line view of what a
// table holds after parsing. Free of GoogleTest, so fuzz targets use it too.
#ifndef TESTS_SUPPORT_OPTION_TABLES_H_
#define TESTS_SUPPORT_OPTION_TABLES_H_

#include <string>

#include "option_list/option_flags.h"
#include "option_list/option_list.h"

inline option_list LaunchTable() {
  using namespace client_common;  // the option flags
  option_list t;
  add_option(t, "", "address", "", "Host", kFromUri);
  add_option(t, "", "port", "", "Port", kFromUri);
  add_option(t, "f", "full-screen", "", "Full screen", kSwitch | kFromUri);
  add_option(t, "", "use-smartcard", "", "Smartcard", kSwitch | kFromUri);
  add_option(t, "", "disable-usb", "", "No USB", kSwitch | kFromUri);
  add_option(t, "", "usb-auto-forward", "", "USB forward", kSwitch | kFromUri);
  add_option(t, "", "session-id", "", "Session", kFromUri);
  add_option(t, "", "locale", "", "Locale", kFromUri);
  add_option(t, "", "logfile", "", "Log file", kFromUri);
  add_option(t, "", "sni", "", "SNI", kFromUri);
  add_option(t, "l", "log-level", "info", "Log level", kFromUri);
  add_option(t, "n", "name", "", "Name", kFromUri);
  add_option(t, "", "a", "", "A", kFromUri);
  add_option(t, "", "connect-tag", "", "Tag", kMasked);
  add_option(t, "c", "cl-only", "", "Command line only", kValued);
  add_option(t, "", "cl-switch", "", "Command-line switch", kSwitch);
  add_option(t, "o", "old", "", "Deprecated", kDeprecated | kFromUri);
  return t;
}

// Every assigned option as "long=value " in registration order, then "| "
// and the rejection records: "log-level=3 | CL_param:'x' ".
inline std::string State(const option_list& t) {
  std::string state;
  for (const auto& o : t.options)
    if (o.is_set) state += o.long_key + "=" + o.value + " ";
  return state + "| " + t.rejected_params;
}

#endif  // TESTS_SUPPORT_OPTION_TABLES_H_
