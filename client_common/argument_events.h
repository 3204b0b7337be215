/// \file
/// What the launch-argument parser did with each argument, told as it
/// happens to an observer the caller hands in: the option each token or
/// launch-URI part touched, and why one was refused or made a URI
/// malformed. Without an observer the parser runs as it always did.
#ifndef CLIENT_COMMON_ARGUMENT_EVENTS_H_
#define CLIENT_COMMON_ARGUMENT_EVENTS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "client_common/export.h"
#include "option_list/option_list.h"

namespace client_common {

// Each enumeration below is open to growth: a later release may add
// enumerators (never renumber one), so a switch over it needs a default.

/// Where the text of an event came from.
enum class ArgumentSource : std::uint8_t {
  kCommandLine = 0,   ///< a command-line token
  kUriHost = 1,       ///< a launch URI's host
  kUriPort = 2,       ///< a launch URI's port
  kUriParameter = 3,  ///< a launch URI's query parameter
  kUri = 4,           ///< a whole launch URI, ignored (kIgnoredUri)
};

/// What the text did to the table.
enum class ArgumentOutcome : std::uint8_t {
  kSet = 0,         ///< stored a new value, or set the option the first time
  kSetAgain = 1,    ///< stored what the option already held: nothing changed
  kWaits = 2,       ///< a key whose value is expected in the next token
  kFilled = 3,      ///< the value of the key that waited, stored
  kRefused = 4,     ///< a rejection record was appended; see ArgumentRefusal
  kIgnoredUri = 5,  ///< a launch URI without "//" after the scheme
};

/// Why a text was refused.
enum class ArgumentRefusal : std::uint8_t {
  kNone = 0,              ///< not refused
  kUnknownKey = 1,        ///< no option has this key
  kMalformedKey = 2,      ///< empty, or not a letter, then letters, digits,
                          ///< "_" or "-"
  kSwitchGivenValue = 3,  ///< "key=value" for a switch
  kNotFromUri = 4,        ///< the option may not be set from a launch URI
  kNoValue = 5,           ///< a valued option given no value (or the text
                          ///< "Ignore_this_value", which means none)
};

/// What made a launch URI malformed, at the part that did.
enum class UriFault : std::uint8_t {
  kNone = 0,             ///< nothing: this part leaves the URI sound
  kEmptyHost = 1,        ///< the authority's host is empty
  kReservedInValue = 2,  ///< a reserved character in the raw value (RFC 3986)
  kBlank = 3,            ///< a space or tab in the parameter
  kMalformedKey = 4,     ///< the parameter's final key is malformed
};

/// One event per text the parser reads, in order:
/// - a command-line token: one event;
/// - a launch URI without "//" right after the scheme: one kIgnoredUri;
/// - any other launch URI: its authority runs from after the "//" to the
///   first "/" or "?" (or the end); one kUriPort event when the authority
///   holds a ":", then one kUriHost event; then, after the character that
///   ended the authority and any "?" that follow it, one kUriParameter
///   event per "&"-separated parameter up to the end. A path is part of the
///   first parameter; an empty parameter between two "&" ("&&") is one; a
///   trailing "&" starts none.
///
/// Lifetimes: `argument` and `text` view the caller's argument, and live as
/// long as it does. `option` and `dropped` point at records of the table,
/// which a parse never adds or removes. `value` views the record's value
/// until that record is assigned again. `key` lives for the callback only.
struct ArgumentEvent {
  /// sizeof(ArgumentEvent) in the library that told it: a field that a
  /// later release adds is there only when it ends within `size`.
  std::uint32_t size = sizeof(ArgumentEvent);
  ArgumentSource source = ArgumentSource::kCommandLine;  ///< of `text`
  ArgumentOutcome outcome = ArgumentOutcome::kSet;       ///< what it did
  ArgumentRefusal refusal = ArgumentRefusal::kNone;      ///< why refused
  UriFault fault = UriFault::kNone;  ///< what it made malformed
  /// The argument's position in the vector (0 for parse_uri_observed).
  std::size_t index = 0;
  /// Where `text` starts in `argument`.
  std::size_t offset = 0;
  std::string_view argument;  ///< the whole argument: the token, or the URI
  std::string_view text;      ///< the token, host, port or parameter
  /// The key as the table looked it up: the rejection record's key when
  /// refused, "address" or "port" for the authority, the waiting key when
  /// filled; empty for an ignored URI.
  std::string_view key;
  /// The record it set, filled or left waiting, or the first record its key
  /// names when refused; null when its key names none.
  const option_list::option* option = nullptr;
  /// The record whose key waited for its value and waits no more because
  /// this text came instead; null when none was dropped.
  const option_list::option* dropped = nullptr;
  /// The value stored (as decoded), for kSet, kSetAgain and kFilled.
  std::string_view value;
};

/// The observer: called once per event, in order, on the thread that
/// parses, with the `context` the caller gave. It returns 0; other values
/// are reserved for a later release (to stop the parse) and are read as 0
/// today.
///
/// It may call the parser again, with this table or another: that nested
/// parse starts with no key waiting, a key it leaves waiting is forgotten
/// when it returns, and the outer parse's waiting key is left untouched. It
/// should not throw; if it does, the exception leaves the parse at once, the
/// table keeps what was assigned before, and no key is left waiting.
using ArgumentCallback = int (*)(const ArgumentEvent& event, void* context);

}  // namespace client_common

/// The words for a refusal, for a client's log: "unknown key", "malformed
/// key", "a switch given a value", "a key a launch URI may not set", "a key
/// with no value"; "" for kNone.
/// \param refusal the event's reason
/// \return a constant text that lives as long as the process
CLIENT_COMMON_API const char* argument_refusal_text(
    client_common::ArgumentRefusal refusal);

/// The key of an event as a client's log or report may show it: the key as
/// the table looked it up, with a value that a masked option was given
/// ("pin=1234", refused, for a masked switch) written as "********"; and
/// "********" alone for a refused token that came where a masked key
/// waited for its value, as it was meant as that value. The library's own
/// reports mask the same values. Text from outside stays as it is: the
/// core log escapes what it writes.
/// \param event an event as the observer receives it
/// \return the key, masked
CLIENT_COMMON_API std::string argument_shown_key(
    const client_common::ArgumentEvent& event);

/// arg_to_params, telling `on_event` what each argument did. Results,
/// rejection records and warnings are those of arg_to_params; with a null
/// `on_event` it is arg_to_params.
/// \param args the launch arguments, the first one included
/// \param opts the option table they assign
/// \param on_event receives the events, in order; null for none
/// \param context handed to `on_event` as it is
/// \return true when some launch URI was malformed
CLIENT_COMMON_API bool arg_to_params_observed(
    const std::vector<std::string>& args, option_list& opts,
    client_common::ArgumentCallback on_event, void* context);

/// parse_uri, telling `on_event` what each part of the URI did; a URI
/// without "//" gives one kIgnoredUri event.
/// \param uri a launch URI whose first 15 characters the caller has matched
/// \param opts the option table it assigns
/// \param on_event receives the events, in order; null for none
/// \param context handed to `on_event` as it is
/// \return what parse_uri returns
CLIENT_COMMON_API bool parse_uri_observed(
    const std::string& uri, option_list& opts,
    client_common::ArgumentCallback on_event, void* context);

#endif  // CLIENT_COMMON_ARGUMENT_EVENTS_H_
