/// \file
/// The client's macOS switches and platform answers. On macOS they use
/// Foundation and AVFoundation; elsewhere they reach our stand-in for them
/// (macos_standin/), so that they build, run and are tested everywhere.
#ifndef PLATFORM_MAC_PLATFORM_MAC_H_
#define PLATFORM_MAC_PLATFORM_MAC_H_

#include "client_common/export.h"

/// \return true, always
CLIENT_COMMON_API bool valid_platform();
/// Does nothing on this platform.
/// \return 0, always
CLIENT_COMMON_API int quor_attach_console();
/// Does nothing on this platform.
CLIENT_COMMON_API void quor_deattach_console();
/// Does nothing on this platform.
/// \return 0, always
CLIENT_COMMON_API int check_connection_status();

/// Writes NO under "NSFullScreenMenuItemEverywhere" in the standard user
/// defaults: no full-screen menu item anywhere in the application.
CLIENT_COMMON_API void disable_nsfullscreen_menuitem_everywhere();
/// Writes YES under "NSAppSleepDisabled" in the standard user defaults: no
/// App Nap for the application.
CLIENT_COMMON_API void disable_app_nap();
/// On macOS 10.14 or later, asks the user for permission to record audio and
/// returns at once; the answer is ignored. Earlier systems are not asked.
CLIENT_COMMON_API void requestMicrophoneAccess();

#endif  // PLATFORM_MAC_PLATFORM_MAC_H_
