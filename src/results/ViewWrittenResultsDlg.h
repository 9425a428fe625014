#pragma once
// The results menu IDD_VIEW_WRITTEN_RESULTS: leads to the three results
// dialogs of the last run (which show the units of that run) and to the
// export for Ombix (which writes the units chosen now, copied from `input`
// when the menu opens).

#include "framework/Dialog.h"

namespace tervane {

class CViewWrittenResultsDlg : public fw::Dialog {
 public:
  CViewWrittenResultsDlg();

  // The unit choice of `input` as the menu opened, and its factors (all 1.0
  // in SI): length, pressure, strength, unit weight.
  int units = 0;
  double lengthFactor = 1.0;
  double pressureFactor = 1.0;
  double strengthFactor = 1.0;
  double unitWeightFactor = 1.0;

 protected:
  bool OnInitDialog() override;

 private:
  void OnSummaryResults();
  void OnDetailedResults();
  void OnDirectSlidingResults();
  void OnExportToOmbix();
};

}  // namespace tervane
