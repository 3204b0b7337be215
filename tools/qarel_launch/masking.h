// What qarel-launch shows of launch arguments. The value of an option
// registered as masked reads ******** wherever the tool would show it, as
// in the library's own reports; keys are shown as given.
#ifndef TOOLS_QAREL_LAUNCH_MASKING_H_
#define TOOLS_QAREL_LAUNCH_MASKING_H_

#include <option_list/option_list.h>

#include <string>

inline constexpr char kMask[] = "********";

// Whether some record with this short or long key, in any letter case, is
// masked. Any record, not only the first: a launch URI may set a later one.
bool is_masked_key(const option_list& table, const std::string& key);

// "key=value" after any leading dashes, with the value masked when the key
// is. Also shows a rejected key, which holds the value of a switch given one.
std::string shown_assignment(const option_list& table, const std::string& text);

// A URI's host and port, masked when "address" or "port" is.
std::string shown_authority(const option_list& table, const std::string& text);

// A launch URI with its authority and each parameter shown as above.
std::string shown_uri(const option_list& table, const std::string& uri);

// A record's value as an explanation shows it: "to True" for a switch set,
// else "= \"value\"", or "= ********" when the record is masked.
std::string shown_value(const option_list::option& record);

#endif  // TOOLS_QAREL_LAUNCH_MASKING_H_
