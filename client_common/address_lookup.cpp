// Host names to textual IPv4 and IPv6 addresses.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "client_common/client_common.h"

int get_ip_addr(const std::string& host, std::string& ipv4, std::string& ipv6,
                std::string& error) {
  error.clear();
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  const int rc = getaddrinfo(host.c_str(), nullptr, &hints, &list);
  if (rc != 0) {
    error = gai_strerror(rc);
    return -500;
  }
  // The last address of each family wins; other families are skipped.
  char text[INET6_ADDRSTRLEN];
  for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
    if (entry->ai_family == AF_INET) {
      const auto* addr = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
      if (inet_ntop(AF_INET, &addr->sin_addr, text, sizeof text)) ipv4 = text;
    } else if (entry->ai_family == AF_INET6) {
      const auto* addr = reinterpret_cast<const sockaddr_in6*>(entry->ai_addr);
      if (inet_ntop(AF_INET6, &addr->sin6_addr, text, sizeof text)) ipv6 = text;
    }
  }
  freeaddrinfo(list);
  return 0;
}
