#include "platform_mac/platform_mac.h"

#include <gtest/gtest.h>

#include "macos_standin/macos_standin.h"
#include "tests/support/optional_printer.h"

namespace {
class PlatformMac : public ::testing::Test {
 protected:
  void SetUp() override { macos_standin::reset(); }
};
}  // namespace

TEST_F(PlatformMac, FixedAnswers) {
  EXPECT_TRUE(valid_platform());
  EXPECT_EQ(quor_attach_console(), 0);
  EXPECT_EQ(check_connection_status(), 0);
  quor_deattach_console();
  EXPECT_FALSE(macos_standin::user_defaults_bool("NSAppSleepDisabled"));
  EXPECT_EQ(macos_standin::audio_access_requests(), 0);
}

TEST_F(PlatformMac, SwitchesWriteTheirUserDefaults) {
  // Start from the opposite values: the switches write, they do not toggle.
  macos_standin::user_defaults_set_bool("NSFullScreenMenuItemEverywhere", true);
  macos_standin::user_defaults_set_bool("NSAppSleepDisabled", false);
  for (int call = 0; call < 2; ++call) {
    disable_nsfullscreen_menuitem_everywhere();
    disable_app_nap();
    EXPECT_EQ(
        macos_standin::user_defaults_bool("NSFullScreenMenuItemEverywhere"),
        false);
    EXPECT_EQ(macos_standin::user_defaults_bool("NSAppSleepDisabled"), true);
  }
}

TEST_F(PlatformMac, MicrophoneRequestOnlyFrom1014) {
  const struct {
    macos_standin::OsVersion version;
    int requests_per_call;
  } cases[] = {
      {{10, 13, 6}, 0}, {{10, 14, 0}, 1}, {{10, 15, 7}, 1},
      {{14, 0, 0}, 1},  {{9, 99, 0}, 0},
  };
  for (const auto& c : cases) {
    macos_standin::reset();
    macos_standin::set_os_version(c.version);
    requestMicrophoneAccess();
    requestMicrophoneAccess();
    EXPECT_EQ(macos_standin::audio_access_requests(), 2 * c.requests_per_call)
        << c.version.major << "." << c.version.minor;
  }
}

TEST_F(PlatformMac, ADeniedPermissionIsNotRemembered) {
  requestMicrophoneAccess();
  EXPECT_EQ(macos_standin::audio_access_requests(), 1);
  macos_standin::answer_audio_requests(false);  // denied: nothing to observe
  requestMicrophoneAccess();
  macos_standin::answer_audio_requests(true);
  EXPECT_EQ(macos_standin::audio_access_requests(), 2);
}
