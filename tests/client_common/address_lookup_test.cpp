// Only "localhost" and numeric addresses: nothing depends on the machine's
// resolver or network.
#include <gtest/gtest.h>

#include "client_common/client_common.h"

TEST(AddressLookup, LastAddressOfEachFamilyOthersKeptAndFailures) {
  std::string ipv4, ipv6 = "kept", error = "stale";
  EXPECT_EQ(get_ip_addr("192.0.2.10", ipv4, ipv6, error), 0);
  EXPECT_EQ(ipv4, "192.0.2.10");
  EXPECT_EQ(ipv6, "kept");
  EXPECT_EQ(error, "");
  EXPECT_EQ(get_ip_addr("2001:db8::1", ipv4, ipv6, error), 0);
  EXPECT_EQ(ipv4, "192.0.2.10");
  EXPECT_EQ(ipv6, "2001:db8::1");
  EXPECT_EQ(get_ip_addr("localhost", ipv4, ipv6, error), 0);
  EXPECT_EQ(ipv4, "127.0.0.1");
  EXPECT_EQ(get_ip_addr("", ipv4, ipv6, error), -500);
  EXPECT_EQ(ipv4, "127.0.0.1");
  EXPECT_NE(error, "");
}
