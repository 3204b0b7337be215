// qarel-launch options: the standard options, or those of a client's table
// file, with their defaults; or written as a table file.
#include <cstdio>

#include "commands.h"
#include "masking.h"
#include "output.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
constexpr std::string_view kTableOption = "--table";

int run(const Args& args) {
  std::string table;
  bool as_table = false;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--as-table" && !as_table) {
      as_table = true;
    } else if (arg->substr(0, arg->find('=')) == "--table" && table.empty()) {
      // "--table FILE" or "--table=FILE"
      if (arg->size() > kTableOption.size()) {
        table = arg->substr(kTableOption.size() + 1);
      } else if (arg + 1 != args.end()) {
        table = *++arg;
      }
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
  } else {
    print_defaults(opts);
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
