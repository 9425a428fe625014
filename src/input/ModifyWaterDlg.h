#pragma once
// The pore-water condition, IDD_MODIFY_WATER: no water, a pore-water
// pressure coefficient, or a phreatic surface through three points above the
// toe, with a sketch of the stored slope and the water being typed.

#include "input/InputDialog.h"

namespace tervane {

class CModifyWaterDlg : public CInputDialog {
 public:
  CModifyWaterDlg();

 protected:
  void InitControls() override;
  void OnPaint(fw::DeviceContext& dc) override;
  void AfterDefault() override;

 private:
  void OnMode(int mode);
  void OnCoordinateChanged();
  // Shows the group of the mode held: the coordinate table (0), the
  // pore-water field (1) or neither (2).
  void ShowModeGroups();
  void RequestRedraw();

  int clientWidth_ = 0;
  int clientHeight_ = 0;
};

}  // namespace tervane
