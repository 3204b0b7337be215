// percent_decode on any text, against the rules written out byte by byte
// (the library takes 16 or 32 bytes a step); decoding an encoding gives the
// input back.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string NaiveDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const int high = s[i] == '%' && i + 2 < s.size() ? HexValue(s[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(s[i + 2]) : -1;
    if (low < 0) {
      out += s[i];
      continue;
    }
    if (high * 16 + low != 0) out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Check(percent_decode(text) == NaiveDecode(text));

  const std::string encoded = percent_encode(text);
  Check(encoded.find_first_not_of(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
            "0123456789-._~%") == std::string::npos);
  // A zero byte encodes as "%00", which decodes to nothing.
  if (text.find('\0') == std::string::npos)
    Check(percent_decode(encoded) == text);
  return 0;
}
