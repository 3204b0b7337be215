// Reads of option text as text, booleans and integers.
#include <utility>

#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

using client_common::internal::find_long_key;

boost::optional<std::string> option_list::get_str_val(std::string key,
                                                      bool only_if_set) {
  const option* record = find_long_key(options, key);
  if (record == nullptr) return std::string("Invalid");
  if (only_if_set && !record->is_set) return boost::none;
  return record->value;
}

boost::optional<bool> option_list::get_bool_val(std::string key,
                                                bool only_if_set) {
  const auto text = get_str_val(std::move(key), only_if_set);
  if (!text) return boost::none;
  return *text == "True";
}

boost::optional<int> option_list::get_int_val(std::string key,
                                              bool only_if_set) {
  auto text = get_str_val(std::move(key), only_if_set);
  if (!text) return boost::none;
  return str_to_int(std::move(*text));
}

bool option_list::get_bool(std::string key) {
  return get_bool_val(std::move(key), false).value_or(false);
}

int option_list::get_int(std::string key) {
  return get_int_val(std::move(key), false).value_or(0);
}

bool option_list::option_is_int(std::string key, int min, int max) {
  const int n = get_int_val(key, false).value_or(0);
  if (n < min || n > max) return false;
  if (n != 0) return true;
  // 0 also stands for "no number": only the text "0" itself is a zero.
  return get(std::move(key)) == "0";
}
