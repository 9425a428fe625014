// The results menu and the summary and detailed results tables (headless):
// how the sheets are built, what every cell shows for fixture runs in SI and
// English units, the overstress marks, the workbook export with its
// temporary files and failures, the switch to the print preview and the
// printing of a table.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "support/ResultsTablesSupport.h"
#include "ResultsTestSupport.h"
#include "support/RunFixture.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetFile.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/SpreadsheetPrint.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ResultsSheet.h"
#include "results/ViewCase1Dlg.h"
#include "results/ViewCase2Dlg.h"
#include "results/ViewWrittenResultsDlg.h"

namespace tervane {
namespace {

namespace fs = std::filesystem;
using fw::IDOK;
using fw::Script;
using testing::Fixture;

class ResultsTablesTest : public ::testing::Test {
 protected:
  ResultsTablesTest() { project().dataDirectory = dir.File("data"); fs::create_directories(project().dataDirectory); }

  ProjectData& project() { return app.project(); }

  // Opens a table, runs the script in it, and returns its record.
  template <class Dlg>
  const fw::DialogRecord& Open(Script script = Script().Click(IDOK)) {
    session.Queue(std::move(script));
    Dlg dlg;
    dlg.DoModal();
    return session.Records().back().depth == 0 ? session.Records().back() : *FindTop();
  }
  const fw::DialogRecord* FindTop() const {
    for (auto it = session.Records().rbegin(); it != session.Records().rend(); ++it)
      if (it->depth == 0) return &*it;
    return nullptr;
  }
  const fw::DialogRecord& Summary(Script script = Script().Click(IDOK)) {
    return Open<CViewCase1Dlg>(std::move(script));
  }
  const fw::DialogRecord& Detailed(Script script = Script().Click(IDOK)) {
    return Open<CViewCase2Dlg>(std::move(script));
  }

  ScopedProject app;
  fw::ScopedFakeServices fakes;
  fw::HeadlessSession session;
  testing::ScratchDir dir;
};

// The column headers of a sheet row: the texts of columns 1..n.
std::vector<std::string> HeaderRow(const fw::Spreadsheet& sheet, int row) {
  std::vector<std::string> texts;
  for (int c = 1; c <= sheet.ColumnCount(); ++c) texts.push_back(sheet.Text(c, row));
  return texts;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

// The dispatch calls of both sheets for the three-layer run, pinned call by
// call: header, data cells in their order, blocks, row count.
TEST_F(ResultsTablesTest, TheSheetsAreBuiltCallByCall) {
  testing::MakeFixtureRun(project(), Fixture::kThreeLayers);
  const fw::Spreadsheet* summary = Summary().Sheet(res::kSummarySheetId);
  ASSERT_NE(summary, nullptr);
  testing::ExpectGolden(Joined(summary->CallLog()), "summary_sheet_three_layers.log");
  const fw::Spreadsheet* detailed = Detailed().Sheet(res::kDetailedSheetId);
  ASSERT_NE(detailed, nullptr);
  testing::ExpectGolden(Joined(detailed->CallLog()), "detailed_sheet_three_layers.log");
}

// Every cell of both tables for the three-layer run (each layer with its own
// geosynthetic, the lowest overstressed) in SI and English units.
TEST_F(ResultsTablesTest, ThreeLayersFillEveryCellInBothUnits) {
  struct Case {
    int units;
    std::vector<std::string> summaryUnits, summary, detailedUnits, detailed;
  };
  const std::vector<Case> cases = {
      {0,
       {"[ m.]", "[ m.]", " ", "[ kN/m ]", "[ kN/m ]", "[ kN/m ]", "[ kN/m ]", " ", " "},
       {"0.00|4.35|Tieback|19.21|82.40|60.00|18.18|red:  0.95|tick:0",
        "2.00|4.35|Compound|14.99|45.00|45.00|19.48|black:> 1.30|tick:1",
        "4.00|4.35|Compound|4.93|30.00|30.00|6.41|black:> 1.30|tick:1"},
       {"[ m.]", "[ m.]", "[ m.]", "[ m.]", "[ kN/m ]", "[ kN/m ]", " "},
       {"0.00|1.81|1.39|0.42|13.99|19.21|Tieback", "2.00|3.87|0.33|3.54|14.99|11.11|Compound",
        "4.00|2.37|0.20|2.17|4.93|3.44|Compound"}},
      {1,
       {"[ ft.]", "[ ft.]", " ", "[ lb/ft ]", "[ lb/ft ]", "[ lb/ft ]", "[ lb/ft ]", " ", " "},
       {"0.00|14.29|Tieback|1316.14|5646.24|4111.14|1245.80|red:  0.95|tick:0",
        "6.56|14.29|Compound|1026.76|3083.36|3083.36|1334.79|black:> 1.30|tick:1",
        "13.12|14.29|Compound|337.86|2055.57|2055.57|439.22|black:> 1.30|tick:1"},
       {"[ ft.]", "[ ft.]", "[ ft.]", "[ ft.]", "[ lb/ft ]", "[ lb/ft ]", " "},
       {"0.00|5.93|4.55|1.38|958.31|1316.14|Tieback", "6.56|12.71|1.08|11.63|1026.76|760.95|Compound",
        "13.12|7.76|0.65|7.11|337.86|235.64|Compound"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    ScopedProject local;
    local.project().dataDirectory = project().dataDirectory;
    local.project().input.unitSystem = c.units;
    testing::MakeFixtureRun(local.project(), Fixture::kThreeLayers);

    const fw::DialogRecord& s = Summary();
    EXPECT_EQ(s.caption, "Summary of Tieback and Compound Results");
    EXPECT_EQ(s.background, fw::RGB(222, 222, 222));
    EXPECT_FALSE(s.Visible(kDialogIdLabel));
    EXPECT_TRUE(s.Visible(res::kSummarySheetId));
    EXPECT_FALSE(s.Visible(res::kSummaryPreviewId));
    EXPECT_EQ(s.Text(res::kPreviewToggleId), "Print Preview");
    const fw::Spreadsheet& sheet = *s.Sheet(res::kSummarySheetId);
    EXPECT_EQ(sheet.HeaderRowCount(), 7);
    EXPECT_EQ(sheet.ColumnCount(), 9);
    EXPECT_EQ(sheet.Text(4, -1000), "S  t  r  e  n  g  t  h  :");
    EXPECT_EQ(HeaderRow(sheet, -999),
              (std::vector<std::string>{"Elevation", "Length", "Mode of Failure", "Required\nStrength,\nTr",
                                        "Minimum\nRequired\nUltimate\nStrength,\nT-ult-min",
                                        "Specified\nUltimate\nStrength,\nT-ult", "Available\nLong-term\nStrength,\nT-ltds",
                                        "Actual Fs on\nGeosynthetic\nStrength", "STATUS"}));
    EXPECT_EQ(HeaderRow(sheet, -994), c.summaryUnits);
    EXPECT_EQ(sheet.Spans(), (std::vector<fw::CellSpan>{{1, -1000, 3, 1}, {4, -1000, 4, 1}, {8, -1000, 2, 1},
                                                        {1, -999, 1, 5}, {2, -999, 1, 5}, {3, -999, 1, 5},
                                                        {4, -999, 1, 5}, {5, -999, 1, 5}, {6, -999, 1, 5},
                                                        {7, -999, 1, 5}, {8, -999, 1, 5}, {9, -999, 1, 5},
                                                        {0, -1000, 1, 7}}));
    EXPECT_EQ(sheet.CellSetting(9, -999, 373), fw::Variant::I4(3));
    EXPECT_EQ(testing::SheetRows(sheet), c.summary);
    // Every data cell is centred; rows take the alternate colours.
    for (int r = 1; r <= 3; ++r)
      for (int col = 1; col <= 9; ++col) EXPECT_EQ(sheet.Align(col, r), fw::CellAlign::Center) << col << " " << r;
    EXPECT_EQ(sheet.BackColor(1, 1), fw::RGB(206, 255, 255));
    EXPECT_EQ(sheet.BackColor(1, 2), fw::RGB(255, 255, 185));

    const fw::DialogRecord& d = Detailed();
    EXPECT_EQ(d.caption, "Results of tieback and compound analyses");
    EXPECT_FALSE(d.Visible(kDialogIdLabel));
    EXPECT_FALSE(d.Visible(res::kDetailedPreviewId));
    const fw::Spreadsheet& detailed = *d.Sheet(res::kDetailedSheetId);
    EXPECT_EQ(detailed.ColumnCount(), 7);
    EXPECT_EQ(detailed.Text(5, -1000), "S t r e n g t h   f o r :");
    EXPECT_EQ(HeaderRow(detailed, -999),
              (std::vector<std::string>{"Elevation", "Total Length,\nL", "Embedded\nLength to\nResist Pullout,\nLe",
                                        "Length to\nSlip Surface,\nLa",
                                        "Compound\nStability\n(Available),\nT-compound",
                                        "Tieback\n(Required),\nT-tieback", "Controling\nMode of\nFailure"}));
    EXPECT_EQ(HeaderRow(detailed, -994), c.detailedUnits);
    EXPECT_EQ(detailed.Spans().front(), (fw::CellSpan{1, -1000, 4, 1}));
    EXPECT_EQ(detailed.Spans()[1], (fw::CellSpan{5, -1000, 2, 1}));
    EXPECT_EQ(detailed.Spans()[2], (fw::CellSpan{7, -1000, 1, 1}));
    EXPECT_EQ(testing::SheetRows(detailed), c.detailed);
    EXPECT_EQ(detailed.CellSetting(7, 1, 280), fw::Variant::I4(2));
    EXPECT_EQ(detailed.BackColor(3, 2), fw::RGB(255, 255, 185));
  }
}

// The larger runs, the optimised one included, in both units: every row as
// its columns' formulas give it, as many rows as layers.
TEST_F(ResultsTablesTest, LargeAndOptimisedRunsFillOneRowPerLayer) {
  struct Case {
    Fixture fixture;
    int layers;
    int overstressed;
  } cases[] = {{Fixture::kThirtyFive, 35, 3}, {Fixture::kHundred, 100, 13}, {Fixture::kOptimised, 7, 0}};
  for (const Case& c : cases) {
    for (int units : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << c.layers << " layers, units " << units);
      ScopedProject local;
      local.project().dataDirectory = project().dataDirectory;
      local.project().input.unitSystem = units;
      testing::MakeFixtureRun(local.project(), c.fixture);
      ASSERT_EQ(local.project().results.resultLayerCount, c.layers);

      const fw::Spreadsheet& summary = *Summary().Sheet(res::kSummarySheetId);
      ASSERT_EQ(summary.RowCount(), c.layers);
      std::vector<std::string> expected;
      for (int i = 0; i < c.layers; ++i) expected.push_back(testing::ExpectedSummaryRow(local.project(), i));
      EXPECT_EQ(testing::SheetRows(summary), expected);
      int red = 0;
      for (const std::string& row : testing::SheetRows(summary)) red += row.find("red:") != std::string::npos;
      EXPECT_EQ(red, c.overstressed);

      const fw::Spreadsheet& detailed = *Detailed().Sheet(res::kDetailedSheetId);
      ASSERT_EQ(detailed.RowCount(), c.layers);
      expected.clear();
      for (int i = 0; i < c.layers; ++i) expected.push_back(testing::ExpectedDetailedRow(local.project(), i));
      EXPECT_EQ(testing::SheetRows(detailed), expected);
    }
  }
}

// The table of the optimised run, pinned: T-ltds from the run's one set of
// reduction factors, compound layers exactly at the factor pass.
TEST_F(ResultsTablesTest, TheOptimisedRunShowsItsSevenLayers) {
  testing::MakeFixtureRun(project(), Fixture::kOptimised);
  EXPECT_EQ(testing::SheetRows(*Summary().Sheet(res::kSummarySheetId)),
            (std::vector<std::string>{"0.00|4.35|Compound|10.21|43.80|43.80|13.27|black:> 1.30|tick:1",
                                      "0.60|4.35|Compound|10.21|43.80|43.80|13.27|black:> 1.30|tick:1",
                                      "1.50|4.35|Compound|10.21|43.80|43.80|13.27|black:> 1.30|tick:1",
                                      "2.40|4.35|Compound|10.21|43.80|43.80|13.27|black:> 1.30|tick:1",
                                      "3.30|4.35|Tieback|3.89|16.69|43.80|13.27|black:  3.41|tick:1",
                                      "4.20|4.35|Tieback|2.25|9.65|43.80|13.27|black:  5.90|tick:1",
                                      "5.10|4.35|Tieback|0.70|2.99|43.80|13.27|black:  19.06|tick:1"}));
  EXPECT_EQ(testing::SheetRows(*Detailed().Sheet(res::kDetailedSheetId)),
            (std::vector<std::string>{"0.00|1.55|0.68|0.87|10.21|6.92|Compound", "0.60|3.18|0.27|2.91|10.21|8.87|Compound",
                                      "1.50|3.51|0.25|3.26|10.21|7.21|Compound", "2.40|3.12|0.28|2.84|10.21|5.55|Compound",
                                      "3.30|2.39|0.14|2.26|10.21|3.89|Tieback", "4.20|2.19|0.10|2.09|10.21|2.25|Tieback",
                                      "5.10|1.83|0.07|1.76|10.21|0.70|Tieback"}));
}

// Units chosen after the run change neither table: they keep the run's, while
// the results menu takes the units chosen now for the export.
TEST_F(ResultsTablesTest, UnitsChangedAfterTheRunLeaveTheTablesInTheRunsUnits) {
  testing::MakeFixtureRun(project(), Fixture::kThreeLayers);
  const std::vector<std::string> before = testing::SheetRows(*Summary().Sheet(res::kSummarySheetId));
  project().input.unitSystem = 1;
  const fw::DialogRecord& s = Summary();
  EXPECT_EQ(s.Sheet(res::kSummarySheetId)->Text(1, -994), "[ m.]");
  EXPECT_EQ(testing::SheetRows(*s.Sheet(res::kSummarySheetId)), before);
  EXPECT_EQ(Detailed().Sheet(res::kDetailedSheetId)->Text(5, -994), "[ kN/m ]");

  // And the other way round.
  ScopedProject english;
  english.project().input.unitSystem = 1;
  testing::MakeFixtureRun(english.project(), Fixture::kThreeLayers);
  english.project().input.unitSystem = 0;
  EXPECT_EQ(Summary().Sheet(res::kSummarySheetId)->Text(4, -994), "[ lb/ft ]");
  EXPECT_EQ(testing::SheetRow(*Detailed().Sheet(res::kDetailedSheetId), 3),
            "13.12|7.76|0.65|7.11|337.86|235.64|Compound");
}

// Layers made by hand as a project file can hold them: the tolerance of the
// overstress rule, ratios that cannot be formed, values that are no number.
TEST_F(ResultsTablesTest, TheOverstressRuleAndRatiosThatCannotBeFormed) {
  ProjectInput& run = project().runInput;
  AnalysisResults& r = project().results;
  run.runMode = 0;
  run.unitSystem = 0;
  run.fsGeosyntheticStrength = 1.3;
  const double atTolerance = 1.3 - 0.001;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Layer {
    double ultimate;
    int mode;
    double tiebackTr, compound;
  } layers[] = {
      {atTolerance, 1, 1.0, 0.0},                      // exactly at the factor less 0.001: passes
      {std::nextafter(atTolerance, 0.0), 1, 1.0, 0.0},  // a hair below: fails though it shows 1.30
      {10.0, 0, 1.0, 0.0},                             // no compound strength: no ratio
      {10.0, 1, nan, 0.0},                             // a required strength that is no number
      {10.0, 0, 1.0, 2.0},                             // compound, passing
  };
  r.resultLayerCount = 5;
  for (std::size_t i = 0; i < 5; ++i) {
    run.layerUltimateStrength[i] = layers[i].ultimate;
    run.layerRfInstallation[i] = run.layerRfDurability[i] = run.layerRfCreep[i] = 1.0;
    r.controllingMode[i] = layers[i].mode;
    r.tiebackTr[i] = layers[i].tiebackTr;
    r.availableCompoundStrength[i] = layers[i].compound;
    r.resultLayerElevation[i] = static_cast<double>(i);
    r.layerRearX[i] = 3.0;
  }
  EXPECT_EQ(testing::SheetRows(*Summary().Sheet(res::kSummarySheetId)),
            (std::vector<std::string>{"0.00|3.00|Tieback|1.00|1.30|1.30|1.30|black:  1.30|tick:1",
                                      "1.00|3.00|Tieback|1.00|1.30|1.30|1.30|red:  1.30|tick:0",
                                      "2.00|3.00|Compound|0.00|0.00|10.00|10.00|red:N/A|tick:0",
                                      "3.00|3.00|Tieback|N/A|N/A|10.00|10.00|red:N/A|tick:0",
                                      "4.00|3.00|Compound|2.00|2.60|10.00|10.00|black:> 5.00|tick:1"}));
}

// T-ltds takes the run's one set of reduction factors after an optimised run
// and each layer's own after a user-specified one; T-ult-min always the layer's.
TEST_F(ResultsTablesTest, ReductionFactorsFollowTheRunMode) {
  ProjectInput& run = project().runInput;
  AnalysisResults& r = project().results;
  run.fsGeosyntheticStrength = 1.3;
  run.rfInstallation = 1.0;
  run.rfDurability = 1.0;
  run.rfCreep = 2.0;
  run.layerUltimateStrength[0] = 30.0;
  run.layerRfInstallation[0] = 1.5;
  run.layerRfDurability[0] = 1.0;
  run.layerRfCreep[0] = 1.0;
  r.resultLayerCount = 1;
  r.controllingMode[0] = 0;
  r.availableCompoundStrength[0] = 5.0;
  run.runMode = 1;
  EXPECT_EQ(testing::SheetRow(*Summary().Sheet(res::kSummarySheetId), 1),
            "0.00|0.00|Compound|5.00|9.75|30.00|15.00|black:> 3.00|tick:1");
  run.runMode = 0;
  EXPECT_EQ(testing::SheetRow(*Summary().Sheet(res::kSummarySheetId), 1),
            "0.00|0.00|Compound|5.00|9.75|30.00|20.00|black:> 4.00|tick:1");
}

// The detailed table shows the tieback strength as computed, not the floored
// value, and its total length as the sum of its parts.
TEST_F(ResultsTablesTest, TheDetailedTableShowsTheComputedTiebackStrength) {
  AnalysisResults& r = project().results;
  r.resultLayerCount = 1;
  r.requiredTiebackStrength[0] = 0.0;
  r.requiredTiebackStrengthFloored[0] = 0.5;
  r.embeddedLength[0] = 1.004;
  r.lengthToSlipSurface[0] = 2.004;
  r.controllingMode[0] = 1;
  const fw::Spreadsheet& sheet = *Detailed().Sheet(res::kDetailedSheetId);
  // 1.004 + 2.004 shows 3.01 beside 1.00 and 2.00: the sum is taken before rounding.
  EXPECT_EQ(testing::SheetRow(sheet, 1), "0.00|3.01|1.00|2.00|0.00|0.00|Tieback");
  EXPECT_FALSE(sheet.Cell(7, 1)->foreColor.has_value());
}

// A run without layers shows the header only: the sheet has no row and the
// empty block starts at row 1; a count beyond the table is held to it.
TEST_F(ResultsTablesTest, NoLayersShowTheHeaderOnly) {
  project().results.resultLayerCount = 0;
  const fw::Spreadsheet& sheet = *Summary().Sheet(res::kSummarySheetId);
  EXPECT_EQ(sheet.RowCount(), 0);
  EXPECT_EQ(sheet.Text(1, -999), "Elevation");
  const std::vector<std::string>& log = sheet.CallLog();
  ASSERT_GE(log.size(), 10u);
  const std::vector<std::string> tail(log.end() - 10, log.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "AlternateRowColors(295)(I4 16777166, I4 0, I4 12189695, I4 0) -> BOOL 1",
                      "ActiveCol(22) = I4 1", "ActiveRow(102) = I4 1", "BlockEndRow(103) = I4 100",
                      "BlockEndCol(23) = I4 9", "BlockSetting12(12) = BOOL 1", "BlockSetting64(64) = BOOL 1",
                      "BlockSetting97(97) = BOOL 1", "SheetSetting11(11) = BOOL 0", "RowCount(68) = I4 0"}));
  project().results.resultLayerCount = 250;
  EXPECT_EQ(Detailed().Sheet(res::kDetailedSheetId)->RowCount(), 100);
}

// ---- the workbook export ----------------------------------------------------------------

// The save dialog proposes a real ".xlsx" name beside the project and asks
// before replacing; each table writes its own temporary sheet in the data
// directory and the workbook chosen.
TEST_F(ResultsTablesTest, EachTableExportsThroughItsOwnTemporarySheet) {
  testing::MakeFixtureRun(project(), Fixture::kThreeLayers);
  project().projectPath = dir.File("Access road.NAT");
  const std::string tempA = dir.File("data/temp_A.ss7");
  const std::string tempB = dir.File("data/temp_B.ss7");

  fakes.fileDialogs.QueueSave(dir.File("summary.xlsx"));
  Summary(Script().Click(res::kExcelButtonId).Click(IDOK));
  ASSERT_EQ(fakes.fileDialogs.SaveCalls().size(), 1u);
  const fw::FileDialogOptions& options = fakes.fileDialogs.SaveCalls()[0];
  EXPECT_EQ(options.proposedName, dir.File("Access road summary.xlsx"));
  EXPECT_EQ(options.defaultExtension, "xlsx");
  ASSERT_EQ(options.filters.size(), 1u);
  EXPECT_EQ(options.filters[0].description, "Excel Files (*.xlsx)");
  EXPECT_EQ(options.filters[0].patterns, "*.xlsx");
  EXPECT_TRUE(options.askOverwrite);
  EXPECT_TRUE(fs::exists(tempA));
  EXPECT_FALSE(fs::exists(tempB));
  EXPECT_EQ(testing::ReadBytes(dir.File("summary.xlsx")).substr(0, 2), "PK");
  const std::string summarySheet = testing::ReadBytes(tempA);
  EXPECT_EQ(summarySheet.substr(0, 16), "TERVANE-SHEET 1\n");

  fakes.fileDialogs.QueueSave(dir.File("detailed.xlsx"));
  Detailed(Script().Click(res::kExcelButtonId).Click(IDOK));
  EXPECT_EQ(fakes.fileDialogs.SaveCalls()[1].proposedName, dir.File("Access road detailed.xlsx"));
  EXPECT_TRUE(fs::exists(tempB));
  EXPECT_EQ(testing::ReadBytes(tempA), summarySheet);  // the summary's file untouched
  EXPECT_EQ(testing::ReadBytes(dir.File("detailed.xlsx")).substr(0, 2), "PK");
  EXPECT_TRUE(fakes.messageBox.Texts().empty());

  // The sheet file holds the table as shown: the detailed table's rows.
  std::string error;
  const std::unique_ptr<fw::Spreadsheet> saved = fw::SpreadsheetFile::Load(tempB, error);
  ASSERT_NE(saved, nullptr) << error;
  EXPECT_EQ(testing::SheetRow(*saved, 1), "0.00|1.81|1.39|0.42|13.99|19.21|Tieback");

  // A project never saved: the table's name alone.
  project().projectPath = "Not saved, yet";
  Summary(Script().Click(res::kExcelButtonId).Click(IDOK));
  EXPECT_EQ(fakes.fileDialogs.SaveCalls()[2].proposedName, "summary.xlsx");
}

// A cancelled dialog writes nothing and says nothing; a workbook or a
// temporary sheet that cannot be written is reported, and the old workbook
// stays as it was.
TEST_F(ResultsTablesTest, ExportFailuresAreReported) {
  testing::MakeFixtureRun(project(), Fixture::kThreeLayers);
  fakes.fileDialogs.QueueSave(std::nullopt);
  Summary(Script().Click(res::kExcelButtonId).Click(IDOK));
  EXPECT_FALSE(fs::exists(dir.File("data/temp_A.ss7")));
  EXPECT_TRUE(fakes.messageBox.Texts().empty());

  const std::string refused = dir.File("no such folder/book.xlsx");
  fakes.fileDialogs.QueueSave(refused);
  const fw::DialogRecord& r = Detailed(Script().Click(res::kExcelButtonId).Click(IDOK));
  EXPECT_EQ(fakes.messageBox.Texts(), (std::vector<std::string>{"The workbook could not be written:\n" + refused + "\n\nCannot create a file beside " + refused + ": No such file or directory"}));
  EXPECT_EQ(r.messageBoxes.size(), 1u);  // shown over the table
  EXPECT_EQ(fakes.messageBox.Calls().back().icon, fw::MessageIcon::Error);

  // The data directory is a file: the temporary sheet cannot be saved, and
  // no workbook is written.
  const std::string blocker = dir.File("blocker");
  std::ofstream(blocker) << "x";
  project().dataDirectory = blocker;
  const std::string book = dir.File("book.xlsx");
  std::ofstream(book) << "old workbook";
  fakes.fileDialogs.QueueSave(book);
  Summary(Script().Click(res::kExcelButtonId).Click(IDOK));
  EXPECT_EQ(fakes.messageBox.Texts().back(), "The table could not be saved to the temporary file:\n" + blocker +
                                                 "/temp_A.ss7\nNo workbook was written.");
  EXPECT_EQ(testing::ReadBytes(book), "old workbook");
}

// The workbooks as a spreadsheet program reads them (python3-openpyxl):
// column A the row numbers (its header block merged as on the screen, the
// numbers as numbers on the header grey, so that a sorted copy keeps them),
// merged header cells, numbers as numbers with two decimals, the alternate
// fills and the red factor of the overstressed layer.
TEST_F(ResultsTablesTest, ExportedWorkbooksOpenInASpreadsheetReader) {
  const std::string python = testing::PythonWithOpenpyxl();
  if (python.empty()) GTEST_SKIP() << "python3-openpyxl missing";
  testing::MakeFixtureRun(project(), Fixture::kThreeLayers);
  fakes.fileDialogs.QueueSave(dir.File("summary.xlsx"));
  Summary(Script().Click(res::kExcelButtonId).Click(IDOK));
  fakes.fileDialogs.QueueSave(dir.File("detailed.xlsx"));
  Detailed(Script().Click(res::kExcelButtonId).Click(IDOK));

  const std::string script = dir.File("read.py");
  std::ofstream(script) << "import sys, openpyxl\n"
                           "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                           "print(ws.max_row, ws.max_column)\n"
                           "print(' '.join(sorted(str(r) for r in ws.merged_cells.ranges)))\n"
                           "def show(c):\n"
                           "  if type(c).__name__ == 'MergedCell': return c.coordinate + ':merged'\n"
                           "  return '%s:%s:%s:%s:%s' % (c.coordinate, type(c.value).__name__, c.value,\n"
                           "                             c.fill.fgColor.rgb, c.font.color.rgb)\n"
                           "for row in ws.iter_rows(min_row=7):\n"
                           "  print(' '.join(show(c) for c in row))\n"
                           "print(ws['B2'].value, ws['E1'].value, ws['B7'].value, ws['A8'].number_format,\n"
                           "      ws['B8'].number_format)\n";
  EXPECT_EQ(testing::CommandOutput(python + " '" + script + "' '" + dir.File("summary.xlsx") + "'"),
            "10 10\n"
            "A1:A7 B1:D1 B2:B6 C2:C6 D2:D6 E1:H1 E2:E6 F2:F6 G2:G6 H2:H6 I1:J1 I2:I6 J2:J6\n"
            "A7:merged B7:str:[ m.]:FFE0E0E0:FF000000 C7:str:[ m.]:FFE0E0E0:FF000000 D7:str: :FFE0E0E0:FF000000 "
            "E7:str:[ kN/m ]:FFE0E0E0:FF000000 F7:str:[ kN/m ]:FFE0E0E0:FF000000 G7:str:[ kN/m ]:FFE0E0E0:FF000000 "
            "H7:str:[ kN/m ]:FFE0E0E0:FF000000 I7:str: :FFE0E0E0:FF000000 J7:str: :FFE0E0E0:FF000000\n"
            "A8:int:1:FFE0E0E0:FF000000 B8:int:0:FFCEFFFF:FF000000 C8:float:4.35:FFCEFFFF:FF000000 "
            "D8:str:Tieback:FFCEFFFF:FF000000 E8:float:19.21:FFCEFFFF:FF000000 F8:float:82.4:FFCEFFFF:FF000000 "
            "G8:int:60:FFCEFFFF:FF000000 H8:float:18.18:FFCEFFFF:FF000000 I8:str:  0.95:FFCEFFFF:FFFF0000 "
            "J8:str:0:FFCEFFFF:FF000000\n"
            "A9:int:2:FFE0E0E0:FF000000 B9:int:2:FFFFFFB9:FF000000 C9:float:4.35:FFFFFFB9:FF000000 "
            "D9:str:Compound:FFFFFFB9:FF000000 E9:float:14.99:FFFFFFB9:FF000000 F9:int:45:FFFFFFB9:FF000000 "
            "G9:int:45:FFFFFFB9:FF000000 H9:float:19.48:FFFFFFB9:FF000000 I9:str:> 1.30:FFFFFFB9:FF000000 "
            "J9:str:1:FFFFFFB9:FF000000\n"
            "A10:int:3:FFE0E0E0:FF000000 B10:int:4:FFCEFFFF:FF000000 C10:float:4.35:FFCEFFFF:FF000000 "
            "D10:str:Compound:FFCEFFFF:FF000000 E10:float:4.93:FFCEFFFF:FF000000 F10:int:30:FFCEFFFF:FF000000 "
            "G10:int:30:FFCEFFFF:FF000000 H10:float:6.41:FFCEFFFF:FF000000 I10:str:> 1.30:FFCEFFFF:FF000000 "
            "J10:str:1:FFCEFFFF:FF000000\n"
            "Elevation S  t  r  e  n  g  t  h  : [ m.] General 0.00\n");
  EXPECT_EQ(testing::CommandOutput(python + " '" + script + "' '" + dir.File("detailed.xlsx") + "'"),
            "10 8\n"
            "A1:A7 B1:E1 B2:B6 C2:C6 D2:D6 E2:E6 F1:G1 F2:F6 G2:G6 H2:H6\n"
            "A7:merged B7:str:[ m.]:FFE0E0E0:FF000000 C7:str:[ m.]:FFE0E0E0:FF000000 D7:str:[ m.]:FFE0E0E0:FF000000 "
            "E7:str:[ m.]:FFE0E0E0:FF000000 F7:str:[ kN/m ]:FFE0E0E0:FF000000 G7:str:[ kN/m ]:FFE0E0E0:FF000000 "
            "H7:str: :FFE0E0E0:FF000000\n"
            "A8:int:1:FFE0E0E0:FF000000 B8:int:0:FFCEFFFF:FF000000 C8:float:1.81:FFCEFFFF:FF000000 "
            "D8:float:1.39:FFCEFFFF:FF000000 E8:float:0.42:FFCEFFFF:FF000000 F8:float:13.99:FFCEFFFF:FF000000 "
            "G8:float:19.21:FFCEFFFF:FF000000 H8:str:Tieback:FFCEFFFF:FF000000\n"
            "A9:int:2:FFE0E0E0:FF000000 B9:int:2:FFFFFFB9:FF000000 C9:float:3.87:FFFFFFB9:FF000000 "
            "D9:float:0.33:FFFFFFB9:FF000000 E9:float:3.54:FFFFFFB9:FF000000 F9:float:14.99:FFFFFFB9:FF000000 "
            "G9:float:11.11:FFFFFFB9:FF000000 H9:str:Compound:FFFFFFB9:FF000000\n"
            "A10:int:3:FFE0E0E0:FF000000 B10:int:4:FFCEFFFF:FF000000 C10:float:2.37:FFCEFFFF:FF000000 "
            "D10:float:0.2:FFCEFFFF:FF000000 E10:float:2.17:FFCEFFFF:FF000000 F10:float:4.93:FFCEFFFF:FF000000 "
            "G10:float:3.44:FFCEFFFF:FF000000 H10:str:Compound:FFCEFFFF:FF000000\n"
            "Elevation None [ m.] General 0.00\n");
}

// ---- preview and printing --------------------------------------------------------------

// Print Preview hides the sheet and shows the preview of it with its colour
// and settings; View Results goes back. The summary sets two settings more.
TEST_F(ResultsTablesTest, ThePreviewButtonSwitchesBetweenSheetAndPreview) {
  testing::MakeFixtureRun(project(), Fixture::kThirtyFive);
  struct Case {
    int sheetId, previewId;
    bool summary;
  } cases[] = {{res::kSummarySheetId, res::kSummaryPreviewId, true},
               {res::kDetailedSheetId, res::kDetailedPreviewId, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.summary);
    std::vector<std::string> seen;
    const fw::Dialog* live = nullptr;
    int handle = 0;
    auto look = [&] {
      const fw::DialogBackend* b = live->Backend();
      handle = dynamic_cast<const fw::Spreadsheet*>(live->HostedControlOf(c.sheetId))->WindowHandle();
      seen.push_back(std::to_string(b->IsControlVisible(c.sheetId)) + std::to_string(b->IsControlVisible(c.previewId)) +
                     " " + b->ControlText(res::kPreviewToggleId));
    };
    Script script = Script().Inspect(look).Click(res::kPreviewToggleId).Inspect(look)
                        .Click(res::kPreviewToggleId).Inspect(look).Click(res::kPreviewToggleId).Click(IDOK);
    session.Queue(script);
    std::unique_ptr<fw::Dialog> dlg;
    if (c.summary) dlg = std::make_unique<CViewCase1Dlg>(); else dlg = std::make_unique<CViewCase2Dlg>();
    live = dlg.get();
    dlg->DoModal();
    EXPECT_EQ(seen, (std::vector<std::string>{"10 Print Preview", "01 View Results", "10 Print Preview"}));
    const fw::DialogRecord& r = session.Records().back();
    EXPECT_EQ(r.Text(res::kPreviewToggleId), "View Results");
    const fw::SpreadsheetPreview* preview = r.Preview(c.previewId);
    ASSERT_NE(preview, nullptr);
    ASSERT_NE(handle, 0);
    std::vector<std::string> once = {"PreviewSourceWindow(6) = I4 " + std::to_string(handle),
                                     "PreviewColor(2) = COLOR 0x80FFFF", "PreviewSetting12(12) = I4 3",
                                     "PreviewSetting17(17) = I2 3", "PreviewSetting18(18) = I2 2"};
    if (c.summary) {
      once.push_back("PreviewSetting3(3) = I4 180");
      once.push_back("PreviewSetting5(5) = I4 180");
    }
    std::vector<std::string> thrice;
    for (int i = 0; i < 3; ++i) thrice.insert(thrice.end(), once.begin(), once.end());
    EXPECT_EQ(preview->CallLog(), thrice);
    EXPECT_EQ(preview->PreviewColor(), fw::RGB(255, 255, 128));
  }
}

// A print service whose printer refuses the document.
class RefusingPrinting : public fw::PrintService {
 public:
  class RefusingDC : public fw::RecordingDC {
   public:
    bool StartDoc(std::string_view) override { return false; }
  };
  fw::PrinterSelection PrintSetup() override { return {}; }
  fw::PrinterSelection Print(const fw::PrintDialogOptions&) override {
    fw::PrinterSelection s;
    s.dc = std::make_unique<RefusingDC>();
    s.page.dpiX = s.page.dpiY = 600;
    s.page.pageWidth = 4800;
    s.page.pageHeight = 6300;
    return s;
  }
};

// PRINT_TABLE prints with the table's header and the project's path as the
// title (its slashes printed as slashes); a cancelled print says nothing, a
// refused one is reported.
TEST_F(ResultsTablesTest, PrintingATableAndItsFailures) {
  testing::MakeFixtureRun(project(), Fixture::kThirtyFive);
  project().projectPath = "/projects/research/new/slope.NAT";
  fw::FakePrinting printing;
  fw::Services services = fakes.AsServices();
  services.printing = &printing;
  fw::ScopedServices scoped(services);

  printing.QueueAnswer(true);
  const fw::DialogRecord& s = Summary(Script().Click(res::kPrintTableButtonId).Click(IDOK));
  const fw::Spreadsheet& sheet = *s.Sheet(res::kSummarySheetId);
  EXPECT_EQ(sheet.PrintHeader(), "/cSummary of tabulated results/n/n");
  EXPECT_EQ(sheet.PrintTitle(), "/c//projects//research//new//slope.NAT");
  EXPECT_EQ(fw::ParsePrintCodes(sheet.PrintTitle(), 1),
            (std::vector<fw::PrintTextLine>{{"", "/projects/research/new/slope.NAT", ""}}));
  EXPECT_EQ(sheet.Setting(fw::sheet::kPrintSetting214), fw::Variant::I4(0));
  EXPECT_EQ(sheet.Setting(fw::sheet::kPrintSetting405), fw::Variant::I2(1));
  const std::vector<std::string>& log = sheet.CallLog();
  EXPECT_EQ(log.back(), "PrintSheet(462)(I4 1) -> BOOL 1");
  ASSERT_EQ(printing.Jobs().size(), 1u);
  EXPECT_GE(printing.Jobs()[0].pages, 1);
  const std::vector<std::string>& lines = printing.Jobs()[0].lines;
  auto printed = [&lines](const std::string& text) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) {
                           return l.rfind("TextOut ", 0) == 0 && l.find("\"" + text + "\"") != std::string::npos;
                         });
  };
  EXPECT_EQ(printed("Summary of tabulated results"), printing.Jobs()[0].pages);
  EXPECT_EQ(printed("/projects/research/new/slope.NAT"), printing.Jobs()[0].pages);
  EXPECT_EQ(printed("S  t  r  e  n  g  t  h  :"), printing.Jobs()[0].pages);  // the header rows on every page
  EXPECT_EQ(printed("[ kN/m ]"), 4 * printing.Jobs()[0].pages);

  printing.QueueAnswer(true);
  Detailed(Script().Click(res::kPrintTableButtonId).Click(IDOK));
  EXPECT_EQ(session.Records().back().Sheet(res::kDetailedSheetId)->PrintHeader(),
            "/cResults of tieback and compound analyses/n/n");
  EXPECT_EQ(printing.Jobs().size(), 2u);

  printing.QueueAnswer(false);  // the Print dialog cancelled
  Summary(Script().Click(res::kPrintTableButtonId).Click(IDOK));
  EXPECT_TRUE(fakes.messageBox.Texts().empty());

  RefusingPrinting refusing;
  services.printing = &refusing;
  fw::ScopedServices refused(services);
  Detailed(Script().Click(res::kPrintTableButtonId).Click(IDOK));
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{"The table could not be printed."});
}

// ---- the notes and the results menu ---------------------------------------------------

TEST_F(ResultsTablesTest, NoteOpensTheWhiteNotesPage) {
  Summary(Script().Click(res::kSummaryNoteId).Answer(Script().Enter()).Click(IDOK));
  const fw::DialogRecord* notes = session.Find("IDD_CASE1_NOTE");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->caption, "Notes");
  EXPECT_EQ(notes->depth, 1);
  EXPECT_EQ(notes->result, IDOK);
  EXPECT_EQ(notes->background, fw::RGB(255, 255, 255));
  EXPECT_FALSE(notes->Visible(kDialogIdLabel));
  app.project().hideDialogIdLabels = 0;
  Summary(Script().Click(res::kSummaryNoteId).Answer(Script().Enter()).Click(IDOK));
  EXPECT_TRUE(session.Find("IDD_CASE1_NOTE", 1)->Visible(kDialogIdLabel));
  EXPECT_TRUE(session.Find("IDD_VIEW_CASE1", 1)->Visible(kDialogIdLabel));
}

// The menu opens each results dialog and the export; it takes the units of
// the input when it opens, which the export writes, while the tables keep
// those of the run.
TEST_F(ResultsTablesTest, TheResultsMenuLeadsToTheTablesAndTheExport) {
  testing::MakeFixtureRun(project(), Fixture::kOptimised);
  project().input.unitSystem = 1;  // chosen after the run
  const std::string obx = dir.File("slope.OBX");
  fakes.fileDialogs.QueueSave(obx);
  CViewWrittenResultsDlg menu;
  session.Queue(Script()
                    .Click(res::kSummaryResultsId).Answer(Script().Click(IDOK))
                    .Click(res::kDetailedResultsId).Answer(Script().Click(IDOK))
                    .Click(res::kDirectSlidingResultsId).Answer(Script().Click(IDOK))
                    .Click(res::kExportToOmbixId).Answer(Script().Click(IDOK))
                    .Click(IDOK));
  EXPECT_EQ(menu.DoModal(), IDOK);
  const fw::DialogRecord* r = session.Find("IDD_VIEW_WRITTEN_RESULTS");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->caption, "Results");
  EXPECT_EQ(r->templateNumber, 167);
  EXPECT_FALSE(r->Visible(kDialogIdLabel));
  EXPECT_EQ(r->background, fw::RGB(222, 222, 222));
  for (const char* name : {"IDD_VIEW_CASE1", "IDD_VIEW_CASE2", "IDD_VIEW_CASE3", "IDD_BEFORE_OMBIX"}) {
    const fw::DialogRecord* d = session.Find(name);
    ASSERT_NE(d, nullptr) << name;
    EXPECT_EQ(d->depth, 1) << name;
  }
  EXPECT_EQ(session.Find("IDD_VIEW_CASE1")->Sheet(res::kSummarySheetId)->Text(1, -994), "[ m.]");
  EXPECT_EQ(menu.units, 1);
  EXPECT_EQ(menu.lengthFactor, 3.28084);
  EXPECT_EQ(menu.pressureFactor, 20.8846);
  EXPECT_EQ(menu.strengthFactor, 68.519);
  EXPECT_EQ(menu.unitWeightFactor, 6.365627);
  EXPECT_EQ(testing::ReadBytes(obx).substr(0, 2), "1E");  // the export in the units chosen now
}


}  // namespace
}  // namespace tervane
