// Where the parts of a launch URI lie, as the library cuts them: the
// authority after "quorvane-qarel://", then the "&"-separated parameters.
#ifndef TOOLS_QAREL_LAUNCH_LAUNCH_URI_H_
#define TOOLS_QAREL_LAUNCH_LAUNCH_URI_H_

#include <client_common/client_common.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Whether arg_to_params hands `arg` to parse_uri: the scheme in any case.
bool is_launch_uri(const std::string& arg);

// Whether the scheme is followed by "//"; parse_uri ignores a URI without.
bool has_marker(const std::string& uri);

struct UriLayout {
  std::size_t authority_begin = 0;  // after the marker, or the scheme alone
  std::size_t authority_end = 0;    // at the first "/" or "?", or the end
  // [begin, end) of each parameter parse_uri hands to parseArg.
  std::vector<std::pair<std::size_t, std::size_t>> parameters;
};

// The parts of `uri`, a launch URI. Without "//" the authority starts right
// after the scheme, so that an ignored URI is cut the same way for display.
UriLayout layout(const std::string& uri);

#endif  // TOOLS_QAREL_LAUNCH_LAUNCH_URI_H_
