#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/qarel_launch/quoted_arguments.h"

namespace {
struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Each argument single-quoted for the shell.
std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs qarel-launch as a process and collects its exit status and outputs.
Outcome Launch(const std::vector<std::string>& args) {
  const std::string dir = testing::TempDir();
  const std::string out = dir + "qarel_launch_out",
                    err = dir + "qarel_launch_err";
  std::string command = QAREL_LAUNCH;
  for (const auto& a : args) command += " " + Quote(a);
  command += " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
}  // namespace

TEST(QarelLaunch, ParseAcceptsEveryTokenFormAndALaunchUri) {
  const Outcome r =
      Launch({"parse", "-l", "debug", "--full-screen", "sni=a%20b",
              "quorvane-qarel://192.0.2.10:900?use-smartcard"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_TRUE(
      Has(r.out, "   -a                        address      192.0.2.10 "));
  EXPECT_TRUE(
      Has(r.out, "   -p                           port             900 "));
  EXPECT_TRUE(
      Has(r.out, "   -l                      log-level           debug "));
  EXPECT_TRUE(
      Has(r.out, "                                 sni             a b "));
  EXPECT_TRUE(
      Has(r.out, "   -f                    full-screen            True "));
  EXPECT_TRUE(Has(r.out, "use-smartcard            True "));
  EXPECT_FALSE(Has(r.out, "Rejected"));
  EXPECT_FALSE(Has(r.out, "disable-usb")) << "only options that were set";
}

TEST(QarelLaunch, ParseReportsRejectionsAndMalformedUris) {
  Outcome r = Launch({"parse", "--bogus", "connect-tag=secret"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.out, "Rejected: CL_param:'bogus' "));
  EXPECT_TRUE(Has(r.out, "connect-tag        ******** ")) << "masked";
  EXPECT_FALSE(Has(r.out, "secret"));

  r = Launch({"parse", "quorvane-qarel://?sni=a b", "--bogus"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Has(r.out, "A launch URI is malformed."));

  r = Launch({"parse", "quorvane-qarel://h?connect-tag=x"});  // not from URIs
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.out, "Rejected: URI_opt:'connect-tag' "));

  r = Launch({"parse", "-m"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "Deprecated Parameter 'multimon' (m) used.\n"));
}

TEST(QarelLaunch, ParseSurvivesHostileArguments) {
  const std::vector<std::string> hostile = {
      "",
      "-",
      "--",
      "=",
      "%",
      "%%s%n",
      "quorvane-qarel:",
      "QUORVANE-QAREL://",
      "quorvane-qarel://&&&",
      std::string(5000, 'x'),
      "\xff\xfe",
      "-l",
  };
  std::vector<std::string> args = hostile;
  args.insert(args.begin(), "parse");
  const Outcome r = Launch(args);
  EXPECT_EQ(r.status, 2);  // the empty host is malformed
  EXPECT_TRUE(Has(r.out, "Rejected: "));
}

TEST(QarelLaunch, ParseWritesTheEventLogFileWhenAsked) {
  const std::string log = testing::TempDir() + "qarel_launch_test.log";
  std::filesystem::remove(log);
  const Outcome r = Launch({"parse", "logfile=" + log, "address=h"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string text = Slurp(log);
  EXPECT_TRUE(Has(text, "qarel-launch:")) << text;
  EXPECT_TRUE(Has(text, " is starting up\n"));
  EXPECT_TRUE(
      Has(text, "   -a                        address               h "));
  EXPECT_TRUE(Has(text, "qarel-launch: Resource cleanup complete.\n"));
}

TEST(QarelLaunch, ComposeThenParseRoundTrip) {
  Outcome composed =
      Launch({"compose", "host=192.0.2.10", "port=900", "sni=desk pool",
              "connect-tag=tag/1", "locale=a b&c", "use-smartcard"});
  ASSERT_EQ(composed.status, 0) << composed.err;
  EXPECT_EQ(composed.out,
            "\"quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&"
            "use-smartcard&locale=a%20b%26c\" "
            "\"connect-tag=tag%2f1\"\n");

  std::vector<std::string> args = split_quoted(composed.out);
  args.insert(args.begin(), "parse");
  const Outcome parsed = Launch(args);
  EXPECT_EQ(parsed.status, 0) << parsed.out;
  EXPECT_TRUE(Has(parsed.out, "sni       desk pool "));
  EXPECT_TRUE(Has(parsed.out, "locale           a b&c "));
  EXPECT_TRUE(Has(parsed.out, "connect-tag        ******** "));
}

TEST(QarelLaunch, ComposeRejectsUnknownInputs) {
  const Outcome r = Launch({"compose", "hostname=x", "windowed=1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "CL_param:'hostname' CL_param:'windowed=1' "));
}

TEST(QarelLaunch, ResolveAndUsage) {
  Outcome r = Launch({"resolve", "localhost"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "IPv4 127.0.0.1\n"));
  r = Launch({"resolve", "nothing.invalid"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.err, "nothing.invalid: "));
  EXPECT_EQ(Launch({"resolve"}).status, 2);
  EXPECT_EQ(Launch({"frobnicate"}).status, 2);
  EXPECT_TRUE(Has(Launch({"--help"}).out, "Usage: qarel-launch"));
}

TEST(QarelLaunch, VersionAndOptions) {
  Outcome r = Launch({"version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(
      Has(r.out, "product name           Quorvane Qarel Desktop Client\n"));
  EXPECT_TRUE(Has(r.out, "corporate header       "));
  r = Launch({"options"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "\nProgram options are:\n"));
  EXPECT_TRUE(
      Has(r.out,
          "   -m                       multimon                 DEPRECATED\n"));
}

TEST(QarelLaunch, ExampleShowsTheWholeRoundTrip) {
  const Outcome r = Launch({});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "argv[2] = connect-tag=tag%2f1\n"));
  EXPECT_TRUE(Has(r.out, "logfile  /tmp/client log.txt "));
  EXPECT_TRUE(Has(r.out, "Rejected: none\nMalformed: no\n"));
}
