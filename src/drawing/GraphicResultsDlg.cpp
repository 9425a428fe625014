#include "drawing/GraphicResultsDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CGraphicResultsDlg::CGraphicResultsDlg() : fw::Dialog(DialogTemplateNamed("IDD_GRAPHIC_RESULTS")) {}

}  // namespace tervane
