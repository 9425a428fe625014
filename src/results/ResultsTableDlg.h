#pragma once
// The dialog that the summary table (IDD_VIEW_CASE1) and the detailed table
// (IDD_VIEW_CASE2) are: one sheet of the last run with one row per layer, in
// the units of that run, and the buttons that export it to a workbook, switch
// between the sheet and its print preview, and print it. A table gives its
// template, controls, columns and file names, and writes its layer rows.

#include <span>
#include <string>

#include "common/ControlWrappers.h"
#include "model/DisplayUnits.h"
#include "framework/Dialog.h"
#include "results/ResultsSheet.h"

namespace tervane {

class ResultsTableDlg : public fw::Dialog, public DisplayUnitChoice {
 public:
  // What sets one table apart from the other.
  struct Layout {
    const char* templateName;
    int sheetId;
    int previewId;
    // The preview takes settings 3 and 5 at 180 (the summary table).
    bool summaryPreviewSettings;
    std::span<const ResultsHeaderGroup> groups;
    std::span<const ResultsColumn> columns;
    // The column whose caption takes setting 3 of cell setting 373 (0 for none).
    int statusColumn;
    // The temporary sheet file of the export, in the data directory.
    const char* temporarySheetName;
    // The table's word in the proposed workbook name.
    const char* workbookTable;
    const char* printHeader;
  };

  explicit ResultsTableDlg(const Layout& layout);

  CFpspread1 sheet;
  CPv_case1 preview;
  // The caption of button 1207: "Print Preview" or "View Results".
  std::string previewButtonText;
  // 1 while the preview is shown instead of the sheet.
  int previewShown = 0;
  int layerRows = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  // Called once the units of the run are chosen, before any row is written.
  virtual void OnUnitsChosen() {}
  // Writes row i + 1 of the sheet: layer i of the last run.
  virtual void WriteLayer(int i) = 0;

 private:
  void OnExcel();
  void OnPrintPreview();
  void OnPrintTable();

  Layout layout_;
};

}  // namespace tervane
