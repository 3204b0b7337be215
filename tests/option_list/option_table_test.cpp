#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"

namespace {
option_list Table() {
  option_list t;
  t.add("f", "full-screen", true, "", "Start in full screen", true, false,
        true);
  t.add("l", "log-level", false, "info", "Log level", true, false, true);
  return t;
}
}  // namespace

TEST(OptionTable, AddStoresEveryFieldInRecordOrder) {
  option_list t;
  t.add("s", "long", true, "default", "help", false, true, true);
  ASSERT_EQ(t.options.size(), 1u);
  const option_list::option& o = t.options.front();
  EXPECT_EQ(o.short_key, "s");
  EXPECT_EQ(o.long_key, "long");
  EXPECT_TRUE(o.is_bool);
  EXPECT_EQ(o.description, "help");
  EXPECT_EQ(o.value, "default");
  EXPECT_EQ(o.default_value, "default");
  EXPECT_FALSE(o.show_value);
  EXPECT_TRUE(o.deprecated);
  EXPECT_FALSE(o.is_set);
  EXPECT_TRUE(o.uri_settable);
  EXPECT_TRUE(t.rejected_params.empty());
}

TEST(OptionTable, KeyFormat) {
  option_list t;
  const struct {
    const char* key;
    bool bad;
  } cases[] = {
      {"a", false},
      {"Z9_-x", false},
      {"log-level", false},
      {"", true},                   // empty
      {"9a", true},                 // starts with a digit
      {"_a", true},                 // starts with "_"
      {"-a", true},                 // starts with "-"
      {"a b", true},                // blank
      {"a.b", true},                // dot
      {"a=1", true},                // "="
      {"\xC3\xA9t\xC3\xA9", true},  // first byte above 127
      {"t\xC3\xA9", true},          // later byte above 127
  };
  for (const auto& c : cases)
    EXPECT_EQ(t.bad_key_format(c.key), c.bad) << c.key;
}

TEST(OptionTable, CharacterClasses) {
  option_list t;
  for (const char* c : {"a", "Z"}) {
    EXPECT_TRUE(t.is_alpha(c));
    EXPECT_FALSE(t.is_num(c));
  }
  for (const char* c : {"0", "9", "_", "-"}) {
    EXPECT_TRUE(t.is_num(c)) << c;
    EXPECT_FALSE(t.is_alpha(c)) << c;
  }
  for (const char* c : {" ", "\xE9", ""}) {
    EXPECT_FALSE(t.is_alpha(c));
    EXPECT_FALSE(t.is_num(c));
  }
}

TEST(OptionTable, CaseComp) {
  option_list t;
  EXPECT_TRUE(t.case_comp("", ""));
  EXPECT_TRUE(t.case_comp("Full-Screen", "FULL-screen"));
  EXPECT_FALSE(t.case_comp("a", "ab"));
  EXPECT_FALSE(t.case_comp("", "a"));  // different length: not compared
  EXPECT_FALSE(t.case_comp("\xE9", "\xC9"));
}

TEST(OptionTable, IsAKeyMatchesShortAndLongKeysIgnoringCase) {
  option_list t = Table();
  for (const char* key : {"full-screen", "FULL-SCREEN", "Full-Screen", "f", "F",
                          "L", "log-LEVEL"}) {
    EXPECT_TRUE(t.is_a_key(key)) << key;
  }
  for (const char* key : {"", "full", "full-screen ", "1", "-f", "x"}) {
    EXPECT_FALSE(t.is_a_key(key)) << key;
  }
  EXPECT_FALSE(option_list().is_a_key("f"));
}

TEST(OptionTable, GetReadsTheLongKeyOnly) {
  option_list t = Table();
  EXPECT_EQ(t.get("LOG-LEVEL"), "info");
  EXPECT_EQ(t.get("full-screen"), "");  // empty default, never assigned
  EXPECT_EQ(t.get("l"), "Invalid");     // short keys are not read
  EXPECT_EQ(t.get(""), "Invalid");
  EXPECT_EQ(option_list().get("log-level"), "Invalid");
}

TEST(OptionTable, DuplicatesAreKeptAndTheFirstWins) {
  option_list t;
  t.add("a", "name", false, "first", "", true, false, false);
  t.add("b", "name", false, "second", "", true, false, false);
  t.add("", "9bad key", false, "odd", "", true, false, false);
  EXPECT_EQ(t.options.size(), 3u);
  EXPECT_EQ(t.get("NAME"), "first");
  EXPECT_EQ(t.get("9bad key"), "odd");   // reads apply no key format
  EXPECT_FALSE(t.is_a_key("9bad key"));  // key tests do
  // A short key shared with a later long key: get still finds the long key.
  t.add("x", "l", false, "by-long", "", true, false, false);
  t.add("l", "other", false, "", "", true, false, false);
  EXPECT_EQ(t.get("l"), "by-long");
}
