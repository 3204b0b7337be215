// Composition of the launch arguments that start a client.
#include "client_common/client_common.h"
#include "client_common/uri_syntax.h"

using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;
using client_common::kLaunchUriSeparator;

namespace {
void add_switch(std::string& uri, bool on, const char* name) {
  if (!on) return;
  uri += name;
  uri += kLaunchUriSeparator;
}

// How a value is written: percent-encoded, or as it stands.
enum class Written : bool { kEncoded, kAsGiven };

void add_value(std::string& uri, const char* name, const std::string& value,
               Written written) {
  if (value.empty()) return;
  uri += name;
  uri += '=';
  uri += written == Written::kEncoded ? percent_encode(value) : value;
  uri += kLaunchUriSeparator;
}
}  // namespace

std::string cl_params_formatter(
    const std::string& host, const std::string& port, const std::string& sni,
    const std::string& connect_tag, const std::string& session_id,
    bool windowed, bool use_smartcard, bool disable_usb, bool usb_auto_forward,
    const std::string& locale, const std::string& logfile,
    const std::string& log_level) {
  std::string uri = "\"";
  uri += kLaunchUriScheme;
  uri += kLaunchUriMarker;
  uri += host;
  if (!port.empty()) {
    uri += ':';
    uri += port;
  }
  uri += '?';
  add_switch(uri, !windowed, "full-screen");
  add_value(uri, "sni", sni, Written::kEncoded);
  add_value(uri, "session-id", session_id, Written::kEncoded);
  add_switch(uri, use_smartcard, "use-smartcard");
  add_switch(uri, disable_usb, "disable-usb");
  add_switch(uri, usb_auto_forward, "usb-auto-forward");
  add_value(uri, "locale", locale, Written::kEncoded);
  add_value(uri, "logfile", logfile, Written::kEncoded);
  add_value(uri, "log-level", log_level, Written::kAsGiven);
  // The last "&", or the "?" when no parameter was written.
  uri.back() = '"';
  if (!connect_tag.empty()) {
    uri += " \"connect-tag=";
    uri += percent_encode(connect_tag);
    uri += '"';
  }
  return uri;
}
