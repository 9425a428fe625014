#pragma once
// The dialog of the timer tests (headless and Qt): a small window with one
// OK button.

#include "framework/Dialog.h"

namespace tervane::testsupport {

inline fw::DialogTemplate TimerTemplate() {
  fw::DialogTemplate t;
  t.name = "IDD_TEST_TIMER";
  t.caption = "Timer";
  t.width = 100;
  t.height = 40;
  t.controls = {{fw::IDOK, fw::ControlKind::DefaultPushButton, "OK", 25, 20, 50, 14, fw::kTabStop}};
  return t;
}

}  // namespace tervane::testsupport
