// qarel-launch options: the standard options, or those of a client's table
// file, with their defaults; or written as a table file.
#include <cstdio>

#include "commands.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
int run(const Args& args) {
  std::string table;
  bool as_table = false;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--as-table" && !as_table) {
      as_table = true;
    } else if (*arg == "--table" && table.empty()) {
      if (arg + 1 == args.end() || arg[1].empty()) {
        return refuse(kOptionsCommand,
                      "--table needs a FILE (--as-table writes one)");
      }
      table = *++arg;
    } else {
      return refuse(kOptionsCommand, "unexpected argument '" + *arg + "'");
    }
  }
  option_list opts = standard_options();
  if (!table.empty() && !load_table_file(table, opts)) return kExitMalformed;
  if (as_table) {
    write_table(opts, stdout);
  } else {
    opts.log_defaults(false, true);
  }
  return kExitOk;
}
}  // namespace

const Command kOptionsCommand = {
    "options", "[--table FILE] [--as-table]",
    "Print the standard options, or a client's, with their defaults.",
    "    --table FILE        the client's option table in FILE\n"
    "    --as-table          write the options as a table file\n",
    run};
