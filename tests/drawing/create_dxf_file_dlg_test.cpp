// The DXF export dialog driven headless: its check boxes, its preview (golden
// drawing logs at the headless client size of 604 x 354 pixels), the save
// dialog and the file it writes, and what happens when the file cannot be
// written.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DxfTestSupport.h"
#include "model/ProjectData.h"
#include "drawing/CreateDxfFileDlg.h"
#include "drawing/DxfDrawing.h"
#include "drawing/DxfStream.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "resources/DxfExportResources.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using fw::HeadlessSession;
using fw::Script;

constexpr int kAllChecks[] = {
    res::kDxfGeometryCheck,   res::kDxfReinforcementCheck, res::kDxfCriticalSurfacesCheck, res::kDxfLengthsCheck,
    res::kDxfAllTiebackCheck, res::kDxfToeCompoundCheck,   res::kDxfLayerCompoundCheck,
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool HasLineContaining(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

// True when `seq` stands in `lines` as one unbroken run.
bool ContainsRun(const std::vector<std::string>& lines, const std::vector<std::string>& seq) {
  return std::search(lines.begin(), lines.end(), seq.begin(), seq.end()) != lines.end();
}

std::string FileBytes(const std::string& path) { return fw::golden::ReadFile(path); }

// The file is one that the strict reader of python3-ezdxf takes.
void ExpectReadByEzdxf(const std::string& path) {
  int status = 0;
  const std::string summary = dxftest::EzdxfSummary({path}, status);
  EXPECT_EQ(status, 0) << summary;
}

std::string ExpectedFile(const DxfSelection& selection, double L) {
  return dxftest::DrawingBytes(Project(), selection, L);
}

class CreateDxfFileDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dxftest::SetUpSiFixture(app_.project().input);
    dxftest::RunProject(app_.project());
  }

  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
  HeadlessSession session_;
  dxftest::TempDir dir_;
};

TEST_F(CreateDxfFileDlgTest, OpensWithEveryElementCheckedAndTheFullPreview) {
  CCreateDxfFileDlg dlg;
  session_.Queue(Script().Paint().Escape());
  EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
  const fw::DialogRecord* r = session_.Find("IDD_CREATE_DXF_FILE");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->caption, "Create .DXF file -- for use with AutoCAD(c)");
  EXPECT_EQ(r->background, fw::RGB(222, 222, 222));
  for (int id : kAllChecks) EXPECT_EQ(r->Check(id), 1) << id;
  EXPECT_FALSE(r->Visible(1244));
  EXPECT_EQ(dlg.dxfLayerCount, Project().results.resultLayerCount);
  EXPECT_EQ(dlg.lengthUnitFactor, 1.0);
  EXPECT_EQ(dlg.StrengthCheck().strengthUnitFactor, 1.0);
  fw::golden::ExpectGolden(Joined(r->lastPaint), "dxf_preview_colour.log");
  // Cancel writes nothing.
  EXPECT_TRUE(fakes_.fileDialogs.SaveCalls().empty());
}

TEST_F(CreateDxfFileDlgTest, BlackAndWhitePreview) {
  Project().settings.screenColorMode = 1;
  CCreateDxfFileDlg dlg;
  session_.Queue(Script().Paint().Escape());
  dlg.DoModal();
  const fw::DialogRecord* r = session_.Find("IDD_CREATE_DXF_FILE");
  ASSERT_NE(r, nullptr);
  fw::golden::ExpectGolden(Joined(r->lastPaint), "dxf_preview_bw.log");
  // No legend and no outer-most compound surface in black and white.
  EXPECT_FALSE(HasLineContaining(r->lastPaint, "\"Tieback\""));
  EXPECT_FALSE(HasLineContaining(r->lastPaint, "RGB(80,0,255)"));
}

// Clearing every box leaves the background, the toe marker, the depth line
// and the H dimension; the file then holds no entity.
TEST_F(CreateDxfFileDlgTest, ClearingEveryBoxLeavesOnlyTheFrameOfTheFigure) {
  const std::string path = dir_.File("nothing.DXF");
  fakes_.fileDialogs.QueueSave(path);
  CCreateDxfFileDlg dlg;
  Script script;
  script.Paint();
  for (int id : kAllChecks) script.Click(id);
  script.Paint().Click(fw::IDOK);
  session_.Queue(script);
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);
  const fw::DialogRecord* r = session_.Find("IDD_CREATE_DXF_FILE");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(dlg.Selection().exportGeometry + dlg.Selection().exportReinforcement +
                dlg.Selection().exportCriticalSurfaces + dlg.Selection().exportLengths +
                dlg.Selection().exportAllTiebackSurfaces + dlg.Selection().exportToeCompoundSurfaces +
                dlg.Selection().exportLayerCompoundSurfaces,
            0);
  // Every click repaints the whole client area at once.
  ASSERT_EQ(r->invalidations.size(), 7u);
  for (const fw::Invalidation& inv : r->invalidations) {
    EXPECT_EQ(inv.rect, (fw::Rect{0, 0, 604, 354}));
    EXPECT_TRUE(inv.erase);
  }
  const std::vector<std::string> expected = {
      "SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0",
      "SetTextColor RGB(0,0,255)",
      "SetBkColor RGB(222,222,222)",
      "SelectPen solid 1 RGB(0,0,0)",
      "SelectBrush solid RGB(222,222,222)",
      "Rectangle 0 0 604 354",
      // The toe marker.
      "SelectPen solid 1 RGB(0,0,0)",
      "SelectBrush solid RGB(0,0,0)",
      "Ellipse 298 190 306 198",
      // The depth line, 6 m below the toe: 194.7 + 6 x 14.75.
      "SelectPen solid 3 RGB(0,0,0)",
      "MoveTo 0 283",
      "LineTo 604 283",
      "SetTextColor RGB(0,0,255)",
      "SetBkColor RGB(255,204,51)",
      "TextOut 483 275 \"(Bishop's line)\"",
      // The H dimension.
      "SelectPen solid 1 RGB(0,0,0)",
      "MoveTo 292 194",
      "LineTo 252 194",
      "MoveTo 380 106",
      "LineTo 252 106",
      "MoveTo 267 194",
      "LineTo 267 106",
      "MoveTo 264 184",
      "LineTo 267 194",
      "LineTo 270 184",
      "MoveTo 264 116",
      "LineTo 267 106",
      "LineTo 270 116",
      "SetTextColor RGB(0,0,0)",
      "SetBkColor RGB(222,222,222)",
      "TextOut 232 140 \"H=6.00 m\"",
      "SelectFont \"MS Sans Serif\" height=0 weight=400 italic=0 charset=0",
      "SelectBrush solid RGB(255,255,255)",
      "SelectPen solid 0 RGB(0,0,0)",
  };
  EXPECT_EQ(r->lastPaint, expected);
  EXPECT_EQ(FileBytes(path), dxftest::PrologueBytes() + "0\r\nENDSEC\r\n0\r\nEOF\r\n");
  ExpectReadByEzdxf(path);
}

TEST_F(CreateDxfFileDlgTest, OkAsksForAFileAndWritesTheChosenElements) {
  const std::string path = dir_.File("slope.DXF");
  fakes_.fileDialogs.QueueSave(path);
  CCreateDxfFileDlg dlg;
  session_.Queue(Script()
                     .Click(res::kDxfAllTiebackCheck)
                     .Click(res::kDxfLayerCompoundCheck)
                     .Click(res::kDxfAllTiebackCheck)
                     .Click(res::kDxfGeometryCheck)
                     .Enter());
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);
  ASSERT_EQ(fakes_.fileDialogs.SaveCalls().size(), 1u);
  const fw::FileDialogOptions& options = fakes_.fileDialogs.SaveCalls()[0];
  EXPECT_TRUE(options.filters.empty());
  EXPECT_EQ(options.proposedName, "*.DXF");
  EXPECT_EQ(options.defaultExtension, "DXF");
  EXPECT_TRUE(options.askOverwrite);
  DxfSelection chosen;
  chosen.exportGeometry = 0;
  chosen.exportLayerCompoundSurfaces = 0;
  EXPECT_EQ(FileBytes(path), ExpectedFile(chosen, 1.0));
  ExpectReadByEzdxf(path);
  EXPECT_TRUE(session_.MessageBoxes().empty());
}

TEST_F(CreateDxfFileDlgTest, CancelInTheSaveDialogKeepsTheExportOpen) {
  fakes_.fileDialogs.QueueSave(std::nullopt);
  CCreateDxfFileDlg dlg;
  bool stillOpen = false;
  session_.Queue(Script()
                     .Click(res::kDxfGeometryCheck)
                     .Click(fw::IDOK)
                     .Inspect([&] { stillOpen = dlg.IsWindow(); })
                     .Escape());
  EXPECT_EQ(dlg.DoModal(), fw::IDCANCEL);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(fakes_.fileDialogs.SaveCalls().size(), 1u);
  EXPECT_EQ(dlg.exportGeometry, 0);  // the choices stay
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
}

// A path that cannot be written: the message, the dialog stays open, and a
// second attempt at a good path writes the file and closes the dialog.
TEST_F(CreateDxfFileDlgTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
  const std::string bad = dir_.File("missing folder/slope.DXF");
  const std::string good = dir_.File("slope.DXF");
  fakes_.fileDialogs.QueueSave(bad);
  fakes_.fileDialogs.QueueSave(good);
  CCreateDxfFileDlg dlg;
  bool openAfterFailure = false;
  session_.Queue(Script()
                     .Click(fw::IDOK)
                     .Inspect([&] { openAfterFailure = dlg.IsWindow(); })
                     .Click(fw::IDOK));
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);
  EXPECT_TRUE(openAfterFailure);
  ASSERT_EQ(session_.MessageBoxes().size(), 1u);
  const std::string& message = session_.MessageBoxes()[0];
  EXPECT_EQ(message.rfind("The DXF file could not be written.\n\nCannot create a file beside " + bad + ": ", 0), 0u)
      << message;
  EXPECT_FALSE(std::filesystem::exists(bad));
  EXPECT_EQ(FileBytes(good), ExpectedFile(DxfSelection{}, 1.0));
  ExpectReadByEzdxf(good);
}

// The export follows the units being edited, not those of the run: feet in
// the file and in the H label, the preview itself still in metres.
TEST_F(CreateDxfFileDlgTest, EnglishUnitsOfTheInputAfterAnSiRun) {
  std::vector<std::string> siPaint;
  {
    CCreateDxfFileDlg dlg;
    session_.Queue(Script().Paint().Escape());
    dlg.DoModal();
    siPaint = session_.Records().back().lastPaint;
  }
  Project().input.unitSystem = 1;
  ASSERT_EQ(Project().runInput.unitSystem, 0);
  const std::string path = dir_.File("feet.DXF");
  fakes_.fileDialogs.QueueSave(path);
  CCreateDxfFileDlg dlg;
  session_.Queue(Script().Paint().Click(fw::IDOK));
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);
  EXPECT_EQ(dlg.lengthUnitFactor, 3.28084);
  EXPECT_EQ(dlg.StrengthCheck().strengthUnitFactor, 68.519);
  const std::vector<std::string>& feetPaint = session_.Records().back().lastPaint;
  ASSERT_EQ(feetPaint.size(), siPaint.size());
  for (std::size_t i = 0; i < siPaint.size(); ++i) {
    if (siPaint[i] == "TextOut 232 140 \"H=6.00 m\"")
      EXPECT_EQ(feetPaint[i], "TextOut 232 140 \"H=19.69 ft\"");
    else
      EXPECT_EQ(feetPaint[i], siPaint[i]) << i;
  }
  EXPECT_EQ(FileBytes(path), ExpectedFile(DxfSelection{}, 3.28084));
  ExpectReadByEzdxf(path);
  const std::vector<dxftest::Entity> outline =
      dxftest::OnLayer(dxftest::ParseEntities(FileBytes(path)), "POLYLINE", "POLY1");
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0].points[1], (dxftest::Vertex{19.685, 19.685}));
}

// Two layers set by hand: the lower one overstressed.
void SetTwoLayers(ProjectData& app) {
  AnalysisResults& r = app.results;
  r.resultLayerCount = 2;
  for (int k = 0; k < 2; ++k) {
    r.resultLayerElevation[k] = 0.5 * (k + 1);
    r.layerFrontX[k] = 0.5 * (k + 1);
    r.layerRearX[k] = 0.5 * (k + 1) + 4;
    r.controllingMode[k] = 1;
  }
  // 45 / (1.2 x 1.1 x 2.5) = 13.6 kN/m long-term; Fs on strength 1.3.
  app.runInput.runMode = 1;
  app.runInput.layerUltimateStrength[0] = 45;
  app.runInput.layerUltimateStrength[1] = 45;
  r.tiebackTr[0] = 100;  // ratio 0.136: overstressed
  r.tiebackTr[1] = 1;    // ratio 13.6
}

TEST_F(CreateDxfFileDlgTest, LayersAreColouredByTheirStrengthCheck) {
  SetTwoLayers(Project());
  Project().runInput.maxPenetrationDepth = 20;  // the depth line falls below the client area
  Project().results.deepSeatedNotConducted = 1;
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    Project().settings.screenColorMode = mode;
    CCreateDxfFileDlg dlg;
    session_.Queue(Script().Paint().Escape());
    dlg.DoModal();
    const std::vector<std::string>& paint = session_.Records().back().lastPaint;
    const std::string first = mode == 0 ? "SelectPen solid 2 RGB(255,0,0)" : "SelectPen solid 1 RGB(0,0,0)";
    const std::string second = mode == 0 ? "SelectPen solid 2 RGB(255,255,255)" : "SelectPen solid 1 RGB(0,0,0)";
    EXPECT_TRUE(ContainsRun(paint, {first, "MoveTo 310 187", "LineTo 368 187", second, "MoveTo 317 179",
                                    "LineTo 375 179"}))
        << Joined(paint);
    // No depth line below the client area, no circle without the analysis.
    EXPECT_FALSE(HasLineContaining(paint, "Bishop's line"));
    EXPECT_FALSE(HasLineContaining(paint, "Bishop's circle"));
    EXPECT_FALSE(HasLineContaining(paint, "SelectPen solid 3"));
    // The check values are those of the last layer coloured.
    EXPECT_NEAR(dlg.StrengthCheck().checkRequiredStrength, 1, 1e-12);
  }
}

// No run yet (every record at its default): the dialog opens, paints and
// writes without reading outside the records.
TEST_F(CreateDxfFileDlgTest, RecordsWithoutARunStillGiveAFile) {
  Project().results = AnalysisResults();
  Project().runInput = ProjectInput(ProjectInput::Defaults::kRunSnapshot);
  const std::string path = dir_.File("empty.DXF");
  fakes_.fileDialogs.QueueSave(path);
  CCreateDxfFileDlg dlg;
  session_.Queue(Script().Paint().Click(fw::IDOK));
  EXPECT_EQ(dlg.DoModal(), fw::IDOK);
  EXPECT_EQ(dlg.dxfLayerCount, 0);
  EXPECT_EQ(FileBytes(path), ExpectedFile(DxfSelection{}, 1.0));
  ExpectReadByEzdxf(path);
}

}  // namespace
}  // namespace tervane
