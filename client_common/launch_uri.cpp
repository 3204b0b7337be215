// Argument vectors and launch URIs.
#include "client_common/client_common.h"
#include "client_common/uri_syntax.h"
#include "safe_str/safe_str.h"

using client_common::internal::any_in;
using client_common::internal::kAuthorityMarker;
using client_common::internal::kBlanks;
using client_common::internal::kScheme;
using client_common::internal::separator;

namespace {
constexpr std::size_t kAuthorityStart =
    kScheme.size() + kAuthorityMarker.size();

bool has_scheme(const std::string& arg) {
  if (arg.size() < kScheme.size()) return false;
  const std::string head = arg.substr(0, kScheme.size());
  int indicator = 1;
  const int error = qarel_strcasecmp_s(kScheme.data(), kScheme.size(),
                                       head.c_str(), &indicator);
  return error == 0 && indicator == 0;
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
  const std::size_t authority_end =
      str_find_firstof(uri, kAuthorityStart, "/?");
  std::string host =
      uri.substr(kAuthorityStart, authority_end - kAuthorityStart);
  const std::size_t colon = host.find(':');
  if (colon != std::string::npos) {
    opts.set("port", host.substr(colon + 1), true, true);
    host.resize(colon);
  }
  bool malformed = host.empty();
  opts.set("address", std::move(host), true, true);

  // The character that ended the authority is skipped, "/" or "?" alike;
  // a path is not recognised and becomes part of the first parameter.
  std::size_t pos = str_trim_first(uri, authority_end + 1, "?");
  while (pos < uri.size()) {
    std::size_t next = uri.find(separator, pos);
    if (next == std::string::npos) next = uri.size();
    const std::string parameter = uri.substr(pos, next - pos);
    if (any_in(kBlanks, parameter)) malformed = true;
    if (parseArg(parameter, opts, true)) malformed = true;
    pos = next + 1;
  }
  return malformed;
}
