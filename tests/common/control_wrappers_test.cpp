// The two control wrappers: every operation is the one dispatch call of its
// DISPID with its argument forms, and returns what the control answers.

#include "common/ControlWrappers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"

namespace tervane {
namespace {

constexpr int kSheetId = 1202, kPreviewId = 1205;

fw::DialogTemplate HostTemplate() {
  fw::DialogTemplate t;
  t.name = "IDD_TEST_WRAPPERS";
  t.width = 300;
  t.height = 200;
  t.controls = {
      {kSheetId, fw::ControlKind::Spreadsheet, "", 7, 7, 200, 150, fw::kTabStop},
      {kPreviewId, fw::ControlKind::PrintPreview, "", 7, 7, 200, 150, 0},
  };
  return t;
}

class HostDlg : public fw::Dialog {
 public:
  HostDlg() : fw::Dialog(HostTemplate()) {}
  CFpspread1 sheet;
  CPv_case1 preview;

 protected:
  void DoDataExchange(fw::DataExchange& dx) override {
    dx.Control(kSheetId, sheet);
    dx.Control(kPreviewId, preview);
  }
};

struct Case {
  std::function<void(HostDlg&)> call;
  std::string logged;
};

TEST(ControlWrappersTest, EachOperationIsOneDispatchCallOfItsForm) {
  EXPECT_EQ(CFpspread1::ClassId(), "{7114683A-020D-4D16-80FD-6ACE384B66DF}");
  EXPECT_EQ(CPv_case1::ClassId(), "{71146846-020D-4D16-80FD-6ACE384B66DF}");
  const std::vector<Case> sheetCases = {
      {[](HostDlg& d) { d.sheet.SetActiveCol(-1); }, "ActiveCol(22) = I4 -1"},
      {[](HostDlg& d) { d.sheet.SetActiveRow(-1000); }, "ActiveRow(102) = I4 -1000"},
      {[](HostDlg& d) { EXPECT_EQ(d.sheet.GetActiveCol(), -1); }, "ActiveCol(22) -> I4 -1"},
      {[](HostDlg& d) { EXPECT_EQ(d.sheet.GetActiveRow(), -1000); }, "ActiveRow(102) -> I4 -1000"},
      {[](HostDlg& d) { d.sheet.SetActiveCol(2); }, "ActiveCol(22) = I4 2"},
      {[](HostDlg& d) { d.sheet.SetText("Elevation"); }, "Text(-517) = TEXT \"Elevation\""},
      {[](HostDlg& d) { d.sheet.SetCellValue("2.35"); }, "CellValue(195) = TEXT \"2.35\""},
      {[](HostDlg& d) { EXPECT_EQ(d.sheet.GetCellValue(), "2.35"); }, "CellValue(195) -> TEXT \"2.35\""},
      {[](HostDlg& d) { d.sheet.SetCellType(13); }, "CellType(18) = I4 13"},
      {[](HostDlg& d) { d.sheet.SetCellSetting168(2); }, "CellSetting168(168) = I4 2"},
      {[](HostDlg& d) { d.sheet.SetCellSetting280(2); }, "CellSetting280(280) = I4 2"},
      {[](HostDlg& d) { d.sheet.SetCellSetting373(3); }, "CellSetting373(373) = I4 3"},
      {[](HostDlg& d) { d.sheet.SetForeColor(fw::RGB(255, 0, 0).ToWindows()); }, "ForeColor(-513) = COLOR 0x0000FF"},
      {[](HostDlg& d) { d.sheet.SetColumnCount(9); }, "ColumnCount(203) = I4 9"},
      {[](HostDlg& d) { d.sheet.SetRowCount(12); }, "RowCount(68) = I4 12"},
      {[](HostDlg& d) { d.sheet.SetColumnHeaderRowCount(7); }, "ColumnHeaderRowCount(342) = I4 7"},
      {[](HostDlg& d) { d.sheet.SetColumnWidth(2, 11.0); }, "ColumnWidth(217)[I4 2] = R8 11"},
      {[](HostDlg& d) { EXPECT_TRUE(d.sheet.AddCellSpan(1, -1000, 3, 1)); },
       "AddCellSpan(490)(I4 1, I4 -1000, I4 3, I4 1) -> BOOL 1"},
      {[](HostDlg& d) { EXPECT_FALSE(d.sheet.AddCellSpan(2, -1000, 1, 1)); },
       "AddCellSpan(490)(I4 2, I4 -1000, I4 1, I4 1) -> BOOL 0"},
      {[](HostDlg& d) { d.sheet.SetSheetSetting11(true); }, "SheetSetting11(11) = BOOL 1"},
      {[](HostDlg& d) { d.sheet.SetSheetSetting204(10); }, "SheetSetting204(204) = I4 10"},
      {[](HostDlg& d) { d.sheet.SetSheetSetting319(1); }, "SheetSetting319(319) = I4 1"},
      {[](HostDlg& d) { d.sheet.SetSheetSetting365(2); }, "SheetSetting365(365) = I2 2"},
      {[](HostDlg& d) { d.sheet.SetBlockEndCol(9); }, "BlockEndCol(23) = I4 9"},
      {[](HostDlg& d) { d.sheet.SetBlockEndRow(100); }, "BlockEndRow(103) = I4 100"},
      {[](HostDlg& d) { d.sheet.SetBlockSetting12(true); }, "BlockSetting12(12) = BOOL 1"},
      {[](HostDlg& d) { d.sheet.SetBlockSetting64(true); }, "BlockSetting64(64) = BOOL 1"},
      {[](HostDlg& d) { d.sheet.SetBlockSetting97(true); }, "BlockSetting97(97) = BOOL 1"},
      {[](HostDlg& d) {
         EXPECT_TRUE(d.sheet.SetAlternateRowColors(static_cast<std::int32_t>(fw::RGB(206, 255, 255).ToWindows()), 0,
                                                   static_cast<std::int32_t>(fw::RGB(255, 255, 185).ToWindows()), 0));
       },
       "AlternateRowColors(295)(I4 16777166, I4 0, I4 12189695, I4 0) -> BOOL 1"},
      {[](HostDlg& d) { EXPECT_EQ(d.sheet.GetDataRowCount(), 0); }, "DataRowCount(34) -> I4 0"},
      {[](HostDlg& d) { d.sheet.SetSortKey(1, 1); }, "SortKey(221)[I2 1] = I4 1"},
      {[](HostDlg& d) { d.sheet.SetSortKeyOrder(1, 1); }, "SortKeyOrder(222)[I2 1] = I4 1"},
      {[](HostDlg& d) { EXPECT_TRUE(d.sheet.SortRange(1, 1, 5, 1, 0)); },
       "SortRange(484)(I4 1, I4 1, I4 5, I4 1, I4 0, EMPTY, EMPTY) -> BOOL 1"},
      {[](HostDlg& d) { d.sheet.DeleteRows(3, 1); }, "DeleteRows(471)(I4 3, I4 1)"},
      {[](HostDlg& d) { EXPECT_FALSE(d.sheet.SaveSheet("", true)); }, "SaveSheet(260)(TEXT \"\", BOOL 1) -> BOOL 0"},
      {[](HostDlg& d) { d.sheet.SetExportSetting381(1); }, "ExportSetting381(381) = I2 1"},
      {[](HostDlg& d) { EXPECT_FALSE(d.sheet.ExportToExcel("out.xls", "")); },
       "ExportToExcel(509)(TEXT \"out.xls\", TEXT \"\") -> BOOL 0"},
      {[](HostDlg& d) { EXPECT_NE(d.sheet.GetHWnd(), 0); }, ""},  // the handle varies; checked below
      {[](HostDlg& d) { d.sheet.SetPrintHeader("/cSummary of tabulated results/n/n"); },
       "PrintHeader(84) = TEXT \"/cSummary of tabulated results/n/n\""},
      {[](HostDlg& d) { d.sheet.SetPrintTitle("/cNot saved, yet"); }, "PrintTitle(82) = TEXT \"/cNot saved, yet\""},
      {[](HostDlg& d) { d.sheet.SetPrintSetting214(0); }, "PrintSetting214(214) = I4 0"},
      {[](HostDlg& d) { d.sheet.SetPrintSetting405(1); }, "PrintSetting405(405) = I2 1"},
      // No print service is installed: the user cancels.
      {[](HostDlg& d) { EXPECT_FALSE(d.sheet.PrintSheet(fw::Variant::I4(1))); },
       "PrintSheet(462)(I4 1) -> BOOL 0"},
  };
  const std::vector<Case> previewCases = {
      {[](HostDlg& d) { d.preview.SetPreviewSourceWindow(d.sheet.GetHWnd()); }, ""},
      {[](HostDlg& d) { d.preview.SetPreviewColor(fw::RGB(255, 255, 128).ToWindows()); },
       "PreviewColor(2) = COLOR 0x80FFFF"},
      {[](HostDlg& d) { d.preview.SetPreviewSetting3(180); }, "PreviewSetting3(3) = I4 180"},
      {[](HostDlg& d) { d.preview.SetPreviewSetting5(180); }, "PreviewSetting5(5) = I4 180"},
      {[](HostDlg& d) { d.preview.SetPreviewSetting12(3); }, "PreviewSetting12(12) = I4 3"},
      {[](HostDlg& d) { d.preview.SetPreviewSetting17(3); }, "PreviewSetting17(17) = I2 3"},
      {[](HostDlg& d) { d.preview.SetPreviewSetting18(2); }, "PreviewSetting18(18) = I2 2"},
  };

  fw::HeadlessSession session;
  HostDlg dlg;
  session.Queue(fw::Script().Inspect([&] {
    fw::HostedControl* sheet = dlg.HostedControlOf(kSheetId);
    fw::HostedControl* preview = dlg.HostedControlOf(kPreviewId);
    ASSERT_NE(sheet, nullptr);
    ASSERT_NE(preview, nullptr);
    const std::string handle = std::to_string(static_cast<fw::Spreadsheet*>(sheet)->WindowHandle());
    for (const auto& [cases, control] : {std::pair{&sheetCases, sheet}, std::pair{&previewCases, preview}}) {
      for (const Case& c : *cases) {
        const std::size_t before = control->CallLog().size();
        c.call(dlg);
        const std::vector<std::string>& log = control->CallLog();
        ASSERT_EQ(log.size(), before + 1) << c.logged;
        const std::string expected = !c.logged.empty()                   ? c.logged
                                     : control == sheet                  ? "HWnd(-515) -> I4 " + handle
                                                                         : "PreviewSourceWindow(6) = I4 " + handle;
        EXPECT_EQ(log.back(), expected);
      }
    }
    auto* p = static_cast<fw::SpreadsheetPreview*>(preview);
    EXPECT_EQ(p->Source(), sheet);
  }));
  dlg.DoModal();
}

}  // namespace
}  // namespace tervane
