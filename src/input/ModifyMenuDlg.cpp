#include "input/ModifyMenuDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CModifyMenuDlg::CModifyMenuDlg() : fw::Dialog(DialogTemplateNamed("IDD_MODIFY_MENU")) {}

}  // namespace tervane
