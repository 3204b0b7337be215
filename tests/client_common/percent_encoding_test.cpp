// A few named cases; that both directions agree byte for byte with the rules
// written out plainly, with every choice of vector kernels, is the
// percent_coding fuzz target's property, over seeds that cross their blocks.
#include <gtest/gtest.h>

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
