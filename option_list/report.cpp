// The printed and logged reports of the option table.
#include <cstdio>

#include "logging/logging.h"
#include "option_list/option_list.h"

namespace {
// "-" and the first byte of the short key, or nothing without one.
std::string short_column(const option_list::option& record) {
  if (record.short_key.empty()) return {};
  return {'-', record.short_key[0]};
}
}  // namespace

void option_list::log_options(bool only_if_set, bool to_log, bool to_stdout) {
  static const char format_p[] = "%5s %30s  %14s %s\n";
  static const char format_l[] = "%5s %30s  %14s %s";

  if (to_log) write_header(format_l, "Value");
  if (to_stdout) {
    std::putchar('\n');
    std::printf(format_p, "Short", "Long Key", "Value", "Description");
    std::printf(format_p, "-----", "--------", "-----", "-----------");
  }
  for (const option& record : options) {
    if (only_if_set && !record.is_set) continue;
    const std::string shown = short_column(record);
    const std::string& value = record.show_value ? record.value : "********";
    if (to_log)
      log_outputs(format_l, shown.c_str(), record.long_key, value,
                  record.description);
    if (to_stdout)
      std::printf(format_p, shown.c_str(), record.long_key.c_str(),
                  value.c_str(), record.description.c_str());
  }
}

void option_list::log_defaults(bool to_log, bool to_stdout) {
  static const char format_p[] = "%5s %30s  %14s %s\n";
  static const char format_l[] = "%5s %30s  %14s %s";

  if (to_log) {
    log(LEVEL_CRITICAL, "Program options are:", 0);
    write_header(format_l, "Default");
  }
  if (to_stdout) {
    std::puts("\nProgram options are:");
    std::printf(format_p, "Short", "Long Key", "Default", "Description");
    std::printf(format_p, "-----", "--------", "-------", "-----------");
  }
  for (const option& record : options) {
    const std::string shown = short_column(record);
    const std::string& description =
        record.deprecated ? "DEPRECATED" : record.description;
    if (to_log)
      log_outputs(format_l, shown.c_str(), record.long_key,
                  record.default_value, description);
    if (to_stdout)
      std::printf(format_p, shown.c_str(), record.long_key.c_str(),
                  record.default_value.c_str(), description.c_str());
  }
}
