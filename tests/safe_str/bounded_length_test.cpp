#include <gtest/gtest.h>

#include <vector>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

using BoundedLength = HandlerRecorder;

TEST_F(BoundedLength, CountsUpToTheBound) {
  EXPECT_EQ(qarel_strnlen_s("abc", 10), 3u);
  EXPECT_EQ(qarel_strnlen_s("abc", 3), 3u);
  EXPECT_EQ(qarel_strnlen_s("abc", 2), 2u);
  EXPECT_EQ(qarel_strnlen_s("", 4), 0u);
  EXPECT_EQ(qarel_strnlen_s(nullptr, 4), 0u);
  EXPECT_TRUE(reports().empty()) << "a null string is not reported";
}

TEST_F(BoundedLength, ZeroBoundIsReported) {
  EXPECT_EQ(qarel_strnlen_s("abc", 0), 0u);
  EXPECT_EQ(reports(),
            (std::vector<HandlerReport>{{"qarel_strnlen_s: dmax is 0", 401}}));
}
