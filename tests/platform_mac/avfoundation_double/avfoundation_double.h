// What the AVFoundation double recorded, for tests: each permission request
// and its completion handler, which runs only when a test answers.
#ifndef TESTS_PLATFORM_MAC_AVFOUNDATION_DOUBLE_AVFOUNDATION_DOUBLE_H_
#define TESTS_PLATFORM_MAC_AVFOUNDATION_DOUBLE_AVFOUNDATION_DOUBLE_H_

#include <string>
#include <vector>

namespace avfoundation_double {

struct Request {
  std::string media_type;  // AVMediaTypeAudio is "soun"
  bool with_handler;
};

// The requests since the last reset, in order.
std::vector<Request> requests();
// Handlers not yet run.
int unanswered();
// Runs every handler not yet run with `granted`.
void answer(bool granted);
// Forgets every request.
void reset();

}  // namespace avfoundation_double

#endif  // TESTS_PLATFORM_MAC_AVFOUNDATION_DOUBLE_AVFOUNDATION_DOUBLE_H_
