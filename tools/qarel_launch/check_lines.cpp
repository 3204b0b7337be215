#include "check_lines.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "quoted_arguments.h"
#include "text_escape/text_escape.h"

namespace {
constexpr std::size_t kReadSize = 64 * 1024;

// `line` without a "\r" that ends it, as a file written on Windows has.
std::string_view without_cr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Whether all of `line` is "..." or "..." "..." and so on.
bool is_quoted_form(std::string_view line) {
  std::size_t at = 0;
  while (at < line.size() && line[at] == '"') {
    const std::size_t close = line.find('"', at + 1);
    if (close == std::string_view::npos) return false;
    if (close + 1 == line.size()) return true;
    if (line[close + 1] != ' ') return false;
    at = close + 2;
  }
  return false;
}
}  // namespace

// Room for the longest line, its "\r\n", and one read after it.
LineReader::LineReader(int fd) : fd_(fd), buffer_(kLineLimit + 2 + kReadSize) {}

bool LineReader::fill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  for (;;) {
    const ssize_t got = read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (got > 0) {
      end_ += static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) return false;
    if (errno != EINTR) {
      errno_ = errno;
      return false;
    }
  }
}

LineReader::Result LineReader::skip_overlong() {
  for (;;) {
    const char* data = buffer_.data();
    const void* newline = std::memchr(data + begin_, '\n', end_ - begin_);
    if (newline != nullptr) {
      begin_ =
          static_cast<std::size_t>(static_cast<const char*>(newline) - data) +
          1;
      return kOverlong;
    }
    begin_ = end_ = 0;
    if (!fill()) return errno_ != 0 ? kError : kOverlong;
  }
}

LineReader::Result LineReader::next(std::string_view& line) {
  std::size_t searched = begin_;
  for (;;) {
    const char* data = buffer_.data();
    const void* found = std::memchr(data + searched, '\n', end_ - searched);
    if (found != nullptr) {
      const auto newline =
          static_cast<std::size_t>(static_cast<const char*>(found) - data);
      line = without_cr({data + begin_, newline - begin_});
      begin_ = newline + 1;
      return line.size() > kLineLimit ? kOverlong : kLine;
    }
    if (end_ - begin_ > kLineLimit + 1) return skip_overlong();
    searched = end_ - begin_;
    if (!fill()) {
      if (errno_ != 0) return kError;
      if (begin_ == end_) return kEnd;
      line = without_cr({buffer_.data() + begin_, end_ - begin_});
      begin_ = end_;
      return line.size() > kLineLimit ? kOverlong : kLine;
    }
  }
}

const char* unreadable_reason(std::string_view line) {
  if (line.find('\0') != std::string_view::npos) return "holds a NUL byte";
  if (!text_escape::is_utf8(line)) return "is not UTF-8";
  return "";
}

void line_arguments(std::string_view line, Args& args) {
  args.clear();
  if (is_quoted_form(line)) {
    args = split_quoted(std::string(line));
  } else {
    args.emplace_back(line);
  }
}
