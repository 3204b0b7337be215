#include <gtest/gtest.h>

#include <string>

#include "safe_str/safe_str.h"

namespace {
std::string last;
void Remember(const char* msg, void* ptr, int error) {
  last = msg + std::string(ptr ? " ptr " : " null ") + std::to_string(error);
}
}  // namespace

TEST(ConstraintHandler, DefaultPrintsOneLineAndNullInstallsIgnore) {
  testing::internal::CaptureStdout();
  invoke_safe_str_constraint_handler("%s%n: 100%", nullptr, 401);
  qarel_strnlen_s("abc", 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "qarel_safe_api_error_handler: [401] %s%n: 100%\n"
            "qarel_safe_api_error_handler: [401] qarel_strnlen_s: dmax is 0\n");
  EXPECT_EQ(set_str_constraint_handler_s(nullptr),
            &qarel_safe_api_error_handler);
  EXPECT_EQ(set_str_constraint_handler_s(&Remember), &ignore_handler_s);
  invoke_safe_str_constraint_handler("m", &last, 7);
  EXPECT_EQ(last, "m ptr 7");
  set_str_constraint_handler_s(&qarel_safe_api_error_handler);
}
