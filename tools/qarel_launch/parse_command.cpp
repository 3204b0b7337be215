// qarel-launch parse: launch arguments read into the standard table, or a
// client's own, as a client reads them, but acting on nothing: the event log
// the arguments name is only reported, unless --open-log names a folder.
#include <client_common/client_common.h>
#include <fcntl.h>
#include <logging/logging.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "commands.h"
#include "event_log_file.h"
#include "explain.h"
#include "masking.h"
#include "output.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
constexpr char kDefaultLogName[] = "qarel-launch.log";

struct ParseOptions {
  bool explain = false;
  std::string table;    // empty: the standard table
  std::string log_dir;  // empty: write no event log
  int log_folder = -1;  // log_dir, open: only ever reached through this
  Args launch;

  ParseOptions() = default;
  ParseOptions(const ParseOptions&) = delete;
  ParseOptions& operator=(const ParseOptions&) = delete;
  ~ParseOptions() {
    if (log_folder >= 0) close(log_folder);
  }
};

// The tool's own options, "--table FILE" or "--table=FILE" alike, then the
// launch arguments. An empty string when they are sound, else what is
// wrong.
std::string read_options(const Args& args, ParseOptions& p) {
  auto arg = args.begin();
  for (; arg != args.end(); ++arg) {
    if (*arg == "--") {
      ++arg;
      break;
    }
    if (*arg == "--explain") {
      p.explain = true;
      continue;
    }
    const std::string option = arg->substr(0, arg->find('='));
    std::string* value = option == "--table"      ? &p.table
                         : option == "--open-log" ? &p.log_dir
                                                  : nullptr;
    if (value == nullptr) break;
    const char* what = value == &p.table ? "FILE" : "DIR";
    if (!value->empty()) return option + " is given twice";
    if (option.size() < arg->size()) {
      *value = arg->substr(option.size() + 1);
    } else if (arg + 1 != args.end()) {
      *value = *++arg;
    }
    if (value->empty()) return option + " needs a " + what;
  }
  p.launch.assign(arg, args.end());
  if (p.log_dir.empty()) return "";
  p.log_folder =
      open(p.log_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
  if (p.log_folder < 0) {
    return "--open-log " + shown(p.log_dir) + ": " +
           (errno == ENOENT || errno == ENOTDIR ? "not a folder"
                                                : std::strerror(errno));
  }
  if (faccessat(p.log_folder, ".", W_OK, 0) != 0)
    return "--open-log " + shown(p.log_dir) + ": not writable";
  return "";
}

// A launch argument that is one of the tool's options, but for its letter
// case or for coming after the first launch argument, is read as a launch
// argument, as it stands; a note says so, showing it as the reading does
// (masked where it carries a masked value).
void note_lookalikes(const Args& launch, const Reading& reading) {
  for (std::size_t i = 0; i < launch.size(); ++i) {
    const std::string option = launch[i].substr(0, launch[i].find('='));
    for (const char* own : {"--explain", "--table", "--open-log"}) {
      if (!case_comp(option, own)) continue;
      say(stderr, "%s: note: \"%s\" is read as a launch argument; %s%s\n",
          kName, i < reading.shown.size() ? reading.shown[i].c_str() : kMask,
          option == own ? "the options of parse come before the first one"
                        : "the option of parse is ",
          option == own ? "" : own);
    }
  }
}

// The file name --open-log writes: "logfile" when it is set, shown and a
// plain file name (as log_path_in takes one), the tool's own name when it is
// unset or masked. Empty when "logfile" names anything else: a path, "." or
// "..", a name with bytes the tool would escape, or one that begins with
// "." (a hidden file, such as a shell's start-up file) or "-" (an option to
// the next tool that reads the name).
std::string log_name(const option_list::option* o) {
  if (o == nullptr || !o->is_set || !o->show_value) return kDefaultLogName;
  const bool shadows =
      !o->value.empty() && (o->value[0] == '.' || o->value[0] == '-');
  return shadows || log_path_in(".", o->value).empty() ? "" : o->value;
}

// Where the client would write its event log, and what the tool wrote:
// said when "logfile" is set or --open-log was given.
void report_event_log(const option_list::option* logfile,
                      const std::string& written, bool asked) {
  const bool set = logfile != nullptr && logfile->is_set;
  if (!set && !asked) return;
  std::string line = "\nEvent log: ";
  line += !set ? "no logfile is set"
               : "the client would write \"" +
                     (logfile->show_value ? shown(logfile->value) : kMask) +
                     "\"";
  line += !written.empty() ? "; qarel-launch wrote \"" + shown(written) + "\""
          : asked          ? "; qarel-launch could not write it"
                           : "; qarel-launch wrote nothing (--open-log DIR "
                             "writes it into DIR)";
  say(stdout, "%s.\n", line.c_str());
}

int run(const Args& args) {
  ParseOptions p;
  const std::string wrong = read_options(args, p);
  if (!wrong.empty()) return refuse(kParseCommand, wrong);
  option_list opts = standard_options();
  if (!p.table.empty() && !load_table_file(p.table, opts))
    return kExitMalformed;
  const Reading reading =
      read_arguments(p.launch, opts, p.explain ? stdout : nullptr);
  note_lookalikes(p.launch, reading);
  print_options_set(opts);
  if (!reading.rejected.empty())
    say(stdout, "\nRejected: %s\n", reading.rejected.c_str());
  if (reading.malformed) say(stdout, "\nA launch URI is malformed.\n");

  const option_list::option* logfile = logfile_record(opts);
  std::string written;
  int status = kExitOk;
  if (!p.log_dir.empty()) {
    const std::string name = log_name(logfile);
    const std::string problem =
        name.empty() ? "\"logfile\" names no plain file name, or one that "
                       "begins with \".\" or \"-\"; nothing written"
                     : write_event_log_file(opts, p.log_folder, name);
    if (problem.empty()) {
      written = p.log_dir + "/" + name;
    } else {
      say(stderr, "%s: parse: --open-log %s: %s%s\n", kName,
          shown(p.log_dir).c_str(),
          name.empty() ? "" : (shown(name) + ": ").c_str(), problem.c_str());
      status = kExitMalformed;
    }
  }
  report_event_log(logfile, written, !p.log_dir.empty());
  for (const std::string& note : reading.notes)
    say(stderr, "%s: note: %s\n", kName, note.c_str());

  if (!reading.agrees) {
    say(stderr, "%s: the explanation disagrees with the parse\n", kName);
    return kExitBug;
  }
  if (status != kExitOk) return status;
  if (reading.malformed) return kExitMalformed;
  return reading.rejected.empty() ? kExitOk : kExitRejected;
}
}  // namespace

const Command kParseCommand = {
    "parse", "[--table FILE] [--explain] [--open-log DIR] [--] ARG...",
    "Read launch arguments as a client does, without acting on them.",
    "    --table FILE        use the client's option table in FILE (TABLE\n"
    "                        FILE in qarel-launch(1)), not the standard one\n"
    "    --explain           say what each argument, and each part of a\n"
    "                        launch URI, did and why\n"
    "    --open-log DIR      write the event log as the client would, but\n"
    "                        as a new file directly in DIR, named as\n"
    "                        \"logfile\" names it (else qarel-launch.log);\n"
    "                        without it, no file is opened or written\n"
    "    --                  the arguments after it are launch arguments\n",
    run};
