#include "model/ReportLanguages.h"

namespace tervane {

ReportLanguage ReportLanguageOf(std::string_view reportLanguage) {
  for (std::size_t i = 0; i < kReportLanguageCount; ++i) {
    if (kReportLanguageNames[i] == reportLanguage) return static_cast<ReportLanguage>(i);
  }
  return ReportLanguage::kEnglish;
}

bool IsOfferedReportLanguage(std::string_view name) {
  for (std::string_view offered : kOfferedReportLanguages) {
    if (offered == name) return true;
  }
  return false;
}

std::string_view ReportLanguageName(ReportLanguage language) {
  return kReportLanguageNames[LanguageIndex(language)];
}

}  // namespace tervane
