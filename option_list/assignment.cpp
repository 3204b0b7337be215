// Assigning option values: the only way a value enters the table after
// registration.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "logging/logging.h"
#include "option_list/ignore_value.h"
#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

using client_common::internal::first_match;
using client_common::internal::IGNORE_VALUE;
using client_common::internal::malformed_key;
using client_common::internal::matches_key;

namespace {
bool reject(std::string& rejected_params, const std::string& key,
            bool from_uri) {
  rejected_params += from_uri ? "URI_opt:'" : "CL_param:'";
  rejected_params += key;
  rejected_params += "' ";
  return false;
}

// The first record matching `key` that may be assigned from this origin.
option_list::option* assignable(std::list<option_list::option>& options,
                                const std::string& key, bool from_uri) {
  const auto found = std::find_if(
      options.begin(), options.end(), [&](const option_list::option& o) {
        return (!from_uri || o.uri_settable) && matches_key(o, key);
      });
  return found == options.end() ? nullptr : &*found;
}

void assign(option_list::option& record, std::string value,
            bool warn_deprecated) {
  record.value = std::move(value);
  record.is_set = true;
  if (!warn_deprecated || !record.deprecated) return;
  log(LEVEL_CRITICAL,
      "Deprecated Parameter '" + record.long_key + "' (" + record.short_key +
          ") used",
      -501);
  std::printf("Deprecated Parameter '%s' (%s) used.\n", record.long_key.c_str(),
              record.short_key.c_str());
}
}  // namespace

bool option_list::set(std::string key, std::string value, bool from_uri,
                      bool warn_deprecated) {
  if (malformed_key(key) || value == IGNORE_VALUE)
    return reject(rejected_params, key, from_uri);
  option* record = assignable(options, key, from_uri);
  if (record == nullptr) return reject(rejected_params, key, from_uri);
  assign(*record, std::move(value), warn_deprecated);
  return true;
}

bool option_list::set_true(std::string key, bool from_uri,
                           bool warn_deprecated) {
  // The switch test reads the first match; the assignment takes the first
  // match allowed from this origin, which may be a later duplicate.
  option* first = first_match(options, key);
  if (first == nullptr || !first->is_bool)
    return reject(rejected_params, key, from_uri);
  option* record = from_uri ? assignable(options, key, from_uri) : first;
  if (record == nullptr) return reject(rejected_params, key, from_uri);
  assign(*record, "True", warn_deprecated);
  return true;
}

bool option_list::is_boolean(std::string key) {
  const option* first = first_match(options, key);
  return first != nullptr && first->is_bool;
}
