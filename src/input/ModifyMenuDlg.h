#pragma once
// The input menu IDD_MODIFY_MENU: one button per group of input.

#include "framework/Dialog.h"

namespace tervane {

class CModifyMenuDlg : public fw::Dialog {
 public:
  CModifyMenuDlg();
};

}  // namespace tervane
