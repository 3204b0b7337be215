// qarel-launch: the client_common library from the command line.
#include <option_list/option_list.h>
#include <version/version.h>

#include <cstdio>
#include <cstring>

#include "commands.h"
#include "standard_options.h"
#include "table_file.h"

// The manual page is made from this text and from --version by help2man, so
// it keeps help2man's layout: usage, one line of summary, then sections.
void print_usage(std::FILE* out) {
  std::fputs(
      "Usage: qarel-launch [COMMAND [ARG...]]\n"
      "Parse and compose the launch arguments of the Quorvane Qarel client.\n"
      "\n"
      "Commands:\n"
      "  parse [--table FILE] [--explain] ARG...\n"
      "                          parse launch arguments (tokens and\n"
      "                          quorvane-qarel: URIs) into the standard\n"
      "                          options, or those of the table in FILE;\n"
      "                          --explain says what each argument and\n"
      "                          each part of a launch URI did, and why\n"
      "  compose KEY=VALUE...    write launch arguments; keys: host port sni\n"
      "                          connect-tag session-id locale logfile\n"
      "                          log-level, and the bare switches windowed\n"
      "                          use-smartcard disable-usb usb-auto-forward\n"
      "  resolve HOST            print the IPv4 and IPv6 addresses of HOST\n"
      "  version                 print the build's version record\n"
      "  options [--table]       print the standard options and defaults;\n"
      "                          --table writes them as a table file:\n"
      "                          short|long|switch or valued|default|\n"
      "                          flags (uri,masked,deprecated or "
      "-)|description\n"
      "\n"
      "Without a command, composes an example launch and parses it back.\n"
      "\n"
      "Options:\n"
      "  -h, --help              print this help and exit\n"
      "  --version               print the version and exit\n"
      "\n"
      "Exit status:\n"
      "  0  success\n"
      "  1  some argument was rejected, or a host was not found\n"
      "  2  a launch URI is malformed, the command line is wrong, or the\n"
      "     table file is (nothing is parsed then)\n"
      "  3  --explain disagrees with the parse, which is a bug\n",
      out);
}

int main(int argc, char** argv) {
  if (argc < 2) return example_command();
  const std::string command = argv[1];
  const Args args(argv + 2, argv + argc);
  if (command == "parse") return parse_command(args);
  if (command == "compose") return compose_command(args);
  if (command == "resolve") return resolve_command(args);
  if (command == "version" && args.empty()) return version_command();
  if (command == "options" && args.empty()) {
    standard_options().log_defaults(false, true);
    return kExitOk;
  }
  if (command == "options" && args == Args{"--table"}) {
    write_table(standard_options(), stdout);
    return kExitOk;
  }
  if (command == "--version") {
    std::printf("qarel-launch %s\n",
                quor_version_get_external_product_version());
    return kExitOk;
  }
  if (command == "--help" || command == "-h" || command == "help") {
    print_usage(stdout);
    return kExitOk;
  }
  std::fprintf(stderr, "qarel-launch: unknown command '%s'\n\n",
               command.c_str());
  print_usage(stderr);
  return kExitMalformed;
}
