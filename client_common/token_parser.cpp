// Command-line tokens and launch-URI parameters into option assignments.
#include <algorithm>
#include <string_view>
#include <utility>

#include "client_common/client_common.h"
#include "client_common/uri_syntax.h"
#include "option_list/ignore_value.h"
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

// What one token asks of the table.
struct Assignment {
  std::string key;
  std::string value;
  bool is_switch;  // set_true, rather than set with the value
};

void assign(option_list& opts, Assignment a, bool from_uri) {
  if (a.is_switch) {
    opts.set_true(std::move(a.key), from_uri, true);
  } else {
    opts.set(std::move(a.key), std::move(a.value), from_uri, true);
  }
}

// "key=value", the key starting after `dashes` leading dashes; the value is
// percent-decoded. A switch takes no value: the whole token after the
// dashes then becomes the key, which the table refuses.
Assignment key_and_value(const std::string& token, std::size_t dashes,
                         std::size_t equals, option_list& opts) {
  Assignment a{token.substr(dashes, equals - dashes),
               percent_decode(token.substr(equals + 1)), false};
  if (opts.is_boolean(a.key)) {
    a.key.assign(token, dashes);
    a.value.clear();
    a.is_switch = opts.is_boolean(a.key);
  }
  return a;
}

void parse_command_line_token(const std::string& token, option_list& opts) {
  // Whatever this token is, the key that waited has had its chance.
  const bool waited = std::exchange(pending.waiting, false);
  const std::size_t dashes =
      std::min(token.find_first_not_of('-'), token.size());
  const std::size_t equals = token.find('=');
  if (equals != std::string::npos) {
    assign(opts, key_and_value(token, dashes, equals, opts), false);
    return;
  }

  std::string rest = token.substr(dashes);
  if (opts.is_boolean(rest)) {
    opts.set_true(std::move(rest), false, true);
  } else if (opts.is_a_key(rest)) {
    pending = {std::move(rest), true};  // its value comes next
  } else if (rest.size() == 2 && contains(kDigits, rest[1]) &&
             opts.is_a_key(rest.substr(0, 1))) {
    // "-l3": a short key and a one-digit value, not decoded.
    Assignment a{rest.substr(0, 1), rest.substr(1), false};
    a.is_switch = opts.is_boolean(a.key);
    assign(opts, std::move(a), false);
  } else if (dashes > 0 || !waited) {
    // A key no option has: reported rather than silently dropped.
    opts.set(std::move(rest), IGNORE_VALUE, false, true);
  } else {
    // The value of the waiting key.
    const bool is_switch = opts.is_boolean(pending.key);
    assign(opts, {pending.key, percent_decode(token), is_switch}, false);
  }
}

// A launch-URI parameter never waits for a value, and drops a key that was
// waiting. True when it is malformed: a reserved character in its raw value,
// or a badly formed final key.
bool parse_uri_parameter(const std::string& parameter, option_list& opts) {
  pending.waiting = false;
  const std::size_t equals = parameter.find('=');
  if (equals != std::string::npos) {
    const bool reserved =
        any_in(kReserved, std::string_view(parameter).substr(equals + 1));
    Assignment a = key_and_value(parameter, 0, equals, opts);
    const bool malformed = reserved || opts.bad_key_format(a.key);
    assign(opts, std::move(a), true);
    return malformed;
  }
  const bool is_switch = opts.is_boolean(parameter);
  assign(opts, {parameter, is_switch ? std::string() : IGNORE_VALUE, is_switch},
         true);
  return opts.bad_key_format(parameter);
}

}  // namespace
}  // namespace client_common::internal

bool parseArg(const std::string& token, option_list& opts, bool from_uri) {
  if (from_uri)
    return client_common::internal::parse_uri_parameter(token, opts);
  client_common::internal::parse_command_line_token(token, opts);
  return false;  // command-line tokens are never malformed
}
