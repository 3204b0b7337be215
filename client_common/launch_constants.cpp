#include "client_common/launch_constants.h"

const std::string IGNORE_VALUE = "Ignore_this_value";
const std::string separator = "&";
const std::string delimiters = kDelimiters;
