// Percent coding of launch-URI values. Every launch passes through here, so
// it runs on byte tables, and on vector kernels where the processor has them
// (percent_vector.h), never a formatted print per byte.
#include "client_common/percent_encoding.h"

#include "client_common/client_common.h"
#include "safe_str/char_classes.h"

namespace percent = client_common::internal::percent;
using client_common::internal::contains;
using client_common::internal::hex_value;
using client_common::internal::kHexDigits;
using client_common::internal::kUnreserved;
using client_common::internal::percent::Kernels;

namespace {
// Room for the kernels' whole-register stores. Inputs too short for a kernel
// get none, so short values (most launch values) stay in the string's own
// buffer without a heap allocation.
std::size_t slack_for(std::size_t input_size) {
  return input_size >= percent::kMinKernelInput ? percent::kSlack : 0;
}
}  // namespace

std::string percent::encode(std::string_view s, Kernels kernels) {
  const auto counted = count_vector(s.data(), s.size(), kernels);
  std::size_t size = counted.written;
  for (std::size_t i = counted.consumed; i < s.size(); ++i)
    size += contains(kUnreserved, s[i]) ? 1 : 3;
  std::string out(size + slack_for(s.size()), '\0');
  const auto done = encode_vector(s.data(), s.size(), &out[0], kernels);
  char* o = &out[0] + done.written;
  for (std::size_t i = done.consumed; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (contains(kUnreserved, s[i])) {
      *o++ = s[i];
    } else {
      o[0] = '%';
      o[1] = kHexDigits[b >> 4];
      o[2] = kHexDigits[b & 0xF];
      o += 3;
    }
  }
  out.resize(size);
  return out;
}

std::string percent::decode_escapes(std::string_view s, Kernels kernels) {
  std::string out(s.size() + slack_for(s.size()), '\0');
  const auto done = decode_vector(s.data(), s.size(), &out[0], kernels);
  char* o = &out[0] + done.written;
  const std::size_t n = s.size();
  for (std::size_t i = done.consumed; i < n; ++i) {
    // An escape needs two hex digits after the "%"; anything else is copied.
    const int high = s[i] == '%' && i + 2 < n ? hex_value(s[i + 1]) : -1;
    const int low = high >= 0 ? hex_value(s[i + 2]) : -1;
    if (low < 0) {
      *o++ = s[i];
      continue;
    }
    const int value = high * 16 + low;
    if (value != 0) *o++ = static_cast<char>(value);  // "%00" gives nothing
    i += 2;
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string percent_encode(const std::string& s) {
  return percent::encode(s, percent::available_kernels());
}

std::string percent_decode(const std::string& s) { return percent::decode(s); }
