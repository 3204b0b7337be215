// A recording double of the core event log's six functions, linked in place
// of the stand-in. Each call is kept as one line of text, in order, and every
// function answers `result`:
//   log <category> <level> <code> <text>      mQUOR_EVENT_LOG_MESSAGE
//   init <first> <second> <level>             qarel_client_log_init
//   level <level>                             qarel_client_log_level_set
//   cfg <label>|<dir>|<source>|<file> <flags> <max files> <format version>
//                                             quor_event_init_ext_cfg, when
//                                             every other byte is zero
//   reset, close                              the last two
#ifndef TESTS_SUPPORT_CORE_RECORDER_H_
#define TESTS_SUPPORT_CORE_RECORDER_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Calls = std::vector<std::string>;

struct CoreLog {
  Calls calls;
  int result = 0;
  // Also print each event-log line to standard output, as "[log <category>
  // <level> <code>] <text>", so a test sees how the two outputs interleave.
  bool echo = false;
};
CoreLog& core_log();

// What `write` printed to standard output, event-log texts echoed in place.
template <class Write>
std::string OutputWithLog(Write write) {
  core_log().echo = true;
  testing::internal::CaptureStdout();
  write();
  core_log().echo = false;
  return testing::internal::GetCapturedStdout();
}

// Starts each test with an empty record, answering 0.
class CoreRecorder : public ::testing::Test {
 protected:
  void SetUp() override { core_log() = {}; }
};

#endif  // TESTS_SUPPORT_CORE_RECORDER_H_
