#pragma once
// Small helpers of the picture files: the device context's state kept for a
// picture, fonts by character height, centred text and the bevelled face of
// a push button. Like the pictures, they use only the device context's own
// operations.

#include <string_view>

#include "framework/DeviceContext.h"

namespace tervane::res::picture {

inline constexpr fw::ColorRef kDialogGrey = fw::RGB(222, 222, 222);
inline constexpr fw::ColorRef kButtonFace = fw::RGB(212, 212, 212);
inline constexpr fw::ColorRef kHighlight = fw::RGB(255, 255, 255);
inline constexpr fw::ColorRef kShadow = fw::RGB(128, 128, 128);
inline constexpr fw::ColorRef kDarkShadow = fw::RGB(64, 64, 64);

// Saves the device context for the life of the object.
class SavedState {
 public:
  explicit SavedState(fw::DeviceContext& dc) : dc_(dc) { dc_.Save(); }
  ~SavedState() { dc_.Restore(); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  fw::DeviceContext& dc_;
};

inline fw::Font MakeFont(const char* face, int characterHeight, bool bold = false, bool italic = false) {
  fw::Font font;
  font.face = face;
  font.height = -characterHeight;
  font.weight = bold ? fw::kFontWeightBold : fw::kFontWeightNormal;
  font.italic = italic;
  return font;
}

inline void Line(fw::DeviceContext& dc, int x0, int y0, int x1, int y1) {
  dc.MoveTo(x0, y0);
  dc.LineTo(x1, y1);
}

// Text centred on (x, y).
inline void CentredText(fw::DeviceContext& dc, int x, int y, std::string_view text) {
  const fw::Size size = dc.GetTextExtent(text);
  dc.TextOut(x - size.cx / 2, y - size.cy / 2, text);
}

// The faces of a picture button.
enum class Face { kUp, kDown, kFocused };

// A raised (or, pressed, sunken) button face with its bevel over the whole
// picture; the focused face adds a dotted-looking inner frame.
inline void ButtonFace(fw::DeviceContext& dc, int width, int height, Face face) {
  const bool pressed = face == Face::kDown;
  dc.FillRect(fw::Rect{0, 0, width, height}, fw::Brush::Solid(kButtonFace));
  dc.SelectPen(fw::Pen::Solid(1, pressed ? kDarkShadow : kHighlight));
  Line(dc, 0, height - 1, 0, 0);
  Line(dc, 0, 0, width - 1, 0);
  dc.SelectPen(fw::Pen::Solid(1, pressed ? kHighlight : kDarkShadow));
  Line(dc, width - 1, 0, width - 1, height - 1);
  Line(dc, width - 1, height - 1, -1, height - 1);
  dc.SelectPen(fw::Pen::Solid(1, kShadow));
  if (pressed) {
    Line(dc, 1, height - 2, 1, 1);
    Line(dc, 1, 1, width - 2, 1);
  } else {
    Line(dc, width - 2, 1, width - 2, height - 2);
    Line(dc, width - 2, height - 2, 0, height - 2);
  }
  if (face == Face::kFocused) {
    dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
    for (int x = 4; x < width - 4; x += 2) {
      Line(dc, x, 3, x + 1, 3);
      Line(dc, x, height - 4, x + 1, height - 4);
    }
    for (int y = 4; y < height - 4; y += 2) {
      Line(dc, 3, y, 3, y + 1);
      Line(dc, width - 4, y, width - 4, y + 1);
    }
  }
}

}  // namespace tervane::res::picture
