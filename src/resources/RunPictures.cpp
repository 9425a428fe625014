// The banners of the run dialog: a small reinforced slope beside the name of
// the kind of run, white on deep blue. The optimised run shows its layers
// closer together low in the slope, where the forces are largest; the manual
// run shows them evenly spaced, as a user might type them.

#include <array>
#include <span>
#include <string_view>

#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"
#include "resources/RunResources.h"

// Like every picture file, this one uses only the device context's virtual
// operations and inline helpers.

namespace tervane::res {

namespace {

using fw::DeviceContext;
using picture::Fill;
using picture::MakeFont;
using picture::SavedState;

constexpr fw::ColorRef kBannerBlue = fw::RGB(0, 56, 102);
constexpr fw::ColorRef kBannerBand = fw::RGB(0, 84, 140);
constexpr fw::ColorRef kSoil = fw::RGB(222, 184, 120);
constexpr fw::ColorRef kSoilEdge = fw::RGB(120, 80, 40);
constexpr fw::ColorRef kFoundation = fw::RGB(150, 110, 70);
constexpr fw::ColorRef kLayer = fw::RGB(0, 176, 80);
constexpr fw::ColorRef kRule = fw::RGB(255, 204, 0);

// The slope sketch fills x 6..52 of the banner; its toe is at (8, 43) and the
// top of its face at (30, 9). `layers` are the elevations of the layers in
// pixels above the toe.
void DrawSlope(DeviceContext& dc, std::span<const int> layers) {
  constexpr int toeX = 8;
  constexpr int toeY = 43;
  constexpr int topX = 30;
  constexpr int topY = 9;
  constexpr int rearX = 52;
  Fill(dc, 4, toeY, rearX + 1, toeY + 4, kFoundation);
  const std::array<fw::Point, 4> body = {
      fw::Point{toeX, toeY}, fw::Point{topX, topY}, fw::Point{rearX, topY}, fw::Point{rearX, toeY}};
  dc.SelectPen(fw::Pen::Solid(1, kSoilEdge));
  dc.SelectBrush(fw::Brush::Solid(kSoil));
  dc.Polygon(body);
  dc.SelectPen(fw::Pen::Solid(2, kLayer));
  for (const int rise : layers) {
    const int y = toeY - rise;
    // The face point of the layer, then its length into the slope.
    const int x = toeX + (topX - toeX) * rise / (toeY - topY);
    picture::Line(dc, x + 1, y, rearX - 4, y);
  }
}

// The banner's name in the largest bold letters that fit between the sketch
// and the right edge, centred there, with a thin rule under it.
void DrawName(DeviceContext& dc, std::string_view name, int width, int height) {
  constexpr int left = 58;
  const int room = width - left - 8;
  fw::Size extent{};
  for (int size = 24; size >= 8; --size) {
    dc.SelectFont(MakeFont("Arial Bold", size));
    extent = dc.GetTextExtent(name);
    if (extent.cx <= room) break;
  }
  const int x = left + (room - extent.cx) / 2;
  const int y = (height - extent.cy) / 2 - 2;
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kWhite);
  dc.TextOut(x, y, name);
  Fill(dc, x, y + extent.cy + 1, x + extent.cx, y + extent.cy + 3, kRule);
}

void DrawBanner(DeviceContext& dc, int width, int height, std::span<const int> layers,
                std::string_view name) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kBannerBlue);
  Fill(dc, 0, height - 4, width, height, kBannerBand);
  DrawSlope(dc, layers);
  DrawName(dc, name, width, height);
}

void DrawOptimizedRunBanner(DeviceContext& dc, int width, int height) {
  static constexpr std::array<int, 6> kLayers = {2, 7, 12, 18, 25, 32};
  DrawBanner(dc, width, height, kLayers, "Optimized Spacing Search");
}

void DrawManualRunBanner(DeviceContext& dc, int width, int height) {
  static constexpr std::array<int, 5> kLayers = {2, 9, 16, 23, 30};
  DrawBanner(dc, width, height, kLayers, "Manual Run");
}

const PictureRegistration registration({
    Picture{kPictureOptimizedRunBanner, "OPTIMIZED_RUN_BANNER", 303, 50, kBannerBlue, &DrawOptimizedRunBanner},
    Picture{kPictureManualRunBanner, "MANUAL_RUN_BANNER", 188, 50, kBannerBlue, &DrawManualRunBanner},
});

}  // namespace

}  // namespace tervane::res
