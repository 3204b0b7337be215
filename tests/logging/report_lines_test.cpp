// The report's own lines are tested with the reports; here, the null
// arguments other callers may pass.
#include <gtest/gtest.h>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"

using ReportLines = CoreRecorder;

TEST_F(ReportLines, NullArgumentsWriteNothingOrAnEmptyColumn) {
  write_header(nullptr, "x");
  log_outputs(nullptr, "-a", "k", "v", "d");
  log_outputs("%s|%s|%s|%s", nullptr, "k", "v", "d");
  EXPECT_EQ(core_log().calls, Calls{"log 110 0 0 |k|v|d"});
}
