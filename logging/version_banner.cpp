// The start-up banner that identifies the running build.
#include <sstream>

#include "logging/logging.h"
#include "version/version.h"

void log_client_version(const char* name) {
  std::ostringstream line;
  line << (name != nullptr ? name : "") << ":"
       << quor_version_get_external_product_version() << "_"
       << quor_version_get_internal() << " is starting up";
  log(LEVEL_CRITICAL, line.str(), 0);

  line.str("");
  line << "Built by " << quor_version_get_build_name() << " at "
       << quor_version_get_build_timestamp();
  log(LEVEL_INFO, line.str(), 0);
}

bool createNewLogFile(const char* name, const char* first, const char* second,
                      boost::optional<int> level) {
  if (!init_logger(first, second, level)) return false;
  log_client_version(name);
  return true;
}
