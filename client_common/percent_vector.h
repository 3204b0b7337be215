// Internal: percent coding's vector kernels, chosen at run time. Each entry
// handles a prefix of the input in whole blocks and says how far it got; the
// scalar code in percent_encoding.cpp finishes the rest. Processors without
// the kernels get {0, 0} and the scalar code does it all.
#ifndef CLIENT_COMMON_PERCENT_VECTOR_H_
#define CLIENT_COMMON_PERCENT_VECTOR_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace client_common::internal::percent {

// percent_decode over any part of a text, so callers need not copy it out.
// Most launch values hold no escape: those are copied inline.
std::string decode_escapes(std::string_view s);
inline std::string decode(std::string_view s) {
  return s.find('%') == s.npos ? std::string(s) : decode_escapes(s);
}

// The kernels store whole registers: `out` needs room for kSlack bytes
// beyond what they write. Inputs shorter than kMinKernelInput are left to
// the scalar code, so they need no slack.
constexpr std::size_t kSlack = 32;
constexpr std::size_t kMinKernelInput = 16;

struct Progress {
  std::size_t consumed;  // input bytes
  std::size_t written;   // output bytes
};

// Bytes that escape; the encoder's output is size + 2 * this.
std::size_t count_escaped(const char* in, std::size_t size);
Progress encode_vector(const char* in, std::size_t size, char* out);
Progress decode_vector(const char* in, std::size_t size, char* out);

#if CLIENT_COMMON_PERCENT_KERNELS
// The kernels themselves, each compiled for its instruction set
// (percent_ssse3.cpp, percent_avx2.cpp) and called only where the processor
// has it.
std::size_t count_escaped_ssse3(const char* in, std::size_t blocks);
Progress encode_ssse3(const char* in, std::size_t size, char* out);
Progress decode_ssse3(const char* in, std::size_t size, char* out);
Progress decode_avx2(const char* in, std::size_t size, char* out);
#endif

}  // namespace client_common::internal::percent

#endif  // CLIENT_COMMON_PERCENT_VECTOR_H_
