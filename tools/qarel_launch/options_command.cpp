// qarel-launch options: the standard options, or those of a client's table
// file, with their defaults; or written as a table file.
#include <cstdio>

#include "commands.h"
#include "json_output.h"
#include "masking.h"
#include "output.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
int run(const Args& args) {
  std::string table;
  bool as_table = false, json = false;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--as-table" && !as_table && !json) {
      as_table = true;
    } else if (*arg == "--json" && !as_table && !json) {
      json = true;
    } else if (table.empty() && option_name(*arg) == "--table") {
      table = option_value(arg, args.end());
      if (table.empty()) {
        return refuse(kOptionsCommand,
                      "--table needs a FILE (--as-table writes one)");
      }
    } else {
      return refuse(kOptionsCommand,
                    "unexpected argument '" + shown(*arg) + "'");
    }
  }
  option_list opts = standard_options();
  if (!table.empty() && !load_table_file(table, opts)) return kExitMalformed;
  if (as_table) {
    write_table(opts, stdout);
  } else if (json) {
    std::string document;
    append_table_json(document, opts);
    say(stdout, document + "\n");
  } else {
    print_defaults(opts);
  }
  return kExitOk;
}
}  // namespace

const Command kOptionsCommand = {
    "options", "[--table FILE] [--as-table | --json]",
    "Print the standard options, or a client's, with their defaults.",
    "    --table FILE        the client's option table in FILE\n"
    "    --as-table          write the options as a table file\n"
    "    --json              write them as one JSON document\n",
    run};
