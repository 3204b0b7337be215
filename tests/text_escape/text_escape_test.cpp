#include "text_escape/text_escape.h"

#include <gtest/gtest.h>

#include <string>

using text_escape::escaped;
using text_escape::Source;

TEST(TextEscape, EscapesWhatAReaderWouldActOnAndNothingElse) {
  const struct {
    std::string in, out;
  } cases[] = {
      // Printable, and the first and last of each UTF-8 length.
      {"~ \xc2\xa0\xdf\xbf\xe0\xa0\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf",
       "~ \xc2\xa0\xdf\xbf\xe0\xa0\x80\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"},
      {"a\\x\n\r", "a\\\\x\\x0a\\x0d"},  // the escape's own backslash too
      {std::string("\0\x7f", 2), "\\x00\\x7f"},  // NUL and DEL
      {"\x85\xc2\x85", "\\x85\\xc2\\x85"},       // C1: raw, and as U+0085
      {"\xe2\x80\xa8\xe2\x80\xa9", "\\xe2\\x80\\xa8\\xe2\\x80\\xa9"},  // LS, PS
      // U+061C, U+200E, U+200F, U+202A, U+202E, U+2066, U+2069: bidi
      {"\xd8\x9c\xe2\x80\x8e\xe2\x80\x8f\xe2\x80\xaa\xe2\x80\xae\xe2\x81\xa6"
       "\xe2\x81\xa9",
       "\\xd8\\x9c\\xe2\\x80\\x8e\\xe2\\x80\\x8f\\xe2\\x80\\xaa\\xe2\\x80\\xae"
       "\\xe2\\x81\\xa6\\xe2\\x81\\xa9"},
      // Format characters: U+00AD, U+200B, U+FEFF, the first and last tag
      // character; the Hangul fillers U+115F, U+3164, U+FFA0; the code
      // points just past U+E007F and U+3164 stay.
      {"\xc2\xad\xe2\x80\x8b\xef\xbb\xbf\xf3\xa0\x80\x81\xf3\xa0\x81\xbf"
       "\xe1\x85\x9f\xe3\x85\xa4\xef\xbe\xa0\xf3\xa0\x82\x80\xe3\x85\xa5",
       "\\xc2\\xad\\xe2\\x80\\x8b\\xef\\xbb\\xbf\\xf3\\xa0\\x80\\x81"
       "\\xf3\\xa0\\x81\\xbf\\xe1\\x85\\x9f\\xe3\\x85\\xa4\\xef\\xbe\\xa0"
       "\xf3\xa0\x82\x80\xe3\x85\xa5"},
      // Overlong, the first and last surrogate, past U+10FFFF.
      {"\xc0\xaf\xed\xa0\x80\xed\xbf\xbf\xf4\x90\x80\x80",
       "\\xc0\\xaf\\xed\\xa0\\x80\\xed\\xbf\\xbf\\xf4\\x90\\x80\\x80"},
      {"\xe2(\xe2\x82", "\\xe2(\\xe2\\x82"},  // cut short, twice
  };
  for (const auto& c : cases)
    EXPECT_EQ(escaped(c.in, Source::kOutside), c.out) << c.in;
}
