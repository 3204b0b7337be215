// Launch arguments into option assignments: command-line tokens, launch URIs
// and whole argument vectors, each parsed silently or telling an observer
// (argument_telling.h). Keys are looked up in place, as views of the
// argument: only a value that is stored, and a key that waits, are copied.
#include <algorithm>
#include <string>
#include <utility>

#include "client_common/argument_telling.h"
#include "client_common/client_common.h"
#include "client_common/percent_encoding.h"
#include "client_common/uri_syntax.h"
#include "option_list/assignment_rules.h"
#include "option_list/ignore_value.h"
#include "option_list/key_lookup.h"
#include "safe_str/char_classes.h"
#include "safe_str/equal_ignoring_case.h"

namespace client_common::internal {
namespace {

// A command-line key given without "=" waits for its value in the next
// token ("-l", then "3"), even across calls of arg_to_params. Process-wide
// and never reset.
struct PendingKey {
  std::string key;
  bool waiting = false;
};
PendingKey process_pending;
PendingKey* pending = &process_pending;  // the current parse's

// How many observer callbacks are running now, one inside another.
int callbacks_running = 0;

// A parse started from inside an observer's callback has a waiting key of
// its own: none at first. The outer parse's is left untouched, so that the
// event that the callback holds still views it.
class NestedParse {
 public:
  NestedParse() : outer_(pending) {
    if (callbacks_running > 0) pending = &own_;
  }
  ~NestedParse() { pending = outer_; }
  NestedParse(const NestedParse&) = delete;
  NestedParse& operator=(const NestedParse&) = delete;

 private:
  PendingKey* outer_;
  PendingKey own_;
};

// set with `value`, telling `events` what it did.
template <class Events>
[[gnu::always_inline]] inline bool assign_text(
    Events& events, option_list& opts, std::string_view key,
    const KeyRecords& found, std::string&& value, Assignment how) {
  events.before(found, value);
  const bool stored = assign_value(opts, key, std::move(value), how, found);
  events.assigned(key, found, stored);
  return stored;
}

// set_true when the key's first record is a switch, set with `value` else.
// The value string is made only for set: a switch given kIgnoreValue, as a
// bare launch-URI key is, allocates nothing. Always inlined, like
// assign_pair: out of line, it cost each launch 130 instructions more.
template <class Events, class Value>
[[gnu::always_inline]] inline void assign(Events& events, option_list& opts,
                                          std::string_view key,
                                          const KeyRecords& found,
                                          Value&& value, Assignment how) {
  if (found.is_switch()) {
    events.before(found, kTrue);
    const bool stored = assign_true(opts, key, how, found);
    events.assigned_true(key, found, stored);
  } else {
    assign_text(events, opts, key, found,
                std::string(std::forward<Value>(value)), how);
  }
}

// Whether the key an argument tried is well formed: a launch-URI
// parameter with a malformed key makes the URI malformed.
enum class KeyForm : bool { kWellFormed, kMalformed };

// Assigns "key=value", the key starting after `dashes` leading dashes; the
// value is percent-decoded. A switch takes no value: the whole token after
// the dashes then becomes the key, which the table refuses. Returns the
// form of the key it tried: only a refused value needs that test, as set
// takes no malformed key. Always inlined: left to its size rule, the
// compiler keeps it out of line, and every argument pays for the call.
template <class Events>
[[gnu::always_inline]] inline KeyForm assign_pair(
    Events& events, option_list& opts, std::string_view token,
    std::size_t dashes, std::size_t equals, Assignment how) {
  const std::string_view key = token.substr(dashes, equals - dashes);
  const KeyRecords found = find_key(opts.options, key, how.origin);
  if (!found.is_switch()) {
    const bool stored =
        assign_text(events, opts, key, found,
                    percent::decode(token.substr(equals + 1)), how);
    return !stored && malformed_key(key) ? KeyForm::kMalformed
                                         : KeyForm::kWellFormed;
  }
  const std::string_view whole = token.substr(dashes);
  assign(events, opts, whole, find_key(opts.options, whole, how.origin),
         std::string(), how);
  events.switch_given_value(found);
  return malformed_key(whole) ? KeyForm::kMalformed : KeyForm::kWellFormed;
}

template <class Events>
void parse_command_line_token(Events& events, std::string_view token,
                              option_list& opts) {
  events.start(token, ArgumentSource::kCommandLine);
  PendingKey& pending_key = *pending;
  // Whatever this token is, the key that waited has had its chance.
  const bool waited = std::exchange(pending_key.waiting, false);
  if (waited) events.drops(opts, pending_key.key);
  const std::size_t dashes =
      std::min(token.find_first_not_of('-'), token.size());
  const std::size_t equals = token.find('=');
  if (equals != std::string_view::npos) {
    assign_pair(events, opts, token, dashes, equals, kFromCommandLine);
    return events.tell();
  }

  const std::string_view rest = token.substr(dashes);
  const KeyRecords found = find_key(opts.options, rest, Origin::kCommandLine);
  if (found.is_switch()) {
    assign(events, opts, rest, found, kTrue, kFromCommandLine);
    return events.tell();
  }
  if (found.first != nullptr && !malformed_key(rest)) {
    events.waits(rest, found);     // before the key it may drop is replaced
    pending_key.key.assign(rest);  // its value comes next
    pending_key.waiting = true;
    return events.tell();
  }
  if (rest.size() == 2 && contains(kDigits, rest[1]) &&
      !malformed_key(rest.substr(0, 1))) {
    // "-l3": a short key and a one-digit value, not decoded.
    const KeyRecords short_key =
        find_key(opts.options, rest.substr(0, 1), Origin::kCommandLine);
    if (short_key.first != nullptr) {
      assign(events, opts, rest.substr(0, 1), short_key,
             std::string(rest.substr(1)), kFromCommandLine);
      return events.tell();
    }
  }
  if (dashes > 0 || !waited) {
    // A key no option has: reported rather than silently dropped.
    assign(events, opts, rest, found, kIgnoreValue, kFromCommandLine);
  } else {
    // The value of the waiting key.
    assign(events, opts, pending_key.key,
           find_key(opts.options, pending_key.key, Origin::kCommandLine),
           percent::decode(token), kFromCommandLine);
    events.filled();
  }
  events.tell();
}

// A launch-URI parameter never waits for a value, and drops a key that was
// waiting. True when it is malformed: a reserved character in its raw value,
// or a badly formed final key.
template <class Events>
bool parse_uri_parameter(Events& events, std::string_view parameter,
                         option_list& opts) {
  events.start(parameter, ArgumentSource::kUriParameter);
  if (std::exchange(pending->waiting, false)) events.drops(opts, pending->key);
  const std::size_t equals = parameter.find('=');
  bool malformed;
  if (equals != std::string_view::npos) {
    const bool reserved = any_in(kReserved, parameter.substr(equals + 1));
    malformed = assign_pair(events, opts, parameter, 0, equals,
                            kFromLaunchUri) == KeyForm::kMalformed;
    if (malformed) events.faults(UriFault::kMalformedKey);
    if (reserved) events.faults(UriFault::kReservedInValue);
    malformed = malformed || reserved;
  } else {
    // A bare key: a switch, or a key given no value, which the table
    // refuses.
    assign(events, opts, parameter,
           find_key(opts.options, parameter, Origin::kLaunchUri), kIgnoreValue,
           kFromLaunchUri);
    malformed = malformed_key(parameter);
    if (malformed) events.faults(UriFault::kMalformedKey);
  }
  return malformed;
}

constexpr std::size_t kAuthorityStart =
    kLaunchUriScheme.size() + kLaunchUriMarker.size();

bool has_scheme(const std::string& arg) {
  return arg.size() >= kLaunchUriScheme.size() &&
         equal_ignoring_case(
             std::string_view(arg).substr(0, kLaunchUriScheme.size()),
             kLaunchUriScheme);
}

template <class Events>
void set_from_uri(Events& events, option_list& opts, std::string_view key,
                  std::string_view value, ArgumentSource source) {
  events.start(value, source);
  assign_text(events, opts, key,
              find_key(opts.options, key, Origin::kLaunchUri),
              std::string(value), kFromLaunchUri);
}

template <class Events>
bool parse_launch_uri(Events& events, std::string_view uri, option_list& opts) {
  if (uri.size() < kAuthorityStart ||
      uri.compare(kLaunchUriScheme.size(), kLaunchUriMarker.size(),
                  kLaunchUriMarker) != 0) {
    events.start(uri, ArgumentSource::kUri);
    events.ignored();
    events.tell();
    return false;
  }
  const std::size_t authority_end = static_cast<std::size_t>(
      std::find_if(uri.begin() + kAuthorityStart, uri.end(),
                   [](char c) { return contains(kAuthorityEnd, c); }) -
      uri.begin());
  const std::string_view host =
      uri.substr(kAuthorityStart, authority_end - kAuthorityStart);
  const std::size_t colon = std::min(host.find(':'), host.size());
  if (colon < host.size()) {
    set_from_uri(events, opts, "port", host.substr(colon + 1),
                 ArgumentSource::kUriPort);
    events.tell();
  }
  set_from_uri(events, opts, "address", host.substr(0, colon),
               ArgumentSource::kUriHost);
  bool malformed = colon == 0;
  if (malformed) events.faults(UriFault::kEmptyHost);
  events.tell();

  // The character that ended the authority is skipped, "/" or "?" alike;
  // a path is not recognised and becomes part of the first parameter.
  std::size_t pos =
      std::min(uri.find_first_not_of('?', authority_end + 1), uri.size());
  // A parameter holding a blank makes the URI malformed: the parameters
  // are all that follows, less their separators. Only then is each
  // parameter searched, to tell which.
  const bool blank = std::any_of(kBlanks.begin(), kBlanks.end(), [&](char c) {
    return uri.find(c, pos) != uri.npos;
  });
  malformed = malformed || blank;
  while (pos < uri.size()) {
    const std::size_t next =
        std::min(uri.find(kLaunchUriSeparator.front(), pos), uri.size());
    const std::string_view parameter = uri.substr(pos, next - pos);
    if (parse_uri_parameter(events, parameter, opts)) malformed = true;
    if (blank) events.blanks(parameter);
    events.tell();
    pos = next + 1;
  }
  return malformed;
}

template <class Events>
bool parse_arguments(Events& events, const std::vector<std::string>& args,
                     option_list& opts) {
  bool malformed = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    events.at(arg, i);
    if (has_scheme(arg)) {
      malformed = parse_launch_uri(events, arg, opts) || malformed;
    } else {
      parse_command_line_token(events, arg, opts);
    }
  }
  return malformed;
}

}  // namespace

void call_observer(ArgumentCallback on_event, const ArgumentEvent& event,
                   void* context) {
  ++callbacks_running;
  struct Leave {
    ~Leave() { --callbacks_running; }
  } leave;
  try {
    static_cast<void>(on_event(event, context));  // other results: reserved
  } catch (...) {
    pending->waiting = false;
    throw;
  }
}

}  // namespace client_common::internal

using client_common::ArgumentCallback;
using client_common::internal::NestedParse;
using client_common::internal::parse_arguments;
using client_common::internal::parse_command_line_token;
using client_common::internal::parse_launch_uri;
using client_common::internal::parse_uri_parameter;
using client_common::internal::Silent;
using client_common::internal::Told;

bool parseArg(const std::string& token, option_list& opts, bool from_uri) {
  NestedParse nested;
  Silent silent;
  if (from_uri) return parse_uri_parameter(silent, token, opts);
  parse_command_line_token(silent, token, opts);
  return false;  // command-line tokens are never malformed
}

bool arg_to_params(const std::vector<std::string>& args, option_list& opts) {
  NestedParse nested;
  Silent silent;
  return parse_arguments(silent, args, opts);
}

bool parse_uri(const std::string& uri, option_list& opts) {
  NestedParse nested;
  Silent silent;
  return parse_launch_uri(silent, uri, opts);
}

bool arg_to_params_observed(const std::vector<std::string>& args,
                            option_list& opts, ArgumentCallback on_event,
                            void* context) {
  if (on_event == nullptr) return arg_to_params(args, opts);
  NestedParse nested;
  Told told{on_event, context};
  return parse_arguments(told, args, opts);
}

bool parse_uri_observed(const std::string& uri, option_list& opts,
                        ArgumentCallback on_event, void* context) {
  if (on_event == nullptr) return parse_uri(uri, opts);
  NestedParse nested;
  Told told{on_event, context};
  told.at(uri, 0);
  return parse_launch_uri(told, uri, opts);
}
