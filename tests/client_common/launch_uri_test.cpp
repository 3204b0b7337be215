#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/launch_table.h"

using LaunchUri = LaunchParsing;

TEST_F(LaunchUri, FullUriSetsAuthorityThenParameters) {
  EXPECT_FALSE(arg_to_params(
      {"quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%2Dpool&"
       "log-level=3"},
      t));
  EXPECT_EQ(t.get("port"), "900");
  EXPECT_EQ(t.get("address"), "192.0.2.10");
  EXPECT_TRUE(t.get_bool("full-screen"));
  EXPECT_EQ(t.get("sni"), "desk-pool");
  EXPECT_EQ(t.get("log-level"), "3");
  EXPECT_EQ(t.rejected_params, "");
}

TEST_F(LaunchUri, SchemeIsMatchedInAnyCase) {
  EXPECT_FALSE(arg_to_params({"QUORVANE-Qarel://h"}, t));
  EXPECT_EQ(t.get("address"), "h");
  t = LaunchTable();
  EXPECT_FALSE(arg_to_params({"quorvane-qarel:"}, t));  // a URI, sets nothing
  EXPECT_EQ(t.rejected_params, "");
  EXPECT_FALSE(IsSet(t, "address"));
  t = LaunchTable();
  EXPECT_FALSE(arg_to_params({"quorvane"}, t));  // an ordinary token
  EXPECT_EQ(t.rejected_params, "CL_param:'quorvane' ");
  t = LaunchTable();
  EXPECT_FALSE(arg_to_params({}, t));
  EXPECT_EQ(t.rejected_params, "");
}

TEST_F(LaunchUri, AuthorityAndQueryForms) {
  const struct {
    const char* uri;
    bool malformed;
    const char* address;  // null: not set
    const char* port;
    const char* a;
  } cases[] = {
      {"quorvane-qarel://192.0.2.10", false, "192.0.2.10", nullptr, ""},
      {"quorvane-qarel://192.0.2.10/?a=1", false, "192.0.2.10", nullptr, "1"},
      {"quorvane-qarel://192.0.2.10?a=1", false, "192.0.2.10", nullptr, "1"},
      {"quorvane-qarel://192.0.2.10??a=1", false, "192.0.2.10", nullptr, "1"},
      {"quorvane-qarel://192.0.2.10/path?a=1", true, "192.0.2.10", nullptr,
       ""},  // the key "path?a" is malformed
      {"quorvane-qarel://:900?a=1", true, "", "900", "1"},  // empty host
      {"quorvane-qarel://192.0.2.10:", false, "192.0.2.10", "", ""},
      {"quorvane-qarel://[2001:db8::1]:900", false, "[2001", "db8::1]:900", ""},
      {"quorvane-qarel://", true, "", nullptr, ""},
      {"quorvane-qarel:192.0.2.10", false, nullptr, nullptr, ""},
      {"quorvane-qarel:/", false, nullptr, nullptr, ""},
      {"quorvane-qarel://h?a=1&&name=2", true, "h", nullptr, "1"},
      {"quorvane-qarel://h?a=1&", false, "h", nullptr, "1"},
      {"quorvane-qarel://h?a=x y", true, "h", nullptr, "x y"},
      {"quorvane-qarel://h?a=x\ty", true, "h", nullptr, "x\ty"},
      {"quorvane-qarel://h?a=x%20y", false, "h", nullptr, "x y"},
      {"quorvane-qarel://my host", false, "my host", nullptr, ""},
      {"quorvane-qarel://h?a=1#top", true, "h", nullptr, "1#top"},
      {"quorvane-qarel://h?a=1%23top", false, "h", nullptr, "1#top"},
      {"quorvane-qarel://h?a=1&a=2", false, "h", nullptr, "2"},
      {"quorvane-qarel://h?unknown=1", false, "h", nullptr, ""},
      {"quorvane-qarel://h?%", true, "h", nullptr, ""},
  };
  for (const auto& c : cases) {
    t = LaunchTable();
    EXPECT_EQ(arg_to_params({c.uri}, t), c.malformed) << c.uri;
    EXPECT_EQ(IsSet(t, "address"), c.address != nullptr) << c.uri;
    EXPECT_EQ(t.get("address"), c.address ? c.address : "") << c.uri;
    EXPECT_EQ(IsSet(t, "port"), c.port != nullptr) << c.uri;
    EXPECT_EQ(t.get("port"), c.port ? c.port : "") << c.uri;
    EXPECT_EQ(t.get("a"), c.a) << c.uri;
  }
}

TEST_F(LaunchUri, MissingAddressAndPortOptionsAreRecorded) {
  option_list bare;
  EXPECT_FALSE(parse_uri("quorvane-qarel://h:1", bare));
  EXPECT_EQ(bare.rejected_params, "URI_opt:'port' URI_opt:'address' ");
}

TEST_F(LaunchUri, OnlyUriResultsMakeTheVectorMalformed) {
  EXPECT_TRUE(arg_to_params({"--name=a=b", "quorvane-qarel://", "-l", "2"}, t));
  EXPECT_EQ(t.get("log-level"), "2") << "tokens after the URI still parse";
  t = LaunchTable();
  EXPECT_FALSE(arg_to_params({"--bad key=1", "%", "quorvane-qarel://h"}, t));
}

TEST_F(LaunchUri, ShortOrOddInputIsSafe) {
  for (const char* uri : {"", "q", "quorvane-qarel", "quorvane-qarel:/"})
    EXPECT_FALSE(parse_uri(uri, t)) << uri;
  EXPECT_FALSE(parse_uri(std::string("quorvane-qarel:/\0/", 18), t));
}
