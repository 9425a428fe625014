// Timers and the busy cursor of a Qt dialog window, offscreen: the timer
// fires inside the modal loop and ends with the window.

#include <QDialog>
#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/qt/QtDialogBackend.h"
#include "support/QtDialogTestSupport.h"
#include "support/TimerDialogTemplate.h"

namespace tervane::fw {
namespace {

constexpr int kTimer = 3;

using testsupport::TimerTemplate;

class TimerDlg : public Dialog {
 public:
  TimerDlg() : Dialog(TimerTemplate()) {}
  int events = 0;
  Qt::CursorShape cursorWhileRunning = Qt::ArrowCursor;
  Qt::CursorShape cursorAfter = Qt::BusyCursor;

 protected:
  bool OnInitDialog() override {
    SetTimer(kTimer, 5);
    SetBusyCursor(true);
    return Dialog::OnInitDialog();
  }
  void OnTimer(int id) override {
    if (id != kTimer) return;
    QDialog* window = qttest::QtBackendOf(*this)->Window();
    if (++events == 1) cursorWhileRunning = window->cursor().shape();
    if (events == 4) {
      KillTimer(kTimer);
      SetBusyCursor(false);
      cursorAfter = window->cursor().shape();
      EndDialog(IDOK);
    }
  }
};

TEST(QtDialogTimer, FiresInTheModalLoop) {
  qttest::ScopedQtBackend qt;
  TimerDlg dlg;
  EXPECT_EQ(qttest::RunModal(dlg, [](QtDialogBackend&) {}), IDOK);
  EXPECT_EQ(dlg.events, 4);
  EXPECT_EQ(dlg.cursorWhileRunning, Qt::BusyCursor);
  EXPECT_EQ(dlg.cursorAfter, Qt::ArrowCursor);
}

}  // namespace
}  // namespace tervane::fw
