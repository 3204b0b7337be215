// qarel-launch check: a file of launches, one per line, each read into a
// fresh table as a client reads its launch arguments, with a verdict per
// line and a count per verdict last. The file is read as it comes, so a
// file of any size takes the same memory; nothing in it is acted on.
#include <client_common/client_common.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "check_lines.h"
#include "commands.h"
#include "explain.h"
#include "json_output.h"
#include "masking.h"
#include "output.h"
#include "standard_options.h"
#include "table_file.h"

static_assert(kLineLimit == 128 * 1024, "check's usage names the limit");

namespace {
enum Verdict { kAccepted, kRefused, kMalformed, kUnreadable, kVerdicts };
constexpr const char* kVerdictNames[kVerdicts] = {"accepted", "refused",
                                                  "malformed", "unreadable"};

struct CheckOptions {
  bool json = false;
  std::string table;
  std::string file;  // empty or "-": standard input
};

// An empty string when the command line is sound, else what is wrong.
std::string read_options(const Args& args, CheckOptions& c) {
  bool file_given = false;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--json" && !c.json) {
      c.json = true;
    } else if (c.table.empty() && option_name(*arg) == "--table") {
      c.table = option_value(arg, args.end());
      if (c.table.empty()) return "--table needs a FILE";
    } else if (!file_given && (*arg == "-" || arg->rfind('-', 0) != 0)) {
      c.file = *arg;
      file_given = true;
    } else {
      return "unexpected argument '" + shown(*arg) + "'";
    }
  }
  return "";
}

// The library keeps a key that waits for its value across calls, since a
// client's launch arguments may come in more than one; each line here is
// a launch of its own, so a key one left waiting is dropped by a
// launch-URI parameter, which never waits, read into a table of its own.
void drop_waiting_key() {
  option_list none;
  parseArg("", none, true);
}

// What makes a refused or malformed line so, in words, escaped.
std::string reasons(const Reading& reading) {
  std::string text;
  std::size_t record = 0;
  for (const ShownEvent& e : reading.events) {
    if (e.reason != nullptr && record < reading.rejected.size())
      text.append("; ")
          .append(reading.rejected[record++])
          .append(": ")
          .append(e.reason);
    if (e.fault != nullptr) text.append("; ").append(e.fault);
  }
  for (const std::string& note : reading.notes)
    text.append("; note: ").append(note);
  return text;
}

struct Check {
  const CheckOptions& options;
  option_list table;
  const std::vector<bool> deprecated = take_deprecation(table);
  Args args{};
  std::string out{};
  std::size_t counts[kVerdicts] = {};
  bool agrees = true;
};

// The table as it was before any launch: only values, their is_set and
// the rejection records change, and an unset record holds its default.
void reset(option_list& table) {
  for (option_list::option& o : table.options) {
    if (!o.is_set) continue;
    o.value = o.default_value;
    o.is_set = false;
  }
  table.rejected_params.clear();
}

// Reads one line that can be a launch; its verdict.
Verdict read_line(Check& c, std::string_view line, std::size_t number) {
  reset(c.table);
  line_arguments(line, c.args);
  Reading reading = read_arguments(c.args, c.table, nullptr, true);
  note_deprecation(c.table, c.deprecated, reading);
  if (reading.key_waits) drop_waiting_key();
  c.agrees = c.agrees && reading.agrees;
  const int status = launch_status(reading);
  const Verdict verdict = status == kExitMalformed  ? kMalformed
                          : status == kExitRejected ? kRefused
                                                    : kAccepted;
  if (c.options.json) {
    append_launch_json(c.out,
                       {reading, c.table, reading.notes, shown_logfile(c.table),
                        std::nullopt, status},
                       number, kVerdictNames[verdict]);
  } else {
    c.out.append(std::to_string(number))
        .append(": ")
        .append(kVerdictNames[verdict]);
    const std::string why = reasons(reading);
    if (!why.empty()) c.out.append(":").append(why, 1);
  }
  return verdict;
}

void unreadable(Check& c, std::size_t number, const std::string& why) {
  if (c.options.json) {
    append_unreadable_json(c.out, number, why);
  } else {
    c.out.append(std::to_string(number)).append(": unreadable: ").append(why);
  }
}

int run(const Args& args) {
  CheckOptions options;
  const std::string wrong = read_options(args, options);
  if (!wrong.empty()) return refuse(kCheckCommand, wrong);
  option_list table = standard_options();
  if (!options.table.empty() && !load_table_file(options.table, table))
    return kExitMalformed;
  const bool from_stdin = options.file.empty() || options.file == "-";
  const int fd =
      from_stdin ? STDIN_FILENO
                 : open(options.file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    return refuse(kCheckCommand,
                  shown(options.file) + ": " + std::strerror(errno));
  }
  Check c{options, table};
  LineReader reader(fd);
  std::string_view line;
  std::size_t number = 0;
  LineReader::Result result;
  while ((result = reader.next(line)) != LineReader::kEnd &&
         result != LineReader::kError) {
    ++number;
    c.out.clear();
    const char* why =
        result == LineReader::kLine ? unreadable_reason(line) : "";
    if (result == LineReader::kOverlong) {
      unreadable(c, number,
                 "is longer than " + std::to_string(kLineLimit) + " bytes");
      ++c.counts[kUnreadable];
    } else if (*why != '\0') {
      unreadable(c, number, why);
      ++c.counts[kUnreadable];
    } else if (line.empty()) {
      continue;  // no launch, no verdict
    } else {
      ++c.counts[read_line(c, line, number)];
    }
    c.out += '\n';
    say(stdout, c.out);
  }
  if (!from_stdin) close(fd);
  const int status = c.counts[kMalformed] + c.counts[kUnreadable] > 0
                         ? kExitMalformed
                     : c.counts[kRefused] > 0 ? kExitRejected
                                              : kExitOk;
  c.out.clear();
  if (options.json) {
    std::vector<VerdictCount> counts;
    for (int v = 0; v < kVerdicts; ++v)
      counts.push_back({kVerdictNames[v], c.counts[v]});
    append_summary_json(c.out, counts, status);
    c.out += '\n';
  } else {
    c.out = "Summary:";
    for (int v = 0; v < kVerdicts; ++v) {
      c.out.append(v == 0 ? " " : ", ")
          .append(std::to_string(c.counts[v]))
          .append(" ")
          .append(kVerdictNames[v]);
    }
    c.out += ".\n";
  }
  say(stdout, c.out);
  if (result == LineReader::kError) {
    say(stderr, "%s: check: %s: line %zu: %s\n", kName,
        from_stdin ? "standard input" : shown(options.file).c_str(), number + 1,
        std::strerror(reader.errno_value()));
    return kExitMalformed;
  }
  if (!c.agrees) {
    say(stderr, "%s: the explanation disagrees with the parse\n", kName);
    return kExitBug;
  }
  return status;
}
}  // namespace

const Command kCheckCommand = {
    "check", "[--table FILE] [--json] [FILE | -]",
    "Check a file of launch links, one per line, with a verdict for each.",
    "    --table FILE        use the client's option table in FILE\n"
    "    --json              write JSON Lines: one object per line of FILE,\n"
    "                        then the summary (qarel-launch(1), JSON)\n"
    "    FILE                one launch per line: a launch link, or launch\n"
    "                        arguments in compose's quoted form; without\n"
    "                        it, or with -, standard input. Empty lines are\n"
    "                        skipped; a line with a NUL byte, not UTF-8 or\n"
    "                        longer than 128 KiB is unreadable\n",
    run};
