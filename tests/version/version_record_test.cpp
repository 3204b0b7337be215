#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "version/version.h"

namespace {
std::string S(const char* s) { return s; }
}  // namespace

TEST(VersionRecord, RelationsHoldByConstruction) {
  const std::string external = quor_version_get_external_product_version();
  EXPECT_EQ(external, S(quor_version_get_version_major()) + "." +
                          quor_version_get_version_minor() + "." +
                          quor_version_get_version_maintenance());
  EXPECT_EQ(S(quor_version_get_build_number()),
            external + "_" + quor_version_get_internal());
  EXPECT_EQ(S(quor_version_get_datetime()),
            S(quor_version_get_date()) + "_" + quor_version_get_time());

  std::smatch internal;
  const std::string internal_text = quor_version_get_internal();
  ASSERT_TRUE(std::regex_match(internal_text, internal,
                               std::regex(R"((.+)@([0-9a-f]{10})~(\d+))")))
      << internal_text;
  EXPECT_EQ(S(quor_version_get_event_version()),
            external + "." + internal[2].str());

  EXPECT_EQ(quor_version_get_major_uint32(),
            std::stoul(quor_version_get_version_major()));
  EXPECT_EQ(quor_version_get_minor_uint32(),
            std::stoul(quor_version_get_version_minor()));
  EXPECT_EQ(quor_version_get_maintenance_uint32(),
            std::stoul(quor_version_get_version_maintenance()));
  EXPECT_TRUE(std::regex_match(S(quor_version_get_version_minor()),
                               std::regex(R"(\d\d)")));
  EXPECT_TRUE(std::regex_match(S(quor_version_get_version_major()),
                               std::regex(R"(0|[1-9]\d*)")));
}

TEST(VersionRecord, OneInstantInEveryForm) {
  const std::string stamp = quor_version_get_build_timestamp();
  std::smatch t;
  ASSERT_TRUE(std::regex_match(
      stamp, t, std::regex(R"((\d{4})-(\d\d)-(\d\d)T(\d\d:\d\d:\d\d)Z)")))
      << stamp;
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr",
                                        "May", "Jun", "Jul", "Aug",
                                        "Sep", "Oct", "Nov", "Dec"};
  EXPECT_EQ(S(quor_version_get_date()), std::to_string(std::stoi(t[3])) + " " +
                                            kMonths[std::stoi(t[2]) - 1] + " " +
                                            t[1].str());
  EXPECT_EQ(S(quor_version_get_time()), t[4].str());
  EXPECT_EQ(quor_version_get_sync_date(), std::stoul(t[1]));
  const std::string header = quor_version_get_corporate_header();
  EXPECT_TRUE(std::regex_match(header, std::regex(R"(.+ \(c\)\d{4}-\d{4})")))
      << header;
  EXPECT_EQ(header.substr(header.size() - 4), t[1].str());
}

TEST(VersionRecord, FixedNamesAndStablePointers) {
  EXPECT_STREQ(quor_version_get_product_name(),
               "Quorvane Qarel Desktop Client");
  EXPECT_STREQ(quor_version_get_platform(), "Qarel");
  EXPECT_TRUE(std::regex_match(S(quor_version_get_build_name()),
                               std::regex(R"([a-z]+-[a-z]+)")));
  EXPECT_EQ(quor_version_get_build_number(), quor_version_get_build_number());
  EXPECT_EQ(quor_version_get_date(), quor_version_get_date());
}
