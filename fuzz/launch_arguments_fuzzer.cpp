// What a client does at launch, with any arguments (one per input line):
// parse them as a vector, plainly and with an observer, each
// line also as a launch URI's tail and as a launch-URI parameter, then read
// every option set in every way. The observed parse must tell exactly the
// events the count rule gives, and their replay must rebuild the plain
// parse's table. The reads' exact answers are pinned by reads_test; here
// they must only hold up under any text.
#include <algorithm>
#include <string_view>
#include <vector>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"
#include "option_list/option_flags.h"
#include "tests/support/option_tables.h"

namespace {
using client_common::kLaunchUriMarker;
using client_common::kLaunchUriScheme;

// What a client may register by mistake: a switch without a short key
// first (which an empty key must not reach), a malformed switch key that
// holds "=", a malformed valued key, keys that differ only in case; then
// one option of each kind a launch reaches (LaunchTable). Any other key
// takes the paths of refusal.
option_list Kinds() {
  using namespace client_common;  // the option flags
  option_list t;
  add_option(t, "", "first", "", "", kSwitch | kFromUri);
  add_option(t, "", "f=", "", "", kSwitch | kFromUri);  // "-f=" sets it
  add_option(t, "", "9x", "", "", kFromUri);
  add_option(t, "", "Name", "", "", 0);
  t.options.splice(t.options.end(), LaunchTable().options);
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

// The events a launch argument gives, by the count rule written plainly:
// one for a command-line token or a URI without "//"; else the host, the
// port when the authority holds ":", and each "&"-separated parameter after
// the authority's end and any "?"s that follow it.
std::size_t EventsOf(const std::string& a) {
  const std::string scheme(client_common::kLaunchUriScheme);
  if (!case_comp(a.substr(0, scheme.size()), scheme) ||
      a.compare(scheme.size(), 2, "//") != 0)
    return 1;
  const std::size_t start = scheme.size() + 2;
  const std::size_t end = std::min(a.find_first_of("/?", start), a.size());
  std::size_t events = a.find(':', start) < end ? 2 : 1;
  std::size_t pos = std::min(a.find_first_not_of('?', end + 1), a.size());
  for (; pos < a.size(); pos = std::min(a.find('&', pos), a.size()) + 1)
    ++events;
  return events;
}

// The observed parse's events applied to a copy of the table it started
// from: the values stored, the rejection records and the faults.
struct Replay {
  const option_list& observed;
  option_list table;
  std::vector<std::size_t> events;  // per argument
  bool faults = false, whole = true;
};

int Apply(const client_common::ArgumentEvent& e, void* context) {
  using client_common::ArgumentOutcome;
  Replay& r = *static_cast<Replay*>(context);
  r.whole = r.whole && e.index < r.events.size() &&
            e.argument.data() + e.offset == e.text.data();
  if (!r.whole) return 0;
  ++r.events[e.index];
  r.faults = r.faults || e.fault != client_common::UriFault::kNone;
  if (e.outcome == ArgumentOutcome::kRefused) {
    r.table.rejected_params +=
        (e.source == client_common::ArgumentSource::kCommandLine
             ? std::string(client_common::kRejectedFromCommandLine)
             : std::string(client_common::kRejectedFromLaunchUri)) +
        std::string(e.key) + std::string(client_common::kRejectionEnd);
  } else if (e.outcome == ArgumentOutcome::kSet ||
             e.outcome == ArgumentOutcome::kSetAgain ||
             e.outcome == ArgumentOutcome::kFilled) {
    auto copy = r.table.options.begin();
    for (const auto& o : r.observed.options) {
      if (&o == e.option) break;
      ++copy;
    }
    r.whole = copy != r.table.options.end();
    if (r.whole) copy->value = std::string(e.value), copy->is_set = true;
  }
  return 0;
}

bool SameRecords(const option_list& a, const option_list& b) {
  return std::equal(
      a.options.begin(), a.options.end(), b.options.begin(), b.options.end(),
      [](const option_list::option& x, const option_list::option& y) {
        return x.is_set == y.is_set && x.value == y.value;
      });
}

// The plain and the observed parse of `args` on `table`: the same results,
// and events that replay to them. Returns the plain parse's result.
bool ParseBothWays(const std::vector<std::string>& args,
                   const option_list& table, option_list& opts) {
  static option_list observed;
  opts = table;
  observed = table;
  Idle();
  const bool malformed = arg_to_params(args, opts);
  Idle();
  Replay replay{observed, table, std::vector<std::size_t>(args.size())};
  Check(arg_to_params_observed(args, observed, Apply, &replay) == malformed,
        "the observed parse finds what the plain one finds malformed");
  Check(observed.rejected_params == opts.rejected_params,
        "the observed parse refuses what the plain one refuses");
  Check(SameRecords(observed, opts),
        "the observed parse sets what the plain one sets");
  Check(replay.whole, "each event names its argument, text and record");
  for (std::size_t i = 0; i < args.size(); ++i)
    Check(replay.events[i] == EventsOf(args[i]),
          "each argument tells the events the count rule gives");
  Check(SameRecords(replay.table, opts) &&
            replay.table.rejected_params == opts.rejected_params,
        "the events replay to the plain parse's table");
  Check(replay.faults == malformed, "a fault is told where a URI is malformed");
  return malformed;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> args = CutLines(data, size);

  static const option_list table = Kinds();
  static const std::string scheme(kLaunchUriScheme),
      uri_prefix = scheme + std::string(kLaunchUriMarker);
  // Assigned, not constructed: the table's nodes and strings are reused.
  static option_list opts;
  const bool malformed = ParseBothWays(args, table, opts);

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
