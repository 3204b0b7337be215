// Registration, the key rules and the plain string read.
#include <utility>

#include "option_list/key_lookup.h"
#include "option_list/option_list.h"
#include "safe_str/char_classes.h"

using client_common::internal::contains;
using client_common::internal::equal_ignoring_case;
using client_common::internal::first_match;
using client_common::internal::kKeyTail;
using client_common::internal::kLetters;
using client_common::internal::malformed_key;

void option_list::add(std::string short_key, std::string long_key, bool is_bool,
                      std::string default_value, std::string description,
                      bool show_value, bool deprecated, bool uri_settable) {
  // Malformed and duplicate keys are kept: lookups take the first match and
  // the reports list every record, so nothing here needs to check them.
  // The value starts as a copy of the default.
  std::string value = default_value;
  options.push_back({std::move(short_key), std::move(long_key), is_bool,
                     std::move(description), std::move(value),
                     std::move(default_value), show_value, deprecated,
                     /*is_set=*/false, uri_settable});
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
  return !malformed_key(key) && first_match(options, key) != nullptr;
}

std::string option_list::get(std::string key) {
  return *get_str_val(std::move(key), false);
}
