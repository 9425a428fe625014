#include "results/ResultsTableDlg.h"

#include <algorithm>

#include "common/MessageDialogs.h"
#include "common/Printout.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"

namespace tervane {

ResultsTableDlg::ResultsTableDlg(const Layout& layout)
    : fw::Dialog(DialogTemplateNamed(layout.templateName)), layout_(layout) {
  SetBackgroundColor(fw::RGB(222, 222, 222));
  OnClicked(res::kExcelButtonId, &ResultsTableDlg::OnExcel);
  OnClicked(res::kPreviewToggleId, &ResultsTableDlg::OnPrintPreview);
  OnClicked(res::kPrintTableButtonId, &ResultsTableDlg::OnPrintTable);
}

void ResultsTableDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Control(layout_.sheetId, sheet);
  dx.Control(layout_.previewId, preview);
  dx.Text(res::kPreviewToggleId, previewButtonText);
}

bool ResultsTableDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const ProjectData& project = Project();
  ChooseDisplayUnits(project.runInput.unitSystem);
  OnUnitsChosen();

  ShowControl(layout_.previewId, false);
  previewShown = 0;

  const int columns = static_cast<int>(layout_.columns.size());
  BuildResultsHeader(sheet, layout_.groups, layout_.columns, units, layout_.statusColumn);
  // A file can hold any count; the sheet has room for the layers a run can have.
  layerRows = project.results.LayerCount();
  StartResultsRows(sheet, columns);
  for (int i = 0; i < layerRows; ++i) WriteLayer(i);
  FinishResultsRows(sheet, layerRows, columns);

  previewButtonText = kPrintPreviewText;
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void ResultsTableDlg::OnExcel() { ExportResultsWorkbook(sheet, layout_.temporarySheetName, layout_.workbookTable); }

void ResultsTableDlg::OnPrintPreview() {
  ToggleResultsPreview(*this, sheet, preview, layout_.sheetId, layout_.previewId, layout_.summaryPreviewSettings,
                       previewShown, previewButtonText);
  UpdateData(false);
}

void ResultsTableDlg::OnPrintTable() {
  const fw::ScopedPrintFileProposal proposal(ProposedPrintFileName(Project().projectPath, layout_.workbookTable));
  PrintResultsSheet(sheet, layout_.printHeader);
}

}  // namespace tervane
