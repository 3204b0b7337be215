// An option table shaped like a client's, and a fixture that starts each test
// with the token parser idle (its waiting key is process-wide state).
#ifndef TESTS_SUPPORT_LAUNCH_TABLE_H_
#define TESTS_SUPPORT_LAUNCH_TABLE_H_

#include <gtest/gtest.h>

#include <string>

#include "client_common/client_common.h"
#include "option_list/option_list.h"

inline option_list LaunchTable() {
  option_list t;
  // short, long, switch, default, description, show, deprecated, from URI
  t.add("", "address", false, "", "Host", true, false, true);
  t.add("", "port", false, "", "Port", true, false, true);
  t.add("f", "full-screen", true, "", "Full screen", true, false, true);
  t.add("", "use-smartcard", true, "", "Smartcard", true, false, true);
  t.add("", "disable-usb", true, "", "No USB", true, false, true);
  t.add("", "usb-auto-forward", true, "", "USB forward", true, false, true);
  t.add("", "sni", false, "", "SNI", true, false, true);
  t.add("", "session-id", false, "", "Session", true, false, true);
  t.add("", "locale", false, "", "Locale", true, false, true);
  t.add("", "logfile", false, "", "Log file", true, false, true);
  t.add("l", "log-level", false, "info", "Log level", true, false, true);
  t.add("n", "name", false, "", "Name", true, false, true);
  t.add("", "a", false, "", "A", true, false, true);
  t.add("", "connect-tag", false, "", "Tag", false, false, false);
  t.add("c", "cl-only", false, "", "Command line only", true, false, false);
  return t;
}

// Whether the record with this long key was assigned.
inline bool IsSet(const option_list& t, const std::string& long_key) {
  for (const auto& o : t.options)
    if (o.long_key == long_key) return o.is_set;
  return false;
}

class LaunchParsing : public ::testing::Test {
 protected:
  void SetUp() override {
    // Any URI parameter returns the parser to idle.
    option_list scratch;
    parseArg("idle", scratch, true);
    t = LaunchTable();
  }
  option_list t;
};

#endif  // TESTS_SUPPORT_LAUNCH_TABLE_H_
