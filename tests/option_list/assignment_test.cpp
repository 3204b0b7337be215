#include <gtest/gtest.h>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"
#include "tests/support/option_tables.h"

using Assignment = CoreRecorder;

TEST_F(Assignment, CallsLeaveTheTableInThisState) {
  const auto table = [] {
    option_list t;
    // short, long, switch, default, description, shown, deprecated, from URI
    t.add("f", "full-screen", true, "", "", true, false, true);
    t.add("n", "name", false, "none", "", true, false, true);
    t.add("k", "key-cl", false, "", "", true, false, false);
    t.add("k", "key-uri", false, "", "", true, false, true);
    t.add("s", "sw-cl", true, "", "", true, false, false);
    t.add("s", "sw-uri", false, "", "", true, false, true);
    t.add("", "x", true, "", "", true, false, false);  // empty short key
    return t;
  };
  // set (from the command line, or "uri:" first), set_true ("!" first) or
  // is_boolean ("?" first); the result, then the state.
  const struct {
    const char *call, *value, *outcome;
  } cases[] = {
      // clang-format off
      {"NAME", "Value X", "1 name=Value X | "}, {"uri:n", "", "1 name= | "},
      {"f", "False", "1 full-screen=False | "},  // a switch takes any text
      {"Unknown", "1", "0 | CL_param:'Unknown' "},
      {"name", "Ignore_this_value", "0 | CL_param:'name' "},
      {"name", "ignore_this_value", "1 name=ignore_this_value | "},
      {"uri:9x", "1", "0 | URI_opt:'9x' "}, {"", "1", "0 | CL_param:'' "},
      {"uri:KEY-CL", "1", "0 | URI_opt:'KEY-CL' "},
      {"uri:k", "v", "1 key-uri=v | "}, {"k", "v", "1 key-cl=v | "},  // first allowed
      {"uri:!FULL-SCREEN", "", "1 full-screen=True | "}, {"!name", "", "0 | CL_param:'name' "},
      {"uri:!missing", "", "0 | URI_opt:'missing' "},
      // The first match decides whether it is a switch.
      {"uri:!s", "", "1 sw-uri=True | "}, {"!s", "", "1 sw-cl=True | "},
      {"!", "", "1 x=True | "},  // an empty key meets an empty short key
      {"?N", "", "0 | "}, {"?S", "", "1 | "}, {"?nothing", "", "0 | "}};
  // clang-format on
  for (const auto& c : cases) {
    option_list t = table();
    std::string key = c.call;
    const bool from_uri = key.rfind("uri:", 0) == 0;
    if (from_uri) key.erase(0, 4);
    const char kind = key.empty() ? ' ' : key[0];
    if (kind == '!' || kind == '?') key.erase(0, 1);
    const bool result = kind == '!'   ? t.set_true(key, from_uri, true)
                        : kind == '?' ? t.is_boolean(key)
                                      : t.set(key, c.value, from_uri, true);
    EXPECT_EQ(std::to_string(result) + " " + State(t), c.outcome) << c.call;
  }
  EXPECT_EQ(core_log().calls, Calls{}) << "only deprecated options log";
}
