#pragma once
// Units, currency, symbol style and report language, IDD_MODIFY_SETUP. The
// report language is kept in "More.txt" of the data directory, not in the
// project.

#include "input/InputDialog.h"
// The report languages offered (kOfferedReportLanguages) and the check of a
// name (IsOfferedReportLanguage), shared with the print options.
#include "model/ReportLanguages.h"

namespace tervane {

class CModifySetupDlg : public CInputDialog {
 public:
  CModifySetupDlg();

 protected:
  void InitControls() override;
  void ExchangeExtra(fw::DataExchange& dx) override;
  void StoreExtra() override;
};

}  // namespace tervane
