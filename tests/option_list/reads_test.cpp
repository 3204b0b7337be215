// Every read of option text, typed, integer, pair and log level, and the
// whole-text conversions: one table of text in and result out.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"

namespace {
using testing::PrintToString;

template <class T>
std::string Show(const boost::optional<T>& v) {
  return v ? PrintToString(*v) : "none";
}

// Each read by name, of the option "log-level", or of "nope", which no
// option has; its result as text.
using Read = std::string (*)(option_list& t, const char* key, bool only_if_set);
const std::map<std::string, Read> kReads = {
    {"str", [](option_list& t, const char* k,
               bool only) { return Show(t.get_str_val(k, only)); }},
    {"bool", [](option_list& t, const char* k,
                bool only) { return Show(t.get_bool_val(k, only)); }},
    {"int", [](option_list& t, const char* k,
               bool only) { return Show(t.get_int_val(k, only)); }},
    {"get_bool", [](option_list& t, const char* k,
                    bool) { return PrintToString(t.get_bool(k)); }},
    {"get_int", [](option_list& t, const char* k,
                   bool) { return PrintToString(t.get_int(k)); }},
    {"pair", [](option_list& t, const char* k,
                bool only) { return Show(t.get_int_pair(k, only)); }},
    // Every separator of each set counts.
    {"hex",
     [](option_list& t, const char* k, bool only) {
       return Show(t.get_hex_int_pair_vector(k, ":-", ";,", only));
     }},
    // A null set counts as empty.
    {"hex_null",
     [](option_list& t, const char* k, bool only) {
       return Show(t.get_hex_int_pair_vector(k, nullptr, nullptr, only));
     }},
    {"str_to_int", [](option_list& t, const char* k,
                      bool) { return Show(str_to_int(t.get(k))); }},
    {"hex_str_to_int", [](option_list& t, const char* k,
                          bool) { return Show(hex_str_to_int(t.get(k))); }},
    // Whether a level was found, and the level, which starts at 42.
    {"level",
     [](option_list& t, const char*, bool) {
       boost::optional<int> level = 42;
       const bool found = t.get_log_level(level);
       return PrintToString(found) + " " + Show(level);
     }},
};
}  // namespace

using Reads = CoreRecorder;

TEST_F(Reads, EachReadOfEachTextGivesItsResult) {
  // Each read with cases of {text, result}. The text is assigned, or after
  // "=" the default, never assigned; "?" reads a key that no option has.
  const struct {
    const char* read;
    bool only_if_set;
    std::vector<std::pair<std::string, std::string>> cases;
  } reads[] = {
      // clang-format off
      {"str", true, {{"x", "\"x\""}, {"=x", "none"}, {"?", "\"Invalid\""}}},
      {"str", false, {{"=x", "\"x\""}}},
      {"bool", true, {{"True", "true"}, {"true", "false"}, {"=True", "none"}}},
      {"int", true, {{"7", "7"}, {"=7", "none"}}},
      {"get_bool", false, {{"=True", "true"}, {"?", "false"}}},
      {"get_int", false, {{"=7", "7"}, {"x", "0"}}},
      {"str_to_int", false, {{"007", "7"}, {"2147483648", "-2147483648"},  // low 32 bits
          {"9223372036854775807", "none"}, {"99999999999999999999", "none"},
          {"-1", "none"}, {"1 ", "none"}, {":1", "none"}, {"/1", "none"}}},
      {"hex_str_to_int", false, {{"fF", "255"}, {"0X1a", "26"}, {"FFFFFFFF", "-1"},
          {"7fff", "none"} /* read as no number */, {"0x", "none"}, {":1", "none"},
          {"@1", "none"}, {"g1", "none"}}},
      {"pair", true, {{"007x08", "(7, 8)"}, {"=1x2", "none"}, {"6X4", "none"},
          {"x4", "none"}, {"6x", "none"}, {"1x2x3", "none"}}},
      {"hex", true, {{"1:2,a-ff;;A:B,1:2:3", "{ (1, 2), (10, 255), (10, 11) }"},
          {"=1:2", "{}"}, {"7fff:1,zz-1", "{}"}}},
      {"hex_null", false, {{"1:2", "{}"}}},
      {"level", false, {{"DEBUG", "true 3"}, {"Critical", "true 0"}, {"error", "true 1"},
          {"=iNfO", "true 2"}, {"0", "true 0"}, {"5", "true 5"}, {"6", "false 42"},
          {"00", "false 42"}, {" info", "false 42"}}}};
  // clang-format on
  for (const auto& r : reads) {
    const auto read = kReads.find(r.read);
    ASSERT_NE(read, kReads.end()) << "no read named " << r.read;
    for (const auto& [text, result] : r.cases) {
      const bool assigned = text[0] != '=';
      option_list t;
      t.add("l", "log-level", false, assigned ? "" : text.substr(1), "", true,
            false, true);
      if (assigned) t.set("log-level", text, false, false);
      EXPECT_EQ(
          read->second(t, text == "?" ? "nope" : "log-level", r.only_if_set),
          result)
          << r.read << " of " << text;
    }
  }
  // Pairs that are not hex are logged.
  EXPECT_EQ(
      core_log().calls,
      (Calls{"log 110 1 -501 get_hex_int_pair_vector: discarding pair 7fff,1",
             "log 110 1 -501 get_hex_int_pair_vector: discarding pair zz,1"}));
  boost::optional<int> untouched;
  EXPECT_FALSE(option_list().get_log_level(untouched));
  EXPECT_FALSE(untouched);
}
