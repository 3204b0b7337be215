// qarel-launch's command line: the command named first, its usage texts
// and the exit statuses, as --help prints them.
#include <version/version.h>

#include <cstdio>

#include "commands.h"
#include "output.h"

namespace {
const Command* const kCommands[] = {&kParseCommand,   &kCheckCommand,
                                    &kComposeCommand, &kResolveCommand,
                                    &kVersionCommand, &kOptionsCommand};

constexpr char kExitStatus[] =
    "Exit status:\n"
    "  0  success\n"
    "  1  some argument was rejected (for check, some line was refused),\n"
    "     or a host was not found\n"
    "  2  a launch URI is malformed (for check, some line is malformed or\n"
    "     unreadable), or what qarel-launch was given is wrong: the command\n"
    "     line, a table file, a compose input, the folder of --open-log, or\n"
    "     the event log it would write there, or the file check reads\n"
    "  3  a self-check failed, which is a bug: --explain disagrees with\n"
    "     the parse, or a composed link does not read back as given\n"
    "  4  standard output or standard error is closed, or writing to it\n"
    "     failed\n"
    "\n"
    "A launch URI ignored for lack of \"//\", and a key left waiting for its\n"
    "value at the end, are noted on standard error; the status stays.\n";

const Command* find_command(const std::string& name) {
  for (const Command* c : kCommands)
    if (name == c->name) return c;
  return nullptr;
}

// "name synopsis", or the name alone.
std::string usage(const Command& c) {
  return *c.synopsis == '\0' ? c.name : std::string(c.name) + " " + c.synopsis;
}

// The manual page is made from this text and from --version by help2man,
// so it keeps help2man's layout: usage, one line of summary, then sections.
void print_usage() {
  say(stdout,
      "Usage: qarel-launch [COMMAND [ARG...]]\n"
      "Parse and compose the launch arguments of the Quorvane Qarel client.\n"
      "\nCommands:\n");
  for (const Command* c : kCommands)
    say(stdout, "  %s\n%24s%s\n%s", usage(*c).c_str(), "", c->summary,
        c->details);
  say(stdout,
      "\n'qarel-launch COMMAND --help' prints the usage of COMMAND. Without\n"
      "a command, qarel-launch composes an example launch and reads it back.\n"
      "\nOptions:\n"
      "  -h, --help              print this help and exit\n"
      "  --version               print the version and exit\n\n%s",
      kExitStatus);
}

void print_usage(const Command& c) {
  say(stdout, "Usage: qarel-launch %s\n%s\n", usage(c).c_str(), c.summary);
  if (*c.details != '\0') say(stdout, "\nArguments:\n%s", c.details);
  say(stdout, "\n%s", kExitStatus);
}

bool is_help(const std::string& arg) { return arg == "--help" || arg == "-h"; }
}  // namespace

std::string option_name(const std::string& arg) {
  return arg.substr(0, arg.find('='));
}

std::string option_value(Args::const_iterator& arg, Args::const_iterator end) {
  const std::size_t equals = arg->find('=');
  if (equals != std::string::npos) return arg->substr(equals + 1);
  return arg + 1 != end ? *++arg : "";
}

int refuse(const Command& command, const std::string& what) {
  say(stderr, "%s: %s: %s\n", kName, command.name, what.c_str());
  return kExitMalformed;
}

int run_command_line(const Args& command_line) {
  if (command_line.empty()) return example_command();
  const std::string& name = command_line.front();
  const Args args(command_line.begin() + 1, command_line.end());
  if (const Command* command = find_command(name)) {
    if (!args.empty() && is_help(args.front())) {
      print_usage(*command);
      return kExitOk;
    }
    return command->run(args);
  }
  const bool help = is_help(name) || name == "help";
  if (name == "--version" && args.empty()) {
    say(stdout, "qarel-launch %s\n",
        quor_version_get_external_product_version());
    return kExitOk;
  }
  if (help && args.empty()) {
    print_usage();
    return kExitOk;
  }
  const Command* asked = find_command(args.empty() ? "" : args.front());
  if (name == "help" && args.size() == 1 && asked != nullptr) {
    print_usage(*asked);
    return kExitOk;
  }
  if (name == "help" && args.size() == 1) {
    say(stderr, "%s: help: unknown command '%s'\n", kName,
        shown(args.front()).c_str());
  } else if (help || name == "--version") {
    say(stderr, "%s: %s: unexpected argument '%s'\n", kName, name.c_str(),
        shown(args.back()).c_str());
  } else {
    say(stderr, "%s: unknown %s '%s'; 'qarel-launch --help' lists them\n",
        kName, name[0] == '-' ? "option" : "command", shown(name).c_str());
  }
  return kExitMalformed;
}
