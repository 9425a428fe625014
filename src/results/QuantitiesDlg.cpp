#include "results/QuantitiesDlg.h"

#include "resources/DialogTemplates.h"

namespace tervane {

CQuantitiesDlg::CQuantitiesDlg() : fw::Dialog(DialogTemplateNamed("IDD_QUANTITIES")) {}

}  // namespace tervane
