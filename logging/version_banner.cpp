// The start-up banner that identifies the running build.
#include <string>

#include "logging/logging.h"
#include "version/version.h"

void log_client_version(const char* name) {
  const std::string client = name != nullptr ? name : "";
  log(LEVEL_CRITICAL,
      client + ":" + quor_version_get_build_number() + " is starting up", 0);
  log(LEVEL_INFO,
      std::string("Built by ") + quor_version_get_build_name() + " at " +
          quor_version_get_build_timestamp(),
      0);
}

bool createNewLogFile(const char* name, const char* first, const char* second,
                      boost::optional<int> level) {
  if (!init_logger(first, second, level)) return false;
  log_client_version(name);
  return true;
}
