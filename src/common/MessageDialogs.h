#pragma once
// The four message dialogs that report a conflict in the data: a failed input
// check, a failed pre-run check, a bad number in the quantities dialog, an
// export that cannot be made, a report language that is not offered.
//
// The caller constructs one as a local object, fills its text members, runs it
// with DoModal and destroys it. The dialogs form no text themselves: the
// message and the whole number line ("Error No.1130") come from the caller.
// Only CPoliceWarnDlg answers, through continueChosen.

#include <string>

#include "framework/Dialog.h"

namespace tervane {

// Hides label 1244 of the dialog (it shows the dialog's resource name) when
// the project's hideDialogIdLabels is 1.
void ApplyDialogIdLabelRule(fw::Dialog& dialog);

// IDD_POLICING: a message and its number line, with "&OK".
class CPolicingDlg : public fw::Dialog {
 public:
  CPolicingDlg();

  std::string messageText;      // static 1490
  std::string errorNumberText;  // static 1757

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
};

// IDD_POLICE_WARN: an overridable warning with "&Return to Correct" (the
// default button, also Enter) and "&Continue".
class CPoliceWarnDlg : public fw::Dialog {
 public:
  CPoliceWarnDlg();

  std::string messageText;      // static 1490
  std::string errorNumberText;  // static 1757
  // The answer: 1 for "Continue", 0 for "Return to Correct" (and for Esc or
  // the close box).
  int continueChosen = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;
  void OnCancel() override;
  void OnContinue();
};

// IDD_POLICING2: the interwedge-angle rule as a picture, with the number line.
class CPolicing2Dlg : public fw::Dialog {
 public:
  CPolicing2Dlg();

  std::string errorNumberText;  // static 1757

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
};

// IDD_POLICING_XL: two messages and the number line.
class CPolicingXlDlg : public fw::Dialog {
 public:
  CPolicingXlDlg();

  std::string messageText;      // static 1490
  std::string messageText2;     // static 1491
  std::string errorNumberText;  // static 1757

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
};

}  // namespace tervane
