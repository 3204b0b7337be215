#include <gtest/gtest.h>

#include <string>

#include "logging/logging.h"
#include "tests/support/core_recorder.h"
#include "version/version.h"

using VersionBanner = CoreRecorder;

namespace {
// The banner's two core calls for a client named `name`.
Calls Banner(const std::string& name) {
  return {"log 110 0 0 " + name + ":" + quor_version_get_build_number() +
              " is starting up",
          std::string("log 110 2 0 Built by ") + quor_version_get_build_name() +
              " at " + quor_version_get_build_timestamp()};
}
}  // namespace

TEST_F(VersionBanner, AfterASuccessfulOpenNotAfterAFailedOneAndNullIsNoName) {
  EXPECT_TRUE(createNewLogFile("%s", "dir", "file", 3));
  core_log().result = 1;
  EXPECT_FALSE(createNewLogFile("client", "dir", "file", boost::none));
  log_client_version(nullptr);
  Calls expected = {"init dir file 3"};
  for (const Calls& more : {Banner("%s"), Calls{"init dir file 2"}, Banner("")})
    expected.insert(expected.end(), more.begin(), more.end());
  EXPECT_EQ(core_log().calls, expected);
}
