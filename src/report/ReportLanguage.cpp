#include "report/ReportLanguage.h"

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

namespace {

std::vector<ReportTextTable>& Registry() {
  static std::vector<ReportTextTable> tables;
  return tables;
}

}  // namespace

ReportTextRegistration::ReportTextRegistration(std::string_view page,
                                               std::initializer_list<ReportTextEntry> entries) {
  Registry().push_back(ReportTextTable{page, std::vector<ReportTextEntry>(entries)});
}

const std::vector<ReportTextTable>& AllReportTextTables() { return Registry(); }

}  // namespace tervane
