// Internal: the building blocks of percent coding's vector kernels, written
// once for any register width W (16 or 32 bytes) with the compiler's vector
// extensions, and the decoder built from them.
//
// Only the kernel files include this, each compiled for its own instruction
// set. Everything here has internal linkage, so each file keeps its own copy
// and no instruction of one set reaches code that runs on another.
#ifndef CLIENT_COMMON_PERCENT_KERNELS_H_
#define CLIENT_COMMON_PERCENT_KERNELS_H_

#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "client_common/percent_vector.h"

namespace client_common::internal::percent {
namespace {

template <std::size_t W>
struct Register;
template <>
struct Register<16> {
  typedef std::uint8_t type __attribute__((vector_size(16)));
};
template <>
struct Register<32> {
  typedef std::uint8_t type __attribute__((vector_size(32)));
};
// W bytes in one register; comparisons give 0xFF or 0 per byte.
template <std::size_t W>
using Bytes = typename Register<W>::type;
// One bit per byte of a register, and room for the two bytes after it.
template <std::size_t W>
using BitMask = std::conditional_t<W == 16, std::uint32_t, std::uint64_t>;

template <class V>
V load(const char* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <class V>
void store(char* p, V v) {
  std::memcpy(p, &v, sizeof v);
}

// Bit i set when byte i of `v` is 0xFF.
inline BitMask<16> bits(Bytes<16> v) {
  return static_cast<std::uint16_t>(_mm_movemask_epi8((__m128i)v));
}
inline BitMask<32> bits(Bytes<32> v) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8((__m256i)v));
}

// 0xFF where lo <= byte <= hi (unsigned), else 0.
template <class V>
V in_range(V x, std::uint8_t lo, std::uint8_t hi) {
  return (V)((V)(x - lo) <= static_cast<std::uint8_t>(hi - lo));
}

template <class V>
struct HexDigits {
  V valid;  // 0xFF where the byte is a hex digit, in either case
  V value;  // its value, 0 elsewhere
};

template <class V>
HexDigits<V> hex_digits(V x) {
  const V is_digit = in_range(x, '0', '9');
  const V lower = x | 0x20;
  const V is_letter = in_range(lower, 'a', 'f');
  return {is_digit | is_letter,
          (is_digit & (V)(x - '0')) | (is_letter & (V)(lower - 'a' + 10))};
}

// Shuffles that gather the bytes of an 8-bit mask to the front.
struct GatherTable {
  std::uint8_t index[256][16];
};

constexpr GatherTable make_gather_table() {
  GatherTable table{};
  for (int mask = 0; mask < 256; ++mask) {
    int k = 0;
    for (int i = 0; i < 8; ++i)
      if ((mask >> i) & 1)
        table.index[mask][k++] = static_cast<std::uint8_t>(i);
    for (; k < 16; ++k) table.index[mask][k] = 0x80;  // selects nothing
  }
  return table;
}
constexpr GatherTable kGather = make_gather_table();

// Writes, in order, the bytes among the first 8 of `v` whose bits are set
// in `keep` (its low 8 bits), and returns the end of what it wrote. Stores
// 16 bytes whatever it keeps: the caller leaves room.
inline char* gather8(__m128i v, unsigned keep, char* out) {
  const unsigned low = keep & 0xFF;
  store(out, _mm_shuffle_epi8(v, load<__m128i>(reinterpret_cast<const char*>(
                                     kGather.index[low]))));
  return out + __builtin_popcount(low);
}

// Decodes W bytes a step. Escapes never overlap (a valid escape's digits
// are no "%"), so whether one starts at a byte depends only on that byte
// and the two after it: each step reads two bytes ahead, and an escape at
// one of its last two bytes carries its digits over into the next step. The
// input position never waits on the data, which keeps the loop pipelined.
template <std::size_t W>
Progress decode_blocks(const char* in, std::size_t size, char* out) {
  using V = Bytes<W>;
  using Mask = BitMask<W>;
  char* o = out;
  std::size_t i = 0;
  Mask carried = 0;  // bits 0 and 1: digits of an escape begun before
  for (; i + W + 2 <= size; i += W) {
    const V x = load<V>(in + i);
    const V is_percent = (V)(x == '%');
    if (bits(is_percent) == 0 && carried == 0) {
      store(o, x);
      o += W;
      continue;
    }
    const HexDigits<V> first = hex_digits(load<V>(in + i + 1));
    const HexDigits<V> second = hex_digits(load<V>(in + i + 2));
    const V starts_v = is_percent & first.valid & second.valid;
    const V decoded = (V)(first.value << 4) | second.value;
    const V bytes = (starts_v & decoded) | (~starts_v & x);

    const Mask starts = bits(starts_v);
    const Mask zero = starts & bits((V)(decoded == 0));  // "%00" gives nothing
    const Mask consumed = (starts << 1) | (starts << 2) | carried;
    const Mask keep = ~(consumed | zero);
    carried = consumed >> W;

    for (std::size_t half = 0; half < W; half += 16) {
      __m128i v;
      std::memcpy(&v, reinterpret_cast<const char*>(&bytes) + half, 16);
      o = gather8(v, static_cast<unsigned>(keep >> half), o);
      o = gather8(_mm_srli_si128(v, 8),
                  static_cast<unsigned>(keep >> (half + 8)), o);
    }
  }
  const auto carried_digits =
      static_cast<std::size_t>(__builtin_popcountll(carried));
  return {i + carried_digits, static_cast<std::size_t>(o - out)};
}

}  // namespace
}  // namespace client_common::internal::percent

#endif  // CLIENT_COMMON_PERCENT_KERNELS_H_
