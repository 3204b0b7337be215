// The commands of qarel-launch, their usage texts and exit statuses.
#ifndef TOOLS_QAREL_LAUNCH_COMMANDS_H_
#define TOOLS_QAREL_LAUNCH_COMMANDS_H_

#include <string>
#include <vector>

// Exit statuses, as --help lists them.
constexpr int kExitOk = 0;
constexpr int kExitRejected = 1;  // some input was refused, or not found
// A launch URI is malformed, or what the tool was given is wrong: a command
// line, a table file, a compose input, a folder for the event log.
constexpr int kExitMalformed = 2;
constexpr int kExitBug = 3;  // a self-check of the tool failed
// Standard output or standard error was closed, or a write to it failed.
constexpr int kExitOutput = 4;

constexpr char kName[] = "qarel-launch";

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* synopsis;  // after "qarel-launch "
  const char* summary;   // one line
  const char* details;   // its options and notes, indented, or ""
  int (*run)(const Args& args);
};

extern const Command kParseCommand;
extern const Command kComposeCommand;
extern const Command kResolveCommand;
extern const Command kVersionCommand;
extern const Command kOptionsCommand;
extern const Command kCheckCommand;

// The option that `arg` names: all of it, or what stands before its "=".
std::string option_name(const std::string& arg);

// The value of the option at `*arg`, given as "--name=VALUE" or as
// "--name VALUE" (then `arg` moves on to VALUE); empty when none is given.
std::string option_value(Args::const_iterator& arg, Args::const_iterator end);

// One line on standard error, "qarel-launch: <command>: <what>"; returns
// kExitMalformed, the status of a wrong command line.
int refuse(const Command& command, const std::string& what);

// The command line after the program's name: the command it names, run,
// or the usage; returns the exit status.
int run_command_line(const Args& command_line);

// qarel-launch without arguments: an example launch composed and read back.
int example_command();

#endif  // TOOLS_QAREL_LAUNCH_COMMANDS_H_
