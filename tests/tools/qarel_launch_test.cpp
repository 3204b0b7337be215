// qarel-launch run as a process, with its output in this test's own folder.
// Each run is a fresh process, so the first parse finds nothing waiting.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

using Args = std::vector<std::string>;

namespace {
// Each argument quoted for the shell.
std::string Quoted(const std::vector<std::string>& args) {
  std::string text;
  for (std::string a : args) {
    for (std::size_t q = a.find('\''); q != std::string::npos;
         q = a.find('\'', q + 4))
      a.replace(q, 1, "'\\''");
    text += " '" + a + "'";
  }
  return text;
}

// Runs `command` in `dir`: the exit status, a space, standard output, then
// standard error.
std::string Shell(const std::string& command, const TempDir& dir) {
  const int raw = std::system(("cd " + dir.path + " && timeout 10 " + command +
                               " >" + dir.file("out") + " 2>" + dir.file("err"))
                                  .c_str());
  return std::to_string(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) + " " +
         ReadFile(dir.file("out")) + ReadFile(dir.file("err"));
}

std::string Launch(const std::vector<std::string>& args, const TempDir& dir) {
  return Shell(QAREL_LAUNCH + Quoted(args), dir);
}
}  // namespace

TEST(QarelLaunch, ArgumentsStatusAndText) {
  TempDir dir;
  const struct {
    std::vector<std::string> args;
    std::string text;  // found in what Launch gives
  } cases[] = {
      {{"parse", "-l", "debug", "connect-tag=secret",
        "quorvane-qarel://h:900?sni=a%20b"},
       "0 \nShort                       Long Key           Value Description\n"
       "-----                       --------           ----- -----------\n"
       "   -a                        address               h Host to connect "
       "to\n"
       "   -p                           port             900 Port to connect "
       "to\n"
       "                                 sni             a b TLS server name\n"
       "                         connect-tag        ******** Connection tag "
       "from "
       "the broker\n"},
      {{"parse", "foo"}, "1 \nShort"},
      {{"parse", "foo"}, "\nRejected: CL_param:'foo' \n"},
      {{"parse", "quorvane-qarel://h?connect-tag=x"},
       "Rejected: URI_opt:'connect-tag' "},
      {{"parse", "quorvane-qarel://?a b", "%%s%n", std::string(5000, 'x')},
       "\nA launch URI is malformed.\n"},
      {{"parse", "-m"}, "0 Deprecated Parameter 'multimon' (m) used.\n"},
      {{"compose", "host=h", "port=900", "sni=desk pool", "connect-tag=t/1",
        "use-smartcard"},
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
      {{"options"},
       "   -m                       multimon                 DEPRECATED\n"},
      {{}, "argv[2] = connect-tag=tag%2f1\n"},  // composes, then parses back
      {{}, "Rejected: none\nMalformed: no\n"},
  };
  for (const auto& c : cases) {
    const std::string run = Launch(c.args, dir);
    EXPECT_NE(run.find(c.text), std::string::npos) << c.text << "\nin: " << run;
  }
  // With a log file, the banner and the report go there too.
  Launch({"parse", "logfile=" + dir.file("e.log"), "address=h"}, dir);
  const std::string log = ReadFile(dir.file("e.log"));
  for (const char* part :
       {"qarel-launch:", " is starting up\n",
        "   -a                        address               h ",
        "qarel-launch: Resource cleanup complete.\n"})
    EXPECT_NE(log.find(part), std::string::npos) << part << " in " << log;
}

TEST(QarelLaunch, ExplainsEveryArgumentWithTheClientsTable) {
  TempDir dir;
  const std::string uri = "quorvane-qarel://";
  const struct {
    std::vector<std::string> args;
    std::string text;  // found in what Launch gives; after "!", not found
  } cases[] = {
      // clang-format off
      {{"-l", "3"}, "\"-l\": waits for the value of log-level (-l) in the next argument\n"
                    "\"3\": fills log-level (-l), which was waiting, = \"3\"\n"},
      {{"-l", "--name", "v"}, "\"--name\": waits for the value of name (-n) in the next "
                              "argument, dropping log-level (-l), which was waiting\n"},
      // The first of the two "name" records is the one with "-n".
      {{"--name=a%20b", "-f", "-f"}, "\"--name=a%20b\": sets name (-n) = \"a b\"\n"
                                     "\"-f\": sets full-screen (-f) to True\n"},
      {{"--bogus"}, "1 \"--bogus\": refused, CL_param:'bogus': unknown key\n"},
      {{"--9x=1"}, "\"--9x=1\": refused, CL_param:'9x': malformed key\n"},
      {{"--full-screen=1"}, "CL_param:'full-screen=1': a switch given a value\n"},
      {{uri + "h?cl-only=1&name&name=a=b"},
          "2 \"quorvane-qarel://h?cl-only=1&name&name=a=b\":\n"
          "  \"h\": sets address = \"h\"\n"
          "  \"cl-only=1\": refused, URI_opt:'cl-only': a key a launch URI may not set\n"
          "  \"name\": refused, URI_opt:'name': a launch-URI key with no value\n"
          "  \"name=a=b\": sets name (-n) = \"a=b\"; a reserved character or blank in "
          "the value makes the launch URI malformed\n"},
      {{uri + ":900"}, "  \":900\": sets address = \"\"; sets port = \"900\"; an empty "
                       "host makes the launch URI malformed\n"},
      {{uri + "h?%&"}, "  \"%\": refused, URI_opt:'%': malformed key; this makes the "
                       "launch URI malformed\n"},
      {{"quorvane-qarel:h"}, "0 \"quorvane-qarel:h\":\n  ignored: no \"//\" after"},
      {{"-o", "2"}, "Deprecated Parameter 'old' (o) used.\n\"2\": fills old (-o)"},
      {{"connect-tag=secret"}, "sets connect-tag = ********\n"},
      {{"connect-tag=secret", "--connect-tag", "secret", uri + "h?connect-tag=secret"},
          "!secret"},
      {{"-n=v", "--name=v"}, "\"--name=v\": changes nothing in the table\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Args args = {"parse", "--table", CLIENT_TABLE, "--explain"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string run = Launch(args, dir);
    if (c.text[0] == '!')
      EXPECT_EQ(run.find(c.text.substr(1)), std::string::npos) << run;
    else
      EXPECT_NE(run.find(c.text), std::string::npos)
          << c.text << "\nin: " << run;
  }
  // Run in this folder, a table without "logfile" writes no event log there.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}),
            2);
}

TEST(QarelLaunch, MalformedTableFilesAreNamedAndNothingIsParsed) {
  TempDir dir;
  const struct {
    std::string table, error;
  } cases[] = {
      {"# fine\n\na|b|valued", ":3: expected 6 fields separated by \"|\""},
      {"a|b|flag||-|d",
       ":1: the kind is \"flag\", not \"switch\" or \"valued\""},
      {"a|b|valued||uri,bold|d", ":1: unknown flag \"bold\""},
      {"a||valued||-|d", ":1: the long key is empty"},
  };
  for (const auto& c : cases) {
    std::ofstream(dir.file("table")) << c.table;
    const std::string run =
        Launch({"parse", "--table", dir.file("table"), "--explain", "-l"}, dir);
    EXPECT_EQ(run, "2 qarel-launch: " + dir.file("table") + c.error +
                       run.substr(run.find(c.error) + c.error.size()));
    EXPECT_EQ(run.find("\"-l\""), std::string::npos) << run;
  }
  EXPECT_EQ(Launch({"parse", "--table", dir.file("none"), "x"}, dir),
            "2 qarel-launch: " + dir.file("none") + ": cannot be read\n");
}

TEST(QarelLaunch, TheStandardTableRoundTripsThroughItsFile) {
  TempDir dir;
  const std::string args =
      Quoted({"--explain", "-l", "3", "connect-tag=t", "-m",
              "quorvane-qarel://h:1?sni=x&full-screen&bogus"});
  const std::string tool = QAREL_LAUNCH;
  // The event-log line on standard error carries the time.
  const auto untimed = [](const std::string& run) {
    return std::regex_replace(run, std::regex("\\S*Z \\[critical\\]"), "");
  };
  EXPECT_EQ(untimed(Shell(tool + " options --table | " + tool +
                              " parse --table /dev/stdin" + args,
                          dir)),
            untimed(Shell(tool + " parse" + args, dir)));
}

// The explanation adds up to the library's own outcome for every input of the
// launch-argument fuzz corpus (the tool checks, and exits 3 if not).
TEST(QarelLaunch, ExplanationAgreesWithTheLibraryOverTheCorpus) {
  TempDir dir;
  int inputs = 0;
  for (const auto& file : std::filesystem::directory_iterator(LAUNCH_CORPUS)) {
    Args args = {"parse", "--table", CLIENT_TABLE, "--explain"};
    std::istringstream in(ReadFile(file.path()));
    for (std::string line; std::getline(in, line);)
      args.push_back(line.substr(0, line.find('\0')));  // argv holds no NUL
    const std::string run = Launch(args, dir);
    EXPECT_LT(run[0], '3') << file.path() << "\n" << run;
    ++inputs;
  }
  EXPECT_GT(inputs, 5);
}
