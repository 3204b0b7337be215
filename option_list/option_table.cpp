// Registration, the key rules and the plain string read.
#include <utility>

#include "option_list/key_lookup.h"
#include "option_list/option_list.h"

namespace {
bool ascii_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool key_tail_char(char c) {
  return (c >= '0' && c <= '9') || c == '_' || c == '-';
}
}  // namespace

void option_list::add(std::string short_key, std::string long_key, bool is_bool,
                      std::string default_value, std::string description,
                      bool show_value, bool deprecated, bool uri_settable) {
  // Malformed and duplicate keys are kept: lookups take the first match and
  // the reports list every record, so nothing here needs to check them.
  option record{std::move(short_key),
                std::move(long_key),
                is_bool,
                std::move(description),
                default_value,
                std::move(default_value),
                show_value,
                deprecated,
                /*is_set=*/false,
                uri_settable};
  options.push_back(std::move(record));
}

bool option_list::bad_key_format(std::string key) {
  if (key.empty() || !ascii_letter(key[0])) return true;
  for (std::size_t i = 1; i < key.size(); ++i) {
    if (!ascii_letter(key[i]) && !key_tail_char(key[i])) return true;
  }
  return false;
}

bool option_list::case_comp(std::string a, std::string b) {
  return equal_ignoring_case(a, b);
}

bool option_list::is_alpha(const char* c) {
  return c != nullptr && ascii_letter(*c);
}

bool option_list::is_num(const char* c) {
  return c != nullptr && key_tail_char(*c);
}

bool option_list::is_a_key(std::string key) {
  if (bad_key_format(key)) return false;
  return std::any_of(options.begin(), options.end(),
                     [&](const option& o) { return matches_key(o, key); });
}

std::string option_list::get(std::string key) {
  return *get_str_val(std::move(key), false);
}
