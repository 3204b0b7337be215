#include "json_output.h"

#include <nlohmann/json.hpp>

#include "masking.h"
#include "output.h"

namespace {
using client_common::ArgumentOutcome;
using client_common::ArgumentSource;
// Members stay in the order they are written.
using Json = nlohmann::ordered_json;

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

// An object with room for `members` members, which keep their order. It
// and the arrays below are filled member by member: a brace list would copy
// each value once more.
Json object(std::size_t members) {
  Json json = Json::object();
  json.get_ref<Json::object_t&>().reserve(members);
  return json;
}

Json array(std::size_t items) {
  Json json = Json::array();
  json.get_ref<Json::array_t&>().reserve(items);
  return json;
}

Json strings(const std::vector<std::string>& texts) {
  Json json = array(texts.size());
  for (const std::string& t : texts) json.emplace_back(t);
  return json;
}

Json event_json(const ShownEvent& e) {
  Json event = object(8);
  event["index"] = e.index;
  event["source"] = source_name(e.source);
  event["outcome"] = outcome_name(e.outcome);
  if (e.reason != nullptr) event["reason"] = e.reason;
  if (e.fault != nullptr) event["fault"] = e.fault;
  event["key"] = e.key;
  if (e.option != nullptr) event["option"] = shown(e.option->long_key);
  if (e.value) event["value"] = *e.value;
  return event;
}

Json options_set(const option_list& table) {
  Json options = array(table.options.size());
  for (const option_list::option& o : table.options) {
    if (!o.is_set) continue;
    Json& option = options.emplace_back(object(2));
    option["key"] = shown(o.long_key);
    option["value"] = stored_value(o, o.value, false);
  }
  return options;
}

// One line of JSON: every text in it is valid UTF-8 already, and an
// invalid byte would be replaced, never thrown about.
void append(std::string& out, const Json& json) {
  out += json.dump(-1, ' ', false, Json::error_handler_t::replace);
}
}  // namespace

void append_launch_json(std::string& out, const LaunchReport& launch,
                        std::size_t line, const char* verdict) {
  Json json = object(10);
  if (verdict != nullptr) {
    json["line"] = line;
    json["verdict"] = verdict;
  }
  json["arguments"] = strings(launch.reading.shown);
  Json& events = json["events"] = array(launch.reading.events.size());
  for (const ShownEvent& e : launch.reading.events)
    events.emplace_back(event_json(e));
  json["options"] = options_set(launch.table);
  json["rejected"] = strings(launch.reading.rejected);
  json["malformed"] = launch.reading.malformed;
  json["notes"] = strings(launch.notes);
  Json& event_log = json["event_log"] = object(2);
  if (launch.logfile) event_log["logfile"] = *launch.logfile;
  if (launch.written) event_log["written"] = *launch.written;
  json["status"] = launch.status;
  append(out, json);
}

void append_unreadable_json(std::string& out, std::size_t line,
                            const std::string& reason) {
  append(out, {{"line", line},
               {"verdict", "unreadable"},
               {"reason", reason},
               {"status", kExitMalformed}});
}

void append_summary_json(std::string& out,
                         const std::vector<VerdictCount>& counts, int status) {
  Json summary = Json::object();
  for (const VerdictCount& c : counts) summary[c.verdict] = c.lines;
  append(out, {{"summary", summary}, {"status", status}});
}

void append_table_json(std::string& out, const option_list& table) {
  Json options = Json::array();
  for (const option_list::option& o : masked_table(table).options) {
    options.push_back({{"short_key", shown(o.short_key)},
                       {"key", shown(o.long_key)},
                       {"switch", o.is_bool},
                       {"default", shown(o.default_value)},
                       {"description", shown(o.description)},
                       {"masked", !o.show_value},
                       {"deprecated", o.deprecated},
                       {"uri_settable", o.uri_settable}});
  }
  append(out, {{"options", options}});
}
