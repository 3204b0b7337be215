/// \file
/// option_list::add with its four flags named, for tables written by hand:
/// `add_option(t, "l", "log-level", "info", "Log level", kFromUri)` rather
/// than `t.add("l", "log-level", false, "info", "Log level", true, false,
/// true)`. Inline: nothing here is exported.
#ifndef OPTION_LIST_OPTION_FLAGS_H_
#define OPTION_LIST_OPTION_FLAGS_H_

#include <string>
#include <string_view>

#include "option_list/option_list.h"

namespace client_common {

/// The flags of an option, to be joined with "|"; none: a valued option,
/// shown in reports, current, set from the command line only.
enum OptionFlags : unsigned {
  kValued = 0,            ///< no flag
  kSwitch = 1u << 0,      ///< set to "True" by its key alone
  kMasked = 1u << 1,      ///< reports print ******** for its value
  kDeprecated = 1u << 2,  ///< assigning it warns
  kFromUri = 1u << 3,     ///< a launch URI may set it
};

/// Registers an option as option_list::add does.
/// \param table the table that gets the record
/// \param short_key the short key, or empty
/// \param long_key the long key
/// \param default_value the value before any assignment
/// \param description the help text
/// \param flags OptionFlags joined with "|"
// Always inlined: a table of literals then builds each string as add() from
// literals would, its length known; out of line, the standard table cost
// each launch 1,800 instructions more.
[[gnu::always_inline]] inline void add_option(option_list& table,
                                              std::string_view short_key,
                                              std::string_view long_key,
                                              std::string_view default_value,
                                              std::string_view description,
                                              unsigned flags) {
  table.add(std::string(short_key), std::string(long_key),
            (flags & kSwitch) != 0, std::string(default_value),
            std::string(description), (flags & kMasked) == 0,
            (flags & kDeprecated) != 0, (flags & kFromUri) != 0);
}

}  // namespace client_common

#endif  // OPTION_LIST_OPTION_FLAGS_H_
