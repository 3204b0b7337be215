// The report's own lines are tested with the reports; here, what other
// callers may pass.
#include <gtest/gtest.h>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"

using ReportLines = CoreRecorder;

TEST_F(ReportLines, TextsAreArgumentsAndNullsAreSafe) {
  write_header("%s|%s|%s|%s", "%n");
  log_outputs("%s|%s|%s|%s", nullptr, "%d", "v", "d");
  write_header(nullptr, "x");
  log_outputs(nullptr, "-a", "k", "v", "d");
  EXPECT_EQ(core_log().calls,
            (Calls{"log 110 0 0 Short|Long Key|%n|Description",
                   "log 110 0 0 -----|--------|-----|-----------",
                   "log 110 0 0 |%d|v|d"}));
}
