// The assignment members, and the rarely taken parts of the assignment rules
// in key_lookup.h: the rejection record and the deprecation warning.
#include <cstdio>

#include "logging/logging.h"
#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

using client_common::internal::find_key;

namespace client_common::internal {

bool record_rejection(option_list& table, std::string_view key, bool from_uri) {
  table.rejected_params += from_uri ? "URI_opt:'" : "CL_param:'";
  table.rejected_params += key;
  table.rejected_params += "' ";
  return false;
}

void warn_deprecated_use(const option_list::option& record) {
  log(LEVEL_CRITICAL,
      "Deprecated Parameter '" + record.long_key + "' (" + record.short_key +
          ") used",
      -501);
  std::printf("Deprecated Parameter '%s' (%s) used.\n", record.long_key.c_str(),
              record.short_key.c_str());
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
