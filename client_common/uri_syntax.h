// Internal: the launch URI's texts as its parser and composer scan for
// them. The texts themselves are public, in client_common.h.
#ifndef CLIENT_COMMON_URI_SYNTAX_H_
#define CLIENT_COMMON_URI_SYNTAX_H_

#include <string_view>

#include "client_common/client_common.h"
#include "safe_str/char_classes.h"

namespace client_common::internal {

inline constexpr ByteSet kReserved = byte_set({kLaunchUriReserved});
// The authority (host and port) ends at the first of these.
inline constexpr ByteSet kAuthorityEnd = byte_set({"/?"});
// A parameter holding a blank makes the URI malformed too. A view, not a
// ByteSet: the parser finds each with memchr, far quicker than a byte loop.
inline constexpr std::string_view kBlanks = " \t";

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_URI_SYNTAX_H_
