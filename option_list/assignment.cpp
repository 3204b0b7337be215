// The assignment members, and the rarely taken parts of the assignment
// rules. The rules themselves are in assignment_rules.h, where set and
// set_true below, and the launch-argument parser
// (client_common/launch_arguments.cpp), all reach them.
#include <cstdio>

#include "logging/logging.h"
#include "option_list/assignment_rules.h"
#include "option_list/option_list.h"
#include "text_escape/text_escape.h"

using text_escape::escaped;
using text_escape::Source;

namespace client_common::internal {

bool record_rejection(option_list& table, std::string_view key, Origin origin) {
  table.rejected_params += origin == Origin::kLaunchUri
                               ? kRejectedFromLaunchUri
                               : kRejectedFromCommandLine;
  table.rejected_params += key;
  table.rejected_params += kRejectionEnd;
  return false;
}

void warn_deprecated_use(const option_list::option& record) {
  log(LEVEL_CRITICAL,
      "Deprecated Parameter '" + record.long_key + "' (" + record.short_key +
          ") used",
      -501);
  std::printf("Deprecated Parameter '%s' (%s) used.\n",
              escaped(record.long_key, Source::kOutside).c_str(),
              escaped(record.short_key, Source::kOutside).c_str());
}

}  // namespace client_common::internal

namespace {
using client_common::internal::Assignment;
using client_common::internal::find_key;
using client_common::internal::Origin;

Assignment assignment(bool from_uri, bool warn_deprecated) {
  return {from_uri ? Origin::kLaunchUri : Origin::kCommandLine,
          warn_deprecated};
}
}  // namespace

bool option_list::set(std::string key, std::string value, bool from_uri,
                      bool warn_deprecated) {
  const Assignment how = assignment(from_uri, warn_deprecated);
  return client_common::internal::assign_value(
      *this, key, std::move(value), how, find_key(options, key, how.origin));
}

bool option_list::set_true(std::string key, bool from_uri,
                           bool warn_deprecated) {
  const Assignment how = assignment(from_uri, warn_deprecated);
  return client_common::internal::assign_true(
      *this, key, how, find_key(options, key, how.origin));
}

bool option_list::is_boolean(std::string key) {
  return find_key(options, key, Origin::kCommandLine).is_switch();
}
