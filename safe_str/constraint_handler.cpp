// The process-wide constraint handler of the bounded string functions.
#include <cstdio>

#include "safe_str/safe_str.h"

namespace {
// Never null: installing null installs ignore_handler_s.
str_constraint_handler_t str_handler = qarel_safe_api_error_handler;
}  // namespace

extern "C" {

str_constraint_handler_t set_str_constraint_handler_s(
    str_constraint_handler_t handler) {
  const str_constraint_handler_t previous = str_handler;
  str_handler = handler != nullptr ? handler : ignore_handler_s;
  return previous;
}

void invoke_safe_str_constraint_handler(const char* msg, void* ptr, int error) {
  str_handler(msg, ptr, error);
}

void qarel_safe_api_error_handler(const char* msg, void* /*ptr*/, int error) {
  std::printf("%s: [%d] %s\n", "qarel_safe_api_error_handler", error,
              msg != nullptr ? msg : "");
}

void ignore_handler_s(const char* /*msg*/, void* /*ptr*/, int /*error*/) {}

}  // extern "C"
