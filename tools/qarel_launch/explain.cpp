// The reading is taken off the library's own decisions. Each argument is
// parsed alone (a waiting key carries over between calls, as within one
// vector), and each record's state and the length of the rejection records
// are compared before and after. For --explain a launch URI is parsed again
// part by part on a copy of the records: the authority through parse_uri,
// each parameter through parseArg, as parse_uri hands it on. Nothing here
// decides what a key or a value means; it names what changed, and checks
// that the parts add up to the whole. Each step costs time in proportion to
// its own text and the number of options, never to what came before it.
#include "explain.h"

#include <client_common/client_common.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "launch_uri.h"
#include "masking.h"

namespace {

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

// Each record's assignment, and the length of the rejection records: enough
// to see what one parse changed.
struct Snapshot {
  std::vector<std::pair<bool, std::string>> records;
  std::size_t rejected = 0;
};

// Takes `s` anew from `t`, reusing its storage: a URI takes one per part.
void retake(Snapshot& s, const option_list& t) {
  s.records.resize(t.options.size());
  auto record = s.records.begin();
  for (const option_list::option& o : t.options)
    *record++ = {o.is_set, o.value};
  s.rejected = t.rejected_params.size();
}

Snapshot snapshot(const option_list& t) {
  Snapshot s;
  retake(s, t);
  return s;
}

struct Refusal {
  bool from_uri;
  std::string key;
};

// The rejection records in `text`: "CL_param:'k' URI_opt:'j' ".
std::vector<Refusal> refusals(const std::string& text) {
  static const std::string kCl = "CL_param:'", kUri = "URI_opt:'";
  std::vector<Refusal> out;
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
    out.push_back({from_uri, text.substr(start, end - start)});
    pos = end + 2;
  }
  return out;
}

// A rejection record with the key as shown.
std::string record(const Refusal& r, const std::string& shown_key) {
  return (r.from_uri ? "URI_opt:'" : "CL_param:'") + shown_key + "'";
}

// What one parse did: the records it assigned or gave a new value, and the
// rejection records it appended.
struct Step {
  std::vector<const option_list::option*> set;
  std::vector<Refusal> refused;
};

Step changes(const Snapshot& before, const option_list& after) {
  Step step;
  auto b = before.records.begin();
  for (const option_list::option& o : after.options) {
    if (o.is_set != b->first || o.value != b->second) step.set.push_back(&o);
    ++b;
  }
  step.refused = refusals(after.rejected_params.substr(before.rejected));
  return step;
}

bool same_records(const option_list& a, const option_list& b) {
  return std::equal(
      a.options.begin(), a.options.end(), b.options.begin(), b.options.end(),
      [](const option_list::option& x, const option_list::option& y) {
        return x.is_set == y.is_set && x.value == y.value;
      });
}

// A record's keys as the reports name them: "log-level (-l)".
std::string name(const option_list::option& o) {
  return o.short_key.empty() ? o.long_key
                             : o.long_key + " (-" + o.short_key + ")";
}

// Whether `o` has this short or long key, as the library matches keys.
bool has_key(const option_list::option& o, const std::string& key) {
  return case_comp(o.short_key, key) || case_comp(o.long_key, key);
}

// The first record with this key, as the library looks up.
const option_list::option* first_record(const option_list& t,
                                        const std::string& key) {
  for (const option_list::option& o : t.options)
    if (has_key(o, key)) return &o;
  return nullptr;
}

// Why the library refused `key`, asked of the table itself. `with_value`:
// the argument or parameter gave the key a value.
std::string reason(option_list& t, const Refusal& r, bool with_value) {
  const std::size_t equals = r.key.find('=');
  if (equals != std::string::npos && t.is_a_key(r.key.substr(0, equals)) &&
      t.is_boolean(r.key.substr(0, equals)))
    return "a switch given a value";
  if (t.bad_key_format(r.key)) return "malformed key";
  if (!t.is_a_key(r.key)) return "unknown key";
  if (r.from_uri) {
    const bool settable = std::any_of(
        t.options.begin(), t.options.end(), [&](const option_list::option& o) {
          return o.uri_settable && has_key(o, r.key);
        });
    if (!settable) return "a key a launch URI may not set";
    if (!with_value && !t.is_boolean(r.key))
      return "a launch-URI key with no value";
  }
  return "its value is refused";
}

// A step's lines: what it set, and what it refused and why. `hide` shows
// the refused keys as ******** (they hold a value meant for a masked key).
std::vector<std::string> describe(option_list& t, const Step& step,
                                  bool with_value, bool hide) {
  std::vector<std::string> lines;
  for (const option_list::option* o : step.set) {
    lines.push_back("sets " + name(*o) + " " + shown_value(*o));
    if (o == logfile_record(t))
      lines.back() += ", where the client writes its event log";
  }
  for (const Refusal& r : step.refused) {
    lines.push_back("refused, " +
                    record(r, hide ? kMask : shown_assignment(t, r.key)) +
                    ": " + reason(t, r, with_value));
  }
  return lines;
}

// One line of an explanation: the part as shown, then what it did.
void append_line(std::string& text, const char* indent, const std::string& part,
                 const std::vector<std::string>& lines) {
  text += indent;
  text += '"' + part + "\": ";
  for (const std::string& line : lines) {
    if (&line != &lines.front()) text += "; ";
    text += line;
  }
  if (lines.empty()) text += "changes nothing in the table";
  text += '\n';
}

void print(std::FILE* out, const std::string& part,
           const std::vector<std::string>& lines) {
  if (out == nullptr) return;
  std::string text;
  append_line(text, "", part, lines);
  std::fputs(text.c_str(), out);
}

// The record whose key still waits for its value, asked of the library: a
// plain token parsed now, on a copy, fills it. The key then waits no more,
// as after a launch-URI parameter.
const option_list::option* take_waiting_key(option_list& table) {
  option_list probe;
  probe.options = table.options;
  const Snapshot before = snapshot(probe);
  silenced([&] { return parseArg("\x01", probe, false); });
  const Step step = changes(before, probe);
  if (step.set.empty()) return nullptr;
  const auto index =
      std::distance(probe.options.cbegin(),
                    std::find_if(probe.options.cbegin(), probe.options.cend(),
                                 [&](const option_list::option& o) {
                                   return &o == step.set.front();
                                 }));
  return &*std::next(table.options.cbegin(), index);
}

struct Walk {
  option_list& table;
  std::FILE* out;
  Reading& reading;
  const option_list::option* waiting = nullptr;  // as the steps show it
};

void add_rejected(Walk& w, const Step& step, bool hide) {
  for (const Refusal& r : step.refused)
    w.reading.rejected +=
        record(r, hide ? kMask : shown_assignment(w.table, r.key)) + " ";
}

// A command-line token, parsed into the table since `before`.
void read_token(Walk& w, const std::string& arg, const Snapshot& before) {
  option_list& t = w.table;
  const Step step = changes(before, t);
  const option_list::option* waited = std::exchange(w.waiting, nullptr);
  const std::size_t dashes = arg.find_first_not_of('-');
  const option_list::option* named = dashes == std::string::npos
                                         ? nullptr
                                         : first_record(t, arg.substr(dashes));
  const bool unchanged = step.set.empty() && step.refused.empty();
  if (unchanged && named != nullptr && !named->is_bool) {
    std::string line =
        "waits for the value of " + name(*named) + " in the next argument";
    if (waited != nullptr)
      line += ", dropping " + name(*waited) + ", which was waiting";
    w.waiting = named;
    print(w.out, shown_assignment(t, arg), {line});
    return;
  }
  // Only a plain token, without a leading dash or "=", fills a waiting key;
  // one that fills it with what it held already changes nothing that shows.
  const bool fills =
      waited != nullptr && arg.find('=') == std::string::npos &&
      arg.rfind('-', 0) != 0 && step.refused.empty() &&
      !(named != nullptr && named->is_bool) &&
      (step.set.empty() || step.set == decltype(step.set){waited});
  // The token is shown as ******** when it carries a masked value with no
  // "key=" before it: it set a masked key ("-k3", or the token after a
  // masked key that waited), or was meant to and was refused.
  const bool hide = (waited != nullptr && !waited->show_value &&
                     (fills || !step.refused.empty())) ||
                    (arg.find('=') == std::string::npos &&
                     std::any_of(step.set.begin(), step.set.end(),
                                 [](const option_list::option* o) {
                                   return !o->show_value && !o->is_bool;
                                 }));
  std::vector<std::string> lines;
  if (fills) {
    lines = {"fills " + name(*waited) + ", which was waiting, " +
             shown_value(*waited)};
  } else {
    lines = describe(t, step, arg.find('=') != std::string::npos, hide);
    if (unchanged && named != nullptr)
      lines = {"sets " + name(*named) + " to True, as it already was"};
    if (waited != nullptr) lines.push_back(name(*waited) + " no longer waits");
  }
  add_rejected(w, step, hide);
  print(w.out, hide ? kMask : shown_assignment(t, arg), lines);
}

// The launch URI parsed again part by part on `replay`, which holds the
// records as they were before it and no rejection records: one line per
// part. Returns whether the parts add up to `after`, the library's parse of
// the whole URI, whose rejection records since `rejected_before` are its
// own, and to its `malformed` result.
bool explain_uri(std::FILE* out, const std::string& uri, option_list replay,
                 const option_list& after, std::size_t rejected_before,
                 bool malformed) {
  const UriLayout l = layout(uri);
  std::string text = "\"" + shown_uri(after, uri) + "\":\n";
  const bool parts_malformed = silenced([&] {
    Snapshot before = snapshot(replay);
    bool bad = parse_uri(uri.substr(0, l.authority_end), replay);
    std::vector<std::string> lines =
        describe(replay, changes(before, replay), true, false);
    if (bad) lines.push_back("an empty host makes the launch URI malformed");
    append_line(text, "  ",
                shown_authority(
                    replay, uri.substr(l.authority_begin,
                                       l.authority_end - l.authority_begin)),
                lines);
    for (const auto& [begin, end] : l.parameters) {
      const std::string part = uri.substr(begin, end - begin);
      retake(before, replay);
      const bool part_bad = parseArg(part, replay, true) ||
                            part.find_first_of(" \t") != std::string::npos;
      const Step step = changes(before, replay);
      lines =
          describe(replay, step, part.find('=') != std::string::npos, false);
      if (part_bad) {
        lines.push_back(!step.refused.empty()
                            ? "this makes the launch URI malformed"
                            : "a reserved character or blank in the value "
                              "makes the launch URI malformed");
      }
      append_line(text, "  ", shown_assignment(replay, part), lines);
      bad = bad || part_bad;
    }
    return bad;
  });
  std::fputs(text.c_str(), out);
  return parts_malformed == malformed && same_records(replay, after) &&
         after.rejected_params.compare(rejected_before, std::string::npos,
                                       replay.rejected_params) == 0;
}

// A launch URI, parsed into the table since `before`; `replay` holds the
// records as they were then, for --explain.
void read_uri(Walk& w, const std::string& arg, const Snapshot& before,
              option_list replay, bool malformed) {
  add_rejected(w, changes(before, w.table), false);
  if (!has_marker(arg)) {
    const std::string shown = shown_uri(w.table, arg);
    w.reading.notes.push_back("\"" + shown +
                              "\" is ignored: no \"//\" after the scheme");
    if (w.out != nullptr) {
      std::fprintf(w.out, "\"%s\":\n  ignored: no \"//\" after the scheme\n",
                   shown.c_str());
    }
    return;
  }
  // Its first parameter drops a waiting key; a URI without one leaves it.
  if (!layout(arg).parameters.empty()) w.waiting = nullptr;
  if (w.out != nullptr && !explain_uri(w.out, arg, std::move(replay), w.table,
                                       before.rejected, malformed))
    w.reading.agrees = false;
}

}  // namespace

const option_list::option* logfile_record(const option_list& table) {
  for (const option_list::option& o : table.options)
    if (case_comp(o.long_key, "logfile")) return &o;
  return nullptr;
}

Reading read_arguments(const Args& args, option_list& table, std::FILE* out) {
  Reading reading;
  // The library's outcome first, while nothing waits, as in a fresh process.
  option_list whole = table;
  const bool whole_malformed = silenced([&] {
    const bool malformed = arg_to_params(args, whole);
    take_waiting_key(whole);
    return malformed;
  });

  Walk w{table, out, reading};
  for (const std::string& arg : args) {
    const Snapshot before = snapshot(table);
    const bool uri = is_launch_uri(arg);
    option_list replay;
    if (uri && out != nullptr) replay.options = table.options;
    const bool malformed = arg_to_params({arg}, table);
    reading.malformed = reading.malformed || malformed;
    if (uri) {
      read_uri(w, arg, before, std::move(replay), malformed);
    } else {
      read_token(w, arg, before);
    }
  }
  if (const option_list::option* o = take_waiting_key(table)) {
    reading.notes.push_back(name(*o) +
                            " waits for a value that never came, and is "
                            "not assigned");
  }
  reading.agrees = reading.agrees && whole_malformed == reading.malformed &&
                   same_records(whole, table) &&
                   whole.rejected_params == table.rejected_params;
  return reading;
}
