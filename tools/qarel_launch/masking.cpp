#include "masking.h"

#include <client_common/client_common.h>

#include <algorithm>

#include "output.h"

bool is_masked_key(const option_list& table, std::string_view key) {
  const std::string k(key);
  return std::any_of(table.options.begin(), table.options.end(),
                     [&](const option_list::option& o) {
                       return !o.show_value && (case_comp(o.short_key, k) ||
                                                case_comp(o.long_key, k));
                     });
}

std::string shown_assignment(const option_list& table, std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return shown(text);
  const std::size_t key = std::min(text.find_first_not_of('-'), equals);
  if (!is_masked_key(table, text.substr(key, equals - key))) return shown(text);
  return shown(text.substr(0, equals + 1)) + kMask;
}

std::string stored_value(const option_list::option& record,
                         std::string_view value, bool hide) {
  if (record.is_bool && value == "True") return "True";
  return hide || !record.show_value ? kMask : shown(value);
}

std::string shown_value(const option_list::option& record,
                        std::string_view value, bool hide) {
  if (record.is_bool && value == "True") return "to True";
  if (hide || !record.show_value) return "= " + std::string(kMask);
  return "= \"" + shown(value) + "\"";
}

option_list masked_table(const option_list& table) {
  option_list copy = table;
  for (option_list::option& o : copy.options) {
    // An empty default tells nothing, and keeps a table file's round trip.
    if (!o.show_value && !o.default_value.empty()) o.default_value = kMask;
  }
  return copy;
}

namespace {
// log_options' and log_defaults' flags, named.
constexpr bool kOnlySet = true, kToLog = true, kToStdout = true;
}  // namespace

void print_options_set(const option_list& table) {
  masked_table(table).log_options(kOnlySet, !kToLog, kToStdout);
}

void log_options_set(const option_list& table) {
  masked_table(table).log_options(kOnlySet, kToLog, !kToStdout);
}

void print_defaults(const option_list& table) {
  masked_table(table).log_defaults(!kToLog, kToStdout);
}
