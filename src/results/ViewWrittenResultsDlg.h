#pragma once
// The results menu IDD_VIEW_WRITTEN_RESULTS: the three results tables and the export.

#include "framework/Dialog.h"

namespace tervane {

class CViewWrittenResultsDlg : public fw::Dialog {
 public:
  CViewWrittenResultsDlg();
};

}  // namespace tervane
