// The painters of the two results drawings, recorded at the fixed client
// size of 600 x 400 pixels (golden drawing logs), and the view that the user
// zooms, pans and picks a layer in.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "model/StrengthFunctions.h"
#include "drawing/DxfDrawing.h"
#include "drawing/ResultsDrawing.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Text.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using drawtest::kFixtureClient;

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasContaining(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

// The index of the first line that starts with `prefix`, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  return -1;
}

ResultsScene SceneOf(const ProjectData& d, int colorMode) {
  const bool english = d.runInput.unitSystem == 1;
  return ResultsScene{d.runInput, d.results, d.results.resultLayerCount, english ? kFeetPerMetre : 1.0,
                      d.runInput.unitSystem, colorMode};
}

std::vector<std::string> PaintResults(const ProjectData& d, const DrawingView& view, int showOutermost,
                                      int colorMode = 0, fw::Size client = kFixtureClient) {
  fw::RecordingDC::Options options;
  options.deviceSize = client;
  fw::RecordingDC dc(options);
  LayerStrengthCheck check;
  check.strengthUnitFactor = d.runInput.unitSystem == 1 ? kLbPerFtPerKnPerM : 1.0;
  PaintResultsDrawing(dc, client, view, showOutermost, SceneOf(d, colorMode), check);
  return dc.Lines();
}

std::vector<std::string> PaintExtra(const ProjectData& d, const DrawingView& view, const SurfaceToggles& toggles,
                                    int colorMode = 0, fw::Size client = kFixtureClient) {
  fw::RecordingDC::Options options;
  options.deviceSize = client;
  fw::RecordingDC dc(options);
  const double strength = d.runInput.unitSystem == 1 ? kLbPerFtPerKnPerM : 1.0;
  PaintCompoundTiebackDrawing(dc, client, view, toggles, SceneOf(d, colorMode), strength);
  return dc.Lines();
}

DrawingView Picked(int layer) {
  DrawingView view;
  view.selectedLayer = layer;
  return view;
}

class ResultsDrawingTest : public ::testing::Test {
 protected:
  ResultsDrawingTest() : data_(std::make_unique<ProjectData>()) {}
  ProjectData& data() { return *data_; }
  std::unique_ptr<ProjectData> data_;
};

// The default slope at 600 x 400: 16.6667 pixels per metre, the toe at
// (150, 220), the frame from 0.0146 W to 0.983 W + 2 and down to 0.713 H,
// the soil body out to the frame, the legend rows of the outer-most surfaces.
TEST_F(ResultsDrawingTest, OptimisedRunAtTheFixtureSize) {
  drawtest::OptimisedRun(data());
  ASSERT_GT(data().results.resultLayerCount, 3);
  const std::vector<std::string> plain = PaintResults(data(), DrawingView(), 0);
  fw::golden::ExpectGolden(Joined(plain), "results_optimised.log");

  EXPECT_TRUE(Has(plain, "Rectangle 8 0 591 285"));
  EXPECT_TRUE(Has(plain, "Polygon 30 (150,220) (250,120) (283,120) (316,100) (589,100) (589,285) (8,285) (8,232) "
                         "(150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) "
                         "(150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) (150,220) "
                         "(150,220) (150,220) (150,220) (150,220)"));
  EXPECT_TRUE(Has(plain, "Ellipse 146 216 154 224"));
  EXPECT_TRUE(Has(plain, "TextOut 80 160 \"H=6.00 m\""));
  // The font of every text, and the objects of the device selected back.
  EXPECT_EQ(plain[0], "SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0");
  EXPECT_EQ(plain[plain.size() - 3], "SelectFont \"MS Sans Serif\" height=0 weight=400 italic=0 charset=0");
  EXPECT_EQ(plain.back(), "SelectPen solid 0 RGB(0,0,0)");

  const std::vector<std::string> outermost = PaintResults(data(), DrawingView(), 1);
  for (const char* line : {"MoveTo 420 227", "LineTo 474 227", "TextOut 480 220 \"Tieback\"", "MoveTo 420 242",
                           "TextOut 480 235 \"Compound\"", "MoveTo 420 258", "TextOut 480 250 \"Direct sliding\"",
                           "MoveTo 420 273", "TextOut 480 265 \"Bishop's circle\""})
    EXPECT_TRUE(Has(outermost, line)) << line;
  // The legend is drawn with a transparent background, opaque again after it.
  const int transparent = IndexOf(outermost, "SetBkMode transparent");
  const int opaque = IndexOf(outermost, "SetBkMode opaque");
  ASSERT_GE(transparent, 0);
  EXPECT_GT(opaque, transparent);
  EXPECT_GT(IndexOf(outermost, "TextOut 480 265"), transparent);
  EXPECT_LT(IndexOf(outermost, "TextOut 480 265"), opaque);
}

// A user-specified run whose top layer is far too weak: it is drawn red, the
// note stands under the frame, and its text box shows the check in red.
TEST_F(ResultsDrawingTest, UserRunWithAnOverstressedLayer) {
  drawtest::UserRunWithOverstressedLayer(data());
  ASSERT_EQ(data().results.resultLayerCount, 6);
  LayerStrengthCheck check;
  const double ratio = check.ComputeLayerStrengthRatio(data().runInput, data().results, 5);
  ASSERT_TRUE(IsLayerOverstressed(data().runInput, ratio)) << ratio;
  ASSERT_FALSE(IsLayerOverstressed(data().runInput, check.ComputeLayerStrengthRatio(data().runInput, data().results, 0)));

  const std::vector<std::string> lines = PaintResults(data(), Picked(5), 1);
  fw::golden::ExpectGolden(Joined(lines), "results_user_overstressed.log");
  EXPECT_TRUE(Has(lines, "FillRect 432 292 582 335 solid RGB(213,213,213)"));
  EXPECT_TRUE(Has(lines, "TextOut 434 294 \"Some reinforcement layers are\""));
  EXPECT_TRUE(Has(lines, "TextOut 434 305 \"overstessed.  Specify stronger\""));
  EXPECT_TRUE(Has(lines, "TextOut 434 316 \"and/or more reinforcement.\""));
  EXPECT_TRUE(HasContaining(lines, "TextOut 62 6 \"Layer #6  @ Elevation 5.50 m.,  Length:  "));
  // The ratio's text is red; the layer of the pick is drawn black and 3 px wide.
  const int fs = IndexOf(lines, "TextOut 211 17 \"Actual Fs:  ");
  ASSERT_GT(fs, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(fs) - 1], "SetTextColor RGB(255,0,0)");
  EXPECT_TRUE(Has(lines, "SelectPen solid 3 RGB(0,0,0)"));
}

TEST_F(ResultsDrawingTest, BlackAndWhite) {
  drawtest::UserRunWithOverstressedLayer(data());
  const std::vector<std::string> lines = PaintResults(data(), Picked(2), 1, 1);
  fw::golden::ExpectGolden(Joined(lines), "results_bw.log");
  // No colour but the grey of the note; no legend, no outer-most compound surface.
  for (const std::string& line : lines) {
    if (line.find("RGB(") == std::string::npos) continue;
    const bool greyNote = line.find("RGB(213,213,213)") != std::string::npos;
    const bool blackOrWhite = line.find("RGB(0,0,0)") != std::string::npos || line.find("RGB(255,255,255)") != std::string::npos;
    EXPECT_TRUE(greyNote || blackOrWhite) << line;
  }
  EXPECT_FALSE(HasContaining(lines, "\"Tieback\""));
  EXPECT_TRUE(HasContaining(lines, "\"Some reinforcement layers are\""));
  EXPECT_FALSE(HasContaining(lines, "SelectPen solid 2"));  // every layer 1 px
}

// Water: the phreatic surface is a polygon of its own; a pore-water
// coefficient only darkens the reinforced zone; no water draws neither.
TEST_F(ResultsDrawingTest, PhreaticSurfaceAndPoreWaterCoefficient) {
  drawtest::OptimisedRun(data());
  const std::vector<std::string> phreatic = PaintResults(data(), DrawingView(), 0);
  EXPECT_TRUE(Has(phreatic, "SelectBrush solid RGB(166,202,240)"));
  EXPECT_TRUE(HasContaining(phreatic, "Polygon 9 (150,220)"));

  data().runInput.waterMode = 1;
  data().runInput.poreWaterCoefficient = 0.2;
  const std::vector<std::string> ru = PaintResults(data(), DrawingView(), 0);
  fw::golden::ExpectGolden(Joined(ru), "results_pore_water.log");
  EXPECT_TRUE(Has(ru, "SelectBrush solid RGB(204,204,0)"));
  EXPECT_FALSE(HasContaining(ru, "Polygon 9 "));

  data().runInput.waterMode = 2;
  const std::vector<std::string> dry = PaintResults(data(), DrawingView(), 0);
  EXPECT_TRUE(Has(dry, "SelectBrush solid RGB(255,204,51)"));
  EXPECT_FALSE(HasContaining(dry, "Polygon 9 "));
}

// A run without layers draws the slope without layers: the retained soil
// fills the body behind the face and nothing reads a layer row.
TEST_F(ResultsDrawingTest, RunWithoutLayers) {
  drawtest::OptimisedRun(data());
  data().results.resultLayerCount = 0;
  const std::vector<std::string> lines = PaintResults(data(), Picked(0), 1);
  fw::golden::ExpectGolden(Joined(lines), "results_no_layers.log");
  EXPECT_TRUE(HasContaining(lines, "Polygon 118 (589,220) (150,220) (150,220) (250,120) (283,120) (316,100) "
                                   "(589,100) (589,100)"));
  EXPECT_FALSE(HasContaining(lines, "Layer #"));
  EXPECT_FALSE(HasContaining(lines, "Some reinforcement"));
  // A layer count beyond the records' rows draws at most their 100 rows.
  data().results.resultLayerCount = 100000;
  EXPECT_EQ(PaintResults(data(), DrawingView(), 0).size(), PaintResults(data(), DrawingView(), 0).size());
}

// One step larger and one 10-pixel step right and down: the scale grows by
// 1.05 and the toe moves to (160, 230).
TEST_F(ResultsDrawingTest, OneZoomAndPanStep) {
  drawtest::OptimisedRun(data());
  DrawingView view;
  view.ZoomIn();
  view.Pan(1, 1);
  const std::vector<std::string> lines = PaintResults(data(), view, 1);
  fw::golden::ExpectGolden(Joined(lines), "results_zoom_pan.log");
  EXPECT_TRUE(Has(lines, "Ellipse 156 226 164 234"));
  // The frame stays where it was.
  EXPECT_TRUE(Has(lines, "Rectangle 8 0 591 285"));
}

TEST_F(ResultsDrawingTest, TheLayerTextBoxReadsTheCheck) {
  drawtest::OptimisedRun(data());
  const AnalysisResults& r = data().results;
  const int k = 2;
  LayerStrengthCheck check;
  const double ratio = check.ComputeLayerStrengthRatio(data().runInput, r, k);
  const std::vector<std::string> lines = PaintResults(data(), Picked(k), 0);
  EXPECT_TRUE(Has(lines, "FillRect 60 4 306 56 solid RGB(255,255,255)"));
  EXPECT_TRUE(Has(lines, Format("TextOut 62 6 \"Layer #3  @ Elevation %.2f m.,  Length:  %.2f m.\"",
                                r.resultLayerElevation[k], r.layerRearX[k] - r.layerFrontX[k])));
  const bool tieback = r.controllingMode[k] == 1;
  EXPECT_TRUE(Has(lines, std::string("TextOut 62 17 \"Mode of Failure:  ") + (tieback ? "Tieback" : "Compound") + "\""));
  EXPECT_TRUE(Has(lines, Format("TextOut 211 17 \"Actual Fs:  %s%.2f\"", tieback ? "" : ">", ratio)));
  EXPECT_TRUE(Has(lines, "TextOut 62 28 \"Strength :\""));
  EXPECT_TRUE(Has(lines, Format("TextOut 120 28 \"Required:  %.2f kN/m\"", check.checkRequiredStrength)));
  EXPECT_TRUE(Has(lines, Format("TextOut 120 39 \"Available:  %.2f kN/m\"", check.checkLongTermStrength)));

  // In English units the numbers are feet and pounds per foot; the ratio stays.
  data().runInput.unitSystem = 1;
  const std::vector<std::string> english = PaintResults(data(), Picked(k), 0);
  EXPECT_TRUE(Has(english, Format("TextOut 62 6 \"Layer #3  @ Elevation %.2f ft.,  Length:  %.2f ft.\"",
                                  r.resultLayerElevation[k] * kFeetPerMetre,
                                  (r.layerRearX[k] - r.layerFrontX[k]) * kFeetPerMetre)));
  EXPECT_TRUE(Has(english, Format("TextOut 211 17 \"Actual Fs:  %s%.2f\"", tieback ? "" : ">", ratio)));
  EXPECT_TRUE(Has(english, Format("TextOut 120 28 \"Required:  %.2f lb/ft\"",
                                  check.checkRequiredStrength * kLbPerFtPerKnPerM)));
  EXPECT_TRUE(HasContaining(english, "\"H=19.69 ft\""));
}

// A compound-controlled layer without any available strength has no ratio:
// its text box says "N/A" in red and it counts as overstressed.
TEST_F(ResultsDrawingTest, ARatioThatCannotBeFormedIsNotAvailableAndOverstressed) {
  drawtest::OptimisedRun(data());
  AnalysisResults& r = data().results;
  r.controllingMode[1] = 0;
  r.availableCompoundStrength[1] = 0.0;
  const std::vector<std::string> lines = PaintResults(data(), Picked(1), 0);
  const int fs = IndexOf(lines, "TextOut 211 17 \"Actual Fs:  N/A\"");
  ASSERT_GT(fs, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(fs) - 1], "SetTextColor RGB(255,0,0)");
  EXPECT_TRUE(HasContaining(lines, "\"Some reinforcement layers are\""));
  EXPECT_FALSE(HasContaining(lines, "Fs:  inf"));
  EXPECT_FALSE(HasContaining(lines, "Fs:  >inf"));
}

// The surcharge arrows: 50 pixels for the largest load, in proportion for the
// others; a load of 0.001 kPa or less draws none.
TEST_F(ResultsDrawingTest, SurchargeArrowsFollowTheirLoads) {
  drawtest::OptimisedRun(data());
  ProjectInput& in = data().runInput;
  in.surchargeQ1 = 20.0;
  in.surchargeQ2 = 0.001;
  in.surchargeQ3 = 10.0;
  const std::vector<std::string> lines = PaintResults(data(), DrawingView(), 0);
  // Q1 from the crest at x = 250, 8.4 pixels apart (0.014 W).
  EXPECT_TRUE(Has(lines, "MoveTo 250 120"));
  EXPECT_TRUE(Has(lines, "LineTo 250 70"));
  EXPECT_TRUE(Has(lines, "MoveTo 258 120"));
  EXPECT_FALSE(HasContaining(lines, "SelectPen solid 1 RGB(255,0,0)"));  // no Q2 arrows
  const int q3 = IndexOf(lines, "SelectPen solid 1 RGB(128,0,128)");
  ASSERT_GT(q3, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(q3) + 2], "LineTo 316 75");  // 25 pixels
}

TEST_F(ResultsDrawingTest, TheDepthLineOnlyInsideTheFrame) {
  drawtest::OptimisedRun(data());
  data().runInput.maxPenetrationDepth = 3.0;  // y = 220 + 50
  const std::vector<std::string> inside = PaintResults(data(), DrawingView(), 0);
  EXPECT_TRUE(Has(inside, "MoveTo 8 270"));
  EXPECT_TRUE(Has(inside, "LineTo 589 270"));
  EXPECT_TRUE(Has(inside, "TextOut 469 262 \"(Bishop's line)\""));
  data().runInput.maxPenetrationDepth = 6.0;  // y = 320, below the frame's 285
  EXPECT_FALSE(HasContaining(PaintResults(data(), DrawingView(), 0), "(Bishop's line)"));
}

// A deep-seated circle that rises into the air in front of the face ends at
// its last point below the face, without the thick end segment; a point
// straight above the toe (x = 0) is in the air and needs no division.
TEST_F(ResultsDrawingTest, ACircleThatRisesBeforeTheFaceEndsThere) {
  drawtest::OptimisedRun(data());
  AnalysisResults& r = data().results;
  const std::vector<std::string> whole = PaintResults(data(), DrawingView(), 1);
  EXPECT_TRUE(Has(whole, "SelectPen solid 3 RGB(0,128,0)"));

  for (int j = 60; j < kCirclePoints; ++j) {
    r.deepSeatedCircleX[j] = 0.0;
    r.deepSeatedCircleY[j] = 1.0 + j;
  }
  const ClippedCircle clipped = ClipDeepSeatedCircle(data().runInput, r, 1.0);
  EXPECT_TRUE(clipped.leftThroughFace);
  EXPECT_LE(clipped.endIndex, 60);
  const std::vector<std::string> cut = PaintResults(data(), DrawingView(), 1);
  EXPECT_FALSE(Has(cut, "SelectPen solid 3 RGB(0,128,0)"));
}

// The compound and tieback drawing with every family of surfaces: tieback
// surfaces first, the compound surfaces through the toe over them, those
// from the layers last, and the layers over all of them, each split at its
// slip surface one pixel below the line of the results drawing.
TEST_F(ResultsDrawingTest, CompoundAndTiebackDrawing) {
  drawtest::OptimisedRun(data());
  const AnalysisResults& r = data().results;
  const SurfaceToggles all{1, 1, 1};
  const std::vector<std::string> lines = PaintExtra(data(), Picked(1), all);
  fw::golden::ExpectGolden(Joined(lines), "extra_all_surfaces.log");

  const int tieback = IndexOf(lines, "SelectPen solid 1 RGB(0,0,0)");
  const int toe = IndexOf(lines, "SelectPen solid 1 RGB(80,0,255)");
  const int layer = IndexOf(lines, "SelectPen solid 1 RGB(255,128,0)");
  const int firstLength = IndexOf(lines, "SelectPen solid 2 RGB(255,255,255)");
  EXPECT_LT(tieback, toe);
  EXPECT_LT(toe, layer);
  EXPECT_LT(layer, firstLength);
  // The text box of layer 2, 0.15 H high, without a factor of safety.
  EXPECT_TRUE(Has(lines, "FillRect 60 4 306 64 solid RGB(255,255,255)"));
  EXPECT_TRUE(Has(lines, Format("TextOut 62 6 \"Layer #2  @ Elevation %.2f m.\"", r.resultLayerElevation[1])));
  EXPECT_TRUE(Has(lines, Format("TextOut 62 17 \"Length:  %.2f m. ( Le = %.2f, La = %.2f )\"",
                                r.embeddedLength[1] + r.lengthToSlipSurface[1], r.embeddedLength[1],
                                r.lengthToSlipSurface[1])));
  EXPECT_TRUE(Has(lines, Format("TextOut 120 39 \"(available) T-compound:  %.2f kN/m\"", r.availableCompoundStrength[1])));
  EXPECT_TRUE(Has(lines, Format("TextOut 120 50 \"(required) T-tieback:  %.2f kN/m\"", r.requiredTiebackStrength[1])));
  EXPECT_FALSE(HasContaining(lines, "Actual Fs"));
  EXPECT_FALSE(HasContaining(lines, "Some reinforcement"));
  // The toe stands at 0.53 H; no outer-most legend in this drawing.
  EXPECT_TRUE(Has(lines, "Ellipse 146 208 154 216"));
  EXPECT_FALSE(HasContaining(lines, "\"Tieback\""));

  // The red part of each layer ends at La + Le from its front end.
  const double s = 400.0 / 6 * 0.25;
  const int k = 0;
  const double x0 = 150 + s * r.layerFrontX[k];
  const int y = fw::ToDeviceCoord(212 - s * r.resultLayerElevation[k] + 1);
  EXPECT_TRUE(Has(lines, Format("LineTo %d %d", fw::ToDeviceCoord(x0 + s * (r.embeddedLength[k] + r.lengthToSlipSurface[k])), y)));
}

// Painting is bounded whatever the records hold: an empty window paints
// nothing; a backslope of 89.9 degrees, a crest of 1e9 m and a slope of a
// nanometre, at the largest and smallest zoom and the farthest pan, paint in
// a few thousand calls.
TEST_F(ResultsDrawingTest, ExtremeInputsPaintInBoundedTime) {
  drawtest::OptimisedRun(data());
  EXPECT_TRUE(PaintResults(data(), DrawingView(), 1, 0, fw::Size{0, 400}).empty());
  EXPECT_TRUE(PaintResults(data(), DrawingView(), 1, 0, fw::Size{600, 0}).empty());
  EXPECT_TRUE(PaintExtra(data(), DrawingView(), SurfaceToggles{1, 1, 1}, 0, fw::Size{0, 0}).empty());

  struct Case {
    const char* name;
    void (*change)(ProjectInput&);
  };
  const Case cases[] = {
      {"backslope 89.9", [](ProjectInput& in) { in.backslopeAngle = 89.9; }},
      {"crest 1e9 m", [](ProjectInput& in) {
         in.crestLengthA = 1e9;
         in.crestLengthB = 1e9;
       }},
      {"H tiny", [](ProjectInput& in) { in.slopeHeight = 1e-9; }},
      {"H zero", [](ProjectInput& in) { in.slopeHeight = 0.0; }},
      {"face 90", [](ProjectInput& in) { in.slopeAngle = 90.0; }},
      {"not a number", [](ProjectInput& in) { in.slopeAngle = std::nan(""); }},
  };
  DrawingView largest;
  for (int i = 0; i < 500; ++i) largest.ZoomIn();
  DrawingView smallest;
  for (int i = 0; i < 500; ++i) smallest.ZoomOut();
  DrawingView far;
  for (int i = 0; i < 5000; ++i) far.Pan(-1, 1);
  for (const Case& c : cases) {
    auto d = std::make_unique<ProjectData>(data());
    c.change(d->runInput);
    d->runInput.surchargeQ1 = d->runInput.surchargeQ2 = d->runInput.surchargeQ3 = 10.0;
    for (const DrawingView* view : {&largest, &smallest, &far}) {
      const auto start = std::chrono::steady_clock::now();
      DrawingView picked = *view;
      picked.selectedLayer = 0;
      const std::size_t results = PaintResults(*d, picked, 1).size();
      const std::size_t extra = PaintExtra(*d, picked, SurfaceToggles{1, 1, 1}).size();
      EXPECT_LT(results, 5000u) << c.name;
      EXPECT_LT(extra, 5000u) << c.name;
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
    }
  }
}

// ---- the view -----------------------------------------------------------------------

TEST(DrawingViewTest, ZoomStepsOf105WithinTheirBounds) {
  DrawingView view;
  for (int i = 0; i < 10; ++i) view.ZoomIn();
  EXPECT_EQ(view.zoom, 0.4072236566943605);
  view.ZoomOut();
  EXPECT_EQ(view.ZoomSteps(), 9);
  view.Pan(3, -2);
  view.Reset();
  EXPECT_EQ(view.zoom, 0.25);
  EXPECT_EQ(view.panX, 0.0);
  EXPECT_EQ(view.panY, 0.0);

  // Many steps stop at the bounds; the way back is as many steps.
  for (int i = 0; i < 10000; ++i) view.ZoomIn();
  EXPECT_EQ(view.ZoomSteps(), DrawingView::kMaxZoomSteps);
  EXPECT_TRUE(std::isfinite(view.zoom));
  EXPECT_LT(view.zoom, 40.0);
  for (int i = 0; i < 10000; ++i) view.ZoomOut();
  EXPECT_EQ(view.ZoomSteps(), -DrawingView::kMaxZoomSteps);
  EXPECT_GT(view.zoom, 0.001);

  for (int i = 0; i < 100000; ++i) view.Pan(1, -1);
  EXPECT_EQ(view.panX, DrawingView::kMaxPan);
  EXPECT_EQ(view.panY, -DrawingView::kMaxPan);
}

TEST(DrawingViewTest, RowClicksPickAndClearLayers) {
  struct Step {
    int row;
    int selected;  // afterwards
  };
  const Step steps[] = {
      {3, 2},   // row 3 is the third layer from the bottom
      {3, -1},  // a second click on it clears the pick
      {1, 0}, {4, 3},  // another row moves the pick
      {0, -1},         // the header row clears it
      {2, 1}, {7, -1}, // a row beyond the 6 layers clears it
      {-5, -1},
  };
  DrawingView view;
  for (const Step& s : steps) {
    view.ClickRow(s.row, 6);
    EXPECT_EQ(view.selectedLayer, s.selected) << "row " << s.row;
  }
  // Without layers no row picks anything.
  view.ClickRow(1, 0);
  EXPECT_EQ(view.selectedLayer, -1);
}

}  // namespace
}  // namespace tervane
