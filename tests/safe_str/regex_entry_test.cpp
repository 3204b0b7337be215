#include <gtest/gtest.h>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

using RegexEntry = HandlerRecorder;

TEST_F(RegexEntry, ChecksItsArgumentsThenSaysItIsUnavailable) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 4, "p", nullptr, 11), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "qarel_safe_api_sscanf_regex: n_storage_provided(11) is bigger "
            "than maximum(10)");  // printed, not reported
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 4, "p", nullptr, 10), -1);
  EXPECT_EQ(qarel_safe_api_sscanf_regex("", 4, "p", nullptr, 0), -1);
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 0, "p", nullptr, 1), -1);
  const char* zero =
      "405 qarel_safe_api_sscanf_regex: string_for_checking has zero length";
  EXPECT_EQ(reports, (Reports{"409 qarel_safe_api_sscanf_regex: Please "
                              "customize implementation of RegEx API for "
                              "your platform",
                              zero, "401 qarel_strnlen_s: dmax is 0", zero}));
}
