#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/optional_printer.h"

namespace {
// One valued option "v" holding `value`, plus an unassigned option "unset".
option_list Holding(const std::string& value) {
  option_list t;
  t.add("", "v", false, "", "", true, false, false);
  t.options.front().value = value;
  t.options.front().is_set = true;
  t.add("", "unset", false, "7", "", true, false, false);
  return t;
}
}  // namespace

TEST(TypedReads, ThreeOutcomesOfALookup) {
  option_list t = Holding("x");
  for (bool only_if_set : {false, true}) {
    EXPECT_EQ(t.get_str_val("missing", only_if_set), std::string("Invalid"));
    EXPECT_EQ(t.get_bool_val("missing", only_if_set), false);
    EXPECT_EQ(t.get_int_val("missing", only_if_set), boost::none);
    EXPECT_EQ(t.get_str_val("V", only_if_set), std::string("x"));
  }
  EXPECT_EQ(t.get_str_val("unset", false), std::string("7"));
  EXPECT_EQ(t.get_str_val("unset", true), boost::none);
  EXPECT_EQ(t.get_bool_val("unset", true), boost::none);
  EXPECT_EQ(t.get_int_val("unset", true), boost::none);
  EXPECT_EQ(t.get_int_val("unset", false), 7);
}

TEST(TypedReads, OnlyTheExactTextTrueIsTrue) {
  EXPECT_TRUE(Holding("True").get_bool("v"));
  EXPECT_EQ(Holding("True").get_bool_val("v", true), true);
  for (const char* text : {"true", "TRUE", "1", "yes", "True ", "", "Invalid"})
    EXPECT_FALSE(Holding(text).get_bool("v")) << text;
  EXPECT_FALSE(Holding("True").get_bool("missing"));
}

TEST(TypedReads, GetIntReadsWholeDecimalTextOrZero) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"42", 42}, {"-5", 0},   {"+5", 0},  {" 5", 0},
      {"5x", 0},  {"0x10", 0}, {"007", 7}, {"", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Holding(c.text).get_int("v"), c.value) << c.text;
  EXPECT_EQ(Holding("1").get_int("missing"), 0);
}

TEST(TypedReads, OptionIsIntRange) {
  const struct {
    const char* text;
    int min, max;
    bool in_range;
  } cases[] = {
      {"10", 1, 10, true},  {"1", 1, 10, true}, {"11", 1, 10, false},
      {"0", 1, 10, false},  {"0", 0, 10, true}, {"00", 0, 10, false},
      {"x", 0, 10, false},   // no number reads as 0, but its text is not "0"
      {"-3", -5, 5, false},  // signs are not accepted
      {"5", 6, 4, false},    // empty range
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Holding(c.text).option_is_int("v", c.min, c.max), c.in_range)
        << c.text << " in [" << c.min << ", " << c.max << "]";
  }
  EXPECT_FALSE(Holding("0").option_is_int("missing", 0, 10));
}
