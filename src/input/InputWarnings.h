#pragma once
// The small dialogs of the input dialogs' warnings and notes: the foundation
// dialog's overridable warning IDD_WARNING, the seismic note IDD_WARNING99 and
// the coverage-ratio question IDD_WARNING2. The caller constructs one, fills
// its texts, runs it modally and reads continueChosen.

#include <string>

#include "framework/Dialog.h"

namespace tervane {

// IDD_WARNING: "Conti&nue" (OK, the default button) or "Retun to &Correct"
// (Cancel, also Esc and the close box). Its label 1244 stays visible.
class CWarningDlg : public fw::Dialog {
 public:
  CWarningDlg();

  int continueChosen = 0;
  std::string messageText;      // static 1490, centred in the middle
  std::string errorNumberText;  // static 1757, bottom left
  std::string headingText;      // static 1135, centred at the top

 protected:
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;
  void OnCancel() override;
};

// IDD_WARNING99 "For Your Information": the recommendation to use half of
// the peak acceleration as Kh.
class CWarning99 : public fw::Dialog {
 public:
  CWarning99();

 protected:
  bool OnInitDialog() override;
};

// IDD_WARNING2 "Rc < 0.5 ?": "Continue" (OK, the default button) or
// "Change  Rc" (Cancel, also Esc and the close box). Its label 1244 stays
// visible.
class CWarning2Dlg : public fw::Dialog {
 public:
  CWarning2Dlg();

  int continueChosen = 0;

 protected:
  void OnOK() override;
  void OnCancel() override;
};

}  // namespace tervane
