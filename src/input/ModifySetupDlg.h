#pragma once
// Units, currency, symbol style and report language, IDD_MODIFY_SETUP. The
// report language is kept in "More.txt" of the data directory, not in the
// project.

#include <array>

#include "input/InputDialog.h"

namespace tervane {

// The report languages offered, in the order of the list.
inline constexpr std::array<const char*, 11> kOfferedReportLanguages = {
    "Dutch", "English", "Finnish", "French", "German", "Italian",
    "Polish", "Portuguese", "Russian", "Spanish", "Swedish"};
// True for one of the eleven names exactly (case-sensitive).
bool IsOfferedReportLanguage(const std::string& language);

class CModifySetupDlg : public CInputDialog {
 public:
  CModifySetupDlg();

 protected:
  void InitControls() override;
  void ExchangeExtra(fw::DataExchange& dx) override;
  void StoreExtra() override;
};

}  // namespace tervane
