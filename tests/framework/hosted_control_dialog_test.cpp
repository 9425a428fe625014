// Hosted controls in dialogs (headless): a wrapper bound by the control
// exchange, the dialog's event sink, and scripts that type into, edit and
// click the cells of a spreadsheet as the user does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/HostedControl.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"

namespace tervane::fw {
namespace {

constexpr int kSheet = 100, kPreview = 101, kEdit = 102;

// A wrapper with the few calls these tests make.
class SheetWrapper : public ControlWrapper {
 public:
  void Cell(int col, int row) {
    PutProperty(sheet::kActiveCol, Variant::I4(col));
    PutProperty(sheet::kActiveRow, Variant::I4(row));
  }
  void Value(const std::string& text) { PutProperty(sheet::kCellValue, Variant::Text(text)); }
  std::string Value() const { return GetProperty(sheet::kCellValue).AsText(); }
  void CellType(int type) { PutProperty(sheet::kCellType, Variant::I4(type)); }
  int DataRowCount() const { return GetProperty(sheet::kDataRowCount).AsInt(); }
};

DialogTemplate SheetTemplate() {
  DialogTemplate t;
  t.name = "IDD_TEST_SHEET";
  t.width = 200;
  t.height = 150;
  t.controls = {
      {kSheet, ControlKind::Spreadsheet, "columns=3;rows=10", 5, 5, 150, 100, kTabStop},
      {kPreview, ControlKind::PrintPreview, "", 5, 5, 150, 100, kHidden},
      {kEdit, ControlKind::Edit, "", 5, 110, 40, 12, kTabStop},
      {IDOK, ControlKind::DefaultPushButton, "OK", 100, 130, 40, 14, kTabStop},
      {IDCANCEL, ControlKind::PushButton, "Cancel", 150, 130, 40, 14, kTabStop},
  };
  return t;
}

class SheetDialog : public Dialog {
 public:
  SheetDialog() : Dialog(SheetTemplate()) {
    OnControlEvent(kSheet, sheet::kEventCellChange, &SheetDialog::OnChange);
    OnControlEvent(kSheet, sheet::kEventCellClick, &SheetDialog::OnClick);
    OnControlEvent(kSheet, sheet::kEventKeyPress, [this](std::vector<Variant>& args) {
      events.push_back("key " + std::to_string(args[0].AsInt()));
      if (args[0].AsInt() == 'x') args[0] = Variant::I2(0);  // the dialog refuses x
    });
    OnClicked(IDOK, [this] {
      events.push_back("OK sees " + sheet.Value());
      EndDialog(IDOK);
    });
  }

  SheetWrapper sheet;
  SheetWrapper unbound;
  std::vector<std::string> events;

 protected:
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    sheet.Cell(kSheetAll, kSheetAll);
    sheet.CellType(kCellTypeNumber);
    sheet.Cell(1, 1);
    sheet.Value("1.00");
    return true;
  }
  void DoDataExchange(DataExchange& dx) override { dx.Control(kSheet, sheet); }

 private:
  void OnChange(int col, int row) {
    events.push_back("change " + std::to_string(col) + " " + std::to_string(row));
    sheet.Cell(col, row);
  }
  void OnClick(int col, int row) { events.push_back("click " + std::to_string(col) + " " + std::to_string(row)); }
};

TEST(HostedControlDialogTest, TheExchangeBindsTheWrapperToTheWindowsControl) {
  HeadlessSession session;
  SheetDialog dlg;
  // Before the window and unbound: calls do nothing, getters give nothing.
  dlg.sheet.Value("lost");
  EXPECT_EQ(dlg.sheet.Value(), "");
  EXPECT_FALSE(dlg.sheet.IsAttached());
  session.Queue(Script().Inspect([&] {
    EXPECT_TRUE(dlg.sheet.IsAttached());
    EXPECT_EQ(dlg.sheet.ControlId(), kSheet);
    auto* s = dynamic_cast<Spreadsheet*>(dlg.HostedControlOf(kSheet));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ColumnCount(), 3);  // the template's persisted settings
    EXPECT_EQ(s->Text(1, 1), "1.00");
    EXPECT_NE(dynamic_cast<SpreadsheetPreview*>(dlg.HostedControlOf(kPreview)), nullptr);
    EXPECT_EQ(dlg.HostedControlOf(kEdit), nullptr);
    EXPECT_FALSE(dlg.unbound.Attach(dlg, kEdit));
    EXPECT_EQ(dlg.unbound.Value(), "");
  }));
  dlg.DoModal();
  // The window is gone: the bound wrapper falls silent.
  EXPECT_EQ(dlg.sheet.Control(), nullptr);
  dlg.sheet.Value("lost");
  EXPECT_EQ(dlg.sheet.DataRowCount(), 0);
  // The record keeps the sheet as it was, with the calls made to it.
  const Spreadsheet* kept = session.Records()[0].Sheet(kSheet);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->Text(1, 1), "1.00");
  EXPECT_EQ(kept->CallLog().back(), "CellValue(195) = TEXT \"1.00\"");
  EXPECT_NE(session.Records()[0].Preview(kPreview), nullptr);
  EXPECT_EQ(session.Records()[0].Sheet(kEdit), nullptr);
}

TEST(HostedControlDialogTest, TypingIntoACellRaisesKeyPressesThenOneChange) {
  HeadlessSession session;
  SheetDialog dlg;
  session.Queue(Script().TypeCell(kSheet, 2, 3, "4x5").TypeCell(kSheet, 2, 3, "45").ClickCell(kSheet, 0, 3)
                    .ClickCell(kSheet, 1, 0).Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  // The x was dropped by the dialog; typing the same text again changes nothing.
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"key 52", "key 120", "key 53", "change 2 3", "key 52", "key 53",
                                                  "click 0 3", "click 1 0", "OK sees 45"}));
  const DialogRecord& r = session.Records()[0];
  EXPECT_TRUE(r.scriptErrors.empty());
  EXPECT_EQ(r.Sheet(kSheet)->Text(2, 3), "45");
  EXPECT_EQ(r.focusAtEnd, IDOK);
}

TEST(HostedControlDialogTest, AnOpenEditEndsWhenTheFocusMovesOnAndEscAbandonsIt) {
  HeadlessSession session;
  SheetDialog dlg;
  session.Queue(Script()
                    .EditCell(kSheet, 1, 2, "7")
                    .Escape()  // abandons the edit; the dialog stays
                    .EditCell(kSheet, 1, 2, "8")
                    .Enter()  // ends the edit; OK is not pressed
                    .EditCell(kSheet, 1, 1, "9")
                    .Click(IDOK));  // the edit ends before OK sees the sheet
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"key 55", "key 56", "change 1 2", "key 57", "change 1 1",
                                                  "OK sees 9"}));
}

TEST(HostedControlDialogTest, CellsTheUserCannotReachAreScriptErrors) {
  HeadlessSession session;
  SheetDialog dlg;
  session.Queue(Script()
                    .TypeCell(kSheet, 0, 1, "1")       // the row numbers
                    .TypeCell(kSheet, 1, -1000, "1")   // a header row
                    .TypeCell(kSheet, 4, 1, "1")       // beyond the columns
                    .TypeCell(kSheet, 1, 1, "abc")     // no number
                    .TypeCell(kEdit, 1, 1, "1")        // no spreadsheet
                    .ClickCell(kPreview, 1, 1)         // hidden
                    .Escape());
  dlg.DoModal();
  const DialogRecord& r = session.Records()[0];
  ASSERT_EQ(r.scriptErrors.size(), 6u);
  EXPECT_EQ(r.scriptErrors[0], "TypeCell: cell 0,1 of control 100 cannot be edited");
  EXPECT_EQ(r.scriptErrors[3], "TypeCell: cell 1,1 of control 100 refuses \"abc\"");
  EXPECT_EQ(r.scriptErrors[4], "TypeCell: control 102 is no spreadsheet");
  EXPECT_EQ(r.scriptErrors[5], "ClickCell: control 101 is hidden");
  EXPECT_EQ(r.Sheet(kSheet)->Text(1, 1), "1.00");
}

}  // namespace
}  // namespace tervane::fw
