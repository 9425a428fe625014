#pragma once
// The three soils, IDD_MODIFY_SOIL, and the design parameters of the
// direct-sliding and pullout analyses, IDD_MODIFY_DESIGN_PARAM.

#include "input/InputDialog.h"

namespace tervane {

class CModifySoilDlg : public CInputDialog {
 public:
  CModifySoilDlg();
};

class CModifyDesignParamDlg : public CInputDialog {
 public:
  CModifyDesignParamDlg();
};

}  // namespace tervane
