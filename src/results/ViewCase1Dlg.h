#pragma once
// The summary results table IDD_VIEW_CASE1: one row per layer of the last
// run (elevation, length, controlling mode, required strength, minimum
// required ultimate strength, specified ultimate strength, available
// long-term strength, the actual factor of safety on geosynthetic strength
// and a pass/fail status) in the spreadsheet control 1202, in the units of
// the run. The sheet can be exported to a workbook, shown in the print
// preview 1205 instead, and printed; NOTE opens IDD_CASE1_NOTE.

#include "model/StrengthFunctions.h"
#include "framework/Dialog.h"
#include "results/ResultsTableDlg.h"

namespace tervane {

// The notes on the summary table.
class CCase1NoteDlg : public fw::Dialog {
 public:
  CCase1NoteDlg();

 protected:
  bool OnInitDialog() override;
};

class CViewCase1Dlg : public ResultsTableDlg {
 public:
  CViewCase1Dlg();

  // The strength check of the layer last written (T-ult, T-ltds, mode, Tr in
  // display units).
  LayerStrengthCheck check;

  // The temporary sheet file of the export, in the data directory.
  static constexpr const char* kTemporarySheetName = "temp_A.ss7";
  static constexpr const char* kPrintHeader = "/cSummary of tabulated results/n/n";

 protected:
  void OnUnitsChosen() override;
  void WriteLayer(int i) override;

 private:
  void OnNote();
};

}  // namespace tervane
