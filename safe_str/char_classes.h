// Internal: the character classes of the whole library, each written down
// once, and byte sets built from them at compile time for the scans that
// ask "is this byte one of those?" a byte at a time.
#ifndef SAFE_STR_CHAR_CLASSES_H_
#define SAFE_STR_CHAR_CLASSES_H_

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace client_common::internal {

// A set of bytes as a 256-entry table, indexed by the unsigned byte.
using ByteSet = std::array<bool, 256>;

// The set of every byte in `parts`. The parts are views, so no terminator
// ever slips into the set.
constexpr ByteSet byte_set(std::initializer_list<std::string_view> parts) {
  ByteSet set{};
  for (std::string_view part : parts)
    for (char c : part) set[static_cast<unsigned char>(c)] = true;
  return set;
}

constexpr bool contains(const ByteSet& set, char c) {
  return set[static_cast<unsigned char>(c)];
}

// Whether any byte of `s` is in `set`.
constexpr bool any_in(const ByteSet& set, std::string_view s) {
  for (char c : s)
    if (contains(set, c)) return true;
  return false;
}

inline constexpr std::string_view kUpperCase = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kLowerCase = "abcdefghijklmnopqrstuvwxyz";
inline constexpr std::string_view kDecimalDigits = "0123456789";
// Lower case: the digits the encoder writes.
inline constexpr char kHexDigits[] = "0123456789abcdef";

inline constexpr ByteSet kLetters = byte_set({kUpperCase, kLowerCase});
inline constexpr ByteSet kDigits = byte_set({kDecimalDigits});
// What an option key admits after its first letter: kKeyBytes all of it,
// kKeyTail less the letters.
inline constexpr std::string_view kKeyMarks = "_-";
inline constexpr ByteSet kKeyTail = byte_set({kDecimalDigits, kKeyMarks});
inline constexpr ByteSet kKeyBytes =
    byte_set({kUpperCase, kLowerCase, kDecimalDigits, kKeyMarks});
// RFC 3986's unreserved bytes, which percent coding copies unchanged.
inline constexpr ByteSet kUnreserved =
    byte_set({kUpperCase, kLowerCase, kDecimalDigits, "-._~"});

// The value of every hex digit, in either case, and -1 for other bytes.
constexpr std::array<std::int8_t, 256> hex_value_table() {
  std::array<std::int8_t, 256> table{};
  for (auto& v : table) v = -1;
  for (std::int8_t i = 0; i < 16; ++i) {
    const char digit = kHexDigits[i];
    const char upper =
        digit >= 'a' ? static_cast<char>(digit - 'a' + 'A') : digit;
    table[static_cast<unsigned char>(digit)] = i;
    table[static_cast<unsigned char>(upper)] = i;
  }
  return table;
}
inline constexpr std::array<std::int8_t, 256> kHexValue = hex_value_table();

constexpr int hex_value(char c) {
  return kHexValue[static_cast<unsigned char>(c)];
}
constexpr bool is_hex_digit(char c) { return hex_value(c) >= 0; }

}  // namespace client_common::internal

#endif  // SAFE_STR_CHAR_CLASSES_H_
