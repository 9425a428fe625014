#include "report/DisplayGraphicsDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CDisplayGraphicsDlg::CDisplayGraphicsDlg() : fw::Dialog(DialogTemplateNamed("IDD_DISPLAY_GRAPHICS")) {}

}  // namespace tervane
