#pragma once
// The reinforcement of the optimised run, IDD_MODIFY_GEOSYN_DATA; its
// reduction factors and coverage ratio, IDD_MODIFY_GEOSYN_FS; the orientation
// of the reinforcement force, IDD_MODIFY_INCLINATION; and the general
// factors of safety, IDD_MODIFY_GENERAL_FS.

#include "input/InputDialog.h"

namespace tervane {

class CModifyGeosynDataDlg : public CInputDialog {
 public:
  CModifyGeosynDataDlg();
};

class CModifyGeosynFsDlg : public CInputDialog {
 public:
  CModifyGeosynFsDlg();

 protected:
  // The coverage-ratio question through CWarning2Dlg.
  bool ConfirmWarning(const input::CheckFailure& failure) override;
};

class CModifyInclinationDlg : public CInputDialog {
 public:
  CModifyInclinationDlg();

 protected:
  void InitControls() override;

 private:
  void OnOrientation(int mode);
  // Enables the value of the mode held and disables the other.
  void EnableModeControls();
};

class CModifyGeneralFsDlg : public CInputDialog {
 public:
  CModifyGeneralFsDlg();
};

}  // namespace tervane
