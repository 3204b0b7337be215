// Runs the benchmark's whole launch N times (the first argument), so that
// scripts/instructions.sh can count its instructions under callgrind.
#include <cstdlib>

#include "bench/launch_workload.h"
#include "client_common/client_common.h"
#include "tools/qarel_launch/standard_options.h"

int main(int argc, char** argv) {
  const long launches = argc > 1 ? std::atol(argv[1]) : 1;
  const std::vector<std::string> args = WholeLaunch();
  int malformed = 0;
  for (long i = 0; i < launches; ++i) {
    option_list opts = standard_options();
    malformed += arg_to_params(args, opts);
  }
  return malformed == 0 ? 0 : 1;
}
