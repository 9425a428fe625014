#include "results/ViewCase1Dlg.h"

#include <array>

#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/Spreadsheet.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ResultsSheet.h"

namespace tervane {

namespace {

constexpr int kColumns = 9;
constexpr int kStatusColumn = 9;

constexpr std::array<ResultsHeaderGroup, 3> kGroups{{
    {1, 3, ""},
    {4, 4, "S  t  r  e  n  g  t  h  :"},
    {8, 2, ""},
}};

constexpr std::array<ResultsColumn, kColumns> kLayout{{
    {"Elevation", "[ m.]", "[ ft.]", 7.0},
    {"Length", "[ m.]", "[ ft.]", 9.0},
    {"Mode of Failure", " ", " ", 10.0},
    {"Required\nStrength,\nTr", "[ kN/m ]", "[ lb/ft ]", 10.0},
    {"Minimum\nRequired\nUltimate\nStrength,\nT-ult-min", "[ kN/m ]", "[ lb/ft ]", 11.0},
    {"Specified\nUltimate\nStrength,\nT-ult", "[ kN/m ]", "[ lb/ft ]", 11.0},
    {"Available\nLong-term\nStrength,\nT-ltds", "[ kN/m ]", "[ lb/ft ]", 10.0},
    {"Actual Fs on\nGeosynthetic\nStrength", " ", " ", 10.0},
    {"STATUS", " ", " ", 5.0},
}};

constexpr fw::ColorRef kFailingRed = fw::RGB(255, 0, 0);
constexpr fw::ColorRef kPassingBlack = fw::RGB(0, 0, 0);

}  // namespace

// ---- the notes -------------------------------------------------------------------------

CCase1NoteDlg::CCase1NoteDlg() : fw::Dialog(DialogTemplateNamed("IDD_CASE1_NOTE")) {
  SetBackgroundColor(fw::RGB(255, 255, 255));
}

bool CCase1NoteDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

// ---- the table -------------------------------------------------------------------------

CViewCase1Dlg::CViewCase1Dlg()
    : ResultsTableDlg({"IDD_VIEW_CASE1", res::kSummarySheetId, res::kSummaryPreviewId, true, kGroups, kLayout,
                       kStatusColumn, kTemporarySheetName, "summary", kPrintHeader}) {
  OnClicked(res::kSummaryNoteId, &CViewCase1Dlg::OnNote);
}

void CViewCase1Dlg::OnUnitsChosen() { check.strengthUnitFactor = strengthFactor; }

void CViewCase1Dlg::WriteLayer(int i) {
  const ProjectInput& run = Project().runInput;
  const AnalysisResults& results = Project().results;
  const auto k = static_cast<std::size_t>(i);
  const int row = i + 1;
  const double fs = check.ComputeLayerStrengthRatio(run, results, i);
  const int mode = check.checkControllingMode;
  const double tr = check.checkRequiredStrength;

  WriteResultsValue(sheet, 1, row, results.resultLayerElevation[k] * lengthFactor);
  WriteResultsValue(sheet, 2, row, (results.layerRearX[k] - results.layerFrontX[k]) * lengthFactor);
  WriteResultsText(sheet, 3, row, mode == 1 ? "Tieback" : "Compound");
  WriteResultsValue(sheet, 4, row, tr);
  WriteResultsValue(sheet, 5, row,
                    tr * run.layerRfInstallation[k] * run.layerRfDurability[k] * run.layerRfCreep[k] *
                        run.fsGeosyntheticStrength);
  WriteResultsValue(sheet, 6, row, check.checkUltimateStrength);
  WriteResultsValue(sheet, 7, row, check.checkLongTermStrength);

  // The one rule of every output: a ratio that cannot be formed shows
  // "N/A" and fails, as an overstressed layer does.
  const bool passes = LayerStrengthPasses(run, tr, fs);
  SelectResultsCell(sheet, 8, row);
  sheet.SetForeColor((passes ? kPassingBlack : kFailingRed).ToWindows());
  sheet.SetText(!IsStrengthRatioFormed(tr, fs) ? std::string(kNotAvailableText)
                                               : std::string(mode == 1 ? "  " : "> ") + Format("%.2f", fs));
  SelectResultsCell(sheet, 9, row);
  sheet.SetCellType(fw::kCellTypeCheckBox);
  sheet.SetText(passes ? "1" : "0");
}

void CViewCase1Dlg::OnNote() {
  CCase1NoteDlg dlg;
  dlg.DoModal();
}

}  // namespace tervane
