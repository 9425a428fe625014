// The picture of the DXF export dialog: "Tieback +" over "Compound" in green
// lettering, the two words the lengths check box below it refers to.

#include <algorithm>

#include "resources/DxfExportResources.h"
#include "resources/Pictures.h"

// Like every picture file, this one uses only the device context's virtual
// operations, never a function of the framework library.

namespace tervane::res {

namespace {

void DrawTiebackCompound(fw::DeviceContext& dc, int width, int height) {
  dc.Save();
  const fw::ColorRef background = fw::RGB(222, 222, 222);
  dc.FillRect(fw::Rect{0, 0, width, height}, fw::Brush::Solid(background));
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::RGB(0, 128, 0));
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Top});

  const char* const lines[] = {"Tieback +", "Compound"};
  // The largest bold italic letters with which both lines fit.
  fw::Font font;
  font.face = "Arial";
  font.weight = fw::kFontWeightBold;
  font.italic = true;
  int lineHeight = 0;
  for (int size = 16; size >= 8; --size) {
    font.height = -size;
    dc.SelectFont(font);
    int widest = 0;
    for (const char* line : lines) widest = std::max(widest, dc.GetTextExtent(line).cx);
    lineHeight = dc.GetTextExtent(lines[0]).cy;
    if (widest <= width - 4 && 2 * lineHeight <= height) break;
  }
  const int top = (height - 2 * lineHeight) / 2;
  for (int i = 0; i < 2; ++i) {
    const int w = dc.GetTextExtent(lines[i]).cx;
    dc.TextOut((width - w) / 2, top + i * lineHeight, lines[i]);
  }
  dc.Restore();
}

const PictureRegistration registration({
    Picture{kPictureTiebackCompound, "TIEBACK_COMPOUND", 97, 34, fw::RGB(222, 222, 222), &DrawTiebackCompound},
});

}  // namespace

}  // namespace tervane::res
