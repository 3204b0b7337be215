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
#include "json_output.h"
#include "masking.h"
#include "output.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
constexpr char kDefaultLogName[] = "qarel-launch.log";

struct ParseOptions {
  bool explain = false;
  bool json = false;
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
    if (*arg == "--explain" || *arg == "--json") {
      (*arg == "--json" ? p.json : p.explain) = true;
      continue;
    }
    const std::string option = option_name(*arg);
    std::string* value = option == "--table"      ? &p.table
                         : option == "--open-log" ? &p.log_dir
                                                  : nullptr;
    if (value == nullptr) break;
    const char* what = value == &p.table ? "FILE" : "DIR";
    if (!value->empty()) return option + " is given twice";
    *value = option_value(arg, args.end());
    if (value->empty()) return option + " needs a " + what;
  }
  p.launch.assign(arg, args.end());
  if (p.json && p.explain)
    return "--json holds what --explain says; give one of them";
  if (p.log_dir.empty()) return "";
  p.log_folder =
      open(p.log_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
  if (p.log_folder < 0) {
    return "--open-log " + shown(p.log_dir) + ": " +
           (errno == ENOENT    ? "no such folder"
            : errno == ENOTDIR ? "not a folder"
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
std::vector<std::string> lookalikes(const Args& launch,
                                    const Reading& reading) {
  std::vector<std::string> notes;
  for (std::size_t i = 0; i < launch.size(); ++i) {
    const std::string option = option_name(launch[i]);
    for (const char* own : {"--explain", "--json", "--table", "--open-log"}) {
      if (!case_comp(option, own)) continue;
      notes.push_back(
          "\"" + (i < reading.shown.size() ? reading.shown[i] : kMask) +
          "\" is read as a launch argument; " +
          (option == own ? "the options of parse come before the first one"
                         : std::string("the option of parse is ") + own));
    }
  }
  return notes;
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
void report_event_log(const std::optional<std::string>& logfile,
                      const std::string& written, bool asked) {
  if (!logfile && !asked) return;
  std::string line = "\nEvent log: ";
  line += !logfile ? "no logfile is set"
                   : "the client would write \"" + *logfile + "\"";
  line += !written.empty() ? "; qarel-launch wrote \"" + shown(written) + "\""
          : asked          ? "; qarel-launch could not write it"
                           : "; qarel-launch wrote nothing (--open-log DIR "
                             "writes it into DIR)";
  say(stdout, "%s.\n", line.c_str());
}

// --open-log: the event log written into the folder; the file written, or
// empty when it could not be (said on standard error).
std::string open_log(const ParseOptions& p, option_list& opts) {
  const std::string name = log_name(logfile_record(opts));
  const std::string problem =
      name.empty() ? "\"logfile\" names no plain file name, or one that "
                     "begins with \".\" or \"-\"; nothing written"
                   : write_event_log_file(opts, p.log_folder, name);
  if (problem.empty()) return p.log_dir + "/" + name;
  say(stderr, "%s: parse: --open-log %s: %s%s\n", kName,
      shown(p.log_dir).c_str(),
      name.empty() ? "" : (shown(name) + ": ").c_str(), problem.c_str());
  return "";
}

int run(const Args& args) {
  ParseOptions p;
  const std::string wrong = read_options(args, p);
  if (!wrong.empty()) return refuse(kParseCommand, wrong);
  option_list opts = standard_options();
  if (!p.table.empty() && !load_table_file(p.table, opts))
    return kExitMalformed;
  const std::vector<bool> deprecated =
      p.json ? take_deprecation(opts) : std::vector<bool>();
  Reading reading =
      read_arguments(p.launch, opts, p.explain ? stdout : nullptr, p.json);
  if (p.json) note_deprecation(opts, deprecated, reading);
  std::vector<std::string> notes = lookalikes(p.launch, reading);
  if (!p.json) {
    for (const std::string& note : notes)
      say(stderr, "%s: note: %s\n", kName, note.c_str());
    print_options_set(opts);
    if (!reading.rejected.empty())
      say(stdout, "\nRejected: %s\n", joined(reading.rejected).c_str());
    if (reading.malformed) say(stdout, "\nA launch URI is malformed.\n");
  }

  const std::string written = p.log_dir.empty() ? "" : open_log(p, opts);
  const bool unwritten = !p.log_dir.empty() && written.empty();
  const int status = !reading.agrees ? kExitBug
                     : unwritten     ? kExitMalformed
                                     : launch_status(reading);
  if (p.json) {
    notes.insert(notes.end(), reading.notes.begin(), reading.notes.end());
    std::string document;
    append_launch_json(
        document,
        {reading, opts, notes, shown_logfile(opts),
         written.empty() ? std::nullopt : std::optional(shown(written)),
         status});
    say(stdout, document + "\n");
  } else {
    report_event_log(shown_logfile(opts), written, !p.log_dir.empty());
    for (const std::string& note : reading.notes)
      say(stderr, "%s: note: %s\n", kName, note.c_str());
  }
  if (!reading.agrees)
    say(stderr, "%s: the explanation disagrees with the parse\n", kName);
  return status;
}
}  // namespace

const Command kParseCommand = {
    "parse", "[--table FILE] [--explain | --json] [--open-log DIR] [--] ARG...",
    "Read launch arguments as a client does, without acting on them.",
    "    --table FILE        use the client's option table in FILE (TABLE\n"
    "                        FILE in qarel-launch(1)), not the standard one\n"
    "    --explain           say what each argument, and each part of a\n"
    "                        launch URI, did and why\n"
    "    --json              print all of it as one JSON document\n"
    "                        (qarel-launch(1), JSON)\n"
    "    --open-log DIR      write the event log as the client would, but\n"
    "                        as a new file directly in DIR, named as\n"
    "                        \"logfile\" names it (else qarel-launch.log);\n"
    "                        without it, no file is opened or written\n"
    "    --                  the arguments after it are launch arguments\n",
    run};
