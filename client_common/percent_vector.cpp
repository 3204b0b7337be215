// Vector kernels of percent coding for x86 processors with SSSE3 and POPCNT,
// chosen at run time; elsewhere they consume nothing and the scalar code does
// it all. Both produce exactly what the scalar code does, 16 input bytes at a
// time.
#include <array>
#include <cstddef>
#include <cstdint>

#include "client_common/percent_tables.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PERCENT_VECTOR 1
#endif

namespace percent {

#ifdef PERCENT_VECTOR
namespace {

// Shuffles that expand 8 input bytes, with a mask of those that escape, into
// their output: a byte, or "%" and its two hex digits. They read two
// registers, S = [x0..x7, hi0..hi7] and T = [lo0..lo7, "%"...], and write up
// to 24 bytes; 0x80 selects nothing.
struct Expansion {
  uint8_t s0[16], t0[16], s1[16], t1[16];
};

constexpr std::array<Expansion, 256> ExpansionTable() {
  std::array<Expansion, 256> table{};
  for (int mask = 0; mask < 256; ++mask) {
    Expansion& e = table[mask];
    for (int k = 0; k < 16; ++k) e.s0[k] = e.t0[k] = e.s1[k] = e.t1[k] = 0x80;
    int k = 0;
    auto put = [&e, &k](bool from_t, int index) {
      uint8_t* from = k < 16 ? (from_t ? e.t0 : e.s0) : (from_t ? e.t1 : e.s1);
      from[k & 15] = static_cast<uint8_t>(index);
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
constexpr auto kExpansion = ExpansionTable();

// Shuffles that gather the bytes of an 8-bit mask to the front.
struct Gather {
  uint8_t index[16];
};

constexpr std::array<Gather, 256> GatherTable() {
  std::array<Gather, 256> table{};
  for (int mask = 0; mask < 256; ++mask) {
    int k = 0;
    for (int i = 0; i < 8; ++i)
      if ((mask >> i) & 1) table[mask].index[k++] = static_cast<uint8_t>(i);
    for (; k < 16; ++k) table[mask].index[k] = 0x80;
  }
  return table;
}
constexpr auto kGather = GatherTable();

bool has_kernels() {
  static const bool yes = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
  }();
  return yes;
}

bool has_avx2() {
  static const bool yes = [] {
    __builtin_cpu_init();
    return has_kernels() && __builtin_cpu_supports("avx2");
  }();
  return yes;
}

#define KERNEL __attribute__((target("ssse3,popcnt")))
#define KERNEL_AVX2 __attribute__((target("avx2,popcnt")))

__m128i load(const void* p) {
  return _mm_loadu_si128(static_cast<const __m128i*>(p));
}
void store(void* p, __m128i v) {
  _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

// Bytes from lo to hi (unsigned), as a byte mask.
__m128i in_range(__m128i x, char lo, char hi) {
  const __m128i d = _mm_sub_epi8(x, _mm_set1_epi8(lo));
  return _mm_cmpeq_epi8(
      _mm_min_epu8(d, _mm_set1_epi8(static_cast<char>(hi - lo))), d);
}

// Bit i set when byte i must be escaped.
unsigned escaped_mask(__m128i x) {
  __m128i unreserved = in_range(_mm_or_si128(x, _mm_set1_epi8(0x20)), 'a', 'z');
  unreserved = _mm_or_si128(unreserved, in_range(x, '0', '9'));
  unreserved = _mm_or_si128(unreserved, in_range(x, '-', '.'));
  unreserved = _mm_or_si128(unreserved, _mm_cmpeq_epi8(x, _mm_set1_epi8('_')));
  unreserved = _mm_or_si128(unreserved, _mm_cmpeq_epi8(x, _mm_set1_epi8('~')));
  return ~static_cast<unsigned>(_mm_movemask_epi8(unreserved)) & 0xFFFFu;
}

// Both halves are always stored (the caller leaves room): a branch on the
// mask would be mispredicted for most text.
KERNEL char* expand8(__m128i s, __m128i t, unsigned mask, char* out) {
  const Expansion& e = kExpansion[mask];
  store(out, _mm_or_si128(_mm_shuffle_epi8(s, load(e.s0)),
                          _mm_shuffle_epi8(t, load(e.t0))));
  store(out + 16, _mm_or_si128(_mm_shuffle_epi8(s, load(e.s1)),
                               _mm_shuffle_epi8(t, load(e.t1))));
  return out + 8 + 2 * __builtin_popcount(mask);
}

KERNEL Progress encode_ssse3(const char* in, std::size_t size, char* out) {
  const __m128i hex = load(kHexDigits);
  const __m128i nibble = _mm_set1_epi8(0x0F);
  const __m128i percent_sign = _mm_set1_epi8('%');
  char* o = out;
  std::size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const __m128i x = load(in + i);
    const unsigned mask = escaped_mask(x);
    if (mask == 0) {
      store(o, x);
      o += 16;
      continue;
    }
    const __m128i high =
        _mm_shuffle_epi8(hex, _mm_and_si128(_mm_srli_epi16(x, 4), nibble));
    const __m128i low = _mm_shuffle_epi8(hex, _mm_and_si128(x, nibble));
    o = expand8(_mm_unpacklo_epi64(x, high),
                _mm_unpacklo_epi64(low, percent_sign), mask & 0xFF, o);
    o = expand8(_mm_unpackhi_epi64(x, high),
                _mm_unpackhi_epi64(low, percent_sign), mask >> 8, o);
  }
  return {i, static_cast<std::size_t>(o - out)};
}

// Gathers the kept bytes of 8 (a mask's low 8 bits) to `out`; returns the
// end of what it wrote.
KERNEL char* gather8(__m128i bytes, unsigned keep, char* out) {
  store(out, _mm_shuffle_epi8(bytes, load(kGather[keep & 0xFF].index)));
  return out + __builtin_popcount(keep & 0xFF);
}

struct HexDigits {
  __m128i valid;  // 0xFF where the byte is a hex digit
  __m128i value;  // its value, 0 elsewhere
};

KERNEL HexDigits hex_digits(__m128i x) {
  const __m128i digit = _mm_sub_epi8(x, _mm_set1_epi8('0'));
  const __m128i is_digit =
      _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
  const __m128i letter =
      _mm_sub_epi8(_mm_or_si128(x, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i is_letter =
      _mm_cmpeq_epi8(_mm_min_epu8(letter, _mm_set1_epi8(5)), letter);
  return {_mm_or_si128(is_digit, is_letter),
          _mm_or_si128(_mm_and_si128(is_digit, digit),
                       _mm_and_si128(is_letter,
                                     _mm_add_epi8(letter, _mm_set1_epi8(10))))};
}

// Escapes never overlap (a valid escape's digits are no "%"), so whether an
// escape starts at a byte depends only on that byte and the two after it.
// Each step takes 16 bytes, reading two more ahead; an escape at 14 or 15
// carries its digits over into the next step's first bytes. The input
// position never waits on the data, which keeps the loop pipelined.
KERNEL Progress decode_ssse3(const char* in, std::size_t size, char* out) {
  const __m128i percent_sign = _mm_set1_epi8('%');
  char* o = out;
  std::size_t i = 0;
  unsigned carried = 0;  // bits 0 and 1: digits of an escape begun before
  for (; i + 18 <= size; i += 16) {
    const __m128i x = load(in + i);
    const __m128i is_percent = _mm_cmpeq_epi8(x, percent_sign);
    if (_mm_movemask_epi8(is_percent) == 0 && carried == 0) {
      store(o, x);
      o += 16;
      continue;
    }
    const HexDigits first = hex_digits(load(in + i + 1));
    const HexDigits second = hex_digits(load(in + i + 2));
    const __m128i starts_v =
        _mm_and_si128(is_percent, _mm_and_si128(first.valid, second.valid));
    // Values are below 16, so the 16-bit shift keeps each byte to itself.
    const __m128i decoded =
        _mm_or_si128(_mm_slli_epi16(first.value, 4), second.value);
    const __m128i bytes = _mm_or_si128(_mm_and_si128(starts_v, decoded),
                                       _mm_andnot_si128(starts_v, x));

    const unsigned starts = static_cast<unsigned>(_mm_movemask_epi8(starts_v));
    const unsigned zero =
        starts & static_cast<unsigned>(_mm_movemask_epi8(
                     _mm_cmpeq_epi8(decoded, _mm_setzero_si128())));
    const unsigned consumed = (starts << 1) | (starts << 2) | carried;
    const unsigned keep = ~(consumed | zero) & 0xFFFFu;
    carried = consumed >> 16;

    o = gather8(bytes, keep, o);
    o = gather8(_mm_srli_si128(bytes, 8), keep >> 8, o);
  }
  return {i + static_cast<std::size_t>(__builtin_popcount(carried)),
          static_cast<std::size_t>(o - out)};
}

struct HexDigits256 {
  __m256i valid;
  __m256i value;
};

KERNEL_AVX2 HexDigits256 hex_digits(__m256i x) {
  const __m256i digit = _mm256_sub_epi8(x, _mm256_set1_epi8('0'));
  const __m256i is_digit =
      _mm256_cmpeq_epi8(_mm256_min_epu8(digit, _mm256_set1_epi8(9)), digit);
  const __m256i letter = _mm256_sub_epi8(
      _mm256_or_si256(x, _mm256_set1_epi8(0x20)), _mm256_set1_epi8('a'));
  const __m256i is_letter =
      _mm256_cmpeq_epi8(_mm256_min_epu8(letter, _mm256_set1_epi8(5)), letter);
  return {_mm256_or_si256(is_digit, is_letter),
          _mm256_or_si256(
              _mm256_and_si256(is_digit, digit),
              _mm256_and_si256(is_letter,
                               _mm256_add_epi8(letter, _mm256_set1_epi8(10))))};
}

// decode_ssse3 over 32 bytes a step.
KERNEL_AVX2 Progress decode_avx2(const char* in, std::size_t size, char* out) {
  const __m256i percent_sign = _mm256_set1_epi8('%');
  char* o = out;
  std::size_t i = 0;
  std::uint64_t carried = 0;
  for (; i + 34 <= size; i += 32) {
    const __m256i x =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
    const __m256i is_percent = _mm256_cmpeq_epi8(x, percent_sign);
    if (_mm256_movemask_epi8(is_percent) == 0 && carried == 0) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(o), x);
      o += 32;
      continue;
    }
    const HexDigits256 first = hex_digits(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i + 1)));
    const HexDigits256 second = hex_digits(
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i + 2)));
    const __m256i starts_v = _mm256_and_si256(
        is_percent, _mm256_and_si256(first.valid, second.valid));
    const __m256i decoded =
        _mm256_or_si256(_mm256_slli_epi16(first.value, 4), second.value);
    const __m256i bytes = _mm256_blendv_epi8(x, decoded, starts_v);

    const std::uint64_t starts =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(starts_v));
    const std::uint64_t zero =
        starts & static_cast<std::uint32_t>(_mm256_movemask_epi8(
                     _mm256_cmpeq_epi8(decoded, _mm256_setzero_si256())));
    const std::uint64_t consumed = (starts << 1) | (starts << 2) | carried;
    const auto keep = static_cast<unsigned>(~(consumed | zero) & 0xFFFFFFFFu);
    carried = consumed >> 32;

    const __m128i low = _mm256_castsi256_si128(bytes);
    const __m128i high = _mm256_extracti128_si256(bytes, 1);
    o = gather8(low, keep, o);
    o = gather8(_mm_srli_si128(low, 8), keep >> 8, o);
    o = gather8(high, keep >> 16, o);
    o = gather8(_mm_srli_si128(high, 8), keep >> 24, o);
  }
  const Progress rest =
      decode_ssse3(in + i + __builtin_popcountll(carried),
                   size - i - __builtin_popcountll(carried), o);
  return {i + static_cast<std::size_t>(__builtin_popcountll(carried)) +
              rest.consumed,
          static_cast<std::size_t>(o - out) + rest.written};
}

KERNEL std::size_t count_ssse3(const char* in, std::size_t size) {
  std::size_t escaped = 0, i = 0;
  for (; i + 16 <= size; i += 16)
    escaped += static_cast<std::size_t>(
        __builtin_popcount(escaped_mask(load(in + i))));
  for (; i < size; ++i) escaped += !kUnreserved[byte(in[i])];
  return escaped;
}

std::size_t count_scalar(const char* in, std::size_t size) {
  std::size_t escaped = 0;
  for (std::size_t i = 0; i < size; ++i) escaped += !kUnreserved[byte(in[i])];
  return escaped;
}

}  // namespace

std::size_t count_escaped(const char* in, std::size_t size) {
  return has_kernels() ? count_ssse3(in, size) : count_scalar(in, size);
}

Progress encode_vector(const char* in, std::size_t size, char* out) {
  return has_kernels() ? encode_ssse3(in, size, out) : Progress{0, 0};
}

Progress decode_vector(const char* in, std::size_t size, char* out) {
  if (has_avx2()) return decode_avx2(in, size, out);
  return has_kernels() ? decode_ssse3(in, size, out) : Progress{0, 0};
}

#else  // no vector kernels on this processor

std::size_t count_escaped(const char* in, std::size_t size) {
  std::size_t escaped = 0;
  for (std::size_t i = 0; i < size; ++i) escaped += !kUnreserved[byte(in[i])];
  return escaped;
}

Progress encode_vector(const char*, std::size_t, char*) { return {0, 0}; }
Progress decode_vector(const char*, std::size_t, char*) { return {0, 0}; }

#endif

}  // namespace percent
