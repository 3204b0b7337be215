#include "text_escape/text_escape.h"

#include <gtest/gtest.h>

#include <string>

using text_escape::escaped;
using text_escape::is_utf8;
using text_escape::Source;

TEST(TextEscape, EscapesWhatAReaderWouldActOnAndNothingElse) {
  const struct {
    std::string in, out;
    bool utf8 = true;
  } cases[] = {
      // Printable, and the first and last of each UTF-8 length.
      {"~ \xc2\xa0\xdf\xbf\xe0\xa0\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
       "~ \xc2\xa0\xdf\xbf\xe0\xa0\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"},
      {"a\\x\n\r", "a\\\\x\\x0a\\x0d"},  // the escape's own backslash too
      {std::string("\0", 1), "\\x00"},
      {"~\x7f", "~\\x7f"},  // DEL, the byte after the last printable one
      {"\x80\xc2\x85", "\\x80\\xc2\\x85", false},  // stray 0x80; U+0085
      // The set is unprintable_ranges.h's (its own test compares it with
      // the Unicode data): a range of one (U+00AD), the last code point of
      // the last range (U+E007F), a Hangul filler (U+3164); what follows
      // U+E007F and U+3164 stays.
      {"\xc2\xad\xf3\xa0\x81\xbf\xe3\x85\xa4\xf3\xa0\x82\x80\xe3\x85\xa5",
       "\\xc2\\xad\\xf3\\xa0\\x81\\xbf\\xe3\\x85\\xa4\xf3\xa0\x82\x80\xe3\x85"
       "\xa5"},
      // Overlong, the first and last surrogate, past U+10FFFF.
      {"\xc0\xaf\xed\xa0\x80\xed\xbf\xbf\xf4\x90\x80\x80",
       "\\xc0\\xaf\\xed\\xa0\\x80\\xed\\xbf\\xbf\\xf4\\x90\\x80\\x80", false},
      // A lead byte past 0xf4, whose bits would spell U+100000.
      {"\xfc\x80\x80\x80", "\\xfc\\x80\\x80\\x80", false},
      {"\xef\xbf\xbd\xe2(\xe2\x82", "\xef\xbf\xbd\\xe2(\\xe2\\x82",
       false},  // U+FFFD; cut
  };
  for (const auto& c : cases) {
    EXPECT_EQ(escaped(c.in, Source::kOutside), c.out) << c.in;
    EXPECT_EQ(is_utf8(c.in), c.utf8) << c.in;
  }
  // The fast path: printable ASCII, but a backslash only in one's own lines.
  EXPECT_TRUE(text_escape::is_plain("a ~", Source::kOutside));
  EXPECT_FALSE(text_escape::is_plain("a\\", Source::kOutside));
  EXPECT_TRUE(text_escape::is_plain("a\\\n", Source::kOwnLines));
  // One's own lines keep their breaks and backslashes; the rest is escaped.
  EXPECT_EQ(escaped("a\\\n\x1b", Source::kOwnLines), "a\\\n\\x1b");
}
