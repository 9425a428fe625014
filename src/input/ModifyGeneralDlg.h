#pragma once
// The five project texts, IDD_MODIFY_GENERAL, and the report logo: a chosen
// bitmap file becomes the logo at once, and can be kept for later projects in
// "CoLogoT.INF". Before the file dialog the notice IDD_SHOW_OR_NOT_LOGO
// explains the logo, unless "SHOWLOGO.INF" switched it off.

#include <string>

#include "framework/Dialog.h"
#include "framework/Services.h"
#include "input/InputDialog.h"

namespace tervane {

// The date as a new project proposes it: "Thu Mar 05 14:07:09 2009".
std::string FormatProjectDate(const fw::LocalDateTime& now);

class CModifyGeneralDlg : public CInputDialog {
 public:
  CModifyGeneralDlg();

 protected:
  void InitControls() override;

 private:
  void OnRetrieveLogo();
  void OnSaveLogo();
};

class CShowOrNotLogoDlg : public fw::Dialog {
 public:
  CShowOrNotLogoDlg();

  int doNotShow = 0;  // the check box "Do NOT show this window in subsequent runs"

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void OnDoNotShow();
};

}  // namespace tervane
