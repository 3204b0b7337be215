// The bounded functions never read past their bound: the string ends exactly
// at an unreadable page, without a terminator, so one byte too far faults.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "safe_str/safe_str.h"

namespace {
// A readable page followed by an unreadable one.
class GuardedPage : public ::testing::Test {
 protected:
  void SetUp() override {
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* map = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(map, MAP_FAILED);
    base_ = static_cast<char*>(map);
    ASSERT_EQ(mprotect(base_ + page_, page_, PROT_NONE), 0);
  }
  void TearDown() override { munmap(base_, 2 * page_); }

  // Places `text` (no terminator) so that its last byte is the page's last.
  const char* AtPageEnd(const std::string& text) {
    char* start = base_ + page_ - text.size();
    std::memcpy(start, text.data(), text.size());
    return start;
  }

  std::size_t page_ = 0;
  char* base_ = nullptr;
};
}  // namespace

TEST_F(GuardedPage, StrnlenStopsAtTheBound) {
  for (const std::string& text :
       {std::string("a"), std::string("abcdef"), std::string(300, 'x')}) {
    EXPECT_EQ(qarel_strnlen_s(AtPageEnd(text), text.size()), text.size());
  }
}

TEST_F(GuardedPage, CountedCompareStopsAtTheCount) {
  const std::string text = "Launch-Key";
  const char* dest = AtPageEnd(text);
  const std::string same = "LAUNCH-KEY";
  EXPECT_EQ(qarel_safe_api_strcincmp_s(dest, same.c_str(), text.size()), 0);
  // Both strings unterminated at the page end.
  char* src = base_;
  std::memcpy(src, "launch-kez", text.size());
  EXPECT_EQ(qarel_safe_api_strcincmp_s(dest, src, text.size()), 'Y' - 'Z');
}

TEST_F(GuardedPage, CaseCompareReadsOneByteAtTheBound) {
  // qarel_strcasecmp_s reads dest[dmax] by design: give it that one byte.
  const std::string text = std::string("Info") + '\0';
  const char* dest = AtPageEnd(text);
  int indicator = 1;
  EXPECT_EQ(qarel_strcasecmp_s(dest, 4, "INFO", &indicator), 0);
  EXPECT_EQ(indicator, 0);
  // Equal for dmax characters, and dest[dmax] decides against src.
  const char* longer = AtPageEnd("abcX");
  EXPECT_EQ(qarel_strcasecmp_s(longer, 3, "abcd", &indicator), 0);
  EXPECT_EQ(indicator, 'X' - 'D');
}
