// Internal: the constant texts of the launch-argument code.
#ifndef CLIENT_COMMON_LAUNCH_CONSTANTS_H_
#define CLIENT_COMMON_LAUNCH_CONSTANTS_H_

#include <string>

// The value handed to option_list::set for a key given without one; the
// table refuses it.
extern const std::string IGNORE_VALUE;
// Between the query parameters of a launch URI.
extern const std::string separator;
// The reserved characters of RFC 3986 (gen-delims, then sub-delims); a raw
// launch-URI value holding one is malformed.
extern const std::string delimiters;

#endif  // CLIENT_COMMON_LAUNCH_CONSTANTS_H_
