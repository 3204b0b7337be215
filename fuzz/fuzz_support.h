// Shared helpers of the fuzz targets. Inputs are text cut at newlines, so a
// corpus file reads as the fields or arguments it holds.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <boost/algorithm/string/split.hpp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The input's lines; with `fields`, exactly that many (missing ones empty).
inline std::vector<std::string> CutLines(const uint8_t* data, size_t size,
                                         size_t fields = 0) {
  std::vector<std::string> lines;
  boost::algorithm::split(
      lines, std::string(reinterpret_cast<const char*>(data), size),
      [](char c) { return c == '\n'; });
  if (fields != 0) lines.resize(fields);
  return lines;
}

// A property that must hold for every input: a failure is a finding, named
// on standard error.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

#endif  // FUZZ_FUZZ_SUPPORT_H_
