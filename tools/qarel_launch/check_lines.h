// check's input: one launch per line, read as the checker page reads a
// line. A line is a launch link, or launch arguments in compose's quoted
// form; anything else is one argument as it stands.
#ifndef TOOLS_QAREL_LAUNCH_CHECK_LINES_H_
#define TOOLS_QAREL_LAUNCH_CHECK_LINES_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"

// The longest line read, in bytes, without its line break: what Linux
// passes in one argument (MAX_ARG_STRLEN), so no client is handed more.
constexpr std::size_t kLineLimit = 128 * 1024;

// Reads a descriptor one line at a time through a buffer of a fixed size,
// so that memory stays the same whatever the input holds: a line longer
// than kLineLimit is skipped to its end, never kept.
class LineReader {
 public:
  explicit LineReader(int fd);
  enum Result { kLine, kOverlong, kEnd, kError };
  // The next line, without its "\n" and a "\r" before it; `line` views the
  // buffer until the next call. After kError, errno_value() says why.
  Result next(std::string_view& line);
  int errno_value() const { return errno_; }

 private:
  // Reads more after what the buffer holds; false at the end, or on an
  // error.
  bool fill();
  Result skip_overlong();

  int fd_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  int errno_ = 0;
};

// Why `line` cannot be a launch: "holds a NUL byte" (no argument can),
// "is not UTF-8"; empty when it can.
const char* unreadable_reason(std::string_view line);

// The launch arguments of `line`: each quoted argument when the whole line
// is compose's quoted form ("a" "b" ...), else the line as one argument.
void line_arguments(std::string_view line, Args& args);

#endif  // TOOLS_QAREL_LAUNCH_CHECK_LINES_H_
