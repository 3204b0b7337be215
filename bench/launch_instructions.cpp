// Runs the benchmark's whole launch N times (the first argument), so that
// scripts/instructions.sh can count its instructions under callgrind: parsed
// plainly, or, with a second argument, through the observed entry with a
// null callback ("null") or with one that counts the events ("observed").
#include <cstdlib>
#include <string>

#include "bench/launch_workload.h"
#include "client_common/client_common.h"
#include "tools/qarel_launch/standard_options.h"

namespace {
int CountEvent(const client_common::ArgumentEvent&, void* events) {
  ++*static_cast<long*>(events);
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  const long launches = argc > 1 ? std::atol(argv[1]) : 1;
  const std::string told = argc > 2 ? argv[2] : "";
  const client_common::ArgumentCallback callback =
      told == "observed" ? CountEvent : nullptr;
  const std::vector<std::string> args = WholeLaunch();
  int malformed = 0;
  long events = 0;
  for (long i = 0; i < launches; ++i) {
    option_list opts = standard_options();
    malformed += told.empty()
                     ? arg_to_params(args, opts)
                     : arg_to_params_observed(args, opts, callback, &events);
  }
  return malformed == 0 ? 0 : 1;
}
