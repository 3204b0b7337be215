// The core event log stand-in, against real files in a folder of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

// Only a regular file, never through a link: a FIFO (with no reader, which
// must not block), a folder and a link are refused like a missing folder.
TEST_F(CoreEventLog, OpensOnlyWhatItCanAndNumbersSessions) {
  const std::string d = dir.path;
  std::filesystem::create_symlink(dir.file("e.log"), dir.file("link"));
  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
  EXPECT_EQ(qarel_client_log_init((d + "/missing").c_str(), "a", 2), -1);
  const std::pair<const char*, int> refused[] = {
      {"a", -1},   {"a", 6},    {"", 2}, {nullptr, 2},
      {"link", 2}, {"fifo", 2}, {".", 2}};
  for (const auto& [name, level] : refused)
    EXPECT_EQ(qarel_client_log_init(d.c_str(), name, level), -1) << name;
  EXPECT_EQ(quor_event_init_ext_cfg(nullptr), -1);
  const std::string folder = d + "/";
  quor_event_ext_cfg cfg{};
  cfg.directory = folder.c_str();
  for (const char* name :
       {static_cast<const char*>(nullptr), "", "link", "fifo", "."}) {
    cfg.file_name = name;
    EXPECT_EQ(quor_event_init_ext_cfg(&cfg), -1);
  }
  cfg.file_name = "e.log";
  const mode_t old_mask = umask(0);
  EXPECT_EQ(quor_event_init_ext_cfg(&cfg), 0);
  umask(old_mask);
  EXPECT_EQ(
      std::filesystem::status(dir.file("e.log")).permissions(),
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
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

// One line a call, whatever the text holds (the escape form itself is
// text_escape's to test): here a line of its own for a shell's start file.
TEST_F(CoreEventLog, WritesOneLinePerCallWhateverTheTextHolds) {
  ASSERT_EQ(qarel_client_log_init(dir.path.c_str(), "c.log", 3), 0);
  EXPECT_EQ(mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "%s", "x\necho PWNED\n\\"), 0);
  EXPECT_EQ(mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "caf\xc3\xa9 \xe2\x80\xa8"), 0);
  EXPECT_EQ(quor_event_close(), 0);
  EXPECT_EQ(Unstamped(ReadFile(dir.file("c.log"))),
            "[critical] 110 0: x\\x0aecho PWNED\\x0a\\\\\n"
            "[critical] 110 0: caf\xc3\xa9 \\xe2\\x80\\xa8\n");
}

// A client started with standard input closed gets descriptor 0 for its
// log: its lines go there all the same, and the close releases it.
TEST_F(CoreEventLog, ALogOnDescriptorZeroIsWrittenToo) {
  const int stdin_copy = dup(STDIN_FILENO);
  close(STDIN_FILENO);
  const int opened = qarel_client_log_init(dir.path.c_str(), "c.log", 2);
  mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "on zero");
  quor_event_close();
  const bool released = fcntl(STDIN_FILENO, F_GETFD) == -1;
  dup2(stdin_copy, STDIN_FILENO);
  close(stdin_copy);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(Unstamped(ReadFile(dir.file("c.log"))),
            "[critical] 110 0: on zero\n");
  EXPECT_TRUE(released);
}

// A line that does not fit (here under a file size limit, as on a full
// disk) is said by the call and by the close, and leaves no part behind,
// not even the one byte the limit had room for.
TEST_F(CoreEventLog, ALineThatCannotBeWrittenWholeIsSaidAndCutOff) {
  ASSERT_EQ(qarel_client_log_init(dir.path.c_str(), "c.log", 2), 0);
  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = old_limit;
  limit.rlim_cur = 1;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const int result =
      mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "%s", std::string(200, 'x').c_str());
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_NE(result, 0);
  EXPECT_EQ(ReadFile(dir.file("c.log")), "");
  EXPECT_NE(quor_event_close(), 0);
}

// Eight writers and a thread that changes the level meanwhile, among levels
// that all keep the writers' lines: every line whole, none lost, and each
// writer's lines in the order it wrote them.
TEST_F(CoreEventLog, LinesFromManyThreadsStayWholeAndInOrder) {
  constexpr int kWriters = 8, kLines = 20000;
  ASSERT_EQ(qarel_client_log_init(dir.path.c_str(), "c.log", 2), 0);
  std::atomic<bool> writing{true};
  std::thread leveller([&] {
    for (int level = 0; writing; level = (level + 1) % 6)
      qarel_client_log_level_set(level);
  });
  std::vector<std::thread> writers;
  for (int t = 0; t < kWriters; ++t) {
    writers.emplace_back([t] {
      for (int i = 0; i < kLines; ++i)
        mQUOR_EVENT_LOG_MESSAGE(110, 0, 0, "w%d %d", t, i);
    });
  }
  for (std::thread& w : writers) w.join();
  writing = false;
  leveller.join();
  EXPECT_EQ(quor_event_close(), 0);

  std::istringstream lines(ReadFile(dir.file("c.log")));
  std::vector<int> next(kWriters, 0);
  int faults = 0;  // lines malformed or out of their writer's order
  for (std::string line; std::getline(lines, line);) {
    int writer = -1, index = 0, end = 0;
    std::sscanf(
        line.c_str(),
        "%*4d-%*2d-%*2dT%*2d:%*2d:%*2d.%*3dZ [critical] 110 0 #%*u: w%d %d%n",
        &writer, &index, &end);
    const bool whole =
        writer >= 0 && writer < kWriters && end == int(line.size());
    faults += !whole || index != next[writer];
    if (whole) next[writer] = index + 1;
  }
  EXPECT_EQ(faults, 0);
  EXPECT_EQ(next, std::vector<int>(kWriters, kLines));
}
