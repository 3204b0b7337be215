// parse_uri behind the scheme prefix, with and without the "//" marker.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/option_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string rest(reinterpret_cast<const char*>(data), size);

  option_list opts = LaunchTable();
  const bool whole_malformed = parse_uri("quorvane-qarel://" + rest, opts);

  // The host is what stands before the first ":", "/" or "?"; an empty one
  // is malformed. (Parameters may set "address" again, so the host is read
  // back from the authority alone.)
  const std::string authority_text = rest.substr(0, rest.find_first_of("/?"));
  const std::string host = rest.substr(0, rest.find_first_of(":/?"));
  option_list authority;
  authority.add("", "address", false, "", "", true, false, true);
  authority.add("", "port", false, "", "", true, false, true);
  const bool malformed =
      parse_uri("quorvane-qarel://" + authority_text, authority);
  Check(malformed == host.empty());
  // (The table refuses one value, the marker of a key without a value.)
  if (host != "Ignore_this_value") Check(authority.get("address") == host);
  Check(!host.empty() || whole_malformed);

  option_list unmarked = LaunchTable();
  parse_uri("quorvane-qarel:" + rest, unmarked);
  arg_to_params({"QUORVANE-qarel:" + rest}, unmarked);
  return 0;
}
