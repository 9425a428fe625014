#pragma once
// The pseudo-static seismic coefficients, IDD_MODIFY_SEISMIC_PARAM, and the
// foundation effects, IDD_MODIFY_FOUNDATION.

#include "input/InputDialog.h"

namespace tervane {

class CModifySeismicParamDlg : public CInputDialog {
 public:
  CModifySeismicParamDlg();
};

class CModifyFoundationDlg : public CInputDialog {
 public:
  CModifyFoundationDlg();

 protected:
  // Warning 1181 through CWarningDlg.
  bool ConfirmWarning(const input::CheckFailure& failure) override;
};

}  // namespace tervane
