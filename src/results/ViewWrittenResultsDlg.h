#pragma once
// The results menu IDD_VIEW_WRITTEN_RESULTS: leads to the three results
// dialogs of the last run (which show the units of that run) and to the
// export for Ombix (which writes the units chosen now, copied from `input`
// when the menu opens).

#include "model/DisplayUnits.h"
#include "framework/Dialog.h"

namespace tervane {

// The unit choice and its factors (DisplayUnitChoice) are those of `input` as
// the menu opened.
class CViewWrittenResultsDlg : public fw::Dialog, public DisplayUnitChoice {
 public:
  CViewWrittenResultsDlg();

 protected:
  bool OnInitDialog() override;

 private:
  void OnSummaryResults();
  void OnDetailedResults();
  void OnDirectSlidingResults();
  void OnExportToOmbix();
};

}  // namespace tervane
