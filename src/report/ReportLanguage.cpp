#include "report/ReportLanguage.h"

namespace tervane {

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
