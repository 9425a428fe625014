#include "report/DisplayGraphicsDlg.h"

#include "model/DataFiles.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "framework/Services.h"
#include "framework/Text.h"
#include "common/DibImage.h"
#include "report/ReportLanguage.h"
#include "resources/DialogTemplates.h"
#include "resources/ReportResources.h"

namespace tervane {

CDisplayGraphicsDlg::CDisplayGraphicsDlg() : fw::Dialog(DialogTemplateNamed("IDD_DISPLAY_GRAPHICS")) {
  const AppSettings& settings = Project().settings;
  colorChoice = settings.printColorMode == 1 ? 1 : 0;
  language = Utf8Prefix(settings.reportLanguage, kMaxLanguageCharacters);
  logoChoice = settings.includeLogo == 0 ? 0 : 1;
  SetBackgroundColor(fw::RGB(222, 222, 222));
  OnClicked(res::kPrintColorRadio, &CDisplayGraphicsDlg::OnColor);
  OnClicked(res::kPrintBlackWhiteRadio, &CDisplayGraphicsDlg::OnBlackAndWhite);
}

std::string CDisplayGraphicsDlg::UnsupportedLanguageMessage(const std::string& language) {
  return "The language ' " + language +
         " ' is not supported by this software.  Please chose one from the drop down menu";
}

void CDisplayGraphicsDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Radio(res::kPrintColorRadio, colorChoice);
  dx.ComboText(res::kReportLanguageCombo, language, kMaxLanguageCharacters);
  dx.Radio(res::kLogoNoRadio, logoChoice);
}

bool CDisplayGraphicsDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ReadLanguageFile();
  for (std::string_view name : kOfferedReportLanguages) ComboAdd(res::kReportLanguageCombo, name);
  ApplyDialogIdLabelRule(*this);
  UpdateData(false);
  return true;
}

void CDisplayGraphicsDlg::ReadLanguageFile() {
  // The shared reader strips only the line end; a missing file gives
  // "English" and is made. A name the dialog does not offer (a hand-edited
  // file, an empty one) is shown as it is written, so that the user sees it;
  // OK refuses it until a language of the list is chosen.
  language = Utf8Prefix(tervane::ReadLanguageFile(), kMaxLanguageCharacters);
  UpdateData(false);
}

void CDisplayGraphicsDlg::WriteLanguageFile() {
  // A file that cannot be written changes nothing else: the language stays
  // in settings for this session (the user is told that it was not kept).
  tervane::WriteLanguageFile(language);
}

void CDisplayGraphicsDlg::OnColor() { colorChoice = 0; }
void CDisplayGraphicsDlg::OnBlackAndWhite() { colorChoice = 1; }

void CDisplayGraphicsDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (!IsOfferedReportLanguage(language)) {
    CPolicingDlg message;
    message.messageText = UnsupportedLanguageMessage(language);
    message.errorNumberText = "Error No.1200";
    message.DoModal();
    return;
  }
  AppSettings& settings = Project().settings;
  // A logo asked for that cannot be printed is named before the report goes
  // out without it.
  if (logoChoice == 1) {
    if (const std::string problem = LogoProblem(settings.logoPath); !problem.empty())
      fw::ShowMessage(UnusableLogoMessage(settings.logoPath, problem), fw::MessageButtons::Ok,
                      fw::MessageIcon::Warning);
  }
  settings.printColorMode = colorChoice;
  settings.reportLanguage = language;
  settings.includeLogo = logoChoice;
  WriteLanguageFile();
  EndDialog(fw::IDOK);
}

}  // namespace tervane
