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

#include "support/QtDialogTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
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
  void SetUp() override { app_.project().input.slopeHeight = 6.0; }

  void SetLayers(int count) {
    ProjectInput& in = app_.project().input;
    in.layerCount = count;
    for (int i = 0; i < count; ++i) {
      in.layerElevation[static_cast<std::size_t>(i)] = 0.5 + i * 1.25;
      in.layerUltimateStrength[static_cast<std::size_t>(i)] = i < 2 ? 43.8 : 35.0;
      in.layerRfInstallation[static_cast<std::size_t>(i)] = 1.2;
      in.layerRfDurability[static_cast<std::size_t>(i)] = 1.1;
      in.layerRfCreep[static_cast<std::size_t>(i)] = 2.5;
    }
  }

  ScopedProject app_;
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
  EXPECT_EQ(Project().input.layerUltimateStrength[0], 55.0);
  EXPECT_EQ(Project().input.layerCount, 1);
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
    // Enter outside an edit moves to the next row; the table stays open.
    qttest::KeyAtFocus(b, Qt::Key_Return);
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_EQ(b.FocusedControl(), kLayerGridId);
    EXPECT_EQ(grid->CurrentRow(), 2);
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  EXPECT_EQ(result, fw::IDCANCEL);
  EXPECT_EQ(Project().input.layerElevation[0], 0.5);
}

// A new layer typed into the first empty row: the elevation that belongs
// below the others does not move the row while the rest of it is typed, so
// "30" goes to that layer's strength; leaving the row sorts it into place.
TEST_F(ManualInputDataQtTest, WhatIsTypedAfterTabStaysInTheNewLayersRow) {
  SetLayers(3);  // 0.50, 1.75, 3.00
  CManualInputDataDlg dlg;
  QImage typing;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    QtSpreadsheetWidget* grid = Grid(b);
    const fw::Spreadsheet& sheet = grid->Sheet();
    ClickCell(grid, 1, 4);
    TypeAtFocus(b, QStringLiteral("0.3"));
    qttest::KeyAtFocus(b, Qt::Key_Tab);
    TypeAtFocus(b, QStringLiteral("30"));
    EXPECT_EQ(grid->CurrentCol(), 2);
    EXPECT_EQ(grid->CurrentRow(), 4);
    EXPECT_EQ(sheet.Text(1, 4), "0.3");
    EXPECT_EQ(sheet.Text(1, 1), "0.50");
    QApplication::processEvents();
    typing = b.Window()->grab().toImage();
    for (const char* value : {"1.2", "1.1", "2.5"}) {
      qttest::KeyAtFocus(b, Qt::Key_Tab);
      TypeAtFocus(b, QString::fromLatin1(value));
    }
    qttest::KeyAtFocus(b, Qt::Key_Return);
    const auto row = [&](int r) {
      std::vector<std::string> cells;
      for (int c = 1; c <= 5; ++c) cells.push_back(sheet.Text(c, r));
      return cells;
    };
    EXPECT_EQ(row(1), (std::vector<std::string>{"0.3", "30", "1.2", "1.1", "2.5"}));
    EXPECT_EQ(row(2), (std::vector<std::string>{"0.50", "43.80", "1.20", "1.10", "2.50"}));
    EXPECT_EQ(row(4), (std::vector<std::string>{"3.00", "35.00", "1.20", "1.10", "2.50"}));
    EXPECT_EQ(grid->CurrentCol(), 1);
    EXPECT_EQ(grid->CurrentRow(), 5);  // the next empty row
    EXPECT_EQ(b.ControlText(kLayerCountId), "4");
    b.EndModal(fw::IDCANCEL);
  });
  ASSERT_FALSE(typing.isNull());
  SaveShot(typing, "IDD_MANUAL_INPUT_DATA_typing");
}

// The whole table typed with real keys only, the layers in no order of
// elevation, OK reached with Ctrl+Tab and Enter: every stored value is the
// one typed for its layer.
TEST_F(ManualInputDataQtTest, AWholeTableTypedByKeyboardIsStoredAsTyped) {
  SetLayers(0);
  const std::vector<std::vector<QString>> typed = {
      {"3.3", "41", "1.21", "1.11", "2.51"}, {"0.5", "42", "1.22", "1.12", "2.52"},
      {"5.1", "43", "1.23", "1.13", "2.53"}, {"1.7", "44", "1.24", "1.14", "2.54"},
      {"4.2", "45", "1.25", "1.15", "2.55"}};
  CManualInputDataDlg dlg;
  const int result = qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    Activate(b);
    ASSERT_EQ(b.FocusedControl(), kLayerGridId);  // the table's first control
    for (const std::vector<QString>& row : typed) {
      for (std::size_t c = 0; c < row.size(); ++c) {
        TypeAtFocus(b, row[c]);
        qttest::KeyAtFocus(b, c + 1 < row.size() ? Qt::Key_Tab : Qt::Key_Return);
      }
    }
    EXPECT_EQ(b.ControlText(kLayerCountId), "5");
    qttest::KeyAtFocus(b, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(b.FocusedControl(), fw::IDOK);
    qttest::KeyAtFocus(b, Qt::Key_Return);
  });
  ASSERT_EQ(result, fw::IDOK);
  const ProjectInput& in = Project().input;
  ASSERT_EQ(in.layerCount, 5);
  const std::size_t ascending[] = {1, 3, 0, 4, 2};
  for (std::size_t i = 0; i < 5; ++i) {
    const std::vector<QString>& row = typed[ascending[i]];
    SCOPED_TRACE(row[0].toStdString());
    EXPECT_EQ(in.layerElevation[i], CManualInputDataDlg::RoundDecimals(row[0].toFloat(), 2));
    EXPECT_EQ(in.layerUltimateStrength[i], static_cast<double>(row[1].toFloat()));
    EXPECT_EQ(in.layerRfInstallation[i], static_cast<double>(row[2].toFloat()));
    EXPECT_EQ(in.layerRfDurability[i], static_cast<double>(row[3].toFloat()));
    EXPECT_EQ(in.layerRfCreep[i], static_cast<double>(row[4].toFloat()));
  }
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
