// qarel-launch parse: launch arguments read into the standard table, or a
// client's own, as a client reads them, but acting on nothing: the event log
// the arguments name is only reported, unless --open-log names a folder.
#include <logging/logging.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "commands.h"
#include "explain.h"
#include "masking.h"
#include "standard_options.h"
#include "table_file.h"

namespace {
constexpr char kDefaultLogName[] = "qarel-launch.log";

struct ParseOptions {
  bool explain = false;
  std::string table;    // empty: the standard table
  std::string log_dir;  // empty: write no event log
  Args launch;
};

// The tool's own options, then the launch arguments. An empty string when
// they are sound, else what is wrong.
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
    std::string* value = *arg == "--table"      ? &p.table
                         : *arg == "--open-log" ? &p.log_dir
                                                : nullptr;
    if (value == nullptr) break;
    const char* what = value == &p.table ? "FILE" : "DIR";
    if (!value->empty()) return *arg + " is given twice";
    if (arg + 1 == args.end() || arg[1].empty())
      return *arg + " needs a " + what;
    *value = *++arg;
  }
  p.launch.assign(arg, args.end());
  if (!p.log_dir.empty() && !std::filesystem::is_directory(p.log_dir))
    return "--open-log " + p.log_dir + ": not a folder";
  if (!p.log_dir.empty() && access(p.log_dir.c_str(), W_OK) != 0)
    return "--open-log " + p.log_dir + ": not writable";
  return "";
}

// Where --open-log writes: the file name of "logfile" in `dir`, or the
// tool's own name when "logfile" is unset, masked or names no file.
std::string log_path(const std::string& dir, const option_list::option* o) {
  std::filesystem::path name;
  if (o != nullptr && o->is_set && o->show_value)
    name = std::filesystem::path(o->value).filename();
  if (name.empty() || name == "." || name == "..") name = kDefaultLogName;
  return (std::filesystem::path(dir) / name).string();
}

// The banner and the report in the event log at `path`, as the client
// writes them; false when it cannot be opened.
bool write_event_log(option_list& opts, const std::string& path) {
  if (open_logfile(path, kName, kName) != 0) return false;
  boost::optional<int> level;
  if (opts.get_log_level(level)) set_log_level(level);
  log_client_version(kName);
  opts.log_options(true, true, false);
  log_close(kName);
  return true;
}

// Where the client would write its event log, and what the tool wrote:
// said when "logfile" is set or --open-log was given.
void report_event_log(const option_list::option* logfile,
                      const std::string& written) {
  const bool set = logfile != nullptr && logfile->is_set;
  if (!set && written.empty()) return;
  std::string line = "\nEvent log: ";
  line += !set ? "no logfile is set"
               : "the client would write \"" +
                     (logfile->show_value ? logfile->value : kMask) + "\"";
  line += written.empty() ? "; qarel-launch wrote nothing (--open-log DIR "
                            "writes it into DIR)"
                          : "; qarel-launch wrote \"" + written + "\"";
  std::printf("%s.\n", line.c_str());
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
  opts.log_options(true, false, true);
  if (!reading.rejected.empty())
    std::printf("\nRejected: %s\n", reading.rejected.c_str());
  if (reading.malformed) std::printf("\nA launch URI is malformed.\n");
  const option_list::option* logfile = logfile_record(opts);
  const std::string written =
      p.log_dir.empty() ? "" : log_path(p.log_dir, logfile);
  report_event_log(logfile, written);
  for (const std::string& note : reading.notes)
    std::fprintf(stderr, "%s: note: %s\n", kName, note.c_str());

  if (!written.empty() && !write_event_log(opts, written)) {
    std::fprintf(stderr, "%s: cannot open the event log %s\n", kName,
                 written.c_str());
    return kExitMalformed;
  }
  if (!reading.agrees) {
    std::fprintf(stderr, "%s: the explanation disagrees with the parse\n",
                 kName);
    return kExitBug;
  }
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
    "                        into DIR, named as \"logfile\" names it (else\n"
    "                        qarel-launch.log); without it, no file is\n"
    "                        opened or written\n"
    "    --                  the arguments after it are launch arguments\n",
    run};
