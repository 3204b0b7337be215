// The explanation is read off the library's own decisions: each argument is
// parsed alone (a waiting key carries over between calls, as within one
// vector), and the table and its rejection records are compared before and
// after. A launch URI is parsed again cut after its authority and after each
// parameter, on copies, so that every part gets its own line. Nothing here
// decides what a key or a value means; it only names what changed.
#include "explain.h"

#include <client_common/client_common.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {
constexpr char kScheme[] = "quorvane-qarel:";
constexpr std::size_t kAuthorityStart = sizeof kScheme - 1 + 2;  // and "//"

// Runs `parse` with standard output and error sent to /dev/null: the copies
// of a parse would repeat the warnings of deprecated options.
template <class Parse>
bool silenced(Parse parse) {
  std::fflush(stdout);
  std::fflush(stderr);
  const int out = dup(1), err = dup(2), null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  dup2(null, 2);
  close(null);
  const bool result = parse();
  std::fflush(stdout);
  std::fflush(stderr);
  dup2(out, 1);
  dup2(err, 2);
  close(out);
  close(err);
  return result;
}

bool is_uri(const std::string& arg) {
  return case_comp(arg.substr(0, sizeof kScheme - 1), kScheme);
}

// Whether a parse changed the record: assigned it, or gave it a new value.
bool differs(const option_list::option& a, const option_list::option& b) {
  return a.is_set != b.is_set || a.value != b.value;
}

// A record's keys as the reports name them: "log-level (-l)".
std::string name(const option_list::option& o) {
  return o.short_key.empty() ? o.long_key
                             : o.long_key + " (-" + o.short_key + ")";
}

std::string shown_value(const option_list::option& o) {
  if (o.is_bool && o.value == "True") return "to True";
  return o.show_value ? "= \"" + o.value + "\"" : "= ********";
}

// Whether `o` has this short or long key, as the library matches keys.
bool has_key(const option_list::option& o, const std::string& key) {
  return case_comp(o.short_key, key) || case_comp(o.long_key, key);
}

// The first record with this key, as the library looks up.
const option_list::option* first_record(option_list& t,
                                        const std::string& key) {
  for (const option_list::option& o : t.options)
    if (has_key(o, key)) return &o;
  return nullptr;
}

// The records appended to rejected_params: "CL_param:'k' URI_opt:'j' ".
std::vector<std::pair<bool, std::string>> records(const std::string& text) {
  static const std::string kCl = "CL_param:'", kUri = "URI_opt:'";
  std::vector<std::pair<bool, std::string>> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const bool from_uri = text.compare(pos, kUri.size(), kUri) == 0;
    const std::size_t start = pos + (from_uri ? kUri : kCl).size();
    std::size_t end = text.find("' ", start);
    // A key may itself hold "' ": a record ends where the next one starts.
    while (end != std::string::npos && end + 2 < text.size() &&
           text.compare(end + 2, kCl.size(), kCl) != 0 &&
           text.compare(end + 2, kUri.size(), kUri) != 0)
      end = text.find("' ", end + 1);
    if (end == std::string::npos) end = text.size();
    out.emplace_back(from_uri, text.substr(start, end - start));
    pos = end + 2;
  }
  return out;
}

// Why the library refused `key`, asked of the table itself. `part` is the
// argument or launch-URI parameter the record came from.
std::string reason(option_list& t, bool from_uri, const std::string& key,
                   const std::string& part) {
  const std::size_t equals = key.find('=');
  if (equals != std::string::npos && t.is_a_key(key.substr(0, equals)) &&
      t.is_boolean(key.substr(0, equals)))
    return "a switch given a value";
  if (t.bad_key_format(key)) return "malformed key";
  if (!t.is_a_key(key)) return "unknown key";
  if (from_uri) {
    const bool settable = std::any_of(
        t.options.begin(), t.options.end(), [&](const option_list::option& o) {
          return o.uri_settable && has_key(o, key);
        });
    if (!settable) return "a key a launch URI may not set";
    if (part.find('=') == std::string::npos && !t.is_boolean(key))
      return "a launch-URI key with no value";
  }
  return "its value is refused";
}

struct State {
  option_list table;
  bool malformed;
};

// What one step did: its lines (none when it did nothing), and the records
// it set.
struct Step {
  std::vector<std::string> lines;
  std::vector<const option_list::option*> set;
};

// `malformed` is whether this step alone made a launch URI malformed.
Step changes(const option_list& before, option_list& after,
             const std::string& part, bool malformed, bool authority) {
  Step step;
  auto b = before.options.begin();
  for (const option_list::option& o : after.options) {
    if (differs(o, *b)) {
      step.lines.push_back("sets " + name(o) + " " + shown_value(o));
      step.set.push_back(&o);
    }
    ++b;
  }
  const bool refused = after.rejected_params != before.rejected_params;
  for (const auto& [uri, key] :
       records(after.rejected_params.substr(before.rejected_params.size())))
    step.lines.push_back("refused, " +
                         std::string(uri ? "URI_opt" : "CL_param") + ":'" +
                         key + "': " + reason(after, uri, key, part));
  if (malformed) {
    step.lines.push_back(
        authority ? "an empty host makes the launch URI malformed"
        : refused ? "this makes the launch URI malformed"
                  : "a reserved character or blank in the value makes the "
                    "launch URI malformed");
  }
  return step;
}

// The argument or part as shown: a masked option's value, after "=" or on
// its own, reads ******** as it does in the reports.
std::string shown_part(option_list& t, const std::string& part,
                       const Step& step) {
  const std::size_t equals = part.find('=');
  const std::size_t key = part.find_first_not_of('-');
  const option_list::option* o =
      equals == std::string::npos || key > equals
          ? nullptr
          : first_record(t, part.substr(key, equals - key));
  if (o && !o->show_value) return part.substr(0, equals + 1) + "********";
  for (const option_list::option* set : step.set)
    if (!set->show_value) return "********";
  return part;
}

void print(const std::string& indent, const std::string& part,
           const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += (text.empty() ? "" : "; ") + line;
  if (text.empty()) text = "changes nothing in the table";
  std::printf("%s\"%s\": %s\n", indent.c_str(), part.c_str(), text.c_str());
}

// Where the URI's parsing may be cut: after the authority, and before each
// "&" that separates parameters.
std::vector<std::size_t> cuts(const std::string& uri) {
  std::vector<std::size_t> at;
  if (uri.size() < kAuthorityStart ||
      uri.compare(kAuthorityStart - 2, 2, "//") != 0)
    return at;
  std::size_t pos = uri.find_first_of("/?", kAuthorityStart);
  while (pos != std::string::npos) {
    at.push_back(pos);
    pos = uri.find('&', pos + 1);
  }
  at.push_back(uri.size());
  return at;
}

// The URI parsed cut after each part, on copies, one line per part. Whether
// a part makes the URI malformed is asked of a URI holding it alone.
// Falls back to one line for the whole URI should the parts not add up.
void explain_uri(const std::string& uri, const option_list& before,
                 option_list& after, bool malformed) {
  const std::vector<std::size_t> at = cuts(uri);
  if (at.empty()) {
    std::printf("\"%s\":\n  ignored: no \"//\" after the scheme\n",
                uri.c_str());
    return;
  }
  struct Part {
    std::string text, shown;
    Step step;
  };
  std::vector<Part> parts;
  std::string shown_uri = uri.substr(0, kAuthorityStart);
  option_list previous = before;
  std::size_t from = kAuthorityStart;
  for (std::size_t i = 0; i < at.size(); ++i) {
    const std::string part = uri.substr(from, at[i] - from);
    option_list next = before, alone = previous;
    const bool last = i + 1 == at.size();
    const bool part_malformed = silenced([&] {
      // Up to and with the "&" that ends the part: an empty parameter counts
      // only when a separator follows it.
      parse_uri(uri.substr(0, at[i] + 1), next);
      return i == 0 ? parse_uri(uri.substr(0, at[0]), alone)
                    : parse_uri(std::string(kScheme) + "//h?" + part +
                                    (last ? "" : "&"),
                                alone);
    });
    // The authority sets "port" and "address" from its text.
    Step step = changes(previous, next, i == 0 ? "address=" + part : part,
                        part_malformed, i == 0);
    const std::string shown = shown_part(next, part, step);
    shown_uri += shown + uri.substr(at[i], 1);
    parts.push_back({part, shown, std::move(step)});
    from = at[i] + 1;
    previous = std::move(next);
  }
  std::printf("\"%s\":\n", shown_uri.c_str());
  if (previous.rejected_params != after.rejected_params) {
    print("  ", shown_uri, changes(before, after, uri, malformed, false).lines);
    return;
  }
  for (const Part& p : parts)
    if (!p.text.empty() || !p.step.lines.empty())
      print("  ", p.shown, p.step.lines);
}

bool same_outcome(const State& a, const State& b) {
  if (a.malformed != b.malformed ||
      a.table.rejected_params != b.table.rejected_params)
    return false;
  auto o = b.table.options.begin();
  for (const option_list::option& option : a.table.options) {
    if (differs(option, *o)) return false;
    ++o;
  }
  return true;
}
}  // namespace

bool explain_arguments(const Args& args, option_list& table, bool& agrees) {
  // The library's outcome first, while nothing waits, as in a fresh process;
  // then any key left waiting is dropped, as a launch-URI parameter drops it.
  State whole{table, false};
  whole.malformed = silenced([&] {
    const bool malformed = arg_to_params(args, whole.table);
    option_list scratch;
    parseArg("x", scratch, true);
    return malformed;
  });

  State state{table, false};
  const option_list::option* waiting = nullptr;
  for (const std::string& arg : args) {
    const option_list before = state.table;
    const bool malformed = arg_to_params({arg}, state.table);
    state.malformed = state.malformed || malformed;
    if (is_uri(arg)) {
      explain_uri(arg, before, state.table, malformed);
      waiting = nullptr;  // a parameter drops it; none leaves it, unnamed
      continue;
    }
    Step step = changes(before, state.table, arg, false, false);
    std::vector<std::string>& lines = step.lines;
    const std::size_t dashes = arg.find_first_not_of('-');
    const option_list::option* key =
        dashes == std::string::npos
            ? nullptr
            : first_record(state.table, arg.substr(dashes));
    if (lines.empty() && key && key->is_bool) {
      lines.push_back("sets " + name(*key) + " to True, as it already was");
    } else if (lines.empty() && key) {
      lines.push_back("waits for the value of " + name(*key) +
                      " in the next argument");
      if (waiting)
        lines.back() += ", dropping " + name(*waiting) + ", which was waiting";
      waiting = key;
      print("", shown_part(state.table, arg, step), lines);
      continue;
    }
    // A value that fills a waiting key with what it held already changes
    // nothing that shows.
    if (waiting &&
        (lines.empty() ||
         (lines.size() == 1 && step.set == decltype(step.set){waiting}))) {
      lines = {"fills " + name(*waiting) + ", which was waiting, " +
               shown_value(*waiting)};
      step.set = {waiting};
    }
    waiting = nullptr;
    print("", shown_part(state.table, arg, step), lines);
  }
  agrees = same_outcome(state, whole);
  table = std::move(state.table);
  return state.malformed;
}
