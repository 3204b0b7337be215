// percent_encode and percent_decode of any text, with every choice of vector
// kernels this processor has, byte for byte against the rules written out
// the plain way, one byte at a time.
#include <fstream>
#include <optional>
#include <string>

#include "client_common/client_common.h"
#include "client_common/percent_encoding.h"
#include "fuzz/fuzz_support.h"

namespace {
namespace percent = client_common::internal::percent;
using percent::Kernels;

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
}

int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The widest kernels the processor has, by the flags Linux lists for it,
// or none where it lists none: a library that stopped using them would
// still code correctly, only slower.
std::optional<Kernels> ListedKernels() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  for (std::string line; std::getline(cpuinfo, line);) {
    if (line.rfind("flags", 0) != 0) continue;
    const auto has = [&line](const std::string& flag) {
      return (line + " ").find(" " + flag + " ") != std::string::npos;
    };
    if (!has("ssse3") || !has("popcnt")) return Kernels::kNone;
    return has("avx2") ? Kernels::kAvx2 : Kernels::kSsse3;
  }
  return std::nullopt;
}

std::string ReferenceEncode(const std::string& s) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const unsigned char c : s) {
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kDigits[c / 16];
      out += kDigits[c % 16];
    }
  }
  return out;
}

std::string ReferenceDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const int high = i + 2 < s.size() && s[i] == '%' ? HexValue(s[i + 1]) : -1;
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
  static const std::optional<Kernels> listed = ListedKernels();
  Check(!listed || *listed == percent::available_kernels(),
        "the kernels are the widest the processor has");
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string encoded = ReferenceEncode(text);
  const std::string decoded = ReferenceDecode(text);
  Check(percent_encode(text) == encoded, "percent_encode is the reference's");
  Check(percent_decode(text) == decoded, "percent_decode is the reference's");
  for (const Kernels kernels :
       {Kernels::kNone, Kernels::kSsse3, Kernels::kAvx2}) {
    if (kernels > percent::available_kernels()) break;
    Check(percent::encode(text, kernels) == encoded,
          "each choice of kernels encodes as the reference");
    Check(percent::decode(text, kernels) == decoded,
          "each choice of kernels decodes as the reference");
    // The parser decodes views into longer text: nothing past the end counts.
    if (size != 0)
      Check(
          percent::decode(std::string_view(text).substr(0, size - 1),
                          kernels) == ReferenceDecode(text.substr(0, size - 1)),
          "decoding a view reads nothing past its end");
    // Chosen kernels do the work, and only they: counting and encoding every
    // whole block of 16 bytes, decoding all but a block and the two bytes it
    // looks ahead.
    const bool vector = kernels != Kernels::kNone;
    Check(percent::count_vector(text.data(), size, kernels).consumed ==
              (vector ? size / 16 * 16 : 0),
          "the chosen kernels count every whole block");
    std::string out(3 * size + percent::kSlack, '\0');
    Check(
        percent::encode_vector(text.data(), size, &out[0], kernels).consumed ==
            (vector ? size / 16 * 16 : 0),
        "the chosen kernels encode every whole block");
    const std::size_t left =
        size -
        percent::decode_vector(text.data(), size, &out[0], kernels).consumed;
    Check(vector ? left < 18 : left == size,
          "the chosen kernels decode all but the last block");
  }
  return 0;
}
