#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/launch_table.h"
#include "tools/qarel_launch/quoted_arguments.h"

TEST(UriComposer, WorkedExample) {
  EXPECT_EQ(cl_params_formatter("192.0.2.10", "900", "desk pool", "tag/1",
                                "s-42", false, true, false, true, "en_US",
                                "/tmp/client log.txt", "3"),
            "\"quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&"
            "session-id=s-42&use-smartcard&usb-auto-forward&locale=en_US&"
            "logfile=%2ftmp%2fclient%20log.txt&log-level=3\" "
            "\"connect-tag=tag%2f1\"");
}

TEST(UriComposer, ParametersOnlyUnderTheirConditions) {
  const struct {
    std::string host, port, sni;
    bool windowed, smartcard, usb_off, usb_forward;
    std::string log_level;
    std::string expected;
  } cases[] = {
      {"192.0.2.10", "", "", true, false, false, false, "",
       "\"quorvane-qarel://192.0.2.10\""},
      {"", "", "", true, false, false, false, "", "\"quorvane-qarel://\""},
      {"", "", "", false, false, false, false, "",
       "\"quorvane-qarel://?full-screen\""},
      {"", "900", "", true, false, false, false, "",
       "\"quorvane-qarel://:900\""},
      {"h", "", "\xE9", true, false, true, false, "a&b",
       "\"quorvane-qarel://h?sni=%e9&disable-usb&log-level=a&b\""},
      {"h", "", "de-DE", true, false, false, false, "",
       "\"quorvane-qarel://h?sni=de-DE\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cl_params_formatter(c.host, c.port, c.sni, "", "", c.windowed,
                                  c.smartcard, c.usb_off, c.usb_forward, "", "",
                                  c.log_level),
              c.expected);
  }
}

TEST_F(LaunchParsing, UnencodedLogLevelSplitsAtItsAmpersand) {
  const auto args = split_quoted(cl_params_formatter(
      "h", "", "", "", "", true, false, false, false, "", "", "a&b"));
  EXPECT_FALSE(arg_to_params(args, t));
  EXPECT_EQ(t.get("log-level"), "a");
  EXPECT_EQ(t.rejected_params, "URI_opt:'b' ");
}

TEST_F(LaunchParsing, ComposedArgumentsReadBackUnchanged) {
  std::mt19937 random(61206);
  std::uniform_int_distribution<int> byte(1, 255);  // any byte but NUL
  std::uniform_int_distribution<int> length(0, 24);
  std::bernoulli_distribution flag(0.5);
  auto text = [&] {
    std::string s(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : s) c = static_cast<char>(byte(random));
    return s;
  };

  for (int i = 0; i < 2000; ++i) {
    const std::string sni = text(), tag = text(), session = text(),
                      locale = text(), logfile = text();
    const bool windowed = flag(random), smartcard = flag(random),
               usb_off = flag(random), usb_forward = flag(random);
    const auto args = split_quoted(cl_params_formatter(
        "host", "900", sni, tag, session, windowed, smartcard, usb_off,
        usb_forward, locale, logfile, "3"));
    ASSERT_EQ(args.size(), tag.empty() ? 1u : 2u);

    option_list read = LaunchTable();
    ASSERT_FALSE(arg_to_params(args, read)) << args[0];
    EXPECT_EQ(read.rejected_params, "");
    EXPECT_EQ(read.get("address"), "host");
    EXPECT_EQ(read.get("port"), "900");
    EXPECT_EQ(read.get("log-level"), "3");
    const struct {
      const char* key;
      const std::string& value;
    } values[] = {{"sni", sni},
                  {"connect-tag", tag},
                  {"session-id", session},
                  {"locale", locale},
                  {"logfile", logfile}};
    for (const auto& v : values) {
      EXPECT_EQ(IsSet(read, v.key), !v.value.empty()) << v.key;
      ASSERT_EQ(read.get(v.key), v.value) << v.key;
    }
    EXPECT_EQ(read.get_bool("full-screen"), !windowed);
    EXPECT_EQ(read.get_bool("use-smartcard"), smartcard);
    EXPECT_EQ(read.get_bool("disable-usb"), usb_off);
    EXPECT_EQ(read.get_bool("usb-auto-forward"), usb_forward);
  }
}
