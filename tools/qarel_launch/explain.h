// The launch arguments read with the library's observed parse, and what
// each did, worded from the events it tells: the option set, the key left
// waiting or filled, or why one was refused. `parse` reads every launch
// this way, and `parse --explain` also prints the words.
#ifndef TOOLS_QAREL_LAUNCH_EXPLAIN_H_
#define TOOLS_QAREL_LAUNCH_EXPLAIN_H_

#include <client_common/client_common.h>
#include <option_list/option_list.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"

// One event of the parse as the tool shows it.
struct ShownEvent {
  std::size_t index = 0;  // of the argument
  client_common::ArgumentSource source{};
  client_common::ArgumentOutcome outcome{};
  const char* reason = nullptr;  // why it was refused, in words
  const char* fault = nullptr;   // what it made malformed, in words
  // The key as the table looked it up: escaped, its value masked where the
  // key is, or ******** when the token carries a masked value alone.
  std::string key;
  const option_list::option* option = nullptr;  // set, filled or waiting
  std::optional<std::string> value;  // stored: "True", escaped or masked
};

struct Reading {
  bool malformed = false;  // what arg_to_params returns
  bool key_waits = false;  // a key is left waiting for its value
  // The events add up to what the parse did: replayed on the table as it
  // was, they give the same options set, rejection records and malformed
  // flag, and they tell of every argument.
  bool agrees = true;
  // rejected_params, masked and escaped: one rejection record each
  std::vector<std::string> rejected;
  std::vector<std::string> notes;  // ignored URIs, a key left waiting
  // Each argument as the tool shows it, one per argument (else the
  // self-check fails).
  std::vector<std::string> shown;
  std::vector<ShownEvent> events;  // when asked for
};

// Clears the deprecated flags of `table`, so that reading a launch into it
// neither prints nor logs the library's "Deprecated Parameter" line, which
// would land amid check's lines or the JSON. Returns the flags, by record.
std::vector<bool> take_deprecation(option_list& table);

// Adds that line to the notes of `reading`, once for each event that
// assigned a record which `deprecated` flags. Needs the events.
void note_deprecation(const option_list& table,
                      const std::vector<bool>& deprecated, Reading& reading);

// The rejection records, as rejected_params joins them.
std::string joined(const std::vector<std::string>& records);

// The record that get("logfile") reads: where the client writes its event
// log. Null when the table has none.
const option_list::option* logfile_record(const option_list& table);

// Its value when it is set: escaped, or masked.
std::optional<std::string> shown_logfile(const option_list& table);

// The exit status of a launch so read: kExitMalformed, kExitRejected or
// kExitOk.
int launch_status(const Reading& reading);

// Parses `args` into `table` as arg_to_params does. With `out`, writes one
// line per argument, and per part of a launch URI, to it; with
// `tell_events`, keeps every event in Reading::events.
Reading read_arguments(const Args& args, option_list& table, std::FILE* out,
                       bool tell_events = false);

#endif  // TOOLS_QAREL_LAUNCH_EXPLAIN_H_
