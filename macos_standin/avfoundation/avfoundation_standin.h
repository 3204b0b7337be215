// What the AVFoundation stand-in recorded, for tests: each permission request
// and its completion handler, which runs only when a test answers.
#ifndef MACOS_STANDIN_AVFOUNDATION_AVFOUNDATION_STANDIN_H_
#define MACOS_STANDIN_AVFOUNDATION_AVFOUNDATION_STANDIN_H_

#include <string>
#include <vector>

namespace avfoundation_standin {

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

}  // namespace avfoundation_standin

#endif  // MACOS_STANDIN_AVFOUNDATION_AVFOUNDATION_STANDIN_H_
