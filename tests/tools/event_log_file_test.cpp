// parse --open-log's file, written in-process against the core stand-in.
#include "tools/qarel_launch/event_log_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "tests/support/temp_dir.h"
#include "tools/qarel_launch/standard_options.h"

// A log cut short (here by a file size limit, as by a full disk) is said,
// and leaves nothing behind.
TEST(EventLogFile, ALogCutShortLeavesNothing) {
  TempDir dir;
  const int folder = open(dir.path.c_str(), O_RDONLY | O_DIRECTORY);
  option_list opts = standard_options();

  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = old_limit;
  limit.rlim_cur = 200;  // the banner's first line and a bit
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const std::string problem = write_event_log_file(opts, folder, "c.log");
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(problem,
            "the event log is incomplete (a line or its close failed); "
            "nothing is left behind");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
  close(folder);
}
