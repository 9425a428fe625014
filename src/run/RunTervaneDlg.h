#pragma once
// The run dialog IDD_RUN_TERVANE: checks the input, runs the analysis loop and
// stores the results of the run.
//
// OK checks the input (a failed check leaves only Cancel) and starts the loop
// on a thread of its own; the dialog shows how the run goes, from a timer,
// and Cancel stops the loop after the analysis in progress. A run that
// completes stores its layout (optimised runs), the snapshot and the results
// and ends the dialog with IDOK; a cancelled run stores nothing and ends it
// with IDCANCEL.

#include <memory>

#include "framework/Dialog.h"

namespace tervane {

class CRunTervaneDlg : public fw::Dialog {
 public:
  CRunTervaneDlg();
  ~CRunTervaneDlg() override;

  // 1 optimised layout, 0 user-specified layers; set before DoModal.
  int runMode = 1;
  // fsDirectSliding and fsSoilStrength of the input when the dialog opened.
  double startFsDirectSliding = 0.0;
  double startFsSoilStrength = 0.0;

  // True from OK until the loop has stopped.
  bool IsRunning() const;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnTimer(int id) override;

 private:
  struct RunJob;

  void ShowProgress();
  void FinishRun();

  std::unique_ptr<RunJob> job_;
  bool cancelling_ = false;
};

}  // namespace tervane
