#pragma once
// The detailed results table IDD_VIEW_CASE2: per layer of the last run the
// elevation, the total length with its two parts (embedded against pullout,
// and up to the slip surface), the strengths of the compound and tieback
// analyses and the controlling mode, in the spreadsheet control 1203, in the
// units of the run; with the same export, preview (1211) and printing as the
// summary table.

#include "results/ResultsTableDlg.h"

namespace tervane {

class CViewCase2Dlg : public ResultsTableDlg {
 public:
  CViewCase2Dlg();

  static constexpr const char* kTemporarySheetName = "temp_B.ss7";
  static constexpr const char* kPrintHeader = "/cResults of tieback and compound analyses/n/n";

 protected:
  void WriteLayer(int i) override;
};

}  // namespace tervane
