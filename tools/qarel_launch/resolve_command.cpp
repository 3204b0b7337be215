// qarel-launch resolve HOST: the host's IPv4 and IPv6 addresses, as the
// library's get_ip_addr finds them. The one command that asks the network.
#include <client_common/client_common.h>

#include <cstdio>

#include "commands.h"
#include "output.h"

namespace {
int run(const Args& args) {
  if (args.size() != 1) return refuse(kResolveCommand, "takes one HOST");
  if (args[0].empty()) return refuse(kResolveCommand, "HOST is empty");
  std::string ipv4, ipv6, error;
  if (get_ip_addr(args[0], ipv4, ipv6, error) != 0) {
    say(stderr, "%s: resolve: %s: %s\n", kName, shown(args[0]).c_str(),
        error.c_str());
    return kExitRejected;
  }
  say(stdout, "IPv4 %s\nIPv6 %s\n", ipv4.empty() ? "-" : ipv4.c_str(),
      ipv6.empty() ? "-" : ipv6.c_str());
  return kExitOk;
}
}  // namespace

const Command kResolveCommand = {
    "resolve", "HOST",
    "Print the IPv4 and IPv6 addresses of HOST, asking the resolver.", "", run};
