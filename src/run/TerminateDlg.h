#pragma once
// IDD_TERMINATE: the notice shown after an optimised run that stopped because
// its layout needed more than 100 layers.

#include "framework/Dialog.h"

namespace tervane {

class CTerminateDlg : public fw::Dialog {
 public:
  CTerminateDlg();

 protected:
  bool OnInitDialog() override;
};

}  // namespace tervane
