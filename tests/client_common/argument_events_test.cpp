// What the observed parse tells of each argument.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/option_tables.h"

namespace {
using client_common::ArgumentEvent;
using client_common::ArgumentOutcome;
const std::string kUri = "quorvane-qarel://";

// One event as "source text: key outcome[/why] option[~dropped] [=value]
// [!fault]", with one short name per enumerator.
std::string Render(const ArgumentEvent& e) {
  static const char* const kSources[] = {"cl", "host", "port", "param", "uri"};
  static const char* const kOutcomes[] = {"set",    "again",   "waits",
                                          "filled", "refused", "ignored"};
  static const char* const kRefusals[] = {
      "", "/unknown", "/malformed", "/switch-value", "/not-uri", "/no-value"};
  static const char* const kFaults[] = {"", " !empty-host", " !reserved",
                                        " !blank", " !bad-key"};
  std::string s = kSources[static_cast<int>(e.source)];
  s += " " + std::string(e.text) + ": " + std::string(e.key) + " " +
       kOutcomes[static_cast<int>(e.outcome)] +
       kRefusals[static_cast<int>(e.refusal)];
  s += " " + (e.option ? e.option->long_key : "-");
  if (e.dropped) s += "~" + e.dropped->long_key;
  if (!e.value.empty()) s += " =" + std::string(e.value);
  s += kFaults[static_cast<int>(e.fault)];
  if (e.argument.data() + e.offset != e.text.data()) s += " (elsewhere)";
  if (e.size != sizeof(ArgumentEvent)) s += " (sized wrong)";
  return s;
}

// The events of a parse of `args`, each also checked to name its argument
// by its index.
struct Collected {
  std::vector<std::string> args, events;
};
int Collect(const ArgumentEvent& event, void* context) {
  // Parsing again inside the callback must leave the outer parse and the
  // event whole: here a key that waits, and outgrows any string's buffer.
  static option_list inner = [] {
    option_list t;
    t.add("", "a-key-longer-than-any-small-string", false, "", "", 0, 0, 0);
    return t;
  }();
  arg_to_params({"--a-key-longer-than-any-small-string"}, inner);
  auto& c = *static_cast<Collected*>(context);
  const bool indexed = event.index < c.args.size() &&
                       c.args[event.index].data() == event.argument.data();
  c.events.push_back(Render(event) + (indexed ? "" : " (unindexed)"));
  return 1;  // reserved for a later release: the parse goes on
}
}  // namespace

TEST(ArgumentEvents, EachArgumentAndPartTellsWhatItDid) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> events;
  } cases[] = {
      // clang-format off
      {{"--name=a%20b", "-n=a b", "-f", "f", "-l9"},
          {"cl --name=a%20b: name set name =a b", "cl -n=a b: n again name =a b",
           "cl -f: f set full-screen =True", "cl f: f again full-screen =True",
           "cl -l9: l set log-level =9"}},
      {{"-l", "--name", "v", "-c"},
          {"cl -l: l waits log-level", "cl --name: name waits name~log-level",
           "cl v: name filled name =v", "cl -c: c waits cl-only"}},
      // A waiting key is process-wide: the last vector's -c waits still.
      {{"--bogus", "-9x=1", "-f=1", "x y"},
          {"cl --bogus: bogus refused/unknown -~cl-only",
           "cl -9x=1: 9x refused/malformed -", "cl -f=1: f=1 refused/switch-value full-screen",
           "cl x y: x y refused/malformed -"}},
      {{"-l", "-n=Ignore_this_value"},
          {"cl -l: l waits log-level", "cl -n=Ignore_this_value: n refused/no-value name~log-level"}},
      {{"-o", "2"}, {"cl -o: o waits old", "cl 2: o filled old =2"}},
      {{"-l", kUri + ":900?cl-only=1&name&f&f=1&n=a=b&%&sni=x y&a=", "quorvane-qarel:h"},
          {"cl -l: l waits log-level", "port 900: port set port =900",
           "host : address set address !empty-host",
           "param cl-only=1: cl-only refused/not-uri cl-only~log-level",
           "param name: name refused/no-value name", "param f: f set full-screen =True",
           "param f=1: f=1 refused/switch-value full-screen !bad-key",
           "param n=a=b: n set name =a=b !reserved", "param %: % refused/malformed - !bad-key",
           "param sni=x y: sni set sni =x y !blank", "param a=: a set a",
           "uri quorvane-qarel:h:  ignored -"}},
      {{kUri + "h:1:2/p?a=1", kUri + "h"},
          {"port 1:2: port set port =1:2", "host h: address set address =h",
           "param p?a=1: p?a refused/malformed - !bad-key", "host h: address again address =h"}},
      // An empty key names no record; leading "?"s start no parameter, "&&"
      // one, a trailing "&" none.
      {{"--", "-", kUri + "h??&&x&"},
          {"cl --:  refused/malformed -", "cl -:  refused/malformed -",
           "host h: address set address =h", "param :  refused/malformed - !bad-key",
           "param :  refused/malformed - !bad-key", "param x: x refused/unknown -"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    // That it parses as the plain parse does, the launch fuzz target checks.
    option_list observed = LaunchTable();
    Collected told{c.args, {}};
    arg_to_params_observed(told.args, observed, Collect, &told);
    EXPECT_EQ(told.events, c.events) << c.args.front();
  }
}

TEST(ArgumentEvents, ParseUriAloneTellsItsPartsAndANullCallbackNothing) {
  option_list table = LaunchTable();
  Collected told{{kUri + "?sni=1"}, {}};
  EXPECT_TRUE(parse_uri_observed(told.args[0], table, Collect, &told));
  EXPECT_EQ(told.events,
            (std::vector<std::string>{"host : address set address !empty-host",
                                      "param sni=1: sni set sni =1"}));
  EXPECT_FALSE(parse_uri_observed(kUri + "h", table, nullptr, nullptr));
  EXPECT_EQ(table.get("address"), "h");
}

// A table may hold a malformed switch key with "=": "-l=" sets that record,
// and the event says so, not that legacy was given a value. Its default is
// True already, so only is_set tells the first assignment from another.
TEST(ArgumentEvents, ATokenTakenWholeTellsTheRecordItSets) {
  option_list t;
  client_common::add_option(t, "", "l=", "True", "d", client_common::kSwitch);
  client_common::add_option(t, "l", "legacy", "", "d", client_common::kSwitch);
  Collected told{{"-l="}, {}};
  arg_to_params_observed(told.args, t, Collect, &told);
  EXPECT_EQ(told.events, std::vector<std::string>{"cl -l=: l= set l= =True"});
}

int Throw(const ArgumentEvent&, void*) { throw std::runtime_error("no"); }

TEST(ArgumentEvents, AThrowingCallbackLeavesNoKeyWaiting) {
  option_list t = LaunchTable();
  EXPECT_THROW(arg_to_params_observed({"-l"}, t, Throw, nullptr),
               std::runtime_error);
  EXPECT_FALSE(arg_to_params({"3"}, t));
  EXPECT_EQ(t.rejected_params, "CL_param:'3' ");
}

TEST(ArgumentEvents, TheShownKeyMasksWhatAMaskedOptionWasGiven) {
  option_list masked = LaunchTable();
  masked.add("p", "pin", true, "", "PIN", false, false, true);
  masked.add("t", "ticket", false, "", "Ticket", false, false, false);
  struct Shown {
    std::vector<std::string> keys;
  } shown;
  const auto keep = [](const ArgumentEvent& e, void* keys) {
    static_cast<Shown*>(keys)->keys.push_back(argument_shown_key(e));
    return 0;
  };
  arg_to_params_observed({"--pin=1234", "-t", "-x", "--name=a=b", "-t", "v",
                          kUri + "h?pin=5678&ticket=9"},
                         masked, keep, &shown);
  const std::vector<std::string> expected = {
      "pin=********", "t",     "********", "name", "t", "t", "address",
      "pin=********", "ticket"};
  EXPECT_EQ(shown.keys, expected);
}

TEST(ArgumentEvents, EachRefusalHasItsWords) {
  using client_common::ArgumentRefusal;
  const std::vector<std::string> words = {"",
                                          "unknown key",
                                          "malformed key",
                                          "a switch given a value",
                                          "a key a launch URI may not set",
                                          "a key with no value",
                                          ""};  // a reason of a later release
  for (std::size_t r = 0; r < words.size(); ++r)
    EXPECT_EQ(argument_refusal_text(static_cast<ArgumentRefusal>(r)), words[r]);
}
