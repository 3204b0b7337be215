// The user-defaults switches and the microphone request, off macOS: the same
// calls made to our stand-in for Foundation and AVFoundation.
#include "macos_standin/macos_standin.h"
#include "platform_mac/platform_mac.h"

void disable_nsfullscreen_menuitem_everywhere() {
  macos_standin::user_defaults_set_bool("NSFullScreenMenuItemEverywhere",
                                        false);
}

void disable_app_nap() {
  macos_standin::user_defaults_set_bool("NSAppSleepDisabled", true);
}

void requestMicrophoneAccess() {
  if (!macos_standin::os_version_at_least({10, 14, 0})) return;
  macos_standin::request_audio_access([](bool granted) { (void)granted; });
}
