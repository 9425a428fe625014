#pragma once
// IDD_DISPLAY_BITMAP: the choice between colour and black-and-white drawings
// (screenColorMode of settings), opened by "B/W" of both drawing dialogs.
// OK stores the choice; Esc leaves it as it was.

#include "framework/Dialog.h"

namespace tervane {

class CDisplayBitmapDlg : public fw::Dialog {
 public:
  // The choice starts as screenColorMode.
  CDisplayBitmapDlg();

  // 0 colour, 1 black and white.
  int colorChoice = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnOK() override;

 private:
  void OnColour();
  void OnBlackAndWhite();
};

}  // namespace tervane
