// The run-time choice of percent coding's vector kernels: SSSE3 with POPCNT
// for counting and encoding, AVX2 (else SSSE3) for decoding. Builds without
// the kernels, and processors without those sets, get the scalar code alone.
#include "client_common/percent_vector.h"

#include <cstdlib>
#include <string_view>

#include "safe_str/char_classes.h"

namespace client_common::internal::percent {
namespace {

#if CLIENT_COMMON_PERCENT_KERNELS
// CLIENT_COMMON_VECTOR_KERNELS=ssse3 in the environment keeps SSSE3 only, any
// other value no kernel, so that a processor with AVX2 tests every path.
bool allowed(std::string_view kernels) {
  const char* limit = std::getenv("CLIENT_COMMON_VECTOR_KERNELS");
  return limit == nullptr || (kernels == "ssse3" && kernels == limit);
}

bool has_ssse3() {
  static const bool yes = [] {
    __builtin_cpu_init();
    return allowed("ssse3") && __builtin_cpu_supports("ssse3") &&
           __builtin_cpu_supports("popcnt");
  }();
  return yes;
}

bool has_avx2() {
  static const bool yes = [] {
    __builtin_cpu_init();
    return allowed("avx2") && has_ssse3() && __builtin_cpu_supports("avx2");
  }();
  return yes;
}
#endif

}  // namespace

std::size_t count_escaped(const char* in, std::size_t size) {
  std::size_t escaped = 0;
  std::size_t i = 0;
#if CLIENT_COMMON_PERCENT_KERNELS
  if (has_ssse3()) {
    i = size / 16 * 16;
    escaped = count_escaped_ssse3(in, i);
  }
#endif
  for (; i < size; ++i) escaped += !contains(kUnreserved, in[i]);
  return escaped;
}

Progress encode_vector(const char* in, std::size_t size, char* out) {
#if CLIENT_COMMON_PERCENT_KERNELS
  if (has_ssse3()) return encode_ssse3(in, size, out);
#endif
  return {0, 0};
}

Progress decode_vector(const char* in, std::size_t size, char* out) {
#if CLIENT_COMMON_PERCENT_KERNELS
  if (size < kMinKernelInput) return {0, 0};  // no whole block to decode
  if (has_avx2()) {
    const Progress wide = decode_avx2(in, size, out);
    const Progress rest = decode_ssse3(in + wide.consumed, size - wide.consumed,
                                       out + wide.written);
    return {wide.consumed + rest.consumed, wide.written + rest.written};
  }
  if (has_ssse3()) return decode_ssse3(in, size, out);
#endif
  return {0, 0};
}

}  // namespace client_common::internal::percent
