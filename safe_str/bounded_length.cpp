// Length of a string with an upper bound.
#include <cstring>

#include "safe_str/safe_str.h"

extern "C" size_t qarel_strnlen_s(const char* dest, size_t dmax) {
  if (dest == nullptr) return 0;
  if (dmax == 0) {
    invoke_safe_str_constraint_handler("qarel_strnlen_s: dmax is 0", nullptr,
                                       QAREL_ESZEROL);
    return 0;
  }
  // POSIX strnlen reads no byte at or beyond dmax.
  return strnlen(dest, dmax);
}
