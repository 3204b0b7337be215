#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "qarel_core/qarel_core.h"

namespace {
std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A fresh directory per test; the log is closed again afterwards.
class EventLog : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qarel_core_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    quor_event_close();
    qarel_client_log_level_set(2);
    std::filesystem::remove_all(dir_);
  }
  std::string dir_;
};

// A line's fields: level, category, code, session and text. The text is
// split off first: std::regex recurses per character and long text would
// overflow the stack.
struct Line {
  std::string level, category, code, text;
  int session = 0;
};
bool Parse(const std::string& line, Line* out) {
  static const std::regex kHeader(
      R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z \[(\w+)\] (-?\d+) (-?\d+) #(\d+))");
  const auto colon = line.find(": ");
  if (colon == std::string::npos) return false;
  const std::string header = line.substr(0, colon);
  std::smatch m;
  if (!std::regex_match(header, m, kHeader)) return false;
  *out = {m[1], m[2], m[3], line.substr(colon + 2), std::stoi(m[4])};
  return true;
}
}  // namespace

TEST_F(EventLog, WritesOneWholeLinePerCall) {
  ASSERT_EQ(qarel_client_log_init(dir_.c_str(), "client.log", 3), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, -501, "%s and %d", "text", 42);
  mQUOR_EVENT_LOG_MESSAGE(110, 1, 0, "error line");
  mQUOR_EVENT_LOG_MESSAGE(110, 2, 0, "info line");
  mQUOR_EVENT_LOG_MESSAGE(7, 3, 0, "debug line");
  const std::string long_text(100000, 'x');
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "%s", long_text.c_str());

  const auto lines = ReadLines(dir_ + "/client.log");
  ASSERT_EQ(lines.size(), 5u);
  const struct {
    const char* level;
    const char* category;
    const char* code;
    std::string text;
  } expected[] = {
      {"critical", "110", "-501", "text and 42"},
      {"error", "110", "0", "error line"},
      {"info", "110", "0", "info line"},
      {"debug", "7", "0", "debug line"},
      {"critical", "110", "0", long_text},  // never truncated
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Line l;
    ASSERT_TRUE(Parse(lines[i], &l)) << lines[i];
    EXPECT_EQ(l.level, expected[i].level);
    EXPECT_EQ(l.category, expected[i].category);
    EXPECT_EQ(l.code, expected[i].code);
    EXPECT_EQ(l.text, expected[i].text);
  }
}

TEST_F(EventLog, DropsLinesAboveTheLevel) {
  ASSERT_EQ(qarel_client_log_init(dir_.c_str(), "client.log", 1), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 2, 0, "dropped info");
  mQUOR_EVENT_LOG_MESSAGE(110, 1, 0, "kept error");
  EXPECT_EQ(qarel_client_log_level_set(4), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 4, 0, "kept level 4");
  mQUOR_EVENT_LOG_MESSAGE(110, 5, 0, "dropped level 5");
  // Refused levels change nothing.
  EXPECT_NE(qarel_client_log_level_set(6), 0);
  EXPECT_NE(qarel_client_log_level_set(-1), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 5, 0, "still dropped");

  const auto lines = ReadLines(dir_ + "/client.log");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("[error] 110 0 #"), std::string::npos);
  EXPECT_NE(lines[1].find("[4] 110 0 #"), std::string::npos) << lines[1];
}

TEST_F(EventLog, RefusesWhatItCannotOpen) {
  EXPECT_NE(qarel_client_log_init((dir_ + "/missing").c_str(), "a.log", 2), 0);
  EXPECT_NE(qarel_client_log_init(dir_.c_str(), "", 2), 0);
  EXPECT_NE(qarel_client_log_init(dir_.c_str(), nullptr, 2), 0);
  EXPECT_NE(qarel_client_log_init(dir_.c_str(), "a.log", 9), 0);
  EXPECT_EQ(quor_event_init_ext_cfg(nullptr), -1);
  quor_event_ext_cfg cfg{};
  cfg.directory = dir_.c_str();
  cfg.file_name = "";
  EXPECT_EQ(quor_event_init_ext_cfg(&cfg), -1);
  const std::string missing = dir_ + "/missing/";
  cfg.directory = missing.c_str();
  cfg.file_name = "event.log";
  EXPECT_EQ(quor_event_init_ext_cfg(&cfg), -1);
}

TEST_F(EventLog, RecordOpensASecondFileAndSessionsAreNumbered) {
  const std::string directory = dir_ + "/";
  quor_event_ext_cfg cfg{};
  cfg.directory = directory.c_str();
  cfg.file_name = "event.log";
  ASSERT_EQ(quor_event_init_ext_cfg(&cfg), 0);
  ASSERT_EQ(qarel_client_log_init(dir_.c_str(), "client.log", 2), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "first");
  EXPECT_EQ(quor_event_reset_session_log_id(), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "second");

  for (const char* file : {"/event.log", "/client.log"}) {
    const auto lines = ReadLines(dir_ + file);
    ASSERT_EQ(lines.size(), 2u) << file;
    Line first, second;
    ASSERT_TRUE(Parse(lines[0], &first));
    ASSERT_TRUE(Parse(lines[1], &second));
    EXPECT_EQ(second.session, first.session + 1);
  }
}

TEST_F(EventLog, AfterCloseLinesGoToStandardError) {
  ASSERT_EQ(qarel_client_log_init(dir_.c_str(), "client.log", 2), 0);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "in the file");
  EXPECT_EQ(quor_event_close(), 0);
  testing::internal::CaptureStderr();
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "after close");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("after close"),
            std::string::npos);
  EXPECT_EQ(ReadLines(dir_ + "/client.log").size(), 1u);
}

TEST_F(EventLog, ManyThreadsLoseAndInterleaveNothing) {
  ASSERT_EQ(qarel_client_log_init(dir_.c_str(), "client.log", 2), 0);
  constexpr int kThreads = 4;
  constexpr int kLines = 10000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      for (int i = 0; i < kLines; ++i)
        mQUOR_EVENT_LOG_MESSAGE(110, 2, 0, "thread %d line %d end", t, i);
    });
  }
  for (auto& thread : threads) thread.join();

  const auto lines = ReadLines(dir_ + "/client.log");
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
  const std::regex text(R"(thread (\d) line (\d+) end)");
  std::vector<int> next(kThreads, 0);  // each thread's lines stay in order
  for (const auto& line : lines) {
    Line l;
    std::smatch t;
    ASSERT_TRUE(Parse(line, &l)) << line;
    ASSERT_TRUE(std::regex_match(l.text, t, text)) << line;
    const int thread = std::stoi(t[1]);
    EXPECT_EQ(std::stoi(t[2]), next[thread]++);
  }
}
