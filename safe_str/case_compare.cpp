// Case-insensitive comparison: whole strings bounded by dmax, and at most
// count characters. Bytes are compared unsigned and upper-cased with toupper.
#include <cctype>

#include "safe_str/safe_str.h"

namespace {
int upper(char c) { return std::toupper(static_cast<unsigned char>(c)); }

int report(const char* msg, int error) {
  invoke_safe_str_constraint_handler(msg, nullptr, error);
  return error;
}
}  // namespace

extern "C" {

int qarel_strcasecmp_s(const char* dest, size_t dmax, const char* src,
                       int* indicator) {
  if (indicator == nullptr)
    return report("qarel_strcasecmp_s: indicator is null", QAREL_ESNULLP);
  *indicator = 0;
  if (dest == nullptr)
    return report("qarel_strcasecmp_s: dest is null", QAREL_ESNULLP);
  if (src == nullptr)
    return report("qarel_strcasecmp_s: src is null", QAREL_ESNULLP);
  if (dmax == 0) return report("qarel_strcasecmp_s: dmax is 0", QAREL_ESZEROL);

  // Equal bytes upper-case alike, so toupper runs only where bytes differ.
  for (size_t i = 0;; ++i) {
    if (dest[i] == '\0' || i == dmax || src[i] == '\0') {
      *indicator = dest[i] == src[i] ? 0 : upper(dest[i]) - upper(src[i]);
      return 0;
    }
    if (dest[i] == src[i]) continue;
    const int difference = upper(dest[i]) - upper(src[i]);
    if (difference != 0) {
      *indicator = difference;
      return 0;
    }
  }
}

int qarel_safe_api_strcincmp_s(const char* dest, const char* src,
                               size_t count) {
  // Every violation is reported and the comparison goes on, as the family's
  // counted variant always has; the messages keep the family prefix.
  if (dest == nullptr)
    report("qarel_strcasecmp_s: dest is null", QAREL_ESNULLP);
  if (src == nullptr) report("qarel_strcasecmp_s: src is null", QAREL_ESNULLP);
  if (count == 0) report("qarel_strcasecmp_s: count is 0", QAREL_ESZEROL);
  if (dest == nullptr || src == nullptr) return 0;

  // Pointers advance only while count stays above 0, so with count n no byte
  // past index n - 1 is read.
  while (*dest != '\0' && count != 0 && *src != '\0') {
    if (upper(*dest) != upper(*src)) break;
    if (--count != 0) {
      ++dest;
      ++src;
    }
  }
  return upper(*dest) - upper(*src);
}

}  // extern "C"

int qarel_strcasecmp_s_wrapper(const std::string& a, const std::string& b) {
  int indicator = 0;
  qarel_strcasecmp_s(a.c_str(), a.size(), b.c_str(), &indicator);
  return indicator;
}
