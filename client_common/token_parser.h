// Internal: the parts of a launch URI, as parseArg reads them, for parse_uri
// to call on each part of the URI without copying it out.
#ifndef CLIENT_COMMON_TOKEN_PARSER_H_
#define CLIENT_COMMON_TOKEN_PARSER_H_

#include <string_view>

#include "option_list/option_list.h"

namespace client_common::internal {

bool parse_uri_parameter(std::string_view parameter, option_list& opts);
// set(key, value, true, true) for a launch URI's own parts, its port and
// host, read in place.
void set_from_uri(option_list& opts, std::string_view key,
                  std::string_view value);

}  // namespace client_common::internal

#endif  // CLIENT_COMMON_TOKEN_PARSER_H_
