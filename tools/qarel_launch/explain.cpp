// The words are taken off the library's own events: nothing here decides
// what a key or a value means, or where a launch URI's parts lie. A URI's
// lines wait until its last part, since its first line shows it whole.
#include "explain.h"

#include <client_common/client_common.h>

#include <map>
#include <optional>

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
  const Record* logfile = logfile_record(table);
  // The table as it was, with each event applied as it comes: the self-check.
  option_list replay = table;
  std::map<const Record*, Record*> replayed{};
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
    const auto r = w.replayed.find(e.option);
    if (r == w.replayed.end()) {
      w.reading.agrees = false;
      return;
    }
    r->second->value = e.value;
    r->second->is_set = true;
  } else if (e.outcome == ArgumentOutcome::kRefused) {
    w.replay.rejected_params += rejection_prefix(e) + std::string(e.key) +
                                std::string(client_common::kRejectionEnd);
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
  std::string line = did(w, e, shown_as);
  if (waited != nullptr && e.outcome == ArgumentOutcome::kWaits)
    line += ", dropping " + name(*waited) + ", which was waiting";
  else if (waited != nullptr && e.outcome != ArgumentOutcome::kFilled)
    line += "; " + name(*waited) + " no longer waits";
  if (e.outcome == ArgumentOutcome::kRefused)
    w.reading.rejected += record(w, e, shown_as) + " ";
  const std::string text = hide ? kMask : shown_assignment(w.table, e.text);
  if (w.out != nullptr) say(w.out, "\"%s\": %s\n", text.c_str(), line.c_str());
  w.reading.shown.push_back(text);
}

// A launch URI ignored for lack of "//": its text after the scheme is
// hidden when it holds a "=", which may carry a masked value.
void read_ignored(Walk& w, const ArgumentEvent& e) {
  const std::string_view rest = e.text.substr(
      std::min(e.text.size(), client_common::kLaunchUriScheme.size()));
  const std::string text =
      shown(e.text.substr(0, e.text.size() - rest.size())) +
      (rest.find('=') == std::string_view::npos ? shown(rest) : kMask);
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
  std::string line = did(w, e, Shown::kMasked);
  if (e.outcome == ArgumentOutcome::kRefused)
    w.reading.rejected += record(w, e, Shown::kMasked) + " ";
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

bool same_records(const option_list& a, const option_list& b) {
  return std::equal(a.options.begin(), a.options.end(), b.options.begin(),
                    b.options.end(), [](const Record& x, const Record& y) {
                      return x.is_set == y.is_set && x.value == y.value;
                    });
}
}  // namespace

const option_list::option* logfile_record(const option_list& table) {
  for (const option_list::option& o : table.options)
    if (case_comp(o.long_key, "logfile")) return &o;
  return nullptr;
}

Reading read_arguments(const Args& args, option_list& table, std::FILE* out) {
  Reading reading;
  Walk w{table, out, reading};
  auto copy = w.replay.options.begin();
  for (const Record& o : table.options) w.replayed[&o] = &*copy++;
  reading.malformed = arg_to_params_observed(args, table, on_event, &w);
  end_uri(w);
  if (w.waiting != nullptr) {
    reading.notes.push_back(name(*w.waiting) +
                            " waits for a value that never came, and is "
                            "not assigned");
  }
  reading.agrees = reading.agrees && reading.shown.size() == args.size() &&
                   w.replay_malformed == reading.malformed &&
                   same_records(w.replay, table) &&
                   w.replay.rejected_params == table.rejected_params;
  return reading;
}
