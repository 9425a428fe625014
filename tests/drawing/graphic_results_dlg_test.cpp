// The drawing dialogs driven headless: the results drawing with its list,
// toggles, zoom and pan buttons and the dialogs it opens; the compound and
// tieback drawing; the geometry details and the colour choice.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "model/ProjectData.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/GeometryDetailsDlg.h"
#include "drawing/GraphicResultsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Spreadsheet.h"
#include "resources/DrawingResources.h"

namespace tervane {
namespace {

using fw::HeadlessSession;
using fw::Invalidation;
using fw::Script;

// The headless client area of both drawing dialogs (422 x 293 dialog units).
constexpr fw::Size kClient{633, 476};
// The figure's repaint: from trunc(0.0146 W) to W, top to bottom.
constexpr fw::Rect kFigure{9, 0, 633, 476};

bool HasContaining(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

class GraphicResultsDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { drawtest::OptimisedRun(app_.project()); }

  const fw::DialogRecord& Record(const char* name, int occurrence = 0) {
    const fw::DialogRecord* r = session_.Find(name, occurrence);
    EXPECT_NE(r, nullptr) << name;
    static const fw::DialogRecord none;
    return r != nullptr ? *r : none;
  }

  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
  HeadlessSession session_;
};

TEST_F(GraphicResultsDlgTest, OpensWithTheRunsLayersAndNoPick) {
  const int N = Project().results.resultLayerCount;
  ASSERT_GT(N, 0);
  CGraphicResultsDlg dlg;
  session_.Queue(Script().Paint().Escape());
  EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
  const fw::DialogRecord& r = Record("IDD_GRAPHIC_RESULTS");
  EXPECT_EQ(r.caption, "Graphic results");
  EXPECT_EQ(r.background, fw::RGB(222, 222, 222));
  EXPECT_FALSE(r.Visible(1244));
  ASSERT_NE(r.Sheet(res::kLayerListId), nullptr);
  EXPECT_EQ(r.Sheet(res::kLayerListId)->RowCount(), N);
  EXPECT_EQ(r.Sheet(res::kLayerListId)->ColumnCount(), 0);
  EXPECT_EQ(r.Check(res::kOutermostToggleId), 0);
  EXPECT_EQ(dlg.layerCount, N);
  EXPECT_EQ(dlg.view.zoom, 0.25);
  EXPECT_EQ(dlg.view.selectedLayer, -1);
  EXPECT_EQ(dlg.lengthUnitFactor, 1.0);
  EXPECT_EQ(dlg.strengthCheck.strengthUnitFactor, 1.0);
  EXPECT_EQ(dlg.layerLength[2], Project().results.layerRearX[2] - Project().results.layerFrontX[2]);
  // The paint stores the client size and the frame.
  EXPECT_EQ(dlg.clientWidth, kClient.cx);
  EXPECT_EQ(dlg.clientHeight, kClient.cy);
  EXPECT_EQ(dlg.frame.right, 0.983 * kClient.cx);
  EXPECT_TRUE(HasContaining(r.lastPaint, "Rectangle 9 0 624 339"));
}

TEST_F(GraphicResultsDlgTest, EnglishRunsShowFeetAndPoundsPerFoot) {
  Project().runInput.unitSystem = 1;
  Project().input.unitSystem = 0;  // the units being edited play no part
  CGraphicResultsDlg dlg;
  session_.Queue(Script().ClickCell(res::kLayerListId, 0, 1).Paint().Escape());
  dlg.DoModal();
  EXPECT_EQ(dlg.lengthUnitFactor, kFeetPerMetre);
  EXPECT_EQ(dlg.strengthCheck.strengthUnitFactor, kLbPerFtPerKnPerM);
  const std::vector<std::string>& paint = Record("IDD_GRAPHIC_RESULTS").lastPaint;
  EXPECT_TRUE(HasContaining(paint, "\"H=19.69 ft\""));
  EXPECT_TRUE(HasContaining(paint, " lb/ft\""));
}

// Row clicks of the list pick and clear layers; each repaints the figure.
TEST_F(GraphicResultsDlgTest, TheListPicksALayerAndASecondClickClearsIt) {
  CGraphicResultsDlg dlg;
  std::vector<int> picks;
  auto note = [&] { picks.push_back(dlg.view.selectedLayer); };
  session_.Queue(Script()
                     .ClickCell(res::kLayerListId, 0, 3).Inspect(note).Paint()
                     .ClickCell(res::kLayerListId, 0, 3).Inspect(note)
                     .ClickCell(res::kLayerListId, 0, 1).Inspect(note)
                     .ClickCell(res::kLayerListId, 0, 0).Inspect(note)
                     .Escape());
  dlg.DoModal();
  EXPECT_EQ(picks, (std::vector<int>{2, -1, 0, -1}));
  const fw::DialogRecord& r = Record("IDD_GRAPHIC_RESULTS");
  ASSERT_EQ(r.invalidations.size(), 4u);
  for (const Invalidation& inv : r.invalidations) {
    EXPECT_EQ(inv.rect, kFigure);
    EXPECT_TRUE(inv.erase);
  }
}

TEST_F(GraphicResultsDlgTest, ZoomPanAndTheOuterMostToggle) {
  CGraphicResultsDlg dlg;
  Script script;
  for (int i = 0; i < 10; ++i) script.Click(res::kScaleLargeId);
  double afterTen = 0;
  script.Inspect([&] { afterTen = dlg.view.zoom; });
  script.Click(res::kUpId).Click(res::kUpId).Click(res::kRightId).Click(res::kLeftId).Click(res::kRightId)
      .Click(res::kDownId);
  double panX = 0, panY = 0;
  script.Inspect([&] {
    panX = dlg.view.panX;
    panY = dlg.view.panY;
  });
  script.Click(res::kScaleSmallId);
  double smaller = 0;
  script.Inspect([&] { smaller = dlg.view.zoom; });
  script.Click(res::kDefaultScaleId);
  script.Click(res::kOutermostToggleId).Paint();
  session_.Queue(script.Escape());
  dlg.DoModal();
  EXPECT_EQ(afterTen, 0.4072236566943605);
  EXPECT_EQ(panX, 10.0);   // "Right" moves the figure right
  EXPECT_EQ(panY, -10.0);  // "Up" raises it
  EXPECT_EQ(smaller, 0.4072236566943605 / 1.05);
  EXPECT_EQ(dlg.view.zoom, 0.25);
  EXPECT_EQ(dlg.view.panX, 0.0);
  EXPECT_EQ(dlg.showOutermost, 1);
  const fw::DialogRecord& r = Record("IDD_GRAPHIC_RESULTS");
  EXPECT_EQ(r.Check(res::kOutermostToggleId), 1);
  EXPECT_EQ(r.invalidations.size(), 19u);
  EXPECT_TRUE(HasContaining(r.lastPaint, "\"Bishop's circle\""));
}

// "B/W" opens the colour choice and repaints however it closed; choosing
// black and white in the compound and tieback drawing also turns the results
// drawing black and white.
TEST_F(GraphicResultsDlgTest, TheColourChoiceFromEitherDrawing) {
  CGraphicResultsDlg dlg;
  session_.Queue(Script()
                     .Click(res::kBlackWhiteId)
                     .Answer(Script().Escape())
                     .Click(res::kViewTiebackCompoundId)
                     .Answer(Script()
                                 .Click(res::kBlackWhiteId)
                                 .Answer(Script().Click(res::kBlackWhiteRadioId).Click(fw::IDOK))
                                 .Paint()
                                 .Escape())
                     .Paint()
                     .Escape());
  dlg.DoModal();
  EXPECT_EQ(Project().settings.screenColorMode, 1);
  const fw::DialogRecord& results = Record("IDD_GRAPHIC_RESULTS");
  EXPECT_EQ(results.invalidations.size(), 2u);  // after each of the two dialogs
  EXPECT_FALSE(HasContaining(results.lastPaint, "RGB(255,204,51)"));
  const fw::DialogRecord& extra = Record("IDD_GRAPHIC_RESULTS_EXTRA");
  EXPECT_EQ(extra.invalidations.size(), 1u);
  EXPECT_FALSE(HasContaining(extra.lastPaint, "RGB(255,204,51)"));
  EXPECT_EQ(Record("IDD_DISPLAY_BITMAP", 0).result, fw::IDCANCEL);
  EXPECT_EQ(Record("IDD_DISPLAY_BITMAP", 1).result, fw::IDOK);
}

TEST_F(GraphicResultsDlgTest, TheOtherDialogsOpenFromTheirButtons) {
  CGraphicResultsDlg dlg;
  session_.Queue(Script()
                     .Click(res::kGeometryDetailsId)
                     .Answer(Script().Enter())
                     .Click(res::kCallDxfId)
                     .Answer(Script().Escape())
                     .Click(fw::IDOK));
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);  // "&RETURN"
  EXPECT_EQ(Record("IDD_GEOMETRY_DETAILS").depth, 1);
  EXPECT_EQ(Record("IDD_CREATE_DXF_FILE").depth, 1);
  // Neither changes the figure.
  EXPECT_TRUE(Record("IDD_GRAPHIC_RESULTS").invalidations.empty());
}

// A run without layers (the main menu looks at the input's layer count, not
// the run's) opens an empty list whose clicks pick nothing.
TEST_F(GraphicResultsDlgTest, ARunWithoutLayers) {
  Project().results.resultLayerCount = 0;
  CGraphicResultsDlg dlg;
  session_.Queue(Script().ClickCell(res::kLayerListId, 0, 0).Paint().Escape());
  dlg.DoModal();
  const fw::DialogRecord& r = Record("IDD_GRAPHIC_RESULTS");
  EXPECT_EQ(r.Sheet(res::kLayerListId)->RowCount(), 0);
  EXPECT_EQ(dlg.view.selectedLayer, -1);
  EXPECT_FALSE(HasContaining(r.lastPaint, "Layer #"));
  EXPECT_TRUE(HasContaining(r.lastPaint, "\"H=6.00 m\""));
}

// ---- the compound and tieback drawing ------------------------------------------------

TEST_F(GraphicResultsDlgTest, CompoundAndTiebackDrawing) {
  CGraphicResultsExtraDlg dlg;
  std::vector<int> toggles;
  session_.Queue(Script()
                     .Click(res::kAllTiebackToggleId)
                     .Click(res::kToeCompoundToggleId)
                     .Click(res::kLayerCompoundToggleId)
                     .Click(res::kToeCompoundToggleId)
                     .Inspect([&] {
                       toggles = {dlg.toggles.showAllTieback, dlg.toggles.showToeCompound,
                                  dlg.toggles.showLayerCompound};
                     })
                     .ClickCell(res::kLayerListId, 0, 2)
                     .Click(res::kScaleLargeId)
                     .Click(res::kLeftId)
                     .Click(res::kExplanationId)
                     .Answer(Script().Enter())
                     .Paint()
                     .Escape());
  dlg.DoModal();
  EXPECT_EQ(toggles, (std::vector<int>{1, 0, 1}));
  const fw::DialogRecord& r = Record("IDD_GRAPHIC_RESULTS_EXTRA");
  EXPECT_EQ(r.caption, "Graphic results -- Compound and Tieback");
  EXPECT_FALSE(r.Visible(1244));
  EXPECT_EQ(r.Sheet(res::kLayerListId)->RowCount(), Project().results.resultLayerCount);
  EXPECT_EQ(r.Check(res::kAllTiebackToggleId), 1);
  EXPECT_EQ(r.Check(res::kToeCompoundToggleId), 0);
  EXPECT_EQ(dlg.view.selectedLayer, 1);
  EXPECT_EQ(dlg.view.zoom, 0.25 * 1.05);
  EXPECT_EQ(dlg.view.panX, -10.0);
  // Every change repaints the figure whole from the frame's left edge, so no
  // strip of an older figure stays left of 0.075 W.
  ASSERT_EQ(r.invalidations.size(), 7u);
  for (const Invalidation& inv : r.invalidations) EXPECT_EQ(inv.rect, kFigure);
  EXPECT_TRUE(HasContaining(r.lastPaint, "\"Layer #2  @ Elevation "));
  EXPECT_TRUE(HasContaining(r.lastPaint, "SelectPen solid 1 RGB(255,128,0)"));
  // The picked layer's two surfaces, every tieback surface, the outer-most
  // compound surface and every compound surface from a layer; none through
  // the toe (that toggle is off again).
  const int N = Project().results.resultLayerCount;
  EXPECT_EQ(std::count_if(r.lastPaint.begin(), r.lastPaint.end(),
                          [](const std::string& l) { return l.rfind("Polyline 51 ", 0) == 0; }),
            2 + N + 1 + N);
  const fw::DialogRecord& explain = Record("IDD_COMPOUND_EXPLAIN");
  EXPECT_EQ(explain.caption, "Explaining Compound slip surfaces");
  EXPECT_EQ(explain.background, fw::kWhite);
  EXPECT_FALSE(explain.Visible(1244));
}

// ---- geometry details and the colour choice ------------------------------------------

TEST_F(GraphicResultsDlgTest, GeometryDetailsInTheUnitsOfTheRun) {
  struct Case {
    int unitSystem;
    int symbolStyle;
    std::vector<std::string> texts;  // 1169, H, i, A, B, beta, alpha, Q1, Q2, Q3
  };
  const Case cases[] = {
      {0, 0, {"Metric (SI) units are used.", "6.00 m.", "45.00 \u00b0", "2.00 m.", "2.00 m.", "30.00 \u00b0",
              "5.00 \u00b0", "10.00 kPa.", "5.00 kPa.", "20.00 kPa."}},
      {1, 0, {"English units are used.", "19.69 ft.", "45.00 \u00b0", "6.56 ft.", "6.56 ft.", "30.00 \u00b0",
              "5.00 \u00b0", "208.85 lb/ft \u00b2.", "104.42 lb/ft \u00b2.", "417.69 lb/ft \u00b2."}},
      {1, 1, {"English units are used.", "19.69 ft.", "45.00deg.", "6.56 ft.", "6.56 ft.", "30.00deg.", "5.00deg.",
              "208.85 lb/ft^2.", "104.42 lb/ft^2.", "417.69 lb/ft^2."}},
      {0, 1, {"Metric (SI) units are used.", "6.00 m.", "45.00deg.", "2.00 m.", "2.00 m.", "30.00deg.", "5.00deg.",
              "10.00 kPa.", "5.00 kPa.", "20.00 kPa."}},
  };
  const int ids[] = {res::kDetailsUnitsId,   res::kDetailsHeightId,      res::kDetailsSlopeAngleId,
                     res::kDetailsCrestAId,  res::kDetailsCrestBId,      res::kDetailsBackslopeId,
                     res::kDetailsBottomSlopeId, res::kDetailsQ1Id,      res::kDetailsQ2Id,
                     res::kDetailsQ3Id};
  int occurrence = 0;
  for (const Case& c : cases) {
    Project().runInput.unitSystem = c.unitSystem;
    Project().settings.symbolStyle = c.symbolStyle;
    CGeometryDetailsDlg dlg;
    session_.Queue(Script().Enter());
    EXPECT_EQ(dlg.DoModal(), fw::IDOK);
    const fw::DialogRecord& r = Record("IDD_GEOMETRY_DETAILS", occurrence++);
    EXPECT_EQ(r.caption, "Geometry Details");
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(r.Text(ids[i]), c.texts[i]) << c.unitSystem << c.symbolStyle << i;
  }
}

TEST_F(GraphicResultsDlgTest, TheColourChoiceStoresOnOkOnly) {
  struct Case {
    int start;
    Script script;
    int stored;
  };
  Case cases[] = {
      {0, Script().Click(res::kBlackWhiteRadioId).Enter(), 1},
      {1, Script().Click(res::kColourRadioId).Click(fw::IDOK), 0},
      {0, Script().Click(res::kBlackWhiteRadioId).Escape(), 0},  // Esc stores nothing
      {1, Script().Enter(), 1},
  };
  int occurrence = 0;
  for (Case& c : cases) {
    Project().settings.screenColorMode = c.start;
    CDisplayBitmapDlg dlg;
    EXPECT_EQ(dlg.colorChoice, c.start);
    session_.Queue(c.script);
    dlg.DoModal();
    EXPECT_EQ(Project().settings.screenColorMode, c.stored) << occurrence;
    const fw::DialogRecord& r = Record("IDD_DISPLAY_BITMAP", occurrence++);
    EXPECT_EQ(r.caption, "Display of Graphics");
    EXPECT_FALSE(r.Visible(1244));
  }
}

}  // namespace
}  // namespace tervane
