// A stand-in for the part of AVFoundation the macOS functions use, for
// the gnustep build, where AVFoundation does not exist: AVCaptureDevice's
// permission request, which here records the request and asks no one.
#import <Foundation/Foundation.h>

typedef NSString* AVMediaType;
extern AVMediaType const AVMediaTypeAudio;

@interface AVCaptureDevice : NSObject
+ (void)requestAccessForMediaType:(AVMediaType)mediaType
                completionHandler:(void (^)(BOOL granted))handler;
@end
