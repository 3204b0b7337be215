// Text from launch arguments and clients reaches the event log and standard
// output on many paths; on each, conversions like "%s", "%n" and "%x" must be
// written as they are, never read as a format.
#include <gtest/gtest.h>

#include <string>

#include "logging/logging.h"
#include "option_list/option_list.h"
#include "safe_str/safe_str.h"
#include "tests/support/qarel_core_double.h"

namespace {
const std::string kHostile = "%s%n%x%d%%";

class FormatSafety : public CoreRecorder {
 protected:
  // Everything this call wrote: standard output, then the event-log texts.
  template <typename F>
  std::string Written(F write) {
    core_double::reset();
    testing::internal::CaptureStdout();
    write();
    std::string all = testing::internal::GetCapturedStdout();
    for (const auto& c : core_double::calls()) all += "|" + c.text;
    return all;
  }
};
}  // namespace

TEST_F(FormatSafety, EveryWritingPathKeepsConversionsAsText) {
  option_list t;
  t.add("x", kHostile, false, kHostile, kHostile, true, true, false);
  t.add("", "pairs", false, "", "", true, false, false);
  t.set("pairs", kHostile + ":1", false, false);

  const struct {
    const char* path;
    std::function<void()> write;
    int copies;  // how often the hostile text must appear
  } paths[] = {
      {"log", [] { log(LEVEL_INFO, kHostile, 0); }, 1},
      {"deprecation warning", [&] { t.set("x", "v", false, true); }, 2},
      {"discarded pair",
       [&] { t.get_hex_int_pair_vector("pairs", ":", ",", false); }, 1},
      // Key, description and the "pairs" value, on both outputs.
      {"options report", [&] { t.log_options(false, true, true); }, 6},
      // Key and default (the description reads DEPRECATED), on both.
      {"defaults report", [&] { t.log_defaults(true, true); }, 4},
      {"report header", [] { write_header("%5s %30s  %14s %s", kHostile); }, 1},
      {"log_close", [] { log_close(kHostile); }, 1},
      {"banner", [] { log_client_version(kHostile.c_str()); }, 1},
      {"constraint handler",
       [] {
         invoke_safe_str_constraint_handler(kHostile.c_str(), nullptr, 400);
       },
       1},
  };
  for (const auto& p : paths) {
    const std::string written = Written(p.write);
    int copies = 0;
    for (auto at = written.find(kHostile); at != std::string::npos;
         at = written.find(kHostile, at + 1)) {
      ++copies;
    }
    EXPECT_EQ(copies, p.copies) << p.path << ": " << written;
  }
}
