// The user-specified layer table (headless): how it builds its sheet, how the
// sheet follows typing and deleting, the rounding and reading of the cells,
// the five checks, the grouping into geosynthetic types, and what OK stores.

#include "input/ManualInputDataDlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Spreadsheet.h"
#include "resources/DialogTemplates.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

struct Layer {
  double elevation, ultimate, rfId, rfD, rfC;
};

class ManualInputDataTest : public ::testing::Test {
 protected:
  void SetUp() override { app.project().input.slopeHeight = 6.0; }

  ProjectInput& Input() { return app.project().input; }
  GeosyntheticTypeTable& Types() { return app.project().geosyntheticTypes; }

  void SetLayers(const std::vector<Layer>& layers) {
    Input().layerCount = static_cast<int>(layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i) {
      Input().layerElevation[i] = layers[i].elevation;
      Input().layerUltimateStrength[i] = layers[i].ultimate;
      Input().layerRfInstallation[i] = layers[i].rfId;
      Input().layerRfDurability[i] = layers[i].rfD;
      Input().layerRfCreep[i] = layers[i].rfC;
    }
  }

  // Types one row as the user does, cell by cell, the elevation last (the
  // table sorts itself as soon as an elevation is typed, and the row moves).
  static void TypeRow(Script& s, int row, const std::vector<std::string>& cells) {
    for (std::size_t c = 1; c < cells.size(); ++c) s.TypeCell(kLayerGridId, static_cast<int>(c) + 1, row, cells[c]);
    s.TypeCell(kLayerGridId, 1, row, cells[0]);
  }

  // Runs the table with the script; returns its record.
  const fw::DialogRecord& Run(CManualInputDataDlg& dlg, Script script, int* result = nullptr) {
    session.Queue(std::move(script));
    const int r = dlg.DoModal();
    if (result != nullptr) *result = r;
    return *session.Find("IDD_MANUAL_INPUT_DATA");
  }

  ScopedProject app;
  fw::ScopedFakeServices fakes;
  fw::HeadlessSession session;
};

TEST_F(ManualInputDataTest, InitialisationBuildsTheSheetInThisOrder) {
  SetLayers({{1.5, 40.0, 1.2, 1.1, 2.5}});
  CManualInputDataDlg dlg;
  const fw::DialogRecord& r = Run(dlg, Script().Escape());
  const fw::Spreadsheet* sheet = r.Sheet(kLayerGridId);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->CallLog(), (std::vector<std::string>{
      "ColumnHeaderRowCount(342) = I4 7",
      "AddCellSpan(490)(I4 1, I4 -1000, I4 1, I4 6) -> BOOL 1",
      "AddCellSpan(490)(I4 2, I4 -1000, I4 1, I4 6) -> BOOL 1",
      "AddCellSpan(490)(I4 3, I4 -1000, I4 1, I4 6) -> BOOL 1",
      "AddCellSpan(490)(I4 4, I4 -1000, I4 1, I4 6) -> BOOL 1",
      "AddCellSpan(490)(I4 5, I4 -1000, I4 1, I4 6) -> BOOL 1",
      "AddCellSpan(490)(I4 0, I4 -1000, I4 1, I4 7) -> BOOL 1",
      "ActiveCol(22) = I4 1", "ActiveRow(102) = I4 -1000", "Text(-517) = TEXT \"Elevation\"",
      "ActiveRow(102) = I4 -994", "Text(-517) = TEXT \"[ m.]\"",
      "ActiveCol(22) = I4 2", "ActiveRow(102) = I4 -1000", "Text(-517) = TEXT \"Geosynthetic\\nUltimate\\nStrength\"",
      "ActiveRow(102) = I4 -994", "Text(-517) = TEXT \"[ kN/m ]\"",
      "ActiveCol(22) = I4 3", "ActiveRow(102) = I4 -1000",
      "Text(-517) = TEXT \"Reduction\\nFactor for\\nInstallation\\nDamage,\\nRFid\"",
      "ActiveRow(102) = I4 -994", "Text(-517) = TEXT \" \"",
      "ActiveCol(22) = I4 4", "ActiveRow(102) = I4 -1000",
      "Text(-517) = TEXT \"Reduction\\nFactor for\\nDurability,\\n\\nRFd\"",
      "ActiveRow(102) = I4 -994", "Text(-517) = TEXT \" \"",
      "ActiveCol(22) = I4 5", "ActiveRow(102) = I4 -1000",
      "Text(-517) = TEXT \"Reduction\\nFactor for\\nCreep,\\n\\nRFc\"",
      "ActiveRow(102) = I4 -994", "Text(-517) = TEXT \" \"",
      "ColumnWidth(217)[I4 1] = R8 9", "ColumnWidth(217)[I4 2] = R8 11", "ColumnWidth(217)[I4 3] = R8 9",
      "ColumnWidth(217)[I4 4] = R8 9", "ColumnWidth(217)[I4 5] = R8 9",
      "ColumnCount(203) = I4 5", "SheetSetting204(204) = I4 10", "SheetSetting11(11) = BOOL 1",
      "ActiveCol(22) = I4 -1", "ActiveRow(102) = I4 -1", "CellType(18) = I4 13", "SheetSetting365(365) = I2 2",
      "ActiveRow(102) = I4 1", "ActiveCol(22) = I4 1", "CellSetting168(168) = I4 2", "CellValue(195) = TEXT \"1.50\"",
      "ActiveRow(102) = I4 1", "ActiveCol(22) = I4 2", "CellSetting168(168) = I4 2", "CellValue(195) = TEXT \"40.00\"",
      "ActiveRow(102) = I4 1", "ActiveCol(22) = I4 3", "CellSetting168(168) = I4 2", "CellValue(195) = TEXT \"1.20\"",
      "ActiveRow(102) = I4 1", "ActiveCol(22) = I4 4", "CellSetting168(168) = I4 2", "CellValue(195) = TEXT \"1.10\"",
      "ActiveRow(102) = I4 1", "ActiveCol(22) = I4 5", "CellSetting168(168) = I4 2", "CellValue(195) = TEXT \"2.50\"",
  }));
  EXPECT_EQ(r.caption, "Input data for manual run");
  EXPECT_EQ(r.Text(kLayerCountId), "1");
  EXPECT_FALSE(r.Enabled(kLayerCountId));
  EXPECT_EQ(r.Text(kCoverageTextId), "Coverage ratio, Rc = 1.00");
  EXPECT_FALSE(r.Visible(kDialogIdLabel));
  EXPECT_EQ(r.background, fw::RGB(222, 222, 222));
  EXPECT_EQ(r.focusAtEnd, kLayerGridId);  // the first tab stop
}

TEST_F(ManualInputDataTest, EnglishUnitsShowFeetAndPoundsPerFoot) {
  Input().unitSystem = 1;
  Input().coverageRatio = 0.755;
  SetLayers({{1.0, 10.0, 1.4, 1.3, 3.0}, {2.0, 20.0, 1.0, 1.0, 1.0}});
  CManualInputDataDlg dlg;
  const fw::DialogRecord& r = Run(dlg, Script().Escape());
  const fw::Spreadsheet& s = *r.Sheet(kLayerGridId);
  EXPECT_EQ(s.Text(1, -994), "[ ft.]");
  EXPECT_EQ(s.Text(2, -994), "[ lb/ft ]");
  EXPECT_EQ(s.Text(1, 1), "3.28");
  EXPECT_EQ(s.Text(2, 1), "685.19");
  EXPECT_EQ(s.Text(3, 1), "1.40");
  EXPECT_EQ(s.Text(1, 2), "6.56");
  EXPECT_EQ(s.Text(2, 2), "1370.38");
  EXPECT_EQ(r.Text(kLayerCountId), "2");
  EXPECT_EQ(r.Text(kCoverageTextId), "Coverage ratio, Rc = 0.76");
}

TEST_F(ManualInputDataTest, TypedLayersAreSortedByElevationAndCounted) {
  CManualInputDataDlg dlg;
  Script s;
  s.TypeCell(kLayerGridId, 1, 1, "3").TypeCell(kLayerGridId, 1, 2, "1").TypeCell(kLayerGridId, 1, 3, "2");
  s.Inspect([&] { EXPECT_EQ(dlg.GetText(kLayerCountId), "3"); });
  // A layer typed into a row further down moves up to its place.
  s.TypeCell(kLayerGridId, 1, 9, "1.5").Escape();
  const fw::DialogRecord& r = Run(dlg, s);
  const fw::Spreadsheet& sheet = *r.Sheet(kLayerGridId);
  EXPECT_EQ(sheet.Text(1, 1), "1");
  EXPECT_EQ(sheet.Text(1, 2), "1.5");
  EXPECT_EQ(sheet.Text(1, 3), "2");
  EXPECT_EQ(sheet.Text(1, 4), "3");
  EXPECT_EQ(sheet.Text(1, 9), "");
  EXPECT_EQ(r.Text(kLayerCountId), "4");
  // Every change put the changed cell's setting 168 and sorted rows 1 to n.
  const std::vector<std::string>& log = sheet.CallLog();
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "SortRange(484)(I4 1, I4 1, I4 5, I4 9, I4 0, EMPTY, EMPTY) -> BOOL 1"),
            log.end());
}

TEST_F(ManualInputDataTest, AClickOnARowNumeralDeletesThatLayerAndNothingElse) {
  SetLayers({{1, 10, 1, 1, 1}, {2, 20, 1, 1, 1}, {3, 30, 1, 1, 1}});
  CManualInputDataDlg dlg;
  Script s;
  s.ClickCell(kLayerGridId, 0, 0);  // the numerals' header: no layer
  s.ClickCell(kLayerGridId, 0, 7);  // the numeral of an empty row
  s.ClickCell(kLayerGridId, 2, 2);  // a data cell: no deletion
  s.Inspect([&] { EXPECT_EQ(dlg.GetText(kLayerCountId), "3"); });
  s.ClickCell(kLayerGridId, 0, 2).Escape();
  const fw::DialogRecord& r = Run(dlg, s);
  const fw::Spreadsheet& sheet = *r.Sheet(kLayerGridId);
  EXPECT_EQ(r.Text(kLayerCountId), "2");
  EXPECT_EQ(sheet.Text(1, 1), "1.00");
  EXPECT_EQ(sheet.Text(2, 2), "30.00");
  EXPECT_EQ(sheet.Text(1, 3), "");
  // Cancel stored nothing.
  EXPECT_EQ(Input().layerCount, 3);
  EXPECT_EQ(dlg.layersAccepted, 0);
}

TEST_F(ManualInputDataTest, RoundDecimalsRoundsHalfAwayFromZeroInSinglePrecision) {
  struct Case {
    float value;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {2.345f, 2, 2.35}, {1.005f, 2, 1.0},   {-0.004f, 2, 0.0},   {-0.006f, 2, -0.01},
      {2.5f, 0, 2.5},    {0.05f, 1, 0.1},    {1.2345f, 3, 1.235}, {-1.23456f, 5, -1.2346},
      {1e30f, 2, 21474836.47},  // beyond a 32-bit integer: held at its end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(CManualInputDataDlg::RoundDecimals(c.value, c.decimals), c.expected);
  }
  EXPECT_FALSE(std::signbit(CManualInputDataDlg::RoundDecimals(-0.004f, 2)));
}

TEST_F(ManualInputDataTest, ACellIsReadAsFloatAndANonNumberCountsAsZero) {
  struct Case {
    const char* text;
    float expected;
  };
  const Case cases[] = {
      {"1.40", 1.4f},      {"  2.5", 2.5f},     {"+3", 3.0f},      {"-0.006", -0.006f}, {"1.5abc", 1.5f},
      {"1e3", 1000.0f},    {"", 0.0f},          {"abc", 0.0f},     {"--1", 0.0f},       {"inf", 0.0f},
      {"-inf", 0.0f},      {"nan", 0.0f},       {"1e999", 0.0f},   {"1e39", 0.0f},
      {"00000000000000000012.5", 12.5f},  // the whole text, not its first 19 characters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CManualInputDataDlg::ScanCellNumber(c.text), c.expected);
  }
}

TEST_F(ManualInputDataTest, OkStoresTheTypedTableAndItsTypes) {
  Input().layerElevation[5] = 9.5;  // beyond the table: kept
  CManualInputDataDlg dlg;
  Script s;
  TypeRow(s, 1, {"0.5", "30", "1.2", "1.1", "2.5"});
  TypeRow(s, 2, {"2.345", "30", "1.2", "1.1", "2.5"});
  TypeRow(s, 3, {"1.40", "20", "1.40", "1.1", "2.5"});  // sorts between them
  TypeRow(s, 4, {"00000000000000000004.25", "20", "1.4", "1.1", "2.5"});
  s.Click(IDOK);
  int result = 0;
  const fw::DialogRecord& r = Run(dlg, s, &result);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dlg.layersAccepted, 1);
  EXPECT_TRUE(r.scriptErrors.empty());
  const ProjectInput& in = Input();
  ASSERT_EQ(in.layerCount, 4);
  EXPECT_EQ(in.layerElevation[0], 0.5);
  EXPECT_EQ(in.layerElevation[1], 1.4);
  EXPECT_EQ(in.layerElevation[2], 2.35);
  EXPECT_EQ(in.layerElevation[3], 4.25);
  EXPECT_EQ(in.layerElevation[5], 9.5);
  EXPECT_EQ(in.layerUltimateStrength[1], 20.0);
  // Reduction factors pass through single precision.
  EXPECT_EQ(in.layerRfInstallation[1], 1.399999976158142);
  EXPECT_EQ(in.layerRfInstallation[1], static_cast<double>(1.4f));
  EXPECT_EQ(in.layerRfDurability[0], static_cast<double>(1.1f));
  // 30/1.2/1.1/2.5 and 20/1.4/1.1/2.5 are two types, in the order of the layers.
  const GeosyntheticTypeTable& t = Types();
  EXPECT_EQ(t.typeOverflow, 0);
  EXPECT_EQ(t.typeCount, 2);
  EXPECT_EQ((std::vector<int>{t.layerType[0], t.layerType[1], t.layerType[2], t.layerType[3]}),
            (std::vector<int>{1, 2, 1, 2}));
  EXPECT_EQ(t.typeUltimateStrength[0], 30.0);
  EXPECT_EQ(t.typeUltimateStrength[1], 20.0);
  EXPECT_EQ(t.typeRfInstallation[1], static_cast<double>(1.4f));
  // Entries 3 to 5 hold layer 1's geosynthetic.
  EXPECT_EQ(t.typeUltimateStrength[4], 30.0);
  EXPECT_EQ(t.typeRfInstallation[4], static_cast<double>(1.2f));
}

// Keys as the sheet's window passes them on: the characters of an entry
// (each a KeyPress), '\t' Tab, '\b' Shift+Tab, '\n' Enter; an entry ends
// with the key after it.
void TypeKeys(fw::Spreadsheet& sheet, std::string_view keys) {
  std::string entry;
  bool typing = false;
  for (char ch : keys) {
    if (ch != '\t' && ch != '\n' && ch != '\b') {
      const int key = sheet.UserKeyPress(static_cast<unsigned char>(ch));
      if (key > 0) entry += static_cast<char>(key);
      typing = true;
      continue;
    }
    if (typing) {
      ASSERT_TRUE(sheet.UserEnter(sheet.CursorCol(), sheet.CursorRow(), entry)) << entry;
    }
    entry.clear();
    typing = false;
    sheet.UserKey(ch == '\t' ? fw::SheetKey::kTab : ch == '\b' ? fw::SheetKey::kBackTab : fw::SheetKey::kEnter);
  }
}

// The whole table typed with the keyboard alone, the layers in no order of
// elevation, each row from its elevation to its RFc: every value stays with
// the layer it was typed for, whatever the sort does, and OK stores the
// layers ascending.
TEST_F(ManualInputDataTest, ATableTypedByKeyboardInAnyOrderKeepsEveryValueWithItsLayer) {
  SetLayers({});
  const std::vector<std::vector<std::string>> typed = {
      {"3.3", "41", "1.21", "1.11", "2.51"}, {"0.5", "42", "1.22", "1.12", "2.52"},
      {"5.1", "43", "1.23", "1.13", "2.53"}, {"1.7", "44", "1.24", "1.14", "2.54"},
      {"4.2", "45", "1.25", "1.15", "2.55"}};
  CManualInputDataDlg dlg;
  Script s;
  s.Inspect([&] {
    auto* sheet = dynamic_cast<fw::Spreadsheet*>(dlg.HostedControlOf(kLayerGridId));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CursorRow(), 1);
    for (const std::vector<std::string>& row : typed)
      TypeKeys(*sheet, row[0] + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\t" + row[4] + "\n");
    EXPECT_EQ(dlg.GetText(kLayerCountId), "5");
    EXPECT_EQ(sheet->CursorCol(), 1);
    EXPECT_EQ(sheet->CursorRow(), 6);  // the next empty row
  });
  s.Focus(IDOK).Click(IDOK);
  int result = 0;
  const fw::DialogRecord& r = Run(dlg, s, &result);
  EXPECT_TRUE(r.scriptErrors.empty());
  ASSERT_EQ(result, IDOK);
  const ProjectInput& in = Input();
  ASSERT_EQ(in.layerCount, 5);
  const std::size_t ascending[] = {1, 3, 0, 4, 2};
  for (std::size_t i = 0; i < 5; ++i) {
    const std::vector<std::string>& row = typed[ascending[i]];
    SCOPED_TRACE(row[0]);
    EXPECT_EQ(in.layerElevation[i], CManualInputDataDlg::RoundDecimals(std::stof(row[0]), 2));
    EXPECT_EQ(in.layerUltimateStrength[i], static_cast<double>(std::stof(row[1])));
    EXPECT_EQ(in.layerRfInstallation[i], static_cast<double>(std::stof(row[2])));
    EXPECT_EQ(in.layerRfDurability[i], static_cast<double>(std::stof(row[3])));
    EXPECT_EQ(in.layerRfCreep[i], static_cast<double>(std::stof(row[4])));
  }
}

// A row left half typed is reported when the focus leaves the sheet: OK
// counts and checks it.
TEST_F(ManualInputDataTest, ARowStillBeingTypedCountsWhenTheFocusGoesToOk) {
  SetLayers({{1, 10, 1.2, 1.1, 2.5}});
  CManualInputDataDlg dlg;
  Script s;
  s.Inspect([&] {
    auto* sheet = dynamic_cast<fw::Spreadsheet*>(dlg.HostedControlOf(kLayerGridId));
    ASSERT_NE(sheet, nullptr);
    sheet->UserMoveCursor(1, 2);
    TypeKeys(*sheet, "0.5\t20\t");
    EXPECT_EQ(dlg.GetText(kLayerCountId), "1");  // not yet
  });
  s.Focus(IDOK).Inspect([&] { EXPECT_EQ(dlg.GetText(kLayerCountId), "2"); });
  s.Click(IDOK).Answer(Script().Enter());  // its empty reduction factors fail
  int result = 0;
  const fw::DialogRecord& r = Run(dlg, s, &result);
  const fw::DialogRecord* refusal = session.Find("IDD_POLICING");
  ASSERT_NE(refusal, nullptr);
  EXPECT_NE(refusal->Text(kMessageTextId).find("installation damage"), std::string::npos);
  EXPECT_NE(refusal->Text(kMessageTextId).find("layer #1 )"), std::string::npos);
  EXPECT_EQ(r.Sheet(kLayerGridId)->Text(2, 1), "20");  // the new layer went first
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ManualInputDataTest, EnglishUnitsAreStoredBackInSi) {
  Input().unitSystem = 1;
  CManualInputDataDlg dlg;
  Script s;
  TypeRow(s, 1, {"3.28", "685.19", "1", "1", "1"});
  s.Click(IDOK);
  Run(dlg, s);
  ASSERT_EQ(dlg.layersAccepted, 1);
  EXPECT_EQ(Input().layerElevation[0], 3.28 / kFeetPerMetre);
  EXPECT_EQ(Input().layerUltimateStrength[0], static_cast<double>(685.19f) / kLbPerFtPerKnPerM);
  EXPECT_EQ(Types().typeUltimateStrength[0], static_cast<double>(685.19f) / kLbPerFtPerKnPerM);
}

TEST_F(ManualInputDataTest, TypesGroupByLongTermStrengthWithinAHundredth) {
  struct Case {
    const char* name;
    std::vector<Layer> layers;
    std::vector<int> types;
    int count;
    int overflow;
  };
  const std::vector<Case> cases = {
      {"30/30/20/20",
       {{1, 30, 1.2, 1.1, 2.5}, {2, 30, 1.2, 1.1, 2.5}, {3, 20, 1.2, 1.1, 2.5}, {4, 20, 1.2, 1.1, 2.5}},
       {1, 1, 2, 2},
       2,
       0},
      // 11/1.1/1/1 = 10 and 10.005/1/1/1 agree within 0.01: one type.
      {"equal long-term strengths", {{1, 10, 1, 1, 1}, {2, 11, 1.1, 1, 1}, {3, 10.02, 1, 1, 1}}, {1, 1, 2}, 2, 0},
      // Six strengths: the sixth keeps type 1; a later layer of a known one
      // still gets its number.
      {"six strengths",
       {{1, 10, 1, 1, 1}, {2, 20, 1, 1, 1}, {3, 30, 1, 1, 1}, {4, 40, 1, 1, 1}, {5, 50, 1, 1, 1}, {5.5, 60, 1, 1, 1},
        {5.8, 20, 1, 1, 1}},
       {1, 2, 3, 4, 5, 1, 2},
       6,
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLayers(c.layers);
    Types() = GeosyntheticTypeTable{};
    CManualInputDataDlg dlg;
    Run(dlg, Script().Click(IDOK));
    ASSERT_EQ(dlg.layersAccepted, 1);
    std::vector<int> types;
    for (std::size_t i = 0; i < c.layers.size(); ++i) types.push_back(Types().layerType[i]);
    EXPECT_EQ(types, c.types);
    EXPECT_EQ(Types().typeCount, c.count);
    EXPECT_EQ(Types().typeOverflow, c.overflow);
  }
}

TEST_F(ManualInputDataTest, EachCheckRefusesTheLowestFailingLayerWithItsMessage) {
  struct Case {
    std::vector<Layer> layers;
    std::string message;
    std::string number;
  };
  const Layer ok1{1, 30, 1.2, 1.1, 2.5}, ok3{3, 30, 1.2, 1.1, 2.5};
  const std::vector<Case> cases = {
      {{ok1, {-0.5, 30, 1, 1, 1}}, "\n Geosynthetic elevation should not be negative.\n(see layer #2 )", "Error No.1130"},
      {{{-0.006, 30, 1, 1, 1}}, "\n Geosynthetic elevation should not be negative.\n(see layer #1 )", "Error No.1130"},
      {{{6.0, 30, 1, 1, 1}},
       "\n Geosynthetic elevation should not be equal or greater than the height of slope.\n(see layer #1 )",
       "Error No.1137"},
      {{ok1, {2, 0, 1, 1, 1}}, "\n Geosynthetic strength should not be negative nor zero.\n(see layer #2 )",
       "Error No.1190"},
      {{{1, 30, 0.99, 0.5, 0.5}},
       "\n Reduction factor for installation damage should not be less than 1.0 .\n(see layer #1 )", "Error No.1200"},
      {{ok1, {2, 30, 1, 0.5, 0.5}}, "\n Reduction factor for durability should not be less than 1.0 .\n(see layer #2 )",
       "Error No.1200"},
      {{ok1, ok3, {4, 30, 1, 1, 0.9}},
       "\n Reduction factor for creep should not be less than 1.0 .\n(see layer #3 )", "Error No.1200"},
      {{ok3, ok1}, "\n Layer's elevations were not filled in.\n(see layer #2 )", "Error No.1191"},
      // The first failing check of a layer wins.
      {{{-1, 0, 0.5, 0.5, 0.5}}, "\n Geosynthetic elevation should not be negative.\n(see layer #1 )", "Error No.1130"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SetLayers(c.layers);
    const ProjectInput before = Input();
    const GeosyntheticTypeTable typesBefore = Types();
    CManualInputDataDlg dlg;
    session.Queue(Script().Click(IDOK).Answer(Script().Enter()));
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // still open when the script ran out
    const fw::DialogRecord* policing = session.Find("IDD_POLICING", static_cast<int>(&c - cases.data()));
    ASSERT_NE(policing, nullptr);
    EXPECT_EQ(policing->Text(kMessageTextId), c.message);
    EXPECT_EQ(policing->Text(kErrorNumberTextId), c.number);
    EXPECT_EQ(dlg.layersAccepted, 0);
    EXPECT_EQ(Input(), before);
    EXPECT_EQ(Types(), typesBefore);
  }
}

TEST_F(ManualInputDataTest, EdgeCasesOfTheChecks) {
  // An elevation just below the slope height passes, two layers at the same
  // elevation pass, -0.004 rounds to 0 and passes.
  SetLayers({{-0.004, 30, 1, 1, 1}, {5.99, 30, 1, 1, 1}, {5.99, 30, 1, 1, 1}});
  CManualInputDataDlg dlg;
  Run(dlg, Script().Click(IDOK));
  EXPECT_EQ(dlg.layersAccepted, 1);
  EXPECT_EQ(Input().layerElevation[0], 0.0);
  EXPECT_TRUE(session.Find("IDD_POLICING") == nullptr);
}

TEST_F(ManualInputDataTest, AnEmptyTableIsRefused) {
  SetLayers({{1, 30, 1, 1, 1}});
  CManualInputDataDlg dlg;
  Script s;
  s.ClickCell(kLayerGridId, 0, 1).Click(IDOK).Answer(Script().Enter());
  int result = 0;
  const fw::DialogRecord& r = Run(dlg, s, &result);
  EXPECT_EQ(r.Text(kLayerCountId), "0");
  const fw::DialogRecord* policing = session.Find("IDD_POLICING");
  ASSERT_NE(policing, nullptr);
  EXPECT_EQ(policing->Text(kMessageTextId), "\n Layer's elevations were not filled in.");
  EXPECT_EQ(policing->Text(kErrorNumberTextId), "Error No.1191");
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dlg.layersAccepted, 0);
  EXPECT_EQ(Input().layerCount, 1);
}

TEST_F(ManualInputDataTest, AnEmptyElevationAfterFilledRowsFailsTheOrderCheck) {
  CManualInputDataDlg dlg;
  Script s;
  TypeRow(s, 1, {"1", "30", "1", "1", "1"});
  TypeRow(s, 2, {"", "30", "1", "1", "1"});  // no elevation: sorted last, read as 0
  s.Click(IDOK).Answer(Script().Enter());
  Run(dlg, s);
  const fw::DialogRecord* policing = session.Find("IDD_POLICING");
  ASSERT_NE(policing, nullptr);
  EXPECT_EQ(policing->Text(kMessageTextId), "\n Layer's elevations were not filled in.\n(see layer #2 )");
}

TEST_F(ManualInputDataTest, EnterInTheSheetKeepsTheTableOpen) {
  SetLayers({{1, 30, 1, 1, 1}});
  CManualInputDataDlg dlg;
  Script s;
  s.Focus(kLayerGridId).Enter();
  s.Inspect([&] { EXPECT_EQ(dlg.FocusedControl(), kLayerGridId); });
  // An edit still open when OK is clicked ends first: OK stores its value.
  s.EditCell(kLayerGridId, 2, 1, "55").Click(IDOK);
  int result = 0;
  Run(dlg, s, &result);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(Input().layerUltimateStrength[0], 55.0);
}

TEST_F(ManualInputDataTest, CancelEscAndTheCloseBoxStoreNothing) {
  SetLayers({{1, 30, 1, 1, 1}});
  const ProjectInput before = Input();
  const GeosyntheticTypeTable typesBefore = Types();
  for (int kind = 0; kind < 3; ++kind) {
    SCOPED_TRACE(kind);
    CManualInputDataDlg dlg;
    Script s;
    TypeRow(s, 2, {"2", "40", "1", "1", "1"});
    if (kind == 0) s.Click(IDCANCEL);
    if (kind == 1) s.Escape();
    if (kind == 2) s.Close();
    session.Queue(s);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.layersAccepted, 0);
    EXPECT_EQ(Input(), before);
    EXPECT_EQ(Types(), typesBefore);
  }
  EXPECT_FALSE(session.Records().back().scriptRanOut);
}

}  // namespace
}  // namespace tervane
