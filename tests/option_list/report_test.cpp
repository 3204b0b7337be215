// Both reports on both outputs at once: the recorder echoes each event-log
// line where it was written, so one text shows every line, its padding, its
// level and its order.
#include <gtest/gtest.h>

#include "option_list/option_list.h"
#include "tests/support/core_recorder.h"

using Report = CoreRecorder;

TEST_F(Report, BothReportsOnBothOutputs) {
  option_list t;
  t.add("l", "log-level", false, "info", "Log level", true, false, true);
  // A masked, deprecated switch whose short key is longer than one byte.
  t.add("fx", "full-screen", true, "", "Full screen", false, true, true);
  t.set("log-level", "debug", false, false);
  // clang-format off
  EXPECT_EQ(OutputWithLog([&] {
              t.log_options(false, true, true);
              t.log_defaults(true, true);
              t.log_options(true, false, false);  // neither output: nothing
            }),
            "[log 110 0 0] Short                       Long Key           Value Description\n"
            "[log 110 0 0] -----                       --------           ----- -----------\n"
            "\nShort                       Long Key           Value Description\n"
            "-----                       --------           ----- -----------\n"
            "[log 110 0 0]    -l                      log-level           debug Log level\n"
            "   -l                      log-level           debug Log level\n"
            "[log 110 0 0]    -f                    full-screen        ******** Full screen\n"
            "   -f                    full-screen        ******** Full screen\n"
            "[log 110 0 0] Program options are:\n"
            "[log 110 0 0] Short                       Long Key         Default Description\n"
            "[log 110 0 0] -----                       --------           ----- -----------\n"
            "\nProgram options are:\n"
            "Short                       Long Key         Default Description\n"
            "-----                       --------         ------- -----------\n"
            "[log 110 0 0]    -l                      log-level            info Log level\n"
            "   -l                      log-level            info Log level\n"
            "[log 110 0 0]    -f                    full-screen                 DEPRECATED\n"
            "   -f                    full-screen                 DEPRECATED\n");
  // clang-format on
}

TEST_F(Report, OnlyAssignedOptionsWithoutShortKeysAndWideColumns) {
  option_list t;
  const std::string wide(35, 'k');
  t.add("", wide, false, "", "d", true, false, false);
  t.add("u", "unset", false, "", "d", true, false, false);
  t.set(wide, "%s\n\x1b\\", false, false);
  const std::string out =
      OutputWithLog([&] { t.log_options(true, false, true); });
  // After the heading's rule: the one assigned row, on standard output only,
  // one line whatever its value holds.
  EXPECT_EQ(out.substr(out.find("-----------\n") + 12),
            "      " + wide + "    %s\\x0a\\x1b\\\\ d\n");
}
