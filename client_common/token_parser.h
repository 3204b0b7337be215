// Internal: one launch-URI parameter, as parseArg reads it from a launch URI,
// for parse_uri to call on each part of the URI without copying it out.
#ifndef CLIENT_COMMON_TOKEN_PARSER_H_
#define CLIENT_COMMON_TOKEN_PARSER_H_

#include <string_view>

#include "option_list/option_list.h"

namespace client_common::internal {

bool parse_uri_parameter(std::string_view parameter, option_list& opts);

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_TOKEN_PARSER_H_
