// The launch arguments read with the library's observed parse, and what
// each did, worded from the events it tells: the option set, the key left
// waiting or filled, or why one was refused. `parse` reads every launch
// this way, and `parse --explain` also prints the words.
#ifndef TOOLS_QAREL_LAUNCH_EXPLAIN_H_
#define TOOLS_QAREL_LAUNCH_EXPLAIN_H_

#include <option_list/option_list.h>

#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"

struct Reading {
  bool malformed = false;  // what arg_to_params returns
  // The events add up to what the parse did: replayed on the table as it
  // was, they give the same options set, rejection records and malformed
  // flag, and they tell of every argument.
  bool agrees = true;
  std::string rejected;            // rejected_params, masked and escaped
  std::vector<std::string> notes;  // ignored URIs, a key left waiting
  // Each argument as the tool shows it, one per argument (else the
  // self-check fails).
  std::vector<std::string> shown;
};

// The record that get("logfile") reads: where the client writes its event
// log. Null when the table has none.
const option_list::option* logfile_record(const option_list& table);

// Parses `args` into `table` as arg_to_params does. With `out`, writes one
// line per argument, and per part of a launch URI, to it.
Reading read_arguments(const Args& args, option_list& table, std::FILE* out);

#endif  // TOOLS_QAREL_LAUNCH_EXPLAIN_H_
