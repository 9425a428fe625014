#include "drawing/SectionPainter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "drawing/DxfDrawing.h"
#include "framework/Text.h"

namespace tervane {

namespace {

using fw::Brush;
using fw::ColorRef;
using fw::Pen;
using fw::Point;
using namespace section;

constexpr ColorRef kBlack = fw::kBlack;
constexpr ColorRef kWhite = fw::kWhite;

// More arrows than fit across any client area at the spacing of 0.014 W.
constexpr int kMaxArrowsPerStretch = 200;
// Points of the retained-soil outline: two at toe level, one per layer, the
// ground above the top layer with what follows it, and the right edge.
constexpr std::size_t kRetainedSoilPoints = 118;

}  // namespace

PaintScope::PaintScope(fw::DeviceContext& dc, bool blackAndWhite)
    : dc_(dc), pen_(dc.CurrentPen()), brush_(dc.CurrentBrush()) {
  fw::Font font;
  font.face = "MS Sans Serif";
  font.height = fw::PointFontHeight(dc, 80);
  font_ = dc.SelectFont(font);
  dc.SetTextColor(blackAndWhite ? kBlack : kBlue);
  dc.SetBkColor(blackAndWhite ? kWhite : kGrey);
}

PaintScope::~PaintScope() {
  dc_.SelectFont(font_);
  dc_.SelectBrush(brush_);
  dc_.SelectPen(pen_);
}

SectionPainter::SectionPainter(fw::DeviceContext& dc, const ProjectInput& runInput,
                               const AnalysisResults& results, const SectionGeometry& geometry, bool blackAndWhite)
    : dc_(dc), in_(runInput), res_(results), g_(geometry), bw_(blackAndWhite) {}

ColorRef SectionPainter::TextColour() const { return bw_ ? kBlack : kBlue; }

Point SectionPainter::World(double x, double y) const { return fw::MakePoint(g_.toeX + g_.s * x, g_.toeY - g_.s * y); }

void SectionPainter::MoveTo(double x, double y) { dc_.MoveTo(fw::MakePoint(x, y)); }
void SectionPainter::LineTo(double x, double y) { dc_.LineTo(fw::MakePoint(x, y)); }

void SectionPainter::Trace(std::span<const double> xs, std::span<const double> ys) {
  std::vector<Point> points;
  const std::size_t n = std::min(xs.size(), ys.size());
  points.reserve(n);
  for (std::size_t j = 0; j < n; ++j) points.push_back(World(xs[j], ys[j]));
  dc_.Polyline(points);
}

double SectionPainter::LeftGroundY() const {
  return g_.toeY + std::tan(in_.bottomSlopeAngle * kDrawingDegree) * (g_.toeX - g_.left);
}

void SectionPainter::Background(const fw::Rect& rect) {
  dc_.SelectPen(Pen::Solid(1, kBlack));
  dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kGrey));
  dc_.Rectangle(rect);
}

void SectionPainter::Ground() {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kYellow));
  dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : (in_.waterMode == 1 ? kWetSoil : kSoil)));
  const Point toe = fw::MakePoint(g_.toeX, g_.toeY);
  std::array<Point, 30> points;
  points.fill(toe);
  points[1] = fw::MakePoint(g_.toeX + g_.Fp, g_.toeY - g_.Hp);
  points[2] = fw::MakePoint(g_.toeX + g_.Fp + g_.Ap, g_.toeY - g_.Hp);
  points[3] = fw::MakePoint(g_.toeX + g_.Fp + g_.Ap + g_.Bp, g_.toeY - g_.Hp - g_.Rp);
  points[4] = fw::MakePoint(g_.right, g_.toeY - g_.Hp - g_.Rp);
  points[5] = fw::MakePoint(g_.right, g_.bottom);
  points[6] = fw::MakePoint(g_.left, g_.bottom);
  points[7] = fw::MakePoint(g_.left, LeftGroundY());
  dc_.Polygon(points);
}

void SectionPainter::RetainedSoil(int layerCount) {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kRetainedSoil));
  dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kRetainedSoil));
  const double toeX = g_.toeX, toeY = g_.toeY, s = g_.s;
  std::vector<Point> points;
  points.reserve(kRetainedSoilPoints);
  points.push_back(fw::MakePoint(g_.right, toeY));
  // Without layers the rear boundary is the toe itself.
  const double lowestRear = layerCount > 0 ? res_.layerRearX[0] : 0.0;
  points.push_back(fw::MakePoint(toeX + s * lowestRear, toeY));
  for (int k = 0; k < layerCount; ++k)
    points.push_back(fw::MakePoint(toeX + s * res_.layerRearX[k], toeY - s * res_.resultLayerElevation[k]));

  // The ground straight above the top layer's rear end, and the corners of
  // the ground that follow it.
  const double r = layerCount > 0 ? s * res_.layerRearX[layerCount - 1] : 0.0;
  const Point crest = fw::MakePoint(toeX + g_.Fp, toeY - g_.Hp);
  const Point endOfA = fw::MakePoint(toeX + g_.Fp + g_.Ap, toeY - g_.Hp);
  const Point endOfB = fw::MakePoint(toeX + g_.Fp + g_.Ap + g_.Bp, toeY - g_.Hp - g_.Rp);
  double lastY = 0;
  if (r < g_.Fp) {
    points.push_back(fw::MakePoint(toeX + r, toeY - r / g_.Fp * g_.Hp));
    points.insert(points.end(), {crest, endOfA, endOfB});
    lastY = toeY - g_.Hp - g_.Rp;
  } else if (r < g_.Fp + g_.Ap) {
    points.push_back(fw::MakePoint(toeX + r, toeY - g_.Hp));
    points.insert(points.end(), {endOfA, endOfB});
    lastY = toeY - g_.Hp - g_.Rp;
  } else if (r < g_.Fp + g_.Ap + g_.Bp) {
    lastY = toeY - g_.Hp - (r - g_.Fp - g_.Ap) / g_.Bp * g_.Rp;
    points.push_back(fw::MakePoint(toeX + r, lastY));
    points.push_back(endOfB);
    lastY = toeY - g_.Hp - g_.Rp;
  } else {
    lastY = toeY - g_.Hp - g_.Rp;
    points.push_back(fw::MakePoint(toeX + r, lastY));
  }
  points.push_back(fw::MakePoint(g_.right, lastY));
  const Point last = points.back();
  points.resize(kRetainedSoilPoints, last);
  dc_.Polygon(points);
}

void SectionPainter::Foundation() {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kFoundationSoil));
  dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kFoundationSoil));
  const Point points[] = {
      fw::MakePoint(g_.right, g_.toeY),
      fw::MakePoint(g_.right, g_.bottom),
      fw::MakePoint(g_.left, g_.bottom),
      fw::MakePoint(g_.left, LeftGroundY()),
      fw::MakePoint(g_.toeX, g_.toeY),
  };
  dc_.Polygon(points);
}

// Arrows at start + 0.014 W n while left of the end of the stretch; the
// loop starts at the left edge of the client area and stops at its right.
template <class GroundAt>
void SectionPainter::Arrows(double load, double start, double end, ColorRef colour, double perUnit,
                            GroundAt groundAt) {
  const double spacing = 0.014 * g_.width;
  if (!(load > 0.001) || !(spacing > 0)) return;
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : colour));
  const double visibleEnd = std::min(end, g_.width + 5.0);
  const double first = start < -5.0 ? std::ceil((-5.0 - start) / spacing) : 0.0;
  for (int k = 0; k < kMaxArrowsPerStretch; ++k) {
    const double n = first + k;
    const double x = start + spacing * n;
    if (!(x < visibleEnd)) break;
    const double y = groundAt(spacing * n);
    MoveTo(x, y);
    LineTo(x, y - perUnit * load);
    MoveTo(x - 5, y - 10);
    LineTo(x, y);
    LineTo(x + 5, y - 10);
  }
}

void SectionPainter::Surcharges() {
  double q = in_.surchargeQ1 > in_.surchargeQ2 ? in_.surchargeQ1 : in_.surchargeQ2;
  q = q > in_.surchargeQ3 ? q : in_.surchargeQ3;
  const double u = q < 0.001 ? 0.0 : 50.0 / q;
  const double toeX = g_.toeX;
  const double crestY = g_.toeY - g_.Hp;
  Arrows(in_.surchargeQ1, toeX + g_.Fp, toeX + g_.Fp + g_.Ap, kDarkGreen, u, [&](double) { return crestY; });
  Arrows(in_.surchargeQ2, toeX + g_.Fp + g_.Ap, toeX + g_.Fp + g_.Ap + g_.Bp, kRed, u,
         [&](double along) { return crestY - (along / g_.Bp) * g_.Rp; });
  Arrows(in_.surchargeQ3, toeX + g_.Fp + g_.Ap + g_.Bp, g_.right, kPurple, u,
         [&](double) { return crestY - g_.Rp; });
}

void SectionPainter::Water() {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kYellow));
  dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kWater));
  const Point toe = fw::MakePoint(g_.toeX, g_.toeY);
  const Point points[] = {
      toe,
      World(in_.phreaticX2, in_.phreaticY2),
      World(in_.phreaticX3, in_.phreaticY3),
      World(in_.phreaticX4, in_.phreaticY4),
      fw::MakePoint(g_.right, g_.toeY - g_.s * in_.phreaticY4),
      fw::MakePoint(g_.right, g_.bottom),
      fw::MakePoint(g_.left, g_.bottom),
      fw::MakePoint(g_.left, LeftGroundY()),
      toe,
  };
  dc_.Polygon(points);
}

void SectionPainter::ToeDot() {
  const ColorRef colour = bw_ ? kWhite : kBlack;
  dc_.SelectPen(Pen::Solid(1, colour));
  dc_.SelectBrush(Brush::Solid(colour));
  dc_.Ellipse(fw::Rect{fw::ToDeviceCoord(g_.toeX - 4), fw::ToDeviceCoord(g_.toeY - 4),
                       fw::ToDeviceCoord(g_.toeX + 4), fw::ToDeviceCoord(g_.toeY + 4)});
}

void SectionPainter::DepthLine(double labelX) {
  const double y = g_.toeY + g_.s * in_.maxPenetrationDepth;
  if (!(y <= g_.bottom)) return;
  dc_.SelectPen(Pen::Solid(3, kBlack));
  MoveTo(g_.left, y);
  LineTo(g_.right, y);
  dc_.SetTextColor(TextColour());
  dc_.SetBkColor(bw_ ? kWhite : kSoil);
  dc_.TextOut(fw::MakePoint(labelX, y - 8), "(Bishop's line)");
}

// Colour mode only: a sample line in the element's pen and its name.
void SectionPainter::Legend(int k, const Pen& pen, ColorRef colour, const char* text, double lineY, double textY) {
  if (bw_) return;
  const double W = g_.width;
  dc_.SelectPen(pen);
  MoveTo(0.7 * W, lineY + 15 * k);
  LineTo(0.79 * W, lineY + 15 * k);
  dc_.SetTextColor(colour);
  dc_.TextOut(fw::MakePoint(0.8 * W, textY + 15 * k), text);
}

void SectionPainter::CriticalSurfaces(double legendLineY, double legendTextY) {
  dc_.SetBkMode(fw::BkMode::Transparent);

  const Pen tieback = Pen::Solid(1, kBlack);
  dc_.SelectPen(tieback);
  Trace(res_.outermostTiebackSurfaceX, res_.outermostTiebackSurfaceY);
  Legend(0, tieback, kBlack, "Tieback", legendLineY, legendTextY);

  if (!bw_) {
    const Pen compound = Pen::Solid(1, kCompound);
    dc_.SelectPen(compound);
    Trace(res_.outermostCompoundSurfaceX, res_.outermostCompoundSurfaceY);
    Legend(1, compound, kCompound, "Compound", legendLineY, legendTextY);
  }

  const Pen wedge = Pen::Solid(1, bw_ ? kBlack : kRed);
  dc_.SelectPen(wedge);
  Trace(res_.directSlidingWedgeX, res_.directSlidingWedgeY);
  Legend(2, wedge, kRed, "Direct sliding", legendLineY, legendTextY);

  const ClippedCircle circle = ClipDeepSeatedCircle(in_, res_, 1.0);
  if (circle.drawn) {
    const auto& X = res_.deepSeatedCircleX;
    const auto& Y = res_.deepSeatedCircleY;
    dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kCircle));
    std::vector<Point> arc;
    arc.push_back(World(circle.entryX, circle.entryY));
    for (int j = circle.entryIndex + 1; j < circle.endIndex; ++j) arc.push_back(World(X[j], Y[j]));
    dc_.Polyline(arc);
    if (!circle.leftThroughFace) {
      // The vertical from the end of the arc up to the ground.
      dc_.SelectPen(Pen::Solid(3, bw_ ? kBlack : kDarkGreen));
      dc_.MoveTo(World(X[98], Y[98]));
      dc_.LineTo(World(X[99], Y[99]));
    }
    Legend(3, Pen::Solid(1, kCircle), kDarkGreen, "Bishop's circle", legendLineY, legendTextY);
  }

  dc_.SetBkMode(fw::BkMode::Opaque);
}

void SectionPainter::TiebackSurfaces(int layerCount) {
  dc_.SelectPen(Pen::Solid(1, kBlack));
  for (int k = 0; k < layerCount; ++k) Trace(res_.tiebackSurfaceX[k], res_.tiebackSurfaceY[k]);
}

void SectionPainter::ToeCompoundSurfaces(int layerCount) {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kCompound));
  for (int k = 0; k < layerCount; ++k) Trace(res_.toeCompoundSurfaceX[k], res_.toeCompoundSurfaceY[k]);
}

void SectionPainter::LayerCompoundSurfaces(int layerCount) {
  dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kLayerCompound));
  Trace(res_.outermostCompoundSurfaceX, res_.outermostCompoundSurfaceY);
  for (int k = 0; k < layerCount; ++k) Trace(res_.layerCompoundSurfaceX[k], res_.layerCompoundSurfaceY[k]);
}

void SectionPainter::LayerLine(int k) {
  const double y = g_.toeY - g_.s * res_.resultLayerElevation[k];
  MoveTo(g_.toeX + g_.s * res_.layerFrontX[k] + 1, y);
  LineTo(g_.toeX + g_.s * res_.layerRearX[k], y);
}

void SectionPainter::LayerLengths(int k, double yOffset, const Pen& firstPen) {
  const double y = g_.toeY - g_.s * res_.resultLayerElevation[k] + yOffset;
  const double x0 = g_.toeX + g_.s * res_.layerFrontX[k];
  dc_.SelectPen(firstPen);
  MoveTo(x0 + 1, y);
  LineTo(x0 + g_.s * res_.lengthToSlipSurface[k], y);
  dc_.SelectPen(Pen::Solid(2, kRed));
  LineTo(x0 + g_.s * (res_.embeddedLength[k] + res_.lengthToSlipSurface[k]), y);
}

void SectionPainter::HeightDimension(double lengthUnitFactor, int unitSystem) {
  const double toeX = g_.toeX, toeY = g_.toeY, V = g_.Hp;
  dc_.SelectPen(Pen::Solid(1, kBlack));
  MoveTo(toeX - 10, toeY);
  LineTo(toeX - 50, toeY);
  MoveTo(toeX - 10 + g_.Fp, toeY - V);
  LineTo(toeX - 50, toeY - V);
  MoveTo(toeX - 35, toeY);
  LineTo(toeX - 35, toeY - V);
  MoveTo(toeX - 38, toeY - 10);
  LineTo(toeX - 35, toeY);
  LineTo(toeX - 32, toeY - 10);
  MoveTo(toeX - 38, toeY - V + 10);
  LineTo(toeX - 35, toeY - V);
  LineTo(toeX - 32, toeY - V + 10);
  const std::string label =
      Format("H=%.2f", in_.slopeHeight * lengthUnitFactor) + (unitSystem == 1 ? " ft" : " m");
  dc_.SetTextColor(kBlack);
  dc_.SetBkColor(bw_ ? kWhite : kGrey);
  dc_.TextOut(fw::MakePoint(toeX - 70, toeY - V / 2 - 10), label);
}

}  // namespace tervane
