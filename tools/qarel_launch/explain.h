// qarel-launch parse --explain: what each argument did, and why.
#ifndef TOOLS_QAREL_LAUNCH_EXPLAIN_H_
#define TOOLS_QAREL_LAUNCH_EXPLAIN_H_

#include <option_list/option_list.h>

#include "commands.h"

// Parses `args` into `table` as arg_to_params does, and prints one line per
// argument, and per part of a launch URI: the option it set, the key it left
// waiting or filled, or why it was refused. Returns what arg_to_params
// returns. Sets `agrees` to whether the explained steps add up to the outcome
// of one arg_to_params call over the whole vector on a copy of the table:
// the same options set, rejection records and malformed flag.
bool explain_arguments(const Args& args, option_list& table, bool& agrees);

#endif  // TOOLS_QAREL_LAUNCH_EXPLAIN_H_
