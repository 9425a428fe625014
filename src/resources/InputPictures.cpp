// The pictures of the input dialogs, drawn in code: the faces of the
// TRUNCATE and QUESTION buttons, the definition of the geometry, the symbol
// of the absolute orientation and the emblem of the general information.
//
// Like every picture, each fills its area with its background first, uses
// only the device context's own operations and leaves it as it found it.

#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/InputPictures.h"
#include "resources/PictureHelpers.h"
#include "resources/Pictures.h"

namespace tervane::res {

namespace {

using fw::DeviceContext;
using fw::Point;
using picture::CentredText;
using picture::DrawFace;
using picture::Face;
using picture::Fill;
using picture::kDarkShadow;
using picture::kDialogGrey;
using picture::kHighlight;
using picture::Line;
using picture::MakeFont;
using picture::SavedState;

constexpr fw::ColorRef kSoil = fw::RGB(255, 204, 51);
constexpr double kPi = 3.14159265358979323846;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// A dashed line of 4-pixel dashes and 3-pixel gaps.
void DashedLine(DeviceContext& dc, int x0, int y0, int x1, int y1) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  if (length < 1.0) return;
  const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;
  for (double s = 0.0; s < length; s += 7.0) {
    const double e = std::min(s + 4.0, length);
    Line(dc, Round(x0 + ux * s), Round(y0 + uy * s), Round(x0 + ux * e), Round(y0 + uy * e));
  }
}

// An arc around (cx, cy) of radius r from angle a0 to a1 (degrees,
// counter-clockwise on the screen, y down).
void ArcLine(DeviceContext& dc, int cx, int cy, int r, double a0, double a1) {
  std::vector<Point> points;
  const int steps = 16;
  for (int k = 0; k <= steps; ++k) {
    const double a = (a0 + (a1 - a0) * k / steps) * kPi / 180.0;
    points.push_back(Point{Round(cx + r * std::cos(a)), Round(cy - r * std::sin(a))});
  }
  dc.Polyline(points);
}

// A small filled arrow head at (x, y) pointing in direction (dx, dy).
void ArrowHead(DeviceContext& dc, int x, int y, int dx, int dy) {
  const Point tip{x, y};
  const Point a{x - 5 * dx - 2 * dy, y - 5 * dy - 2 * dx};
  const Point b{x - 5 * dx + 2 * dy, y - 5 * dy + 2 * dx};
  const Point head[] = {tip, a, b};
  dc.Polygon(head);
}

// ---- TRUNCATE ----------------------------------------------------------------------

// A raised (or, pressed, sunken) button face with its bevel, inside a
// one-pixel border of the dialog's grey.
void TruncateFace(DeviceContext& dc, int width, int height, bool pressed) {
  Fill(dc, 0, 0, width, height, kDialogGrey);
  Fill(dc, 1, 1, width - 1, height - 1, picture::kButtonFace);
  picture::Bevel(dc, width, height, pressed);
}

void DrawTruncate(DeviceContext& dc, int width, int height, Face face) {
  const SavedState saved(dc);
  const bool pressed = face == Face::kDown;
  TruncateFace(dc, width, height, pressed);
  const int shift = pressed ? 1 : 0;
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::RGB(128, 0, 0));
  dc.SelectFont(MakeFont("Arial", 11, true));
  CentredText(dc, width / 2 + shift, 13 + shift, "TRUNCATE");
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(MakeFont("Arial", 9));
  CentredText(dc, width / 2 + shift, 28 + shift, "x.xxx");
  if (face == Face::kFocused) {
    dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
    dc.SelectBrush(fw::Brush::Hollow());
    dc.Rectangle(4, 4, width - 4, height - 4);
  }
}

// ---- QUESTION ----------------------------------------------------------------------

void DrawQuestion(DeviceContext& dc, int width, int height, Face face) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kDialogGrey);
  const int shift = face == Face::kDown ? 1 : 0;
  const fw::ColorRef disc = face == Face::kDown ? fw::RGB(0, 0, 128) : fw::RGB(0, 64, 192);
  dc.SelectPen(fw::Pen::Solid(1, kDarkShadow));
  dc.SelectBrush(fw::Brush::Solid(disc));
  dc.Ellipse(2 + shift, 2 + shift, width - 2 + shift, height - 2 + shift);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(kHighlight);
  dc.SelectFont(MakeFont("Arial", 20, true));
  CentredText(dc, width / 2 + shift, height / 2 + shift, "?");
  if (face == Face::kFocused) {
    dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
    dc.SelectBrush(fw::Brush::Hollow());
    dc.Ellipse(0, 0, width, height);
  }
}

// ---- the geometry's definition -----------------------------------------------------

// The slope with its dimensions: the height H and the face angle i at the
// toe, the crest A and the backslope B with its angle beta, and the ground in
// front of the toe with its angle alpha.
void DrawGeometryDefinition(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kDialogGrey);

  const Point toe{110, 92};
  const Point crest{160, 40};
  const Point crestEnd{235, 40};
  const Point top{330, 16};
  const int right = width - 8;
  const int bottom = height - 2;
  const Point groundLeft{30, 110};

  const Point soil[] = {groundLeft, toe, crest, crestEnd, top, {right, top.y}, {right, bottom}, {groundLeft.x, bottom}};
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(160, 120, 0)));
  dc.SelectBrush(fw::Brush::Solid(kSoil));
  dc.Polygon(soil);

  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::kBlack));
  // H: from the level of the toe to the level of the crest.
  const int hx = 22;
  DashedLine(dc, crest.x - 6, crest.y, hx - 4, crest.y);
  DashedLine(dc, toe.x - 4, toe.y, hx - 4, toe.y);
  Line(dc, hx, crest.y + 1, hx, toe.y);
  ArrowHead(dc, hx, crest.y, 0, -1);
  ArrowHead(dc, hx, toe.y, 0, 1);
  // A and B: their horizontal lengths above the crest.
  const int dimY = 10;
  for (int x : {crest.x, crestEnd.x, top.x}) DashedLine(dc, x, x == top.x ? top.y - 3 : crest.y - 3, x, dimY - 4);
  Line(dc, crest.x + 1, dimY, crestEnd.x, dimY);
  ArrowHead(dc, crest.x, dimY, -1, 0);
  ArrowHead(dc, crestEnd.x, dimY, 1, 0);
  Line(dc, crestEnd.x + 1, dimY, top.x, dimY);
  ArrowHead(dc, crestEnd.x + 1, dimY, -1, 0);
  ArrowHead(dc, top.x, dimY, 1, 0);
  // The angles: i at the toe, beta at the start of the backslope, alpha in
  // front of the toe, each against a level line.
  DashedLine(dc, toe.x, toe.y, toe.x + 45, toe.y);
  DashedLine(dc, crestEnd.x, crestEnd.y, crestEnd.x + 60, crestEnd.y);
  DashedLine(dc, toe.x, toe.y, groundLeft.x + 10, toe.y);
  dc.SelectBrush(fw::Brush::Hollow());
  const double faceAngle = std::atan2(toe.y - crest.y, crest.x - toe.x) * 180.0 / kPi;
  const double backslopeAngle = std::atan2(crestEnd.y - top.y, top.x - crestEnd.x) * 180.0 / kPi;
  const double groundAngle = std::atan2(groundLeft.y - toe.y, toe.x - groundLeft.x) * 180.0 / kPi;
  ArcLine(dc, toe.x, toe.y, 24, 0.0, faceAngle);
  ArcLine(dc, crestEnd.x, crestEnd.y, 40, 0.0, backslopeAngle);
  ArcLine(dc, toe.x, toe.y, 40, 180.0, 180.0 + groundAngle);

  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(MakeFont("Times New Roman", 15, false, true));
  CentredText(dc, hx - 11, (crest.y + toe.y) / 2, "H");
  CentredText(dc, toe.x + 32, toe.y - 9, "i");
  CentredText(dc, (crest.x + crestEnd.x) / 2, dimY + 9, "A");
  CentredText(dc, (crestEnd.x + top.x) / 2, dimY + 9, "B");
  dc.SelectFont(MakeFont("Symbol", 15, false, true));
  CentredText(dc, crestEnd.x + 52, crestEnd.y - 7, "b");
  const double alphaLabel = (180.0 + groundAngle / 2.0) * kPi / 180.0;
  CentredText(dc, Round(toe.x + 58 * std::cos(alphaLabel)), Round(toe.y - 58 * std::sin(alphaLabel)) - 1, "a");
}

// ---- the absolute orientation's symbol ---------------------------------------------

void DrawAorSymbol(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kDialogGrey);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(MakeFont("Symbol", 13, false, true));
  CentredText(dc, width / 2, height / 2, "q");
}

// ---- the general information's emblem ----------------------------------------------

const PictureRegistration registration({
    Picture{kPictureTruncateUp, "TRUNCATEU", 68, 41, kDialogGrey, &DrawFace<DrawTruncate, Face::kUp>},
    Picture{kPictureTruncateDown, "TRUNCATED", 68, 41, kDialogGrey, &DrawFace<DrawTruncate, Face::kDown>},
    Picture{kPictureTruncateFocused, "TRUNCATEF", 68, 41, kDialogGrey, &DrawFace<DrawTruncate, Face::kFocused>},
    Picture{kPictureQuestionUp, "QUESTIONU", 32, 32, kDialogGrey, &DrawFace<DrawQuestion, Face::kUp>},
    Picture{kPictureQuestionDown, "QUESTIOND", 32, 32, kDialogGrey, &DrawFace<DrawQuestion, Face::kDown>},
    Picture{kPictureQuestionFocused, "QUESTIONF", 32, 32, kDialogGrey, &DrawFace<DrawQuestion, Face::kFocused>},
    Picture{kPictureGeometryDefinition, "GEOMETRY_DEFINITION", 420, 112, kDialogGrey, &DrawGeometryDefinition},
    Picture{kPictureAorSymbol, "AOR_SYMBOL", 15, 16, kDialogGrey, &DrawAorSymbol},
});

}  // namespace

}  // namespace tervane::res
