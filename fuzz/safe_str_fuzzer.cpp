// The bounded string functions over buffers sized exactly to the bytes they
// may read, so that AddressSanitizer catches a single byte read too far, and
// their results against their rules written out the plain way. Input: two
// lines, the first string and the second.
#include <cctype>
#include <cstring>
#include <memory>

#include "fuzz/fuzz_support.h"
#include "safe_str/safe_str.h"

namespace {
int Upper(char c) { return std::toupper(static_cast<unsigned char>(c)); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> in = CutLines(data, size, 2);
  const std::string &a = in[0], &b = in[1];
  // Heap copies of exactly their size: `a` unterminated, `b` terminated.
  const std::unique_ptr<char[]> dest(new char[a.size()]),
      src(new char[b.size() + 1]);
  std::memcpy(dest.get(), a.data(), a.size());
  std::memcpy(src.get(), b.c_str(), b.size() + 1);

  const std::size_t length = std::min(a.find('\0'), a.size());
  Check(qarel_strnlen_s(dest.get(), a.size()) == (a.empty() ? 0 : length),
        "qarel_strnlen_s: up to the first NUL, within the bound");

  // At most `count` characters, up to either terminator or a difference:
  // the last pair compared decides.
  const std::size_t count = std::min(a.size(), b.size() + 1);
  std::size_t i = 0;
  while (i + 1 < count && i < length && b[i] != '\0' &&
         Upper(a[i]) == Upper(b[i]))
    ++i;
  const int at_dest = i < length ? Upper(a[i]) : 0;
  const int at_src = i < b.size() ? Upper(b[i]) : 0;
  if (count != 0)
    Check(qarel_safe_api_strcincmp_s(dest.get(), src.get(), count) ==
              at_dest - at_src,
          "qarel_safe_api_strcincmp_s: the difference where it stopped");

  if (!a.empty()) {  // dest[dmax] is read by design, so dmax stops one short
    int indicator = 0;
    Check(qarel_strcasecmp_s(dest.get(), a.size() - 1, src.get(), &indicator) ==
              (a.size() > 1 ? 0 : 401),
          "qarel_strcasecmp_s: 0, or 401 for a zero dmax");
  }
  Check(qarel_safe_api_sscanf_regex(dest.get(), a.size(), "", nullptr,
                                    static_cast<unsigned>(b.size())) == -1,
        "qarel_safe_api_sscanf_regex is not available");
  return 0;
}
