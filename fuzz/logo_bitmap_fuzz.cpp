// Feeds arbitrary bytes to the logo bitmap loader. A bitmap that loads must
// have a size inside the limits and draw (its pixels decode and stretch onto
// a recording device context); one that does not load must leave the image
// empty. The same bytes read from a file must give the same answer.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/Image.h"
#include "framework/testing/RecordingDC.h"
#include "common/DibImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tervane::CDibImage image;
  if (!image.LoadFromMemory(std::span<const std::uint8_t>(data, size))) {
    if (!image.IsEmpty()) std::abort();
    tervane::fw::RecordingDC dc;
    if (image.Stretch(dc, 600, -700, 10500, -2100, 0)) std::abort();
    return 0;
  }
  if (image.Width() < 1 || image.Height() < 1 || image.Width() > tervane::fw::Image::kMaxDimension ||
      image.Height() > tervane::fw::Image::kMaxDimension) {
    std::abort();
  }
  const tervane::fw::Image pixels = image.ToImage();
  if (pixels.Width() != image.Width() || pixels.Height() != image.Height()) std::abort();
  tervane::fw::RecordingDC dc;
  if (!image.Stretch(dc, 600, -700, 10500, -2100, 0)) std::abort();
  // What loads saves and loads again to the same pixels.
  tervane::CDibImage again;
  const auto bytes = image.SaveToBytes();
  if (!again.LoadFromMemory(bytes) || !(again.ToImage() == pixels)) std::abort();
  return 0;
}
