#include "input/ManualInputDataDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CManualInputDataDlg::CManualInputDataDlg() : fw::Dialog(DialogTemplateNamed("IDD_MANUAL_INPUT_DATA")) {}

}  // namespace tervane
