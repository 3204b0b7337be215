#import "AVFoundation/AVFoundation.h"

#include <Block.h>

#include "avfoundation_standin.h"

AVMediaType const AVMediaTypeAudio = @"soun";

namespace {
using Handler = void (^)(BOOL);

struct State {
  std::vector<avfoundation_standin::Request> requests;
  std::vector<Handler> handlers;  // copied, released once run
};

State& state() {
  static State s;
  return s;
}
}  // namespace

@implementation AVCaptureDevice
+ (void)requestAccessForMediaType:(AVMediaType)mediaType
                completionHandler:(void (^)(BOOL granted))handler {
  state().requests.push_back({mediaType != nil ? [mediaType UTF8String] : "", handler != nil});
  if (handler != nil) state().handlers.push_back(Block_copy(handler));
}
@end

namespace avfoundation_standin {

std::vector<Request> requests() { return state().requests; }

int unanswered() { return static_cast<int>(state().handlers.size()); }

void answer(bool granted) {
  std::vector<Handler> handlers;
  handlers.swap(state().handlers);
  for (Handler handler : handlers) {
    handler(granted ? YES : NO);
    Block_release(handler);
  }
}

void reset() {
  answer(false);
  state().requests.clear();
}

}  // namespace avfoundation_standin
