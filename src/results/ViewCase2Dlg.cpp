#include "results/ViewCase2Dlg.h"

#include <array>

#include "model/ProjectData.h"
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

CViewCase2Dlg::CViewCase2Dlg()
    : ResultsTableDlg({"IDD_VIEW_CASE2", res::kDetailedSheetId, res::kDetailedPreviewId, false, kGroups, kLayout, 0,
                       kTemporarySheetName, "detailed", kPrintHeader}) {}

void CViewCase2Dlg::WriteLayer(int i) {
  const AnalysisResults& r = Project().results;
  const auto k = static_cast<std::size_t>(i);
  const int row = i + 1;
  const double fL = lengthFactor;
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

}  // namespace tervane
