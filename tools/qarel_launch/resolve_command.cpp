// qarel-launch resolve HOST: the host's IPv4 and IPv6 addresses.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"

int resolve_command(const Args& args) {
  if (args.size() != 1) {
    print_usage(stderr);
    return kExitMalformed;
  }
  std::string ipv4, ipv6, error;
  if (get_ip_addr(args[0], ipv4, ipv6, error) != 0) {
    std::fprintf(stderr, "%s: %s\n", args[0].c_str(), error.c_str());
    return kExitRejected;
  }
  std::printf("IPv4 %s\nIPv6 %s\n", ipv4.empty() ? "-" : ipv4.c_str(),
              ipv6.empty() ? "-" : ipv6.c_str());
  return kExitOk;
}
