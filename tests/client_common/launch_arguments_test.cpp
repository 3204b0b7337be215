// Command-line tokens and launch URIs, as argument vectors, and the table
// state each leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/core_recorder.h"
#include "tests/support/option_tables.h"

namespace {
const std::string kUri = "quorvane-qarel://";

// Leaves the parser idle: a key waiting for its value is process-wide state,
// and any launch-URI parameter clears it.
void Idle() {
  option_list scratch;
  parseArg("idle", scratch, true);
}
}  // namespace

TEST(LaunchArguments, VectorsLeaveTheTableInThisState) {
  // The state after parsing, behind "! " when the vector is malformed.
  const struct {
    std::vector<std::string> args;
    std::string state;
  } cases[] = {
      // clang-format off
      // Command-line tokens: any number of dashes, or none.
      {{"--log-level=3", "-NAME=x%3Dy"}, "log-level=3 name=x=y | "},
      {{"-l", "3", "name=", "-n", "Ignore_this_value"}, "log-level=3 name= | CL_param:'n' "},
      {{"--name", "a%20b", "-l9"}, "log-level=9 name=a b | "},
      {{"n0", "-f3"}, "full-screen=True name=0 | "},  // a switch drops its digit
      {{"-l33", "-lx", "-l/"}, "| CL_param:'l33' CL_param:'lx' CL_param:'l/' "},
      {{"-l", "-3", "5"}, "| CL_param:'3' CL_param:'5' "},
      {{"-l", "--name", "v"}, "name=v | "},  // the first key is dropped
      {{"--sni", "--full-screen", "v"}, "full-screen=True | CL_param:'v' "},
      {{"full-screen", "-USE-SMARTCARD"}, "full-screen=True use-smartcard=True | "},
      {{"--full-screen=1", "foo", "-", "", "--x y"},
          "| CL_param:'full-screen=1' CL_param:'foo' CL_param:'' CL_param:'' CL_param:'x y' "},
      {{"-c3", "-c", "v", "connect-tag=t"}, "connect-tag=t cl-only=v | "},
      // Launch URIs: the scheme in any case, "//", host, port, parameters.
      {{kUri + "192.0.2.10:900?full-screen&sni=desk%2Dpool&log-level=3"},
          "address=192.0.2.10 port=900 full-screen=True sni=desk-pool log-level=3 | "},
      {{"quorvane-qarel:", "quorvane-qarel:/", "quorvane-qarel:h//", "QUORVANE"},
          "| CL_param:'QUORVANE' "},
      {{"QUORVANE-Qarel://h/?a=1", kUri + "h?n=2", kUri + "h??sni=3"},
          "address=h sni=3 name=2 a=1 | "},
      {{kUri + "h/path?a=1"}, "! address=h | URI_opt:'path?a' "},
      {{kUri + ":900?a=1"}, "! address= port=900 a=1 | "},  // empty host
      {{kUri + "[2001:db8::1]:"}, "address=[2001 port=db8::1]: | "},
      {{kUri + "my host"}, "address=my host | "},
      {{kUri + "h?a=1&&n=2"}, "! address=h name=2 a=1 | URI_opt:'' "},
      {{kUri + "h?a=1&", kUri + "h?sni=x%20y"}, "address=h sni=x y a=1 | "},
      {{kUri + "h?a=x y"}, "! address=h a=x y | "},
      {{kUri + "h?a=x\ty"}, "! address=h a=x\ty | "},
      {{std::string("quorvane-qarel://h?a=x\0y", 24)},
          std::string("address=h a=x\0y | ", 18)},  // NUL is no blank
      {{kUri + "h?a=1#top"}, "! address=h a=1#top | "},  // "#" is reserved
      {{kUri + "h?name=a=b"}, "! address=h name=a=b | "},
      {{kUri + "h?name&cl-only=1&cl-switch&bogus=2"},
          "address=h | URI_opt:'name' URI_opt:'cl-only' URI_opt:'cl-switch' URI_opt:'bogus' "},
      {{kUri + "h?full-screen=1"}, "! address=h | URI_opt:'full-screen=1' "},
      {{kUri + "h?--name=v"}, "! address=h | URI_opt:'--name' "},
      // Only launch URIs make a vector malformed; a URI parameter drops a
      // waiting key.
      {{"--name=a=b", kUri, "-l", "2"}, "! address= log-level=2 name=a=b | "},
      {{"--bad key=1", "%", kUri + "h"}, "address=h | CL_param:'bad key' CL_param:'%' "},
      {{"-l", kUri + "h?a=1", "3"}, "address=h a=1 | CL_param:'3' "}};
  // clang-format on
  for (const auto& c : cases) {
    Idle();
    option_list t = LaunchTable();
    const bool malformed = arg_to_params(c.args, t);
    EXPECT_EQ((malformed ? "! " : "") + State(t), c.state)
        << (c.args.empty() ? "{}" : c.args[0]);
  }
}

TEST(LaunchArguments, ParseArgSaysMalformedOnlyOfALaunchUriParameter) {
  const struct {
    std::string token;
    bool from_uri, malformed;
    std::string state;
  } cases[] = {
      {"--name=a/b", false, false, "name=a/b | "},
      {"9x=1", false, false, "| CL_param:'9x' "},
      {"name=a/b", true, true, "name=a/b | "},  // "/" is reserved
      {"9x=1", true, true, "| URI_opt:'9x' "},
      {"name=a", true, false, "name=a | "},
  };
  for (const auto& c : cases) {
    Idle();
    option_list t = LaunchTable();
    EXPECT_EQ(parseArg(c.token, t, c.from_uri), c.malformed) << c.token;
    EXPECT_EQ(State(t), c.state) << c.token;
  }
}

TEST(LaunchArguments, PortThenAddressEvenWithoutTheirOptions) {
  option_list bare;
  EXPECT_FALSE(parse_uri("quorvane-qarel://h:1", bare));
  EXPECT_EQ(bare.rejected_params, "URI_opt:'port' URI_opt:'address' ");
}

TEST(LaunchArguments, DeprecatedOptionsWarnOnEveryPath) {
  option_list t = LaunchTable();
  const std::string warning =
      "[log 110 0 -501] Deprecated Parameter 'old' (o) used\n"
      "Deprecated Parameter 'old' (o) used.\n";
  EXPECT_EQ(OutputWithLog([&] {
              t.set("old", "0", false, false);  // not asked to warn
              arg_to_params({"--old=1", "-o", "2", "-o3", kUri + "h?old=4"}, t);
            }),
            warning + warning + warning + warning);
  EXPECT_EQ(State(t), "address=h old=4 | ");
  option_list old_host;  // the authority's assignments warn too
  // A table's short key with a line break stays on standard output's line.
  old_host.add("\n", "address", false, "", "", true, true, true);
  EXPECT_EQ(OutputWithLog([&] { parse_uri(kUri + "h", old_host); }),
            "[log 110 0 -501] Deprecated Parameter 'address' (\n) used\n"
            "Deprecated Parameter 'address' (\\x0a) used.\n");
}
