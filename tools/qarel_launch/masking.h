// What qarel-launch shows of launch arguments and tables: the value of an
// option registered as masked reads ******** wherever the tool would show
// it, as in the library's own reports, and everything from outside is
// escaped (output.h).
#ifndef TOOLS_QAREL_LAUNCH_MASKING_H_
#define TOOLS_QAREL_LAUNCH_MASKING_H_

#include <option_list/option_list.h>

#include <string>
#include <string_view>

inline constexpr auto& kMask = client_common::kMaskedValue;

// Whether some record with this short or long key, in any letter case, is
// masked. Any record, not only the first: a launch URI may set a later one.
bool is_masked_key(const option_list& table, std::string_view key);

// "key=value" after any leading dashes, with the value masked when the key
// is. Also shows a rejected key, which holds the value of a switch given one.
std::string shown_assignment(const option_list& table, std::string_view text);

// A value stored in `record` as the tool shows it: "True" for a switch
// set, ******** when the record is masked or `hide` says so, else escaped.
std::string stored_value(const option_list::option& record,
                         std::string_view value, bool hide);

// A value stored in `record` as an explanation shows it: "to True" for a
// switch set, else "= \"value\"", or "= ********" when the record is masked
// or `hide` says so.
std::string shown_value(const option_list::option& record,
                        std::string_view value, bool hide);

// A copy of `table` whose masked options hide their defaults too, unless
// empty (the library's reports mask only values).
option_list masked_table(const option_list& table);

// The library's reports of `table`, made from masked_table(table): the
// options set on standard output, or into the event log; every option
// with its default on standard output. The library escapes what it prints,
// and the core log what it writes.
void print_options_set(const option_list& table);
void log_options_set(const option_list& table);
void print_defaults(const option_list& table);

#endif  // TOOLS_QAREL_LAUNCH_MASKING_H_
