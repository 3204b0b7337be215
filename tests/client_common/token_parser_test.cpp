#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/launch_table.h"

using TokenParser = LaunchParsing;

TEST_F(TokenParser, KeyEqualsValueWithAnyNumberOfDashes) {
  for (const char* token : {"--log-level=3", "-log-level=3", "log-level=3",
                            "----LOG-LEVEL=3", "l=3"}) {
    t = LaunchTable();
    EXPECT_FALSE(parseArg(token, t, false));
    EXPECT_EQ(t.get("log-level"), "3") << token;
    EXPECT_EQ(t.rejected_params, "") << token;
  }
  EXPECT_FALSE(parseArg("--name=x%3Dy", t, false));
  EXPECT_EQ(t.get("name"), "x=y");
  EXPECT_FALSE(parseArg("--name=a=b", t, false));  // later "=" stay in value
  EXPECT_EQ(t.get("name"), "a=b");
  EXPECT_FALSE(parseArg("-l=-3", t, false));
  EXPECT_EQ(t.get("log-level"), "-3");
  EXPECT_FALSE(parseArg("name=", t, false));
  EXPECT_EQ(t.get("name"), "");
  EXPECT_TRUE(IsSet(t, "name"));
}

TEST_F(TokenParser, ValueInTheNextToken) {
  EXPECT_FALSE(parseArg("-l", t, false));
  EXPECT_EQ(t.get("log-level"), "info") << "nothing assigned yet";
  EXPECT_FALSE(parseArg("3", t, false));
  EXPECT_EQ(t.get("log-level"), "3");

  parseArg("--name", t, false);
  parseArg("a%20b", t, false);  // decoded
  EXPECT_EQ(t.get("name"), "a b");
  EXPECT_EQ(t.rejected_params, "");
}

TEST_F(TokenParser, ShortKeyWithOneDigit) {
  EXPECT_FALSE(parseArg("-l3", t, false));
  EXPECT_EQ(t.get("log-level"), "3");
  EXPECT_FALSE(parseArg("l4", t, false));  // dashes are optional here too
  EXPECT_EQ(t.get("log-level"), "4");
  EXPECT_FALSE(parseArg("-l33", t, false));  // more than one digit: unknown
  EXPECT_EQ(t.rejected_params, "CL_param:'l33' ");
  EXPECT_FALSE(parseArg("-lx", t, false));
  EXPECT_EQ(t.rejected_params, "CL_param:'l33' CL_param:'lx' ");
}

TEST_F(TokenParser, ADashedTokenDropsTheWaitingKey) {
  parseArg("-l", t, false);
  parseArg("-3", t, false);  // a key "3", not a negative value
  EXPECT_EQ(t.get("log-level"), "info");
  EXPECT_EQ(t.rejected_params, "CL_param:'3' ");
  parseArg("5", t, false);  // nothing waits any more
  EXPECT_EQ(t.rejected_params, "CL_param:'3' CL_param:'5' ");
}

TEST_F(TokenParser, AnotherValuedKeyReplacesTheWaitingOne) {
  parseArg("-l", t, false);
  parseArg("--name", t, false);
  parseArg("value", t, false);
  EXPECT_EQ(t.get("name"), "value");
  EXPECT_EQ(t.get("log-level"), "info");
  EXPECT_EQ(t.rejected_params, "") << "the earlier key leaves no record";
}

TEST_F(TokenParser, OtherTokensDropTheWaitingKeyAndAreHandledAsIdle) {
  const struct {
    const char* token;
    const char* rejected;
  } cases[] = {
      {"--full-screen", ""},  // a switch
      {"name=x", ""},         // key=value
      {"-l3", ""},            // short key with a digit
      {"-unknown", "CL_param:'unknown' "},
  };
  for (const auto& c : cases) {
    t = LaunchTable();
    parseArg("--sni", t, false);
    parseArg(c.token, t, false);
    parseArg("after", t, false);  // no longer a value for "sni"
    EXPECT_FALSE(IsSet(t, "sni")) << c.token;
    EXPECT_EQ(t.rejected_params, std::string(c.rejected) + "CL_param:'after' ")
        << c.token;
  }
}

TEST_F(TokenParser, SwitchesAreSetTrueAndRefuseValues) {
  for (const char* token : {"--full-screen", "full-screen", "-F"}) {
    t = LaunchTable();
    parseArg(token, t, false);
    EXPECT_TRUE(t.get_bool("full-screen")) << token;
  }
  t = LaunchTable();
  parseArg("--full-screen=1", t, false);
  EXPECT_FALSE(IsSet(t, "full-screen"));
  EXPECT_EQ(t.rejected_params, "CL_param:'full-screen=1' ");
}

TEST_F(TokenParser, UnknownKeysAndBareDashesAreRecorded) {
  parseArg("foo", t, false);
  parseArg("--foo", t, false);
  parseArg("-", t, false);
  parseArg("--", t, false);
  parseArg("", t, false);
  parseArg("--x y", t, false);
  parseArg("\xC3\xA9", t, false);
  EXPECT_EQ(t.rejected_params,
            "CL_param:'foo' CL_param:'foo' CL_param:'' CL_param:'' "
            "CL_param:'' CL_param:'x y' CL_param:'\xC3\xA9' ");
}

TEST_F(TokenParser, WaitingKeyOutlivesTheVector) {
  EXPECT_FALSE(arg_to_params({"--name=a", "-l"}, t));
  EXPECT_EQ(t.get("log-level"), "info");
  option_list next = LaunchTable();
  EXPECT_FALSE(arg_to_params({"2"}, next));
  EXPECT_EQ(next.get("log-level"), "2");
}

TEST_F(TokenParser, UriParametersNeverWaitAndReportMalformedOnes) {
  const struct {
    const char* parameter;
    bool malformed;
    const char* name;  // value of "name" afterwards
    const char* rejected;
  } cases[] = {
      {"name=a%3Db", false, "a=b", ""},
      {"name=a=b", true, "a=b", ""},  // reserved "=" in the raw value
      {"name=a#b", true, "a#b", ""},
      {"name=%2F", false, "/", ""},
      {"name", false, "", "URI_opt:'name' "},  // no value: recorded only
      {"full-screen=1", true, "", "URI_opt:'full-screen=1' "},
      {"-x", true, "", "URI_opt:'-x' "},  // dashes are not stripped
      {"--name=v", true, "", "URI_opt:'--name' "},
      {"", true, "", "URI_opt:'' "},
      {"cl-only=1", false, "", "URI_opt:'cl-only' "},
      {"unknown=1", false, "", "URI_opt:'unknown' "},
      {"a b=1", true, "", "URI_opt:'a b' "},
  };
  for (const auto& c : cases) {
    t = LaunchTable();
    EXPECT_EQ(parseArg(c.parameter, t, true), c.malformed) << c.parameter;
    EXPECT_EQ(t.get("name"), c.name) << c.parameter;
    EXPECT_EQ(t.rejected_params, c.rejected) << c.parameter;
  }
  t = LaunchTable();
  EXPECT_FALSE(parseArg("full-screen", t, true));
  EXPECT_TRUE(t.get_bool("full-screen"));
}

TEST_F(TokenParser, UriParameterReturnsTheParserToIdle) {
  parseArg("-l", t, false);
  parseArg("name=x", t, true);
  parseArg("3", t, false);
  EXPECT_EQ(t.get("log-level"), "info");
  EXPECT_EQ(t.rejected_params, "CL_param:'3' ");
}
