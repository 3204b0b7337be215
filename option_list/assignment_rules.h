// Internal: what an assignment does, in one place. option_list::set and
// set_true (assignment.cpp) and the launch-argument parser
// (client_common/launch_arguments.cpp) all assign through these functions.
// Inline, since every launch argument goes through them; the rarely taken
// parts, the rejection record and the deprecation warning, are out of line
// in assignment.cpp.
#ifndef OPTION_LIST_ASSIGNMENT_RULES_H_
#define OPTION_LIST_ASSIGNMENT_RULES_H_

#include <string>
#include <string_view>
#include <utility>

#include "option_list/ignore_value.h"
#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

namespace client_common::internal {

// Where an assignment comes from, and whether assigning a deprecated option
// warns: set's two flags, named.
struct Assignment {
  Origin origin;
  bool warn_deprecated;
};
// The parser's assignments, which always warn.
inline constexpr Assignment kFromCommandLine{Origin::kCommandLine, true};
inline constexpr Assignment kFromLaunchUri{Origin::kLaunchUri, true};

// Appends the rejection record of a refused assignment; returns false.
bool record_rejection(option_list& table, std::string_view key, Origin origin);
void warn_deprecated_use(const option_list::option& record);

inline void store(option_list::option& record, std::string&& value,
                  Assignment how) {
  record.value = std::move(value);
  record.is_set = true;
  if (how.warn_deprecated && record.deprecated) warn_deprecated_use(record);
}

// set's rule, for a key already looked up.
inline bool assign_value(option_list& table, std::string_view key,
                         std::string&& value, Assignment how,
                         const KeyRecords& found) {
  if (malformed_key(key) || value == kIgnoreValue ||
      found.assignable == nullptr)
    return record_rejection(table, key, how.origin);
  store(*found.assignable, std::move(value), how);
  return true;
}

// set_true's rule. The switch test reads the first match; the assignment
// takes the first match allowed from this origin, which may be a later
// duplicate.
inline bool assign_true(option_list& table, std::string_view key,
                        Assignment how, const KeyRecords& found) {
  if (!found.is_switch() || found.assignable == nullptr)
    return record_rejection(table, key, how.origin);
  store(*found.assignable, std::string(kTrue), how);
  return true;
}

}  // namespace client_common::internal

#endif  // OPTION_LIST_ASSIGNMENT_RULES_H_
