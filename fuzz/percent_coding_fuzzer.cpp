// percent_decode on any text, against the rules written out byte by byte
// (the library takes 16 or 32 bytes a step); decoding an encoding gives the
// input back.
#include <cctype>

#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"

namespace {
bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)); }

std::string NaiveDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%' || i + 2 >= s.size() || !IsHex(s[i + 1]) ||
        !IsHex(s[i + 2])) {
      out += s[i];
      continue;
    }
    if (const int byte = std::stoi(s.substr(i + 1, 2), nullptr, 16))
      out += static_cast<char>(byte);
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
