// Text that ends exactly where an unreadable page begins, without a
// terminator, so that a read of one byte too far faults in any build.
#ifndef TESTS_SUPPORT_GUARDED_PAGE_H_
#define TESTS_SUPPORT_GUARDED_PAGE_H_

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

struct GuardedPage {
  GuardedPage() { mprotect(base + kPage, kPage, PROT_NONE); }
  ~GuardedPage() { munmap(base, 2 * kPage); }
  // A copy of `text` whose last byte is the readable page's last.
  const char* AtEnd(const std::string& text) {
    return static_cast<char*>(
        std::memcpy(base + kPage - text.size(), text.data(), text.size()));
  }
  const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  char* const base =
      static_cast<char*>(mmap(nullptr, 2 * kPage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
};

#endif  // TESTS_SUPPORT_GUARDED_PAGE_H_
