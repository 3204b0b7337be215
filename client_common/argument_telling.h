// Internal: the two ways the launch-argument parser runs. Silent is the
// plain parse, whose every call here compiles to nothing; Told builds one
// ArgumentEvent per argument or part and hands it to the caller's observer.
// The parser is written once, as templates over these two.
#ifndef CLIENT_COMMON_ARGUMENT_TELLING_H_
#define CLIENT_COMMON_ARGUMENT_TELLING_H_

#include <string_view>

#include "client_common/argument_events.h"
#include "client_common/uri_syntax.h"
#include "option_list/key_lookup.h"

namespace client_common::internal {

struct Silent {
  std::string_view argument;
  void start(std::string_view, ArgumentSource) {}
  void drops(option_list&, std::string_view) {}
  void before(const KeyRecords&, std::string_view) {}
  void assigned(std::string_view, const KeyRecords&, bool) {}
  void assigned_true(std::string_view, const KeyRecords&, bool) {}
  void switch_given_value(const KeyRecords&) {}
  void filled() {}
  void waits(std::string_view, const KeyRecords&) {}
  void faults(UriFault) {}
  void blanks(std::string_view) {}
  void ignored() {}
  void tell() {}
};

// Why the table refused `key`, looked up as `found`, in the order its
// assignment rule tests them.
inline ArgumentRefusal refusal_of(std::string_view key,
                                  const KeyRecords& found) {
  if (malformed_key(key)) return ArgumentRefusal::kMalformedKey;
  if (found.first == nullptr) return ArgumentRefusal::kUnknownKey;
  if (found.assignable == nullptr) return ArgumentRefusal::kNotFromUri;
  return ArgumentRefusal::kNoValue;
}

struct Told {
  const ArgumentObserver& observer;
  std::string_view argument;  // the token, or the whole launch URI
  ArgumentEvent event{};
  bool held = false;  // the record held the value before the assignment

  // A new event for `text`; nothing done yet.
  void start(std::string_view text, ArgumentSource source) {
    event = ArgumentEvent{};
    event.argument = argument;
    event.text = text;
    event.source = source;
  }
  // The waiting `key` this text drops.
  void drops(option_list& opts, std::string_view key) {
    event.dropped = find_key(opts.options, key, Origin::kCommandLine).first;
  }
  // Before an assignment of `value`: whether its record holds it already.
  void before(const KeyRecords& found, std::string_view value) {
    held = found.assignable != nullptr && found.assignable->is_set &&
           found.assignable->value == value;
  }
  // set's rule applied to `key`: stored (again when held), or refused.
  void assigned(std::string_view key, const KeyRecords& found, bool stored) {
    told(key, found, stored, refusal_of(key, found));
  }
  // set_true's rule, which refuses only a switch a launch URI may not set.
  void assigned_true(std::string_view key, const KeyRecords& found,
                     bool stored) {
    told(key, found, stored, ArgumentRefusal::kNotFromUri);
  }
  // The key's first record is a switch, and the text gave it a value.
  void switch_given_value(const KeyRecords& found) {
    event.refusal = ArgumentRefusal::kSwitchGivenValue;
    event.option = found.first;
  }
  void told(std::string_view key, const KeyRecords& found, bool stored,
            ArgumentRefusal why) {
    event.key = key;
    if (stored) {
      event.outcome = held ? ArgumentOutcome::kSetAgain : ArgumentOutcome::kSet;
      event.option = found.assignable;
      event.value = found.assignable->value;
    } else {
      event.outcome = ArgumentOutcome::kRefused;
      event.refusal = why;
      event.option = found.first;
    }
  }
  // The assignment just told filled the key that waited.
  void filled() {
    if (event.outcome != ArgumentOutcome::kRefused)
      event.outcome = ArgumentOutcome::kFilled;
    event.dropped = nullptr;
  }
  void waits(std::string_view key, const KeyRecords& found) {
    event.key = key;
    event.outcome = ArgumentOutcome::kWaits;
    event.option = found.first;
  }
  // Only the first fault of a part is told.
  void faults(UriFault fault) {
    if (event.fault == UriFault::kNone) event.fault = fault;
  }
  void blanks(std::string_view parameter) {
    if (parameter.find_first_of(kBlanks) != std::string_view::npos)
      faults(UriFault::kBlank);
  }
  void ignored() { event.outcome = ArgumentOutcome::kIgnoredUri; }
  void tell() const {
    if (observer.on_event != nullptr)
      observer.on_event(event, observer.context);
  }
};

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_ARGUMENT_TELLING_H_
