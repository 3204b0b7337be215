#include "output.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <boost/algorithm/string/replace.hpp>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "commands.h"
#include "text_escape/text_escape.h"

using text_escape::Source;

namespace {
// Whether standard output (1) and standard error (2) were closed at start.
bool closed[3] = {false, false, false};
}  // namespace

std::string shown(std::string_view text) {
  std::string out = text_escape::escaped(text, Source::kOutside);
  // A quote from outside never closes a field the tool quotes.
  const auto quote = [](char c) { return c == '"' || c == '\''; };
  if (std::none_of(out.begin(), out.end(), quote)) return out;
  boost::algorithm::replace_all(out, "\"", "\\x22");
  boost::algorithm::replace_all(out, "'", "\\x27");
  return out;
}

void say(std::FILE* stream, std::string_view text) {
  // Most text needs no escape: ASCII, printable or a line break.
  if (text_escape::is_plain(text, Source::kOwnLines)) {
    std::fwrite(text.data(), 1, text.size(), stream);
    return;
  }
  const std::string out = text_escape::escaped(text, Source::kOwnLines);
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
    say(stderr, "%s: cannot write standard output: %s\n", kName,
        closed[1]        ? "it is closed"
        : out_error != 0 ? std::strerror(out_error)
                         : "a write failed");
    std::fflush(stderr);
  }
  return kExitOutput;
}
