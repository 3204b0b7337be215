// Small string functions of the launch-argument code.
#include <algorithm>

#include "client_common/client_common.h"
#include "safe_str/char_classes.h"
#include "safe_str/equal_ignoring_case.h"

using client_common::internal::byte_set;
using client_common::internal::contains;
using client_common::internal::equal_ignoring_case;
using client_common::internal::is_hex_digit;

std::size_t str_find_firstof(const std::string& s, std::size_t pos,
                             const std::string& chars) {
  // One table lookup per byte, where find_first_of searches the set anew.
  const auto in = byte_set({chars});
  for (; pos < s.size(); ++pos) {
    if (contains(in, s[pos])) return pos;
  }
  return s.size();
}

std::size_t str_trim_first(const std::string& s, std::size_t pos,
                           const std::string& chars) {
  for (char c : chars) {
    while (pos < s.size() && s[pos] == c) ++pos;
  }
  return pos;
}

bool case_comp(const std::string& a, const std::string& b) {
  return equal_ignoring_case(a, b);
}

bool is_hex(const std::string& s) {
  return std::all_of(s.begin(), s.end(), is_hex_digit);
}
