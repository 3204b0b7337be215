#include <gtest/gtest.h>

#include "client_common/client_common.h"

TEST(StringUtils, FindAndTrimReturnThePositionReached) {
  EXPECT_EQ(str_find_firstof("host:900?x/", 0, "/?"), 8u);  // the smaller
  EXPECT_EQ(str_find_firstof("a/b/c", 2, "/"), 3u);
  EXPECT_EQ(str_find_firstof("a/b", 9, "/"), 3u);
  EXPECT_EQ(str_find_firstof("a/b", 0, ""), 3u);  // none: the length
  EXPECT_EQ(str_trim_first("x??a", 1, "?"), 3u);
  EXPECT_EQ(str_trim_first("x", 5, "?"), 5u);
  EXPECT_EQ(str_trim_first("baab", 0, "ab"), 1u);  // no "a" at 0, one "b"
  EXPECT_EQ(str_trim_first("aabb", 0, "ab"), 4u);
  // The end of the text is not a NUL to trim.
  EXPECT_EQ(str_trim_first("", 0, std::string(1, '\0')), 0u);
}

TEST(StringUtils, CaseCompAndIsHexByCase) {
  const struct {
    std::string a, b;
    bool equal;
  } comparisons[] = {
      {"Address", "ADDRESS", true},
      {"", "", true},
      // A terminator ends the comparison, as in qarel_strcasecmp_s.
      {std::string("a\0x", 3), std::string("A\0y", 3), true},
      {"a", "ab", false},
      {"\xE9", "\xC9", false},  // the "C" locale folds ASCII letters only
      {std::string("a\0", 2), "ab", false},
  };
  for (const auto& c : comparisons)
    EXPECT_EQ(case_comp(c.a, c.b), c.equal) << c.a << " vs " << c.b;
  for (const char* s : {"", "0123456789abcdefABCDEF"}) EXPECT_TRUE(is_hex(s));
  for (const char* s : {"0x1f", "/", ":", "@", "G", "`", "g", "\xA0"})
    EXPECT_FALSE(is_hex(s)) << s;
}
