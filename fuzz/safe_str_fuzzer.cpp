// The bounded string functions over buffers sized exactly to the bytes they
// may read, so that AddressSanitizer catches a single byte read too far.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "fuzz/fuzz_support.h"
#include "safe_str/safe_str.h"

namespace {
// A heap copy of `text` of exactly its size, terminator included only when
// asked for.
std::unique_ptr<char[]> Exact(const std::string& text, bool terminated) {
  std::unique_ptr<char[]> copy(new char[text.size() + terminated]);
  std::memcpy(copy.get(), text.data(), text.size());
  if (terminated) copy[text.size()] = '\0';
  return copy;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string a = in.ConsumeRandomLengthString(64);
  const std::string b = in.ConsumeRemainingBytesAsString();

  // At most dmax bytes are read.
  if (!a.empty()) {
    const auto dest = Exact(a, false);
    FUZZ_CHECK(qarel_strnlen_s(dest.get(), a.size()) <= a.size());
  }
  // At most count bytes of each.
  const size_t count = std::min(a.size(), b.size());
  if (count > 0) {
    const auto dest = Exact(a, false), src = Exact(b, false);
    qarel_safe_api_strcincmp_s(dest.get(), src.get(), count);
  }
  // dest[dmax] is read by design, so dmax stops one short of the buffer's
  // end; src must be terminated.
  if (!a.empty()) {
    const auto dest = Exact(a, false), src = Exact(b, true);
    int indicator = 0;
    FUZZ_CHECK(qarel_strcasecmp_s(dest.get(), a.size() - 1, src.get(),
                                  &indicator) == (a.size() > 1 ? 0 : 401));
    qarel_strcasecmp_s_wrapper(a, b);
  }
  const auto subject = Exact(a, false);
  qarel_safe_api_sscanf_regex(subject.get(), a.size(), "", nullptr,
                              static_cast<unsigned>(b.size()));
  return 0;
}
