// Command-line tokens and launch-URI parameters into option assignments. Each
// key is looked up once, and read in place: only a value that is stored, and
// a key that waits, are copied out of the token.
#include "client_common/token_parser.h"

#include <algorithm>
#include <string>
#include <utility>

#include "client_common/client_common.h"
#include "client_common/percent_vector.h"
#include "client_common/uri_syntax.h"
#include "option_list/ignore_value.h"
#include "option_list/key_lookup.h"
#include "safe_str/char_classes.h"

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
void assign(option_list& opts, std::string_view key, const KeyRecords& found,
            std::string&& value, bool from_uri) {
  if (found.is_switch()) {
    assign_true(opts, key, from_uri, true, found);
  } else {
    assign_value(opts, key, std::move(value), from_uri, true, found);
  }
}

// "key=value", the key starting after `dashes` leading dashes; the value is
// percent-decoded. A switch takes no value: the whole token after the
// dashes then becomes the key, which the table refuses. Returns whether the
// key tried is malformed: only a refused value needs that test, as set
// takes no malformed key.
bool assign_key_and_value(option_list& opts, std::string_view token,
                          std::size_t dashes, std::size_t equals,
                          bool from_uri) {
  const std::string_view key = token.substr(dashes, equals - dashes);
  const KeyRecords found = find_key(opts.options, key, from_uri);
  if (!found.is_switch()) {
    return !assign_value(opts, key, percent::decode(token.substr(equals + 1)),
                         from_uri, true, found) &&
           malformed_key(key);
  }
  const std::string_view whole = token.substr(dashes);
  assign(opts, whole, find_key(opts.options, whole, from_uri), std::string(),
         from_uri);
  return malformed_key(whole);
}

void parse_command_line_token(std::string_view token, option_list& opts) {
  // Whatever this token is, the key that waited has had its chance.
  const bool waited = std::exchange(pending.waiting, false);
  const std::size_t dashes =
      std::min(token.find_first_not_of('-'), token.size());
  const std::size_t equals = token.find('=');
  if (equals != std::string_view::npos) {
    assign_key_and_value(opts, token, dashes, equals, false);
    return;
  }

  const std::string_view rest = token.substr(dashes);
  const KeyRecords found = find_key(opts.options, rest, false);
  if (found.is_switch()) {
    assign_true(opts, rest, false, true, found);
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
        find_key(opts.options, rest.substr(0, 1), false);
    if (short_key.first != nullptr) {
      assign(opts, rest.substr(0, 1), short_key, std::string(rest.substr(1)),
             false);
      return;
    }
  }
  if (dashes > 0 || !waited) {
    // A key no option has: reported rather than silently dropped.
    assign_value(opts, rest, std::string(IGNORE_VALUE), false, true, found);
  } else {
    // The value of the waiting key.
    assign(opts, pending.key, find_key(opts.options, pending.key, false),
           percent::decode(token), false);
  }
}

}  // namespace

// A launch-URI parameter never waits for a value, and drops a key that was
// waiting. True when it is malformed: a reserved character in its raw value,
// or a badly formed final key.
bool parse_uri_parameter(std::string_view parameter, option_list& opts) {
  pending.waiting = false;
  const std::size_t equals = parameter.find('=');
  if (equals != std::string_view::npos) {
    const bool reserved = any_in(kReserved, parameter.substr(equals + 1));
    const bool bad_key = assign_key_and_value(opts, parameter, 0, equals, true);
    return reserved || bad_key;
  }
  const KeyRecords found = find_key(opts.options, parameter, true);
  assign(opts, parameter, found,
         std::string(found.is_switch() ? "" : IGNORE_VALUE), true);
  return malformed_key(parameter);
}

void set_from_uri(option_list& opts, std::string_view key,
                  std::string_view value) {
  assign_value(opts, key, std::string(value), true, true,
               find_key(opts.options, key, true));
}

}  // namespace client_common::internal

bool parseArg(const std::string& token, option_list& opts, bool from_uri) {
  if (from_uri)
    return client_common::internal::parse_uri_parameter(token, opts);
  client_common::internal::parse_command_line_token(token, opts);
  return false;  // command-line tokens are never malformed
}
