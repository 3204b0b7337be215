#include <gtest/gtest.h>

#include <string>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"
#include "version/version.h"

using VersionBanner = CoreRecorder;

TEST_F(VersionBanner, TwoLinesAfterASuccessfulOpenAndNoneAfterAFailedOne) {
  EXPECT_TRUE(createNewLogFile("%s", "dir", "file", 3));
  core_log().result = 1;
  EXPECT_FALSE(createNewLogFile("client", "dir", "file", boost::none));
  EXPECT_EQ(core_log().calls,
            (Calls{"init dir file 3",
                   std::string("log 110 0 0 %s:") +
                       quor_version_get_build_number() + " is starting up",
                   std::string("log 110 2 0 Built by ") +
                       quor_version_get_build_name() + " at " +
                       quor_version_get_build_timestamp(),
                   "init dir file 2"}));
}
