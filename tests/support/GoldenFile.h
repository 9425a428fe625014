#pragma once
// Golden files of the tests: exact bytes under the data folder of the test's own
// folder (TERVANE_TEST_DATA).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace tervane::fw::golden {

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Compares with the golden file; a mismatch also writes the actual bytes into
// the test's working directory as NAME.actual, to review and adopt by hand.
inline void ExpectGolden(const std::string& actual, const std::string& name) {
  const std::string golden = ReadFile(std::string(TERVANE_TEST_DATA) + "/" + name);
  EXPECT_EQ(actual, golden) << "golden file " << name;
  if (actual != golden) std::ofstream(name + ".actual", std::ios::binary) << actual;
}

}  // namespace tervane::fw::golden
