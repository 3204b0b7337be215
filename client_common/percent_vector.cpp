// The choice of percent coding's vector kernels: SSSE3 with POPCNT for
// counting and encoding, AVX2 (else SSSE3) for decoding, as far as the
// choice allows. Builds without the kernels run the scalar code alone.
#include "client_common/percent_vector.h"

namespace client_common::internal::percent {

Kernels available_kernels() {
#if CLIENT_COMMON_PERCENT_KERNELS
  static const Kernels available = [] {
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("ssse3") || !__builtin_cpu_supports("popcnt"))
      return Kernels::kNone;
    return __builtin_cpu_supports("avx2") ? Kernels::kAvx2 : Kernels::kSsse3;
  }();
  return available;
#else
  return Kernels::kNone;
#endif
}

Progress count_vector(const char* in, std::size_t size, Kernels kernels) {
#if CLIENT_COMMON_PERCENT_KERNELS
  if (kernels != Kernels::kNone) return count_ssse3(in, size);
#else
  (void)in, (void)size, (void)kernels;
#endif
  return {0, 0};
}

Progress encode_vector(const char* in, std::size_t size, char* out,
                       Kernels kernels) {
#if CLIENT_COMMON_PERCENT_KERNELS
  if (kernels != Kernels::kNone) return encode_ssse3(in, size, out);
#else
  (void)in, (void)size, (void)out, (void)kernels;
#endif
  return {0, 0};
}

Progress decode_vector(const char* in, std::size_t size, char* out,
                       Kernels kernels) {
#if CLIENT_COMMON_PERCENT_KERNELS
  if (size < kMinKernelInput) return {0, 0};  // no whole block to decode
  if (kernels == Kernels::kAvx2) {
    const Progress wide = decode_avx2(in, size, out);
    const Progress rest = decode_ssse3(in + wide.consumed, size - wide.consumed,
                                       out + wide.written);
    return {wide.consumed + rest.consumed, wide.written + rest.written};
  }
  if (kernels == Kernels::kSsse3) return decode_ssse3(in, size, out);
#else
  (void)in, (void)size, (void)out, (void)kernels;
#endif
  return {0, 0};
}

}  // namespace client_common::internal::percent
