#include "results/ViewCase2Dlg.h"

#include <algorithm>
#include <array>

#include "app/MessageDialogs.h"
#include "app/TervaneApp.h"
#include "framework/DataExchange.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ResultsSheet.h"

namespace tervane {

namespace {

constexpr int kColumns = 7;

constexpr std::array<ResultsHeaderGroup, 3> kGroups{{
    {1, 4, ""},
    {5, 2, "S t r e n g t h   f o r :"},
    {7, 1, ""},
}};

constexpr std::array<ResultsColumn, kColumns> kLayout{{
    {"Elevation", "[ m.]", "[ ft.]", 10.0},
    {"Total Length,\nL", "[ m.]", "[ ft.]", 10.0},
    {"Embedded\nLength to\nResist Pullout,\nLe", "[ m.]", "[ ft.]", 12.0},
    {"Length to\nSlip Surface,\nLa", "[ m.]", "[ ft.]", 10.0},
    {"Compound\nStability\n(Available),\nT-compound", "[ kN/m ]", "[ lb/ft ]", 11.0},
    {"Tieback\n(Required),\nT-tieback", "[ kN/m ]", "[ lb/ft ]", 10.0},
    {"Controling\nMode of\nFailure", " ", " ", 11.0},
}};

}  // namespace

CViewCase2Dlg::CViewCase2Dlg() : fw::Dialog(DialogTemplateNamed("IDD_VIEW_CASE2")) {
  SetBackgroundColor(fw::RGB(222, 222, 222));
  OnClicked(res::kExcelButtonId, &CViewCase2Dlg::OnExcel);
  OnClicked(res::kPreviewToggleId, &CViewCase2Dlg::OnPrintPreview);
  OnClicked(res::kPrintTableButtonId, &CViewCase2Dlg::OnPrintTable);
}

void CViewCase2Dlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Control(res::kDetailedSheetId, sheet);
  dx.Control(res::kDetailedPreviewId, preview);
  dx.Text(res::kPreviewToggleId, previewButtonText);
}

bool CViewCase2Dlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const ProjectData& project = App();
  const AnalysisResults& r = project.results;
  units = project.runInput.unitSystem;
  lengthFactor = units == 1 ? kFeetPerMetre : 1.0;
  strengthFactor = units == 1 ? kLbPerFtPerKnPerM : 1.0;

  ShowControl(res::kDetailedPreviewId, false);
  previewShown = 0;

  BuildResultsHeader(sheet, kGroups, kLayout, units, 0);
  layerRows = std::clamp(r.resultLayerCount, 0, kMaxLayers);
  StartResultsRows(sheet, kColumns);
  const double fL = lengthFactor;
  for (int i = 0; i < layerRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const int row = i + 1;
    WriteResultsValue(sheet, 1, row, r.resultLayerElevation[k] * fL);
    WriteResultsValue(sheet, 2, row, r.embeddedLength[k] * fL + r.lengthToSlipSurface[k] * fL);
    WriteResultsValue(sheet, 3, row, r.embeddedLength[k] * fL);
    WriteResultsValue(sheet, 4, row, r.lengthToSlipSurface[k] * fL);
    WriteResultsValue(sheet, 5, row, r.availableCompoundStrength[k] * strengthFactor);
    WriteResultsValue(sheet, 6, row, r.requiredTiebackStrength[k] * strengthFactor);
    SelectResultsCell(sheet, 7, row);
    sheet.SetCellSetting280(2);
    sheet.SetText(r.controllingMode[k] == 1 ? "Tieback" : "Compound");
  }
  FinishResultsRows(sheet, layerRows, kColumns);

  previewButtonText = kPrintPreviewText;
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CViewCase2Dlg::OnExcel() { ExportResultsWorkbook(sheet, kTemporarySheetName, "detailed"); }

void CViewCase2Dlg::OnPrintPreview() {
  ToggleResultsPreview(*this, sheet, preview, res::kDetailedSheetId, res::kDetailedPreviewId, false, previewShown,
                       previewButtonText);
  UpdateData(false);
}

void CViewCase2Dlg::OnPrintTable() { PrintResultsSheet(sheet, kPrintHeader); }

}  // namespace tervane
