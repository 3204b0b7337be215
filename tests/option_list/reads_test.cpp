// Every read of option text, typed, integer, pair and log level, and the
// whole-text conversions: one table of text in and result out.
#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"
#include "tests/support/optional_printer.h"

namespace {
using testing::PrintToString;

// One read of the option "log-level", or of "nope", which no option has.
std::string Read(const std::string& read, option_list& t, const char* key,
                 bool only_if_set) {
  const std::string text = t.get(key);
  boost::optional<int> level = 42;
  if (read == "str") return PrintToString(t.get_str_val(key, only_if_set));
  if (read == "bool") return PrintToString(t.get_bool_val(key, only_if_set));
  if (read == "int") return PrintToString(t.get_int_val(key, only_if_set));
  if (read == "get_bool") return PrintToString(t.get_bool(key));
  if (read == "get_int") return PrintToString(t.get_int(key));
  if (read == "is_int") return PrintToString(t.option_is_int(key, 2, 3));
  if (read == "pair") return PrintToString(t.get_int_pair(key, only_if_set));
  if (read == "hex")
    return PrintToString(t.get_hex_int_pair_vector(key, ":", ",", only_if_set));
  if (read == "str_to_int") return PrintToString(str_to_int(text));
  if (read == "hex_str_to_int") return PrintToString(hex_str_to_int(text));
  const bool found = t.get_log_level(level);
  return PrintToString(found) + " " + PrintToString(level);
}
}  // namespace

TEST(Reads, TextInResultOut) {
  const struct {
    const char* read;
    const char* text;  // assigned, or after "=" the default, never assigned
    bool only_if_set;
    const char* result;
    const char* key = "log-level";
  } cases[] = {
      {"str", "x", true, "\"x\""},
      {"str", "=x", true, "none"},
      {"str", "=x", false, "\"x\""},
      {"str", "x", true, "\"Invalid\"", "nope"},
      {"bool", "True", true, "true"},
      {"bool", "true", true, "false"},
      {"bool", "=True", true, "none"},
      {"int", "=7", false, "7"},
      {"int", "=7", true, "none"},
      {"get_bool", "=True", false, "true"},
      {"get_bool", "x", false, "false", "nope"},
      {"get_int", "=7", false, "7"},
      {"get_int", "x", false, "0"},
      {"is_int", "1", false, "false"},
      {"is_int", "2", false, "true"},
      {"is_int", "3", false, "true"},
      {"is_int", "4", false, "false"},
      {"is_int", "x", false, "false"},
      {"str_to_int", "007", false, "7"},                   // decimal, not octal
      {"str_to_int", "2147483648", false, "-2147483648"},  // low 32 bits
      {"str_to_int", "9223372036854775807", false, "none"},  // LONG_MAX
      {"str_to_int", "99999999999999999999", false, "none"},
      {"str_to_int", "-1", false, "none"},
      {"str_to_int", "1 ", false, "none"},
      {"str_to_int", ":1", false, "none"},
      {"str_to_int", "/1", false, "none"},
      {"hex_str_to_int", "fF", false, "255"},
      {"hex_str_to_int", "0X1a", false, "26"},
      {"hex_str_to_int", "7fff", false, "none"},  // read as no number
      {"hex_str_to_int", "FFFFFFFF", false, "-1"},
      {"hex_str_to_int", "0x", false, "none"},
      {"hex_str_to_int", ":1", false, "none"},
      {"hex_str_to_int", "@1", false, "none"},
      {"hex_str_to_int", "g1", false, "none"},
      {"pair", "007x08", true, "(7, 8)"},
      {"pair", "=1x2", true, "none"},
      {"pair", "6X4", true, "none"},
      {"pair", "x4", true, "none"},
      {"pair", "6x", true, "none"},
      {"pair", "1x2x3", true, "none"},
      {"hex", "1:2,a:ff,,A:B,1:2:3", true, "{ (1, 2), (10, 255), (10, 11) }"},
      {"hex", "=1:2", true, "{}"},
      {"hex", "7fff:1,1:", true, "{}"},
      {"level", "DEBUG", false, "true 3"},
      {"level", "Critical", false, "true 0"},
      {"level", "error", false, "true 1"},
      {"level", "=iNfO", false, "true 2"},
      {"level", "0", false, "true 0"},
      {"level", "5", false, "true 5"},
      {"level", "6", false, "false 42"},
      {"level", "00", false, "false 42"},
      {"level", " info", false, "false 42"}};
  for (const auto& c : cases) {
    const bool assigned = c.text[0] != '=';
    const std::string text = assigned ? c.text : c.text + 1;
    option_list t;
    t.add("l", "log-level", false, assigned ? "" : text, "", true, false, true);
    if (assigned) t.set("log-level", text, false, false);
    EXPECT_EQ(Read(c.read, t, c.key, c.only_if_set), c.result)
        << c.read << " of " << c.text;
  }
  boost::optional<int> untouched;
  EXPECT_FALSE(option_list().get_log_level(untouched));
  EXPECT_EQ(untouched, boost::none);
}

using HexPairs = CoreRecorder;

TEST_F(HexPairs, EverySeparatorCountsAndBadPairsAreLogged) {
  option_list t;
  t.add("", "pairs", false, "1:2;3-4;zz-1;7fff:5", "", true, false, false);
  EXPECT_EQ(PrintToString(t.get_hex_int_pair_vector("pairs", ":-", ";", false)),
            "{ (1, 2), (3, 4) }");
  EXPECT_EQ(
      core_log().calls,
      (std::vector<std::string>{
          "log 110 1 -501 get_hex_int_pair_vector: discarding pair zz,1",
          "log 110 1 -501 get_hex_int_pair_vector: discarding pair 7fff,5"}));
  // Null separator sets count as empty: the whole text is one item.
  EXPECT_EQ(t.get_hex_int_pair_vector("pairs", nullptr, nullptr, false)->size(),
            0u);
}
