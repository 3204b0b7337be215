// Internal: the constant texts of the launch-argument code.
#ifndef CLIENT_COMMON_LAUNCH_CONSTANTS_H_
#define CLIENT_COMMON_LAUNCH_CONSTANTS_H_

#include <array>
#include <cstddef>
#include <string>

// The value handed to option_list::set for a key given without one; the
// table refuses it.
extern const std::string IGNORE_VALUE;
// Between the query parameters of a launch URI.
extern const std::string separator;
// The reserved characters of RFC 3986 (gen-delims, then sub-delims); a raw
// launch-URI value holding one is malformed.
constexpr char kDelimiters[] = ":/?#[]@!$&'()*+,;=";
extern const std::string delimiters;

// A set of bytes as a lookup table, for scans that run at every launch.
using ByteTable = std::array<bool, 256>;

constexpr ByteTable byte_table(const char* chars, std::size_t count) {
  ByteTable table{};
  for (std::size_t i = 0; i < count; ++i)
    table[static_cast<unsigned char>(chars[i])] = true;
  return table;
}

// Whether any byte of `s` is in `table`.
inline bool any_in(const ByteTable& table, const std::string& s) {
  for (char c : s)
    if (table[static_cast<unsigned char>(c)]) return true;
  return false;
}

#endif  // CLIENT_COMMON_LAUNCH_CONSTANTS_H_
