#include "results/ViewWrittenResultsDlg.h"

#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/OmbixExport.h"
#include "results/ViewCase1Dlg.h"
#include "results/ViewCase2Dlg.h"
#include "results/ViewCase3Dlg.h"

namespace tervane {

CViewWrittenResultsDlg::CViewWrittenResultsDlg() : fw::Dialog(DialogTemplateNamed("IDD_VIEW_WRITTEN_RESULTS")) {
  SetBackgroundColor(fw::RGB(222, 222, 222));
  OnClicked(res::kSummaryResultsId, &CViewWrittenResultsDlg::OnSummaryResults);
  OnClicked(res::kDetailedResultsId, &CViewWrittenResultsDlg::OnDetailedResults);
  OnClicked(res::kDirectSlidingResultsId, &CViewWrittenResultsDlg::OnDirectSlidingResults);
  OnClicked(res::kExportToOmbixId, &CViewWrittenResultsDlg::OnExportToOmbix);
}

bool CViewWrittenResultsDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ChooseDisplayUnits(Project().input.unitSystem);
  ApplyDialogIdLabelRule(*this);
  return true;
}

void CViewWrittenResultsDlg::OnSummaryResults() {
  CViewCase1Dlg dlg;
  dlg.DoModal();
}

void CViewWrittenResultsDlg::OnDetailedResults() {
  CViewCase2Dlg dlg;
  dlg.DoModal();
}

void CViewWrittenResultsDlg::OnDirectSlidingResults() {
  CViewCase3Dlg dlg;
  dlg.DoModal();
}

void CViewWrittenResultsDlg::OnExportToOmbix() { ExportToOmbix(units); }

}  // namespace tervane
