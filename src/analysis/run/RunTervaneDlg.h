#pragma once
// The run dialog IDD_RUN_TERVANE: checks the input, runs the analysis loop and
// stores the results of the run.

#include "framework/Dialog.h"

namespace tervane {

class CRunTervaneDlg : public fw::Dialog {
 public:
  CRunTervaneDlg();

  // 1 optimised layout, 0 user-specified layers; set before DoModal.
  int runMode = 1;
};

}  // namespace tervane
