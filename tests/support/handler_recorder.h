// A fixture that records every constraint-handler report and restores the
// handler that was installed before it.
#ifndef TESTS_SUPPORT_HANDLER_RECORDER_H_
#define TESTS_SUPPORT_HANDLER_RECORDER_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "safe_str/safe_str.h"

struct HandlerReport {
  std::string msg;
  int error;
  bool operator==(const HandlerReport& o) const {
    return msg == o.msg && error == o.error;
  }
};

inline void PrintTo(const HandlerReport& r, std::ostream* os) {
  *os << "{\"" << r.msg << "\", " << r.error << "}";
}

class HandlerRecorder : public ::testing::Test {
 protected:
  void SetUp() override {
    reports().clear();
    previous_ = set_str_constraint_handler_s(&Record);
  }
  void TearDown() override { set_str_constraint_handler_s(previous_); }

  static std::vector<HandlerReport>& reports() {
    static std::vector<HandlerReport> all;
    return all;
  }

 private:
  static void Record(const char* msg, void* ptr, int error) {
    EXPECT_EQ(ptr, nullptr);
    reports().push_back({msg, error});
  }
  str_constraint_handler_t previous_ = nullptr;
};

#endif  // TESTS_SUPPORT_HANDLER_RECORDER_H_
