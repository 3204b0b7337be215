// cl_params_formatter read back through arg_to_params: every value written
// percent-encoded comes back unchanged. Input lines: host, port, log level,
// sni, connect tag, session id, locale, log file, and four switch flags.
#include <algorithm>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/option_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> in = CutLines(data, size, 9);
  // Host, port and log level are written unencoded, so they are drawn from
  // characters that cannot end their part of the URI.
  for (int i = 0; i < 3; ++i)
    for (char& c : in[i])
      c = "abcdefghijklmnopqrstuvwxyz0123456789.-"[static_cast<uint8_t>(c) %
                                                   38];
  in[0].insert(0, "h");
  // The rest may hold any byte but NUL, which decoding drops by design.
  for (int i = 3; i < 8; ++i)
    in[i].erase(std::remove(in[i].begin(), in[i].end(), '\0'), in[i].end());
  const std::string flags = in[8] + "0000";
  const std::string text = cl_params_formatter(
      in[0], in[1], in[3], in[4], in[5], flags[0] & 1, flags[1] & 1,
      flags[2] & 1, flags[3] & 1, in[6], in[7], in[2]);

  // '"<uri>"', then ' "connect-tag=<tag>"' when there is a tag.
  const size_t end = text.find('"', 1);
  std::vector<std::string> args = {text.substr(1, end - 1)};
  if (end + 1 != text.size())
    args.push_back(text.substr(end + 3, text.size() - end - 4));
  Check(args.size() == (in[4].empty() ? 1u : 2u),
        "a second argument exactly when there is a tag");
  Check(text.back() == '"', "the text ends with a quote");
  option_list read = LaunchTable();
  Check(!arg_to_params(args, read), "the composed link is not malformed");
  const std::string switches[] = {"full-screen", "use-smartcard", "disable-usb",
                                  "usb-auto-forward"};
  for (int i = 0; i < 4; ++i)
    Check(read.get_bool(switches[i]) == ((flags[i] & 1) != (i == 0)),
          "each switch reads back");
  const char* keys[] = {"address",     "port",       "log-level", "sni",
                        "connect-tag", "session-id", "locale",    "logfile"};
  for (int i = 0; i < 8; ++i) {
    // The table refuses one value: the marker of a key given without one;
    // an empty log level is not written, so the default stays.
    if (in[i] == "Ignore_this_value" || (i == 2 && in[i].empty())) continue;
    Check(read.get(keys[i]) == in[i], "each value reads back");
  }
  return 0;
}
