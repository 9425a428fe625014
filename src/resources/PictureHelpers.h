#pragma once
// Small helpers of the picture files: the device context's state kept for a
// picture, fonts by character height, filled boxes, lines, centred and fitted
// text and the bevelled face of a push button. Like the pictures, they use
// only the device context's own operations.

#include <algorithm>
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

// The box from (left, top) to (right, bottom), right and bottom excluded, in
// one colour and without an outline.
inline void Fill(fw::DeviceContext& dc, int left, int top, int right, int bottom, fw::ColorRef color) {
  dc.FillRect(fw::Rect{left, top, right, bottom}, fw::Brush::Solid(color));
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

// Two lines centred in the picture, in the largest bold italic Arial letters
// (16 down to 8 pixels) with which both fit; the text align is left/top.
inline void FittedTwoLines(fw::DeviceContext& dc, int width, int height, std::string_view first,
                           std::string_view second) {
  const std::string_view lines[] = {first, second};
  fw::Font font = MakeFont("Arial", 16, true, true);
  int lineHeight = 0;
  for (int size = 16; size >= 8; --size) {
    font.height = -size;
    dc.SelectFont(font);
    int widest = 0;
    for (std::string_view line : lines) widest = std::max(widest, dc.GetTextExtent(line).cx);
    lineHeight = dc.GetTextExtent(lines[0]).cy;
    if (widest <= width - 4 && 2 * lineHeight <= height) break;
  }
  const int top = (height - 2 * lineHeight) / 2;
  for (int i = 0; i < 2; ++i) {
    const int w = dc.GetTextExtent(lines[i]).cx;
    dc.TextOut((width - w) / 2, top + i * lineHeight, lines[i]);
  }
}

// The faces of a picture button.
enum class Face { kUp, kDown, kFocused };

// The drawing function of one face of a picture button drawn by
// Draw(dc, width, height, face): what a picture registration takes.
template <void (*Draw)(fw::DeviceContext&, int, int, Face), Face kFace>
void DrawFace(fw::DeviceContext& dc, int width, int height) {
  Draw(dc, width, height, kFace);
}

// The bevel of a raised (or, pressed, sunken) button over the whole picture:
// light and dark outer edges, the shadow inside the dark ones.
inline void Bevel(fw::DeviceContext& dc, int width, int height, bool pressed) {
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
}

// A raised (or, pressed, sunken) button face with its bevel over the whole
// picture; the focused face adds a dotted-looking inner frame.
inline void ButtonFace(fw::DeviceContext& dc, int width, int height, Face face) {
  Fill(dc, 0, 0, width, height, kButtonFace);
  Bevel(dc, width, height, face == Face::kDown);
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
