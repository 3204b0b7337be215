#include "text_escape/text_escape.h"

#include <algorithm>
#include <cstddef>

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

// Code points a terminal, an editor or a log viewer would act on: C0 and C1
// controls, DEL, the bidi and isolate controls, and the line and paragraph
// separators that many readers break lines at.
bool is_control(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7f && cp <= 0x9f) || cp == 0x061c ||
         cp == 0x200e || cp == 0x200f || cp == 0x2028 || cp == 0x2029 ||
         (cp >= 0x202a && cp <= 0x202e) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

bool is_plain(std::string_view text, Source source) {
  const bool own = source == Source::kOwnLines;
  return std::all_of(text.begin(), text.end(), [own](char c) {
    return (c >= 0x20 && c < 0x7f && (own || c != '\\')) || (own && c == '\n');
  });
}

void append_escaped(std::string& out, std::string_view text, Source source) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t length = utf8_sequence(text.substr(i), cp);
    const bool own_break = cp == '\n' && source == Source::kOwnLines;
    if (length == 0 || (is_control(cp) && !own_break)) {
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
