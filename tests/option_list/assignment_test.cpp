#include <gtest/gtest.h>

#include <string>

#include "option_list/option_list.h"
#include "tests/support/qarel_core_double.h"

namespace {
class Assignment : public CoreRecorder {
 protected:
  void SetUp() override {
    CoreRecorder::SetUp();
    t.add("f", "full-screen", true, "", "switch", true, false, true);
    t.add("n", "name", false, "none", "valued", true, false, true);
    t.add("c", "cl-only", false, "", "not from a URI", true, false, false);
    t.add("o", "old", false, "", "deprecated", true, true, false);
    t.add("", "no-short", false, "", "", true, true, false);
  }
  const option_list::option& Record(const std::string& long_key) {
    for (const auto& o : t.options)
      if (o.long_key == long_key) return o;
    throw std::logic_error("no record " + long_key);
  }
  option_list t;
};
}  // namespace

TEST_F(Assignment, SetStoresTheValueIgnoringKeyCase) {
  EXPECT_TRUE(t.set("NAME", "Value X", false, true));
  EXPECT_EQ(Record("name").value, "Value X");
  EXPECT_TRUE(Record("name").is_set);
  EXPECT_TRUE(t.set("n", "", false, true));  // short key, empty value
  EXPECT_EQ(Record("name").value, "");
  EXPECT_TRUE(Record("name").is_set);
  EXPECT_EQ(Record("name").default_value, "none");
  EXPECT_TRUE(t.set("f", "False", false, true));  // a switch keeps any text
  EXPECT_FALSE(t.get_bool("full-screen"));
  EXPECT_TRUE(t.rejected_params.empty());
}

TEST_F(Assignment, RefusalsAppendRecordsWithTheCallersKey) {
  const struct {
    const char* key;
    const char* value;
    bool from_uri;
  } refused[] = {
      {"Unknown", "1", false},               // no such option
      {"name", "Ignore_this_value", false},  // key given without a value
      {"9x", "1", true},                     // malformed key
      {"CL-Only", "1", true},                // not allowed from a URI
      {"", "1", false},                      // empty key
      {" name", "1", false},                 // not trimmed
  };
  for (const auto& r : refused)
    EXPECT_FALSE(t.set(r.key, r.value, r.from_uri, true)) << r.key;
  EXPECT_EQ(t.rejected_params,
            "CL_param:'Unknown' CL_param:'name' URI_opt:'9x' "
            "URI_opt:'CL-Only' CL_param:'' CL_param:' name' ");
  EXPECT_EQ(Record("name").value, "none");
  EXPECT_FALSE(Record("name").is_set);
  EXPECT_FALSE(Record("cl-only").is_set);
  // The marker is compared exactly; other spellings are ordinary values.
  EXPECT_TRUE(t.set("name", "ignore_this_value", false, true));
  EXPECT_EQ(t.get("name"), "ignore_this_value");
  EXPECT_TRUE(t.set("cl-only", "1", false, true));
}

TEST_F(Assignment, UriWalkPassesOverRecordsNotSettableFromAUri) {
  option_list d;
  d.add("k", "key", false, "", "", true, false, false);
  d.add("k", "key", false, "", "", true, false, true);
  EXPECT_TRUE(d.set("key", "from-uri", true, true));
  EXPECT_EQ(d.options.front().value, "");
  EXPECT_EQ(d.options.back().value, "from-uri");
  EXPECT_TRUE(d.set("K", "from-cl", false, true));
  EXPECT_EQ(d.options.front().value, "from-cl");
}

TEST_F(Assignment, SetTrueOnlyForSwitches) {
  EXPECT_TRUE(t.set_true("FULL-SCREEN", true, true));
  EXPECT_EQ(Record("full-screen").value, "True");
  EXPECT_TRUE(t.get_bool("full-screen"));
  EXPECT_FALSE(t.set_true("name", false, true));
  EXPECT_FALSE(t.set_true("missing", true, true));
  EXPECT_EQ(t.rejected_params, "CL_param:'name' URI_opt:'missing' ");
  EXPECT_EQ(Record("name").value, "none");
}

TEST_F(Assignment, SetTrueDecidesByTheFirstMatchAndAppliesNoKeyFormat) {
  option_list d;
  d.add("s", "sw", true, "", "", true, false, false);
  d.add("s", "sw", false, "", "", true, false, true);
  // The first match is a switch, but only the second is URI-settable.
  EXPECT_TRUE(d.set_true("sw", true, true));
  EXPECT_EQ(d.options.back().value, "True");
  EXPECT_FALSE(d.is_boolean("nothing"));

  option_list e;
  e.add("", "x", true, "", "", true, false, false);
  EXPECT_TRUE(e.is_boolean(""));  // an empty key meets the empty short key
  EXPECT_TRUE(e.set_true("", false, false));
  EXPECT_EQ(e.options.front().value, "True");
}

TEST_F(Assignment, IsBooleanStopsAtTheFirstMatch) {
  option_list d;
  d.add("a", "valued", false, "", "", true, false, true);
  d.add("a", "switch", true, "", "", true, false, true);
  EXPECT_FALSE(d.is_boolean("A"));
  EXPECT_TRUE(d.is_boolean("switch"));
  EXPECT_FALSE(option_list().is_boolean("a"));
}

TEST_F(Assignment, DeprecatedOptionsWarnOnEveryAssignmentWhenAsked) {
  testing::internal::CaptureStdout();
  EXPECT_TRUE(t.set("o", "1", false, false));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(core_double::calls().empty());

  testing::internal::CaptureStdout();
  EXPECT_TRUE(t.set("O", "1", false, true));
  EXPECT_TRUE(t.set("no-short", "%s%n", false, true));
  EXPECT_TRUE(t.set("old", "2", false, true));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Deprecated Parameter 'old' (o) used.\n"
            "Deprecated Parameter 'no-short' () used.\n"
            "Deprecated Parameter 'old' (o) used.\n");
  const auto& calls = core_double::calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "Deprecated Parameter 'old' (o) used");
  EXPECT_EQ(calls[0].level, 0);
  EXPECT_EQ(calls[0].code, -501);
  EXPECT_EQ(calls[1].text, "Deprecated Parameter 'no-short' () used");
  EXPECT_EQ(Record("old").value, "2") << "assigned before the warning";
}

TEST_F(Assignment, RefusalsAndOrdinaryAssignmentsAreSilent) {
  testing::internal::CaptureStdout();
  t.set("name", "x", false, true);
  t.set("missing", "x", false, true);
  t.set_true("name", true, true);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_TRUE(core_double::calls().empty());
}
