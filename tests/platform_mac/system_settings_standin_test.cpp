// The macOS functions against our stand-in for Foundation and AVFoundation.
#include <gtest/gtest.h>

#include "macos_standin/macos_standin.h"
#include "platform_mac/platform_mac.h"

TEST(SystemSettingsStandin, UserDefaultsWrittenNotToggled) {
  // From the opposite values: the switches write, they do not toggle.
  macos_standin::user_defaults_set_bool("NSFullScreenMenuItemEverywhere", true);
  for (int call = 0; call < 2; ++call) {
    disable_nsfullscreen_menuitem_everywhere();
    disable_app_nap();
    EXPECT_FALSE(
        *macos_standin::user_defaults_bool("NSFullScreenMenuItemEverywhere"));
    EXPECT_TRUE(*macos_standin::user_defaults_bool("NSAppSleepDisabled"));
  }
}

TEST(SystemSettingsStandin, MicrophoneRequestFrom1014OnAndItsAnswerIsIgnored) {
  const struct {
    macos_standin::OsVersion version;
    int requests;
  } cases[] = {
      {{10, 13, 99}, 0}, {{10, 14, 0}, 2}, {{9, 99, 0}, 0}, {{11, 0, 0}, 2}};
  // Until a test sets another, the stand-in is macOS 14.0.0.
  macos_standin::reset();
  EXPECT_TRUE(macos_standin::os_version_at_least({14, 0, 0}));
  EXPECT_FALSE(macos_standin::os_version_at_least({14, 0, 1}));
  for (const auto& c : cases) {
    macos_standin::reset();
    macos_standin::set_os_version(c.version);
    requestMicrophoneAccess();
    macos_standin::answer_audio_requests(false);  // a denial changes nothing
    requestMicrophoneAccess();
    EXPECT_EQ(macos_standin::audio_access_requests(), c.requests)
        << c.version.minor;
  }
}
