#include <gtest/gtest.h>

#include <string>

#include "logging/logging.h"
#include "tests/support/qarel_core_double.h"
#include "version/version.h"

using VersionBanner = CoreRecorder;

TEST_F(VersionBanner, WritesTwoLinesAfterASuccessfulOpen) {
  EXPECT_TRUE(createNewLogFile("client", "dir", "file", 3));
  const auto& calls = core_double::calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].function, "qarel_client_log_init");
  EXPECT_EQ(calls[0].level, 3);

  EXPECT_EQ(calls[1].level, 0);
  EXPECT_EQ(calls[1].code, 0);
  EXPECT_EQ(calls[1].text, std::string("client:") +
                               quor_version_get_build_number() +
                               " is starting up");
  EXPECT_EQ(calls[2].level, 2);
  EXPECT_EQ(calls[2].code, 0);
  EXPECT_EQ(calls[2].text, std::string("Built by ") +
                               quor_version_get_build_name() + " at " +
                               quor_version_get_build_timestamp());
}

TEST_F(VersionBanner, WritesNothingAfterAFailedOpen) {
  core_double::set_result("qarel_client_log_init", 1);
  EXPECT_FALSE(createNewLogFile("client", "dir", "file", boost::none));
  ASSERT_EQ(core_double::calls().size(), 1u);
  EXPECT_EQ(core_double::calls()[0].level, 2);
}

TEST_F(VersionBanner, EmptyNameStartsWithAColon) {
  log_client_version("");
  ASSERT_EQ(core_double::calls().size(), 2u);
  EXPECT_EQ(core_double::calls()[0].text.rfind(':', 0), 0u);
}
