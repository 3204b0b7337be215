#include <gtest/gtest.h>

#include <string>

#include "client_common/client_common.h"

TEST(AddressLookup, LocalhostResolvesFromTheHostsFile) {
  std::string ipv4, ipv6, error = "stale";
  EXPECT_EQ(get_ip_addr("localhost", ipv4, ipv6, error), 0);
  EXPECT_EQ(error, "");
  EXPECT_EQ(ipv4, "127.0.0.1");
}

TEST(AddressLookup, NumericAddressesNeedNoLookup) {
  std::string ipv4, ipv6 = "kept", error;
  EXPECT_EQ(get_ip_addr("192.0.2.10", ipv4, ipv6, error), 0);
  EXPECT_EQ(ipv4, "192.0.2.10");
  EXPECT_EQ(ipv6, "kept") << "no IPv6 entry: left as it was";
  EXPECT_EQ(get_ip_addr("2001:db8::1", ipv4, ipv6, error), 0);
  EXPECT_EQ(ipv6, "2001:db8::1");
  EXPECT_EQ(ipv4, "192.0.2.10");
}

TEST(AddressLookup, FailureLeavesAddressesAndGivesTheMessage) {
  std::string ipv4 = "v4", ipv6 = "v6", error;
  EXPECT_EQ(get_ip_addr("no-such-host.invalid", ipv4, ipv6, error), -500);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ipv4, "v4");
  EXPECT_EQ(ipv6, "v6");
  EXPECT_EQ(get_ip_addr("", ipv4, ipv6, error), -500);
  EXPECT_FALSE(error.empty());
}
