// Internal: percent coding over any part of a text, with the kernels given
// or the ones the processor has. percent_encode and percent_decode are
// these with the processor's kernels; the parser decodes its arguments as
// views, without copying them out first.
#ifndef CLIENT_COMMON_PERCENT_ENCODING_H_
#define CLIENT_COMMON_PERCENT_ENCODING_H_

#include <string>
#include <string_view>

#include "client_common/percent_vector.h"

namespace client_common::internal::percent {

std::string encode(std::string_view s, Kernels kernels);
std::string decode_escapes(std::string_view s, Kernels kernels);

// Most launch values hold no escape: those are copied inline.
inline std::string decode(std::string_view s,
                          Kernels kernels = available_kernels()) {
  return s.find('%') == s.npos ? std::string(s) : decode_escapes(s, kernels);
}

}  // namespace client_common::internal::percent

#endif  // CLIENT_COMMON_PERCENT_ENCODING_H_
