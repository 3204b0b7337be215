// Command-line tokens and launch-URI parameters into option assignments.
#include "client_common/client_common.h"
#include "client_common/launch_constants.h"

namespace {
// Process-wide, never reset: a key named in one token ("-l") may wait for its
// value in the next ("3"), even across calls of arg_to_params.
std::string key;
bool deferred_value = false;

constexpr ByteTable kReserved = byte_table(kDelimiters, sizeof kDelimiters - 1);

bool is_digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool parseArg(const std::string& token, option_list& opts, bool from_uri) {
  std::size_t dashes = 0;
  if (!from_uri) {
    while (dashes < token.size() && token[dashes] == '-') ++dashes;
  }
  std::string value;
  bool reserved_in_value = false;
  // Whether the final key names a switch; asked once per key, since every
  // ask walks the table.
  bool is_switch = false;

  const std::size_t equals = token.find('=');
  if (equals != std::string::npos) {
    key.assign(token, dashes, equals - dashes);
    const std::string raw = token.substr(equals + 1);
    reserved_in_value = from_uri && any_in(kReserved, raw);
    value = percent_decode(raw);
    deferred_value = false;
    is_switch = opts.is_boolean(key);
    if (is_switch) {
      // A switch takes no value: the whole token becomes the key, which the
      // table then refuses.
      key.assign(token, dashes, std::string::npos);
      value.clear();
      is_switch = opts.is_boolean(key);
    }
  } else {
    std::string rest = token.substr(dashes);
    is_switch = opts.is_boolean(rest);
    if (is_switch) {
      key = std::move(rest);
      deferred_value = false;
    } else if (from_uri) {  // a URI parameter never waits for a value
      key = std::move(rest);
      value = IGNORE_VALUE;
      deferred_value = false;
    } else if (opts.is_a_key(rest)) {
      key = std::move(rest);
      deferred_value = true;
    } else if (rest.size() == 2 && is_digit(rest[1]) &&
               opts.is_a_key(rest.substr(0, 1))) {
      key = rest.substr(0, 1);  // "-l3": short key and one digit
      value = rest.substr(1);
      deferred_value = false;
      is_switch = opts.is_boolean(key);
    } else if (dashes > 0 || !deferred_value) {
      key = std::move(rest);  // reported rather than silently dropped
      value = IGNORE_VALUE;
      deferred_value = false;
    } else {
      value = percent_decode(token);  // the value of the waiting key
      deferred_value = false;
      is_switch = opts.is_boolean(key);
    }
  }

  if (is_switch) {
    opts.set_true(key, from_uri, true);
  } else if (!deferred_value) {
    opts.set(key, std::move(value), from_uri, true);
  }
  if (!from_uri) return false;
  return reserved_in_value || opts.bad_key_format(key);
}
