// The event-log lines of the option reports, written straight to the core
// event log at critical level so that they pass every level filter.
#include "logging/event_category.h"
#include "logging/logging.h"
#include "qarel_core/qarel_core.h"

using client_common::internal::kCoreCritical;
using client_common::internal::kEventCategory;

void write_header(const char* format, const std::string& heading) {
  if (format == nullptr) return;
  mQUOR_EVENT_LOG_MESSAGE(kEventCategory, kCoreCritical, 0, format, "Short",
                          "Long Key", heading.c_str(), "Description");
  mQUOR_EVENT_LOG_MESSAGE(kEventCategory, kCoreCritical, 0, format, "-----",
                          "--------", "-----", "-----------");
}

void log_outputs(const char* format, const char* short_column,
                 const std::string& long_key, const std::string& value,
                 const std::string& description) {
  if (format == nullptr) return;
  if (short_column == nullptr) short_column = "";
  mQUOR_EVENT_LOG_MESSAGE(kEventCategory, kCoreCritical, 0, format,
                          short_column, long_key.c_str(), value.c_str(),
                          description.c_str());
}
