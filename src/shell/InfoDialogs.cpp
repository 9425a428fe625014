#include "shell/InfoDialogs.h"

#include "common/Printout.h"
#include "shell/TervaneApp.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "resources/DialogTemplates.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

constexpr fw::ColorRef kWhite = fw::RGB(255, 255, 255);
constexpr fw::ColorRef kContactGreen = fw::RGB(179, 255, 179);

fw::Font DialogFont(const char* face, int cellHeight) {
  fw::Font font;
  font.face = face;
  font.height = cellHeight;
  return font;
}

}  // namespace

// ---- CIntroDlg ---------------------------------------------------------------------

CIntroDlg::CIntroDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_INTRO")), companyText(res::kMakerName), reservedText(res::kAllRightsReserved) {
  OnClicked(res::kHomePageButtonId, &CIntroDlg::OnHomePage);
  OnClicked(res::kUpdatePageButtonId, &CIntroDlg::OnUpdatePage);
  OnClicked(res::kDisclaimerButtonId, &CIntroDlg::OnDisclaimer);
}

bool CIntroDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  for (int id : {res::kIntroRightsId, res::kIntroCompanyId, res::kIntroReservedId})
    SetControlFont(id, DialogFont("Arial", 20));
  for (int id : {res::kIntroBeforeUsingId, res::kIntroDisclaimerNoteId, res::kIntroLimitationNoteId})
    SetControlFont(id, DialogFont("Arial Bold", 18));
  updateLabelText = Project().programUpdateLabel;
  UpdateData(false);
  return true;
}

void CIntroDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(res::kIntroCompanyId, companyText);
  dx.Text(res::kIntroReservedId, reservedText);
  dx.Text(res::kIntroUpdateLabelId, updateLabelText);
}

void CIntroDlg::OnHomePage() { fw::Shell().OpenWithDesktop(res::kMakerHomePage); }

void CIntroDlg::OnUpdatePage() { fw::Shell().OpenWithDesktop(res::kMakerUpdatePage); }

void CIntroDlg::OnDisclaimer() {
  CDisclaimerDlg dlg;
  dlg.DoModal();
}

// ---- CAboutDlg ---------------------------------------------------------------------

CAboutDlg::CAboutDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_ABOUTBOX")), companyText(res::kMakerName), reservedText(res::kAllRightsReserved) {
  SetBackgroundColor(kWhite);
  OnClicked(res::kContactButtonId, &CAboutDlg::OnContactInfo);
  OnClicked(res::kDisclaimerButtonId, &CAboutDlg::OnDisclaimer);
}

bool CAboutDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  for (int id : {res::kAboutRightsId, res::kAboutCompanyId, res::kAboutReservedId})
    SetControlFont(id, DialogFont("Arial", 20));
  UpdateData(false);
  return true;
}

void CAboutDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Text(res::kAboutCompanyId, companyText);
  dx.Text(res::kAboutReservedId, reservedText);
}

void CAboutDlg::OnContactInfo() {
  CContactInfoDlg dlg;
  dlg.DoModal();
}

void CAboutDlg::OnDisclaimer() {
  CDisclaimerDlg dlg;
  dlg.DoModal();
}

// ---- CContactInfoDlg and CDisclaimerDlg ---------------------------------------------

CContactInfoDlg::CContactInfoDlg() : fw::Dialog(DialogTemplateNamed("IDD_CONTACT_INFO")) {
  SetBackgroundColor(kContactGreen);
  OnClicked(res::kContactPrintId, &CContactInfoDlg::OnPrint);
}

void CContactInfoDlg::OnPrint() { PrintOnePage(DrawContactPage, ProposedPrintFileName("Tervane contact information.pdf")); }

CDisclaimerDlg::CDisclaimerDlg() : fw::Dialog(DialogTemplateNamed("IDD_DISCLAIMER")) {
  SetBackgroundColor(kWhite);
  OnClicked(res::kDisclaimerPrintId, &CDisclaimerDlg::OnPrint);
}

void CDisclaimerDlg::OnPrint() { PrintOnePage(DrawDisclaimerPage, ProposedPrintFileName("Tervane disclaimer.pdf")); }

}  // namespace tervane
