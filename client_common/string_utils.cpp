// Small string functions of the launch-argument code.
#include <algorithm>

#include "client_common/client_common.h"
#include "client_common/launch_constants.h"
#include "safe_str/equal_ignoring_case.h"

std::size_t str_find_firstof(const std::string& s, std::size_t pos,
                             const std::string& chars) {
  // One table lookup per byte, where find_first_of searches the set anew.
  const ByteTable in = byte_table(chars.data(), chars.size());
  for (; pos < s.size(); ++pos) {
    if (in[static_cast<unsigned char>(s[pos])]) return pos;
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
  return std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
           (c >= 'A' && c <= 'F');
  });
}
