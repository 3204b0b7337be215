// Internal: the key-equality rule shared by the option table and the
// launch-argument code.
#ifndef SAFE_STR_EQUAL_IGNORING_CASE_H_
#define SAFE_STR_EQUAL_IGNORING_CASE_H_

#include <string>

#include "safe_str/safe_str.h"

namespace client_common::internal {

// True when `a` and `b` have the same length and are equal ignoring case.
// The length test comes first, so the bounded comparison never sees an empty
// destination (which it would report as a zero dmax). Identical bytes are
// equal in any case mapping; only other pairs need the comparison, which is
// what makes a lookup's final match cheap.
inline bool equal_ignoring_case(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  return qarel_strcasecmp_s_wrapper(a, b) == 0;
}

}  // namespace client_common::internal

#endif  // SAFE_STR_EQUAL_IGNORING_CASE_H_
