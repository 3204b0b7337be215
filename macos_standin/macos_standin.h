// Our stand-in for the few macOS services the client uses, for every other
// platform: the standard user defaults, the operating-system version and the
// audio-capture permission request. Tests read and steer it.
#ifndef MACOS_STANDIN_MACOS_STANDIN_H_
#define MACOS_STANDIN_MACOS_STANDIN_H_

#include <boost/optional.hpp>
#include <string>

namespace macos_standin {

struct OsVersion {
  int major;
  int minor;
  int patch;
};

// The process-wide standard user defaults, booleans only.
void user_defaults_set_bool(const std::string& key, bool value);
// The value stored under `key`, or none.
boost::optional<bool> user_defaults_bool(const std::string& key);
void user_defaults_clear();

// The system version reported; 14.0.0 until a test sets another.
void set_os_version(OsVersion version);
bool os_version_at_least(OsVersion version);

// Records a request for audio-capture permission and returns at once; the
// completion, never null, runs when answer_audio_requests delivers an
// answer. A plain function, as the library passes no state: a std::function
// would leave its type information visible in the library's exports.
using AccessCompletion = void (*)(bool granted);
void request_audio_access(AccessCompletion completion);
// Requests made so far.
int audio_access_requests();
// Runs the completion of every request not yet answered with `granted`.
void answer_audio_requests(bool granted);
// Forgets every request and restores version 14.0.0.
void reset();

}  // namespace macos_standin

#endif  // MACOS_STANDIN_MACOS_STANDIN_H_
