#include <QImage>
#include <gtest/gtest.h>

#include <string>

#include "support/QtTestApp.h"
#include "framework/qt/QtImage.h"
#include "resources/Pictures.h"

namespace tervane::fw {
namespace {

// Renders picture 233 (also written as picture_233.png into the working
// directory, to look at) and checks that it is black text on its red, inside
// its edges, with the two fraction bars.
TEST(PicturesRenderTest, InterwedgeRuleIsBlackTextOnRed) {
  qttest::EnsureQtApplication();
  const res::Picture* rule = res::FindPicture(res::kPictureInterwedgeRule);
  ASSERT_NE(rule, nullptr);
  const Image image = RenderPicture(*rule);
  ASSERT_EQ(image.Width(), 238);
  ASSERT_EQ(image.Height(), 69);
  ToQImage(image).save("picture_233.png");

  int left = image.Width(), right = -1, top = image.Height(), bottom = -1, black = 0, other = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const ColorRef pixel = image.Pixel(x, y);
      if (pixel == rule->background) continue;
      if (pixel == kBlack) {
        ++black;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      } else {
        ++other;
      }
    }
  }
  EXPECT_EQ(other, 0);  // no antialiasing
  EXPECT_GT(black, 500);
  // Inside the picture with a margin, and spread over most of its width.
  EXPECT_GE(left, 2);
  EXPECT_LE(right, image.Width() - 3);
  EXPECT_GE(top, 2);
  EXPECT_LE(bottom, image.Height() - 3);
  EXPECT_GT(right - left, image.Width() * 8 / 10);

  // The fraction bars: long horizontal runs of black on the middle row.
  int runs = 0;
  int run = 0;
  const int bar = image.Height() / 2;
  for (int x = 0; x <= image.Width(); ++x) {
    if (x < image.Width() && image.Pixel(x, bar) == kBlack) {
      ++run;
    } else {
      if (run >= 40) ++runs;
      run = 0;
    }
  }
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace tervane::fw
