// The number fields and one-line texts of the three result files.

#include "results/ExportFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tervane {
namespace {

TEST(FixedNumber, AValueThatRoundsToZeroHasNoMinusSign) {
  struct Case {
    double value;
    int width, decimals;
    const char* text;
  };
  for (const Case& c : {Case{-0.0, 10, 3, "     0.000"}, Case{-0.0004, 10, 3, "     0.000"},
                        Case{-0.0005001, 10, 3, "    -0.001"}, Case{-0.004, 0, 2, "0.00"},
                        Case{-0.006, 0, 2, "-0.01"}, Case{-1e-300, 8, 2, "    0.00"}, Case{-0.04, 5, 1, "  0.0"},
                        Case{-100.0, 10, 3, "  -100.000"}, Case{12.5, 0, 2, "12.50"},
                        Case{2.0 / 3.0, 20, 2, "                0.67"}}) {
    EXPECT_EQ(FixedNumber(c.value, c.width, c.decimals), c.text) << c.value;
  }
  // Not-a-number and infinities pass as the formatting gives them.
  EXPECT_EQ(FixedNumber(-INFINITY, 0, 2), "-inf");
}

TEST(OneLine, LineBreaksBecomeBlanks) {
  EXPECT_EQ(OneLine("a\r\nb\nc\rd"), "a b c d");
  EXPECT_EQ(OneLine("\r\n\r\n"), "  ");
  EXPECT_EQ(OneLine("no break, 45\u00b0"), "no break, 45\u00b0");
  EXPECT_EQ(OneLine(""), "");
}

TEST(Utf8Slice, CountsCharacters) {
  EXPECT_EQ(Utf8Slice("ab\u00b0cd", 1, 2), "b\u00b0");
  EXPECT_EQ(Utf8Slice("ab\u00b0cd", 3, 70), "cd");
  EXPECT_EQ(Utf8Slice("abc", 5, 2), "");
}

}  // namespace
}  // namespace tervane
