// The core event log stand-in, against real files in a folder of its own.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "qarel_core/qarel_core.h"
#include "tests/support/temp_dir.h"

namespace {
// Log lines without their timestamps and session numbers, which must be
// well formed: "[critical] 110 -501: text".
std::string Unstamped(const std::string& lines) {
  static const std::regex kStampAndSession(
      R"((^|\n)\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z (\[\w+\] \d+ -?\d+) #\d+)");
  return std::regex_replace(lines, kStampAndSession, "$1$2");
}

struct CoreEventLog : ::testing::Test {
  void TearDown() override { quor_event_close(); }
  TempDir dir;
};
}  // namespace

TEST_F(CoreEventLog, WritesWholeLinesAtOrBelowTheLevel) {
  // Before any log is open (each case runs in a process of its own): info
  // and above, to standard error.
  testing::internal::CaptureStderr();
  EXPECT_EQ(mQUOR_EVENT_LOG_MESSAGE(110, 3, 0, "dropped"), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 2, 0, "info");
  EXPECT_EQ(Unstamped(testing::internal::GetCapturedStderr()),
            "[info] 110 0: info\n");
  ASSERT_EQ(qarel_client_log_init(dir.path.c_str(), "c.log", 3), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, -501, "%s and %d", "text", 42);
  mQUOR_EVENT_LOG_MESSAGE(7, 3, 0, "d");  // one character
  mQUOR_EVENT_LOG_MESSAGE(110, 4, 0, "dropped");
  EXPECT_EQ(qarel_client_log_level_set(5), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 5, 0, "%s", std::string(9999, 'x').c_str());
  EXPECT_EQ(qarel_client_log_level_set(0), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 1, 0, "dropped");
  EXPECT_EQ(mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "critical"), 0);
  for (int refused : {-1, 6})
    EXPECT_EQ(qarel_client_log_level_set(refused), -1);
  mQUOR_EVENT_LOG_MESSAGE(110, 1, 0, "still dropped");
  EXPECT_EQ(Unstamped(ReadFile(dir.file("c.log"))),
            "[critical] 110 -501: text and 42\n[debug] 7 0: d\n[5] 110 0: " +
                std::string(9999, 'x') + "\n[critical] 110 0: critical\n");
}

TEST_F(CoreEventLog, OpensOnlyWhatItCanAndNumbersSessions) {
  const std::string d = dir.path;
  EXPECT_EQ(qarel_client_log_init((d + "/missing").c_str(), "a", 2), -1);
  const std::pair<const char*, int> refused[] = {
      {"a", -1}, {"a", 6}, {"", 2}, {nullptr, 2}};
  for (const auto& [name, level] : refused)
    EXPECT_EQ(qarel_client_log_init(d.c_str(), name, level), -1);
  EXPECT_EQ(quor_event_init_ext_cfg(nullptr), -1);
  const std::string folder = d + "/";
  quor_event_ext_cfg cfg{};
  cfg.directory = folder.c_str();
  for (const char* name : {static_cast<const char*>(nullptr), ""}) {
    cfg.file_name = name;
    EXPECT_EQ(quor_event_init_ext_cfg(&cfg), -1);
  }
  cfg.file_name = "e.log";
  EXPECT_EQ(quor_event_init_ext_cfg(&cfg), 0);
  EXPECT_EQ(qarel_client_log_init(d.c_str(), "c.log", 5), 0);
  // A folder that already ends in a separator gets none added.
  EXPECT_EQ(qarel_client_log_init((d + "/sub\\").c_str(), "c.log", 0), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "first");
  EXPECT_EQ(quor_event_reset_session_log_id(), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "second");
  EXPECT_EQ(quor_event_close(), 0);
  for (const char* file : {"e.log", "sub\\c.log"}) {
    const std::string text = ReadFile(dir.file(file));
    const auto first = text.find(" #"), second = text.find(" #", first + 1);
    ASSERT_NE(second, std::string::npos) << file;
    EXPECT_EQ(std::stoi(text.substr(second + 2)),
              std::stoi(text.substr(first + 2)) + 1);
  }
  testing::internal::CaptureStderr();  // with no file open
  EXPECT_EQ(mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "after close"), 0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("] 110 0 #"),
            std::string::npos);
}
