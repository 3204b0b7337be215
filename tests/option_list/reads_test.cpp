// Every read of option text, typed, integer, pair and log level, and the
// whole-text conversions: one table of text in and result out.
#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"

namespace {
using testing::PrintToString;

template <class T>
std::string Show(const boost::optional<T>& v) {
  return v ? PrintToString(*v) : "none";
}

// The read named `read` of `key` ("log-level", or "nope", which no option
// has), its result as text; a name it does not know fails the test.
std::string ReadAs(const std::string& read, option_list& t, const char* key,
                   bool only) {
  if (read == "str") return Show(t.get_str_val(key, only));
  if (read == "bool") return Show(t.get_bool_val(key, only));
  if (read == "int") return Show(t.get_int_val(key, only));
  if (read == "get_bool") return PrintToString(t.get_bool(key));
  if (read == "get_int") return PrintToString(t.get_int(key));
  if (read == "is_int") return PrintToString(t.option_is_int(key, 0, 5));
  if (read == "pair") return Show(t.get_int_pair(key, only));
  // Every separator of each set counts; a null set counts as empty.
  if (read == "hex")
    return Show(t.get_hex_int_pair_vector(key, ":-", ";,", only));
  if (read == "hex_null")
    return Show(t.get_hex_int_pair_vector(key, nullptr, nullptr, only));
  if (read == "str_to_int") return Show(str_to_int(t.get(key)));
  if (read == "hex_str_to_int") return Show(hex_str_to_int(t.get(key)));
  if (read == "level") {  // whether one was found, and the level, from 42
    boost::optional<int> level = 42;
    const bool found = t.get_log_level(level);
    return PrintToString(found) + " " + Show(level);
  }
  ADD_FAILURE() << "no read named " << read;
  return "";
}
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
      {"is_int", false, {{"=3", "true"}, {"0", "true"}, {"00", "false"}, {"6", "false"}}},
      {"str_to_int", false, {{"007", "7"}, {"2147483648", "-2147483648"},  // low 32 bits
          {"9223372036854775807", "none"}, {"99999999999999999999", "none"},
          {"-1", "none"}, {"1 ", "none"}, {":1", "none"}, {"/1", "none"}}},
      {"hex_str_to_int", false, {{"fF", "255"}, {"0X1a", "26"}, {"FFFFFFFF", "-1"},
          {"7fff", "none"} /* read as no number */, {"0x", "none"}, {":1", "none"},
          {"@1", "none"}, {"g1", "none"}, {"-1", "none"}}},
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
    for (const auto& [text, result] : r.cases) {
      const bool assigned = text[0] != '=';
      option_list t;
      t.add("l", "log-level", false, assigned ? "" : text.substr(1), "", true,
            false, true);
      if (assigned) t.set("log-level", text, false, false);
      EXPECT_EQ(
          ReadAs(r.read, t, text == "?" ? "nope" : "log-level", r.only_if_set),
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
