#pragma once
// Printing in the started program: a new project that has the results of a
// run, so that File > Print and Print Preview are enabled.

#include "framework/DocManager.h"
#include "framework/Frame.h"
#include "model/ProjectData.h"
#include "support/ReportTestSupport.h"
#include "shell/TervaneApp.h"
#include "shell/TervaneView.h"

namespace tervane::reporttest {

// Opens a new project in the started program and gives it the results of a
// run of `layers` layers, as a run that has just ended leaves them: File >
// Print and Print Preview are enabled. The view of the project, or null.
inline CTervaneView* NewProjectWithRun(int layers) {
  fw::FrameWindow* frame = App().MainFrame();
  if (frame == nullptr || !frame->SendCommand(fw::ID_FILE_NEW)) return nullptr;
  SetUpRun(Project(), layers);
  Project().resultsAvailable = 1;
  Project().inputChangedSinceRun = 0;
  frame->UpdateCommandUI();
  return dynamic_cast<CTervaneView*>(App().Documents().ActiveView());
}

}  // namespace tervane::reporttest
