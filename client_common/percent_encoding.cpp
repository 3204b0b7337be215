// Percent coding of launch-URI values. Every launch passes through here, so
// it runs on byte tables, and on vector kernels where the processor has them
// (percent_vector.cpp), never a formatted print per byte.
#include "client_common/client_common.h"
#include "client_common/percent_tables.h"

using percent::byte;

namespace {
// Room for the kernels' whole-register stores. Inputs too short for a kernel
// get none, so short values (most launch values) stay in the string's own
// buffer without a heap allocation.
std::size_t slack_for(std::size_t input_size) {
  return input_size >= 16 ? percent::kSlack : 0;
}
}  // namespace

std::string percent_encode(const std::string& s) {
  const std::size_t size =
      s.size() + 2 * percent::count_escaped(s.data(), s.size());
  std::string out(size + slack_for(s.size()), '\0');
  const auto done = percent::encode_vector(s.data(), s.size(), &out[0]);
  char* o = &out[0] + done.written;
  for (std::size_t i = done.consumed; i < s.size(); ++i) {
    const unsigned char b = byte(s[i]);
    if (percent::kUnreserved[b]) {
      *o++ = s[i];
    } else {
      o[0] = '%';
      o[1] = percent::kHexDigits[b >> 4];
      o[2] = percent::kHexDigits[b & 0xF];
      o += 3;
    }
  }
  out.resize(size);
  return out;
}

std::string percent_decode(const std::string& s) {
  std::string out(s.size() + slack_for(s.size()), '\0');
  const auto done = percent::decode_vector(s.data(), s.size(), &out[0]);
  char* o = &out[0] + done.written;
  const std::size_t n = s.size();
  for (std::size_t i = done.consumed; i < n; ++i) {
    // An escape needs two hex digits after the "%"; anything else is copied.
    const int high =
        s[i] == '%' && i + 2 < n ? percent::kHexValue[byte(s[i + 1])] : -1;
    const int low = high >= 0 ? percent::kHexValue[byte(s[i + 2])] : -1;
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
