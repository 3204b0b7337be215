#include "macos_standin/macos_standin.h"

#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace macos_standin {
namespace {
constexpr OsVersion kDefaultVersion = {14, 0, 0};

struct State {
  std::mutex mutex;
  std::map<std::string, bool> defaults;
  OsVersion version = kDefaultVersion;
  int requests = 0;
  std::vector<AccessCompletion> pending;
};

State& state() {
  static State s;
  return s;
}
}  // namespace

void user_defaults_set_bool(const std::string& key, bool value) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().defaults[key] = value;
}

boost::optional<bool> user_defaults_bool(const std::string& key) {
  std::lock_guard<std::mutex> lock(state().mutex);
  const auto found = state().defaults.find(key);
  if (found == state().defaults.end()) return boost::none;
  return found->second;
}

void user_defaults_clear() {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().defaults.clear();
}

void set_os_version(OsVersion version) {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().version = version;
}

bool os_version_at_least(OsVersion version) {
  std::lock_guard<std::mutex> lock(state().mutex);
  const OsVersion& v = state().version;
  return std::tie(v.major, v.minor, v.patch) >=
         std::tie(version.major, version.minor, version.patch);
}

void request_audio_access(AccessCompletion completion) {
  std::lock_guard<std::mutex> lock(state().mutex);
  ++state().requests;
  state().pending.push_back(completion);
}

int audio_access_requests() {
  std::lock_guard<std::mutex> lock(state().mutex);
  return state().requests;
}

void answer_audio_requests(bool granted) {
  std::vector<AccessCompletion> pending;
  {
    std::lock_guard<std::mutex> lock(state().mutex);
    pending.swap(state().pending);
  }
  for (const AccessCompletion completion : pending) completion(granted);
}

void reset() {
  std::lock_guard<std::mutex> lock(state().mutex);
  state().defaults.clear();
  state().version = kDefaultVersion;
  state().requests = 0;
  state().pending.clear();
}

}  // namespace macos_standin
