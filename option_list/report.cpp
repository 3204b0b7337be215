// The printed and logged reports of the option table.
#include <cstdio>

#include "logging/logging.h"
#include "option_list/option_list.h"
#include "text_escape/text_escape.h"

using text_escape::escaped;
using text_escape::Source;

namespace {
// One row: short column, long key, value or default, description. The log
// form has no line end, since each event-log call writes one line.
constexpr char kPrintedRow[] = "%5s %30s  %14s %s\n";
constexpr char kLoggedRow[] = "%5s %30s  %14s %s";

// "-" and the first byte of the short key, or nothing without one.
std::string short_column(const option_list::option& record) {
  if (record.short_key.empty()) return {};
  return {'-', record.short_key[0]};
}

// The heading and rule lines on standard output; `rule` underlines column 3.
void print_header(const char* heading, const char* rule) {
  std::printf(kPrintedRow, "Short", "Long Key", heading, "Description");
  std::printf(kPrintedRow, "-----", "--------", rule, "-----------");
}

// One record's row: to the event log first, then to standard output.
void write_row(const option_list::option& record, const std::string& third,
               const std::string& fourth, bool to_log, bool to_stdout) {
  const std::string shown = short_column(record);
  if (to_log)
    log_outputs(kLoggedRow, shown.c_str(), record.long_key, third, fourth);
  // Standard output gets one line a record, whatever the table or a link
  // put in it; the core log escapes its lines itself.
  if (to_stdout)
    std::printf(kPrintedRow, escaped(shown, Source::kOutside).c_str(),
                escaped(record.long_key, Source::kOutside).c_str(),
                escaped(third, Source::kOutside).c_str(),
                escaped(fourth, Source::kOutside).c_str());
}
}  // namespace

void option_list::log_options(bool only_if_set, bool to_log, bool to_stdout) {
  if (to_log) write_header(kLoggedRow, "Value");
  if (to_stdout) {
    std::putchar('\n');
    print_header("Value", "-----");
  }
  static const std::string kMasked = client_common::kMaskedValue;
  for (const option& record : options) {
    if (only_if_set && !record.is_set) continue;
    write_row(record, record.show_value ? record.value : kMasked,
              record.description, to_log, to_stdout);
  }
}

void option_list::log_defaults(bool to_log, bool to_stdout) {
  if (to_log) {
    log(LEVEL_CRITICAL, "Program options are:", 0);
    write_header(kLoggedRow, "Default");
  }
  if (to_stdout) {
    std::puts("\nProgram options are:");
    print_header("Default", "-------");
  }
  static const std::string kDeprecated = "DEPRECATED";
  for (const option& record : options) {
    write_row(record, record.default_value,
              record.deprecated ? kDeprecated : record.description, to_log,
              to_stdout);
  }
}
