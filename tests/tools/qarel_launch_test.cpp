// qarel-launch run as a process in this test's own folder. Each run is a
// fresh process, so the first parse finds nothing waiting.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

using Args = std::vector<std::string>;

namespace {
const std::string kTool = QAREL_LAUNCH;

// Runs the tool with `args` in `dir`: the exit status, a space, standard
// output, then standard error.
std::string Launch(Args args, const TempDir& dir) {
  std::string command = "cd " + dir.path + " && timeout 10 " + kTool;
  for (std::string& a : args)  // each argument quoted for the shell
    command += " '" + std::regex_replace(a, std::regex("'"), "'\\''") + "'";
  const int raw = std::system((command + " >out 2>err").c_str());
  return std::to_string(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) + " " +
         ReadFile(dir.file("out")) + ReadFile(dir.file("err"));
}

// parse --explain with the client's table of tests/tools/client_table.txt.
Args Explain(Args args) {
  args.insert(args.begin(), {"parse", "--table", CLIENT_TABLE, "--explain"});
  return args;
}
}  // namespace

TEST(QarelLaunch, ArgumentsStatusAndText) {
  TempDir dir;
  const std::string uri = "quorvane-qarel://";
  std::ofstream(dir.file("t1")) << "# fine\n\na|b|valued";
  std::ofstream(dir.file("t2")) << "a|b|flag||-|d\na|b|valued||uri,bold|d";
  std::ofstream(dir.file("t3")) << "a|b|valued||uri,bold|d";
  std::ofstream(dir.file("t4")) << "a||valued||-|d";
  const struct {
    Args args;
    std::string text;  // found in what Launch gives; after "!", not found
  } cases[] = {
      // clang-format off
      {{"parse", "-l", "debug", "connect-tag=secret", uri + "h:900?sni=a%20b"},
          "   -a                        address               h Host to connect to\n"},
      {{"parse", "foo"}, "\nRejected: CL_param:'foo' \n"},
      {{"parse", uri + "?a b", "%%s%n", std::string(5000, 'x')},
          "\nA launch URI is malformed.\n"},
      {{"compose", "host=h", "port=900", "sni=desk pool", "connect-tag=t/1", "use-smartcard"},
          "0 \"quorvane-qarel://h:900?full-screen&sni=desk%20pool&use-smartcard\" "
          "\"connect-tag=t%2f1\"\n"},
      {{"compose", "hostname=x", "windowed=1"},
          "1 Rejected: CL_param:'hostname' CL_param:'windowed=1' "},
      {{"resolve", "localhost"}, "IPv4 127.0.0.1\n"},
      {{"resolve"}, "2 "},
      {{"frobnicate"}, "2 qarel-launch: unknown command 'frobnicate'"},
      {{"--help"}, "0 Usage: qarel-launch"},
      {{"--version"}, "0 qarel-launch 2."},
      {{"version"}, "0 product name           Quorvane Qarel Desktop Client\n"},
      {{"options"}, "   -m                       multimon                 DEPRECATED\n"},
      {{"options", "--table"}, "0 # short|long|kind|default|flags|description\n"
          "a|address|valued||uri|Host to connect to\np|port|valued|443|uri|Port to connect to\n"
          "|sni|valued||uri|TLS server name\n|connect-tag|valued||masked|Connection tag"},
      {{"options", "--table"}, "\nm|multimon|switch||deprecated|Span all monitors"},
      {{}, "Rejected: none\nMalformed: no\n"},  // composes, then parses back
      // --explain: every reason, with the client's table.
      {Explain({"-l", "3"}),
          "0 \"-l\": waits for the value of log-level (-l) in the next argument\n"
          "\"3\": fills log-level (-l), which was waiting, = \"3\"\n"},
      {Explain({"-l", "--name", "v"}), "\"--name\": waits for the value of name (-n) in "
          "the next argument, dropping log-level (-l), which was waiting\n"},
      // The first of the two "name" records is the one with "-n".
      {Explain({"--name=a%20b", "-f", "-f"}), "\"--name=a%20b\": sets name (-n) = \"a b\"\n"
          "\"-f\": sets full-screen (-f) to True\n"},
      {Explain({"--bogus"}), "1 \"--bogus\": refused, CL_param:'bogus': unknown key\n"},
      {Explain({"--9x=1"}), "\"--9x=1\": refused, CL_param:'9x': malformed key\n"},
      {Explain({"-f=1"}), "\"-f=1\": refused, CL_param:'f=1': a switch given a value\n"},
      {Explain({uri + "h?cl-only=1&name&name=a=b"}),
          "2 \"quorvane-qarel://h?cl-only=1&name&name=a=b\":\n"
          "  \"h\": sets address = \"h\"\n"
          "  \"cl-only=1\": refused, URI_opt:'cl-only': a key a launch URI may not set\n"
          "  \"name\": refused, URI_opt:'name': a launch-URI key with no value\n"
          "  \"name=a=b\": sets name (-n) = \"a=b\"; a reserved character or blank in "
          "the value makes the launch URI malformed\n"},
      {Explain({uri + ":900"}), "  \":900\": sets address = \"\"; sets port = \"900\"; "
          "an empty host makes the launch URI malformed\n"},
      {Explain({uri + "h?%&"}), "  \"%\": refused, URI_opt:'%': malformed key; this "
          "makes the launch URI malformed\n"},
      {Explain({"quorvane-qarel:h"}), "0 \"quorvane-qarel:h\":\n  ignored: no \"//\""},
      {Explain({"-o", "2"}), "Deprecated Parameter 'old' (o) used.\n\"2\": fills old (-o)"},
      {Explain({"connect-tag=secret"}), "sets connect-tag = ********\n"},
      {Explain({"connect-tag=secret", "--connect-tag", "secret", uri + "h?connect-tag=secret"}),
          "!secret"},
      {Explain({"-n=v", "--name=v"}), "\"--name=v\": changes nothing in the table\n"},
      // A malformed table stops the tool before anything is parsed.
      {{"parse", "--table", "t1", "-l"}, "2 qarel-launch: t1:3: expected 6 fields"},
      {{"parse", "--table", "t2", "-l"},
          "2 qarel-launch: t2:1: the kind is \"flag\", not \"switch\" or \"valued\"\n"},
      {{"parse", "--table", "t3", "-l"}, "2 qarel-launch: t3:1: unknown flag \"bold\""},
      {{"parse", "--table", "t4", "-l"}, "2 qarel-launch: t4:1: the long key is empty\n"},
      {{"parse", "--table", "none", "x"}, "2 qarel-launch: none: cannot be read\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::string run = Launch(c.args, dir);
    const bool absent = c.text[0] == '!';
    EXPECT_EQ(run.find(c.text.substr(absent)) == std::string::npos, absent)
        << c.text << "\nin: " << run;
  }
  // The tables, the output and nothing else: a table without "logfile"
  // writes no event log. With one, the banner and the report go there too.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}),
            6);
  Launch({"parse", "logfile=" + dir.file("e.log"), "address=h"}, dir);
  const std::string log = ReadFile(dir.file("e.log"));
  EXPECT_TRUE(std::regex_search(
      log, std::regex(" is starting up\n[^]* -a +address +h [^]*"
                      "qarel-launch: Resource cleanup complete\\.\n")))
      << log;
}

// The explanation adds up to the library's own outcome for every input of the
// launch-argument fuzz corpus (the tool checks, and exits 3 if not).
TEST(QarelLaunch, ExplanationAgreesWithTheLibraryOverTheCorpus) {
  TempDir dir;
  for (const auto& file : std::filesystem::directory_iterator(LAUNCH_CORPUS)) {
    Args args;  // a line each, cut at NUL too, which argv cannot hold
    boost::algorithm::split(args, ReadFile(file.path()),
                            boost::is_any_of(std::string("\n\0", 2)));
    const std::string run = Launch(Explain(args), dir);
    EXPECT_TRUE(std::regex_search(run, std::regex("^[012] "))) << run;
  }
}
