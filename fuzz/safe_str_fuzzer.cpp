// The bounded string functions over buffers sized exactly to the bytes they
// may read, so that AddressSanitizer catches a single byte read too far.
// Input: two lines, the first string and the second.
#include <cstring>
#include <memory>

#include "fuzz/fuzz_support.h"
#include "safe_str/safe_str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> in = CutLines(data, size, 2);
  const std::string &a = in[0], &b = in[1];
  // Heap copies of exactly their size: `a` unterminated, `b` terminated.
  const std::unique_ptr<char[]> dest(new char[a.size()]),
      src(new char[b.size() + 1]);
  std::memcpy(dest.get(), a.data(), a.size());
  std::memcpy(src.get(), b.c_str(), b.size() + 1);

  Check(qarel_strnlen_s(dest.get(), a.size()) <= a.size());  // reads < dmax
  qarel_safe_api_strcincmp_s(dest.get(), src.get(),
                             std::min(a.size(), b.size() + 1));
  if (!a.empty()) {  // dest[dmax] is read by design, so dmax stops one short
    int indicator = 0;
    Check(qarel_strcasecmp_s(dest.get(), a.size() - 1, src.get(), &indicator) ==
          (a.size() > 1 ? 0 : 401));
  }
  qarel_safe_api_sscanf_regex(dest.get(), a.size(), "", nullptr,
                              static_cast<unsigned>(b.size()));
  return 0;
}
