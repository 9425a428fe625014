#include "input/ModifySetupDlg.h"

#include "model/DataFiles.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "resources/InputControlIds.h"

namespace tervane {

namespace {

constexpr int kLanguageMaxLength = 20;

}  // namespace

namespace input {

const DialogFields& SetupFields() {
  using namespace ids::setup;
  static const DialogFields fields = [] {
    DialogFields s;
    s.templateName = "IDD_MODIFY_SETUP";
    s.helpTopic = "modify_setup.htm";
    s.fields = {
        ChoiceField(kSiUnits, &ProjectInput::unitSystem),
        TextField(kCurrency, &ProjectInput::currencyUnit, 0),
    };
    s.enterCycle = {{kSiUnits, kCurrency}, {kCurrency, kEnglish}, {kEnglish, kEnglish}};
    // The language (a setting, not part of the record) is the text of 1221.
    Check language = ErrorCheck(
        1200, [](const CheckContext& c) { return !IsOfferedReportLanguage(c.Text(kLanguage)); },
        [](const CheckContext& c) {
          return "The language ' " + c.Text(kLanguage) +
                 " ' is not supported by this software.  Please chose one from the drop down menu";
        },
        FocusOn(kLanguage));
    language.opening = false;
    s.checks.push_back(std::move(language));
    return s;
  }();
  return fields;
}

}  // namespace input

CModifySetupDlg::CModifySetupDlg() : CInputDialog(input::SetupFields()) {
  Text(ids::setup::kLanguage) = Project().settings.reportLanguage;
  Choice(ids::setup::kWestern) = Project().settings.symbolStyle;
}

void CModifySetupDlg::InitControls() {
  // The file, not the setting, decides what the dialog shows.
  Text(ids::setup::kLanguage) = ReadLanguageFile();
  for (std::string_view language : kOfferedReportLanguages) ComboAdd(ids::setup::kLanguage, language);
}

void CModifySetupDlg::ExchangeExtra(fw::DataExchange& dx) {
  dx.ComboText(ids::setup::kLanguage, Text(ids::setup::kLanguage), kLanguageMaxLength);
  dx.Radio(ids::setup::kWestern, Choice(ids::setup::kWestern));
}

void CModifySetupDlg::StoreExtra() {
  Project().settings.reportLanguage = Text(ids::setup::kLanguage);
  Project().settings.symbolStyle = Choice(ids::setup::kWestern);
  WriteLanguageFile(Project().settings.reportLanguage);
}

}  // namespace tervane
