#include "common/MessageDialogs.h"

#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "resources/DialogTemplates.h"

namespace tervane {

namespace {

// Background of the message dialogs.
constexpr fw::ColorRef kConflictRed = fw::RGB(255, 80, 80);
constexpr fw::ColorRef kConflictPink = fw::RGB(255, 180, 180);

}  // namespace

void ApplyDialogIdLabelRule(fw::Dialog& dialog) {
  if (Project().hideDialogIdLabels == 1) dialog.ShowControl(kDialogIdLabel, false);
}

// ---- CPolicingDlg ----------------------------------------------------------------

CPolicingDlg::CPolicingDlg() : fw::Dialog(DialogTemplateNamed("IDD_POLICING")) {
  SetBackgroundColor(kConflictRed);
}

bool CPolicingDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CPolicingDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(kMessageTextId, messageText);
  dx.Text(kErrorNumberTextId, errorNumberText);
}

// ---- CPoliceWarnDlg --------------------------------------------------------------

CPoliceWarnDlg::CPoliceWarnDlg() : fw::Dialog(DialogTemplateNamed("IDD_POLICE_WARN")) {
  SetBackgroundColor(kConflictRed);
  OnClicked(kContinueButtonId, &CPoliceWarnDlg::OnContinue);
}

bool CPoliceWarnDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CPoliceWarnDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(kMessageTextId, messageText);
  dx.Text(kErrorNumberTextId, errorNumberText);
}

// "Return to Correct", also Enter.
void CPoliceWarnDlg::OnOK() {
  continueChosen = 0;
  EndDialog(fw::IDOK);
}

// Esc and the close box dismiss the warning; the program's rule is that a
// dismissed warning never lets the values it warned about be stored, so they
// answer "Return to Correct" whatever the caller preset.
void CPoliceWarnDlg::OnCancel() {
  continueChosen = 0;
  EndDialog(fw::IDCANCEL);
}

void CPoliceWarnDlg::OnContinue() {
  continueChosen = 1;
  EndDialog(fw::IDOK);
}

// ---- CPolicing2Dlg ---------------------------------------------------------------

CPolicing2Dlg::CPolicing2Dlg() : fw::Dialog(DialogTemplateNamed("IDD_POLICING2")) {
  SetBackgroundColor(kConflictRed);
}

bool CPolicing2Dlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CPolicing2Dlg::DoDataExchange(fw::DataExchange& dx) { dx.Text(kErrorNumberTextId, errorNumberText); }

// ---- CPolicingXlDlg --------------------------------------------------------------

CPolicingXlDlg::CPolicingXlDlg() : fw::Dialog(DialogTemplateNamed("IDD_POLICING_XL")) {
  SetBackgroundColor(kConflictPink);
}

bool CPolicingXlDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CPolicingXlDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(kMessageTextId, messageText);
  dx.Text(kMessageText2Id, messageText2);
  dx.Text(kErrorNumberTextId, errorNumberText);
}

}  // namespace tervane
