// Argument vectors and launch URIs.
#include <algorithm>

#include "client_common/client_common.h"
#include "client_common/token_parser.h"
#include "client_common/uri_syntax.h"
#include "safe_str/equal_ignoring_case.h"
#include "safe_str/safe_str.h"

using client_common::internal::contains;
using client_common::internal::equal_ignoring_case;
using client_common::internal::kAuthorityEnd;
using client_common::internal::kAuthorityMarker;
using client_common::internal::kBlanks;
using client_common::internal::kScheme;
using client_common::internal::parse_uri_parameter;
using client_common::internal::separator;
using client_common::internal::set_from_uri;

namespace {
constexpr std::size_t npos = std::string::npos;
constexpr std::size_t kAuthorityStart =
    kScheme.size() + kAuthorityMarker.size();

bool has_scheme(const std::string& arg) {
  return arg.size() >= kScheme.size() &&
         equal_ignoring_case(std::string_view(arg).substr(0, kScheme.size()),
                             kScheme);
}
}  // namespace

bool arg_to_params(const std::vector<std::string>& args, option_list& opts) {
  bool malformed = false;
  for (const std::string& arg : args) {
    const bool bad =
        has_scheme(arg) ? parse_uri(arg, opts) : parseArg(arg, opts, false);
    malformed = malformed || bad;
  }
  return malformed;
}

bool parse_uri(const std::string& uri, option_list& opts) {
  if (uri.size() < kAuthorityStart ||
      uri.compare(kScheme.size(), kAuthorityMarker.size(), kAuthorityMarker) !=
          0) {
    return false;
  }
  // Scanned as a view: its finds are inline calls of memchr.
  const std::string_view view(uri);
  const std::size_t authority_end = static_cast<std::size_t>(
      std::find_if(view.begin() + kAuthorityStart, view.end(),
                   [](char c) { return contains(kAuthorityEnd, c); }) -
      view.begin());
  const std::string_view host =
      view.substr(kAuthorityStart, authority_end - kAuthorityStart);
  const std::size_t colon = std::min(host.find(':'), host.size());
  if (colon < host.size()) set_from_uri(opts, "port", host.substr(colon + 1));
  set_from_uri(opts, "address", host.substr(0, colon));
  bool malformed = colon == 0;

  // The character that ended the authority is skipped, "/" or "?" alike;
  // a path is not recognised and becomes part of the first parameter.
  std::size_t pos = str_trim_first(uri, authority_end + 1, "?");
  // A parameter holding a blank makes the URI malformed: the parameters
  // are all that follows, less their separators.
  if (pos < uri.size() &&
      std::any_of(kBlanks.begin(), kBlanks.end(),
                  [&](char blank) { return view.find(blank, pos) != npos; }))
    malformed = true;
  while (pos < uri.size()) {
    const std::size_t next =
        std::min(view.find(separator.front(), pos), view.size());
    if (parse_uri_parameter(view.substr(pos, next - pos), opts))
      malformed = true;
    pos = next + 1;
  }
  return malformed;
}
