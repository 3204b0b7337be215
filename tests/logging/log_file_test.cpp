#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "logging/logging.h"
#include "tests/support/qarel_core_double.h"

using LogFile = CoreRecorder;

TEST_F(LogFile, SplitsThePathAtTheLastSeparator) {
  const struct {
    const char* path;
    const char* directory;
    const char* file_name;
  } cases[] = {
      {"logs/client.txt", "logs/", "client.txt"},
      {"C:\\logs\\client.txt", "C:\\logs\\", "client.txt"},
      {"a/b\\c.txt", "a/", "b\\c.txt"},  // "/" wins over a later backslash
      {"/var/log/a/b.txt", "/var/log/a/", "b.txt"},
      {"client.txt", "", "client.txt"},
      {"logs/", "logs/", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    core_double::reset();
    core_double::set_result("quor_event_init_ext_cfg", 17);
    EXPECT_EQ(open_logfile(c.path, "second", "third"), 17) << c.path;
    const auto calls = core_double::calls();
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_TRUE(calls[0].record_pointers_set) << "never a null pointer";
    EXPECT_EQ(calls[0].directory, c.directory) << c.path;
    EXPECT_EQ(calls[0].file_name, c.file_name) << c.path;
    EXPECT_EQ(calls[0].source, "second");
    EXPECT_EQ(calls[0].label, "third");
  }
}

TEST_F(LogFile, RecordLayout) {
  open_logfile("logs/client.txt", "second", "third");
  ASSERT_EQ(core_double::calls().size(), 1u);
  const auto& bytes = core_double::calls()[0].record;

  auto read32 = [&](std::size_t offset) {
    std::uint32_t v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
  };
  EXPECT_EQ(read32(24), 257u);
  EXPECT_EQ(read32(32), 10u);
  EXPECT_EQ(bytes[36], 1);
  EXPECT_EQ(bytes[37], 0);
  // Every byte outside the four pointers and the three numbers is zero.
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool pointer = i < 16 || (i >= 40 && i < 56);
    const bool number = (i >= 24 && i < 28) || (i >= 32 && i < 37);
    if (!pointer && !number) {
      EXPECT_EQ(bytes[i], 0) << "offset " << i;
    }
  }
}
