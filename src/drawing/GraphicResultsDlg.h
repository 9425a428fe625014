#pragma once
// The results drawing IDD_GRAPHIC_RESULTS: the last run drawn to scale.

#include "framework/Dialog.h"

namespace tervane {

class CGraphicResultsDlg : public fw::Dialog {
 public:
  CGraphicResultsDlg();
};

}  // namespace tervane
