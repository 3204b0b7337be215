// cl_params_formatter read back through arg_to_params: every value written
// percent-encoded comes back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tools/qarel_launch/quoted_arguments.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
// Host, port and log level are written unencoded, so they are drawn from
// characters that cannot end their part of the URI.
std::string Plain(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(16);
  for (char& c : s)
    c = "abcdefghijklmnopqrstuvwxyz0123456789.-"[static_cast<unsigned char>(c) %
                                                 38];
  return s;
}

// Any bytes but NUL, which percent decoding drops by design.
std::string Value(FuzzedDataProvider& in) {
  std::string s = in.ConsumeRandomLengthString(64);
  s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());
  return s;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string host = "h" + Plain(in), port = Plain(in),
                    log_level = Plain(in);
  const std::string sni = Value(in), tag = Value(in), session = Value(in),
                    locale = Value(in), logfile = Value(in);
  const bool windowed = in.ConsumeBool(), smartcard = in.ConsumeBool(),
             usb_off = in.ConsumeBool(), usb_forward = in.ConsumeBool();

  const std::vector<std::string> args = split_quoted(
      cl_params_formatter(host, port, sni, tag, session, windowed, smartcard,
                          usb_off, usb_forward, locale, logfile, log_level));
  option_list read = standard_options();
  FUZZ_CHECK(!arg_to_params(args, read));
  FUZZ_CHECK(read.get("address") == host);
  FUZZ_CHECK(read.get_bool("full-screen") == !windowed);
  FUZZ_CHECK(read.get_bool("usb-auto-forward") == usb_forward);

  const std::pair<const char*, const std::string*> encoded[] = {
      {"sni", &sni},
      {"connect-tag", &tag},
      {"session-id", &session},
      {"locale", &locale},
      {"logfile", &logfile}};
  for (const auto& [key, value] : encoded) {
    // The table refuses one value: the marker of a key given without one.
    if (value->empty() || *value == "Ignore_this_value") continue;
    FUZZ_CHECK(read.get(key) == *value);
  }
  return 0;
}
