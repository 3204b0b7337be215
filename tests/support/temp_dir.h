// A fresh folder of one test's own (mkdtemp), removed with all it holds when
// the test ends, so tests that run at once never share a path.
#ifndef TESTS_SUPPORT_TEMP_DIR_H_
#define TESTS_SUPPORT_TEMP_DIR_H_

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

struct TempDir {
  TempDir() : path(testing::TempDir() + "client_common.XXXXXX") {
    EXPECT_NE(mkdtemp(path.data()), nullptr);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
  std::string file(const std::string& name) const { return path + "/" + name; }
  std::string path;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

#endif  // TESTS_SUPPORT_TEMP_DIR_H_
