// The JSON that parse --json, check --json and options --json write, made
// with nlohmann/json; tools/qarel_launch/qarel-launch.schema.json describes it.
// Every text from outside is in the escape form of the text output
// (output.h), so a NUL, a control byte or invalid UTF-8 reads "\x00" and
// the like: lossless, valid JSON, and as safe on a terminal after `jq -r`
// as the text output is. Masked values read ********. A member that would
// hold nothing (the reason of an event not refused, say) is left out.
#ifndef TOOLS_QAREL_LAUNCH_JSON_OUTPUT_H_
#define TOOLS_QAREL_LAUNCH_JSON_OUTPUT_H_

#include <option_list/option_list.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "explain.h"

// One launch read: what parse --json prints, and each line of check --json
// after its number and verdict.
struct LaunchReport {
  const Reading& reading;
  const option_list& table;  // as the launch left it
  const std::vector<std::string>& notes;
  // The "logfile" the client would write, shown or masked; what the tool
  // wrote. Absent: not set, nothing written.
  std::optional<std::string> logfile, written;
  int status;
};

// Appends the object of `launch`, on one line, to `out`; with a line
// number, it starts with "line" and "verdict".
void append_launch_json(std::string& out, const LaunchReport& launch,
                        std::size_t line = 0, const char* verdict = nullptr);

// Appends a line of check that was not read, and why.
void append_unreadable_json(std::string& out, std::size_t line,
                            const std::string& reason);

// Appends check's last line: how many lines had each verdict, and the
// status.
struct VerdictCount {
  const char* verdict;
  std::size_t lines;
};
void append_summary_json(std::string& out,
                         const std::vector<VerdictCount>& counts, int status);

// Appends the options of `table` with their defaults, masked defaults
// masked.
void append_table_json(std::string& out, const option_list& table);

#endif  // TOOLS_QAREL_LAUNCH_JSON_OUTPUT_H_
