#include "run/TerminateDlg.h"

#include "common/MessageDialogs.h"
#include "resources/DialogTemplates.h"

namespace tervane {

CTerminateDlg::CTerminateDlg() : fw::Dialog(DialogTemplateNamed("IDD_TERMINATE")) {
  SetBackgroundColor(fw::RGB(255, 0, 0));
}

bool CTerminateDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

}  // namespace tervane
