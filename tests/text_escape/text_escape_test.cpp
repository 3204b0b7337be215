#include "text_escape/text_escape.h"

#include <gtest/gtest.h>

#include <string>

using text_escape::escaped;
using text_escape::is_plain;
using text_escape::Source;

TEST(TextEscape, EscapesWhatAReaderWouldActOnAndNothingElse) {
  const struct {
    std::string in, outside, own;
  } cases[] = {
      {"plain text ~", "plain text ~", "plain text ~"},
      {"a\\xb", "a\\\\xb", "a\\xb"},      // backslash doubled only from outside
      {"l1\nl2", "l1\\x0al2", "l1\nl2"},  // own line breaks stay
      {"\r\t", "\\x0d\\x09", "\\x0d\\x09"},  // other C0 controls never do
      {std::string("n\0ul", 4), "n\\x00ul", "n\\x00ul"},
      {"\x1b]0;x\x07", "\\x1b]0;x\\x07", "\\x1b]0;x\\x07"},  // OSC title
      {"\x7f", "\\x7f", "\\x7f"},                            // DEL
      {"\xc2\x85", "\\xc2\\x85", "\\xc2\\x85"},              // NEL, U+0085
      {"\x85", "\\x85", "\\x85"},                            // raw C1 byte
      {"\xe2\x80\xa8|\xe2\x80\xa9", "\\xe2\\x80\\xa8|\\xe2\\x80\\xa9",
       "\\xe2\\x80\\xa8|\\xe2\\x80\\xa9"},  // line and paragraph separators
      {"\xe2\x80\xae", "\\xe2\\x80\\xae", "\\xe2\\x80\\xae"},  // RLO
      {"\xd8\x9c\xe2\x81\xa9", "\\xd8\\x9c\\xe2\\x81\\xa9",
       "\\xd8\\x9c\\xe2\\x81\\xa9"},  // U+061C, U+2069
      {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
       "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
       "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80"},  // printable UTF-8 stays
      {"\xc0\xaf", "\\xc0\\xaf", "\\xc0\\xaf"},  // overlong "/"
      {"\xed\xa0\x80", "\\xed\\xa0\\x80", "\\xed\\xa0\\x80"},  // surrogate
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80",
       "\\xf4\\x90\\x80\\x80"},                  // past U+10FFFF
      {"\xe2\x82", "\\xe2\\x82", "\\xe2\\x82"},  // cut short at the end
      {"\xe2(x", "\\xe2(x", "\\xe2(x"},          // cut short by ASCII
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(escaped(c.in, Source::kOutside), c.outside) << c.in;
    EXPECT_EQ(escaped(c.in, Source::kOwnLines), c.own) << c.in;
  }
}

TEST(TextEscape, PlainIsWhatLeavesAsItStands) {
  const struct {
    std::string in;
    bool outside, own;
  } cases[] = {
      {"host=192.0.2.1 ~", true, true},
      {"a\\b", false, true},
      {"a\nb", false, true},
      {"\t", false, false},
      {"\x7f", false, false},
      {"\xc3\xa9", false, false},  // printable, but takes the slow path
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_plain(c.in, Source::kOutside), c.outside) << c.in;
    EXPECT_EQ(is_plain(c.in, Source::kOwnLines), c.own) << c.in;
  }
}

TEST(TextEscape, AppendsAfterWhatIsThere) {
  std::string out = "> ";
  text_escape::append_escaped(out, "a\nb", Source::kOutside);
  EXPECT_EQ(out, "> a\\x0ab");
}
