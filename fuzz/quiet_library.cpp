// Linked into every fuzz target: sends standard output, where the library
// prints its deprecation warnings and reports, to /dev/null, and silences
// the constraint handler, so the targets spend their time parsing, not
// writing. The event log is silent_core.cpp.
#include <cstdio>

#include "safe_str/safe_str.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
  set_str_constraint_handler_s(ignore_handler_s);
  return 0;
}
