#pragma once
// The print options IDD_DISPLAY_GRAPHICS ("Printout of Graphics"), shown
// before every print and preview of the report: colour or black-and-white
// graphics, the logo on the title page or not, and the report language.
//
//   CDisplayGraphicsDlg options;   // copies the three options from settings
//   options.DoModal();             // the result need not be looked at
//
// It proposes the language of "More.txt" (English when the file is missing,
// and also when it names a language that is not offered). OK refuses a
// language that is not exactly one of the eleven offered with Error No.1200
// and stays open; otherwise it stores the three options in settings and
// writes the language to "More.txt". Esc and the close box store nothing.

#include <string>

#include "framework/Dialog.h"

namespace tervane {

class CDisplayGraphicsDlg : public fw::Dialog {
 public:
  CDisplayGraphicsDlg();

  // Longest language name the dialog takes.
  static constexpr int kMaxLanguageCharacters = 20;

  int colorChoice = 0;   // 0 colour (radio 1179), 1 black and white (1180)
  std::string language;  // combo box 1221
  int logoChoice = 1;    // 0 no (radio 1185), 1 yes (1186)

  // The message of a language that is not offered.
  static std::string UnsupportedLanguageMessage(const std::string& language);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;

 private:
  // Replaces the language by the one of "More.txt".
  void ReadLanguageFile();
  void WriteLanguageFile();
  void OnColor();
  void OnBlackAndWhite();
};

}  // namespace tervane
