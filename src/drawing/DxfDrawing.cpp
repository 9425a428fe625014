#include "drawing/DxfDrawing.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "model/RunOutcome.h"
#include "drawing/DxfStream.h"

namespace tervane {

namespace {

// Fixed distances of the outline and the arrows, in drawing units (metres or
// feet, never multiplied by the length factor).
constexpr double kSideMargin = 50.0;     // left edge and right edge beyond the end of A
constexpr double kBottomEdge = -20.0;
constexpr double kArrowSpacing = 0.2;
constexpr double kArrowHeadHalfWidth = 0.05;
constexpr double kArrowHeadLength = 0.12;
constexpr double kLargestArrow = 2.0;
// Arrows along one stretch of ground: 2 km of crest in metres. Only a project
// far outside any real slope reaches it; it keeps such a file finite.
constexpr int kMaxArrowsPerStretch = 10000;

constexpr double kOutlineWidth = 10.0;      // default width of every polyline
constexpr double kCriticalVertexWidth = 0.1;
constexpr double kFamilyVertexWidth = 0.01;

struct Layer {
  const char* name;
  int colour;  // colour index of the CAD program
};
constexpr Layer kLayers[] = {
    {"LINES", 1}, {"TEXT", 7},    {"ARC", 1},     {"SOLID", 5},   {"POLY1", 2},
    {"POLY2", 8}, {"POLY3", 4},   {"POLY4", 1},   {"POLY5", 3},   {"LINES_W", 7},
    {"LINES_R", 1}, {"POLY7", 1}, {"POLY_W", 5},  {"BACKGROUND", 3},
};

// One open polyline of stored points (X, Y) in metres.
void WriteTrace(DxfStream& dxf, const char* layer, std::span<const double> xs,
                std::span<const double> ys, double L, double vertexWidth) {
  dxf.DxfBeginPolyline(layer, kOutlineWidth);
  const std::size_t n = std::min(xs.size(), ys.size());
  for (std::size_t j = 0; j < n; ++j) dxf.DxfVertex(xs[j] * L, ys[j] * L, 0, vertexWidth, vertexWidth, layer);
  dxf.DxfEndSequence();
}

struct Vertex2 {
  double x;
  double y;
};

void WritePolygon(DxfStream& dxf, const char* layer, std::span<const Vertex2> vertices) {
  dxf.DxfBeginPolyline(layer, kOutlineWidth);
  for (const Vertex2& v : vertices)
    dxf.DxfVertex(v.x, v.y, 0, kCriticalVertexWidth, kCriticalVertexWidth, layer);
  dxf.DxfEndSequence();
}

void WriteArrow(DxfStream& dxf, double x, double y, double length) {
  dxf.DxfLine(x, y, 0, x, y + length, 0, "LINES");
  dxf.DxfLine(x, y, 0, x - kArrowHeadHalfWidth, y + kArrowHeadLength, 0, "LINES");
  dxf.DxfLine(x, y, 0, x + kArrowHeadHalfWidth, y + kArrowHeadLength, 0, "LINES");
}

// The ground outline, the surcharge arrows and the water zone.
void WriteGeometry(DxfStream& dxf, const DxfScene& scene) {
  const ProjectInput& in = scene.runInput;
  const double L = scene.lengthUnitFactor;
  const double h = in.slopeHeight * L;
  const double f = in.slopeHeight / std::tan(in.slopeAngle * kDrawingDegree) * L;
  const double a = in.crestLengthA * L;
  const double b = in.crestLengthB * L;
  const double r = std::tan(in.backslopeAngle * kDrawingDegree) * in.crestLengthB * L;
  const double xR = f + a + kSideMargin;
  const double xL = -kSideMargin;
  const double yB = kBottomEdge;
  const double yL = -kSideMargin * std::tan(in.bottomSlopeAngle * kDrawingDegree);

  // The right edge stands 50 units beyond the end of A. A longer backslope
  // is cut there, so the outline never runs past the edge and back.
  double backslopeEndX = f + a + b;
  double backslopeEndY = h + r;
  if (backslopeEndX > xR) {
    backslopeEndX = xR;
    backslopeEndY = h + r * ((xR - (f + a)) / b);
  }

  const Vertex2 outline[] = {
      {0, 0},  {f, h},  {f + a, h}, {backslopeEndX, backslopeEndY}, {xR, backslopeEndY},
      {xR, yB}, {xL, yB}, {xL, yL},  {0, 0},
  };
  WritePolygon(dxf, "POLY1", outline);

  double q = in.surchargeQ1 > in.surchargeQ2 ? in.surchargeQ1 : in.surchargeQ2;
  q = q > in.surchargeQ3 ? q : in.surchargeQ3;
  const double u = q < 0.001 ? 0.0 : kLargestArrow / q;

  // Arrows at start + 0.2 n while strictly left of the end of the stretch.
  auto stretch = [&](double load, double start, double end, auto groundAt) {
    if (!(load > 0.001)) return;
    for (int n = 0; n < kMaxArrowsPerStretch; ++n) {
      const double x = start + kArrowSpacing * n;
      if (!(x < end)) break;
      WriteArrow(dxf, x, groundAt(n), u * load);
    }
  };
  stretch(in.surchargeQ1, f, f + a, [&](int) { return h; });
  stretch(in.surchargeQ2, f + a, std::min(f + a + b, xR),
          [&](int n) { return h + (kArrowSpacing * n / b) * r; });
  stretch(in.surchargeQ3, f + a + b, xR, [&](int) { return h + r; });

  if (in.waterMode == 0) {
    const Vertex2 water[] = {
        {0, 0},
        {in.phreaticX2 * L, in.phreaticY2 * L},
        {in.phreaticX3 * L, in.phreaticY3 * L},
        {in.phreaticX4 * L, in.phreaticY4 * L},
        {xR, in.phreaticY4 * L},
        {xR, yB},
        {xL, yB},
        {xL, yL},
        {0, 0},
    };
    WritePolygon(dxf, "POLY_W", water);
  }
}

void WriteDeepSeatedCircle(DxfStream& dxf, const DxfScene& scene) {
  const ClippedCircle circle = ClipDeepSeatedCircle(scene.runInput, scene.results, scene.lengthUnitFactor);
  if (!circle.drawn) return;
  const auto& X = scene.results.deepSeatedCircleX;
  const auto& Y = scene.results.deepSeatedCircleY;
  const double L = scene.lengthUnitFactor;
  const double w = kCriticalVertexWidth;
  dxf.DxfBeginPolyline("POLY5", kOutlineWidth);
  dxf.DxfVertex(X[0] * L, Y[0] * L, 0, w, w, "POLY5");
  dxf.DxfVertex(circle.entryX, circle.entryY, 0, w, w, "POLY5");
  for (int j = circle.entryIndex + 1; j < circle.endIndex; ++j)
    dxf.DxfVertex(X[j] * L, Y[j] * L, 0, w, w, "POLY5");
  if (!circle.leftThroughFace) {
    // The vertical from the end of the arc up to the ground, once more.
    dxf.DxfVertex(X[98] * L, Y[98] * L, 0, w, w, "POLY5");
    dxf.DxfVertex(X[99] * L, Y[99] * L, 0, w, w, "POLY5");
  }
  dxf.DxfEndSequence();
}

}  // namespace

ClippedCircle ClipDeepSeatedCircle(const ProjectInput& runInput, const AnalysisResults& results,
                                   double lengthUnitFactor) {
  ClippedCircle circle;
  // Without a deep-seated analysis the stored circle belongs to no analysis
  // of this run: it is drawn nowhere, neither on the screen nor in the file.
  circle.drawn = DeepSeatedConducted(results);
  const auto& X = results.deepSeatedCircleX;
  const auto& Y = results.deepSeatedCircleY;
  const double L = lengthUnitFactor;
  const double t = std::tan(runInput.bottomSlopeAngle * kDrawingDegree);

  // The last point above the ground line before the circle first dips below it.
  int p = 0;
  for (int j = 1; j < kCirclePoints; ++j) {
    if (t * X[j] > Y[j]) {
      p = j - 1;
      break;
    }
  }
  const double dy = (Y[p] - Y[p + 1]) * L;
  const double dx = (X[p + 1] - X[p]) * L;
  const double m = std::fabs(dx) > 0.00001 ? dy / dx : 0.0;
  const double c = (Y[p] - t * X[p]) * L;
  double d = t + m;
  if (std::fabs(d) < 0.00001) d = 0.000001;
  circle.entryIndex = p;
  circle.entryX = X[p] * L + c / d;
  circle.entryY = t * circle.entryX;

  // The arc ends at the first point in the air in front of the slope face:
  // above the line y = tan(i) |x| (tested without dividing, so a point at
  // x = 0 is in the air exactly when it lies above the toe).
  const double tanI = std::tan(runInput.slopeAngle * kDrawingDegree);
  const double faceRun = std::tan((90.0 - runInput.slopeAngle) * kDrawingDegree) * runInput.slopeHeight * L;
  circle.endIndex = kCirclePoints;
  for (int j = p + 1; j < kCirclePoints; ++j) {
    if (Y[j] > tanI * std::fabs(X[j]) && X[j] * L < faceRun) {
      circle.endIndex = j;
      circle.leftThroughFace = true;
      break;
    }
  }
  return circle;
}

void WriteDxfPrologue(DxfStream& dxf) {
  // The extents stand for now; the epilogue writes those of the entities.
  dxf.DxfHeader(0, 0, 0, 0);
  dxf.DxfBeginTables(6);
  for (const Layer& layer : kLayers) dxf.DxfLayer(layer.name, layer.colour);
  dxf.DxfBeginViewTable(0);
  dxf.DxfEndTables();
  dxf.DxfBeginBlocks();
  dxf.DxfBeginBlock(0, 0, 0, "NORTH");
  dxf.DxfLine(0, 0, 0, 0, 5, 0, "LINES");
  dxf.DxfEndBlock();
  dxf.DxfEndSection();
  dxf.DxfBeginEntities();
}

void WriteDxfEntities(DxfStream& dxf, const DxfSelection& selection, const DxfScene& scene) {
  const AnalysisResults& res = scene.results;
  const double L = scene.lengthUnitFactor;
  const int N = BoundedLayerCount(scene.layerCount);

  if (selection.exportGeometry == 1) WriteGeometry(dxf, scene);

  if (selection.exportCriticalSurfaces == 1) {
    WriteTrace(dxf, "POLY2", res.outermostTiebackSurfaceX, res.outermostTiebackSurfaceY, L,
               kCriticalVertexWidth);
    WriteTrace(dxf, "POLY3", res.outermostCompoundSurfaceX, res.outermostCompoundSurfaceY, L,
               kCriticalVertexWidth);
    WriteTrace(dxf, "POLY4", res.directSlidingWedgeX, res.directSlidingWedgeY, L, kCriticalVertexWidth);
    WriteDeepSeatedCircle(dxf, scene);
  }

  if (selection.exportReinforcement == 1) {
    for (int k = 0; k < N; ++k) {
      const double y = res.resultLayerElevation[k] * L;
      dxf.DxfLine(res.layerFrontX[k] * L, y, 0, res.layerRearX[k] * L, y, 0, "LINES_W");
    }
  }

  if (selection.exportLengths == 1) {
    for (int k = 0; k < N; ++k) {
      const double x0 = res.layerFrontX[k] * L;
      const double y = res.resultLayerElevation[k] * L;
      const double x1 = x0 + res.lengthToSlipSurface[k] * L;
      dxf.DxfLine(x0, y, 0, x1, y, 0, "LINES_W");
      dxf.DxfLine(x1, y, 0, x0 + (res.embeddedLength[k] + res.lengthToSlipSurface[k]) * L, y, 0, "LINES_R");
    }
  }

  if (selection.exportAllTiebackSurfaces == 1) {
    for (int k = 0; k < N; ++k)
      WriteTrace(dxf, "POLY2", res.tiebackSurfaceX[k], res.tiebackSurfaceY[k], L, kFamilyVertexWidth);
  }

  if (selection.exportToeCompoundSurfaces == 1) {
    for (int k = 0; k < N; ++k)
      WriteTrace(dxf, "POLY3", res.toeCompoundSurfaceX[k], res.toeCompoundSurfaceY[k], L, kFamilyVertexWidth);
  }

  if (selection.exportLayerCompoundSurfaces == 1) {
    WriteTrace(dxf, "POLY4", res.outermostCompoundSurfaceX, res.outermostCompoundSurfaceY, L,
               kFamilyVertexWidth);
    for (int k = 0; k < N; ++k)
      WriteTrace(dxf, "POLY4", res.layerCompoundSurfaceX[k], res.layerCompoundSurfaceY[k], L,
                 kFamilyVertexWidth);
  }
}

void WriteDxfEpilogue(DxfStream& dxf) {
  dxf.DxfWriteExtents();
  dxf.DxfEndSection();
  dxf.Group(0, "EOF");
}

}  // namespace tervane
