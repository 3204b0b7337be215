// The subcommands of qarel-launch. Each returns the process exit status.
#ifndef TOOLS_QAREL_LAUNCH_COMMANDS_H_
#define TOOLS_QAREL_LAUNCH_COMMANDS_H_

#include <cstdio>
#include <string>
#include <vector>

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitRejected = 1;   // some input was refused, or not found
constexpr int kExitMalformed = 2;  // a launch URI was malformed; bad usage
constexpr int kExitDisagrees = 3;  // --explain disagrees with the parse: a bug

using Args = std::vector<std::string>;

int parse_command(const Args& args);
int compose_command(const Args& args);
int resolve_command(const Args& args);
int version_command();
int example_command();
void print_usage(std::FILE* out);

#endif  // TOOLS_QAREL_LAUNCH_COMMANDS_H_
