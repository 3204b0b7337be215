// A client's option table as text, one option per line:
//
//   short|long|kind|default|flags|description
//
// kind is "switch" or "valued"; flags is "-" or a comma-separated list of
// "uri" (may be set from a launch URI), "masked" (reports print ********
// for the value) and "deprecated". The description is the rest of the line
// and may hold "|"; the other fields may not, and the long key may not be
// empty. Blank lines and lines starting with "#" are skipped.
#ifndef TOOLS_QAREL_LAUNCH_TABLE_FILE_H_
#define TOOLS_QAREL_LAUNCH_TABLE_FILE_H_

#include <option_list/option_list.h>

#include <cstdio>
#include <string>

// Adds the options of the file at `path` to `table`. On a malformed file,
// returns false with `error` naming the file, the line and what is wrong.
bool read_table_file(const std::string& path, option_list& table,
                     std::string& error);

// Writes `table` in the same format, after a comment naming the fields.
void write_table(const option_list& table, std::FILE* out);

#endif  // TOOLS_QAREL_LAUNCH_TABLE_FILE_H_
