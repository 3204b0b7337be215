// A few named cases; that both directions agree byte for byte with the rules
// written out plainly, with every choice of vector kernels, is the
// percent_coding fuzz target's property, over seeds that cross their blocks.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "client_common/client_common.h"

TEST(PercentCoding, NamedCases) {
  const struct {
    std::string in, encoded, decoded;
  } cases[] = {
      {"a b&c~._-AZz09", "a%20b%26c~._-AZz09", "a b&c~._-AZz09"},
      {"a+b%2D%2d", "a%2bb%252D%252d", "a+b--"},  // "+" is no space
      {"x%00y%2541", "x%2500y%252541", "xy%41"},  // "%00" gives nothing; once
      // Malformed escapes stay: cut short, or not hex digits.
      {"%4 abc% %/0%:0%@1%G1%`1%g1",
       "%254%20abc%25%20%25%2f0%25%3a0%25%401%25G1%25%601%25g1",
       "%4 abc% %/0%:0%@1%G1%`1%g1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(percent_encode(c.in), c.encoded) << c.in;
    EXPECT_EQ(percent_decode(c.in), c.decoded) << c.in;
  }
}

// Every byte in a row, so that each lands in a vector kernel's block: the
// unreserved ones as they are, the others as "%" and lower-case hex.
TEST(PercentCoding, EncodesEveryByteByTheRule) {
  std::string all, expected;
  for (int byte = 0; byte < 256; ++byte) {
    all += static_cast<char>(byte);
    const bool unreserved = std::isalnum(byte) || std::strchr("-._~", byte);
    expected += unreserved && byte != 0
                    ? std::string(1, static_cast<char>(byte))
                    : "%" + std::string{"0123456789abcdef"[byte >> 4],
                                        "0123456789abcdef"[byte & 15]};
  }
  EXPECT_EQ(percent_encode(all + all), expected + expected);
}
