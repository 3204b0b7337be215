// The words are taken off the library's own events: nothing here decides
// what a key or a value means, or where a launch URI's parts lie. A URI's
// lines wait until its last part, since its first line shows it whole.
#include "explain.h"

#include <client_common/client_common.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "masking.h"
#include "output.h"

namespace {
using client_common::ArgumentEvent;
using client_common::ArgumentOutcome;
using client_common::ArgumentRefusal;
using client_common::ArgumentSource;
using client_common::UriFault;
using Record = option_list::option;

constexpr char kNoMarker[] = "no \"//\" after the scheme";

// Whether a text is shown, its masked values masked, or hidden whole as
// the value of a masked key.
enum class Shown : bool { kMasked, kHidden };

// A record's keys as the reports name them: "log-level (-l)".
std::string name(const Record& o) {
  return o.short_key.empty() ? shown(o.long_key)
                             : shown(o.long_key + " (-" + o.short_key + ")");
}

const char* reason(const ArgumentEvent& e) {
  const bool uri = e.source != ArgumentSource::kCommandLine;
  return uri && e.refusal == ArgumentRefusal::kNoValue
             ? "a launch-URI key with no value"
             : argument_refusal_text(e.refusal);
}

const char* fault(UriFault f) {
  switch (f) {
    case UriFault::kEmptyHost:
      return "an empty host makes the launch URI malformed";
    case UriFault::kReservedInValue:
    case UriFault::kBlank:
      return "a reserved character or blank in the value makes the launch "
             "URI malformed";
    case UriFault::kMalformedKey:
      return "this makes the launch URI malformed";
    case UriFault::kNone:
      break;
  }
  return "";
}

bool stores(ArgumentOutcome outcome) {
  return outcome == ArgumentOutcome::kSet ||
         outcome == ArgumentOutcome::kSetAgain ||
         outcome == ArgumentOutcome::kFilled;
}

struct Walk {
  option_list& table;
  std::FILE* out;  // the explanation's lines, or null
  Reading& reading;
  bool tell_events;
  const Record* logfile = logfile_record(table);
  // The self-check: each record's is_set and value as the table had them,
  // with each event applied as it comes, and the rejection records.
  std::vector<const Record*> records{};
  std::vector<std::pair<bool, std::string>> replayed{};
  std::string replay_rejected = table.rejected_params;
  bool replay_malformed = false;
  const Record* waiting = nullptr;  // whose key waits, as the events tell
  // The launch URI being read: its text, how far it is shown, its lines,
  // and its port, told before its host.
  std::string_view uri{};
  std::size_t shown_to = 0;
  std::string shown_uri{}, lines{}, port_clause{};
  std::optional<std::string_view> port{};
};

// How the library's rejection record of the event starts.
std::string rejection_prefix(const ArgumentEvent& e) {
  return std::string(e.source == ArgumentSource::kCommandLine
                         ? client_common::kRejectedFromCommandLine
                         : client_common::kRejectedFromLaunchUri);
}

// A rejection record, the key shown as given, masked, or hidden.
std::string record(const Walk& w, const ArgumentEvent& e, Shown shown_as) {
  const bool hide = shown_as == Shown::kHidden;
  return rejection_prefix(e) +
         (hide ? kMask : shown_assignment(w.table, e.key)) + "'";
}

// What the event did, in words.
std::string did(const Walk& w, const ArgumentEvent& e, Shown shown_as) {
  const bool hide = shown_as == Shown::kHidden;
  switch (e.outcome) {
    case ArgumentOutcome::kSet:
      return "sets " + name(*e.option) + " " +
             shown_value(*e.option, e.value, hide) +
             (e.option == w.logfile ? ", where the client writes its event log"
                                    : "");
    case ArgumentOutcome::kSetAgain:
      return e.option->is_bool
                 ? "sets " + name(*e.option) + " to True, as it already was"
                 : "changes nothing in the table";
    case ArgumentOutcome::kFilled:
      return "fills " + name(*e.option) + ", which was waiting, " +
             shown_value(*e.option, e.value, hide);
    case ArgumentOutcome::kWaits:
      return "waits for the value of " + name(*e.option) +
             " in the next argument";
    case ArgumentOutcome::kRefused:
      return "refused, " + record(w, e, shown_as) + ": " + reason(e);
    case ArgumentOutcome::kIgnoredUri:
      break;
  }
  return std::string("ignored: ") + kNoMarker;
}

// Applies the event to the replayed table.
void replay(Walk& w, const ArgumentEvent& e) {
  if (stores(e.outcome)) {
    const auto r = std::find(w.records.begin(), w.records.end(), e.option);
    if (r == w.records.end()) {
      w.reading.agrees = false;
      return;
    }
    w.replayed[static_cast<std::size_t>(r - w.records.begin())] = {
        true, std::string(e.value)};
  } else if (e.outcome == ArgumentOutcome::kRefused) {
    w.replay_rejected.append(rejection_prefix(e))
        .append(e.key)
        .append(client_common::kRejectionEnd);
  }
  if (e.fault != UriFault::kNone) w.replay_malformed = true;
}

// A URI's text from where it is shown up to `at`, escaped, then `part`.
void show_up_to(Walk& w, std::string_view text, const std::string& part) {
  const auto at = static_cast<std::size_t>(text.data() - w.uri.data());
  w.shown_uri += shown(w.uri.substr(w.shown_to, at - w.shown_to)) + part;
  w.shown_to = at + text.size();
}

// Ends the launch URI being read, if any: its lines are printed.
void end_uri(Walk& w) {
  if (w.uri.empty()) return;
  w.shown_uri += shown(w.uri.substr(w.shown_to));
  if (w.out != nullptr) {
    say(w.out, "\"");
    say(w.out, w.shown_uri);
    say(w.out, "\":\n");
    say(w.out, w.lines);
  }
  w.reading.shown.push_back(w.shown_uri);
  w.uri = {};
}

// Keeps the event, shown, when asked to.
void tell(Walk& w, const ArgumentEvent& e, Shown shown_as) {
  if (!w.tell_events) return;
  const bool hide = shown_as == Shown::kHidden;
  ShownEvent& told = w.reading.events.emplace_back();
  told.index = e.index;
  told.source = e.source;
  told.outcome = e.outcome;
  if (e.outcome == ArgumentOutcome::kRefused) told.reason = reason(e);
  if (e.fault != UriFault::kNone) told.fault = fault(e.fault);
  told.key = hide && e.outcome == ArgumentOutcome::kRefused
                 ? kMask
                 : shown_assignment(w.table, e.key);
  told.option = e.option;
  if (stores(e.outcome)) told.value = stored_value(*e.option, e.value, hide);
}

// A command-line token. Its text is hidden when it carries a masked value
// without a "key=" before it: the token after a masked key that waited
// (unless it names a key itself), or "-k3" for a masked key.
void read_token(Walk& w, const ArgumentEvent& e, const Record* waited) {
  const bool stored = stores(e.outcome);
  const bool names_key =
      e.outcome == ArgumentOutcome::kWaits || (stored && e.option->is_bool);
  const bool hide = (waited != nullptr && !waited->show_value && !names_key) ||
                    (stored && e.text.find('=') == std::string_view::npos &&
                     !e.option->show_value && !e.option->is_bool);
  const Shown shown_as = hide ? Shown::kHidden : Shown::kMasked;
  tell(w, e, shown_as);
  if (e.outcome == ArgumentOutcome::kRefused)
    w.reading.rejected.push_back(record(w, e, shown_as));
  const std::string text = hide ? kMask : shown_assignment(w.table, e.text);
  w.reading.shown.push_back(text);
  if (w.out == nullptr) return;
  std::string line = did(w, e, shown_as);
  if (waited != nullptr && e.outcome == ArgumentOutcome::kWaits)
    line += ", dropping " + name(*waited) + ", which was waiting";
  else if (waited != nullptr && e.outcome != ArgumentOutcome::kFilled)
    line += "; " + name(*waited) + " no longer waits";
  say(w.out, "\"%s\": %s\n", text.c_str(), line.c_str());
}

// A launch URI ignored for lack of "//": its text after the scheme is
// hidden when it holds a "=", which may carry a masked value.
void read_ignored(Walk& w, const ArgumentEvent& e) {
  const std::string_view rest = e.text.substr(
      std::min(e.text.size(), client_common::kLaunchUriScheme.size()));
  const std::string text =
      shown(e.text.substr(0, e.text.size() - rest.size())) +
      (rest.find('=') == std::string_view::npos ? shown(rest) : kMask);
  tell(w, e, Shown::kMasked);
  w.reading.notes.push_back("\"" + text + "\" is ignored: " + kNoMarker);
  if (w.out != nullptr)
    say(w.out, "\"%s\":\n  ignored: %s\n", text.c_str(), kNoMarker);
  w.reading.shown.push_back(text);
}

// A part of a launch URI: its port, its host, or a parameter.
void read_part(Walk& w, const ArgumentEvent& e, const Record* waited) {
  if (w.uri.empty()) {
    w.uri = e.argument;
    w.shown_to = 0;
    w.shown_uri.clear();
    w.lines.clear();
    w.port.reset();
  }
  tell(w, e, Shown::kMasked);
  if (e.outcome == ArgumentOutcome::kRefused)
    w.reading.rejected.push_back(record(w, e, Shown::kMasked));
  // The words wait for the URI's end, and are only written with `out`.
  std::string line = w.out != nullptr ? did(w, e, Shown::kMasked) : "";
  if (e.source == ArgumentSource::kUriPort) {
    w.port = e.text;
    w.port_clause = line;
    return;
  }
  std::string text;
  if (e.source == ArgumentSource::kUriHost) {
    text = e.text.empty() || !is_masked_key(w.table, e.key) ? shown(e.text)
                                                            : kMask;
    show_up_to(w, e.text, text);
    if (w.port) {
      const std::string port =
          w.port->empty() || !is_masked_key(w.table, "port") ? shown(*w.port)
                                                             : kMask;
      show_up_to(w, *w.port, port);
      text += ":" + port;
      line += "; " + w.port_clause;
    }
  } else {
    text = shown_assignment(w.table, e.text);
    show_up_to(w, e.text, text);
    if (waited != nullptr) line += "; " + name(*waited) + " no longer waits";
  }
  if (w.out == nullptr) return;
  if (e.fault != UriFault::kNone) line += "; " + std::string(fault(e.fault));
  w.lines.append("  \"").append(text).append("\": ").append(line) += '\n';
}

int on_event(const ArgumentEvent& e, void* context) {
  Walk& w = *static_cast<Walk*>(context);
  if (e.argument.data() != w.uri.data()) end_uri(w);
  replay(w, e);
  const Record* waited = w.waiting;
  // A token or a URI parameter ends any wait; the authority leaves it.
  if (e.source == ArgumentSource::kCommandLine ||
      e.source == ArgumentSource::kUriParameter)
    w.waiting = e.outcome == ArgumentOutcome::kWaits ? e.option : nullptr;
  if (e.source == ArgumentSource::kCommandLine) {
    read_token(w, e, waited);
  } else if (e.outcome == ArgumentOutcome::kIgnoredUri) {
    read_ignored(w, e);
  } else {
    read_part(w, e, waited);
  }
  return 0;
}

bool same_records(const Walk& w) {
  std::size_t i = 0;
  return w.table.options.size() == w.replayed.size() &&
         std::all_of(w.table.options.begin(), w.table.options.end(),
                     [&](const Record& o) {
                       const auto& [is_set, value] = w.replayed[i++];
                       return o.is_set == is_set && o.value == value;
                     });
}
}  // namespace

const option_list::option* logfile_record(const option_list& table) {
  for (const option_list::option& o : table.options)
    if (case_comp(o.long_key, "logfile")) return &o;
  return nullptr;
}

std::optional<std::string> shown_logfile(const option_list& table) {
  const option_list::option* o = logfile_record(table);
  if (o == nullptr || !o->is_set) return std::nullopt;
  return o->show_value ? shown(o->value) : kMask;
}

int launch_status(const Reading& reading) {
  if (reading.malformed) return kExitMalformed;
  return reading.rejected.empty() ? kExitOk : kExitRejected;
}

std::vector<bool> take_deprecation(option_list& table) {
  std::vector<bool> deprecated;
  for (Record& o : table.options)
    deprecated.push_back(std::exchange(o.deprecated, false));
  return deprecated;
}

void note_deprecation(const option_list& table,
                      const std::vector<bool>& deprecated, Reading& reading) {
  for (const ShownEvent& e : reading.events) {
    if (!stores(e.outcome)) continue;
    std::size_t i = 0;
    for (auto o = table.options.begin(); &*o != e.option; ++o) ++i;
    if (!deprecated[i]) continue;
    reading.notes.push_back("Deprecated Parameter '" +
                            shown(e.option->long_key) + "' (" +
                            shown(e.option->short_key) + ") used.");
  }
}

std::string joined(const std::vector<std::string>& records) {
  std::string text;
  for (const std::string& r : records)
    text.append(r).append(client_common::kRejectionEnd.substr(1));
  return text;
}

Reading read_arguments(const Args& args, option_list& table, std::FILE* out,
                       bool tell_events) {
  Reading reading;
  Walk w{table, out, reading, tell_events};
  w.records.reserve(table.options.size());
  w.replayed.reserve(table.options.size());
  reading.shown.reserve(args.size());
  if (tell_events) reading.events.reserve(16);  // a typical link's
  for (const Record& o : table.options) {
    w.records.push_back(&o);
    w.replayed.emplace_back(o.is_set, o.value);
  }
  reading.malformed = arg_to_params_observed(args, table, on_event, &w);
  end_uri(w);
  reading.key_waits = w.waiting != nullptr;
  if (w.waiting != nullptr) {
    reading.notes.push_back(name(*w.waiting) +
                            " waits for a value that never came, and is "
                            "not assigned");
  }
  reading.agrees = reading.agrees && reading.shown.size() == args.size() &&
                   w.replay_malformed == reading.malformed && same_records(w) &&
                   w.replay_rejected == table.rejected_params;
  return reading;
}
