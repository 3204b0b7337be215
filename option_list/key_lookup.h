// Internal: how the table finds records. Assignments and key tests match the
// short or the long key; reads match the long key only. First match wins.
#ifndef OPTION_LIST_KEY_LOOKUP_H_
#define OPTION_LIST_KEY_LOOKUP_H_

#include <algorithm>
#include <list>
#include <string>

#include "option_list/option_list.h"
#include "safe_str/equal_ignoring_case.h"

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

#endif  // OPTION_LIST_KEY_LOOKUP_H_
