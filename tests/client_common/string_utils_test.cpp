#include <gtest/gtest.h>

#include <string>

#include "client_common/client_common.h"

namespace {
// A position function's input and result.
struct PositionCase {
  const char* s;
  std::size_t pos;
  const char* chars;
  std::size_t result;
};
}  // namespace

TEST(StrFindFirstof, SmallestPositionOrTheLength) {
  const PositionCase cases[] = {
      {"host:900/x", 0, "/?", 8},
      {"host:900?x/", 0, "/?", 8},  // the smaller of the two
      {"host", 0, "/?", 4},
      {"a/b/c", 2, "/", 3},
      {"a/b", 9, "/", 3},  // past the end
      {"a/b", 0, "", 3},   // empty set
      {"", 0, "/", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(str_find_firstof(c.s, c.pos, c.chars), c.result) << c.s;
}

TEST(StrTrimFirst, SkipsOneRunPerByteInSetOrder) {
  // From 5 in "x" (past the end) the start comes back; from 0 in "baab"
  // there is no "a" to skip, then one "b".
  const PositionCase cases[] = {
      {"x??a", 1, "?", 3},  {"x", 5, "?", 5},  {"baab", 0, "ab", 1},
      {"aabb", 0, "ab", 4}, {"???", 0, "", 0}, {"???", 0, "?", 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(str_trim_first(c.s, c.pos, c.chars), c.result) << c.s;
}

TEST(CaseComp, EqualIgnoringAsciiCase) {
  EXPECT_TRUE(case_comp("Address", "ADDRESS"));
  EXPECT_TRUE(case_comp("", ""));
  EXPECT_FALSE(case_comp("a", "ab"));
  EXPECT_FALSE(case_comp("a", ""));
  EXPECT_FALSE(case_comp("\xE9", "\xC9"));
}

TEST(IsHex, EveryByteAHexDigit) {
  EXPECT_TRUE(is_hex(""));
  EXPECT_TRUE(is_hex("00fF"));
  EXPECT_TRUE(is_hex("0123456789abcdefABCDEF"));
  EXPECT_FALSE(is_hex("0x1f"));
  EXPECT_FALSE(is_hex("g"));
  EXPECT_FALSE(is_hex(" 1"));
  EXPECT_FALSE(is_hex("\xA0"));
}
