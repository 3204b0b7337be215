// What a client does at launch, with any arguments (one per input line):
// parse them as a vector, plainly and with an observer, each line also as a
// launch URI's tail and as a launch-URI parameter, then read every option
// set in every way. The reads' exact answers are pinned by reads_test; here
// they must only hold up under any text.
#include <algorithm>
#include <string_view>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "option_list/option_flags.h"

namespace {
using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

// One option of each kind a launch reaches: valued and switch, from a launch
// URI or the command line only, masked, deprecated, with and without short
// keys, and the log level. Few, as every key is looked up in all of them;
// any other key takes the paths of refusal.
option_list Kinds() {
  using namespace client_common;  // the option flags
  option_list t;
  add_option(t, "", "address", "", "", kFromUri);
  add_option(t, "", "port", "", "", kFromUri);
  add_option(t, "f", "full-screen", "", "", kSwitch | kFromUri);
  add_option(t, "l", "log-level", "info", "", kFromUri);
  add_option(t, "n", "name", "", "", kFromUri);
  add_option(t, "", "connect-tag", "", "", kMasked);
  add_option(t, "c", "cl-switch", "", "", kSwitch);
  add_option(t, "o", "old", "", "", kDeprecated | kFromUri);
  return t;
}

// Leaves the parser idle: any launch-URI parameter drops a waiting key.
void Idle() {
  static option_list scratch;
  parseArg("idle", scratch, true);
}

// Every read of each option the input set, with nothing to hold but that
// a log level found is one of the six.
void ReadAll(option_list& t) {
  for (const option_list::option& o : t.options) {
    if (!o.is_set) continue;
    str_to_int(o.value);
    hex_str_to_int(o.value);
    t.get_int(o.long_key);
    t.option_is_int(o.long_key, 0, 5);
    t.get_int_pair(o.long_key, false);
    t.get_hex_int_pair_vector(o.long_key, ":", ",", false);
  }
  boost::optional<int> level = 42;
  if (t.get_log_level(level)) {
    Check(*level >= 0, "a log level is at least 0");
    Check(*level <= 5, "a log level is at most 5");
  } else {
    Check(*level == 42, "get_log_level stores nothing when it finds none");
  }
}

// Counts the events an observed parse tells.
void Count(const client_common::ArgumentEvent&, void* events) {
  ++*static_cast<std::size_t*>(events);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(data, size);

  static const option_list table = Kinds();
  static const std::string scheme(kLaunchUriScheme),
      uri_prefix = scheme + std::string(kLaunchUriMarker);
  // Assigned, not constructed: the table's nodes and strings are reused.
  static option_list opts, observed;
  opts = table;
  observed = table;
  Idle();
  const bool malformed = arg_to_params(args, opts);
  Idle();
  std::size_t events = 0;
  Check(arg_to_params_observed(args, observed, {Count, &events}) == malformed,
        "the observed parse finds what the plain one finds malformed");
  Check(observed.rejected_params == opts.rejected_params,
        "the observed parse refuses what the plain one refuses");
  Check(std::equal(
            observed.options.begin(), observed.options.end(),
            opts.options.begin(),
            [](const option_list::option& a, const option_list::option& b) {
              return a.is_set == b.is_set && a.value == b.value;
            }),
        "the observed parse sets what the plain one sets");
  Check(events >= args.size(), "every argument tells at least one event");

  bool has_uri = false, says_cl_param = false;
  for (const auto& a : args) {
    has_uri = has_uri || case_comp(a.substr(0, scheme.size()), scheme);
    says_cl_param = says_cl_param || a.find("CL_param") != a.npos;
  }
  Check(has_uri || !malformed, "only launch URIs can be malformed");

  // Each line again as a launch URI's tail and as a launch-URI parameter.
  const std::size_t command_line_records = opts.rejected_params.size();
  for (const auto& a : args) {
    parse_uri(uri_prefix + a, opts);
    parseArg(a, opts, true);
  }
  Check(says_cl_param || opts.rejected_params.find(
                             client_common::kRejectedFromCommandLine,
                             command_line_records) == std::string::npos,
        "a launch URI's refusals are recorded as URI_opt");
  ReadAll(opts);
  return 0;
}
