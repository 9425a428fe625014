#pragma once
// The print options IDD_DISPLAY_GRAPHICS (colour, report language, logo) that
// OnPreparePrinting runs before a print or preview.

#include "framework/Dialog.h"

namespace tervane {

class CDisplayGraphicsDlg : public fw::Dialog {
 public:
  CDisplayGraphicsDlg();
};

}  // namespace tervane
