#pragma once
// The slope geometry and its surcharges, IDD_MODIFY_GEOMETRY, with a live
// sketch of the cross-section; and its note on superimposed slopes,
// IDD_HELP_GEOMETRY.

#include "framework/Dialog.h"
#include "input/InputDialog.h"

namespace tervane {

class CModifyGeometryDlg : public CInputDialog {
 public:
  CModifyGeometryDlg();

 protected:
  void OnPaint(fw::DeviceContext& dc) override;
  bool ConfirmWarning(const input::CheckFailure& failure) override;
  void AfterDefault() override;

 private:
  void OnFieldChanged();
  void OnQuestion();
  // Repaints the sketch area, by the client size of the last paint.
  void RequestRedraw();

  int clientWidth_ = 0;
  int clientHeight_ = 0;
};

// "Superimposed reinforced slopes": a note with a RETURN button.
class CHelpGeometryDlg : public fw::Dialog {
 public:
  CHelpGeometryDlg();

 protected:
  bool OnInitDialog() override;
};

}  // namespace tervane
