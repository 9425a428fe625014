// The layer table in a real window (offscreen): typing layers with the
// keyboard sorts them and counts them, a click on a numeral deletes a layer,
// OK while a cell is being edited takes the edited value, Esc in an edit
// leaves the table open. With TERVANE_SHOTS_DIR set, the window with a few
// layers is saved there as a PNG file to look at.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cstdlib>

#include "../../framework/qt/QtDialogTestSupport.h"
#include "app/TervaneApp.h"
#include "framework/FakeServices.h"
#include "framework/Spreadsheet.h"
#include "framework/qt/QtSpreadsheet.h"
#include "input/ManualInputDataDlg.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;
using fw::QtSpreadsheetWidget;

class ManualInputDataQtTest : public ::testing::Test {
 protected:
  void SetUp() override { app_.app().input.slopeHeight = 6.0; }

  void SetLayers(int count) {
    ProjectInput& in = app_.app().input;
    in.layerCount = count;
    for (int i = 0; i < count; ++i) {
      in.layerElevation[static_cast<std::size_t>(i)] = 0.5 + i * 1.25;
      in.layerUltimateStrength[static_cast<std::size_t>(i)] = i < 2 ? 43.8 : 35.0;
      in.layerRfInstallation[static_cast<std::size_t>(i)] = 1.2;
      in.layerRfDurability[static_cast<std::size_t>(i)] = 1.1;
      in.layerRfCreep[static_cast<std::size_t>(i)] = 2.5;
    }
  }

  ScopedApp app_;
  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
};

QtSpreadsheetWidget* Grid(QtDialogBackend& b) {
  auto* grid = dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(kLayerGridId));
  EXPECT_NE(grid, nullptr);
  return grid;
}

void ClickCell(QtSpreadsheetWidget* grid, int col, int row) {
  const QPoint at = grid->CellCenter(col, row);
  ASSERT_FALSE(grid->CellRect(col, row).isEmpty()) << col << "," << row;
  QWidget* v = grid->viewport();
  QMouseEvent press(QEvent::MouseButtonPress, at, v->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(v, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, v->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(v, &release);
}

// Keys typed where the window's keyboard focus is, one by one.
void TypeAtFocus(QtDialogBackend& b, const QString& text) {
  for (QChar c : text) qttest::Key(b.Window()->focusWidget(), c.unicode(), Qt::NoModifier, QString(c));
}

// A click as the user makes it: the button takes the focus on the press (a
// click sent by a test moves no focus by itself), then it is clicked.
void MouseClick(QWidget* button) {
  button->setFocus(Qt::MouseFocusReason);
  qttest::Click(button);
}

void Activate(QtDialogBackend& b) {
  b.Window()->activateWindow();
  QApplication::setActiveWindow(b.Window());
}

using testsupport::SaveShot;

TEST_F(ManualInputDataQtTest, TypedElevationsAreSortedAndCounted) {
  CManualInputDataDlg dlg;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    QtSpreadsheetWidget* grid = Grid(b);
    ClickCell(grid, 1, 1);
    for (const char* elevation : {"3", "1", "2"}) {
      TypeAtFocus(b, QString::fromLatin1(elevation));
      ASSERT_NE(grid->Editor(), nullptr);
      qttest::KeyAtFocus(b, Qt::Key_Return);  // ends the edit and moves down
      EXPECT_EQ(grid->Editor(), nullptr);
    }
    const fw::Spreadsheet& sheet = grid->Sheet();
    EXPECT_EQ(sheet.Text(1, 1), "1");
    EXPECT_EQ(sheet.Text(1, 2), "2");
    EXPECT_EQ(sheet.Text(1, 3), "3");
    EXPECT_EQ(b.ControlText(kLayerCountId), "3");
    // Letters do not go into a number cell.
    ClickCell(grid, 2, 1);
    TypeAtFocus(b, QStringLiteral("a"));
    EXPECT_EQ(grid->Editor(), nullptr);
    b.EndModal(fw::IDCANCEL);
  });
  EXPECT_EQ(dlg.layersAccepted, 0);
}

TEST_F(ManualInputDataQtTest, AClickOnARowNumeralDeletesThatLayer) {
  SetLayers(3);
  CManualInputDataDlg dlg;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* grid = Grid(b);
    EXPECT_EQ(b.ControlText(kLayerCountId), "3");
    ClickCell(grid, 0, -1000);  // the numerals' header
    ClickCell(grid, 0, 6);      // an empty row
    EXPECT_EQ(b.ControlText(kLayerCountId), "3");
    ClickCell(grid, 0, 2);
    EXPECT_EQ(b.ControlText(kLayerCountId), "2");
    EXPECT_EQ(grid->Sheet().Text(1, 2), "3.00");
    b.EndModal(fw::IDCANCEL);
  });
}

TEST_F(ManualInputDataQtTest, OkWhileACellIsBeingEditedTakesTheEditedValue) {
  SetLayers(1);
  CManualInputDataDlg dlg;
  const int result = qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    QtSpreadsheetWidget* grid = Grid(b);
    ClickCell(grid, 2, 1);
    TypeAtFocus(b, QStringLiteral("55"));
    ASSERT_NE(grid->Editor(), nullptr);
    EXPECT_EQ(grid->Editor()->text(), QStringLiteral("55"));
    MouseClick(b.ControlWidget(fw::IDOK));
  });
  EXPECT_EQ(result, fw::IDOK);
  EXPECT_EQ(dlg.layersAccepted, 1);
  EXPECT_EQ(App().input.layerUltimateStrength[0], 55.0);
  EXPECT_EQ(App().input.layerCount, 1);
}

TEST_F(ManualInputDataQtTest, EscAbandonsAnEditAndOnlyThenCancelsTheTable) {
  SetLayers(1);
  CManualInputDataDlg dlg;
  const int result = qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    QtSpreadsheetWidget* grid = Grid(b);
    ClickCell(grid, 1, 1);
    TypeAtFocus(b, QStringLiteral("4"));
    qttest::KeyAtFocus(b, Qt::Key_Escape);
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_EQ(grid->Sheet().Text(1, 1), "0.50");
    EXPECT_TRUE(b.IsWindowVisible());
    // Enter outside an edit goes to the table, whose OK keeps it open while
    // the sheet has the focus.
    qttest::KeyAtFocus(b, Qt::Key_Return);
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_EQ(b.FocusedControl(), kLayerGridId);
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  EXPECT_EQ(result, fw::IDCANCEL);
  EXPECT_EQ(App().input.layerElevation[0], 0.5);
}

TEST_F(ManualInputDataQtTest, TheTableWithAFewLayers) {
  SetLayers(4);
  CManualInputDataDlg dlg;
  QImage shot;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    QtSpreadsheetWidget* grid = Grid(b);
    ClickCell(grid, 1, 5);
    TypeAtFocus(b, QStringLiteral("5.2"));  // an edit in progress
    QApplication::processEvents();  // the scroll bars show or hide once the events are in
    shot = b.Window()->grab().toImage();
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());  // the columns fit across
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    // The sheet fits its place: the five columns and the scroll bar.
    EXPECT_FALSE(grid->CellRect(5, 1).isEmpty());
    EXPECT_LE(grid->CellRect(5, 1).right(), grid->viewport()->width());
    // Header cells in grey, data cells white, exactly.
    const QImage g = grid->grab().toImage();
    const QRect header = grid->CellRect(1, -994);
    const QPoint off = grid->viewport()->pos();
    EXPECT_EQ(g.pixel(off + header.topLeft() + QPoint(2, 2)), qRgb(224, 224, 224));
    EXPECT_EQ(g.pixel(off + grid->CellRect(4, 2).topLeft() + QPoint(2, 2)), qRgb(255, 255, 255));
    b.EndModal(fw::IDCANCEL);
  });
  ASSERT_FALSE(shot.isNull());
  SaveShot(shot, "IDD_MANUAL_INPUT_DATA");
}

}  // namespace
}  // namespace tervane
