// Internal: the fixed texts of a launch URI, shared by its parser and its
// composer.
#ifndef CLIENT_COMMON_URI_SYNTAX_H_
#define CLIENT_COMMON_URI_SYNTAX_H_

#include <string_view>

#include "safe_str/char_classes.h"

namespace client_common::internal {

// The scheme, matched in any letter case, and the marker that follows it.
inline constexpr std::string_view kScheme = "quorvane-qarel:";
inline constexpr std::string_view kAuthorityMarker = "//";
// The authority (host and port) ends at the first of these.
inline constexpr ByteSet kAuthorityEnd = byte_set({"/?"});
// Between query parameters.
inline constexpr std::string_view separator = "&";
// RFC 3986's reserved characters (gen-delims, then sub-delims). A raw
// parameter value holding one makes the URI malformed.
inline constexpr std::string_view delimiters = ":/?#[]@!$&'()*+,;=";
inline constexpr ByteSet kReserved = byte_set({delimiters});
// A parameter holding a blank makes the URI malformed too.
inline constexpr std::string_view kBlanks = " \t";

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_URI_SYNTAX_H_
