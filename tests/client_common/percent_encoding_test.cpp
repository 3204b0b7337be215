#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <random>
#include <string>

#include "client_common/client_common.h"

TEST(PercentEncode, EscapesEverythingButUnreservedBytes) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", ""},
      {"a b&c", "a%20b%26c"},
      {"~._-", "~._-"},
      {"AZaz09", "AZaz09"},
      {"%", "%25"},
      {"/", "%2f"},  // lower-case hex digits
      {"\xC3\xA9", "%c3%a9"},
      {std::string("\0\x01\x7f\xff", 4), "%00%01%7f%ff"},
      {":/?#[]@!$&'()*+,;=",
       "%3a%2f%3f%23%5b%5d%40%21%24%26%27%28%29%2a%2b%2c%3b%3d"},
  };
  for (const auto& c : cases) EXPECT_EQ(percent_encode(c.in), c.out) << c.in;
}

TEST(PercentDecode, ReplacesValidEscapes) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"a%20b", "a b"},       {"%2D", "-"},           {"%2d", "-"},
      {"a+b", "a+b"},    // "+" is no space
      {"x%00y", "xy"},   // an escape of zero contributes nothing
      {"%2541", "%41"},  // an escape is read once
      {"%c3%A9", "\xC3\xA9"}, {"%ff%80", "\xff\x80"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(percent_decode(c.in), c.out) << c.in;
}

TEST(PercentDecode, KeepsMalformedEscapes) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"%zz1", "%zz1"},  // not hex digits
      {"%4", "%4"},      // escape cut short
      {"%", "%"},       {"abc%", "abc%"},
      {"%%41", "%A"},  // the first "%" is ordinary, the second an escape
      {"%4g", "%4g"},  // second digit not hex
      {"%g4", "%g4"},   {"100%", "100%"},
  };
  for (const auto& c : cases) EXPECT_EQ(percent_decode(c.in), c.out) << c.in;
}

namespace {
// The rules written out one byte at a time: the oracle for the fast paths,
// which take 16 or 32 bytes at a time and carry escapes across steps.
std::string NaiveEncode(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (std::isalnum(c) && c < 128) {
      out += static_cast<char>(c);
    } else if (c == '-' || c == '.' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02x", c);
      out += escape;
    }
  }
  return out;
}

std::string NaiveDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() &&
        std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
      const int value = std::stoi(s.substr(i + 1, 2), nullptr, 16);
      if (value != 0) out += static_cast<char>(value);
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}
}  // namespace

TEST(PercentCoding, LongInputsMatchTheByteByByteRules) {
  // Dense in "%", hex digits and zeros, so escapes fall on every position of
  // a step, straddle steps and run to the very end.
  const std::string alphabet = std::string("%%%%0a1F9fgG-. ~\xff") + '\0';
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> length(0, 300);
  for (int i = 0; i < 20000; ++i) {
    std::string s(length(random), '\0');
    for (char& c : s) c = alphabet[pick(random)];
    ASSERT_EQ(percent_decode(s), NaiveDecode(s)) << s;
    ASSERT_EQ(percent_encode(s), NaiveEncode(s)) << s;
  }
}

TEST(PercentCoding, DecodingAnEncodingGivesTheInputBack) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> byte(1, 255);  // any byte but NUL
  std::uniform_int_distribution<int> length(0, 64);
  for (int i = 0; i < 5000; ++i) {
    std::string s(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : s) c = static_cast<char>(byte(random));
    const std::string encoded = percent_encode(s);
    EXPECT_EQ(encoded.find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                  "0123456789-._~%"),
              std::string::npos);
    ASSERT_EQ(percent_decode(encoded), s);
  }
}
