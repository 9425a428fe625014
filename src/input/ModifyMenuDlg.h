#pragma once
// The input menu IDD_MODIFY_MENU: one button per group of input, each
// running its input dialog modally; "RETURN to MAIN MENU" (OK), Esc and the
// close box end it. It stores nothing itself.

#include "framework/Dialog.h"

namespace tervane {

class CModifyMenuDlg : public fw::Dialog {
 public:
  CModifyMenuDlg();

 protected:
  bool OnInitDialog() override;
  bool OnHelpInfo() override;
};

}  // namespace tervane
