#pragma once
// Small value types shared by the dialog model and its backends: Windows
// colour values, pixel rectangles and sizes.

#include <cstdint>

namespace tervane::fw {

// A colour as a Windows colour value: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
         (static_cast<ColorRef>(b & 0xFF) << 16);
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// Background of every dialog that does not choose its own colour.
constexpr ColorRef kDefaultDialogColor = Rgb(222, 222, 222);

// A rectangle in pixels; right and bottom are exclusive (GDI).
struct IntRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend constexpr bool operator==(const IntRect&, const IntRect&) = default;
};

struct IntSize {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const IntSize&, const IntSize&) = default;
};

}  // namespace tervane::fw
