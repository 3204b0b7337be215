// A fixture that records every constraint-handler report as "<code> <msg>"
// and restores the handler that was installed before it.
#ifndef TESTS_SUPPORT_HANDLER_RECORDER_H_
#define TESTS_SUPPORT_HANDLER_RECORDER_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "safe_str/safe_str.h"

using Reports = std::vector<std::string>;

class HandlerRecorder : public ::testing::Test {
 protected:
  void SetUp() override { reports.clear(); }
  void TearDown() override { set_str_constraint_handler_s(previous_); }
  static inline Reports reports;

  // Records each report while the test runs.
  str_constraint_handler_t previous_ =
      set_str_constraint_handler_s([](const char* msg, void*, int error) {
        reports.push_back(std::to_string(error) + " " + msg);
      });
};

#endif  // TESTS_SUPPORT_HANDLER_RECORDER_H_
