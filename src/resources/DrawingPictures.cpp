// The pictures of the results drawings, drawn in code: the faces of the
// BITMAP_FILE, CALL_PAINT, CALL_DXF, SCALE_LARGE and SCALE_SMALL buttons, the
// Greek symbols and the two figures of the geometry details, the figure and
// the two button pictures of the explanation of compound surfaces.
//
// Like every picture, each fills its area with its background first, uses
// only the device context's own operations and leaves it as it found it.

#include <cmath>
#include <string>
#include <vector>

#include "resources/DrawingResources.h"
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
using picture::Line;
using picture::MakeFont;
using picture::SavedState;

constexpr fw::ColorRef kGrey = picture::kDialogGrey;
constexpr fw::ColorRef kInk = fw::RGB(0, 0, 128);
constexpr fw::ColorRef kSoil = fw::RGB(255, 204, 51);
constexpr fw::ColorRef kRetained = fw::RGB(255, 214, 121);
constexpr fw::ColorRef kFoundation = fw::RGB(223, 217, 138);
constexpr fw::ColorRef kCompound = fw::RGB(80, 0, 255);
constexpr fw::ColorRef kLayerCompound = fw::RGB(255, 128, 0);
constexpr double kPi = 3.14159265358979323846;

int Round(double v) { return static_cast<int>(std::lround(v)); }

// A filled arrow head at `tip`, pointing along (dx, dy) (a unit vector).
void ArrowHead(DeviceContext& dc, Point tip, double dx, double dy, double length = 5, double half = 2.5) {
  const Point a{Round(tip.x - length * dx - half * dy), Round(tip.y - length * dy + half * dx)};
  const Point b{Round(tip.x - length * dx + half * dy), Round(tip.y - length * dy - half * dx)};
  const Point head[] = {tip, a, b};
  dc.Polygon(head);
}

// An arc around (cx, cy) of radius r from angle a0 to a1 (degrees,
// counter-clockwise on the screen, y down).
void ArcLine(DeviceContext& dc, int cx, int cy, int r, double a0, double a1) {
  std::vector<Point> points;
  const int steps = 12;
  for (int k = 0; k <= steps; ++k) {
    const double a = (a0 + (a1 - a0) * k / steps) * kPi / 180.0;
    points.push_back(Point{Round(cx + r * std::cos(a)), Round(cy - r * std::sin(a))});
  }
  dc.Polyline(points);
}

// A quadratic curve from p0 over the control point c to p1.
void Curve(DeviceContext& dc, Point p0, Point c, Point p1) {
  std::vector<Point> points;
  const int steps = 24;
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps, u = 1 - t;
    points.push_back(Point{Round(u * u * p0.x + 2 * u * t * c.x + t * t * p1.x),
                           Round(u * u * p0.y + 2 * u * t * c.y + t * t * p1.y)});
  }
  dc.Polyline(points);
}

// ---- the button faces -------------------------------------------------------------

void Caption(DeviceContext& dc, int x, int y, const char* text, int size, int shift) {
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(kInk);
  dc.SelectFont(MakeFont("Arial", size, true));
  CentredText(dc, x + shift, y + shift, text);
}

// A framed little landscape: what a bitmap file holds.
void BitmapIcon(DeviceContext& dc, int x, int y) {
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(170, 210, 255)));
  dc.Rectangle(x, y, x + 22, y + 17);
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(0, 120, 0)));
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(60, 170, 60)));
  const Point hill[] = {{x + 1, y + 16}, {x + 8, y + 7}, {x + 13, y + 12}, {x + 16, y + 9}, {x + 21, y + 16}};
  dc.Polygon(hill);
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(230, 160, 0)));
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(255, 220, 0)));
  dc.Ellipse(x + 14, y + 2, x + 19, y + 7);
}

// A button face with an icon at iconX, centred in height, and a caption
// centred right of textLeft; pressed, both move a pixel down and right.
struct IconButton {
  void (*icon)(DeviceContext& dc, int x, int y);
  int iconX;
  int iconHeight;
  int textLeft;
  const char* caption;
  int captionSize;
};

void DrawIconButton(DeviceContext& dc, int width, int height, Face face, const IconButton& button) {
  const SavedState saved(dc);
  picture::ButtonFace(dc, width, height, face);
  const int shift = face == Face::kDown ? 1 : 0;
  button.icon(dc, button.iconX + shift, (height - button.iconHeight) / 2 + shift);
  Caption(dc, button.textLeft + (width - button.textLeft) / 2, height / 2, button.caption, button.captionSize,
          shift);
}

void DrawBitmapFile(DeviceContext& dc, int width, int height, Face face) {
  DrawIconButton(dc, width, height, face, {&BitmapIcon, 8, 17, 36, "Save as bitmap file", 11});
}

// A painter's palette with three colours and its thumb hole.
void PaletteIcon(DeviceContext& dc, int x, int y) {
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(120, 80, 30)));
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(235, 200, 150)));
  dc.Ellipse(x, y, x + 19, y + 15);
  const fw::ColorRef dots[] = {fw::RGB(255, 0, 0), fw::RGB(0, 0, 255), fw::RGB(0, 170, 0)};
  const Point at[] = {{x + 4, y + 3}, {x + 9, y + 2}, {x + 13, y + 5}};
  for (int i = 0; i < 3; ++i) {
    dc.SelectPen(fw::Pen::Solid(1, dots[i]));
    dc.SelectBrush(fw::Brush::Solid(dots[i]));
    dc.Ellipse(at[i].x, at[i].y, at[i].x + 4, at[i].y + 4);
  }
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(120, 80, 30)));
  dc.SelectBrush(fw::Brush::Solid(picture::kButtonFace));
  dc.Ellipse(x + 5, y + 9, x + 9, y + 13);
}

void DrawCallPaint(DeviceContext& dc, int width, int height, Face face) {
  DrawIconButton(dc, width, height, face, {&PaletteIcon, 5, 15, 27, "Image editor", 10});
}

// A set square on a sheet: a drawing for CAD.
void DraftIcon(DeviceContext& dc, int x, int y) {
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
  dc.Rectangle(x, y, x + 17, y + 15);
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(0, 0, 200)));
  dc.SelectBrush(fw::Brush::Hollow());
  const Point square[] = {{x + 3, y + 12}, {x + 3, y + 3}, {x + 13, y + 12}};
  dc.Polygon(square);
  dc.SelectPen(fw::Pen::Solid(1, fw::RGB(200, 0, 0)));
  Line(dc, x + 2, y + 13, x + 15, y + 2);
}

void DrawCallDxf(DeviceContext& dc, int width, int height, Face face) {
  DrawIconButton(dc, width, height, face, {&DraftIcon, 6, 15, 27, "DXF file", 10});
}

// A magnifying glass with "+" (larger) or "-" (smaller).
void DrawScale(DeviceContext& dc, int width, int height, Face face, bool larger) {
  const SavedState saved(dc);
  picture::ButtonFace(dc, width, height, face);
  const int s = face == Face::kDown ? 1 : 0;
  dc.SelectPen(fw::Pen::Solid(3, fw::RGB(90, 60, 30)));
  Line(dc, 15 + s, 15 + s, 20 + s, 20 + s);
  dc.SelectPen(fw::Pen::Solid(2, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(235, 245, 255)));
  dc.Ellipse(4 + s, 4 + s, 18 + s, 18 + s);
  dc.SelectPen(fw::Pen::Solid(2, kInk));
  Line(dc, 7 + s, 11 + s, 15 + s, 11 + s);
  if (larger) Line(dc, 11 + s, 7 + s, 11 + s, 15 + s);
}

void DrawScaleLarge(DeviceContext& dc, int w, int h, Face face) { DrawScale(dc, w, h, face, true); }
void DrawScaleSmall(DeviceContext& dc, int w, int h, Face face) { DrawScale(dc, w, h, face, false); }

// ---- the geometry details -----------------------------------------------------------

// One Greek letter as the Symbol face shows it ("b" beta, "a" alpha).
void DrawGreek(DeviceContext& dc, int width, int height, const char* latin) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kGrey);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(MakeFont("Symbol", 13));
  CentredText(dc, width / 2, height / 2, latin);
}

void DrawBetaSymbol(DeviceContext& dc, int w, int h) { DrawGreek(dc, w, h, "b"); }
void DrawAlphaSymbol(DeviceContext& dc, int w, int h) { DrawGreek(dc, w, h, "a"); }

void Label(DeviceContext& dc, int x, int y, const char* text, bool greek = false) {
  dc.SelectFont(greek ? MakeFont("Symbol", 12) : MakeFont("Times New Roman", 12, false, true));
  CentredText(dc, x, y, text);
}

// The slope with the meaning of H, i, A, B, beta and alpha.
void DrawGeometryDetailsSlope(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kGrey);
  const Point left{4, 106}, toe{62, 86}, crest{100, 34}, endA{128, 34}, endB{160, 14}, right{width - 3, 14};
  const Point ground[] = {left, toe, crest, endA, endB, right, {width - 3, height - 3}, {4, height - 3}};
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(kSoil));
  dc.Polygon(ground);

  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  // H: from the toe's level to the crest's, left of the face.
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::kBlack));
  Line(dc, 50, toe.y, 30, toe.y);
  Line(dc, crest.x - 8, crest.y, 30, crest.y);
  Line(dc, 36, toe.y, 36, crest.y);
  ArrowHead(dc, Point{36, crest.y}, 0, -1);
  ArrowHead(dc, Point{36, toe.y}, 0, 1);
  Label(dc, 25, (toe.y + crest.y) / 2, "H");
  // i: the face angle at the toe.
  Line(dc, toe.x, toe.y, toe.x + 30, toe.y);
  ArcLine(dc, toe.x, toe.y, 18, 0, 54);
  Label(dc, toe.x + 25, toe.y - 9, "i");
  // A and B: the crest and the horizontal length of the backslope.
  dc.SetTextColor(kInk);
  Line(dc, crest.x, crest.y - 22, endA.x, crest.y - 22);
  Line(dc, endA.x, crest.y - 22, endB.x, crest.y - 22);
  for (int x : {crest.x, endA.x, endB.x}) Line(dc, x, crest.y - 26, x, crest.y - 18);
  Label(dc, (crest.x + endA.x) / 2, crest.y - 28, "A");
  Label(dc, (endA.x + endB.x) / 2, crest.y - 28, "B");
  // beta: the backslope's angle over B.
  dc.SetTextColor(fw::kBlack);
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  Line(dc, endA.x, endA.y, endA.x + 26, endA.y);
  ArcLine(dc, endA.x, endA.y, 18, 0, 32);
  Label(dc, endA.x + 24, endA.y - 6, "b", true);
  // alpha: the ground falling away in front of the toe, below the level.
  Line(dc, toe.x, toe.y, toe.x - 34, toe.y);
  ArcLine(dc, toe.x, toe.y, 22, 180, 199);
  Label(dc, toe.x - 42, toe.y + 6, "a", true);
}

// The crest and the backslope with the three surcharges.
void DrawSurcharges(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, kGrey);
  const int crestY = 52;
  const Point crest{6, crestY}, endA{64, crestY}, endB{118, 34}, right{width - 3, 34};
  const Point ground[] = {crest, endA, endB, right, {width - 3, height - 2}, {6, height - 2}};
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(kSoil));
  dc.Polygon(ground);

  struct Load {
    const char* name;
    int x0, x1;
    fw::ColorRef colour;
  };
  const Load loads[] = {{"Q1", endA.x - 52, endA.x - 2, fw::RGB(0, 128, 0)},
                        {"Q2", endA.x + 4, endB.x - 4, fw::RGB(255, 0, 0)},
                        {"Q3", endB.x + 6, width - 8, fw::RGB(128, 0, 128)}};
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Arial", 11, true));
  for (const Load& q : loads) {
    dc.SelectPen(fw::Pen::Solid(1, q.colour));
    dc.SelectBrush(fw::Brush::Solid(q.colour));
    for (int x = q.x0; x <= q.x1; x += 10) {
      // The ground under the arrow: level, or rising along the backslope.
      int y = crestY;
      if (x > endA.x && x < endB.x) y = crestY + (endB.y - crestY) * (x - endA.x) / (endB.x - endA.x);
      if (x >= endB.x) y = endB.y;
      Line(dc, x, y - 14, x, y - 2);
      ArrowHead(dc, Point{x, y - 1}, 0, 1, 4, 2);
    }
    dc.SetTextColor(q.colour);
    const int top = q.x0 > endA.x ? endB.y : crestY;
    CentredText(dc, (q.x0 + q.x1) / 2, top - 24, q.name);
  }
}

// ---- the explanation of compound surfaces ---------------------------------------------

// A slope with five layers, the compound surfaces through the toe (1) and
// those starting at the layers (2).
void DrawCompoundExplain(DeviceContext& dc, int width, int height) {
  const SavedState saved(dc);
  Fill(dc, 0, 0, width, height, fw::kWhite);
  const Point toe{62, 176}, crest{152, 56};
  const int rearX = 222;
  // Foundation, retained soil, reinforced zone.
  dc.SelectPen(fw::Pen::Solid(1, kFoundation));
  dc.SelectBrush(fw::Brush::Solid(kFoundation));
  dc.Rectangle(2, toe.y, width - 2, height - 2);
  dc.SelectPen(fw::Pen::Solid(1, kRetained));
  dc.SelectBrush(fw::Brush::Solid(kRetained));
  dc.Rectangle(rearX, crest.y, width - 2, toe.y + 1);
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(kSoil));
  const Point zone[] = {toe, crest, {rearX, crest.y}, {rearX, toe.y}};
  dc.Polygon(zone);
  Line(dc, 2, toe.y, toe.x, toe.y);
  Line(dc, rearX, crest.y, width - 2, crest.y);

  // Five layers from the face to the rear of the zone.
  const int layers = 5;
  std::vector<Point> fronts;
  dc.SelectPen(fw::Pen::Solid(2, fw::kWhite));
  for (int k = 0; k < layers; ++k) {
    const int y = toe.y - 10 - k * 24;
    const int x = toe.x + (crest.x - toe.x) * (toe.y - y) / (toe.y - crest.y);
    fronts.push_back(Point{x, y});
    Line(dc, x + 1, y, rearX, y);
  }

  // 1: compound surfaces through the toe, passing below the bottom layer.
  dc.SelectPen(fw::Pen::Solid(1, kCompound));
  for (int i = 0; i < 3; ++i) Curve(dc, toe, Point{toe.x + 110 + 10 * i, toe.y + 10}, Point{228 + 14 * i, crest.y});
  // 2: the outer-most surfaces from where the layers meet the face, out
  // through the crest behind the reinforced zone.
  dc.SelectPen(fw::Pen::Solid(1, kLayerCompound));
  for (int k = 0; k + 1 < layers; ++k) {
    const Point& f = fronts[static_cast<std::size_t>(k)];
    Curve(dc, f, Point{f.x + 62, f.y + 12}, Point{182 + 12 * k, crest.y});
  }

  // The numbers of the two notes beside the surfaces they speak of.
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SelectFont(MakeFont("Arial", 12, true));
  dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
  dc.SelectBrush(fw::Brush::Solid(fw::kWhite));
  const struct {
    Point at;
    const char* n;
    fw::ColorRef colour;
  } marks[] = {{{200, 196}, "1", kCompound}, {{118, 40}, "2", kLayerCompound}};
  for (const auto& m : marks) {
    dc.Ellipse(m.at.x - 9, m.at.y - 9, m.at.x + 10, m.at.y + 10);
    dc.SetTextColor(m.colour);
    CentredText(dc, m.at.x, m.at.y, m.n);
  }
  dc.SelectPen(fw::Pen::Solid(1, kCompound));
  Line(dc, 196, 188, 182, 172);
  dc.SelectPen(fw::Pen::Solid(1, kLayerCompound));
  Line(dc, 124, 48, 140, 66);
}

// The two toggles of the compound surfaces as the dialog shows them.
void DrawToggle(DeviceContext& dc, int width, int height, const char* text) {
  const SavedState saved(dc);
  picture::ButtonFace(dc, width, height, Face::kUp);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetTextColor(fw::kBlack);
  dc.SelectFont(MakeFont("MS Sans Serif", 11));
  CentredText(dc, width / 2, height / 2, text);
}

void DrawToeButton(DeviceContext& dc, int w, int h) { DrawToggle(dc, w, h, "... the Toe"); }
void DrawLayersButton(DeviceContext& dc, int w, int h) { DrawToggle(dc, w, h, "... all layers"); }

constexpr fw::ColorRef kFace = picture::kButtonFace;

const PictureRegistration registration({
    Picture{3201, "BITMAP_FILEU", 157, 29, kFace, &DrawFace<DrawBitmapFile, Face::kUp>},
    Picture{3202, "BITMAP_FILED", 157, 29, kFace, &DrawFace<DrawBitmapFile, Face::kDown>},
    Picture{3203, "BITMAP_FILEF", 157, 29, kFace, &DrawFace<DrawBitmapFile, Face::kFocused>},
    Picture{3204, "CALL_PAINTU", 99, 22, kFace, &DrawFace<DrawCallPaint, Face::kUp>},
    Picture{3205, "CALL_PAINTD", 99, 22, kFace, &DrawFace<DrawCallPaint, Face::kDown>},
    Picture{3206, "CALL_PAINTF", 99, 22, kFace, &DrawFace<DrawCallPaint, Face::kFocused>},
    Picture{3207, "CALL_DXFU", 99, 22, kFace, &DrawFace<DrawCallDxf, Face::kUp>},
    Picture{3208, "CALL_DXFD", 99, 22, kFace, &DrawFace<DrawCallDxf, Face::kDown>},
    Picture{3209, "CALL_DXFF", 99, 22, kFace, &DrawFace<DrawCallDxf, Face::kFocused>},
    Picture{3211, "SCALE_LARGEU", 25, 26, kFace, &DrawFace<DrawScaleLarge, Face::kUp>},
    Picture{3212, "SCALE_LARGED", 25, 26, kFace, &DrawFace<DrawScaleLarge, Face::kDown>},
    Picture{3213, "SCALE_LARGEF", 25, 26, kFace, &DrawFace<DrawScaleLarge, Face::kFocused>},
    Picture{3214, "SCALE_SMALLU", 25, 26, kFace, &DrawFace<DrawScaleSmall, Face::kUp>},
    Picture{3215, "SCALE_SMALLD", 25, 26, kFace, &DrawFace<DrawScaleSmall, Face::kDown>},
    Picture{3216, "SCALE_SMALLF", 25, 26, kFace, &DrawFace<DrawScaleSmall, Face::kFocused>},
    Picture{kPictureBetaSymbol, "BETA_SYMBOL", 12, 16, kGrey, &DrawBetaSymbol},
    Picture{kPictureAlphaSymbol, "ALPHA_SYMBOL", 12, 16, kGrey, &DrawAlphaSymbol},
    Picture{kPictureGeometryDetailsSlope, "GEOMETRY_DETAILS_SLOPE", 186, 110, kGrey, &DrawGeometryDetailsSlope},
    Picture{kPictureSurcharges, "SURCHARGES", 186, 68, kGrey, &DrawSurcharges},
    Picture{kPictureCompoundExplain, "COMPOUND_EXPLAIN", 270, 222, fw::kWhite, &DrawCompoundExplain},
    Picture{kPictureToeButton, "TOE_BUTTON", 67, 26, kFace, &DrawToeButton},
    Picture{kPictureLayersButton, "LAYERS_BUTTON", 67, 26, kFace, &DrawLayersButton},
});

}  // namespace

}  // namespace tervane::res
