#pragma once
// The quantities and cost of reinforcement IDD_QUANTITIES.

#include "framework/Dialog.h"

namespace tervane {

class CQuantitiesDlg : public fw::Dialog {
 public:
  CQuantitiesDlg();
};

}  // namespace tervane
