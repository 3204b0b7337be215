// platform_mac/system_settings.mm itself, compiled by clang against GNUstep's
// Foundation and our AVFoundation stand-in (the gnustep build). GNUstep's user
// defaults live in a folder of the test's own, which its launcher,
// with_throwaway_defaults.sh, makes and names before the process starts.
// Foundation's objects go to an autorelease pool, which a macOS client's run
// loop provides; each test provides its own.
#import <AVFoundation/AVFoundation.h>
#import <Foundation/Foundation.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "avfoundation_standin.h"
#include "platform_mac/platform_mac.h"

TEST(SystemSettings, UserDefaultsWrittenInTheThrowawayFolder) {
  @autoreleasepool {
    NSUserDefaults* defaults = [NSUserDefaults standardUserDefaults];
    // From the opposite values: the switches write, they do not toggle.
    [defaults setBool:YES forKey:@"NSFullScreenMenuItemEverywhere"];
    [defaults setBool:NO forKey:@"NSAppSleepDisabled"];
    disable_nsfullscreen_menuitem_everywhere();
    disable_app_nap();
    EXPECT_FALSE([defaults boolForKey:@"NSFullScreenMenuItemEverywhere"]);
    EXPECT_TRUE([defaults boolForKey:@"NSAppSleepDisabled"]);

    [defaults synchronize];
    const char* folder = std::getenv("CLIENT_COMMON_DEFAULTS_DIR");
    ASSERT_NE(folder, nullptr);
    EXPECT_FALSE(std::filesystem::is_empty(folder));
  }
}

TEST(SystemSettings, MicrophoneRequestAsksOnceForAudioAndDoesNotWait) {
  @autoreleasepool {
    avfoundation_standin::reset();
    requestMicrophoneAccess();
    const std::vector<avfoundation_standin::Request> requests = avfoundation_standin::requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].media_type, [AVMediaTypeAudio UTF8String]);
    EXPECT_TRUE(requests[0].with_handler);
    // It returned with the answer still to come.
    EXPECT_EQ(avfoundation_standin::unanswered(), 1);
    avfoundation_standin::answer(false);  // a denial changes nothing
    EXPECT_EQ(avfoundation_standin::requests().size(), 1u);
  }
}
