#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/optional_printer.h"

namespace {
option_list LogLevel(const std::string& text) {
  option_list t;
  t.add("l", "log-level", false, "info", "", true, false, true);
  t.set("log-level", text, false, false);
  return t;
}
}  // namespace

TEST(LogLevel, KeywordsAndNumbers) {
  const struct {
    const char* text;
    boost::optional<int> level;
  } cases[] = {
      {"DEBUG", 3},
      {"Critical", 0},
      {"error", 1},
      {"iNfO", 2},
      {"0", 0},
      {"3", 3},
      {"5", 5},
      {"warning", boost::none},  // no such keyword
      {"00", boost::none},       // zero only as the single digit
      {"6", boost::none},
      {"-1", boost::none},
      {" info", boost::none},  // blanks prevent a match
      {"info ", boost::none},
      {"", boost::none},
      {"debugx", boost::none},
  };
  for (const auto& c : cases) {
    boost::optional<int> level = 2;
    EXPECT_EQ(LogLevel(c.text).get_log_level(level), c.level.has_value())
        << c.text;
    EXPECT_EQ(level, c.level ? c.level : 2) << c.text << ": untouched";
  }
}

TEST(LogLevel, ReadsTheDefaultAndNeedsTheOption) {
  option_list t;
  t.add("l", "log-level", false, "info", "", true, false, true);
  boost::optional<int> level;
  EXPECT_TRUE(t.get_log_level(level));
  EXPECT_EQ(level, 2);

  boost::optional<int> untouched;
  EXPECT_FALSE(option_list().get_log_level(untouched));
  EXPECT_EQ(untouched, boost::none);
}
