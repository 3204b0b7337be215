// Whole-text decimal and hexadecimal conversions.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "option_list/option_list.h"
#include "safe_str/char_classes.h"

using client_common::internal::contains;
using client_common::internal::is_hex_digit;
using client_common::internal::kDigits;

namespace {
// Keeps the low 32 bits, as clients always have: GCC and Clang convert to
// int modulo 2^32 (implementation-defined before C++20, never undefined).
int low_32_bits(long value) {
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

// strtol over the whole text: empty unless it consumed every byte.
boost::optional<long> convert_whole(const std::string& text, int base) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const int saved_errno = errno;
  const long value = std::strtol(begin, &end, base);
  errno = saved_errno;
  if (end == begin || end != begin + text.size()) return boost::none;
  return value;
}
}  // namespace

boost::optional<int> str_to_int(std::string text) {
  if (text.empty() || !contains(kDigits, text[0])) return boost::none;
  const auto value = convert_whole(text, 10);
  // strtol answers overflow with the extremes of long.
  if (!value || *value == LONG_MAX || *value == LONG_MIN) return boost::none;
  return low_32_bits(*value);
}

boost::optional<int> hex_str_to_int(std::string text) {
  if (text.empty() || !is_hex_digit(text[0])) return boost::none;
  const auto value = convert_whole(text, 16);
  if (!value) return boost::none;
  // Clients have always seen 0x7FFF read as "no number"; pair lists depend
  // on it, so it stays.
  if (*value == 0x7FFF) return boost::none;
  return low_32_bits(*value);
}
