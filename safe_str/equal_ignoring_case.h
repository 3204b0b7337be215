// Internal: the key-equality rule shared by the option table and the
// launch-argument code.
#ifndef SAFE_STR_EQUAL_IGNORING_CASE_H_
#define SAFE_STR_EQUAL_IGNORING_CASE_H_

#include <cctype>
#include <string_view>

namespace client_common::internal {

// True when `a` and `b` have the same length and are equal ignoring case, by
// qarel_strcasecmp_s's rule with the length as bound: bytes upper-cased with
// toupper, and the first terminator in either ends the comparison. Written
// out here, so a lookup neither copies its key nor calls through the
// checked interface for every record.
inline bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // the usual match, compared in one call
  for (std::size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = a[i], y = b[i];
    if (x == y) {
      if (x == '\0') return true;  // a terminator ends the comparison
      continue;
    }
    // Most lookups compare a key with keys it does not match, on every
    // launch: two ASCII bytes that are no case pair differ in any locale,
    // without the two calls to toupper.
    if (x < 0x80 && y < 0x80 && (x | 0x20) != (y | 0x20)) return false;
    if (std::toupper(x) != std::toupper(y)) return false;
  }
  return true;
}

}  // namespace client_common::internal

#endif  // SAFE_STR_EQUAL_IGNORING_CASE_H_
