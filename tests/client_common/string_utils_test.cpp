#include <gtest/gtest.h>

#include "client_common/client_common.h"

TEST(StringUtils, PositionsAndByteClasses) {
  EXPECT_EQ(str_find_firstof("host:900?x/", 0, "/?"), 8u);  // the smaller
  EXPECT_EQ(str_find_firstof("a/b/c", 2, "/"), 3u);
  EXPECT_EQ(str_find_firstof("a/b", 9, "/"), 3u);
  EXPECT_EQ(str_find_firstof("a/b", 0, ""), 3u);  // none: the length
  EXPECT_EQ(str_trim_first("x??a", 1, "?"), 3u);
  EXPECT_EQ(str_trim_first("x", 5, "?"), 5u);
  EXPECT_EQ(str_trim_first("baab", 0, "ab"), 1u);  // no "a" at 0, one "b"
  EXPECT_EQ(str_trim_first("aabb", 0, "ab"), 4u);
  EXPECT_TRUE(case_comp("Address", "ADDRESS") && case_comp("", ""));
  // A terminator ends the comparison, as in qarel_strcasecmp_s.
  EXPECT_TRUE(case_comp(std::string("a\0x", 3), std::string("A\0y", 3)));
  EXPECT_FALSE(case_comp("a", "ab") || case_comp("\xE9", "\xC9") ||
               case_comp(std::string("a\0", 2), "ab"));
  EXPECT_TRUE(is_hex("") && is_hex("0123456789abcdefABCDEF"));
  for (const char* s : {"0x1f", "/", ":", "@", "G", "`", "g", "\xA0"})
    EXPECT_FALSE(is_hex(s)) << s;
}
