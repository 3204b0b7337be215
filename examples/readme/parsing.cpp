// A client's option table, and its launch arguments read into it.
#include <client_common/client_common.h>
#include <option_list/option_flags.h>

#include <cstdio>

int main() {
  using namespace client_common;  // option_list::add's four flags, named
  option_list opts;
  add_option(opts, "", "address", "", "Host", kFromUri);
  add_option(opts, "", "port", "", "Port", kFromUri);
  add_option(opts, "l", "log-level", "info", "Log level", kFromUri);
  add_option(opts, "f", "full-screen", "", "Full screen", kSwitch | kFromUri);

  const bool malformed = arg_to_params(
      {"-l", "debug", "quorvane-qarel://192.0.2.10:900?full-screen&x=1"}, opts);
  // address=192.0.2.10 full-screen=1 malformed=0 rejected=URI_opt:'x'
  std::printf("address=%s full-screen=%d malformed=%d rejected=%s\n",
              opts.get("address").c_str(), opts.get_bool("full-screen"),
              malformed, opts.rejected_params.c_str());
}
