// Percent-coding kernel for AVX2: the decoder, 32 bytes a step. This file is
// compiled for that instruction set; percent_vector.cpp calls it only where
// the processor has it, and finishes with the 16-byte decoder.
#include "client_common/percent_kernels.h"

namespace client_common::internal::percent {

Progress decode_avx2(const char* in, std::size_t size, char* out) {
  return decode_blocks<32>(in, size, out);
}

}  // namespace client_common::internal::percent
