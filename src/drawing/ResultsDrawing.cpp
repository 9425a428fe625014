#include "drawing/ResultsDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/DxfDrawing.h"
#include "drawing/SectionPainter.h"
#include "framework/Text.h"

namespace tervane {

// ---- the view ---------------------------------------------------------------------

void DrawingView::ZoomIn() {
  if (zoomSteps_ >= kMaxZoomSteps) return;
  zoom *= kZoomStep;
  ++zoomSteps_;
}

void DrawingView::ZoomOut() {
  if (zoomSteps_ <= -kMaxZoomSteps) return;
  zoom /= kZoomStep;
  --zoomSteps_;
}

void DrawingView::Reset() {
  zoom = kDefaultZoom;
  zoomSteps_ = 0;
  panX = panY = 0.0;
}

void DrawingView::Pan(int stepsX, int stepsY) {
  panX = std::clamp(panX + kPanStep * stepsX, -kMaxPan, kMaxPan);
  panY = std::clamp(panY + kPanStep * stepsY, -kMaxPan, kMaxPan);
}

void DrawingView::ClickRow(int row, int layerCount) {
  if (row == selectedLayer + 1 || row < 1 || row > layerCount)
    selectedLayer = -1;
  else
    selectedLayer = row - 1;
}

DrawingFrame DrawingFrame::Of(fw::Size client) {
  return DrawingFrame{0.0146 * client.cx, 0.0, 0.983 * client.cx, 0.713 * client.cy};
}

namespace {

using fw::Brush;
using fw::ColorRef;
using fw::Pen;
using namespace section;

constexpr ColorRef kBlack = fw::kBlack;
constexpr ColorRef kWhite = fw::kWhite;

// The view transform of a paint: s = H / slopeHeight x zoom, the toe at
// (0.25 W + panX, toeFraction H + panY), the frame as the soil's edges.
SectionGeometry MakeGeometry(const ProjectInput& in, fw::Size client, const DrawingView& view, double toeFraction,
                             bool raiseRuns) {
  const double W = client.cx, H = client.cy;
  const DrawingFrame frame = DrawingFrame::Of(client);
  SectionGeometry g;
  g.s = H / in.slopeHeight * view.zoom;
  g.toeX = 0.25 * W + view.panX;
  g.toeY = toeFraction * H + view.panY;
  g.Hp = g.s * in.slopeHeight;
  g.Fp = g.s * in.slopeHeight / std::tan(in.slopeAngle * kDrawingDegree);
  g.Ap = g.s * in.crestLengthA;
  g.Bp = g.s * in.crestLengthB;
  g.Rp = g.s * in.crestLengthB * std::tan(in.backslopeAngle * kDrawingDegree);
  if (raiseRuns) {
    if (g.Fp < 1e-7) g.Fp = 1e-7;
    if (g.Bp < 1e-7) g.Bp = 1e-7;
  }
  g.left = frame.left;
  g.right = frame.right;
  g.bottom = frame.bottom;
  g.width = W;
  return g;
}

// Steps 1 to 8 of both drawings: frame, soils, surcharges, water, toe and
// the depth line.
void PaintGround(SectionPainter& section, const ResultsScene& scene, fw::Size client) {
  const DrawingFrame frame = DrawingFrame::Of(client);
  section.Background(fw::Rect{fw::ToDeviceCoord(frame.left), fw::ToDeviceCoord(frame.top),
                              fw::ToDeviceCoord(frame.right + 2), fw::ToDeviceCoord(frame.bottom)});
  section.Ground();
  section.RetainedSoil(scene.layerCount);
  section.Foundation();
  section.Surcharges();
  if (scene.runInput.waterMode == 0) section.Water();
  section.ToeDot();
  section.DepthLine(frame.right - 0.2 * client.cx);
}

// The start of one paint of either drawing: the paint scope, the section in
// the drawing's view transform and steps 1 to 8 painted, for the run's
// layers bounded to the rows of the records. The members are made in this
// order and the scope, made before the section, ends after it.
struct GroundedPaint {
  GroundedPaint(fw::DeviceContext& dc, fw::Size client, const DrawingView& view, const ResultsScene& scene,
                double toeFraction, bool raiseRuns)
      : bw(scene.colorMode == 1),
        layerCount(BoundedLayerCount(scene.layerCount)),
        scope(dc, bw),
        section(dc, scene.runInput, scene.results, MakeGeometry(scene.runInput, client, view, toeFraction, raiseRuns),
                bw) {
    ResultsScene bounded = scene;
    bounded.layerCount = layerCount;
    PaintGround(section, bounded, client);
  }

  const bool bw;
  const int layerCount;
  const PaintScope scope;
  SectionPainter section;
};

// The white box of the picked layer's texts, 0.41 W wide at (0.1 W, 0.01 H).
void TextBox(fw::DeviceContext& dc, fw::Size client, double heightFraction) {
  const double W = client.cx, H = client.cy;
  const double x = 0.1 * W, y = 0.01 * H;
  dc.FillRect(fw::Rect{fw::ToDeviceCoord(x), fw::ToDeviceCoord(y), fw::ToDeviceCoord(x + 0.41 * W),
                       fw::ToDeviceCoord(y + heightFraction * H)},
              Brush::Solid(kWhite));
  dc.SetBkColor(kWhite);
}

void Text(fw::DeviceContext& dc, bool bw, ColorRef colour, double x, double y, const std::string& text) {
  dc.SetTextColor(bw ? kBlack : colour);
  dc.TextOut(fw::MakePoint(x, y), text);
}

const char* LengthUnit(int unitSystem) { return unitSystem == 1 ? " ft." : " m."; }
const char* StrengthUnit(int unitSystem) { return unitSystem == 1 ? " lb/ft" : " kN/m"; }

// The note under the frame that some layers are overstressed.
void OverstressNote(fw::DeviceContext& dc, fw::Size client, bool bw) {
  const double W = client.cx, H = client.cy;
  const double x = 0.72 * W, y = 0.73 * H;
  dc.FillRect(fw::Rect{fw::ToDeviceCoord(x), fw::ToDeviceCoord(y), fw::ToDeviceCoord(x + 0.25 * W),
                       fw::ToDeviceCoord(y + 0.108 * H)},
              Brush::Solid(kNoteGrey));
  dc.SetBkColor(kNoteGrey);
  Text(dc, bw, kRed, x + 2, y + 2, "Some reinforcement layers are");
  Text(dc, bw, kRed, x + 2, y + 0.028 * H + 2, "overstessed.  Specify stronger");
  Text(dc, bw, kRed, x + 2, y + 0.056 * H + 2, "and/or more reinforcement.");
}

// The surfaces of the picked layer k: its tieback surface and the compound
// surface starting at it (for the lowest layer, the one through the toe).
void PickedSurfaces(fw::DeviceContext& dc, SectionPainter& section, const AnalysisResults& res, int k, bool bw) {
  dc.SelectPen(Pen::Solid(1, kBlack));
  section.Trace(res.tiebackSurfaceX[k], res.tiebackSurfaceY[k]);
  dc.SelectPen(Pen::Solid(1, bw ? kBlack : kCompound));
  if (k == 0) {
    std::vector<fw::Point> points;
    points.push_back(section.World(res.layerCompoundSurfaceX[0][0], res.layerCompoundSurfaceY[0][0]));
    for (int j = 1; j < kSurfacePoints; ++j)
      points.push_back(section.World(res.outermostCompoundSurfaceX[j], res.outermostCompoundSurfaceY[j]));
    dc.Polyline(points);
  } else {
    section.Trace(res.layerCompoundSurfaceX[k], res.layerCompoundSurfaceY[k]);
  }
}

}  // namespace

void PaintResultsDrawing(fw::DeviceContext& dc, fw::Size client, const DrawingView& view, int showOutermost,
                         const ResultsScene& scene, LayerStrengthCheck& check) {
  if (client.cx <= 0 || client.cy <= 0) return;
  GroundedPaint paint(dc, client, view, scene, 0.55, true);
  const bool bw = paint.bw;
  const int N = paint.layerCount;
  SectionPainter& section = paint.section;
  const ProjectInput& in = scene.runInput;
  const AnalysisResults& res = scene.results;
  const double W = client.cx, H = client.cy;

  if (showOutermost == 1) section.CriticalSurfaces(0.57 * H, 0.55 * H);

  if (view.HasSelection(N)) {
    const int k = view.selectedLayer;
    PickedSurfaces(dc, section, res, k, bw);
    TextBox(dc, client, 0.13);
    const double ratio = check.ComputeLayerStrengthRatio(in, res, k);
    const double L = scene.lengthUnitFactor;
    const char* m = LengthUnit(scene.unitSystem);
    const char* kn = StrengthUnit(scene.unitSystem);
    Text(dc, bw, kBlue, 0.1 * W + 2, 0.01 * H + 2,
         Format("Layer #%d  @ Elevation %.2f%s,  Length:  %.2f%s", k + 1, res.resultLayerElevation[k] * L, m,
                (res.layerRearX[k] - res.layerFrontX[k]) * L, m));
    Text(dc, bw, kBlue, 0.1 * W + 2, 0.038 * H + 2,
         std::string("Mode of Failure:  ") + (check.checkControllingMode == 1 ? "Tieback" : "Compound"));
    // A ratio that cannot be formed (no required strength) is not a number to show.
    const std::string fs = !IsStrengthRatioFormed(check.checkRequiredStrength, ratio)
                               ? std::string("N/A")
                               : (check.checkControllingMode == 1 ? "" : ">") + Format("%.2f", ratio);
    Text(dc, bw, LayerStrengthPasses(in, check, ratio) ? kBlue : kRed, 0.349 * W + 2, 0.038 * H + 2,
         "Actual Fs:  " + fs);
    Text(dc, bw, kStrengthGreen, 0.1 * W + 2, 0.066 * H + 2, "Strength :");
    Text(dc, bw, kBlue, 0.2 * W, 0.066 * H + 2, Format("Required:  %.2f%s", check.checkRequiredStrength, kn));
    Text(dc, bw, kBlue, 0.2 * W, 0.094 * H + 2, Format("Available:  %.2f%s", check.checkLongTermStrength, kn));
  }

  for (int k = 0; k < N; ++k) {
    const double ratio = check.ComputeLayerStrengthRatio(in, res, k);
    const bool overstressed = !LayerStrengthPasses(in, check, ratio);
    if (overstressed) OverstressNote(dc, client, bw);
    if (bw)
      dc.SelectPen(Pen::Solid(1, kBlack));
    else if (k == view.selectedLayer)
      dc.SelectPen(Pen::Solid(3, kBlack));
    else
      dc.SelectPen(Pen::Solid(2, overstressed ? kRed : kWhite));
    section.LayerLine(k);
  }

  section.HeightDimension(scene.lengthUnitFactor, scene.unitSystem);
}

void PaintCompoundTiebackDrawing(fw::DeviceContext& dc, fw::Size client, const DrawingView& view,
                                 const SurfaceToggles& toggles, const ResultsScene& scene,
                                 double strengthUnitFactor) {
  if (client.cx <= 0 || client.cy <= 0) return;
  GroundedPaint paint(dc, client, view, scene, 0.53, false);
  const bool bw = paint.bw;
  const int N = paint.layerCount;
  SectionPainter& section = paint.section;
  const AnalysisResults& res = scene.results;
  const double W = client.cx, H = client.cy;

  if (view.HasSelection(N)) {
    const int k = view.selectedLayer;
    PickedSurfaces(dc, section, res, k, bw);
    TextBox(dc, client, 0.15);
    const double L = scene.lengthUnitFactor;
    const double S = strengthUnitFactor;
    const char* m = LengthUnit(scene.unitSystem);
    const char* kn = StrengthUnit(scene.unitSystem);
    const double le = res.embeddedLength[k], la = res.lengthToSlipSurface[k];
    Text(dc, bw, kBlue, 0.1 * W + 2, 0.01 * H + 2,
         Format("Layer #%d  @ Elevation %.2f%s", k + 1, res.resultLayerElevation[k] * L, m));
    Text(dc, bw, kBlue, 0.1 * W + 2, 0.038 * H + 2,
         Format("Length:  %.2f%s ( Le = %.2f, La = %.2f )", (le + la) * L, m, le * L, la * L));
    Text(dc, bw, kBlue, 0.1 * W + 2, 0.066 * H + 2,
         std::string("Mode of Failure:  ") + (res.controllingMode[k] == 1 ? "Tieback" : "Compound"));
    Text(dc, bw, kStrengthGreen, 0.1 * W + 2, 0.094 * H + 2, "Strength :");
    Text(dc, bw, kBlue, 0.2 * W, 0.094 * H + 2,
         Format("(available) T-compound:  %.2f%s", res.availableCompoundStrength[k] * S, kn));
    Text(dc, bw, kBlue, 0.2 * W, 0.122 * H + 2,
         Format("(required) T-tieback:  %.2f%s", res.requiredTiebackStrength[k] * S, kn));
  }

  if (toggles.showAllTieback == 1) section.TiebackSurfaces(N);
  if (toggles.showToeCompound == 1) section.ToeCompoundSurfaces(N);
  if (toggles.showLayerCompound == 1) section.LayerCompoundSurfaces(N);

  for (int k = 0; k < N; ++k) {
    const Pen first = bw ? Pen::Solid(1, kBlack) : k == view.selectedLayer ? Pen::Solid(3, kBlack) : Pen::Solid(2, kWhite);
    section.LayerLengths(k, 1.0, first);
  }

  section.HeightDimension(scene.lengthUnitFactor, scene.unitSystem);
}

}  // namespace tervane
