#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option_list/option_list.h"
#include "tests/support/qarel_core_double.h"

namespace {
// The table of the worked example in the README.
option_list Example() {
  option_list t;
  t.add("l", "log-level", false, "info", "Log level", true, false, true);
  t.add("", "connect-tag", false, "", "Connection tag", false, false, false);
  t.add("f", "full-screen", true, "", "Start in full screen", true, true, true);
  t.set("log-level", "debug", false, false);
  t.set("connect-tag", "any text", false, false);
  return t;
}

std::vector<std::string> LoggedTexts() {
  std::vector<std::string> texts;
  for (const auto& c : core_double::calls()) {
    EXPECT_EQ(c.category, 110);
    EXPECT_EQ(c.level, 0);
    EXPECT_EQ(c.code, 0);
    texts.push_back(c.text);
  }
  return texts;
}

std::string Stdout(const std::function<void()>& write) {
  testing::internal::CaptureStdout();
  write();
  return testing::internal::GetCapturedStdout();
}

using Report = CoreRecorder;
}  // namespace

TEST_F(Report, OptionsOnStandardOutput) {
  option_list t = Example();
  EXPECT_EQ(
      Stdout([&] { t.log_options(false, false, true); }),
      "\n"
      "Short                       Long Key           Value Description\n"
      "-----                       --------           ----- -----------\n"
      "   -l                      log-level           debug Log level\n"
      "                         connect-tag        ******** Connection tag\n"
      "   -f                    full-screen                 Start in full "
      "screen\n");
  EXPECT_EQ(
      Stdout([&] { t.log_options(true, false, true); }),
      "\n"
      "Short                       Long Key           Value Description\n"
      "-----                       --------           ----- -----------\n"
      "   -l                      log-level           debug Log level\n"
      "                         connect-tag        ******** Connection tag\n");
  EXPECT_TRUE(core_double::calls().empty());
}

TEST_F(Report, DefaultsOnStandardOutput) {
  option_list t = Example();
  EXPECT_EQ(
      Stdout([&] { t.log_defaults(false, true); }),
      "\n"
      "Program options are:\n"
      "Short                       Long Key         Default Description\n"
      "-----                       --------         ------- -----------\n"
      "   -l                      log-level            info Log level\n"
      "                         connect-tag                 Connection tag\n"
      "   -f                    full-screen                 DEPRECATED\n");
  EXPECT_TRUE(core_double::calls().empty());
}

TEST_F(Report, EventLogFormHasItsOwnRuleLine) {
  option_list t = Example();
  EXPECT_EQ(Stdout([&] { t.log_defaults(true, false); }), "");
  EXPECT_EQ(
      LoggedTexts(),
      (std::vector<std::string>{
          "Program options are:",
          "Short                       Long Key         Default Description",
          "-----                       --------           ----- -----------",
          "   -l                      log-level            info Log level",
          "                         connect-tag                 Connection tag",
          "   -f                    full-screen                 DEPRECATED"}));
  core_double::reset();
  t.log_options(true, true, false);
  EXPECT_EQ(
      LoggedTexts(),
      (std::vector<std::string>{
          "Short                       Long Key           Value Description",
          "-----                       --------           ----- -----------",
          "   -l                      log-level           debug Log level",
          "                         connect-tag        ******** Connection "
          "tag"}));
}

TEST_F(Report, EmptyTableAndNoOutputs) {
  option_list t;
  EXPECT_EQ(
      Stdout([&] { t.log_options(false, false, true); }),
      "\n"
      "Short                       Long Key           Value Description\n"
      "-----                       --------           ----- -----------\n");
  option_list example = Example();
  EXPECT_EQ(Stdout([&] {
              example.log_options(false, false, false);
              example.log_defaults(false, false);
            }),
            "");
  EXPECT_TRUE(core_double::calls().empty());
  t.log_options(false, true, false);
  EXPECT_EQ(core_double::calls().size(), 2u);
}

TEST_F(Report, ColumnsGrowAndFormatCharactersPassThrough) {
  option_list t;
  t.add("abc", std::string(35, 'k'), false, "%s", "100% %d", true, false,
        false);
  t.add("", "empty", false, "", "", false, false, false);
  const std::string expected_rows =
      "   -a " + std::string(35, 'k') + "              %s 100% %d\n" +
      "                               empty                 \n";
  const std::string out = Stdout([&] { t.log_defaults(true, true); });
  EXPECT_EQ(out.substr(out.size() - expected_rows.size()), expected_rows);
  const auto texts = LoggedTexts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[3] + "\n", expected_rows.substr(0, texts[3].size() + 1));
  // Masked in the options report, even when empty.
  t.set("empty", "", false, false);
  EXPECT_NE(Stdout([&] {
              t.log_options(true, false, true);
            }).find("       empty        ******** \n"),
            std::string::npos);
}

TEST_F(Report, EventLogLinesComeBeforeStandardOutputLines) {
  option_list t = Example();
  core_double::echo_to_stdout(true);
  EXPECT_EQ(
      Stdout([&] { t.log_options(false, true, true); }),
      "[log] Short                       Long Key           Value Description\n"
      "[log] -----                       --------           ----- -----------\n"
      "\n"
      "Short                       Long Key           Value Description\n"
      "-----                       --------           ----- -----------\n"
      "[log]    -l                      log-level           debug Log level\n"
      "   -l                      log-level           debug Log level\n"
      "[log]                          connect-tag        ******** Connection "
      "tag\n"
      "                         connect-tag        ******** Connection tag\n"
      "[log]    -f                    full-screen                 Start in "
      "full screen\n"
      "   -f                    full-screen                 Start in full "
      "screen\n");
  const std::string defaults = Stdout([&] { t.log_defaults(true, true); });
  EXPECT_EQ(
      defaults.substr(0, defaults.find("\n   -l")),
      "[log] Program options are:\n"
      "[log] Short                       Long Key         Default Description\n"
      "[log] -----                       --------           ----- -----------\n"
      "\n"
      "Program options are:\n"
      "Short                       Long Key         Default Description\n"
      "-----                       --------         ------- -----------\n"
      "[log]    -l                      log-level            info Log level");
}
