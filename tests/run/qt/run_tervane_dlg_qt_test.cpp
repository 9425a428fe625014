// The run dialog in a real window (offscreen): the banner of each mode, and a
// long run that leaves the window answering and stops on Cancel. With
// TERVANE_SHOTS_DIR set, the windows are also saved there as PNG files.

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "run/RunTervaneDlg.h"
#include "run/TerminateDlg.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "resources/DialogTemplates.h"
#include "resources/RunResources.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;

using testsupport::SaveShot;

class RunTervaneDlgQtTest : public ::testing::Test {
 protected:
  void SetUp() override { Project().input.designerName = "A. Engineer"; }

  ScopedProject app_;
  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(RunTervaneDlgQtTest, ShowsTheBannerOfItsMode) {
  struct Case {
    int mode;
    int shown;
    int hidden;
    QSize picture;
    const char* shot;
  };
  for (const Case& c : {Case{1, res::kRunOptimizedBannerId, res::kRunManualBannerId, QSize(303, 50), "run_optimized"},
                        Case{0, res::kRunManualBannerId, res::kRunOptimizedBannerId, QSize(188, 50), "run_manual"}}) {
    SCOPED_TRACE(c.mode);
    CRunTervaneDlg dlg;
    dlg.runMode = c.mode;
    QImage shot;
    const int result = qttest::RunModal(dlg, [&](QtDialogBackend& b) {
      EXPECT_EQ(b.Caption(), "Running Tervane");
      EXPECT_EQ(b.ClientSize(), fw::Size(381, 138));
      EXPECT_TRUE(b.ControlWidget(c.shown)->isVisible());
      EXPECT_FALSE(b.ControlWidget(c.hidden)->isVisible());
      EXPECT_EQ(b.ControlWidget(c.shown)->size(), c.picture);
      EXPECT_FALSE(b.IsControlVisible(kDialogIdLabel));
      shot = b.Window()->grab().toImage();
      qttest::Click(b.ControlWidget(fw::IDCANCEL));
    });
    EXPECT_EQ(result, fw::IDCANCEL);
    SaveShot(shot, c.shot);
  }
}

TEST_F(RunTervaneDlgQtTest, NoticeOfTheLayerLimitIsRedAndEndsWithOK) {
  CTerminateDlg notice;
  QImage shot;
  const int result = qttest::RunModal(notice, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.Caption(), "Program terminated");
    EXPECT_FALSE(b.IsControlVisible(kDialogIdLabel));
    shot = b.Window()->grab().toImage();
    qttest::KeyAtFocus(b, Qt::Key_Return);
  });
  EXPECT_EQ(result, fw::IDOK);
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.pixel(3, 3), qRgb(255, 0, 0));
  SaveShot(shot, "terminate");
}

// The extreme geometry accepted by the dialogs (backslope 89.9 degrees over
// B = 100 m) takes most of a second per analysis: while it runs the window
// handles its events at once, shows the run going on, and Cancel ends it
// after the analysis in progress without storing anything.
TEST_F(RunTervaneDlgQtTest, StaysResponsiveDuringALongRunAndCancels) {
  ProjectInput& in = Project().input;
  in.crestLengthB = 100.0;
  in.backslopeAngle = 89.9;
  in.targetFsDeepSeated = 30.0;  // above what the slope reaches: the run goes on
  const ProjectData before = Project();

  CRunTervaneDlg dlg;
  dlg.runMode = 1;
  qint64 longestGap = 0;
  bool okHidden = false;
  bool busy = false;
  QString progress;
  QString cancelling;
  QImage shot;
  QElapsedTimer sinceCancel;
  qint64 endedAfterCancel = -1;

  QTimer ticks;  // 10 ms ticks of the user-interface thread while the run goes on
  QElapsedTimer clock;
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, clock.restart());
  });

  const int result = qttest::RunModal(
      dlg,
      [&](QtDialogBackend& b) {
        qttest::Click(b.ControlWidget(fw::IDOK));
        okHidden = !b.ControlWidget(fw::IDOK)->isVisible();
        busy = b.Window()->cursor().shape() == Qt::BusyCursor;
        clock.start();
        ticks.start(10);
        QTimer::singleShot(600, [&] {
          progress = qobject_cast<QLabel*>(b.ControlWidget(res::kRunProgressTextId))->text();
          shot = b.Window()->grab().toImage();
          ticks.stop();
          EXPECT_TRUE(dlg.IsRunning());
          sinceCancel.start();
          qttest::Click(b.ControlWidget(fw::IDCANCEL));
          cancelling = qobject_cast<QLabel*>(b.ControlWidget(res::kRunProgressTextId))->text();
          EXPECT_FALSE(b.ControlWidget(fw::IDCANCEL)->isEnabled());
        });
      },
      120000);
  if (sinceCancel.isValid()) endedAfterCancel = sinceCancel.elapsed();

  EXPECT_EQ(result, fw::IDCANCEL);
  EXPECT_TRUE(okHidden);
  EXPECT_TRUE(busy);
  // One analysis takes most of a second; a window that waited for it would
  // miss its ticks for that long.
  EXPECT_LT(longestGap, 300) << "the window stopped answering for " << longestGap << " ms";
  EXPECT_TRUE(progress.startsWith(QStringLiteral("Analyses made: "))) << progress.toStdString();
  EXPECT_TRUE(progress.contains(QStringLiteral("\nDeep-seated Fs: "))) << progress.toStdString();
  EXPECT_TRUE(cancelling.startsWith(QStringLiteral("Cancelling: the run stops after the analysis in progress ...")))
      << cancelling.toStdString();
  EXPECT_GE(endedAfterCancel, 0);
  EXPECT_TRUE(Project() == before);
  SaveShot(shot, "run_progress");
}

}  // namespace
}  // namespace tervane
