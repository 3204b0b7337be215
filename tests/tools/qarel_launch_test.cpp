// qarel-launch run as a process, with its output in this test's own folder.
// Each run is a fresh process, so the first parse finds nothing waiting.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {
// The exit status, a space, standard output, then standard error.
std::string Launch(const std::vector<std::string>& args, const TempDir& dir) {
  std::string command = std::string("timeout 10 ") + QAREL_LAUNCH;
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >" + dir.file("out") + " 2>" + dir.file("err");
  const int raw = std::system(command.c_str());
  return std::to_string(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) + " " +
         ReadFile(dir.file("out")) + ReadFile(dir.file("err"));
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
