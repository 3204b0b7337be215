// Parses a launch URI with the installed library and prints what it found.
#include <client_common/client_common.h>
#include <option_list/option_flags.h>
#include <option_list/option_list.h>
#include <version/version.h>

#include <cstdio>

int main() {
  option_list opts;
  using client_common::kFromUri;
  client_common::add_option(opts, "", "address", "", "Host", kFromUri);
  client_common::add_option(opts, "", "port", "", "Port", kFromUri);
  client_common::add_option(opts, "", "sni", "", "Server name", kFromUri);

  const bool malformed =
      arg_to_params({"quorvane-qarel://192.0.2.10:900?sni=desk%20pool"}, opts);
  std::printf("client_common %s: address=%s port=%s sni=%s malformed=%d\n",
              quor_version_get_external_product_version(),
              opts.get("address").c_str(), opts.get("port").c_str(),
              opts.get("sni").c_str(), malformed ? 1 : 0);
  return malformed || !opts.rejected_params.empty() ? 1 : 0;
}
