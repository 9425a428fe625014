#include "common/SlopeSketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tervane {

namespace {

constexpr double kArrowLength = 50.0;  // pixels of the largest load
constexpr double kLeastLoad = 0.001;
constexpr double kArrowSpacing = 0.014;  // of the client width
constexpr double kLeftEdge = 0.385;
constexpr double kRightEdge = 0.985;

double Tan(double degrees) { return std::tan(degrees * kSketchRadiansPerDegree); }

// One arrow: a shaft from the ground up by its length and a head pointing
// down onto the ground at (x, y).
void Arrow(fw::DeviceContext& dc, double x, double y, double length) {
  dc.MoveTo(fw::MakePoint(x, y));
  dc.LineTo(fw::MakePoint(x, y - length));
  dc.MoveTo(fw::MakePoint(x - 5.0, y - 10.0));
  dc.LineTo(fw::MakePoint(x, y));
  dc.LineTo(fw::MakePoint(x + 5.0, y - 10.0));
}

// A row of arrows at x = x0 + k d for k = 0, 1, 2, ... while x < x1, with the
// ground at yAt(k). Only arrows inside the window [0, edge) are drawn, so a
// row holds at most edge / d + 1 arrows whatever x0 and x1 are.
template <class GroundAt>
void ArrowRow(fw::DeviceContext& dc, double x0, double x1, double d, double edge, double length,
              GroundAt yAt) {
  if (!(d > 0.0) || !std::isfinite(x0)) return;
  const double end = x1 < edge ? x1 : edge;  // a NaN end draws nothing
  if (!(x0 < end)) return;
  double k = x0 < 0.0 ? std::ceil(-x0 / d) : 0.0;
  const int most = static_cast<int>(std::min(edge / d, 1e6)) + 2;
  for (int n = 0; n < most; ++n, k += 1.0) {
    const double x = x0 + k * d;
    if (!(x < end)) break;
    if (x >= 0.0) Arrow(dc, x, yAt(k), length);
  }
}

}  // namespace

void PaintSlopeSketch(fw::DeviceContext& dc, const SlopeSketch& sketch, int clientWidth, int clientHeight) {
  const SketchSlope& p = sketch.slope;
  const SketchStyle& style = sketch.style;
  // Without a positive height the scale has no meaning; an empty window shows nothing.
  if (!(p.height > 0.0) || clientWidth <= 0 || clientHeight <= 0) return;

  const double w = clientWidth;
  const double h = clientHeight;
  dc.Save();
  fw::Font font;
  font.face = "MS Sans Serif";
  font.height = fw::PointFontHeight(dc, 80);
  dc.SelectFont(font);
  dc.SelectBrush(fw::Brush::Solid(fw::RGB(222, 222, 222)));

  // Scale: the slope's height takes a quarter of the client height.
  const double s = 0.25 * h / p.height;
  const double rise = s * p.height;
  double faceAngle = p.slopeAngle;
  if (style.minimumFaceAngle > 0.0 && faceAngle < style.minimumFaceAngle) faceAngle = style.minimumFaceAngle;
  const double face = p.height / Tan(faceAngle) * s;
  const double a = s * p.crestA;
  const double b = s * p.crestB;
  const double r = Tan(p.backslopeAngle) * p.crestB * s;

  const double tx = 0.5 * w;
  const double ty = style.toeFraction * h;
  const double xR = kRightEdge * w;
  const double xL = kLeftEdge * w;
  const double yB = style.bottomFraction * h;
  const double yL = ty + Tan(p.bottomSlopeAngle) * (tx - xL);
  const double crestY = ty - rise;
  const double topY = ty - rise - r;

  // The soil body.
  std::vector<fw::Point> soil = {
      fw::MakePoint(tx, ty),           fw::MakePoint(tx + face, crestY),
      fw::MakePoint(tx + face + a, crestY), fw::MakePoint(tx + face + a + b, topY),
      fw::MakePoint(xR, topY),         fw::MakePoint(xR, yB),
      fw::MakePoint(xL, yB),           fw::MakePoint(xL, yL),
      fw::MakePoint(tx, ty),
  };
  while (static_cast<int>(soil.size()) < style.soilPolygonPoints) soil.push_back(soil.front());
  dc.SelectPen(fw::Pen::Solid(1, kSketchOutline));
  dc.SelectBrush(fw::Brush::Solid(style.soilFill));
  dc.Polygon(soil);

  // The surcharges, in proportion to the largest.
  const double qMax = std::max({p.q1, p.q2, p.q3});
  const double perLoad = qMax >= kLeastLoad ? kArrowLength / qMax : 0.0;
  const double d = kArrowSpacing * w;
  const double crestStart = tx + face;
  const double backslopeStart = crestStart + a;
  const double backslopeEnd = backslopeStart + b;
  if (p.q1 > kLeastLoad) {
    dc.SelectPen(fw::Pen::Solid(1, style.arrowPens[0]));
    ArrowRow(dc, crestStart, backslopeStart, d, w, perLoad * p.q1, [&](double) { return crestY; });
  }
  if (p.q2 > kLeastLoad) {
    dc.SelectPen(fw::Pen::Solid(1, style.arrowPens[1]));
    // The row is empty when B is 0, before any division by b.
    ArrowRow(dc, backslopeStart, backslopeEnd, d, w, perLoad * p.q2,
             [&](double k) { return crestY - (k * d / b) * r; });
  }
  if (p.q3 > kLeastLoad) {
    dc.SelectPen(fw::Pen::Solid(1, style.arrowPens[2]));
    ArrowRow(dc, backslopeEnd, xR, d, w, perLoad * p.q3, [&](double) { return topY; });
  }

  // The phreatic surface over the soil, level beyond its last point.
  if (sketch.water) {
    const SketchWater& q = *sketch.water;
    const std::vector<fw::Point> water = {
        fw::MakePoint(tx, ty),
        fw::MakePoint(tx + s * q.x2, ty - s * q.y2),
        fw::MakePoint(tx + s * q.x3, ty - s * q.y3),
        fw::MakePoint(tx + s * q.x4, ty - s * q.y4),
        fw::MakePoint(xR, ty - s * q.y4),
        fw::MakePoint(xR, yB),
        fw::MakePoint(xL, yB),
        fw::MakePoint(xL, yL),
        fw::MakePoint(tx, ty),
    };
    dc.SelectPen(fw::Pen::Solid(1, kSketchOutline));
    dc.SelectBrush(fw::Brush::Solid(kSketchWater));
    dc.Polygon(water);
  }

  // The origin of the phreatic coordinates at the toe.
  if (style.markOrigin) {
    dc.SetTextColor(fw::kBlack);
    dc.SetBkColor(style.labelBackground);
    dc.SetBkMode(fw::BkMode::Opaque);
    dc.TextOut(fw::MakePoint(tx - 0.08 * w, ty - 0.04 * h), "(X=0, Y=0)");
    dc.SelectPen(fw::Pen::Solid(1, fw::kBlack));
    dc.SelectBrush(fw::Brush::Solid(fw::kBlack));
    dc.Ellipse(fw::Rect{fw::ToDeviceCoord(tx - 4.0), fw::ToDeviceCoord(ty - 4.0), fw::ToDeviceCoord(tx + 4.0),
                        fw::ToDeviceCoord(ty + 4.0)});
  }
  dc.Restore();
}

SketchSlope SketchSlopeOf(const ProjectInput& input) {
  SketchSlope p;
  p.height = input.slopeHeight;
  p.slopeAngle = input.slopeAngle;
  p.crestA = input.crestLengthA;
  p.crestB = input.crestLengthB;
  p.backslopeAngle = input.backslopeAngle;
  p.bottomSlopeAngle = input.bottomSlopeAngle;
  p.q1 = input.surchargeQ1;
  p.q2 = input.surchargeQ2;
  p.q3 = input.surchargeQ3;
  return p;
}

SlopeSketch MainMenuSketch(const ProjectInput& input) {
  SlopeSketch sketch;
  sketch.slope = SketchSlopeOf(input);
  if (input.waterMode == 0) {
    sketch.water = SketchWater{input.phreaticX2, input.phreaticY2, input.phreaticX3,
                               input.phreaticY3, input.phreaticX4, input.phreaticY4};
  }
  SketchStyle& style = sketch.style;
  style.toeFraction = 0.77;
  style.bottomFraction = 0.97;
  style.soilPolygonPoints = 9;
  style.soilFill = input.waterMode == 1 ? kSketchSoilWithPoreWater : kSketchSoil;
  style.arrowPens = kSketchArrowColours;
  style.markOrigin = true;
  style.labelBackground = fw::RGB(204, 236, 255);  // the main menu's blue
  return sketch;
}

SlopeSketch GeometryDialogSketch(const SketchSlope& shown) {
  SlopeSketch sketch;
  sketch.slope = shown;
  SketchStyle& style = sketch.style;
  style.toeFraction = 0.5;
  style.bottomFraction = 0.68;
  style.minimumFaceAngle = 10.0;
  style.soilPolygonPoints = 30;
  style.soilFill = kSketchSoil;
  style.arrowPens = kSketchArrowColours;
  style.markOrigin = false;
  return sketch;
}

SlopeSketch WaterDialogSketch(const ProjectInput& input, int waterMode, const SketchWater& waterInMetres) {
  SlopeSketch sketch;
  sketch.slope = SketchSlopeOf(input);
  if (waterMode == 0) sketch.water = waterInMetres;
  SketchStyle& style = sketch.style;
  style.toeFraction = 0.5;
  style.bottomFraction = 0.77;
  style.soilPolygonPoints = 30;
  style.soilFill = waterMode == 1 ? kSketchSoilWithPoreWater : kSketchSoil;
  style.arrowPens = {kSketchOutline, kSketchOutline, kSketchOutline};
  style.markOrigin = true;
  style.labelBackground = fw::RGB(222, 222, 222);
  return sketch;
}

void PaintMainMenuSketch(fw::DeviceContext& dc, const ProjectInput& input, int clientWidth,
                         int clientHeight) {
  PaintSlopeSketch(dc, MainMenuSketch(input), clientWidth, clientHeight);
}

}  // namespace tervane
