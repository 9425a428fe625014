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
#include <QTimer>
#include <QScrollBar>
#include <cstdio>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "../../framework/GoldenFile.h"
#include "../../framework/qt/QtDialogTestSupport.h"
#include "../DrawingTestSupport.h"
#include "app/TervaneApp.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/GeometryDetailsDlg.h"
#include "drawing/GraphicResultsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "framework/Dib.h"
#include "framework/FakeServices.h"
#include "framework/qt/QtImage.h"
#include "framework/qt/QtServices.h"
#include "framework/qt/QtSpreadsheet.h"
#include "resources/DrawingResources.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;
using fw::QtSpreadsheetWidget;

void SaveShot(const QImage& image, const char* name) {
  const char* dir = std::getenv("TERVANE_SHOTS_DIR");
  if (dir == nullptr || *dir == '\0') return;
  QDir().mkpath(QString::fromUtf8(dir));
  EXPECT_TRUE(image.save(QString::fromUtf8(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
}

QRgb Rgb(fw::ColorRef c) { return qRgb(c.r, c.g, c.b); }

QImage Grab(QtDialogBackend& b) {
  QApplication::processEvents();
  return b.Window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Answers the next modal window of type W once it is up.
template <class W>
void WhenModal(std::function<void(W*)> act, int watchdogMs = 10000) {
  auto* timer = new QTimer;
  auto* watchdog = new QTimer;
  watchdog->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, [timer, watchdog, act] {
    auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
    if (w == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(w);
    watchdog->stop();
    watchdog->deleteLater();
  });
  QObject::connect(watchdog, &QTimer::timeout, [timer, watchdog] {
    ADD_FAILURE() << "no modal window was answered";
    timer->stop();
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    watchdog->deleteLater();
  });
  timer->start(5);
  watchdog->start(watchdogMs);
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
  void SetUp() override { drawtest::OptimisedRun(app_.app()); }

  ScopedApp app_;
  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(GraphicResultsQtTest, ScreenshotsOfEveryWindow) {
  CGraphicResultsDlg dlg;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS");
    {
      auto* l = dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(res::kLayerListId));
      std::fprintf(stderr, "vis=%d max=%d vp=%dx%d w=%dx%d rows=%d\n", l->verticalScrollBar()->isVisible(),
                   l->verticalScrollBar()->maximum(), l->viewport()->width(), l->viewport()->height(), l->width(),
                   l->height(), 0);
      l->verticalScrollBar()->setRange(0, 1);
      l->verticalScrollBar()->setRange(0, 0);
      QApplication::processEvents();
      std::fprintf(stderr, "after vis=%d vp=%d\n", l->verticalScrollBar()->isVisible(), l->viewport()->width());
    }
    ClickCell(dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(res::kLayerListId)), 0, 3);
    qttest::Click(b.ControlWidget(res::kOutermostToggleId));
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS_picked");
    app_.app().settings.screenColorMode = 1;
    b.Invalidate(true);
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS_bw");
    app_.app().settings.screenColorMode = 0;
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  CGraphicResultsExtraDlg extra;
  qttest::RunModal(extra, [&](QtDialogBackend& b) {
    ClickCell(dynamic_cast<QtSpreadsheetWidget*>(b.ControlWidget(res::kLayerListId)), 0, 2);
    for (int id : {res::kAllTiebackToggleId, res::kToeCompoundToggleId, res::kLayerCompoundToggleId})
      qttest::Click(b.ControlWidget(id));
    SaveShot(Grab(b), "IDD_GRAPHIC_RESULTS_EXTRA");
    SaveShot(Grab(b).copy(100, 340, 280, 130).scaled(560, 260), "crop_toggles");
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
