#include "results/ViewWrittenResultsDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CViewWrittenResultsDlg::CViewWrittenResultsDlg() : fw::Dialog(DialogTemplateNamed("IDD_VIEW_WRITTEN_RESULTS")) {}

}  // namespace tervane
