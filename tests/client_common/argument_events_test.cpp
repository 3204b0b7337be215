// What the observed parse tells of each argument, and that it parses as the
// plain one does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tests/support/option_tables.h"

namespace {
using client_common::ArgumentEvent;
using client_common::ArgumentObserver;
const std::string kUri = "quorvane-qarel://";

// One event as "source text: key outcome[/why] option[~dropped] [=value]
// [!fault]", with one short name per enumerator.
std::string Render(const ArgumentEvent& e) {
  static const char* const kSources[] = {"cl", "auth", "param"};
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
  if (e.argument.find(e.text) == std::string_view::npos) s += " (elsewhere)";
  return s;
}

void Collect(const ArgumentEvent& event, void* events) {
  static_cast<std::vector<std::string>*>(events)->push_back(Render(event));
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
          {"cl -l: l waits log-level", "auth 900: port set port =900",
           "auth : address set address !empty-host",
           "param cl-only=1: cl-only refused/not-uri cl-only~log-level",
           "param name: name refused/no-value name", "param f: f set full-screen =True",
           "param f=1: f=1 refused/switch-value full-screen !bad-key",
           "param n=a=b: n set name =a=b !reserved", "param %: % refused/malformed - !bad-key",
           "param sni=x y: sni set sni =x y !blank", "param a=: a set a",
           "auth quorvane-qarel:h:  ignored -"}},
      {{kUri + "h:1:2/p?a=1", kUri + "h"},
          {"auth 1:2: port set port =1:2", "auth h: address set address =h",
           "param p?a=1: p?a refused/malformed - !bad-key", "auth h: address again address =h"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    option_list observed = LaunchTable(), plain = LaunchTable();
    std::vector<std::string> events;
    const ArgumentObserver observer{Collect, &events};
    const bool malformed = arg_to_params_observed(c.args, observed, observer);
    EXPECT_EQ(events, c.events) << c.args.front();
    // The plain parse, run after, finds the same key waiting (or none) and
    // leaves the same table.
    EXPECT_EQ(arg_to_params(c.args, plain), malformed) << c.args.front();
    EXPECT_EQ(State(observed), State(plain)) << c.args.front();
  }
}

TEST(ArgumentEvents, ParseUriAloneTellsItsPartsAndANullCallbackNothing) {
  option_list table = LaunchTable();
  std::vector<std::string> events;
  EXPECT_TRUE(parse_uri_observed(kUri + "?sni=1", table,
                                 ArgumentObserver{Collect, &events}));
  EXPECT_EQ(events,
            (std::vector<std::string>{"auth : address set address !empty-host",
                                      "param sni=1: sni set sni =1"}));
  EXPECT_FALSE(parse_uri_observed(kUri + "h", table, ArgumentObserver{}));
  EXPECT_EQ(table.get("address"), "h");
}
