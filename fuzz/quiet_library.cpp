// Linked into every fuzz target: keeps only critical event-log lines and
// silences the constraint handler, so the targets spend their time parsing,
// not writing.
#include "logging/logging.h"
#include "safe_str/safe_str.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  set_level(0);
  set_str_constraint_handler_s(ignore_handler_s);
  return 0;
}
