// percent_decode on any text; decoding an encoding gives the input back.
#include "client_common/client_common.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = AsString(data, size);
  const std::string decoded = percent_decode(text);
  FUZZ_CHECK(decoded.size() <= text.size());

  const std::string encoded = percent_encode(text);
  FUZZ_CHECK(encoded.find_first_not_of(
                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                 "0123456789-._~%") == std::string::npos);
  // A zero byte encodes as "%00", which decodes to nothing.
  if (text.find('\0') == std::string::npos)
    FUZZ_CHECK(percent_decode(encoded) == text);
  return 0;
}
