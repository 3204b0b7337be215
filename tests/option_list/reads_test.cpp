// Every read of option text, typed, integer, pair and log level, and the
// whole-text conversions: one table of text in and result out.
#include <gtest/gtest.h>

#include <string>

#include "option_list/option_flags.h"
#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"

namespace {
using testing::PrintToString;

template <class T>
std::string Show(const boost::optional<T>& v) {
  return v ? PrintToString(*v) : "none";
}

// Each read of `key` ("log-level", or "nope", which no option has), its
// result as text.
using Read = std::string (*)(option_list& t, const char* key, bool only);
// clang-format off
std::string Str(option_list& t, const char* k, bool o) { return Show(t.get_str_val(k, o)); }
std::string Bool(option_list& t, const char* k, bool o) { return Show(t.get_bool_val(k, o)); }
std::string Int(option_list& t, const char* k, bool o) { return Show(t.get_int_val(k, o)); }
std::string GetBool(option_list& t, const char* k, bool) { return PrintToString(t.get_bool(k)); }
std::string GetInt(option_list& t, const char* k, bool) { return PrintToString(t.get_int(k)); }
std::string IsInt(option_list& t, const char* k, bool) { return PrintToString(t.option_is_int(k, 0, 5)); }
std::string Pair(option_list& t, const char* k, bool o) { return Show(t.get_int_pair(k, o)); }
// Every separator of each set counts; a null set counts as empty.
std::string Hex(option_list& t, const char* k, bool o) { return Show(t.get_hex_int_pair_vector(k, ":-", ";,", o)); }
std::string HexNull(option_list& t, const char* k, bool o) { return Show(t.get_hex_int_pair_vector(k, nullptr, nullptr, o)); }
std::string StrToInt(option_list& t, const char* k, bool) { return Show(str_to_int(t.get(k))); }
std::string HexStrToInt(option_list& t, const char* k, bool) { return Show(hex_str_to_int(t.get(k))); }
// clang-format on
// Whether one was found, and the level, from 42.
std::string Level(option_list& t, const char*, bool) {
  boost::optional<int> level = 42;
  const bool found = t.get_log_level(level);
  return PrintToString(found) + " " + Show(level);
}
}  // namespace

using Reads = CoreRecorder;

TEST_F(Reads, EachReadOfEachTextGivesItsResult) {
  // Each read with cases of {text, result}. The text is assigned, or after
  // "=" the default, never assigned; "?" reads a key that no option has.
  const struct {
    const char* name;
    Read read;
    bool only_if_set;
    std::vector<std::pair<std::string, std::string>> cases;
  } reads[] = {
      // clang-format off
      {"str", Str, true, {{"x", "\"x\""}, {"=x", "none"}, {"?", "\"Invalid\""}}},
      {"str", Str, false, {{"=x", "\"x\""}}},
      {"bool", Bool, true, {{"True", "true"}, {"true", "false"}, {"=True", "none"}, {"?", "false"}}},
      {"int", Int, true, {{"7", "7"}, {"=7", "none"}, {"?", "none"}}},
      {"get_bool", GetBool, false, {{"=True", "true"}, {"?", "false"}}},
      {"get_int", GetInt, false, {{"=7", "7"}, {"x", "0"}, {"?", "0"}}},
      {"is_int", IsInt, false, {{"=3", "true"}, {"0", "true"}, {"00", "false"}, {"6", "false"},
          {"?", "false"}}},
      {"str_to_int", StrToInt, false, {{"007", "7"}, {"2147483648", "-2147483648"},  // low 32 bits
          {"9223372036854775807", "none"}, {"99999999999999999999", "none"},
          {"-1", "none"}, {"1 ", "none"}, {":1", "none"}, {"/1", "none"}}},
      {"hex_str_to_int", HexStrToInt, false, {{"fF", "255"}, {"0X1a", "26"}, {"FFFFFFFF", "-1"},
          {"7fff", "none"} /* read as no number */, {"0x", "none"}, {":1", "none"},
          {"@1", "none"}, {"g1", "none"}, {"-1", "none"}}},
      {"pair", Pair, true, {{"007x08", "(7, 8)"}, {"=1x2", "none"}, {"6X4", "none"},
          {"x4", "none"}, {"6x", "none"}, {"1x2x3", "none"}, {"?", "none"}}},
      {"hex", Hex, true, {{"1:2,a-ff;;A:B,1:2:3", "{ (1, 2), (10, 255), (10, 11) }"},
          {"=1:2", "{}"}, {"7fff:1,zz-1", "{}"}}},
      {"hex_null", HexNull, false, {{"1:2", "{}"}}},
      {"level", Level, false, {{"DEBUG", "true 3"}, {"Critical", "true 0"}, {"error", "true 1"},
          {"=iNfO", "true 2"}, {"0", "true 0"}, {"5", "true 5"}, {"6", "false 42"},
          {"00", "false 42"}, {" info", "false 42"}}}};
  // clang-format on
  for (const auto& r : reads) {
    for (const auto& [text, result] : r.cases) {
      const bool assigned = text[0] != '=';
      option_list t;
      client_common::add_option(t, "l", "log-level",
                                assigned ? "" : text.substr(1), "",
                                client_common::kFromUri);
      if (assigned) t.set("log-level", text, false, false);
      EXPECT_EQ(r.read(t, text == "?" ? "nope" : "log-level", r.only_if_set),
                result)
          << r.name << " of " << text;
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
