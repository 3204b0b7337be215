// Registration, the key rules and the plain string read.
#include <utility>

#include "option_list/key_lookup.h"
#include "option_list/option_list.h"
#include "safe_str/char_classes.h"

using client_common::internal::contains;
using client_common::internal::equal_ignoring_case;
using client_common::internal::find_key;
using client_common::internal::kKeyTail;
using client_common::internal::kLetters;
using client_common::internal::malformed_key;
using client_common::internal::Origin;

void option_list::add(std::string short_key, std::string long_key, bool is_bool,
                      std::string default_value, std::string description,
                      bool show_value, bool deprecated, bool uri_settable) {
  // Malformed and duplicate keys are kept: lookups take the first match and
  // the reports list every record, so nothing here needs to check them.
  // Each string is moved once, into the record built in place; the value
  // starts as a copy of the default.
  option& o = options.emplace_back();
  o.short_key = std::move(short_key);
  o.long_key = std::move(long_key);
  o.is_bool = is_bool;
  o.description = std::move(description);
  o.value = default_value;
  o.default_value = std::move(default_value);
  o.show_value = show_value;
  o.deprecated = deprecated;
  o.uri_settable = uri_settable;
}

bool option_list::bad_key_format(std::string key) { return malformed_key(key); }

bool option_list::case_comp(std::string a, std::string b) {
  return equal_ignoring_case(a, b);
}

bool option_list::is_alpha(const char* c) {
  return c != nullptr && contains(kLetters, *c);
}

bool option_list::is_num(const char* c) {
  return c != nullptr && contains(kKeyTail, *c);
}

bool option_list::is_a_key(std::string key) {
  return !malformed_key(key) &&
         find_key(options, key, Origin::kCommandLine).first != nullptr;
}

std::string option_list::get(std::string key) {
  return *get_str_val(std::move(key), false);
}
