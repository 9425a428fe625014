// The language tables of the report as a whole: every page registers its
// table, every text keeps the number places of the English one (so no
// language drops or doubles a number), and a language name the report does
// not know takes the English texts. That the fonts carry every letter is
// checked in the Qt tests.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "report/ReportLanguage.h"
#include "report/ReportPages.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

std::multiset<std::string> Places(std::string_view text) {
  std::multiset<std::string> places;
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] == '{' && text[i + 2] == '}' && text[i + 1] >= '0' && text[i + 1] <= '9')
      places.insert(std::string(text.substr(i, 3)));
  }
  return places;
}

TEST(ReportTextTablesTest, EveryPageRegistersItsTable) {
  CReportPrinter keepsThePagesLinked;
  (void)keepsThePagesLinked;
  std::set<std::string> pages;
  for (const ReportTextTable& table : AllReportTextTables()) pages.insert(std::string(table.page));
  for (const char* page : {"page header and footer", "title page", "geometry page", "geometry sketch",
                           "soil and design page", "summary results page", "detailed results page",
                           "results tables", "direct sliding and deep-seated page"}) {
    EXPECT_EQ(pages.count(page), 1u) << page;
  }
}

TEST(ReportTextTablesTest, EveryLanguageKeepsTheNumberPlacesOfItsText) {
  int withPlaces = 0;
  for (const ReportTextTable& table : AllReportTextTables()) {
    for (const ReportTextEntry& entry : table.entries) {
      const std::multiset<std::string> english = Places(Pick(*entry.texts, ReportLanguage::kEnglish));
      if (!english.empty()) ++withPlaces;
      for (std::size_t i = 0; i < kReportLanguageCount; ++i) {
        const auto language = static_cast<ReportLanguage>(i);
        EXPECT_EQ(Places(Pick(*entry.texts, language)), english)
            << table.page << " / " << entry.label << " / " << ReportLanguageName(language);
      }
    }
  }
  EXPECT_EQ(withPlaces, 5);  // the rows of the last page that carry numbers
}

TEST(ReportTextTablesTest, PlacesAreFilledInTheirOrder) {
  EXPECT_EQ(FillPlaces("a {1} b {0}{2}", {"x", "y", "z"}), "a y b xz");
  EXPECT_EQ(FillPlaces("{3} stays", {"x"}), "{3} stays");
  EXPECT_EQ(FillPlaces("{", {}), "{");
  EXPECT_EQ(TextLines("one"), (std::vector<std::string_view>{"one"}));
  EXPECT_EQ(TextLines("one\n  two"), (std::vector<std::string_view>{"one", "  two"}));
}

TEST(ReportTextTablesTest, AnUnknownLanguageTakesTheEnglishTexts) {
  const LanguageTexts& any = *AllReportTextTables().front().entries.front().texts;
  for (const char* name : {"", "english", "ENGLISH", "Klingon", "Norwegian "}) {
    EXPECT_EQ(Pick(any, ReportLanguageOf(name)), Pick(any, ReportLanguage::kEnglish)) << name;
  }
}

}  // namespace
}  // namespace tervane
