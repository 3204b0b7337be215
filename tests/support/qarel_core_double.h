// A recording double of the six core event-log functions: it keeps every call
// with its arguments, in order, and answers with a result the test chooses.
#ifndef TESTS_SUPPORT_QAREL_CORE_DOUBLE_H_
#define TESTS_SUPPORT_QAREL_CORE_DOUBLE_H_

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

struct CoreCall {
  std::string function;
  // mQUOR_EVENT_LOG_MESSAGE
  int category = 0;
  int level = 0;
  int code = 0;
  std::string format;
  std::string text;  // the format applied to its arguments
  // qarel_client_log_init (level above as well)
  std::string first;
  std::string second;
  // quor_event_init_ext_cfg: the record's bytes and the strings it points to
  std::array<unsigned char, 64> record{};
  bool record_pointers_set = false;  // none of the four pointers was null
  std::string label, directory, source, file_name;
};

namespace core_double {
std::vector<CoreCall>& calls();
// Forgets every call and makes every function answer 0 again.
void reset();
// What `function` answers from now on.
void set_result(const std::string& function, int result);
// A call of `function` without arguments, and keeping one: returns what the
// function answers.
CoreCall named(const char* function);
int record(const CoreCall& call);
// When on, every event-log line is also printed to standard output as
// "[log] <text>", so a test sees how the two outputs interleave.
void echo_to_stdout(bool on);
bool echoing();
// Only the calls of one function.
std::vector<CoreCall> calls_of(const std::string& function);
}  // namespace core_double

// Starts each test with an empty record of calls.
class CoreRecorder : public ::testing::Test {
 protected:
  void SetUp() override { core_double::reset(); }
  void TearDown() override { core_double::echo_to_stdout(false); }
};

#endif  // TESTS_SUPPORT_QAREL_CORE_DOUBLE_H_
