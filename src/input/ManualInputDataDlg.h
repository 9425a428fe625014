#pragma once
// The user-specified layer table IDD_MANUAL_INPUT_DATA.

#include "framework/Dialog.h"

namespace tervane {

class CManualInputDataDlg : public fw::Dialog {
 public:
  CManualInputDataDlg();

  // 1 when OK stored the layers of the table in `input`.
  int layersAccepted = 0;
};

}  // namespace tervane
