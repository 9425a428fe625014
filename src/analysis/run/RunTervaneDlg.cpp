#include "analysis/run/RunTervaneDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CRunTervaneDlg::CRunTervaneDlg() : fw::Dialog(DialogTemplateNamed("IDD_RUN_TERVANE")) {}

}  // namespace tervane
