#pragma once
// The detailed results table IDD_VIEW_CASE2: per layer of the last run the
// elevation, the total length with its two parts (embedded against pullout,
// and up to the slip surface), the strengths of the compound and tieback
// analyses and the controlling mode, in the spreadsheet control 1203, in the
// units of the run; with the same export, preview (1211) and printing as the
// summary table.

#include <string>

#include "app/ControlWrappers.h"
#include "framework/Dialog.h"

namespace tervane {

class CViewCase2Dlg : public fw::Dialog {
 public:
  CViewCase2Dlg();

  CFpspread1 sheet;
  CPv_case1 preview;
  std::string previewButtonText;
  int previewShown = 0;
  int layerRows = 0;
  int units = 0;
  double lengthFactor = 1.0;
  double strengthFactor = 1.0;

  static constexpr const char* kTemporarySheetName = "temp_B.ss7";
  static constexpr const char* kPrintHeader = "/cResults of tieback and compound analyses/n/n";

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnExcel();
  void OnPrintPreview();
  void OnPrintTable();
};

}  // namespace tervane
