// The launch arguments read one at a time with the library, and what each
// did: the option it set, the key it left waiting or filled, or why it was
// refused. `parse` reads every launch this way, and `parse --explain` also
// prints what it read.
#ifndef TOOLS_QAREL_LAUNCH_EXPLAIN_H_
#define TOOLS_QAREL_LAUNCH_EXPLAIN_H_

#include <option_list/option_list.h>

#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"

struct Reading {
  bool malformed = false;  // what arg_to_params returns
  // The steps add up to one arg_to_params call over the whole vector on a
  // copy of the table: the same options set, rejection records and
  // malformed flag; and each launch URI's parts add up to the URI.
  bool agrees = true;
  std::string rejected;            // rejected_params with masked values hidden
  std::vector<std::string> notes;  // ignored URIs, a key left waiting
};

// The record that get("logfile") reads: where the client writes its event
// log. Null when the table has none.
const option_list::option* logfile_record(const option_list& table);

// Parses `args` into `table` as arg_to_params does. With `out`, writes one
// line per argument, and per part of a launch URI, to it.
Reading read_arguments(const Args& args, option_list& table, std::FILE* out);

#endif  // TOOLS_QAREL_LAUNCH_EXPLAIN_H_
