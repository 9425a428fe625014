#pragma once
// An RGB image of the program's own: 8 bits per channel, rows top-down, three
// bytes per pixel (red, green, blue) without row padding. Bitmaps, formula
// pictures and stretched blits use it; the toolkit backend converts it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/DeviceContext.h"

namespace tervane::fw {

class Image {
 public:
  // Larger images are refused (null), so no size read from outside can ask
  // for gigabytes.
  static constexpr int kMaxDimension = 16384;
  static constexpr std::size_t kMaxPixels = std::size_t{1} << 26;

  Image() = default;
  // An image filled with one colour; a width or height below 1, above
  // kMaxDimension, or more than kMaxPixels pixels give a null image.
  Image(int width, int height, ColorRef fill = kWhite);

  bool IsNull() const { return width_ == 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Outside the image Pixel answers black and SetPixel does nothing.
  ColorRef Pixel(int x, int y) const;
  void SetPixel(int x, int y, ColorRef color);
  void Fill(ColorRef color);

  // Width() * 3 bytes per row.
  int BytesPerRow() const { return width_ * 3; }
  const std::uint8_t* Data() const { return pixels_.data(); }
  std::uint8_t* Data() { return pixels_.data(); }

  friend bool operator==(const Image&, const Image&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace tervane::fw
