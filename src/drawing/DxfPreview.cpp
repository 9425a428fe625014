#include "drawing/DxfPreview.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "framework/Text.h"

namespace tervane {

namespace {

using fw::Brush;
using fw::ColorRef;
using fw::Pen;
using fw::Point;
using fw::RGB;

constexpr ColorRef kBlack = fw::kBlack;
constexpr ColorRef kWhite = fw::kWhite;
constexpr ColorRef kGrey = RGB(222, 222, 222);
constexpr ColorRef kBlue = RGB(0, 0, 255);
constexpr ColorRef kRed = RGB(255, 0, 0);
constexpr ColorRef kYellow = RGB(255, 255, 0);
constexpr ColorRef kSoil = RGB(255, 204, 51);
constexpr ColorRef kWetSoil = RGB(204, 204, 0);
constexpr ColorRef kWater = RGB(166, 202, 240);
constexpr ColorRef kCompound = RGB(80, 0, 255);
constexpr ColorRef kLayerCompound = RGB(255, 128, 0);
constexpr ColorRef kCircle = RGB(0, 255, 0);
constexpr ColorRef kDarkGreen = RGB(0, 128, 0);
constexpr ColorRef kPurple = RGB(128, 0, 128);

// More arrows than fit across any client area at the spacing of 0.014 W.
constexpr int kMaxArrowsPerStretch = 200;

class Preview {
 public:
  Preview(fw::DeviceContext& dc, fw::Size client, const DxfSelection& selection,
          const DxfPreviewScene& scene, LayerStrengthCheck& check)
      : dc_(dc), sel_(selection), scene_(scene), in_(scene.runInput), res_(scene.results),
        check_(check), W_(client.cx), Hc_(client.cy), bw_(scene.colorMode == 1) {
    const double H = in_.slopeHeight;
    S_ = static_cast<double>(Hc_) / H * 0.25;
    toeX_ = 0.5 * W_;
    toeY_ = 0.55 * Hc_;
    F_ = H / std::tan(in_.slopeAngle * kDrawingDegree) * S_;
    V_ = H * S_;
    Ap_ = in_.crestLengthA * S_;
    Bp_ = in_.crestLengthB * S_;
    Rp_ = std::tan(in_.backslopeAngle * kDrawingDegree) * in_.crestLengthB * S_;
    leftGroundY_ = toeY_ + std::tan(in_.bottomSlopeAngle * kDrawingDegree) * toeX_;
    layerCount_ = BoundedLayerCount(scene.layerCount);
  }

  void Paint() {
    const Pen oldPen = dc_.CurrentPen();
    const Brush oldBrush = dc_.CurrentBrush();
    fw::Font font;
    font.face = "MS Sans Serif";
    font.height = fw::PointFontHeight(dc_, 80);
    const fw::Font oldFont = dc_.SelectFont(font);
    dc_.SetTextColor(TextColour());
    dc_.SetBkColor(bw_ ? kWhite : kGrey);

    dc_.SelectPen(Pen::Solid(1, kBlack));
    dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kGrey));
    dc_.Rectangle(0, 0, W_, Hc_);

    if (sel_.exportGeometry == 1) {
      Ground();
      Surcharges();
      if (in_.waterMode == 0) Water();
    }
    ToeMarker();
    DepthLine();
    if (sel_.exportCriticalSurfaces == 1) CriticalSurfaces();
    if (sel_.exportReinforcement == 1) Layers();
    if (sel_.exportLengths == 1) Lengths();
    if (sel_.exportAllTiebackSurfaces == 1) {
      dc_.SelectPen(Pen::Solid(1, kBlack));
      for (int k = 0; k < layerCount_; ++k) Trace(res_.tiebackSurfaceX[k], res_.tiebackSurfaceY[k]);
    }
    if (sel_.exportToeCompoundSurfaces == 1) {
      dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kCompound));
      for (int k = 0; k < layerCount_; ++k) Trace(res_.toeCompoundSurfaceX[k], res_.toeCompoundSurfaceY[k]);
    }
    if (sel_.exportLayerCompoundSurfaces == 1) {
      dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kLayerCompound));
      Trace(res_.outermostCompoundSurfaceX, res_.outermostCompoundSurfaceY);
      for (int k = 0; k < layerCount_; ++k)
        Trace(res_.layerCompoundSurfaceX[k], res_.layerCompoundSurfaceY[k]);
    }
    HeightDimension();

    dc_.SelectFont(oldFont);
    dc_.SelectBrush(oldBrush);
    dc_.SelectPen(oldPen);
  }

 private:
  ColorRef TextColour() const { return bw_ ? kBlack : kBlue; }

  // A world point in metres from the toe, y upwards.
  Point World(double x, double y) const { return fw::MakePoint(toeX_ + S_ * x, toeY_ - S_ * y); }

  void MoveTo(double x, double y) { dc_.MoveTo(fw::MakePoint(x, y)); }
  void LineTo(double x, double y) { dc_.LineTo(fw::MakePoint(x, y)); }

  void Trace(std::span<const double> xs, std::span<const double> ys) {
    std::vector<Point> points;
    const std::size_t n = std::min(xs.size(), ys.size());
    points.reserve(n);
    for (std::size_t j = 0; j < n; ++j) points.push_back(World(xs[j], ys[j]));
    dc_.Polyline(points);
  }

  void Ground() {
    dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kYellow));
    dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : (in_.waterMode == 1 ? kWetSoil : kSoil)));
    const Point toe = fw::MakePoint(toeX_, toeY_);
    std::array<Point, 30> points;
    points.fill(toe);
    points[1] = fw::MakePoint(toeX_ + F_, toeY_ - V_);
    points[2] = fw::MakePoint(toeX_ + F_ + Ap_, toeY_ - V_);
    points[3] = fw::MakePoint(toeX_ + F_ + Ap_ + Bp_, toeY_ - V_ - Rp_);
    points[4] = fw::MakePoint(W_, toeY_ - V_ - Rp_);
    points[5] = fw::MakePoint(W_, Hc_);
    points[6] = fw::MakePoint(0, Hc_);
    points[7] = fw::MakePoint(0, leftGroundY_);
    dc_.Polygon(points);
  }

  // Arrows at start + 0.014 W n while left of the end of the stretch; the
  // loop starts at the left edge of the client area and stops at its right.
  template <class GroundAt>
  void Arrows(double load, double start, double end, ColorRef colour, double perUnit, GroundAt groundAt) {
    const double spacing = 0.014 * W_;
    if (!(load > 0.001) || !(spacing > 0)) return;
    dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : colour));
    const double visibleEnd = std::min(end, W_ + 5.0);
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

  void Surcharges() {
    double q = in_.surchargeQ1 > in_.surchargeQ2 ? in_.surchargeQ1 : in_.surchargeQ2;
    q = q > in_.surchargeQ3 ? q : in_.surchargeQ3;
    const double u = q < 0.001 ? 0.0 : 50.0 / q;
    const double crestY = toeY_ - V_;
    Arrows(in_.surchargeQ1, toeX_ + F_, toeX_ + F_ + Ap_, kDarkGreen, u, [&](double) { return crestY; });
    Arrows(in_.surchargeQ2, toeX_ + F_ + Ap_, toeX_ + F_ + Ap_ + Bp_, kRed, u,
           [&](double along) { return crestY - (along / Bp_) * Rp_; });
    Arrows(in_.surchargeQ3, toeX_ + F_ + Ap_ + Bp_, W_, kPurple, u, [&](double) { return crestY - Rp_; });
  }

  void Water() {
    dc_.SelectPen(Pen::Solid(1, bw_ ? kBlack : kYellow));
    dc_.SelectBrush(Brush::Solid(bw_ ? kWhite : kWater));
    const Point toe = fw::MakePoint(toeX_, toeY_);
    const Point points[] = {
        toe,
        World(in_.phreaticX2, in_.phreaticY2),
        World(in_.phreaticX3, in_.phreaticY3),
        World(in_.phreaticX4, in_.phreaticY4),
        fw::MakePoint(W_, toeY_ - S_ * in_.phreaticY4),
        fw::MakePoint(W_, Hc_),
        fw::MakePoint(0, Hc_),
        fw::MakePoint(0, leftGroundY_),
        toe,
    };
    dc_.Polygon(points);
  }

  void ToeMarker() {
    const ColorRef colour = bw_ ? kWhite : kBlack;
    dc_.SelectPen(Pen::Solid(1, colour));
    dc_.SelectBrush(Brush::Solid(colour));
    dc_.Ellipse(fw::Rect{fw::ToDeviceCoord(toeX_ - 4), fw::ToDeviceCoord(toeY_ - 4),
                         fw::ToDeviceCoord(toeX_ + 4), fw::ToDeviceCoord(toeY_ + 4)});
  }

  // The deepest level the deep-seated search may reach, when it lies inside
  // the client area.
  void DepthLine() {
    const double y = toeY_ + S_ * in_.maxPenetrationDepth;
    if (!(y <= Hc_)) return;
    dc_.SelectPen(Pen::Solid(3, kBlack));
    MoveTo(0, y);
    LineTo(W_, y);
    dc_.SetTextColor(TextColour());
    dc_.SetBkColor(bw_ ? kWhite : kSoil);
    dc_.TextOut(fw::MakePoint(W_ - 0.2 * W_, y - 8), "(Bishop's line)");
  }

  // Colour mode only: a sample line in the element's pen and its name.
  void Legend(int n, const Pen& pen, ColorRef colour, const char* text) {
    if (bw_) return;
    dc_.SelectPen(pen);
    MoveTo(0.7 * W_, 0.62 * Hc_ + 15 * n);
    LineTo(0.79 * W_, 0.62 * Hc_ + 15 * n);
    dc_.SetTextColor(colour);
    dc_.TextOut(fw::MakePoint(0.8 * W_, 0.6 * Hc_ + 15 * n), text);
  }

  void CriticalSurfaces() {
    dc_.SetBkMode(fw::BkMode::Transparent);

    const Pen tieback = Pen::Solid(1, kBlack);
    dc_.SelectPen(tieback);
    Trace(res_.outermostTiebackSurfaceX, res_.outermostTiebackSurfaceY);
    Legend(0, tieback, kBlack, "Tieback");

    if (!bw_) {
      const Pen compound = Pen::Solid(1, kCompound);
      dc_.SelectPen(compound);
      Trace(res_.outermostCompoundSurfaceX, res_.outermostCompoundSurfaceY);
      Legend(1, compound, kCompound, "Compound");
    }

    const Pen wedge = Pen::Solid(1, bw_ ? kBlack : kRed);
    dc_.SelectPen(wedge);
    Trace(res_.directSlidingWedgeX, res_.directSlidingWedgeY);
    Legend(2, wedge, kRed, "Direct sliding");

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
      Legend(3, Pen::Solid(1, kCircle), kDarkGreen, "Bishop's circle");
    }

    dc_.SetBkMode(fw::BkMode::Opaque);
  }

  void Layers() {
    for (int k = 0; k < layerCount_; ++k) {
      const double ratio = check_.ComputeLayerStrengthRatio(in_, res_, k);
      if (bw_)
        dc_.SelectPen(Pen::Solid(1, kBlack));
      else
        dc_.SelectPen(Pen::Solid(2, IsLayerOverstressed(in_, ratio) ? kRed : kWhite));
      const double y = toeY_ - S_ * res_.resultLayerElevation[k];
      MoveTo(toeX_ + S_ * res_.layerFrontX[k] + 1, y);
      LineTo(toeX_ + S_ * res_.layerRearX[k], y);
    }
  }

  // La from the face to the slip surface, then Le behind it in red.
  void Lengths() {
    for (int k = 0; k < layerCount_; ++k) {
      const double y = toeY_ - S_ * res_.resultLayerElevation[k];
      const double x0 = toeX_ + S_ * res_.layerFrontX[k];
      dc_.SelectPen(Pen::Solid(2, bw_ ? kBlack : kWhite));
      MoveTo(x0 + 1, y);
      LineTo(x0 + S_ * res_.lengthToSlipSurface[k], y);
      dc_.SelectPen(Pen::Solid(2, kRed));
      LineTo(x0 + S_ * (res_.embeddedLength[k] + res_.lengthToSlipSurface[k]), y);
    }
  }

  void HeightDimension() {
    dc_.SelectPen(Pen::Solid(1, kBlack));
    MoveTo(toeX_ - 10, toeY_);
    LineTo(toeX_ - 50, toeY_);
    MoveTo(toeX_ - 10 + F_, toeY_ - V_);
    LineTo(toeX_ - 50, toeY_ - V_);
    MoveTo(toeX_ - 35, toeY_);
    LineTo(toeX_ - 35, toeY_ - V_);
    MoveTo(toeX_ - 38, toeY_ - 10);
    LineTo(toeX_ - 35, toeY_);
    LineTo(toeX_ - 32, toeY_ - 10);
    MoveTo(toeX_ - 38, toeY_ - V_ + 10);
    LineTo(toeX_ - 35, toeY_ - V_);
    LineTo(toeX_ - 32, toeY_ - V_ + 10);
    const std::string label = Format("H=%.2f", in_.slopeHeight * scene_.lengthUnitFactor) +
                              (scene_.unitSystem == 1 ? " ft" : " m");
    dc_.SetTextColor(kBlack);
    dc_.SetBkColor(bw_ ? kWhite : kGrey);
    dc_.TextOut(fw::MakePoint(toeX_ - 70, toeY_ - V_ / 2 - 10), label);
  }

  fw::DeviceContext& dc_;
  const DxfSelection& sel_;
  const DxfPreviewScene& scene_;
  const ProjectInput& in_;
  const AnalysisResults& res_;
  LayerStrengthCheck& check_;
  int W_;
  int Hc_;
  bool bw_;
  int layerCount_ = 0;
  double S_ = 0;
  double toeX_ = 0;
  double toeY_ = 0;
  double F_ = 0;
  double V_ = 0;
  double Ap_ = 0;
  double Bp_ = 0;
  double Rp_ = 0;
  double leftGroundY_ = 0;
};

}  // namespace

void PaintDxfPreview(fw::DeviceContext& dc, fw::Size client, const DxfSelection& selection,
                     const DxfPreviewScene& scene, LayerStrengthCheck& check) {
  Preview(dc, client, selection, scene, check).Paint();
}

}  // namespace tervane
