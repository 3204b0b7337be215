#include <gtest/gtest.h>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"
#include "tests/support/option_tables.h"

using Assignment = CoreRecorder;

TEST_F(Assignment, EachCallGivesItsResultAndLeavesItsState) {
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
  // Each call, its origin (a launch URI or the command line), key and value;
  // its result, and the table's state.
  enum Call { kSet, kSetTrue, kIsBoolean };
  constexpr bool kUri = true, kCl = false;
  const struct {
    Call call;
    bool from_uri;
    const char *key, *value;
    bool result;
    const char* state;
  } cases[] = {
      // clang-format off
      {kSet, kCl, "NAME", "Value X", true, "name=Value X | "},
      {kSet, kCl, "name", "Ignore_this_value", false, "| CL_param:'name' "},
      {kSet, kCl, "name", "ignore_this_value", true, "name=ignore_this_value | "},
      {kSet, kUri, "9x", "1", false, "| URI_opt:'9x' "},
      {kSet, kUri, "KEY-CL", "1", false, "| URI_opt:'KEY-CL' "},
      {kSet, kUri, "k", "v", true, "key-uri=v | "},  // the first record allowed
      {kSet, kCl, "k", "v", true, "key-cl=v | "},
      {kSetTrue, kUri, "FULL-SCREEN", "", true, "full-screen=True | "},
      {kSetTrue, kCl, "name", "", false, "| CL_param:'name' "},
      // The first match decides whether it is a switch.
      {kSetTrue, kUri, "s", "", true, "sw-uri=True | "},
      {kSetTrue, kCl, "s", "", true, "sw-cl=True | "},
      {kSetTrue, kCl, "", "", false, "| CL_param:'' "},  // not the empty short key of x
      {kIsBoolean, kCl, "N", "", false, "| "},
      {kIsBoolean, kCl, "S", "", true, "| "},
      {kIsBoolean, kCl, "nothing", "", false, "| "}};
  // clang-format on
  for (const auto& c : cases) {
    option_list t = table();
    const bool result = c.call == kSet ? t.set(c.key, c.value, c.from_uri, true)
                        : c.call == kSetTrue
                            ? t.set_true(c.key, c.from_uri, true)
                            : t.is_boolean(c.key);
    EXPECT_EQ(result, c.result) << c.key;
    EXPECT_EQ(State(t), c.state) << c.key;
  }
  EXPECT_EQ(core_log().calls, Calls{}) << "only deprecated options log";
}
