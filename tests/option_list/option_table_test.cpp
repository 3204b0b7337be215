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
  // is_alpha takes a letter; is_num what a key admits after its first one
  // besides letters. Neither takes the bytes just outside those ranges.
  for (const char* c : {"a", "z", "A", "Z"}) {
    EXPECT_TRUE(t.is_alpha(c)) << c;
    EXPECT_FALSE(t.is_num(c)) << c;
  }
  for (const char* c : {"0", "9", "_", "-"}) {
    EXPECT_FALSE(t.is_alpha(c)) << c;
    EXPECT_TRUE(t.is_num(c)) << c;
  }
  for (const char* c : {"@", "[", "`", "{", "/", ":", "", "\xE9"}) {
    EXPECT_FALSE(t.is_alpha(c)) << c;
    EXPECT_FALSE(t.is_num(c)) << c;
  }
  EXPECT_FALSE(t.is_alpha(nullptr));
  EXPECT_FALSE(t.is_num(nullptr));
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
