// Internal: the byte tables of percent coding, shared by the scalar code and
// the vector kernels.
#ifndef CLIENT_COMMON_PERCENT_TABLES_H_
#define CLIENT_COMMON_PERCENT_TABLES_H_

#include <array>
#include <cstdint>

namespace percent {

constexpr char kHexDigits[] = "0123456789abcdef";

// The RFC 3986 unreserved bytes, copied unchanged by the encoder.
constexpr std::array<bool, 256> UnreservedTable() {
  std::array<bool, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = true;
  for (int c = '0'; c <= '9'; ++c) table[c] = true;
  for (unsigned char c : {'-', '.', '_', '~'}) table[c] = true;
  return table;
}
constexpr auto kUnreserved = UnreservedTable();

// The value of a hex digit, or -1.
constexpr std::array<int8_t, 256> HexValueTable() {
  std::array<int8_t, 256> table{};
  for (auto& v : table) v = -1;
  for (int c = 0; c < 10; ++c) table['0' + c] = static_cast<int8_t>(c);
  for (int c = 0; c < 6; ++c) {
    table['a' + c] = static_cast<int8_t>(10 + c);
    table['A' + c] = static_cast<int8_t>(10 + c);
  }
  return table;
}
constexpr auto kHexValue = HexValueTable();

inline unsigned char byte(char c) { return static_cast<unsigned char>(c); }

// Vector kernels, where the processor has them. Each handles a prefix of the
// input and returns how many input bytes it consumed; the caller finishes the
// rest with the scalar code. `out` needs room for kSlack bytes beyond what
// is written; inputs under 16 bytes are left wholly to the scalar code.
constexpr std::size_t kSlack = 32;
struct Progress {
  std::size_t consumed;
  std::size_t written;
};
// Bytes that escape: the encoder's output is size + 2 * this.
std::size_t count_escaped(const char* in, std::size_t size);
Progress encode_vector(const char* in, std::size_t size, char* out);
Progress decode_vector(const char* in, std::size_t size, char* out);

}  // namespace percent

#endif  // CLIENT_COMMON_PERCENT_TABLES_H_
