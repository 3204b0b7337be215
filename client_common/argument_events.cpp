// The words of the refusal reasons, in one place for every client.
#include "client_common/argument_events.h"

const char* argument_refusal_text(client_common::ArgumentRefusal refusal) {
  using client_common::ArgumentRefusal;
  switch (refusal) {
    case ArgumentRefusal::kUnknownKey:
      return "unknown key";
    case ArgumentRefusal::kMalformedKey:
      return "malformed key";
    case ArgumentRefusal::kSwitchGivenValue:
      return "a switch given a value";
    case ArgumentRefusal::kNotFromUri:
      return "a key a launch URI may not set";
    case ArgumentRefusal::kNoValue:
      return "a key with no value";
    case ArgumentRefusal::kNone:
      break;
  }
  return "";
}
