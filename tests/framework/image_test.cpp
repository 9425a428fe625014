#include "framework/Image.h"

#include <gtest/gtest.h>

namespace tervane::fw {
namespace {

TEST(ImageTest, HoldsRgbPixelsTopDown) {
  Image image(3, 2, RGB(1, 2, 3));
  ASSERT_FALSE(image.IsNull());
  EXPECT_EQ(image.BytesPerRow(), 9);
  EXPECT_EQ(image.Pixel(2, 1), RGB(1, 2, 3));
  image.SetPixel(1, 1, RGB(200, 100, 50));
  const std::uint8_t* p = image.Data() + 1 * 9 + 1 * 3;
  EXPECT_EQ(p[0], 200);
  EXPECT_EQ(p[1], 100);
  EXPECT_EQ(p[2], 50);
  // Outside the image: black, and writes are ignored.
  image.SetPixel(3, 0, kWhite);
  image.SetPixel(-1, 0, kWhite);
  EXPECT_EQ(image.Pixel(3, 0), kBlack);
  EXPECT_EQ(image.Pixel(0, -1), kBlack);
  EXPECT_EQ(image.Pixel(0, 0), RGB(1, 2, 3));
}

TEST(ImageTest, RefusesSizesOutOfRange) {
  const struct {
    int width;
    int height;
    bool null;
  } cases[] = {
      {0, 5, true},
      {5, 0, true},
      {-1, -1, true},
      {Image::kMaxDimension + 1, 1, true},
      {Image::kMaxDimension, Image::kMaxDimension, true},  // too many pixels
      {Image::kMaxDimension, 1, false},
      {1, 1, false},
  };
  for (const auto& c : cases) {
    const Image image(c.width, c.height);
    EXPECT_EQ(image.IsNull(), c.null) << c.width << " x " << c.height;
    if (c.null) {
      EXPECT_EQ(image.Width(), 0);
      EXPECT_EQ(image.Height(), 0);
    }
  }
}

}  // namespace
}  // namespace tervane::fw
