#include "framework/Image.h"

namespace tervane::fw {

Image::Image(int width, int height, ColorRef fill) {
  if (width < 1 || height < 1 || width > kMaxDimension || height > kMaxDimension) return;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (count > kMaxPixels) return;
  width_ = width;
  height_ = height;
  pixels_.resize(count * 3);
  Fill(fill);
}

ColorRef Image::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  const std::uint8_t* p = pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3;
  return ColorRef{p[0], p[1], p[2]};
}

void Image::SetPixel(int x, int y, ColorRef color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3;
  p[0] = color.r;
  p[1] = color.g;
  p[2] = color.b;
}

void Image::Fill(ColorRef color) {
  for (std::size_t i = 0; i + 2 < pixels_.size(); i += 3) {
    pixels_[i] = color.r;
    pixels_[i + 1] = color.g;
    pixels_[i + 2] = color.b;
  }
}

}  // namespace tervane::fw
