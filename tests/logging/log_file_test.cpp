#include <gtest/gtest.h>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"

using LogFile = CoreRecorder;

TEST_F(LogFile, SplitsThePathAtTheLastSeparatorIntoTheRecord) {
  core_log().result = 17;  // handed back unchanged
  for (const char* path :
       {"/var/log/b.txt", "C:\\logs\\c.txt", "a/b\\c.txt", "c.txt", "logs/"})
    EXPECT_EQ(open_logfile(path, "second", "third"), 17);
  EXPECT_EQ(core_log().calls,
            (Calls{"cfg third|/var/log/|second|b.txt 257 10 1",
                   "cfg third|C:\\logs\\|second|c.txt 257 10 1",
                   "cfg third|a/|second|b\\c.txt 257 10 1",  // "/" first
                   "cfg third||second|c.txt 257 10 1",
                   "cfg third|logs/|second| 257 10 1"}));
}
