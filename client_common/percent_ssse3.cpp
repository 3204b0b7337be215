// Percent-coding kernels for SSSE3 with POPCNT, 16 bytes a step: the escape
// count, the encoder and the decoder. This file is compiled for that
// instruction set; percent_vector.cpp calls it only where the processor has
// it.
#include <array>

#include "client_common/percent_kernels.h"
#include "safe_str/char_classes.h"

namespace client_common::internal::percent {
namespace {

using V = Bytes<16>;

// The unreserved set as a bitmap a shuffle can read: row r has bit c set
// when the byte (c + kFirstColumn) * 16 + r is unreserved. Every unreserved
// byte lies from 0x20 to 0x7f, so six columns hold them.
constexpr std::size_t kFirstColumn = 2;
constexpr std::array<std::uint8_t, 16> unreserved_rows() {
  std::array<std::uint8_t, 16> rows{};
  std::size_t byte = 0;
  for (const bool unreserved : kUnreserved) {
    if (unreserved) rows[byte & 15] |= 1u << ((byte >> 4) - kFirstColumn);
    ++byte;
  }
  return rows;
}
constexpr std::array<std::uint8_t, 16> kUnreservedRows = unreserved_rows();

// Bit i set when byte i must be escaped: it is not one of RFC 3986's
// unreserved bytes.
unsigned escaped_bits(V x) {
  const __m128i nibble = _mm_set1_epi8(0x0f);
  const __m128i rows =
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(kUnreservedRows.data()));
  // Each high nibble's column bit: 2 to 7 have one, the others none.
  const __m128i columns =
      _mm_setr_epi8(0, 0, 1, 2, 4, 8, 16, 32, 0, 0, 0, 0, 0, 0, 0, 0);
  const __m128i low = _mm_and_si128((__m128i)x, nibble);
  const __m128i high = _mm_and_si128(_mm_srli_epi16((__m128i)x, 4), nibble);
  const V row = (V)_mm_shuffle_epi8(rows, low);
  const V column = (V)_mm_shuffle_epi8(columns, high);
  return ~bits((V)((row & column) != 0)) & 0xFFFFu;
}

// Shuffles that expand 8 input bytes, with a mask of those that escape, into
// their output: a byte, or "%" and its two hex digits. They read two
// registers, S = [x0..x7, hi0..hi7] and T = [lo0..lo7, "%"...], and write up
// to 24 bytes; 0x80 selects nothing.
struct Expansion {
  std::uint8_t s0[16], t0[16], s1[16], t1[16];
};
struct ExpansionTable {
  Expansion of[256];
};

constexpr ExpansionTable make_expansion_table() {
  ExpansionTable table{};
  for (int mask = 0; mask < 256; ++mask) {
    Expansion& e = table.of[mask];
    for (int k = 0; k < 16; ++k) e.s0[k] = e.t0[k] = e.s1[k] = e.t1[k] = 0x80;
    int k = 0;
    auto put = [&e, &k](bool from_t, int index) {
      std::uint8_t* to =
          k < 16 ? (from_t ? e.t0 : e.s0) : (from_t ? e.t1 : e.s1);
      to[k & 15] = static_cast<std::uint8_t>(index);
      ++k;
    };
    for (int i = 0; i < 8; ++i) {
      if ((mask >> i) & 1) {
        put(true, 8);       // "%"
        put(false, 8 + i);  // high digit
        put(true, i);       // low digit
      } else {
        put(false, i);
      }
    }
  }
  return table;
}
constexpr ExpansionTable kExpansion = make_expansion_table();

__m128i shuffle(__m128i v, const std::uint8_t (&index)[16]) {
  return _mm_shuffle_epi8(v,
                          load<__m128i>(reinterpret_cast<const char*>(index)));
}

// Both halves are always stored (the caller leaves room): a branch on the
// mask would be mispredicted for most text.
char* expand8(__m128i s, __m128i t, unsigned mask, char* out) {
  const Expansion& e = kExpansion.of[mask];
  store(out, _mm_or_si128(shuffle(s, e.s0), shuffle(t, e.t0)));
  store(out + 16, _mm_or_si128(shuffle(s, e.s1), shuffle(t, e.t1)));
  return out + 8 + 2 * __builtin_popcount(mask);
}

}  // namespace

Progress count_ssse3(const char* in, std::size_t size) {
  std::size_t i = 0, escaped = 0;
  for (; i + 16 <= size; i += 16)
    escaped += static_cast<std::size_t>(
        __builtin_popcount(escaped_bits(load<V>(in + i))));
  return {i, i + 2 * escaped};
}

Progress encode_ssse3(const char* in, std::size_t size, char* out) {
  const __m128i hex = load<__m128i>(kHexDigits);
  const __m128i nibble = _mm_set1_epi8(0x0F);
  const __m128i percent_sign = _mm_set1_epi8('%');
  char* o = out;
  std::size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const V x = load<V>(in + i);
    const unsigned mask = escaped_bits(x);
    if (mask == 0) {
      store(o, x);
      o += 16;
      continue;
    }
    const __m128i xi = (__m128i)x;
    const __m128i high =
        _mm_shuffle_epi8(hex, _mm_and_si128(_mm_srli_epi16(xi, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(hex, _mm_and_si128(xi, nibble));
    o = expand8(_mm_unpacklo_epi64(xi, high),
                _mm_unpacklo_epi64(low, percent_sign), mask & 0xFF, o);
    o = expand8(_mm_unpackhi_epi64(xi, high),
                _mm_unpackhi_epi64(low, percent_sign), mask >> 8, o);
  }
  return {i, static_cast<std::size_t>(o - out)};
}

Progress decode_ssse3(const char* in, std::size_t size, char* out) {
  return decode_blocks<16>(in, size, out);
}

}  // namespace client_common::internal::percent
