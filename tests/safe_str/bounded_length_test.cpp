#include <gtest/gtest.h>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

using BoundedLength = HandlerRecorder;

TEST_F(BoundedLength, CountsUpToTheBound) {
  EXPECT_EQ(qarel_strnlen_s("abc", 10), 3u);
  EXPECT_EQ(qarel_strnlen_s("abc", 2), 2u);
  EXPECT_EQ(qarel_strnlen_s(nullptr, 4), 0u);  // silently
  EXPECT_EQ(qarel_strnlen_s("abc", 0), 0u);
  EXPECT_EQ(reports, Reports{"401 qarel_strnlen_s: dmax is 0"});
}
