#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "option_list/option_list.h"
#include "tests/support/optional_printer.h"
#include "tests/support/qarel_core_double.h"

namespace {
using Pairs = std::vector<std::pair<int, int>>;

option_list Holding(const std::string& text) {
  option_list t;
  t.add("", "v", false, "", "", true, false, false);
  t.set("v", text, false, false);
  t.add("", "unset", false, "1x2", "", true, false, false);
  return t;
}

std::vector<std::string> LoggedTexts() {
  std::vector<std::string> texts;
  for (const auto& c : core_double::calls()) {
    EXPECT_EQ(c.level, 1);
    EXPECT_EQ(c.code, -501);
    texts.push_back(c.text);
  }
  return texts;
}
}  // namespace

TEST(IntPair, ReadsTwoDecimalNumbersAroundALowerCaseX) {
  const struct {
    const char* text;
    boost::optional<std::pair<int, int>> pair;
  } cases[] = {
      {"640x480", std::make_pair(640, 480)},
      {"007x08", std::make_pair(7, 8)},  // decimal, not octal
      {"640X480", boost::none},          // upper-case X is no separator
      {"640*480", boost::none},
      {"640", boost::none},
      {"x480", boost::none},  // empty left side
      {"640x", boost::none},
      {"1x2x3", boost::none},  // "2x3" is no number
      {"-1x5", boost::none},
      {"1x+5", boost::none},
      {" 1x5", boost::none},
      {"", boost::none},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Holding(c.text).get_int_pair("v", false), c.pair) << c.text;
  EXPECT_EQ(Holding("").get_int_pair("unset", true), boost::none);
  EXPECT_EQ(Holding("").get_int_pair("unset", false), std::make_pair(1, 2));
  EXPECT_EQ(Holding("").get_int_pair("missing", false), boost::none);
}

using HexPairs = CoreRecorder;

TEST_F(HexPairs, ReadsItemsInOrderAndSkipsOrLogsBadOnes) {
  const struct {
    const char* text;
    Pairs pairs;
    std::vector<std::string> logged;
  } cases[] = {
      {"1:2,a:ff", {{1, 2}, {10, 255}}, {}},
      {"a:b,,c:d", {{10, 11}, {12, 13}}, {}},  // empty item: no message
      {"a:b:c", {}, {}},                       // three parts: skipped
      {"zz:10,1:2",
       {{1, 2}},
       {"get_hex_int_pair_vector: discarding pair zz,10"}},
      {"A:B", {{10, 11}}, {}},
      {"", {}, {}},
      {"1:2,", {{1, 2}}, {}},  // trailing separator
      {",1:2", {{1, 2}}, {}},
      {"7fff:1,1:",
       {},
       {"get_hex_int_pair_vector: discarding pair 7fff,1",
        "get_hex_int_pair_vector: discarding pair 1,"}},
      {"%s:%n", {}, {"get_hex_int_pair_vector: discarding pair %s,%n"}},
  };
  for (const auto& c : cases) {
    core_double::reset();
    const auto pairs =
        Holding(c.text).get_hex_int_pair_vector("v", ":", ",", false);
    ASSERT_TRUE(pairs) << c.text;
    EXPECT_EQ(*pairs, c.pairs) << c.text;
    EXPECT_EQ(LoggedTexts(), c.logged) << c.text;
  }
}

TEST_F(HexPairs, EverySeparatorCharacterCounts) {
  const auto pairs =
      Holding("1:2 3-4;5:6").get_hex_int_pair_vector("v", ":-", ", ;", false);
  EXPECT_EQ(*pairs, (Pairs{{1, 2}, {3, 4}, {5, 6}}));
  // With no pair separator no item has two parts; with none at all the whole
  // text is one item.
  EXPECT_EQ(*Holding("1:2").get_hex_int_pair_vector("v", "", ",", false),
            Pairs{});
  EXPECT_EQ(*Holding("1:2").get_hex_int_pair_vector("v", ":", "", false),
            (Pairs{{1, 2}}));
  EXPECT_EQ(
      *Holding("1:2").get_hex_int_pair_vector("v", nullptr, nullptr, false),
      Pairs{});
  EXPECT_TRUE(core_double::calls().empty());
}

TEST_F(HexPairs, AlwaysEngaged) {
  const auto unset =
      Holding("").get_hex_int_pair_vector("unset", ":", ",", true);
  ASSERT_TRUE(unset);
  EXPECT_TRUE(unset->empty());
  // "Invalid" split at its own letters yields pieces, none of them hex pairs.
  const auto missing =
      Holding("").get_hex_int_pair_vector("missing", "l", ",", false);
  ASSERT_TRUE(missing);
  EXPECT_TRUE(missing->empty());
  EXPECT_EQ(LoggedTexts(), (std::vector<std::string>{
                               "get_hex_int_pair_vector: discarding pair "
                               "Inva,id"}));
}
