// Internal: the key rules and how the table finds records. Assignments and
// key tests match the short or the long key; reads match the long key only.
// First match wins. Free functions over const references, so the members,
// which take their strings by value, need not copy them again.
#ifndef OPTION_LIST_KEY_LOOKUP_H_
#define OPTION_LIST_KEY_LOOKUP_H_

#include <algorithm>
#include <list>
#include <string>

#include "option_list/option_list.h"
#include "safe_str/char_classes.h"
#include "safe_str/equal_ignoring_case.h"

namespace client_common::internal {

// Empty, not starting with an ASCII letter, or holding anything but ASCII
// letters, digits, "_" and "-" (bytes above 127 are in no class).
inline bool malformed_key(const std::string& key) {
  if (key.empty() || !contains(kLetters, key[0])) return true;
  return std::any_of(key.begin() + 1, key.end(), [](char c) {
    return !contains(kLetters, c) && !contains(kKeyTail, c);
  });
}

inline bool matches_key(const option_list::option& record,
                        const std::string& key) {
  return equal_ignoring_case(record.short_key, key) ||
         equal_ignoring_case(record.long_key, key);
}

// The first record whose long key equals `key` ignoring case, or null.
inline const option_list::option* find_long_key(
    const std::list<option_list::option>& options, const std::string& key) {
  const auto found = std::find_if(options.begin(), options.end(),
                                  [&](const option_list::option& o) {
                                    return equal_ignoring_case(o.long_key, key);
                                  });
  return found == options.end() ? nullptr : &*found;
}

// The first record matching `key` by its short or long key, or null.
inline option_list::option* first_match(std::list<option_list::option>& options,
                                        const std::string& key) {
  const auto found = std::find_if(
      options.begin(), options.end(),
      [&](const option_list::option& o) { return matches_key(o, key); });
  return found == options.end() ? nullptr : &*found;
}

}  // namespace client_common::internal

#endif  // OPTION_LIST_KEY_LOOKUP_H_
