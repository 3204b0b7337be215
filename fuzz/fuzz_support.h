// Shared helpers of the fuzz targets. Inputs are text cut at newlines, so a
// corpus file reads as the fields or arguments it holds.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// The input cut at each newline; with `fields`, the last of that many keeps
// the rest, newlines and all, and missing fields are empty.
inline std::vector<std::string> CutLines(const uint8_t* data, size_t size,
                                         size_t fields = SIZE_MAX) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; lines.size() + 1 < fields &&
                   (end = text.find('\n', start)) != std::string::npos;
       start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  if (fields != SIZE_MAX) lines.resize(fields);
  return lines;
}

// A property that must hold for every input: a failure is a finding.
inline void Check(bool holds) {
  if (!holds) std::abort();
}

#endif  // FUZZ_FUZZ_SUPPORT_H_
