#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

using RegexEntry = HandlerRecorder;

TEST_F(RegexEntry, TooManySlotsIsPrintedNotReported) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 4, "p", nullptr, 11), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "qarel_safe_api_sscanf_regex: n_storage_provided(11) is bigger "
            "than maximum(10)");
  EXPECT_TRUE(reports().empty());
}

TEST_F(RegexEntry, ChecksTheStringThenSaysItIsUnavailable) {
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 4, "p", nullptr, 10), -1);
  EXPECT_EQ(qarel_safe_api_sscanf_regex("", 4, "p", nullptr, 0), -1);
  EXPECT_EQ(qarel_safe_api_sscanf_regex(nullptr, 4, "p", nullptr, 1), -1);
  EXPECT_EQ(qarel_safe_api_sscanf_regex("text", 0, "p", nullptr, 1), -1);
  const char* zero =
      "qarel_safe_api_sscanf_regex: string_for_checking has "
      "zero length";
  const std::vector<HandlerReport> expected = {
      {"qarel_safe_api_sscanf_regex: Please customize implementation of "
       "RegEx API for your platform",
       409},
      {zero, 405},
      {zero, 405},
      {"qarel_strnlen_s: dmax is 0", 401},
      {zero, 405},
  };
  EXPECT_EQ(reports(), expected);
}
