#include "input/InputWarnings.h"

#include "common/MessageDialogs.h"
#include "framework/DataExchange.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"

namespace tervane {

// ---- CWarningDlg ---------------------------------------------------------------------

CWarningDlg::CWarningDlg() : fw::Dialog(DialogTemplateNamed("IDD_WARNING")) {
  SetBackgroundColor(fw::RGB(255, 180, 180));
}

void CWarningDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(kMessageTextId, messageText);
  dx.Text(kErrorNumberTextId, errorNumberText);
  dx.Text(ids::foundation::kWarningHeading, headingText);
}

void CWarningDlg::OnOK() {
  continueChosen = 1;
  EndDialog(fw::IDOK);
}

void CWarningDlg::OnCancel() {
  continueChosen = 0;
  EndDialog(fw::IDCANCEL);
}

// ---- CWarning99 ----------------------------------------------------------------------

CWarning99::CWarning99() : fw::Dialog(DialogTemplateNamed("IDD_WARNING99")) {
  SetBackgroundColor(fw::RGB(192, 192, 192));
}

bool CWarning99::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

// ---- CWarning2Dlg --------------------------------------------------------------------

CWarning2Dlg::CWarning2Dlg() : fw::Dialog(DialogTemplateNamed("IDD_WARNING2")) {
  SetBackgroundColor(fw::RGB(255, 180, 180));
}

void CWarning2Dlg::OnOK() {
  continueChosen = 1;
  EndDialog(fw::IDOK);
}

void CWarning2Dlg::OnCancel() {
  continueChosen = 0;
  EndDialog(fw::IDCANCEL);
}

}  // namespace tervane
