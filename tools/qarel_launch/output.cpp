#include "output.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "commands.h"

namespace {
// Whether standard output (1) and standard error (2) were closed at start.
bool closed[3] = {false, false, false};

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

// C0 and C1 controls, DEL, and the bidi and isolate controls.
bool is_control(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7f && cp <= 0x9f) || cp == 0x061c ||
         cp == 0x200e || cp == 0x200f || (cp >= 0x202a && cp <= 0x202e) ||
         (cp >= 0x2066 && cp <= 0x2069);
}

// Where the text comes from: outside (its line breaks and backslashes are
// escaped too), or the tool's own composed lines.
enum class Source { kOutside, kOwnLines };

std::string escape(std::string_view text, Source source) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
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
  return out;
}
}  // namespace

std::string shown(std::string_view text) {
  return escape(text, Source::kOutside);
}

void say(std::FILE* stream, std::string_view text) {
  // Most text needs no escape: ASCII, printable or a line break.
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 0x20 && c < 0x7f) || c == '\n';
  });
  if (plain) {
    std::fwrite(text.data(), 1, text.size(), stream);
    return;
  }
  const std::string out = escape(text, Source::kOwnLines);
  std::fwrite(out.data(), 1, out.size(), stream);
}

void say(std::FILE* stream, const char* format, ...) {
  std::va_list args, again;
  va_start(args, format);
  va_copy(again, args);
  char line[256];
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof line) {
    say(stream, std::string_view(line, static_cast<std::size_t>(length)));
  } else if (length >= 0) {
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    text.pop_back();
    say(stream, text);
  }
  va_end(again);
}

void claim_standard_streams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor is this one: the lower ones are open.
    if (open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) == fd)
      closed[fd] = true;
  }
}

int finished(int status) {
  errno = 0;
  const bool out_ok = !closed[1] && std::fflush(stdout) == 0 &&
                      !std::ferror(stdout) && std::fclose(stdout) == 0;
  const int out_error = errno;
  const bool err_ok =
      !closed[2] && std::fflush(stderr) == 0 && !std::ferror(stderr);
  if (out_ok && err_ok) return status;
  if (err_ok) {
    std::fprintf(stderr, "%s: cannot write standard output: %s\n", kName,
                 closed[1]        ? "it is closed"
                 : out_error != 0 ? std::strerror(out_error)
                                  : "a write failed");
    std::fflush(stderr);
  }
  return kExitOutput;
}
