// Percent coding of launch-URI values, driven by byte tables: every launch
// passes through here, so no formatted print per byte.
#include <array>
#include <cstring>

#include "client_common/client_common.h"

namespace {
constexpr char kHexDigits[] = "0123456789abcdef";

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
constexpr std::array<signed char, 256> HexValueTable() {
  std::array<signed char, 256> table{};
  for (auto& v : table) v = -1;
  for (int c = 0; c < 10; ++c) table['0' + c] = static_cast<signed char>(c);
  for (int c = 0; c < 6; ++c) {
    table['a' + c] = static_cast<signed char>(10 + c);
    table['A' + c] = static_cast<signed char>(10 + c);
  }
  return table;
}
constexpr auto kHexValue = HexValueTable();

unsigned char byte(char c) { return static_cast<unsigned char>(c); }
}  // namespace

std::string percent_encode(const std::string& s) {
  std::size_t escaped = 0;
  for (char c : s) escaped += !kUnreserved[byte(c)];
  std::string out(s.size() + 2 * escaped, '\0');
  char* o = &out[0];
  for (char c : s) {
    const unsigned char b = byte(c);
    if (kUnreserved[b]) {
      *o++ = c;
    } else {
      o[0] = '%';
      o[1] = kHexDigits[b >> 4];
      o[2] = kHexDigits[b & 0xF];
      o += 3;
    }
  }
  return out;
}

std::string percent_decode(const std::string& s) {
  std::string out(s.size(), '\0');
  char* o = &out[0];
  const char* in = s.data();
  const char* const end = in + s.size();
  while (in != end) {
    // Copy the run up to the next "%" in one go.
    const void* found = std::memchr(in, '%', static_cast<std::size_t>(end - in));
    const char* percent = found != nullptr ? static_cast<const char*>(found) : end;
    std::memcpy(o, in, static_cast<std::size_t>(percent - in));
    o += percent - in;
    in = percent;
    if (in == end) break;
    const int high = end - in > 2 ? kHexValue[byte(in[1])] : -1;
    const int low = high >= 0 ? kHexValue[byte(in[2])] : -1;
    if (low < 0) {
      *o++ = *in++;  // not an escape: the "%" is an ordinary byte
      continue;
    }
    const int value = high * 16 + low;
    if (value != 0) *o++ = static_cast<char>(value);
    in += 3;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}
