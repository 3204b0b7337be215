// The words of the refusal reasons, and the keys of events as a client may
// show them, in one place for every client.
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

std::string argument_shown_key(const client_common::ArgumentEvent& event) {
  using client_common::ArgumentOutcome;
  const bool refused = event.outcome == ArgumentOutcome::kRefused;
  if (refused && event.dropped != nullptr && !event.dropped->show_value)
    return std::string(client_common::kMaskedValue);
  std::string key(event.key);
  const std::size_t equals = key.find('=');
  if (event.option != nullptr && !event.option->show_value &&
      equals != std::string::npos)
    key.replace(equals + 1, std::string::npos, client_common::kMaskedValue);
  return key;
}
