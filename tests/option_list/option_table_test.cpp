#include <gtest/gtest.h>

#include "option_list/option_list.h"

TEST(OptionTable, KeyFormatAndCharacterClasses) {
  option_list t;
  for (const char* good : {"a", "Zz9_-x"}) EXPECT_FALSE(t.bad_key_format(good));
  // Empty, not starting with a letter (just outside each letter range), or
  // holding anything but letters, digits, "_" and "-".
  for (const char* bad : {"", "9a", "_a", "-a", "@a", "[a", "`a", "{a", "a b",
                          "a.b", "a=1", "a/", "a:", "t\xC3\xA9"})
    EXPECT_TRUE(t.bad_key_format(bad)) << bad;
  // Each character's classes: letter, then what a key admits after one.
  const struct {
    const char* c;
    bool alpha, num;
  } classes[] = {
      {"a", true, false},     {"z", true, false},     {"A", true, false},
      {"Z", true, false},     {"0", false, true},     {"9", false, true},
      {"_", false, true},     {"-", false, true},     {"@", false, false},
      {"[", false, false},    {"`", false, false},    {"{", false, false},
      {"/", false, false},    {":", false, false},    {"", false, false},
      {"\xE9", false, false}, {nullptr, false, false}};
  for (const auto& k : classes) {
    EXPECT_EQ(t.is_alpha(k.c), k.alpha) << (k.c ? k.c : "null");
    EXPECT_EQ(t.is_num(k.c), k.num) << (k.c ? k.c : "null");
  }
}

TEST(OptionTable, KeysMatchIgnoringCaseAndTheFirstRecordWins) {
  option_list t;
  // short, long, switch, default, description, shown, deprecated, from URI
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.add("l", "log-level", false, "second", "", true, false, true);
  t.add("", "9bad key", false, "odd", "", true, false, false);
  EXPECT_TRUE(t.is_a_key("log-LEVEL"));
  EXPECT_TRUE(t.is_a_key("L"));
  for (const char* key : {"", "log", "log-level ", "-l", "9bad key"})
    EXPECT_FALSE(t.is_a_key(key)) << key;
  // Reads go by long key only, to the first record, even a malformed one.
  EXPECT_EQ(t.get("LOG-LEVEL"), "info");
  EXPECT_EQ(t.get("l"), "Invalid");
  EXPECT_EQ(t.get("9bad key"), "odd");
  EXPECT_EQ(option_list().get("log-level"), "Invalid");
  // The rule is case_comp's.
  EXPECT_TRUE(t.case_comp("Full-Screen", "FULL-screen"));
  EXPECT_FALSE(t.case_comp("", "a"));
}
