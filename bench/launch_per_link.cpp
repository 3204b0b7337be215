// The library's own launch, once per line of a file of launch links: a
// fresh standard table, then arg_to_params of the link. What check costs
// per link is compared with this (bench/check_bench.py).
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "client_common/client_common.h"
#include "tools/qarel_launch/standard_options.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: launch_per_link FILE\n";
    return 2;
  }
  std::ifstream file(argv[1]);
  std::vector<std::string> args(1);
  long lines = 0, malformed = 0, refused = 0;
  while (std::getline(file, args[0])) {
    option_list opts = standard_options();
    malformed += arg_to_params(args, opts);
    refused += !opts.rejected_params.empty();
    ++lines;
  }
  std::cout << lines << " links, " << refused << " refused, " << malformed
            << " malformed\n";
  return 0;
}
