#include "drawing/DisplayBitmapDlg.h"

#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/DataExchange.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CDisplayBitmapDlg::CDisplayBitmapDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_DISPLAY_BITMAP")), colorChoice(Project().settings.screenColorMode) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(res::kColourRadioId, &CDisplayBitmapDlg::OnColour);
  OnClicked(res::kBlackWhiteRadioId, &CDisplayBitmapDlg::OnBlackAndWhite);
}

bool CDisplayBitmapDlg::OnInitDialog() {
  ApplyDialogIdLabelRule(*this);
  return fw::Dialog::OnInitDialog();
}

void CDisplayBitmapDlg::DoDataExchange(fw::DataExchange& dx) { dx.Radio(res::kColourRadioId, colorChoice); }

void CDisplayBitmapDlg::OnColour() { colorChoice = 0; }
void CDisplayBitmapDlg::OnBlackAndWhite() { colorChoice = 1; }

void CDisplayBitmapDlg::OnOK() {
  UpdateData(true);
  // A stored value other than 0 or 1 leaves no radio button checked; it
  // stays as it was.
  if (colorChoice == 0 || colorChoice == 1) Project().settings.screenColorMode = colorChoice;
  EndDialog(fw::IDOK);
}

}  // namespace tervane
