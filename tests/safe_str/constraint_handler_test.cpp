#include <gtest/gtest.h>

#include <string>

#include "safe_str/safe_str.h"
#include "tests/support/handler_recorder.h"

namespace {
int calls = 0;
void Counting(const char*, void*, int) { ++calls; }
}  // namespace

// Every test restores the handler it found, so the default is in place here.
TEST(ConstraintHandler, DefaultPrintsOneLineAndNullInstallsIgnore) {
  testing::internal::CaptureStdout();
  qarel_strcasecmp_s_wrapper("", "x");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "qarel_safe_api_error_handler: [401] qarel_strcasecmp_s: dmax is "
            "0\n");

  EXPECT_EQ(set_str_constraint_handler_s(nullptr),
            &qarel_safe_api_error_handler);
  testing::internal::CaptureStdout();
  qarel_strcasecmp_s_wrapper("", "x");
  EXPECT_EQ(qarel_strnlen_s("abc", 0), 0u);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(set_str_constraint_handler_s(&qarel_safe_api_error_handler),
            &ignore_handler_s);
}

TEST(ConstraintHandler, InvokePassesItsArgumentsThrough) {
  calls = 0;
  const auto previous = set_str_constraint_handler_s(&Counting);
  invoke_safe_str_constraint_handler("m", nullptr, 7);
  invoke_safe_str_constraint_handler(nullptr, nullptr, 0);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(set_str_constraint_handler_s(previous), &Counting);
}
