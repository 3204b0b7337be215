// The pattern-matching entry: only its argument checks exist on this platform.
#include <cstdio>

#include "safe_str/safe_str.h"

namespace {
constexpr unsigned kMaxStorage = 10;
}

extern "C" int qarel_safe_api_sscanf_regex(const char* string_for_checking,
                                           size_t string_max,
                                           const char* /*pattern*/,
                                           char** /*storage*/,
                                           unsigned n_storage_provided) {
  if (n_storage_provided > kMaxStorage) {
    // Printed directly, not through the handler, and without a line end.
    std::printf("%s: n_storage_provided(%d) is bigger than maximum(%d)",
                "qarel_safe_api_sscanf_regex",
                static_cast<int>(n_storage_provided),
                static_cast<int>(kMaxStorage));
    return -1;
  }
  if (qarel_strnlen_s(string_for_checking, string_max) == 0) {
    invoke_safe_str_constraint_handler(
        "qarel_safe_api_sscanf_regex: string_for_checking has zero length",
        nullptr, QAREL_ESEMPTY);
    return -1;
  }
  invoke_safe_str_constraint_handler(
      "qarel_safe_api_sscanf_regex: Please customize implementation of RegEx "
      "API for your platform",
      nullptr, QAREL_ESNOTAV);
  return -1;
}
