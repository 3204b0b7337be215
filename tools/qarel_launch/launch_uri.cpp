#include "launch_uri.h"

#include <algorithm>

using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

bool is_launch_uri(const std::string& arg) {
  return arg.size() >= kLaunchUriScheme.size() &&
         case_comp(arg.substr(0, kLaunchUriScheme.size()),
                   std::string(kLaunchUriScheme));
}

bool has_marker(const std::string& uri) {
  return uri.compare(std::min(uri.size(), kLaunchUriScheme.size()),
                     kLaunchUriMarker.size(), kLaunchUriMarker) == 0;
}

UriLayout layout(const std::string& uri) {
  UriLayout l;
  l.authority_begin =
      std::min(uri.size(), kLaunchUriScheme.size() +
                               (has_marker(uri) ? kLaunchUriMarker.size() : 0));
  l.authority_end =
      std::min(uri.find_first_of("/?", l.authority_begin), uri.size());
  if (l.authority_end == uri.size()) return l;
  // The character that ended the authority and any run of "?" after it are
  // skipped; a trailing "&" ends the last parameter and starts none.
  std::size_t pos =
      std::min(uri.find_first_not_of('?', l.authority_end + 1), uri.size());
  while (pos < uri.size()) {
    const std::size_t next = std::min(uri.find('&', pos), uri.size());
    l.parameters.emplace_back(pos, next);
    pos = next + 1;
  }
  return l;
}
