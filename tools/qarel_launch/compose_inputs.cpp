#include "compose_inputs.h"

#include <option_list/option_flags.h>

#include <algorithm>
#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <set>

#include "output.h"

namespace {

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool is_letter_or_digit(unsigned char c) {
  return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<std::string> labels(const std::string& name) {
  std::vector<std::string> parts;
  boost::algorithm::split(parts, name, boost::is_any_of("."));
  return parts;
}

// Four decimal numbers from 0 to 255, joined by dots, without leading zeros.
bool is_ipv4(const std::string& host) {
  const std::vector<std::string> parts = labels(host);
  return parts.size() == 4 &&
         std::all_of(parts.begin(), parts.end(), [](const std::string& p) {
           return !p.empty() && p.size() <= 3 && (p == "0" || p[0] != '0') &&
                  std::stoi(p) <= 255;
         });
}

// Of a host whose bytes are letters, digits, "-" and ".": labels of 1 to 63
// bytes that neither start nor end with "-", joined by dots, at most 253
// bytes; one final dot may follow.
bool is_dns_name(std::string host) {
  if (host.size() > 1 && host.back() == '.') host.pop_back();
  const std::vector<std::string> parts = labels(host);
  return host.size() <= 253 &&
         std::all_of(parts.begin(), parts.end(), [](const std::string& l) {
           return !l.empty() && l.size() <= 63 && l.front() != '-' &&
                  l.back() != '-';
         });
}

// The reader ends the host at its first ":", "/" or "?" and does not decode
// it, so only a DNS name or an IPv4 address is carried as given.
std::string host_problem(const std::string& host) {
  if (std::count(host.begin(), host.end(), ':') > 1 || host.front() == '[') {
    return "an IPv6 address cannot be carried by a launch URI, whose reader "
           "ends the host at its first \":\"; give a DNS name or an IPv4 "
           "address";
  }
  const std::string quoted = "\"" + shown(host) + "\"";
  for (const unsigned char c : host) {
    if (c == ':')
      return quoted + " holds \":\", which ends the host; give port=PORT";
    if (c == ' ' || c == '\t') return quoted + " holds a blank";
    if (c < 0x20 || c == 0x7f) return "a control byte in the host";
    if (c >= 0x80) {
      return quoted +
             " holds a byte that is not ASCII; give an "
             "internationalised name in its xn-- form";
    }
    if (!is_letter_or_digit(c) && c != '-' && c != '.') {
      return quoted + " holds '" + shown(std::string(1, c)) +
             "', which no DNS name or IPv4 address holds";
    }
  }
  if (host.find_first_not_of("0123456789.") == std::string::npos) {
    if (is_ipv4(host)) return "";
    return quoted +
           " is not an IPv4 address: four numbers from 0 to 255, "
           "without leading zeros";
  }
  if (is_dns_name(host)) return "";
  return quoted +
         " is not a DNS name: labels of 1 to 63 letters, digits "
         "and \"-\", not starting or ending with \"-\", joined by "
         "dots";
}

std::string port_problem(const std::string& port) {
  const std::size_t first = port.find_first_not_of('0');
  const bool in_range = std::all_of(port.begin(), port.end(), is_digit) &&
                        first != std::string::npos &&
                        port.size() - first <= 5 &&
                        std::stoul(port.substr(first)) <= 65535;
  return in_range ? "" : "\"" + shown(port) + "\" is not a port: 1 to 65535";
}

// A keyword, asked of the library, which reads them in any letter case; or
// one digit from 0 to 5. The library would also read "03" or a number past
// an int by its low bits, which the help does not offer.
std::string log_level_problem(const std::string& level) {
  option_list table;
  client_common::add_option(table, "", "log-level", level, "",
                            client_common::kFromUri);
  boost::optional<int> read;
  const bool number =
      level.find_first_not_of("0123456789") == std::string::npos;
  if (table.get_log_level(read) && (!number || level.size() == 1)) return "";
  return "\"" + shown(level) +
         "\" is not a log level: critical, error, info, debug, or 0 to 5";
}

// Each key of compose, the field it fills and the option a client reads it
// as. A check of null takes any text (it is percent-encoded).
struct ValuedKey {
  const char* name;
  std::string ComposeInputs::*field;
  std::string (*problem)(const std::string&);
  const char* option;
};
const ValuedKey kValued[] = {
    {"host", &ComposeInputs::host, host_problem, "address"},
    {"port", &ComposeInputs::port, port_problem, "port"},
    {"sni", &ComposeInputs::sni, nullptr, "sni"},
    {"connect-tag", &ComposeInputs::connect_tag, nullptr, "connect-tag"},
    {"session-id", &ComposeInputs::session_id, nullptr, "session-id"},
    {"locale", &ComposeInputs::locale, nullptr, "locale"},
    {"logfile", &ComposeInputs::logfile, nullptr, "logfile"},
    {"log-level", &ComposeInputs::log_level, log_level_problem, "log-level"},
};

// Each switch, and the option a client reads as True when it is on, or
// when it is off for `inverted`.
struct SwitchKey {
  const char* name;
  bool ComposeInputs::*field;
  const char* option;
  bool inverted;
};
const SwitchKey kSwitches[] = {
    {"windowed", &ComposeInputs::windowed, "full-screen", true},
    {"use-smartcard", &ComposeInputs::use_smartcard, "use-smartcard", false},
    {"disable-usb", &ComposeInputs::disable_usb, "disable-usb", false},
    {"usb-auto-forward", &ComposeInputs::usb_auto_forward, "usb-auto-forward",
     false},
};

template <class Key, std::size_t N>
const Key* find(const Key (&keys)[N], const std::string& name) {
  const auto it = std::find_if(std::begin(keys), std::end(keys),
                               [&](const Key& k) { return name == k.name; });
  return it == std::end(keys) ? nullptr : it;
}

// What is wrong with one argument, or "" when it was read into `in`.
std::string read_one(const std::string& arg, const std::string& key,
                     ComposeInputs& in) {
  const std::size_t equals = arg.find('=');
  if (const SwitchKey* s = find(kSwitches, key)) {
    if (equals != std::string::npos) return "a switch takes no value";
    in.*(s->field) = true;
    return "";
  }
  const ValuedKey* v = find(kValued, key);
  if (v == nullptr) {
    return key.rfind('-', 0) == 0 ? "not a key of compose: keys take no dashes"
                                  : "not a key of compose; 'qarel-launch "
                                    "compose --help' lists them";
  }
  if (equals == std::string::npos)
    return "needs a value: " + shown(key) + "=VALUE";
  const std::string value = arg.substr(equals + 1);
  if (value.empty()) return "an empty value writes nothing; leave it out";
  const std::string problem = v->problem ? v->problem(value) : "";
  if (problem.empty()) in.*(v->field) = value;
  return problem;
}

}  // namespace

std::vector<std::string> read_compose_inputs(const Args& args,
                                             ComposeInputs& in) {
  std::vector<std::string> wrong;
  std::set<std::string> given;
  for (const std::string& arg : args) {
    const std::string key = arg.substr(0, arg.find('='));
    const std::string problem =
        given.insert(key).second ? read_one(arg, key, in) : "given twice";
    if (!problem.empty()) wrong.push_back(shown(key) + ": " + problem);
  }
  if (given.count("host") == 0)
    wrong.push_back("host: required: host=NAME, a DNS name or IPv4 address");
  return wrong;
}

std::map<std::string, std::string> expected_options(const ComposeInputs& in) {
  std::map<std::string, std::string> options;
  for (const ValuedKey& k : kValued)
    if (!(in.*(k.field)).empty()) options[k.option] = in.*(k.field);
  for (const SwitchKey& k : kSwitches)
    if (in.*(k.field) != k.inverted) options[k.option] = "True";
  return options;
}
