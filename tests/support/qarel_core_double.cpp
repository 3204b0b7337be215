#include "tests/support/qarel_core_double.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>

#include "qarel_core/qarel_core.h"

namespace core_double {
namespace {
bool echo = false;

std::map<std::string, int>& results() {
  static std::map<std::string, int> all;
  return all;
}
}  // namespace

void echo_to_stdout(bool on) { echo = on; }
bool echoing() { return echo; }

std::vector<CoreCall>& calls() {
  static std::vector<CoreCall> all;
  return all;
}

void reset() {
  calls().clear();
  results().clear();
}

void set_result(const std::string& function, int result) {
  results()[function] = result;
}

CoreCall named(const char* function) {
  CoreCall call;
  call.function = function;
  return call;
}

int record(const CoreCall& call) {
  calls().push_back(call);
  const auto found = results().find(call.function);
  return found == results().end() ? 0 : found->second;
}

std::vector<CoreCall> calls_of(const std::string& function) {
  std::vector<CoreCall> found;
  for (const CoreCall& c : calls())
    if (c.function == function) found.push_back(c);
  return found;
}
}  // namespace core_double

extern "C" {

int mQUOR_EVENT_LOG_MESSAGE(int category, int level, int code,
                            const char* format, ...) {
  CoreCall call = core_double::named(__func__);
  call.category = category;
  call.level = level;
  call.code = code;
  call.format = format;
  va_list args, measure;
  va_start(args, format);
  va_copy(measure, args);
  std::vector<char> text(std::vsnprintf(nullptr, 0, format, measure) + 1);
  va_end(measure);
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  call.text = text.data();
  if (core_double::echoing()) std::printf("[log] %s\n", call.text.c_str());
  return core_double::record(call);
}

int qarel_client_log_init(const char* first, const char* second, int level) {
  CoreCall call = core_double::named(__func__);
  call.first = first;
  call.second = second;
  call.level = level;
  return core_double::record(call);
}

int qarel_client_log_level_set(int level) {
  CoreCall call = core_double::named(__func__);
  call.level = level;
  return core_double::record(call);
}

int quor_event_init_ext_cfg(const quor_event_ext_cfg* cfg) {
  CoreCall call = core_double::named(__func__);
  std::memcpy(call.record.data(), cfg, sizeof *cfg);
  call.record_pointers_set =
      cfg->label && cfg->directory && cfg->source && cfg->file_name;
  if (call.record_pointers_set) {
    call.label = cfg->label;
    call.directory = cfg->directory;
    call.source = cfg->source;
    call.file_name = cfg->file_name;
  }
  return core_double::record(call);
}

int quor_event_reset_session_log_id(void) {
  return core_double::record(core_double::named(__func__));
}

int quor_event_close(void) {
  return core_double::record(core_double::named(__func__));
}

}  // extern "C"
