#include "text_escape/text_escape.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "text_escape/unprintable_ranges.h"

namespace text_escape {
namespace {

// The length of the valid UTF-8 sequence that starts `s`, with its code
// point in `cp`; 0 for an invalid, overlong or cut-short one.
std::size_t utf8_sequence(std::string_view s, char32_t& cp) {
  const auto byte = [&](std::size_t i) {
    return static_cast<unsigned char>(s[i]);
  };
  std::size_t length = 1;
  char32_t least = 0;
  if (byte(0) < 0x80) {
    cp = byte(0);
    return 1;
  } else if (byte(0) >= 0xc2 && byte(0) <= 0xdf) {
    length = 2, cp = byte(0) & 0x1f, least = 0x80;
  } else if (byte(0) >= 0xe0 && byte(0) <= 0xef) {
    length = 3, cp = byte(0) & 0x0f, least = 0x800;
  } else if (byte(0) >= 0xf0 && byte(0) <= 0xf4) {
    length = 4, cp = byte(0) & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return 0;
    cp = cp << 6 | (byte(i) & 0x3f);
  }
  const bool surrogate = cp >= 0xd800 && cp <= 0xdfff;
  return cp < least || cp > 0x10ffff || surrogate ? 0 : length;
}

// The lookup below is a binary search.
constexpr bool sorted_and_disjoint() {
  for (std::size_t i = 1; i < std::size(detail::kUnprintable); ++i) {
    if (detail::kUnprintable[i].first <= detail::kUnprintable[i - 1].last)
      return false;
  }
  return true;
}
static_assert(sorted_and_disjoint());

// Code points a terminal, an editor or a log viewer would act on, or that
// look like something they are not (unprintable_ranges.h).
bool is_unprintable(char32_t cp) {
  const auto after = std::upper_bound(
      std::begin(detail::kUnprintable), std::end(detail::kUnprintable), cp,
      [](char32_t c, const detail::CodePointRange& r) { return c < r.first; });
  return after != std::begin(detail::kUnprintable) && cp <= (after - 1)->last;
}

}  // namespace

bool is_plain(std::string_view text, Source source) {
  const bool own = source == Source::kOwnLines;
  // Every byte is looked at, with no branch, so that the loop vectorises:
  // this runs over everything the tool prints.
  unsigned char escapes = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unprintable = static_cast<unsigned char>(byte - 0x20) >= 0x5f;
    escapes |= static_cast<unsigned char>(
        (unprintable && !(own && byte == '\n')) || (!own && byte == '\\'));
  }
  return escapes == 0;
}

bool is_utf8(std::string_view text) {
  unsigned char high = 0;  // ASCII first, with a loop that vectorises
  for (const char c : text) high |= static_cast<unsigned char>(c) & 0x80;
  if (high == 0) return true;
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t length = utf8_sequence(text.substr(i), cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

void append_escaped(std::string& out, std::string_view text, Source source) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t length = utf8_sequence(text.substr(i), cp);
    const bool own_break = cp == '\n' && source == Source::kOwnLines;
    if (length == 0 || (is_unprintable(cp) && !own_break)) {
      for (std::size_t end = i + std::max<std::size_t>(length, 1); i < end;
           ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
      }
      continue;
    }
    if (cp == '\\' && source == Source::kOutside) out += '\\';
    out.append(text, i, length);
    i += length;
  }
}

std::string escaped(std::string_view text, Source source) {
  if (is_plain(text, source)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  append_escaped(out, text, source);
  return out;
}

}  // namespace text_escape
