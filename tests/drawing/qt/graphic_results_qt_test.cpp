// The results drawings in real windows (offscreen): the layer list picks a
// layer, the zoom and pan buttons move the figure, "B/W" turns it black and
// white, BITMAP_FILE writes what the window shows to a chosen file (asking
// before it replaces one) and reports a path it cannot write. With
// TERVANE_SHOTS_DIR set, every window is saved there as a PNG file to look at.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "support/QtDialogTestSupport.h"
#include "../DrawingTestSupport.h"
#include "model/ProjectData.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/GeometryDetailsDlg.h"
#include "drawing/GraphicResultsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "common/DibImage.h"
#include "framework/testing/FakeServices.h"
#include "framework/qt/QtImage.h"
#include "framework/qt/QtServices.h"
#include "framework/Spreadsheet.h"
#include "framework/qt/QtSpreadsheet.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"
#include "support/GoldenFile.h"
#include "framework/SpreadsheetPrint.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;
using fw::QtSpreadsheetWidget;

using testsupport::SaveShot;

QRgb Rgb(fw::ColorRef c) { return qRgb(c.r, c.g, c.b); }

QImage Grab(QtDialogBackend& b) {
  QApplication::processEvents();
  return b.Window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Answers the next modal dialog, of the given type, from inside its run.
template <class W>
void WhenModal(std::function<void(W*)> act) {
  qttest::WhenModal([act](QDialog* d) {
    W* w = qobject_cast<W*>(d);
    ASSERT_NE(w, nullptr) << "another modal dialog came up";
    act(w);
  });
}

void ClickCell(QtSpreadsheetWidget* list, int col, int row) {
  ASSERT_NE(list, nullptr);
  ASSERT_FALSE(list->CellRect(col, row).isEmpty()) << col << "," << row;
  const QPoint at = list->CellCenter(col, row);
  QWidget* v = list->viewport();
  QMouseEvent press(QEvent::MouseButtonPress, at, v->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(v, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, v->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(v, &release);
}

class GraphicResultsQtTest : public ::testing::Test {
 protected:
  void SetUp() override { drawtest::OptimisedRun(app_.project()); }

  ScopedProject app_;
  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
};

QtSpreadsheetWidget* List(QtDialogBackend& b) {
  auto* list = dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(res::kLayerListId));
  EXPECT_NE(list, nullptr);
  return list;
}

// The toe dot of the results drawing (black, 8 pixels across) centred at p;
// the bottom layer starts at its middle, so its upper half is looked at.
void ExpectToeAt(const QImage& shot, QPoint p) {
  EXPECT_EQ(shot.pixel(p + QPoint(0, -3)), qRgb(0, 0, 0)) << p.x() << "," << p.y();
  EXPECT_NE(shot.pixel(p + QPoint(0, -6)), qRgb(0, 0, 0)) << p.x() << "," << p.y();
}

// Whether row `row` of the list shows as selected: the selection colour in
// its number cell.
bool ShowsSelected(QtSpreadsheetWidget* list, int row) {
  const QImage shown = list->viewport()->grab().toImage();
  const QRect cell = list->CellRect(0, row);
  return shown.pixel(cell.topLeft() + QPoint(2, 2)) == Rgb(fw::kSheetSelectionBack);
}

TEST_F(GraphicResultsQtTest, TheListPicksALayerWithTheMouse) {
  CGraphicResultsDlg dlg;
  QImage before, picked, cleared;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    QtSpreadsheetWidget* list = List(b);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Sheet().RowCount(), Project().results.resultLayerCount);
    before = Grab(b);
    ClickCell(list, 0, 3);
    EXPECT_EQ(dlg.view.selectedLayer, 2);
    // The picked row shows in the list, also once the focus is elsewhere.
    b.ControlWidget(res::kScaleLargeId)->setFocus();
    EXPECT_TRUE(ShowsSelected(list, 3));
    EXPECT_FALSE(ShowsSelected(list, 2));
    picked = Grab(b);
    ClickCell(list, 0, 4);
    EXPECT_EQ(dlg.view.selectedLayer, 3);
    EXPECT_TRUE(ShowsSelected(list, 4));
    EXPECT_FALSE(ShowsSelected(list, 3));
    ClickCell(list, 0, 4);
    EXPECT_EQ(dlg.view.selectedLayer, -1);
    EXPECT_FALSE(ShowsSelected(list, 4));
    ClickCell(list, 0, 3);
    ClickCell(list, 0, -1000);  // the header clears the pick and the selection
    EXPECT_EQ(dlg.view.selectedLayer, -1);
    EXPECT_FALSE(ShowsSelected(list, 3));
    cleared = Grab(b);
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  // The white text box at (0.1 W, 0.01 H) comes and goes with the pick.
  const QPoint box(static_cast<int>(0.1 * 633) + 200, static_cast<int>(0.01 * 476) + 40);
  EXPECT_EQ(before.pixel(box), Rgb(fw::RGB(222, 222, 222)));
  EXPECT_EQ(picked.pixel(box), Rgb(fw::kWhite));
  EXPECT_EQ(cleared.pixel(box), Rgb(fw::RGB(222, 222, 222)));
}

TEST_F(GraphicResultsQtTest, ZoomAndPanButtonsMoveTheFigure) {
  CGraphicResultsDlg dlg;
  QImage start, moved, larger, reset;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    start = Grab(b);
    qttest::Click(b.ControlWidget(res::kRightId));
    qttest::Click(b.ControlWidget(res::kDownId));
    qttest::Click(b.ControlWidget(res::kDownId));
    moved = Grab(b);
    for (int i = 0; i < 10; ++i) qttest::Click(b.ControlWidget(res::kScaleLargeId));
    EXPECT_EQ(dlg.view.zoom, 0.4072236566943605);
    larger = Grab(b);
    qttest::Click(b.ControlWidget(res::kDefaultScaleId));
    reset = Grab(b);
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  // The toe at (0.25 W, 0.55 H), then 10 pixels right and 20 down; the
  // default scale brings it back.
  ExpectToeAt(start, QPoint(158, 261));
  ExpectToeAt(moved, QPoint(168, 281));
  ExpectToeAt(reset, QPoint(158, 261));
  EXPECT_EQ(reset, start);
  // Ten steps larger: the crest, 6 m up the face at 45 degrees, lies
  // 1.05^10 times farther from the toe, on the soil body's yellow outline.
  const double s = 476.0 / 6 * 0.4072236566943605;
  EXPECT_NE(larger, moved);
  EXPECT_EQ(larger.pixel(static_cast<int>(168 + s * 3), static_cast<int>(281 - s * 3) + 2),
            Rgb(fw::RGB(255, 204, 51)));
}

// "B/W" opens the colour choice; black and white turns the soil white.
TEST_F(GraphicResultsQtTest, TheColourToggle) {
  CGraphicResultsDlg dlg;
  QImage colour, blackAndWhite;
  const QPoint soil(300, 150);  // inside the reinforced zone of the fixture
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    colour = Grab(b);
    WhenModal<QDialog>([&](QDialog* d) {
      // The colour choice's own window: tick black and white, then OK.
      for (QAbstractButton* button : d->findChildren<QAbstractButton*>()) {
        if (button->text().startsWith(QStringLiteral("       Black"))) button->click();
      }
      QPushButton* ok = qttest::ButtonNamed(d, QStringLiteral("&OK"));
      ASSERT_NE(ok, nullptr);
      ok->click();
    });
    qttest::Click(b.ControlWidget(res::kBlackWhiteId));
    EXPECT_EQ(Project().settings.screenColorMode, 1);
    blackAndWhite = Grab(b);
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  SaveShot(blackAndWhite, "IDD_GRAPHIC_RESULTS_bw");
  EXPECT_NE(colour.pixel(soil), Rgb(fw::kWhite));
  EXPECT_EQ(blackAndWhite.pixel(soil), Rgb(fw::kWhite));
}

// BITMAP_FILE in the toolkit's own save dialog: the file exists, the dialog
// asks before it replaces it, and the file holds what the window showed,
// read back alike by Qt's reader and by ours.
TEST_F(GraphicResultsQtTest, CaptureToAChosenFileWithItsOverwriteQuestion) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("figure.bmp"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older file");
  }
  fw::QtFileDialogService files;
  fw::QtMessageBoxService boxes;
  fw::Services services = fakes_.AsServices();
  services.fileDialogs = &files;
  services.messageBox = &boxes;
  const fw::ScopedServices installed(services);

  CGraphicResultsDlg dlg;
  QImage window;
  fw::Point frame{-1, -1};
  int questions = 0;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    ClickCell(List(b), 0, 2);
    window = Grab(b);
    // The offscreen platform puts a frame of 2 pixels all round its windows
    // (and no caption): the figure's rectangle is counted from there, not
    // from an assumed frame of 3 by 21 pixels.
    frame = dlg.FrameOffset();
    WhenModal<QFileDialog>([&](QFileDialog* d) {
      EXPECT_EQ(d->defaultSuffix(), QStringLiteral("bmp"));
      WhenModal<QMessageBox>([&](QMessageBox* box) {
        ++questions;
        box->button(QMessageBox::Yes)->click();
      });
      d->selectFile(path);
      static_cast<QDialog*>(d)->accept();
    });
    qttest::Click(b.ControlWidget(res::kBitmapFileId));
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(QFileInfo(path).size(), 561734);

  const QImage byQt = QImage(path).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(byQt.isNull());
  CDibImage ours;
  ASSERT_TRUE(ours.Load(path.toStdString()));
  const QImage byUs = fw::ToQImage(ours.ToImage()).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(frame, (fw::Point{2, 2}));
  ASSERT_EQ(window.size(), QSize(633, 476));
  const QImage shown = window.copy(QRect(56 - 2, 21 - 2, 550, 340));  // from (0.09 W, 0.045 H) less the frame
  EXPECT_EQ(byQt, shown);
  EXPECT_EQ(byUs, shown);
  SaveShot(byQt, "capture_figure");
}

TEST_F(GraphicResultsQtTest, ARefusedPathIsReported) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string refused = dir.filePath(QStringLiteral("no folder/figure.bmp")).toStdString();
  fakes_.fileDialogs.QueueSave(refused);
  fw::QtMessageBoxService boxes;
  fw::Services services = fakes_.AsServices();
  services.messageBox = &boxes;
  const fw::ScopedServices installed(services);

  CGraphicResultsExtraDlg dlg;
  QString text;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    qttest::Click(b.ControlWidget(res::kBitmapFileId));
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  EXPECT_TRUE(text.startsWith(QString::fromStdString("The bitmap file could not be written:\n" + refused))) << text.toStdString();
  EXPECT_FALSE(std::filesystem::exists(refused));
}

// Every window of the drawings, saved to look at.
// The compound and tieback drawing belongs to the results drawing and opens
// 50, 25 dialog units right of and below it, not over it.
TEST_F(GraphicResultsQtTest, TheCompoundDrawingOpensBesideTheResultsDrawing) {
  CGraphicResultsDlg dlg;
  QPoint owner, extra;
  QWidget* extraParent = nullptr;
  QWidget* ownerWindow = nullptr;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    ownerWindow = b.Window();
    b.Window()->move(30, 40);
    owner = b.Window()->pos();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [&, timer, tries = 0]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if ((modal == nullptr || modal == ownerWindow) && ++tries < 500) return;
      timer->stop();
      timer->deleteLater();
      if (modal == nullptr || modal == ownerWindow) return;
      extra = modal->pos();
      extraParent = modal->parentWidget();
      qttest::Key(modal, Qt::Key_Escape);
    });
    timer->start();
    qttest::Click(b.ControlWidget(res::kViewTiebackCompoundId));
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  const fw::Rect offset =
      fw::DialogUnitsToPixels(FindDialogTemplate("IDD_GRAPHIC_RESULTS_EXTRA")->font, 1.0, 50, 25, 0, 0);
  EXPECT_EQ(extraParent, ownerWindow);
  EXPECT_EQ(extra, owner + QPoint(offset.left, offset.top));
  EXPECT_GT(offset.left, 0);
  EXPECT_GT(offset.top, 0);
}

TEST_F(GraphicResultsQtTest, ScreenshotsOfEveryWindow) {
  CGraphicResultsDlg dlg;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS");
    ClickCell(List(b), 0, 3);
    qttest::Click(b.ControlWidget(res::kOutermostToggleId));
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS_picked");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  {
    // A long list scrolls beside its numbers.
    const int real = Project().results.resultLayerCount;
    Project().results.resultLayerCount = 100;
    CGraphicResultsDlg many;
    qttest::RunModal(many, [&](QtDialogBackend& b) {
      QtSpreadsheetWidget* list = List(b);
      ASSERT_NE(list, nullptr);
      EXPECT_TRUE(list->verticalScrollBar()->isVisible());
      EXPECT_LE(list->CellRect(0, 1).right(), list->viewport()->width());
      SaveShot(Grab(b).copy(0, 0, 120, 360).scaled(240, 720), "IDD_GRAPHIC_RESULTS_100_layers_list");
      qttest::KeyAtFocus(b, Qt::Key_Escape);
    });
    Project().results.resultLayerCount = real;
  }
  CGraphicResultsExtraDlg extra;
  qttest::RunModal(extra, [&](QtDialogBackend& b) {
    ClickCell(List(b), 0, 2);
    for (int id : {res::kAllTiebackToggleId, res::kToeCompoundToggleId, res::kLayerCompoundToggleId})
      qttest::Click(b.ControlWidget(id));
    EXPECT_EQ(b.CheckState(res::kToeCompoundToggleId), 1);
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS_EXTRA");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  CCompoundExplainDlg explain;
  qttest::RunModal(explain, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_COMPOUND_EXPLAIN");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  CGeometryDetailsDlg details;
  qttest::RunModal(details, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_GEOMETRY_DETAILS");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  CDisplayBitmapDlg colours;
  qttest::RunModal(colours, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_DISPLAY_BITMAP");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  CShowOrNotPaintDlg notice;
  qttest::RunModal(notice, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_SHOW_OR_NOT_PAINT");
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
}

}  // namespace
}  // namespace tervane
