// A client's option table as text, one option per line:
//
//   short|long|kind|default|flags|description
//
// kind is "switch" or "valued"; flags is "-" or a comma-separated list of
// "uri" (may be set from a launch URI), "masked" (reports print ********
// for the value) and "deprecated". The short key is empty or one letter;
// the long key is a letter, then letters, digits, "_" or "-"; no key stands
// twice, short or long, in any letter case; a switch's default is empty,
// True or False. The description is the rest of the line and may hold "|".
// Blank lines and lines starting with "#" are skipped. The file is a regular
// file of at most 1 MiB with at least one option.
#ifndef TOOLS_QAREL_LAUNCH_TABLE_FILE_H_
#define TOOLS_QAREL_LAUNCH_TABLE_FILE_H_

#include <option_list/option_list.h>

#include <cstdio>
#include <string>

// Replaces `table` with the options of the file at `path`. On a file that
// breaks a rule above, returns false after a line on standard error for
// the file, or for each line that breaks one, naming the file, the line
// and what is wrong.
bool load_table_file(const std::string& path, option_list& table);

// Writes `table` in the same format, after a comment naming the fields,
// escaped as the tool prints text from outside; a masked option's default,
// unless empty, is written as ********.
void write_table(const option_list& table, std::FILE* out);

#endif  // TOOLS_QAREL_LAUNCH_TABLE_FILE_H_
