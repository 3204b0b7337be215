// Internal: the key rules and how the table finds records. Assignments and
// key tests match the short or the long key; reads match the long key only.
// First match wins. An empty key matches nothing, not even the empty short
// key of a record that has none: "-", "--" and an empty launch-URI
// parameter are refused as unknown keys. Free functions over string views, so
// neither the members, which take their strings by value, nor the parser copy a
// key again. What an assignment then does is in assignment_rules.h.
#ifndef OPTION_LIST_KEY_LOOKUP_H_
#define OPTION_LIST_KEY_LOOKUP_H_

#include <algorithm>
#include <list>
#include <string>
#include <string_view>

#include "option_list/option_list.h"
#include "safe_str/char_classes.h"
#include "safe_str/equal_ignoring_case.h"

namespace client_common::internal {

// Empty, not starting with an ASCII letter, or holding anything but ASCII
// letters, digits, "_" and "-" (bytes above 127 are in no class).
inline bool malformed_key(std::string_view key) {
  if (key.empty() || !contains(kLetters, key[0])) return true;
  for (const char c : key.substr(1))
    if (!contains(kKeyBytes, c)) return true;
  return false;
}

inline bool matches_key(const option_list::option& record,
                        std::string_view key) {
  return equal_ignoring_case(record.short_key, key) ||
         equal_ignoring_case(record.long_key, key);
}

// The first record whose long key equals `key` ignoring case, or null.
inline const option_list::option* find_long_key(
    const std::list<option_list::option>& options, std::string_view key) {
  if (key.empty()) return nullptr;
  const auto found = std::find_if(options.begin(), options.end(),
                                  [&](const option_list::option& o) {
                                    return equal_ignoring_case(o.long_key, key);
                                  });
  return found == options.end() ? nullptr : &*found;
}

// Where a key comes from: a launch URI reaches only the records registered
// as settable from one.
enum class Origin : bool { kCommandLine, kLaunchUri };

// What a key reaches, in one walk: the first record matching it by its short
// or long key, which decides whether the key is a switch, and the first
// match that may be assigned from this origin, which takes the value.
struct KeyRecords {
  option_list::option* first = nullptr;
  option_list::option* assignable = nullptr;
  bool is_switch() const { return first != nullptr && first->is_bool; }
};

inline KeyRecords find_key(std::list<option_list::option>& options,
                           std::string_view key, Origin origin) {
  KeyRecords found;
  if (key.empty()) return found;
  for (option_list::option& o : options) {
    if (!matches_key(o, key)) continue;
    if (found.first == nullptr) found.first = &o;
    if (origin == Origin::kCommandLine || o.uri_settable) {
      found.assignable = &o;
      break;
    }
  }
  return found;
}

}  // namespace client_common::internal

#endif  // OPTION_LIST_KEY_LOOKUP_H_
