// Launch arguments into option assignments: command-line tokens, launch URIs
// and whole argument vectors. Each key is looked up once, and read in place:
// only a value that is stored, and a key that waits, are copied out of the
// argument.
#include <algorithm>
#include <string>
#include <utility>

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
PendingKey pending;

// set_true when the key's first record is a switch, set with `value` else.
// The value string is made only for set: a switch given IGNORE_VALUE, as a
// bare launch-URI key is, allocates nothing. Always inlined, like
// assign_pair: out of line, it cost each launch 130 instructions more.
template <class Value>
[[gnu::always_inline]] inline void assign(option_list& opts,
                                          std::string_view key,
                                          const KeyRecords& found,
                                          Value&& value, Assignment how) {
  if (found.is_switch()) {
    assign_true(opts, key, how, found);
  } else {
    assign_value(opts, key, std::string(std::forward<Value>(value)), how,
                 found);
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
[[gnu::always_inline]] inline KeyForm assign_pair(option_list& opts,
                                                  std::string_view token,
                                                  std::size_t dashes,
                                                  std::size_t equals,
                                                  Assignment how) {
  const std::string_view key = token.substr(dashes, equals - dashes);
  const KeyRecords found = find_key(opts.options, key, how.origin);
  if (!found.is_switch()) {
    const bool assigned = assign_value(
        opts, key, percent::decode(token.substr(equals + 1)), how, found);
    return !assigned && malformed_key(key) ? KeyForm::kMalformed
                                           : KeyForm::kWellFormed;
  }
  const std::string_view whole = token.substr(dashes);
  assign(opts, whole, find_key(opts.options, whole, how.origin), std::string(),
         how);
  return malformed_key(whole) ? KeyForm::kMalformed : KeyForm::kWellFormed;
}

void parse_command_line_token(std::string_view token, option_list& opts) {
  // Whatever this token is, the key that waited has had its chance.
  const bool waited = std::exchange(pending.waiting, false);
  const std::size_t dashes =
      std::min(token.find_first_not_of('-'), token.size());
  const std::size_t equals = token.find('=');
  if (equals != std::string_view::npos) {
    assign_pair(opts, token, dashes, equals, kFromCommandLine);
    return;
  }

  const std::string_view rest = token.substr(dashes);
  const KeyRecords found = find_key(opts.options, rest, Origin::kCommandLine);
  if (found.is_switch()) {
    assign_true(opts, rest, kFromCommandLine, found);
    return;
  }
  if (found.first != nullptr && !malformed_key(rest)) {
    pending.key.assign(rest);  // its value comes next
    pending.waiting = true;
    return;
  }
  if (rest.size() == 2 && contains(kDigits, rest[1]) &&
      !malformed_key(rest.substr(0, 1))) {
    // "-l3": a short key and a one-digit value, not decoded.
    const KeyRecords short_key =
        find_key(opts.options, rest.substr(0, 1), Origin::kCommandLine);
    if (short_key.first != nullptr) {
      assign(opts, rest.substr(0, 1), short_key, std::string(rest.substr(1)),
             kFromCommandLine);
      return;
    }
  }
  if (dashes > 0 || !waited) {
    // A key no option has: reported rather than silently dropped.
    assign_value(opts, rest, std::string(IGNORE_VALUE), kFromCommandLine,
                 found);
  } else {
    // The value of the waiting key.
    assign(opts, pending.key,
           find_key(opts.options, pending.key, Origin::kCommandLine),
           percent::decode(token), kFromCommandLine);
  }
}

// A launch-URI parameter never waits for a value, and drops a key that was
// waiting. True when it is malformed: a reserved character in its raw value,
// or a badly formed final key.
bool parse_uri_parameter(std::string_view parameter, option_list& opts) {
  pending.waiting = false;
  const std::size_t equals = parameter.find('=');
  if (equals != std::string_view::npos) {
    const bool reserved = any_in(kReserved, parameter.substr(equals + 1));
    return assign_pair(opts, parameter, 0, equals, kFromLaunchUri) ==
               KeyForm::kMalformed ||
           reserved;
  }
  // A bare key: a switch, or a key given no value, which the table refuses.
  assign(opts, parameter, find_key(opts.options, parameter, Origin::kLaunchUri),
         IGNORE_VALUE, kFromLaunchUri);
  return malformed_key(parameter);
}

constexpr std::size_t kAuthorityStart =
    kLaunchUriScheme.size() + kLaunchUriMarker.size();

bool has_scheme(const std::string& arg) {
  return arg.size() >= kLaunchUriScheme.size() &&
         equal_ignoring_case(
             std::string_view(arg).substr(0, kLaunchUriScheme.size()),
             kLaunchUriScheme);
}

void set_from_uri(option_list& opts, std::string_view key,
                  std::string_view value) {
  assign_value(opts, key, std::string(value), kFromLaunchUri,
               find_key(opts.options, key, Origin::kLaunchUri));
}

}  // namespace
}  // namespace client_common::internal

using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;
using client_common::internal::contains;
using client_common::internal::has_scheme;
using client_common::internal::kAuthorityEnd;
using client_common::internal::kAuthorityStart;
using client_common::internal::kBlanks;
using client_common::internal::parse_command_line_token;
using client_common::internal::parse_uri_parameter;
using client_common::internal::separator;
using client_common::internal::set_from_uri;

bool parseArg(const std::string& token, option_list& opts, bool from_uri) {
  if (from_uri) return parse_uri_parameter(token, opts);
  parse_command_line_token(token, opts);
  return false;  // command-line tokens are never malformed
}

bool arg_to_params(const std::vector<std::string>& args, option_list& opts) {
  bool malformed = false;
  for (const std::string& arg : args) {
    const bool bad =
        has_scheme(arg) ? parse_uri(arg, opts) : parseArg(arg, opts, false);
    malformed = malformed || bad;
  }
  return malformed;
}

bool parse_uri(const std::string& uri, option_list& opts) {
  if (uri.size() < kAuthorityStart ||
      uri.compare(kLaunchUriScheme.size(), kLaunchUriMarker.size(),
                  kLaunchUriMarker) != 0) {
    return false;
  }
  // Scanned as a view: its finds are inline calls of memchr.
  const std::string_view view(uri);
  const std::size_t authority_end = static_cast<std::size_t>(
      std::find_if(view.begin() + kAuthorityStart, view.end(),
                   [](char c) { return contains(kAuthorityEnd, c); }) -
      view.begin());
  const std::string_view host =
      view.substr(kAuthorityStart, authority_end - kAuthorityStart);
  const std::size_t colon = std::min(host.find(':'), host.size());
  if (colon < host.size()) set_from_uri(opts, "port", host.substr(colon + 1));
  set_from_uri(opts, "address", host.substr(0, colon));
  bool malformed = colon == 0;

  // The character that ended the authority is skipped, "/" or "?" alike;
  // a path is not recognised and becomes part of the first parameter.
  std::size_t pos =
      std::min(view.find_first_not_of('?', authority_end + 1), view.size());
  // A parameter holding a blank makes the URI malformed: the parameters
  // are all that follows, less their separators.
  if (std::any_of(kBlanks.begin(), kBlanks.end(), [&](char blank) {
        return view.find(blank, pos) != view.npos;
      }))
    malformed = true;
  while (pos < uri.size()) {
    const std::size_t next =
        std::min(view.find(separator.front(), pos), view.size());
    if (parse_uri_parameter(view.substr(pos, next - pos), opts))
      malformed = true;
    pos = next + 1;
  }
  return malformed;
}
