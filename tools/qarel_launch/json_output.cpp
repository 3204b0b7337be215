#include "json_output.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "masking.h"
#include "output.h"

namespace {
using client_common::ArgumentOutcome;
using client_common::ArgumentSource;

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

// A writer whose JSON is appended to `out` when it goes.
class Appending {
 public:
  explicit Appending(std::string& out) : out_(out) {}
  ~Appending() { out_.append(buffer_.GetString(), buffer_.GetSize()); }
  Appending(const Appending&) = delete;
  Appending& operator=(const Appending&) = delete;
  Writer& json() { return json_; }

 private:
  std::string& out_;
  rapidjson::StringBuffer buffer_{nullptr, 2048};  // a check line's, mostly
  Writer json_{buffer_};
};

void put_text(Writer& json, const char* key, std::string_view text) {
  json.Key(key);
  json.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

// One of the tool's own texts; none is written for null.
void put_own(Writer& json, const char* key, const char* text) {
  if (text == nullptr) return;
  json.Key(key);
  json.String(text);
}

// A text, or none.
void put_maybe(Writer& json, const char* key,
               const std::optional<std::string>& text) {
  if (text) put_text(json, key, *text);
}

void put_strings(Writer& json, const char* key,
                 const std::vector<std::string>& texts) {
  json.Key(key);
  json.StartArray();
  for (const std::string& t : texts)
    json.String(t.data(), static_cast<rapidjson::SizeType>(t.size()));
  json.EndArray();
}

const char* source_name(ArgumentSource source) {
  switch (source) {
    case ArgumentSource::kCommandLine:
      return "command-line";
    case ArgumentSource::kUriHost:
      return "uri-host";
    case ArgumentSource::kUriPort:
      return "uri-port";
    case ArgumentSource::kUriParameter:
      return "uri-parameter";
    case ArgumentSource::kUri:
      break;
  }
  return "uri";
}

const char* outcome_name(ArgumentOutcome outcome) {
  switch (outcome) {
    case ArgumentOutcome::kSet:
      return "set";
    case ArgumentOutcome::kSetAgain:
      return "set-again";
    case ArgumentOutcome::kWaits:
      return "waits";
    case ArgumentOutcome::kFilled:
      return "filled";
    case ArgumentOutcome::kRefused:
      return "refused";
    case ArgumentOutcome::kIgnoredUri:
      break;
  }
  return "ignored";
}

void put_event(Writer& json, const ShownEvent& e) {
  json.StartObject();
  json.Key("index");
  json.Uint64(e.index);
  put_own(json, "source", source_name(e.source));
  put_own(json, "outcome", outcome_name(e.outcome));
  put_own(json, "reason", e.reason);
  put_own(json, "fault", e.fault);
  put_text(json, "key", e.key);
  put_maybe(json, "option",
            e.option == nullptr ? std::nullopt
                                : std::optional(shown(e.option->long_key)));
  put_maybe(json, "value", e.value);
  json.EndObject();
}

void put_options_set(Writer& json, const option_list& table) {
  json.Key("options");
  json.StartArray();
  for (const option_list::option& o : table.options) {
    if (!o.is_set) continue;
    json.StartObject();
    put_text(json, "key", shown(o.long_key));
    put_text(json, "value", stored_value(o, o.value, false));
    json.EndObject();
  }
  json.EndArray();
}
}  // namespace

void append_launch_json(std::string& out, const LaunchReport& launch,
                        std::size_t line, const char* verdict) {
  Appending appending(out);
  Writer& json = appending.json();
  json.StartObject();
  if (verdict != nullptr) {
    json.Key("line");
    json.Uint64(line);
    put_own(json, "verdict", verdict);
  }
  put_strings(json, "arguments", launch.reading.shown);
  json.Key("events");
  json.StartArray();
  for (const ShownEvent& e : launch.reading.events) put_event(json, e);
  json.EndArray();
  put_options_set(json, launch.table);
  put_strings(json, "rejected", launch.reading.rejected);
  json.Key("malformed");
  json.Bool(launch.reading.malformed);
  put_strings(json, "notes", launch.notes);
  json.Key("event_log");
  json.StartObject();
  put_maybe(json, "logfile", launch.logfile);
  put_maybe(json, "written", launch.written);
  json.EndObject();
  json.Key("status");
  json.Int(launch.status);
  json.EndObject();
}

void append_unreadable_json(std::string& out, std::size_t line,
                            const std::string& reason) {
  Appending appending(out);
  Writer& json = appending.json();
  json.StartObject();
  json.Key("line");
  json.Uint64(line);
  put_own(json, "verdict", "unreadable");
  put_text(json, "reason", reason);
  json.Key("status");
  json.Int(2);
  json.EndObject();
}

void append_summary_json(std::string& out,
                         const std::vector<VerdictCount>& counts, int status) {
  Appending appending(out);
  Writer& json = appending.json();
  json.StartObject();
  json.Key("summary");
  json.StartObject();
  for (const VerdictCount& c : counts) {
    json.Key(c.verdict);
    json.Uint64(c.lines);
  }
  json.EndObject();
  json.Key("status");
  json.Int(status);
  json.EndObject();
}

void append_table_json(std::string& out, const option_list& table) {
  Appending appending(out);
  Writer& json = appending.json();
  json.StartObject();
  json.Key("options");
  json.StartArray();
  for (const option_list::option& o : masked_table(table).options) {
    json.StartObject();
    put_text(json, "short_key", shown(o.short_key));
    put_text(json, "key", shown(o.long_key));
    json.Key("switch");
    json.Bool(o.is_bool);
    put_text(json, "default", shown(o.default_value));
    put_text(json, "description", shown(o.description));
    json.Key("masked");
    json.Bool(!o.show_value);
    json.Key("deprecated");
    json.Bool(o.deprecated);
    json.Key("uri_settable");
    json.Bool(o.uri_settable);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}
