#include <gtest/gtest.h>

#include <string>

#include "safe_str/safe_str.h"

TEST(ConstraintHandler, DefaultPrintsOneLineAndNullInstallsIgnore) {
  testing::internal::CaptureStdout();
  invoke_safe_str_constraint_handler("%s%n: 100%", nullptr, 401);
  qarel_strnlen_s("abc", 0);
  invoke_safe_str_constraint_handler(nullptr, nullptr, 5);  // no message
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "qarel_safe_api_error_handler: [401] %s%n: 100%\n"
            "qarel_safe_api_error_handler: [401] qarel_strnlen_s: dmax is 0\n"
            "qarel_safe_api_error_handler: [5] \n");
  EXPECT_EQ(set_str_constraint_handler_s(nullptr),
            &qarel_safe_api_error_handler);
  static std::string last;  // what the handler installed next was given
  EXPECT_EQ(set_str_constraint_handler_s([](const char* msg, void* ptr, int e) {
              last = msg + std::to_string(e) + (ptr ? " and ptr" : "");
            }),
            &ignore_handler_s);
  invoke_safe_str_constraint_handler("m", &last, 7);
  EXPECT_EQ(last, "m7 and ptr");
  set_str_constraint_handler_s(&qarel_safe_api_error_handler);
}
