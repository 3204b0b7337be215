// A small but real event log: one lock, one write per line, each line whole
// and escaped, and every failure answered.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

#include "qarel_core/qarel_core.h"
#include "text_escape/text_escape.h"

namespace {

constexpr int kMinLevel = 0;
constexpr int kMaxLevel = 5;
constexpr int kDefaultLevel = 2;

// One open log file: its descriptor, and whether a line or a flush to it
// has failed since it was opened.
struct LogFile {
  int fd = -1;
  bool failed = false;
};

struct LogState {
  std::mutex mutex;
  int level = kDefaultLevel;
  unsigned session = 1;
  LogFile client_log;
  LogFile event_log;
};

LogState& state() {
  static LogState s;
  return s;
}

// Opens `path` for appending, or creates it with mode 0600 (a log holds
// hosts and session ids): never through a symbolic link in its last
// component, and only as a regular file. O_NONBLOCK keeps a FIFO with no
// reader from blocking the open; the fstat then refuses it like any other
// file that is not regular. -1 on refusal.
int open_regular(const std::string& path) {
  const int fd = open(path.c_str(),
                      O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC |
                          O_NOCTTY | O_NONBLOCK,
                      0600);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return -1;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
    close(fd);
    return -1;
  }
  return fd;
}

// Closes the file, and says whether everything written to it since it was
// opened reached it.
bool close_file(LogFile& file) {
  if (file.fd < 0) return true;
  const bool closed = close(file.fd) == 0;
  const bool whole = !file.failed && closed;
  file = LogFile{};
  return whole;
}

// Replaces `slot` by a newly opened file; leaves it as it was on failure.
bool reopen(LogFile& slot, const std::string& path) {
  const int fd = open_regular(path);
  if (fd < 0) return false;
  close_file(slot);
  slot.fd = fd;
  return true;
}

std::string join(const char* directory, const char* name) {
  std::string path = directory != nullptr ? directory : "";
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  return path + name;
}

std::string level_name(int level) {
  static const char* const kNames[] = {"critical", "error", "info", "debug"};
  if (level >= 0 && level <= 3) return kNames[level];
  return std::to_string(level);
}

// ISO 8601 in UTC with milliseconds: 2026-12-06T01:58:37.123Z.
std::string timestamp() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto millis =
      duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  const std::size_t n =
      std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(millis));
  return text;
}

std::string format_text(const char* format, va_list args) {
  if (format == nullptr) return {};
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  std::vsnprintf(text.data(), text.size(), format, args);
  return std::string(text.data(), static_cast<std::size_t>(length));
}

// Writes the whole line, or nothing: a line cut short (a full disk, a file
// size limit) is cut off again, so that the next line starts a line of its
// own. False when the line did not go in whole.
bool write_line(int fd, const std::string& line) {
  std::size_t done = 0;
  while (done < line.size()) {
    const ssize_t n = write(fd, line.data() + done, line.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  if (done == line.size()) return true;
  if (done > 0) {
    const off_t end = lseek(fd, 0, SEEK_CUR);
    if (end >= static_cast<off_t>(done)) {
      const int ignored = ftruncate(fd, end - static_cast<off_t>(done));
      static_cast<void>(ignored);
    }
  }
  return false;
}

bool write_to(LogFile& file, const std::string& line) {
  if (file.fd < 0 || write_line(file.fd, line)) return true;
  file.failed = true;
  return false;
}

}  // namespace

extern "C" {

int mQUOR_EVENT_LOG_MESSAGE(int category, int level, int code,
                            const char* format, ...) {
  LogState& s = state();
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    if (level > s.level) return 0;
  }
  va_list args;
  va_start(args, format);
  const std::string text = format_text(format, args);
  va_end(args);
  // One line a call, whatever the text holds: its line breaks, controls and
  // invalid UTF-8 are written escaped.
  const std::string prefix = " [" + level_name(level) + "] " +
                             std::to_string(category) + " " +
                             std::to_string(code) + " #";

  std::lock_guard<std::mutex> lock(s.mutex);
  std::string line = timestamp() + prefix + std::to_string(s.session) + ": ";
  if (text_escape::is_plain(text, text_escape::Source::kOutside)) {
    line += text;
  } else {
    text_escape::append_escaped(line, text, text_escape::Source::kOutside);
  }
  line += '\n';
  if (s.client_log.fd < 0 && s.event_log.fd < 0)
    return write_line(STDERR_FILENO, line) ? 0 : -1;
  const bool to_client = write_to(s.client_log, line);
  const bool to_event = write_to(s.event_log, line);
  return to_client && to_event ? 0 : -1;
}

int qarel_client_log_init(const char* directory, const char* name, int level) {
  if (name == nullptr || *name == '\0') return -1;
  if (level < kMinLevel || level > kMaxLevel) return -1;
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (!reopen(s.client_log, join(directory, name))) return -1;
  s.level = level;
  return 0;
}

int qarel_client_log_level_set(int level) {
  if (level < kMinLevel || level > kMaxLevel) return -1;
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.level = level;
  return 0;
}

int quor_event_init_ext_cfg(const quor_event_ext_cfg* cfg) {
  if (cfg == nullptr || cfg->file_name == nullptr || *cfg->file_name == '\0')
    return -1;
  // The directory arrives with its trailing separator, or empty.
  std::string path = cfg->directory != nullptr ? cfg->directory : "";
  path += cfg->file_name;
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  return reopen(s.event_log, path) ? 0 : -1;
}

int quor_event_reset_session_log_id(void) {
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  ++s.session;
  return 0;
}

int quor_event_close(void) {
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  const bool client_whole = close_file(s.client_log);
  const bool event_whole = close_file(s.event_log);
  return client_whole && event_whole ? 0 : -1;
}

}  // extern "C"
