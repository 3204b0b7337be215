// An option table shaped like a client's, and a one-line view of what a
// table holds after parsing. Free of GoogleTest, so fuzz targets use it too.
#ifndef TESTS_SUPPORT_OPTION_TABLES_H_
#define TESTS_SUPPORT_OPTION_TABLES_H_

#include <string>

#include "option_list/option_list.h"

inline option_list LaunchTable() {
  option_list t;
  // short, long, switch, default, description, shown, deprecated, from URI
  t.add("", "address", false, "", "Host", true, false, true);
  t.add("", "port", false, "", "Port", true, false, true);
  t.add("f", "full-screen", true, "", "Full screen", true, false, true);
  t.add("", "use-smartcard", true, "", "Smartcard", true, false, true);
  t.add("", "disable-usb", true, "", "No USB", true, false, true);
  t.add("", "usb-auto-forward", true, "", "USB forward", true, false, true);
  t.add("", "session-id", false, "", "Session", true, false, true);
  t.add("", "locale", false, "", "Locale", true, false, true);
  t.add("", "logfile", false, "", "Log file", true, false, true);
  t.add("", "sni", false, "", "SNI", true, false, true);
  t.add("l", "log-level", false, "info", "Log level", true, false, true);
  t.add("n", "name", false, "", "Name", true, false, true);
  t.add("", "a", false, "", "A", true, false, true);
  t.add("", "connect-tag", false, "", "Tag", false, false, false);
  t.add("c", "cl-only", false, "", "Command line only", true, false, false);
  t.add("", "cl-switch", true, "", "Command-line switch", true, false, false);
  t.add("o", "old", false, "", "Deprecated", true, true, true);
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
