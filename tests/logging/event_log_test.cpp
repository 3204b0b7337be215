#include <gtest/gtest.h>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"

using EventLogFacade = CoreRecorder;

TEST_F(EventLogFacade, CallsPassThroughAtMappedLevelsAndTellSuccess) {
  // By name, so each name's number is what a client passes; then two
  // numbers no name has.
  for (Level level : {LEVEL_DEBUG, LEVEL_INFO, LEVEL_CRITICAL, LEVEL_ERROR,
                      Level{4}, Level{-1}})
    log(level, "t", 7);
  log(LEVEL_ERROR, "100% of %s and %n", -501);
  EXPECT_TRUE(init_logger("dir", "name", boost::none));
  EXPECT_TRUE(init_logger("a", "b", 3));
  EXPECT_TRUE(set_log_level(boost::none));  // makes no call
  EXPECT_TRUE(set_log_level(1));
  EXPECT_TRUE(set_level(0));
  log_close("%s");
  EXPECT_TRUE(log_close_checked("c"));
  core_log().result = -1;
  EXPECT_FALSE(log_close_checked("c"));
  EXPECT_FALSE(init_logger("a", "b", 0));
  EXPECT_FALSE(set_log_level(9));
  EXPECT_FALSE(set_level(5));
  EXPECT_EQ(core_log().calls,
            (Calls{"log 110 3 7 t",
                   "log 110 2 7 t",
                   "log 110 0 7 t",
                   "log 110 1 7 t",
                   "log 110 2 7 t",
                   "log 110 2 7 t",
                   "log 110 1 -501 100% of %s and %n",
                   "init dir name 2",
                   "init a b 3",
                   "level 1",
                   "level 0",
                   "reset",
                   "log 110 2 0 %s: Resource cleanup complete.",
                   "close",
                   "reset",
                   "log 110 2 0 c: Resource cleanup complete.",
                   "close",
                   "reset",
                   "log 110 2 0 c: Resource cleanup complete.",
                   "close",
                   "init a b 0",
                   "level 9",
                   "level 5"}));
}
