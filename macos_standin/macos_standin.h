// Our stand-in for the few macOS services the client uses, for every other
// platform: the standard user defaults, the operating-system version and the
// audio-capture permission request. Tests read and steer it.
#ifndef MACOS_STANDIN_MACOS_STANDIN_H_
#define MACOS_STANDIN_MACOS_STANDIN_H_

#include <boost/optional.hpp>
#include <functional>
#include <string>

#if defined(__GNUC__) || defined(__clang__)
#define MACOS_STANDIN_API __attribute__((visibility("default")))
#else
#define MACOS_STANDIN_API
#endif

namespace macos_standin {

struct OsVersion {
  int major;
  int minor;
  int patch;
};

// The process-wide standard user defaults, booleans only.
MACOS_STANDIN_API void user_defaults_set_bool(const std::string& key,
                                              bool value);
// The value stored under `key`, or none.
MACOS_STANDIN_API boost::optional<bool> user_defaults_bool(
    const std::string& key);
MACOS_STANDIN_API void user_defaults_clear();

// The system version reported; 14.0.0 until a test sets another.
MACOS_STANDIN_API void set_os_version(OsVersion version);
MACOS_STANDIN_API bool os_version_at_least(OsVersion version);

// Records a request for audio-capture permission and returns at once; the
// completion runs when answer_audio_requests delivers an answer.
MACOS_STANDIN_API void request_audio_access(
    std::function<void(bool granted)> completion);
// Requests made so far.
MACOS_STANDIN_API int audio_access_requests();
// Runs the completion of every request not yet answered with `granted`.
MACOS_STANDIN_API void answer_audio_requests(bool granted);
// Forgets every request and restores version 14.0.0.
MACOS_STANDIN_API void reset();

}  // namespace macos_standin

#endif  // MACOS_STANDIN_MACOS_STANDIN_H_
