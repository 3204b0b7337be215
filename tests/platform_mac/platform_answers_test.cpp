// The platform answers, the same on every call.
#include <gtest/gtest.h>

#include "platform_mac/platform_mac.h"

TEST(PlatformAnswers, FixedOnEveryCall) {
  for (int call = 0; call < 2; ++call) {
    EXPECT_TRUE(valid_platform());
    EXPECT_EQ(quor_attach_console(), 0);
    EXPECT_EQ(check_connection_status(), 0);
    quor_deattach_console();
  }
}
