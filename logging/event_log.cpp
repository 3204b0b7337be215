// Lines, levels and the close of the core event log.
#include <cstdint>

#include "logging/event_category.h"
#include "logging/logging.h"
#include "qarel_core/qarel_core.h"

using client_common::internal::kCoreInfo;
using client_common::internal::kEventCategory;

namespace {
constexpr std::int32_t kCoreLevelOf[] = {3, 2, 0, 1};  // indexed by Level

int core_level(Level level) {
  const auto index = static_cast<unsigned>(level);
  return index <= 3 ? kCoreLevelOf[index] : kCoreInfo;
}
}  // namespace

void log(Level level, const std::string& text, int code) {
  mQUOR_EVENT_LOG_MESSAGE(kEventCategory, core_level(level), code, "%s",
                          text.c_str());
}

bool init_logger(const char* first, const char* second,
                 boost::optional<int> level) {
  return qarel_client_log_init(first, second, level.value_or(kCoreInfo)) == 0;
}

bool set_level(int level) { return qarel_client_log_level_set(level) == 0; }

bool set_log_level(boost::optional<int> level) {
  return level ? set_level(*level) : true;
}

bool log_close_checked(const std::string& name) {
  quor_event_reset_session_log_id();
  mQUOR_EVENT_LOG_MESSAGE(kEventCategory, kCoreInfo, 0,
                          "%s: Resource cleanup complete.", name.c_str());
  return quor_event_close() == 0;
}

void log_close(const std::string& name) { log_close_checked(name); }
