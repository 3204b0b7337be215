#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logging/logging.h"
#include "tests/support/qarel_core_double.h"

using EventLogFacade = CoreRecorder;

TEST_F(EventLogFacade, LogMapsLevelsAndWritesTextVerbatim) {
  const struct {
    int level;
    int core_level;
  } cases[] = {
      {LEVEL_DEBUG, 3}, {LEVEL_INFO, 2}, {LEVEL_CRITICAL, 0}, {LEVEL_ERROR, 1},
      {4, 2},           {-1, 2},         {1000, 2},
  };
  for (const auto& c : cases) log(static_cast<Level>(c.level), "t", 7);
  const auto calls = core_double::calls();
  ASSERT_EQ(calls.size(), std::size(cases));
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].function, "mQUOR_EVENT_LOG_MESSAGE");
    EXPECT_EQ(calls[i].category, 110);
    EXPECT_EQ(calls[i].level, cases[i].core_level) << cases[i].level;
    EXPECT_EQ(calls[i].code, 7);
  }

  core_double::reset();
  log(LEVEL_ERROR, "100% of %s and %d and %n", -501);
  ASSERT_EQ(core_double::calls().size(), 1u);
  EXPECT_EQ(core_double::calls()[0].text, "100% of %s and %d and %n");
  EXPECT_EQ(core_double::calls()[0].code, -501);
}

TEST_F(EventLogFacade, InitLoggerPassesThroughAndDefaultsToInfo) {
  EXPECT_TRUE(init_logger("dir", "name", boost::none));
  EXPECT_TRUE(init_logger("a", "b", 3));
  core_double::set_result("qarel_client_log_init", 5);
  EXPECT_FALSE(init_logger("a", "b", 0));

  const auto calls = core_double::calls_of("qarel_client_log_init");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].first, "dir");
  EXPECT_EQ(calls[0].second, "name");
  EXPECT_EQ(calls[0].level, 2);
  EXPECT_EQ(calls[1].level, 3);
  EXPECT_EQ(calls[2].level, 0);
  EXPECT_EQ(core_double::calls().size(), 3u) << "nothing else is written";
}

TEST_F(EventLogFacade, SetLevelAndSetLogLevel) {
  EXPECT_TRUE(set_log_level(boost::none));
  EXPECT_TRUE(core_double::calls().empty()) << "an empty level makes no call";

  EXPECT_TRUE(set_log_level(1));
  EXPECT_TRUE(set_level(3));
  core_double::set_result("qarel_client_log_level_set", -1);
  EXPECT_FALSE(set_log_level(9));
  EXPECT_FALSE(set_level(9));

  const auto calls = core_double::calls_of("qarel_client_log_level_set");
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].level, 1);
  EXPECT_EQ(calls[1].level, 3);
  EXPECT_EQ(calls[2].level, 9);
}

TEST_F(EventLogFacade, LogCloseMakesThreeCallsInOrder) {
  log_close("client");
  const auto& calls = core_double::calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].function, "quor_event_reset_session_log_id");
  EXPECT_EQ(calls[1].function, "mQUOR_EVENT_LOG_MESSAGE");
  EXPECT_EQ(calls[1].text, "client: Resource cleanup complete.");
  EXPECT_EQ(calls[1].category, 110);
  EXPECT_EQ(calls[1].level, 2);
  EXPECT_EQ(calls[1].code, 0);
  EXPECT_EQ(calls[2].function, "quor_event_close");

  core_double::reset();
  log_close("%s");
  EXPECT_EQ(core_double::calls()[1].text, "%s: Resource cleanup complete.");
}
