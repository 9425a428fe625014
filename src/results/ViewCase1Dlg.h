#pragma once
// The summary results table IDD_VIEW_CASE1: one row per layer of the last
// run (elevation, length, controlling mode, required strength, minimum
// required ultimate strength, specified ultimate strength, available
// long-term strength, the actual factor of safety on geosynthetic strength
// and a pass/fail status) in the spreadsheet control 1202, in the units of
// the run. The sheet can be exported to a workbook, shown in the print
// preview 1205 instead, and printed; NOTE opens IDD_CASE1_NOTE.

#include <string>

#include "app/ControlWrappers.h"
#include "app/StrengthFunctions.h"
#include "framework/Dialog.h"

namespace tervane {

// The notes on the summary table.
class CCase1NoteDlg : public fw::Dialog {
 public:
  CCase1NoteDlg();

 protected:
  bool OnInitDialog() override;
};

class CViewCase1Dlg : public fw::Dialog {
 public:
  CViewCase1Dlg();

  CFpspread1 sheet;
  CPv_case1 preview;
  // The caption of button 1207: "Print Preview" or "View Results".
  std::string previewButtonText;
  // 1 while the preview is shown instead of the sheet.
  int previewShown = 0;
  int layerRows = 0;
  // The units of the last run and their factors.
  int units = 0;
  double lengthFactor = 1.0;
  double strengthFactor = 1.0;
  // The strength check of the layer last written (T-ult, T-ltds, mode, Tr in
  // display units).
  LayerStrengthCheck check;

  // The temporary sheet file of the export, in the data directory.
  static constexpr const char* kTemporarySheetName = "temp_A.ss7";
  static constexpr const char* kPrintHeader = "/cSummary of tabulated results/n/n";

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnNote();
  void OnExcel();
  void OnPrintPreview();
  void OnPrintTable();
  void WriteLayer(int i);
};

}  // namespace tervane
