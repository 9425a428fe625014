// What each chosen element adds to the DXF drawing: the ground outline, the
// surcharge arrows, the water zone, the deep-seated circle with its clipping,
// and the per-layer groups, on small hand-made runs.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "DxfTestSupport.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"

namespace tervane {
namespace {

using dxftest::Entity;
using dxftest::OnLayer;
using dxftest::ParseEntities;
using dxftest::Vertex;

// Only one element chosen.
DxfSelection Only(int DxfSelection::*flag) {
  DxfSelection s{0, 0, 0, 0, 0, 0, 0};
  s.*flag = 1;
  return s;
}

struct HandRun {
  ProjectInput in{ProjectInput::Defaults::kRunSnapshot};
  AnalysisResults res;

  HandRun() {
    in.slopeHeight = 6;
    in.slopeAngle = 45;
    in.crestLengthA = 2;
    in.crestLengthB = 2;
    in.backslopeAngle = 30;
    in.bottomSlopeAngle = 0;
    in.waterMode = 2;
  }

  std::vector<Entity> Write(const DxfSelection& selection, double L = 1.0, int layers = -2) const {
    return ParseEntities(dxftest::DrawingBytes(in, res, selection, L, layers == -2 ? res.resultLayerCount : layers));
  }
};

// A value as the file holds it (six significant digits), read back.
double AsWritten(double v) { return dxftest::Num(DxfStream::Number(v)); }
Vertex V(double x, double y) { return Vertex{AsWritten(x), AsWritten(y)}; }

TEST(DxfContentTest, GroundOutlineRunsFromTheToeAroundTheSlopeAndBack) {
  const double f = 6 / std::tan(45 * kDrawingDegree);
  const double r = std::tan(30 * kDrawingDegree) * 2;
  const double yL = -50 * std::tan(5 * kDrawingDegree);
  struct Case {
    const char* name;
    double L;
    double B;
    double alpha;
    std::vector<Vertex> outline;
  };
  const double ft = 3.28084;
  const Case cases[] = {
      {"SI", 1.0, 2, 0,
       {V(0, 0), V(f, 6), V(f + 2, 6), V(f + 4, 6 + r), V(f + 52, 6 + r), V(f + 52, -20), V(-50, -20), V(-50, 0),
        V(0, 0)}},
      // Feet: the slope grows, the margins of 50 and 20 stay the same numbers.
      {"English", ft, 2, 0,
       {V(0, 0), V(f * ft, 6 * ft), V(f * ft + 2 * ft, 6 * ft), V(f * ft + 4 * ft, 6 * ft + r * ft),
        V(f * ft + 2 * ft + 50, 6 * ft + r * ft), V(f * ft + 2 * ft + 50, -20), V(-50, -20), V(-50, 0), V(0, 0)}},
      // No backslope: its end is the end of A.
      {"B = 0", 1.0, 0, 5,
       {V(0, 0), V(f, 6), V(f + 2, 6), V(f + 2, 6), V(f + 52, 6), V(f + 52, -20), V(-50, -20), V(-50, yL),
        V(0, 0)}},
      // A backslope longer than the 50 units to the right edge is cut at the
      // edge, at its own height there: the outline never runs back.
      {"B = 60", 1.0, 60, 0,
       {V(0, 0), V(f, 6), V(f + 2, 6), V(f + 52, 6 + std::tan(30 * kDrawingDegree) * 60 * (50.0 / 60)),
        V(f + 52, 6 + std::tan(30 * kDrawingDegree) * 60 * (50.0 / 60)), V(f + 52, -20), V(-50, -20), V(-50, 0),
        V(0, 0)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HandRun run;
    run.in.crestLengthB = c.B;
    run.in.bottomSlopeAngle = c.alpha;
    const std::vector<Entity> all = run.Write(Only(&DxfSelection::exportGeometry), c.L);
    const std::vector<Entity> outline = OnLayer(all, "POLYLINE", "POLY1");
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_EQ(outline[0].points, c.outline);
    // Width 10 in the header, 0.1 at both ends of every vertex.
    std::vector<double> widths{10};
    widths.insert(widths.end(), 18, 0.1);
    EXPECT_EQ(outline[0].widths, widths);
    // Nothing of the geometry lies right of the right edge.
    for (const Entity& e : all)
      for (const Vertex& p : e.points) EXPECT_LE(p.x, AsWritten(f * c.L + 2 * c.L + 50)) << e.layer;
  }
}

// Each surcharge above 0.001 gets arrows every 0.2 units along its stretch,
// the largest 2 units long, the others in proportion.
TEST(DxfContentTest, SurchargeArrowsFollowTheirLoads) {
  struct Case {
    const char* name;
    double q1, q2, q3;
    double B;
    int arrowsQ1, arrowsQ2, arrowsQ3;
  };
  // Stretches: A = 2 (10 arrows), B = 2 (10 arrows), 48 beyond B (240 arrows).
  const Case cases[] = {
      {"all three", 10, 5, 20, 2, 10, 10, 240},
      {"at 0.001 or less", 0.001, 0.0005, 0, 2, 0, 0, 0},
      {"only Q2", 0, 3, 0, 2, 0, 10, 0},
      {"no backslope", 4, 4, 4, 0, 10, 0, 250},
      {"backslope beyond the edge", 1, 1, 1, 60, 10, 250, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HandRun run;
    run.in.surchargeQ1 = c.q1;
    run.in.surchargeQ2 = c.q2;
    run.in.surchargeQ3 = c.q3;
    run.in.crestLengthB = c.B;
    const std::vector<Entity> lines = OnLayer(run.Write(Only(&DxfSelection::exportGeometry)), "LINE", "LINES");
    ASSERT_EQ(lines.size(), 3u * (c.arrowsQ1 + c.arrowsQ2 + c.arrowsQ3));
    const double qmax = std::max(std::max(c.q1, c.q2), c.q3);
    const double f = 6 / std::tan(45 * kDrawingDegree);
    for (std::size_t i = 0; i < lines.size(); i += 3) {
      const int arrow = static_cast<int>(i / 3);
      const double load = arrow < c.arrowsQ1 ? c.q1 : arrow < c.arrowsQ1 + c.arrowsQ2 ? c.q2 : c.q3;
      // Shaft and head from the same foot; the written ends carry six digits.
      const Vertex foot = lines[i].points[0];
      const double tol = 1e-4;
      EXPECT_EQ(lines[i + 1].points[0], foot);
      EXPECT_EQ(lines[i + 2].points[0], foot);
      EXPECT_EQ(lines[i].points[1].x, foot.x);
      EXPECT_NEAR(lines[i].points[1].y - foot.y, 2 / qmax * load, tol) << arrow;
      EXPECT_NEAR(lines[i + 1].points[1].x - foot.x, -0.05, tol) << arrow;
      EXPECT_NEAR(lines[i + 1].points[1].y - foot.y, 0.12, tol) << arrow;
      EXPECT_NEAR(lines[i + 2].points[1].x - foot.x, 0.05, tol) << arrow;
      EXPECT_NEAR(lines[i + 2].points[1].y - foot.y, 0.12, tol) << arrow;
      EXPECT_LT(foot.x, f + 2 + 50);
    }
  }
  // Two equal largest surcharges both get arrows 2 units long.
  HandRun run;
  run.in.surchargeQ1 = 7;
  run.in.surchargeQ3 = 7;
  const std::vector<Entity> lines = OnLayer(run.Write(Only(&DxfSelection::exportGeometry)), "LINE", "LINES");
  ASSERT_EQ(lines.size(), 3u * 250);
  EXPECT_NEAR(lines.front().points[1].y - lines.front().points[0].y, 2, 1e-9);
  EXPECT_NEAR(lines[3 * 249].points[1].y - lines[3 * 249].points[0].y, 2, 1e-9);
}

TEST(DxfContentTest, SurchargeArrowsOfAnEndlessCrestStayFinite) {
  HandRun run;
  run.in.crestLengthA = 1e9;
  run.in.surchargeQ1 = 10;
  const std::vector<Entity> lines = OnLayer(run.Write(Only(&DxfSelection::exportGeometry)), "LINE", "LINES");
  EXPECT_EQ(lines.size(), 3u * 10000);
}

TEST(DxfContentTest, WaterZoneOnlyForAPhreaticSurface) {
  for (int mode : {0, 1, 2}) {
    HandRun run;
    run.in.waterMode = mode;
    run.in.bottomSlopeAngle = 5;
    const std::vector<Entity> water = OnLayer(run.Write(Only(&DxfSelection::exportGeometry)), "POLYLINE", "POLY_W");
    if (mode != 0) {
      EXPECT_TRUE(water.empty()) << mode;
      continue;
    }
    ASSERT_EQ(water.size(), 1u);
    const double xR = 6 / std::tan(45 * kDrawingDegree) + 2 + 50;
    const double yL = -50 * std::tan(5 * kDrawingDegree);
    const std::vector<Vertex> expected = {V(0, 0),   V(5, 1),     V(8, 2.5),   V(10, 4), V(xR, 4),
                                          V(xR, -20), V(-50, -20), V(-50, yL), V(0, 0)};
    EXPECT_EQ(water[0].points, expected);
  }
}

// A circle through the ground in front of the toe at (-1.5, 0), under the
// slope and up behind the face; point 99 stands on the ground above point 98.
void MakeCircle(AnalysisResults& res) {
  res.deepSeatedCircleX[0] = -2;
  res.deepSeatedCircleY[0] = 0.5;
  for (int j = 1; j <= 98; ++j) {
    const double s = (j - 1) / 97.0;
    res.deepSeatedCircleX[j] = -1 + 8.5 * s;
    res.deepSeatedCircleY[j] = -0.5 + 3.5 * s;
  }
  res.deepSeatedCircleX[99] = res.deepSeatedCircleX[98];
  res.deepSeatedCircleY[99] = 6;
}

std::vector<Vertex> CirclePoints(const AnalysisResults& res, int from, int to) {
  std::vector<Vertex> v;
  for (int j = from; j < to; ++j) v.push_back(V(res.deepSeatedCircleX[j], res.deepSeatedCircleY[j]));
  return v;
}

TEST(DxfContentTest, DeepSeatedCircleIsClippedAtTheGroundAndTheFace) {
  const DxfSelection critical = Only(&DxfSelection::exportCriticalSurfaces);
  {
    SCOPED_TRACE("below the face throughout");
    HandRun run;
    MakeCircle(run.res);
    const std::vector<Entity> circle = OnLayer(run.Write(critical), "POLYLINE", "POLY5");
    ASSERT_EQ(circle.size(), 1u);
    // Point 0 wherever it lies, the entry point, points 1 .. 99, then 98 and
    // 99 once more.
    std::vector<Vertex> expected = {V(-2, 0.5), V(-1.5, 0)};
    for (const Vertex& v : CirclePoints(run.res, 1, 100)) expected.push_back(v);
    for (const Vertex& v : CirclePoints(run.res, 98, 100)) expected.push_back(v);
    EXPECT_EQ(circle[0].points, expected);
    EXPECT_EQ(circle[0].widths.size(), 1u + 2 * expected.size());
  }
  {
    SCOPED_TRACE("out through the face");
    HandRun run;
    MakeCircle(run.res);
    run.res.deepSeatedCircleX[50] = 2;  // in the air in front of the face
    run.res.deepSeatedCircleY[50] = 3;
    const std::vector<Entity> circle = OnLayer(run.Write(critical), "POLYLINE", "POLY5");
    ASSERT_EQ(circle.size(), 1u);
    std::vector<Vertex> expected = {V(-2, 0.5), V(-1.5, 0)};
    for (const Vertex& v : CirclePoints(run.res, 1, 50)) expected.push_back(v);
    EXPECT_EQ(circle[0].points, expected);
  }
  {
    SCOPED_TRACE("in feet, on ground falling away in front of the toe");
    HandRun run;
    MakeCircle(run.res);
    run.in.bottomSlopeAngle = 10;
    const double ft = 3.28084;
    const std::vector<Entity> circle = OnLayer(run.Write(critical, ft), "POLYLINE", "POLY5");
    ASSERT_EQ(circle.size(), 1u);
    // The first point below y = tan(10 deg) x is point 1: the chord 0 .. 1
    // meets that line at x0 + c / (t + m), in feet.
    const double t = std::tan(10 * kDrawingDegree);
    const double m = (0.5 - -0.5) / (-1 - -2);
    const double x = -2 * ft + (0.5 - t * -2) * ft / (t + m);
    ASSERT_GE(circle[0].points.size(), 2u);
    EXPECT_EQ(circle[0].points[0], V(-2 * ft, 0.5 * ft));
    EXPECT_EQ(circle[0].points[1], V(x, t * x));
    EXPECT_EQ(circle[0].points.size(), 2u + 99 + 2);
  }
  {
    SCOPED_TRACE("deep-seated analysis not conducted");
    HandRun run;
    MakeCircle(run.res);
    run.res.deepSeatedNotConducted = 1;
    const std::vector<Entity> all = run.Write(critical);
    EXPECT_TRUE(OnLayer(all, "POLYLINE", "POLY5").empty());
    // The three other critical surfaces stay.
    EXPECT_EQ(OnLayer(all, "POLYLINE", "POLY2").size(), 1u);
    EXPECT_EQ(OnLayer(all, "POLYLINE", "POLY3").size(), 1u);
    EXPECT_EQ(OnLayer(all, "POLYLINE", "POLY4").size(), 1u);
  }
}

TEST(DxfContentTest, CriticalSurfacesAndTheWedgeAreWrittenPointForPoint) {
  HandRun run;
  for (int j = 0; j < kSurfacePoints; ++j) {
    run.res.outermostTiebackSurfaceX[j] = 0.1 * j;
    run.res.outermostTiebackSurfaceY[j] = 0.12 * j;
    run.res.outermostCompoundSurfaceX[j] = 0.15 * j;
  }
  // No layer needed force: the analysis stores 1e-05 for the whole wedge.
  run.res.directSlidingWedgeX = {1e-5, 1e-5, 1e-5};
  run.res.directSlidingWedgeY = {1e-5, 1e-5, 1e-5};
  const std::vector<Entity> all = run.Write(Only(&DxfSelection::exportCriticalSurfaces), 3.28084);
  const std::vector<Entity> tieback = OnLayer(all, "POLYLINE", "POLY2");
  ASSERT_EQ(tieback.size(), 1u);
  ASSERT_EQ(tieback[0].points.size(), 51u);
  EXPECT_EQ(tieback[0].points[50], V(0.1 * 50 * 3.28084, 0.12 * 50 * 3.28084));
  const std::vector<Entity> wedge = OnLayer(all, "POLYLINE", "POLY4");
  ASSERT_EQ(wedge.size(), 1u);
  EXPECT_EQ(wedge[0].points, std::vector<Vertex>(3, V(1e-5 * 3.28084, 1e-5 * 3.28084)));
  // Order of the group: tieback, compound, wedge, circle.
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].layer, "POLY2");
  EXPECT_EQ(all[1].layer, "POLY3");
  EXPECT_EQ(all[2].layer, "POLY4");
  EXPECT_EQ(all[3].layer, "POLY5");
}

void MakeLayers(AnalysisResults& res, int n) {
  res.resultLayerCount = n;
  for (int k = 0; k < kMaxLayers; ++k) {
    res.resultLayerElevation[k] = 0.5 * k;
    res.layerFrontX[k] = 0.5 * k;
    res.layerRearX[k] = 0.5 * k + 4;
    res.lengthToSlipSurface[k] = 1 + 0.1 * k;
    res.embeddedLength[k] = 2;
    for (int j = 0; j < kSurfacePoints; ++j) {
      res.tiebackSurfaceX[k][j] = k + 0.01 * j;
      res.toeCompoundSurfaceX[k][j] = k + 0.02 * j;
    }
  }
}

TEST(DxfContentTest, LayersAndTheirLengths) {
  HandRun run;
  MakeLayers(run.res, 3);
  const double ft = 3.28084;
  DxfSelection s = Only(&DxfSelection::exportReinforcement);
  s.exportLengths = 1;
  const std::vector<Entity> all = run.Write(s, ft);
  ASSERT_EQ(all.size(), 3u + 6u);
  for (int k = 0; k < 3; ++k) {
    const double y = 0.5 * k * ft;
    const double x0 = 0.5 * k * ft;
    EXPECT_EQ(all[k].layer, "LINES_W");
    EXPECT_EQ(all[k].points, (std::vector<Vertex>{V(x0, y), V((0.5 * k + 4) * ft, y)}));
    // La from the face, then Le behind it.
    const Entity& la = all[3 + 2 * k];
    const Entity& le = all[4 + 2 * k];
    EXPECT_EQ(la.layer, "LINES_W");
    EXPECT_EQ(la.points, (std::vector<Vertex>{V(x0, y), V(x0 + (1 + 0.1 * k) * ft, y)}));
    EXPECT_EQ(le.layer, "LINES_R");
    EXPECT_EQ(le.points, (std::vector<Vertex>{V(x0 + (1 + 0.1 * k) * ft, y), V(x0 + (2 + 1 + 0.1 * k) * ft, y)}));
  }
}

// Every per-layer loop is bounded by the layer count, itself bounded to the
// rows the records hold; rows of zeros are written as they are stored.
TEST(DxfContentTest, PerLayerGroupsFollowTheBoundedLayerCount) {
  struct Case {
    int layers;
    std::size_t rows;
  };
  for (const Case c : {Case{0, 0}, Case{2, 2}, Case{100, 100}, Case{150, 100}, Case{-1, 0}}) {
    SCOPED_TRACE(c.layers);
    HandRun run;
    MakeLayers(run.res, 2);
    DxfSelection s{0, 1, 0, 1, 1, 1, 1};
    const std::vector<Entity> all = run.Write(s, 1.0, c.layers);
    EXPECT_EQ(OnLayer(all, "LINE", "LINES_W").size(), 2 * c.rows);
    EXPECT_EQ(OnLayer(all, "LINE", "LINES_R").size(), c.rows);
    EXPECT_EQ(OnLayer(all, "POLYLINE", "POLY2").size(), c.rows);
    EXPECT_EQ(OnLayer(all, "POLYLINE", "POLY3").size(), c.rows);
    // The outer-most compound surface comes first, even without layers.
    const std::vector<Entity> family = OnLayer(all, "POLYLINE", "POLY4");
    ASSERT_EQ(family.size(), 1 + c.rows);
    for (const Entity& e : family) {
      EXPECT_EQ(e.points.size(), 51u);
      EXPECT_EQ(e.widths.front(), 10);
      EXPECT_EQ(e.widths.back(), 0.01);
    }
    // Compound surfaces through the layers were left at zero: all (0, 0).
    if (c.rows > 0) {
      EXPECT_EQ(family[1].points, std::vector<Vertex>(51, V(0, 0)));
    }
  }
}

}  // namespace
}  // namespace tervane
