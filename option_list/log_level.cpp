// Reading the "log-level" option as a core event-log level.
#include "option_list/option_list.h"
#include "safe_str/equal_ignoring_case.h"

using client_common::internal::equal_ignoring_case;

bool option_list::get_log_level(boost::optional<int>& level) {
  static const struct {
    const char* keyword;
    int level;
  } kKeywords[] = {{"critical", 0}, {"error", 1}, {"info", 2}, {"debug", 3}};

  const std::string text = get("log-level");
  for (const auto& k : kKeywords) {
    if (equal_ignoring_case(text, k.keyword)) {
      level = k.level;
      return true;
    }
  }
  // Levels 4 and 5 have no keyword; they pass on as numbers.
  if (!option_is_int("log-level", 0, 5)) return false;
  level = get_int_val("log-level", false);
  return true;
}
