#include <gtest/gtest.h>

#include "option_list/option_list.h"

TEST(OptionTable, KeyRulesAndCharacterClasses) {
  option_list t;
  for (const char* good : {"a", "Zz9_-x"}) EXPECT_FALSE(t.bad_key_format(good));
  // Empty, not starting with a letter (just outside each letter range), or
  // holding anything but letters, digits, "_" and "-".
  for (const char* bad : {"", "9a", "_a", "-a", "@a", "[a", "`a", "{a", "a b",
                          "a.b", "a=1", "a/", "a:", "t\xC3\xA9"})
    EXPECT_TRUE(t.bad_key_format(bad)) << bad;
  for (const char* c : {"a", "z", "A", "Z"})
    EXPECT_TRUE(t.is_alpha(c) && !t.is_num(c)) << c;
  for (const char* c : {"0", "9", "_", "-"})
    EXPECT_TRUE(t.is_num(c) && !t.is_alpha(c)) << c;
  for (const char* c : {"@", "[", "`", "{", "/", ":", "", "\xE9",
                        static_cast<const char*>(nullptr)})
    EXPECT_FALSE(t.is_alpha(c) || t.is_num(c)) << (c ? c : "null");
  // The rule is case_comp's, tested with it.
  EXPECT_TRUE(t.case_comp("Full-Screen", "FULL-screen") &&
              !t.case_comp("", "a"));
}

TEST(OptionTable, KeysMatchIgnoringCaseAndTheFirstRecordWins) {
  option_list t;
  // short, long, switch, default, description, shown, deprecated, from URI
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.add("l", "log-level", false, "second", "", true, false, true);
  t.add("", "9bad key", false, "odd", "", true, false, false);
  EXPECT_TRUE(t.is_a_key("log-LEVEL") && t.is_a_key("L"));
  for (const char* key : {"", "log", "log-level ", "-l", "9bad key"})
    EXPECT_FALSE(t.is_a_key(key)) << key;
  // Reads go by long key only, to the first record, even a malformed one.
  EXPECT_EQ(t.get("LOG-LEVEL") + " " + t.get("l") + " " + t.get("9bad key") +
                " " + option_list().get("log-level"),
            "info Invalid odd Invalid");
}
