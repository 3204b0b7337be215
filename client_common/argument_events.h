/// \file
/// What the launch-argument parser did with each argument, told as it
/// happens to an observer the caller hands in: the option each token or
/// launch-URI part touched, and why one was refused or made a URI
/// malformed. Without an observer the parser runs as it always did.
#ifndef CLIENT_COMMON_ARGUMENT_EVENTS_H_
#define CLIENT_COMMON_ARGUMENT_EVENTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "client_common/export.h"
#include "option_list/option_list.h"

namespace client_common {

/// Where the text of an event came from.
enum class ArgumentSource {
  kCommandLine,   ///< a command-line token
  kUriAuthority,  ///< a launch URI's host or port, or a whole URI ignored
  kUriParameter,  ///< a launch URI's query parameter
};

/// What the text did to the table.
enum class ArgumentOutcome {
  kSet,         ///< stored a new value, or set the option for the first time
  kSetAgain,    ///< stored what the option already held: nothing changed
  kWaits,       ///< a key whose value is expected in the next token
  kFilled,      ///< the value of the key that waited, stored
  kRefused,     ///< a rejection record was appended; see ArgumentRefusal
  kIgnoredUri,  ///< a launch URI without "//" after the scheme: nothing read
};

/// Why a text was refused: the closed list of the table's reasons.
enum class ArgumentRefusal {
  kNone,              ///< not refused
  kUnknownKey,        ///< no option has this key
  kMalformedKey,      ///< not a letter, then letters, digits, "_" or "-"
  kSwitchGivenValue,  ///< "key=value" for a switch
  kNotFromUri,        ///< the option may not be set from a launch URI
  kNoValue,           ///< a valued option given no value (or the text
                      ///< "Ignore_this_value", which means none)
};

/// What made a launch URI malformed, at the part that did.
enum class UriFault {
  kNone,             ///< nothing: this part leaves the URI sound
  kEmptyHost,        ///< the authority's host is empty
  kReservedInValue,  ///< a reserved character in the raw value (RFC 3986)
  kBlank,            ///< a space or tab in the parameter
  kMalformedKey,     ///< the parameter's final key is malformed
};

/// One event: one per command-line token; per launch URI, one for its port
/// (when the authority has a ":"), then one for its host, then one per
/// query parameter; or a single kIgnoredUri for a URI without "//". The
/// views and pointers live for the duration of the callback only.
struct ArgumentEvent {
  std::string_view argument;  ///< the whole argument: the token, or the URI
  std::string_view text;      ///< the token, host, port or parameter
  /// The key as the table looked it up: the rejection record's key when
  /// refused, "address" or "port" for the authority, the waiting key when
  /// filled; empty for an ignored URI.
  std::string_view key;
  ArgumentSource source = ArgumentSource::kCommandLine;  ///< of `text`
  ArgumentOutcome outcome = ArgumentOutcome::kSet;       ///< what it did
  ArgumentRefusal refusal = ArgumentRefusal::kNone;      ///< why refused
  UriFault fault = UriFault::kNone;  ///< what it made malformed
  /// The record it set, filled or left waiting, or the first record its key
  /// names when refused; null when its key names none.
  const option_list::option* option = nullptr;
  /// The record whose key waited for its value and waits no more because
  /// this text came instead; null when none was dropped.
  const option_list::option* dropped = nullptr;
  /// The value stored (as decoded), for kSet, kSetAgain and kFilled.
  std::string_view value;
};

/// The observer: `on_event` is called with each event and `context`. A null
/// `on_event` observes nothing.
struct ArgumentObserver {
  /// Called once per event, in order, on the parsing thread; null for none.
  void (*on_event)(const ArgumentEvent& event, void* context) = nullptr;
  void* context = nullptr;  ///< handed back to `on_event` as it is
};

}  // namespace client_common

/// The words for a refusal, for a client's log: "unknown key", "malformed
/// key", "a switch given a value", "a key a launch URI may not set", "a key
/// with no value"; "" for kNone.
/// \param refusal the event's reason
/// \return a constant text that lives as long as the process
CLIENT_COMMON_API const char* argument_refusal_text(
    client_common::ArgumentRefusal refusal);

/// arg_to_params, telling `observer` what each argument did. Results,
/// rejection records and warnings are those of arg_to_params.
/// \param args the launch arguments, the first one included
/// \param opts the option table they assign
/// \param observer receives the events, in order
/// \return true when some launch URI was malformed
CLIENT_COMMON_API bool arg_to_params_observed(
    const std::vector<std::string>& args, option_list& opts,
    const client_common::ArgumentObserver& observer);

/// parse_uri, telling `observer` what each part of the URI did; a URI
/// without "//" gives one kIgnoredUri event.
/// \param uri a launch URI whose first 15 characters the caller has matched
/// \param opts the option table it assigns
/// \param observer receives the events, in order
/// \return what parse_uri returns
CLIENT_COMMON_API bool parse_uri_observed(
    const std::string& uri, option_list& opts,
    const client_common::ArgumentObserver& observer);

#endif  // CLIENT_COMMON_ARGUMENT_EVENTS_H_
