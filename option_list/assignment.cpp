// Assigning option values: the only way a value enters the table after
// registration.
#include <cstdio>
#include <utility>

#include "logging/logging.h"
#include "option_list/ignore_value.h"
#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

using client_common::internal::find_key;
using client_common::internal::IGNORE_VALUE;
using client_common::internal::KeyRecords;
using client_common::internal::malformed_key;

namespace {
bool reject(std::string& rejected_params, std::string_view key, bool from_uri) {
  rejected_params += from_uri ? "URI_opt:'" : "CL_param:'";
  rejected_params += key;
  rejected_params += "' ";
  return false;
}

// Out of line, so that the common assignment needs no stack frame for it.
[[gnu::noinline, gnu::cold]] void warn_deprecated_use(
    const option_list::option& record) {
  log(LEVEL_CRITICAL,
      "Deprecated Parameter '" + record.long_key + "' (" + record.short_key +
          ") used",
      -501);
  std::printf("Deprecated Parameter '%s' (%s) used.\n", record.long_key.c_str(),
              record.short_key.c_str());
}

void assign(option_list::option& record, std::string&& value,
            bool warn_deprecated) {
  record.value = std::move(value);
  record.is_set = true;
  if (warn_deprecated && record.deprecated) warn_deprecated_use(record);
}
}  // namespace

namespace client_common::internal {

bool assign_value(option_list& table, std::string_view key, std::string&& value,
                  bool from_uri, bool warn_deprecated,
                  const KeyRecords& found) {
  if (malformed_key(key) || value == IGNORE_VALUE ||
      found.assignable == nullptr)
    return reject(table.rejected_params, key, from_uri);
  assign(*found.assignable, std::move(value), warn_deprecated);
  return true;
}

// The switch test reads the first match; the assignment takes the first match
// allowed from this origin, which may be a later duplicate.
bool assign_true(option_list& table, std::string_view key, bool from_uri,
                 bool warn_deprecated, const KeyRecords& found) {
  if (!found.is_switch() || found.assignable == nullptr)
    return reject(table.rejected_params, key, from_uri);
  assign(*found.assignable, "True", warn_deprecated);
  return true;
}

}  // namespace client_common::internal

bool option_list::set(std::string key, std::string value, bool from_uri,
                      bool warn_deprecated) {
  return client_common::internal::assign_value(
      *this, key, std::move(value), from_uri, warn_deprecated,
      find_key(options, key, from_uri));
}

bool option_list::set_true(std::string key, bool from_uri,
                           bool warn_deprecated) {
  return client_common::internal::assign_true(
      *this, key, from_uri, warn_deprecated, find_key(options, key, from_uri));
}

bool option_list::is_boolean(std::string key) {
  return find_key(options, key, false).is_switch();
}
