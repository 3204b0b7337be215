// The user-defaults switches and the microphone request, on macOS.
#import <AVFoundation/AVFoundation.h>
#import <Foundation/Foundation.h>

#include "platform_mac/platform_mac.h"

void disable_nsfullscreen_menuitem_everywhere() {
  [[NSUserDefaults standardUserDefaults] setBool:NO forKey:@"NSFullScreenMenuItemEverywhere"];
}

void disable_app_nap() {
  [[NSUserDefaults standardUserDefaults] setBool:YES forKey:@"NSAppSleepDisabled"];
}

void requestMicrophoneAccess() {
  if (@available(macOS 10.14, *)) {
    // Returns at once; the answer reaches only the block, which ignores it.
    [AVCaptureDevice requestAccessForMediaType:AVMediaTypeAudio
                             completionHandler:^(BOOL granted) {
                               (void)granted;
                             }];
  }
}
