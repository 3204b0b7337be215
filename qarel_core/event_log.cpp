// A small but real event log: one lock, one write per line, flushed.
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

#include "qarel_core/qarel_core.h"

namespace {

constexpr int kMinLevel = 0;
constexpr int kMaxLevel = 5;
constexpr int kDefaultLevel = 2;

struct LogState {
  std::mutex mutex;
  int level = kDefaultLevel;
  unsigned session = 1;
  std::FILE* client_log = nullptr;
  std::FILE* event_log = nullptr;
};

LogState& state() {
  static LogState s;
  return s;
}

// Replaces *slot by a newly opened file; leaves it as it was on failure.
bool reopen(std::FILE** slot, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "a");
  if (file == nullptr) return false;
  if (*slot != nullptr) std::fclose(*slot);
  *slot = file;
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

void write_line(std::FILE* file, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), file);
  std::fflush(file);
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

  std::lock_guard<std::mutex> lock(s.mutex);
  const std::string line = timestamp() + " [" + level_name(level) + "] " +
                           std::to_string(category) + " " +
                           std::to_string(code) + " #" +
                           std::to_string(s.session) + ": " + text + "\n";
  if (s.client_log == nullptr && s.event_log == nullptr) {
    write_line(stderr, line);
    return 0;
  }
  if (s.client_log != nullptr) write_line(s.client_log, line);
  if (s.event_log != nullptr) write_line(s.event_log, line);
  return 0;
}

int qarel_client_log_init(const char* directory, const char* name, int level) {
  if (name == nullptr || *name == '\0') return -1;
  if (level < kMinLevel || level > kMaxLevel) return -1;
  LogState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (!reopen(&s.client_log, join(directory, name))) return -1;
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
  return reopen(&s.event_log, path) ? 0 : -1;
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
  for (std::FILE** file : {&s.client_log, &s.event_log}) {
    if (*file != nullptr) std::fclose(*file);
    *file = nullptr;
  }
  return 0;
}

}  // extern "C"
