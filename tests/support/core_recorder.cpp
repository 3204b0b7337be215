#include "tests/support/core_recorder.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "qarel_core/qarel_core.h"

CoreLog& core_log() {
  static CoreLog log;
  return log;
}

namespace {
int Record(const std::string& call) {
  core_log().calls.push_back(call);
  return core_log().result;
}
std::string N(long n) { return " " + std::to_string(n); }
}  // namespace

extern "C" {

int mQUOR_EVENT_LOG_MESSAGE(int category, int level, int code,
                            const char* format, ...) {
  char text[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  const std::string call = "log" + N(category) + N(level) + N(code);
  if (core_log().echo) std::printf("[%s] %s\n", call.c_str(), text);
  return Record(call + " " + text);
}

int qarel_client_log_init(const char* first, const char* second, int level) {
  return Record(std::string("init ") + first + " " + second + N(level));
}

int qarel_client_log_level_set(int level) { return Record("level" + N(level)); }

int quor_event_init_ext_cfg(const quor_event_ext_cfg* cfg) {
  quor_event_ext_cfg rest = *cfg, zero{};
  rest.label = rest.directory = rest.source = rest.file_name = nullptr;
  rest.flags = rest.max_files = rest.format_version = 0;
  if (std::memcmp(&rest, &zero, sizeof zero) != 0) return Record("cfg dirty");
  return Record(std::string("cfg ") + cfg->label + "|" + cfg->directory + "|" +
                cfg->source + "|" + cfg->file_name + N(cfg->flags) +
                N(cfg->max_files) + N(cfg->format_version));
}

int quor_event_reset_session_log_id(void) { return Record("reset"); }
int quor_event_close(void) { return Record("close"); }

}  // extern "C"
