#include <gtest/gtest.h>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

using CaseCompare = HandlerRecorder;

TEST_F(CaseCompare, IndicatorIsTheDifferenceAtTheDecidingIndex) {
  const struct {
    const char* dest;
    size_t dmax;
    const char* src;
    int indicator;
  } cases[] = {// clang-format off
      {"Info", 4, "INFO", 0}, {"info", 4, "infos", -'S'}, {"infos", 5, "info", 'S'},
      {"b", 1, "A", 1},  // not clamped to -1..1
      {"abcd", 2, "abXY", 'C' - 'X'}, {"abcd", 2, "abcX", 0},  // dest[dmax] decides
      {"abcd", 100, "ABCD", 0}, {"", 5, "x", -'X'},
      {"\xE9", 1, "\xC9", 0xE9 - 0xC9}, {"a", 1, "\xE9", 'A' - 0xE9}};  // unsigned, unfolded
  // clang-format on
  for (const auto& c : cases) {
    int indicator = 12345;
    EXPECT_EQ(qarel_strcasecmp_s(c.dest, c.dmax, c.src, &indicator), 0);
    EXPECT_EQ(indicator, c.indicator) << c.dest << " vs " << c.src;
  }
  EXPECT_EQ(qarel_strcasecmp_s_wrapper("ab", "a"), 'B');
  EXPECT_EQ(reports, Reports{});
}

TEST_F(CaseCompare, ChecksRunInOrderAndStopAtTheFirstViolation) {
  int indicator = 7;
  EXPECT_EQ(qarel_strcasecmp_s(nullptr, 0, nullptr, nullptr), 400);
  EXPECT_EQ(qarel_strcasecmp_s(nullptr, 0, nullptr, &indicator), 400);
  EXPECT_EQ(indicator, 0) << "cleared before the dest check";
  EXPECT_EQ(qarel_strcasecmp_s("a", 0, nullptr, &indicator), 400);
  EXPECT_EQ(qarel_strcasecmp_s("a", 0, "b", &indicator), 401);
  // An empty first string is a zero dmax: equal to anything, after a report.
  EXPECT_EQ(qarel_strcasecmp_s_wrapper("", "anything"), 0);
  EXPECT_EQ(reports, (Reports{"400 qarel_strcasecmp_s: indicator is null",
                              "400 qarel_strcasecmp_s: dest is null",
                              "400 qarel_strcasecmp_s: src is null",
                              "401 qarel_strcasecmp_s: dmax is 0",
                              "401 qarel_strcasecmp_s: dmax is 0"}));
}

TEST_F(CaseCompare, CountedCompareStopsAfterCountCharacters) {
  // clang-format off
  const struct {
    const char *dest, *src;
    size_t count;
    int result;
  } cases[] = {
      {"abc", "abd", 2, 0},  // the last pair compared is equal
      {"abc", "abd", 3, -1}, {"ABC", "abc", 3, 0}, {"ab", "a", 5, 'B'}, {"ab", "aX", 1, 0},
      {"a", "ab", 5, -'B'},  // dest's terminator against "b"
      {"abc", "xbc", 3, 'A' - 'X'}};  // the first difference ends it
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(qarel_safe_api_strcincmp_s(c.dest, c.src, c.count), c.result)
        << c.dest << " vs " << c.src << " count " << c.count;
  EXPECT_EQ(reports, Reports{});
  // Every violation is reported, and the comparison goes on.
  // A count of 0 compares the first pair only.
  EXPECT_EQ(qarel_safe_api_strcincmp_s("b", "a", 0), 1);
  EXPECT_EQ(qarel_safe_api_strcincmp_s("ab", "ac", 0), 0);
  EXPECT_EQ(qarel_safe_api_strcincmp_s(nullptr, nullptr, 1), 0);
  EXPECT_EQ(qarel_safe_api_strcincmp_s("a", nullptr, 1), 0);
  EXPECT_EQ(reports, (Reports{"401 qarel_strcasecmp_s: count is 0",
                              "401 qarel_strcasecmp_s: count is 0",
                              "400 qarel_strcasecmp_s: dest is null",
                              "400 qarel_strcasecmp_s: src is null",
                              "400 qarel_strcasecmp_s: src is null"}));
}
