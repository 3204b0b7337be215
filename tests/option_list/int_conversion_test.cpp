#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/optional_printer.h"

TEST(StrToInt, AcceptsOnlyWholeUnsignedDecimalText) {
  const struct {
    std::string text;
    boost::optional<int> value;
  } cases[] = {
      {"0", 0},
      {"007", 7},  // base 10, not octal
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},  // low 32 bits kept
      {"4294967296", 0},
      {"4294967297", 1},
      {"9223372036854775806", -2},
      {"99999999999999999999", boost::none},  // overflows long
      {"9223372036854775807", boost::none},   // equals LONG_MAX
      {"", boost::none},
      {"-1", boost::none},  // no sign
      {"+1", boost::none},
      {" 1", boost::none},  // no leading blank
      {"1 ", boost::none},  // trailing blank
      {"1.5", boost::none},
      {"0x10", boost::none},
      {"\xD9\xA1", boost::none},  // a byte above 127 is no digit
      {std::string("5\0"
                   "1",
                   3),
       boost::none},  // embedded NUL is left over
  };
  for (const auto& c : cases) EXPECT_EQ(str_to_int(c.text), c.value) << c.text;
}

TEST(HexStrToInt, AcceptsWholeHexTextWithOptionalPrefix) {
  const struct {
    std::string text;
    boost::optional<int> value;
  } cases[] = {
      {"ff", 255},
      {"FF", 255},
      {"0xff", 255},
      {"0X1A", 26},
      {"0", 0},
      {"7ffe", 0x7FFE},
      {"7fff", boost::none},  // the one value read as "no number"
      {"0x7FFF", boost::none},
      {"8000", 0x8000},
      {"7FFFFFFF", 0x7FFFFFFF},
      {"FFFFFFFF", -1},  // low 32 bits kept
      {"100000000", 0},
      {"", boost::none},
      {"g1", boost::none},
      {"-1", boost::none},
      {"0x", boost::none},  // prefix without digits
      {"ff ", boost::none},
      {" ff", boost::none},
      {"x1", boost::none},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hex_str_to_int(c.text), c.value) << c.text;
}
