// Internal: the two ways the launch-argument parser runs. Silent is the
// plain parse, whose every call here compiles to nothing; Told builds one
// ArgumentEvent per argument or part and hands it to the caller's observer,
// which is never null here: without one the plain parse runs. The parser is
// written once, as templates over these two.
#ifndef CLIENT_COMMON_ARGUMENT_TELLING_H_
#define CLIENT_COMMON_ARGUMENT_TELLING_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "client_common/argument_events.h"
#include "client_common/uri_syntax.h"
#include "option_list/key_lookup.h"

namespace client_common::internal {

struct Silent {
  void at(std::string_view, std::size_t) {}
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

// Calls the observer with the event: a parse started inside the callback is
// nested (launch_arguments.cpp), and a throw leaves no key waiting.
void call_observer(ArgumentCallback on_event, const ArgumentEvent& event,
                   void* context);

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
  Told(ArgumentCallback callback, void* its_context)
      : on_event(callback), context(its_context) {}

  ArgumentCallback on_event;
  void* context;
  std::string_view argument;  // the token, or the whole launch URI
  std::size_t index = 0;      // its place in the vector
  ArgumentEvent event{};
  bool held = false;  // the record held the value before the assignment

  // The waiting key this text drops, looked up only when the event is told
  // and the text did not fill it.
  option_list* drop_table = nullptr;
  std::string_view drop_key;

  void at(std::string_view next, std::size_t position) {
    argument = next;
    index = position;
  }
  // A new event for `text`, a part of the argument; nothing done yet. Each
  // field is set here, without a temporary: this runs once per event.
  void start(std::string_view text, ArgumentSource source) {
    event.source = source;
    event.outcome = ArgumentOutcome::kSet;
    event.refusal = ArgumentRefusal::kNone;
    event.fault = UriFault::kNone;
    event.index = index;
    event.offset = static_cast<std::size_t>(text.data() - argument.data());
    event.argument = argument;
    event.text = text;
    event.key = {};
    event.option = nullptr;
    event.dropped = nullptr;
    event.value = {};
    drop_table = nullptr;
  }
  // The waiting `key` this text drops, unless it fills it.
  void drops(option_list& opts, std::string_view key) {
    drop_table = &opts;
    drop_key = key;
  }
  // Looks up the dropped key, before the waiting key changes.
  void resolve_drop() {
    if (drop_table == nullptr) return;
    event.dropped =
        find_key(drop_table->options, drop_key, Origin::kCommandLine).first;
    drop_table = nullptr;
  }
  // Before an assignment of `value`: whether its record holds it already.
  void before(const KeyRecords& found, std::string_view value) {
    held = found.assignable != nullptr && found.assignable->is_set &&
           found.assignable->value == value;
  }
  // set's rule applied to `key`: stored (again when held), or refused.
  void assigned(std::string_view key, const KeyRecords& found, bool stored) {
    told(key, found, stored);
    if (!stored) event.refusal = refusal_of(key, found);  // only then: a scan
  }
  // set_true's rule, which refuses only a switch a launch URI may not set.
  void assigned_true(std::string_view key, const KeyRecords& found,
                     bool stored) {
    told(key, found, stored);
    if (!stored) event.refusal = ArgumentRefusal::kNotFromUri;
  }
  // The key's first record is a switch, and the text gave it a value: when
  // the whole text, tried as a key, was refused, that is why. (A table may
  // hold a record whose malformed key is that whole text, and take it.)
  void switch_given_value(const KeyRecords& found) {
    if (event.outcome != ArgumentOutcome::kRefused) return;
    event.refusal = ArgumentRefusal::kSwitchGivenValue;
    event.option = found.first;
  }
  void told(std::string_view key, const KeyRecords& found, bool stored) {
    event.key = key;
    if (stored) {
      event.outcome = held ? ArgumentOutcome::kSetAgain : ArgumentOutcome::kSet;
      event.option = found.assignable;
      event.value = found.assignable->value;
    } else {
      event.outcome = ArgumentOutcome::kRefused;
      event.option = found.first;
    }
  }
  // The assignment just told filled the key that waited.
  void filled() {
    if (event.outcome != ArgumentOutcome::kRefused)
      event.outcome = ArgumentOutcome::kFilled;
    drop_table = nullptr;
  }
  void waits(std::string_view key, const KeyRecords& found) {
    resolve_drop();
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
  void tell() {
    resolve_drop();
    call_observer(on_event, event, context);
  }
};

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_ARGUMENT_TELLING_H_
