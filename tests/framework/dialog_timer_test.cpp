// Timers of a dialog window and the busy cursor, through the headless
// backend: a timer fires as it falls due while the script waits, stops when
// killed, and goes with the window.

#include <gtest/gtest.h>

#include <chrono>

#include "framework/Dialog.h"
#include "framework/testing/HeadlessBackend.h"
#include "support/TimerDialogTemplate.h"

namespace tervane::fw {
namespace {

constexpr int kTimer = 7;

using testsupport::TimerTemplate;

// Starts a 10 ms timer at initialisation; ends itself at the `endAt`-th event
// (0: never); kills the timer at the `killAt`-th (0: never).
class TimerDlg : public Dialog {
 public:
  TimerDlg() : Dialog(TimerTemplate()) {}
  int endAt = 0;
  int killAt = 0;
  int events = 0;
  bool timerSet = false;

 protected:
  bool OnInitDialog() override {
    timerSet = SetTimer(kTimer, 10);
    SetBusyCursor(true);
    return Dialog::OnInitDialog();
  }
  void OnTimer(int id) override {
    if (id != kTimer) return;
    ++events;
    if (events == killAt) {
      KillTimer(kTimer);
      SetBusyCursor(false);
    }
    if (events == endAt) EndDialog(IDOK);
  }
};

using Clock = std::chrono::steady_clock;

TEST(DialogTimer, FiresWhileTheScriptWaitsUntilTheDialogEnds) {
  HeadlessSession session;
  TimerDlg dlg;
  dlg.endAt = 3;
  session.Queue(Script().RunTimers(5000));
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const auto waited = Clock::now() - start;
  EXPECT_TRUE(dlg.timerSet);
  EXPECT_EQ(dlg.events, 3);
  EXPECT_GE(waited, std::chrono::milliseconds(30));  // in real time, one interval apart
  EXPECT_LT(waited, std::chrono::milliseconds(2000));
  const DialogRecord& r = session.Records().back();
  EXPECT_EQ(r.timerEvents, 3);
  EXPECT_TRUE(r.busyCursor);
  EXPECT_FALSE(r.scriptRanOut);
}

TEST(DialogTimer, StopsWhenKilledAndWhenTheTimeIsUp) {
  HeadlessSession session;
  {
    // Killed at the second event: the wait ends at once with no timer left.
    TimerDlg dlg;
    dlg.killAt = 2;
    session.Queue(Script().RunTimers(5000));
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(2000));
    EXPECT_EQ(dlg.events, 2);
    EXPECT_FALSE(session.Records().back().busyCursor);
    EXPECT_TRUE(session.Records().back().scriptRanOut);
  }
  {
    // Never ended: the wait ends when its time is up.
    TimerDlg dlg;
    session.Queue(Script().RunTimers(60).Click(IDOK));
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_GE(dlg.events, 2);
    EXPECT_LE(dlg.events, 6);
  }
  {
    // Without a window there is no timer.
    TimerDlg dlg;
    EXPECT_FALSE(dlg.SetTimer(kTimer, 10));
  }
}

}  // namespace
}  // namespace tervane::fw
