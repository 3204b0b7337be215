// parse --open-log's file, written in-process against the core stand-in.
#include "tools/qarel_launch/event_log_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "tests/support/temp_dir.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename());
  return names;
}

struct EventLogFile : ::testing::Test {
  EventLogFile() : folder(open(dir.path.c_str(), O_RDONLY | O_DIRECTORY)) {
    opts.set("address", "h\n", false, false);
  }
  ~EventLogFile() override { close(folder); }
  TempDir dir;
  int folder;
  option_list opts = standard_options();
};
}  // namespace

TEST_F(EventLogFile, TheWholeLogUnderItsNameAndNothingElse) {
  EXPECT_EQ(write_event_log_file(opts, folder, "c.log"), "");
  EXPECT_EQ(Names(dir.path), std::set<std::string>{"c.log"});
  const std::string log = ReadFile(dir.file("c.log"));
  EXPECT_NE(log.find(" address              h\\x0a Host to connect to\n"),
            std::string::npos)
      << log;
  const std::string last = "#2: qarel-launch: Resource cleanup complete.\n";
  EXPECT_EQ(log.substr(log.size() - last.size()), last);
}

TEST_F(EventLogFile, NeverOverWhatIsThere) {
  std::ofstream(dir.file("c.log")) << "keep\n";
  EXPECT_EQ(write_event_log_file(opts, folder, "c.log"),
            "exists already; only a new file is written");
  EXPECT_EQ(ReadFile(dir.file("c.log")), "keep\n");
  EXPECT_EQ(Names(dir.path), std::set<std::string>{"c.log"});
}

// A log cut short (here by a file size limit, as by a full disk) is said,
// and leaves nothing behind.
TEST_F(EventLogFile, ALogCutShortLeavesNothing) {
  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = old_limit;
  limit.rlim_cur = 200;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const std::string problem = write_event_log_file(opts, folder, "c.log");
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(problem,
            "the event log is incomplete (a line or its close failed); "
            "nothing is left behind");
  EXPECT_TRUE(Names(dir.path).empty());
}
