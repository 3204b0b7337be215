// Internal: percent coding's vector kernels. Each entry handles a prefix of
// the input in whole blocks and says how far it got; the scalar code in
// percent_encoding.cpp finishes the rest. Which kernels may run is an
// argument: the library passes what the processor has, and tests pass each
// choice in turn, so that a processor with AVX2 runs every path.
#ifndef CLIENT_COMMON_PERCENT_VECTOR_H_
#define CLIENT_COMMON_PERCENT_VECTOR_H_

#include <cstddef>

namespace client_common::internal::percent {

// The kernels that may run, each choice including the ones before it.
enum class Kernels { kNone, kSsse3, kAvx2 };

// What this build and processor have: SSSE3 with POPCNT, and AVX2 (x86-64
// builds with GCC or Clang only). Found on the first call.
Kernels available_kernels();

// The kernels store whole registers: `out` needs room for kSlack bytes
// beyond what they write. Inputs shorter than kMinKernelInput are left to
// the scalar code, so they need no slack.
constexpr std::size_t kSlack = 32;
constexpr std::size_t kMinKernelInput = 16;

struct Progress {
  std::size_t consumed;  // input bytes
  std::size_t written;   // output bytes
};

// Counts without writing: `written` is the length the encoder gives the
// bytes consumed.
Progress count_vector(const char* in, std::size_t size, Kernels kernels);
Progress encode_vector(const char* in, std::size_t size, char* out,
                       Kernels kernels);
Progress decode_vector(const char* in, std::size_t size, char* out,
                       Kernels kernels);

#if CLIENT_COMMON_PERCENT_KERNELS
// The kernels themselves, each compiled for its instruction set
// (percent_ssse3.cpp, percent_avx2.cpp) and called only where the processor
// has it.
Progress count_ssse3(const char* in, std::size_t size);
Progress encode_ssse3(const char* in, std::size_t size, char* out);
Progress decode_ssse3(const char* in, std::size_t size, char* out);
Progress decode_avx2(const char* in, std::size_t size, char* out);
#endif

}  // namespace client_common::internal::percent

#endif  // CLIENT_COMMON_PERCENT_VECTOR_H_
