#pragma once
// Texts of the page header and footer (CReportPrinter::DrawPageHeader and
// DrawPageFooter draw them).

#include <string>

#include "report/ReportLanguage.h"

namespace tervane {

// The band of small version texts: the language's version word followed by
// its product-and-version piece repeated (18 times "Tervane Version 4.0 " in
// English: 372 characters).
std::string VersionBand(ReportLanguage language);

// The page number of the footer: "Page 3 of  6" and its translations.
std::string PageNumberText(ReportLanguage language, int page, int pages);

// The maker's notice of the footer: "©" in the Western symbol style, "(c)"
// in the Asian Pacific one; the same in every language.
std::string MakersNotice(int symbolStyle);

}  // namespace tervane
