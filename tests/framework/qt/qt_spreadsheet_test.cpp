// The spreadsheet and preview windows (offscreen): exact colours on screen,
// read-only cells, clicks on numerals and headers, keyboard moves and edits,
// the preview showing the printed pages, and a sheet printed to PDF. With
// TERVANE_SHOTS_DIR set, the windows and the PDF's pages are saved there.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/QtDialogTestSupport.h"
#include "framework/Dialog.h"
#include "framework/testing/FakeServices.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/qt/QtPrint.h"
#include "framework/qt/QtSpreadsheet.h"
#include "support/Commands.h"
#include "support/QtShots.h"

namespace tervane::fw {
namespace {

using qttest::RunModal;

constexpr int kSheet = 120, kPreview = 121;

void Put(Spreadsheet& s, int col, int row, int dispid, const Variant& v) {
  s.PutProperty(sheet::kActiveCol, Variant::I4(col));
  s.PutProperty(sheet::kActiveRow, Variant::I4(row));
  s.PutProperty(dispid, v);
}

// A results table in small: values, a red one, alternate row colours, a
// joined header, a check box, no editable cell.
void FillResults(Spreadsheet& s, int rows) {
  s.PutProperty(sheet::kColumnHeaderRowCount, Variant::I4(2));
  s.PutProperty(sheet::kColumnCount, Variant::I4(3));
  s.Invoke(sheet::kAddCellSpan, {Variant::I4(1), Variant::I4(-1000), Variant::I4(2), Variant::I4(1)});
  Put(s, 1, -1000, sheet::kText, Variant::Text("S t r e n g t h :"));
  Put(s, 1, -999, sheet::kText, Variant::Text("Tr"));
  Put(s, 2, -999, sheet::kText, Variant::Text("T-ltds"));
  Put(s, 3, -999, sheet::kText, Variant::Text("STATUS"));
  s.Invoke(sheet::kAlternateRowColors, {Variant::I4(0xFFFFCE), Variant::I4(0), Variant::I4(0xB9FFFF), Variant::I4(0)});
  for (int r = 1; r <= rows; ++r) {
    Put(s, 1, r, sheet::kCellSetting168, Variant::I4(2));
    Put(s, 1, r, sheet::kCellValue, Variant::Text(std::to_string(10 + r) + ".00"));
    Put(s, 2, r, sheet::kCellValue, Variant::Text("8.88"));
    Put(s, 3, r, sheet::kCellType, Variant::I4(kCellTypeCheckBox));
    Put(s, 3, r, sheet::kText, Variant::Text(r % 3 == 0 ? "0" : "1"));
  }
  Put(s, 2, 2, sheet::kForeColor, Variant::Color(0x0000FF));
  s.PutProperty(sheet::kRowCount, Variant::I4(rows));
  s.PutProperty(sheet::kPrintHeader, Variant::Text("/cSummary of tabulated results/rPage /p/n/n"));
  s.PutProperty(sheet::kPrintTitle, Variant::Text("/c/home/engineer/slope.NAT"));
}

DialogTemplate SheetTemplate() {
  DialogTemplate t;
  t.name = "IDD_TEST_QT_SHEET";
  t.width = 300;
  t.height = 200;
  t.controls = {
      {kSheet, ControlKind::Spreadsheet, "", 7, 7, 200, 150, kTabStop},
      {kPreview, ControlKind::PrintPreview, "", 7, 7, 280, 180, kHidden},
      {IDOK, ControlKind::DefaultPushButton, "OK", 240, 180, 50, 14, kTabStop},
  };
  return t;
}

class SheetDialog : public Dialog {
 public:
  SheetDialog() : Dialog(SheetTemplate()) {
    for (int event : {sheet::kEventCellChange, sheet::kEventCellClick}) {
      OnControlEvent(kSheet, event, [this, event](std::vector<Variant>& a) {
        events.push_back(std::to_string(event) + " " + std::to_string(a[0].AsInt()) + " " +
                         std::to_string(a[1].AsInt()));
      });
    }
  }
  std::vector<std::string> events;
};

class QtSpreadsheetTest : public ::testing::Test {
 protected:
  qttest::ScopedQtBackend backend_;
  ScopedFakeServices fakes_;
};

QtSpreadsheetWidget* SheetOf(QtDialogBackend& b) { return dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(kSheet)); }

void ClickCell(QtSpreadsheetWidget* grid, int col, int row, bool twice = false) {
  const QPoint at = grid->CellCenter(col, row);
  QWidget* v = grid->viewport();
  QMouseEvent press(QEvent::MouseButtonPress, at, v->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(v, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, v->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(v, &release);
  if (twice) {
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, v->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(v, &dbl);
  }
}

using testsupport::SaveShot;

bool HasPixel(const QImage& image, const QRect& area, QRgb color) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) == color) return true;
  return false;
}

TEST_F(QtSpreadsheetTest, TheSheetShowsItsColoursExactly) {
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = SheetOf(b);
    ASSERT_NE(grid, nullptr);
    FillResults(grid->Sheet(), 12);
    QApplication::processEvents();
    const QImage shot = grid->viewport()->grab().toImage();
    SaveShot(b.Window()->grab().toImage(), "qt_sheet");
    auto inside = [&](int col, int row) { return grid->CellRect(col, row).topLeft() + QPoint(2, 2); };
    EXPECT_EQ(shot.pixel(inside(1, 1)), qRgb(206, 255, 255));  // odd rows
    EXPECT_EQ(shot.pixel(inside(1, 2)), qRgb(255, 255, 185));  // even rows
    EXPECT_EQ(shot.pixel(inside(2, -999)), qRgb(224, 224, 224));
    EXPECT_EQ(shot.pixel(inside(0, 3)), qRgb(224, 224, 224));
    // The red value is drawn in pure red, the others in black.
    EXPECT_TRUE(HasPixel(shot, grid->CellRect(2, 2), qRgb(255, 0, 0)));
    EXPECT_FALSE(HasPixel(shot, grid->CellRect(2, 1), qRgb(255, 0, 0)));
    EXPECT_TRUE(HasPixel(shot, grid->CellRect(2, 1), qRgb(0, 0, 0)));
    // The joined caption is one cell: no grid line between its columns.
    const QRect joined = grid->CellRect(1, -1000).united(grid->CellRect(2, -1000));
    const int boundary = grid->CellRect(1, -1000).right();
    EXPECT_EQ(shot.pixel(boundary, joined.top() + 2), qRgb(224, 224, 224));
    b.EndModal(IDOK);
  });
}

TEST_F(QtSpreadsheetTest, ResultCellsAreReadOnlyAndClicksReportTheirCell) {
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = SheetOf(b);
    FillResults(grid->Sheet(), 5);
    ClickCell(grid, 1, 2, true);
    EXPECT_EQ(grid->Editor(), nullptr);
    qttest::Type(grid, QStringLiteral("7"));
    qttest::Key(grid, Qt::Key_F2);
    qttest::Key(grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_EQ(grid->Sheet().Text(1, 2), "12.00");
    ClickCell(grid, 0, 4);      // a numeral
    ClickCell(grid, 2, -1000);  // a header row: row 0
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"5 1 2", "5 0 4", "5 2 0"}));
    b.EndModal(IDOK);
  });
}

TEST_F(QtSpreadsheetTest, TheKeyboardMovesAndEditsNumberCells) {
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = SheetOf(b);
    Spreadsheet& s = grid->Sheet();
    Put(s, kSheetAll, kSheetAll, sheet::kCellType, Variant::I4(kCellTypeNumber));
    ClickCell(grid, 1, 1);
    qttest::Key(grid, Qt::Key_Right);
    qttest::Key(grid, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentCol(), 2);
    EXPECT_EQ(grid->CurrentRow(), 2);
    qttest::Type(grid, QStringLiteral("1"));
    ASSERT_NE(grid->Editor(), nullptr);
    qttest::Type(grid->Editor(), QStringLiteral(".5x"));  // x is refused by the cell
    EXPECT_EQ(grid->Editor()->text(), QStringLiteral("1.5"));
    qttest::Key(grid->Editor(), Qt::Key_Down);  // ends the edit and moves on
    EXPECT_EQ(s.Text(2, 2), "1.5");
    EXPECT_EQ(grid->CurrentRow(), 3);
    // F2 edits the text as it is; Delete empties a cell.
    qttest::Key(grid, Qt::Key_Up);
    qttest::Key(grid, Qt::Key_F2);
    ASSERT_NE(grid->Editor(), nullptr);
    EXPECT_EQ(grid->Editor()->text(), QStringLiteral("1.5"));
    qttest::Key(grid->Editor(), Qt::Key_Escape);
    qttest::Key(grid, Qt::Key_Delete);
    EXPECT_EQ(s.Text(2, 2), "");
    // Far down, the sheet scrolls to keep the current cell in sight.
    qttest::Key(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentRow(), 100);
    EXPECT_FALSE(grid->CellRect(5, 100).isEmpty());
    EXPECT_GT(grid->TopRow(), 1);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"5 1 1", "4 2 2", "4 2 2"}));
    b.EndModal(IDOK);
  });
}

// Tab, Enter and the arrows as in any spreadsheet: an entry (started by
// typing) ends with an arrow and moves; an edit of the text (F2) keeps Left
// and Right for its caret; Ctrl+Tab leaves the sheet. The changes of a row
// are reported when the cursor leaves it.
TEST_F(QtSpreadsheetTest, TabEnterAndTheArrowsInEntriesAndEdits) {
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    // The focus moves only in the active window.
    b.Window()->activateWindow();
    QApplication::setActiveWindow(b.Window());
    QtSpreadsheetWidget* grid = SheetOf(b);
    Spreadsheet& s = grid->Sheet();
    Put(s, kSheetAll, kSheetAll, sheet::kCellType, Variant::I4(kCellTypeNumber));
    ClickCell(grid, 1, 1);
    const auto at = [&](int col, int row) { return grid->CurrentCol() == col && grid->CurrentRow() == row; };
    qttest::Type(grid, QStringLiteral("2"));
    qttest::Key(grid->Editor(), Qt::Key_Right);
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_TRUE(at(2, 1));
    qttest::Type(grid, QStringLiteral("3"));
    qttest::Key(grid->Editor(), Qt::Key_Left);
    EXPECT_TRUE(at(1, 1));
    qttest::Key(grid, Qt::Key_F2);
    ASSERT_NE(grid->Editor(), nullptr);
    qttest::Key(grid->Editor(), Qt::Key_Left);  // the caret goes to the front
    ASSERT_NE(grid->Editor(), nullptr);
    EXPECT_TRUE(at(1, 1));
    qttest::Type(grid->Editor(), QStringLiteral("1"));
    EXPECT_EQ(grid->Editor()->text(), QStringLiteral("12"));
    qttest::Key(grid->Editor(), Qt::Key_Tab);
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_TRUE(at(2, 1));
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"5 1 1"}));  // the row is not left yet
    qttest::Key(grid, Qt::Key_Tab);
    qttest::Key(grid, Qt::Key_Return);  // the next row, where the Tabs began
    EXPECT_TRUE(at(1, 2));
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"5 1 1", "4 1 1", "4 2 1"}));
    EXPECT_EQ(s.Text(1, 1), "12");
    EXPECT_EQ(s.Text(2, 1), "3");
    qttest::Key(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(at(5, 1));
    EXPECT_EQ(b.FocusedControl(), kSheet);
    qttest::Type(grid, QStringLiteral("7"));
    qttest::Key(grid->Editor(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(b.FocusedControl(), IDOK);
    EXPECT_EQ(dlg.events.back(), "4 5 1");
    // In a sheet the user cannot type into, Tab belongs to the dialog.
    Put(s, kSheetAll, kSheetAll, sheet::kCellType, Variant::I4(kCellTypeText));
    grid->setFocus();
    qttest::Key(grid, Qt::Key_Tab);
    EXPECT_EQ(b.FocusedControl(), IDOK);
    b.EndModal(IDOK);
  });
}

TEST_F(QtSpreadsheetTest, ThePreviewShowsThePrintedPagesOnItsColour) {
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = SheetOf(b);
    FillResults(grid->Sheet(), 80);
    auto* previewWidget = dynamic_cast<QtSheetPreviewWidget*>(b.ControlWidget(kPreview));
    ASSERT_NE(previewWidget, nullptr);
    SpreadsheetPreview& preview = previewWidget->Preview();
    b.ShowControl(kSheet, false);
    b.ShowControl(kPreview, true);
    preview.PutProperty(preview::kSourceWindow, grid->Sheet().GetProperty(sheet::kHWnd));
    preview.PutProperty(preview::kColor, Variant::Color(0x80FFFF));
    QApplication::processEvents();
    ASSERT_EQ(preview.Pages().size(), 2u);
    const QImage shot = previewWidget->viewport()->grab().toImage();
    SaveShot(b.Window()->grab().toImage(), "qt_preview");
    const QRect page = previewWidget->PageRect(0);
    EXPECT_EQ(shot.pixel(2, 2), qRgb(255, 255, 128));
    EXPECT_EQ(shot.pixel(page.left() + 2, page.top() + 2), qRgb(255, 255, 255));
    EXPECT_GT(page.width(), 300);
    // The page shows the sheet's colours at the preview's scale (its texts
    // smoothed as they are scaled down: the red value is reddish).
    const QRect area = page.intersected(shot.rect());
    EXPECT_TRUE(HasPixel(shot, area, qRgb(206, 255, 255)));
    bool reddish = false;
    for (int y = area.top(); y <= area.bottom() && !reddish; ++y)
      for (int x = area.left(); x <= area.right() && !reddish; ++x) {
        const QRgb p = shot.pixel(x, y);
        reddish = qRed(p) > 200 && qGreen(p) < 150 && qBlue(p) < 150;
      }
    EXPECT_TRUE(reddish);
    b.EndModal(IDOK);
  });
}

TEST_F(QtSpreadsheetTest, ASheetPrintsToPdf) {
  QTemporaryDir dir;
  const std::string pdf = dir.filePath("sheet.pdf").toStdString();
  PdfFilePrintService printing(pdf);
  Services services = fakes_.AsServices();
  services.printing = &printing;
  ScopedServices scoped(services);
  SheetDialog dlg;
  RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = SheetOf(b);
    FillResults(grid->Sheet(), 80);
    EXPECT_TRUE(grid->Sheet().Invoke(sheet::kPrintSheet, {Variant::I4(1)}).AsBool());
    b.EndModal(IDOK);
  });
  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
  file.close();
  if (!testsupport::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools not installed";
  const std::string txt = dir.filePath("sheet.txt").toStdString();
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
  QFile text(QString::fromStdString(txt));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  const QString content = QString::fromUtf8(text.readAll());
  EXPECT_TRUE(content.contains(QStringLiteral("Summary of tabulated results")));
  EXPECT_TRUE(content.contains(QStringLiteral("Page 2")));
  EXPECT_TRUE(content.contains(QStringLiteral("/home/engineer/slope.NAT")));
  EXPECT_EQ(content.count(QStringLiteral("T-ltds")), 2);  // the header rows on each page
  EXPECT_EQ(content.count(QLatin1Char('\f')), 2);
  if (const char* shots = testsupport::ShotsDir())
    std::system(("pdftoppm -png -r 60 '" + pdf + "' '" + std::string(shots) + "/sheet_pdf'").c_str());
}

}  // namespace
}  // namespace tervane::fw
