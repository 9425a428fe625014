// The header and footer of the report pages in twips: golden drawing logs of
// both in English (with a project path cut to 98 characters), German and
// Russian, and the texts that must be exact.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/ReportTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/RecordingDC.h"
#include "report/PageHeaderFooter.h"
#include "report/ReportPrinter.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

class HeaderFooterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reporttest::SetUpRun(app_.project(), 20);
    app_.project().settings.reportLanguage = "English";
    // 101 characters: printed as 3 + "....." + 90.
    app_.project().projectPath = "/home/engineer/projects/2026/riverside-embankment/" + std::string(39, 'x') +
                             "/slope_A.NAT";
    ASSERT_EQ(app_.project().projectPath.size(), 101u);
  }

  // The header and footer of page `page` of `pages` on a 600-dpi printer.
  std::string Log(int page, int pages) {
    fw::RecordingDC dc(reporttest::PrinterOptions());
    dc.SetMapMode(fw::MapMode::Twips);
    dc.Clear();
    printer_.currentPage = page;
    printer_.pageCount = pages;
    printer_.DrawPageHeader(dc);
    printer_.DrawPageFooter(dc);
    return dc.Text();
  }

  ScopedProject app_;
  fw::ScopedFakeServices fakes_;  // the clock reads Thu Mar 05 14:07:09 2009
  CReportPrinter printer_;
};

TEST_F(HeaderFooterTest, EnglishBandsRulesAndShortenedPath) {
  const std::string log = Log(3, 6);
  fw::golden::ExpectGolden(log, "header_footer_english.log");
  EXPECT_NE(log.find("TextOut 600 -400 \"Printed on:  Thu Mar 05 14:07:09 2009\""), std::string::npos);
  // "Page 3 of  6" (two blanks before the total), right-aligned to end at
  // 11100 in the 160 font (80 twips a character on the recording device).
  EXPECT_EQ(PageNumberText(ReportLanguage::kEnglish, 3, 6), "Page 3 of  6");
  EXPECT_NE(log.find("TextOut 10140 -14650 \"Page 3 of  6\""), std::string::npos);
  const std::string shortened = "/ho....." + app_.project().projectPath.substr(11);
  EXPECT_NE(log.find("TextOut 5220 -400 \"" + shortened + "\""), std::string::npos) << log;
}

TEST_F(HeaderFooterTest, GermanAndRussianTextsAndFonts) {
  app_.project().settings.reportLanguage = "German";
  fw::golden::ExpectGolden(Log(2, 8), "header_footer_german.log");
  app_.project().settings.reportLanguage = "Russian";
  app_.project().projectPath = "/tmp/откос.NAT";
  const std::string russian = Log(10, 10);
  fw::golden::ExpectGolden(russian, "header_footer_russian.log");
  // The Russian label runs straight into the date, every text in the Cyrillic font.
  EXPECT_NE(russian.find("\"Издательство:Thu Mar 05 14:07:09 2009\""), std::string::npos);
  EXPECT_EQ(russian.find("\"Arial\""), std::string::npos);
}

TEST_F(HeaderFooterTest, TextsByLanguage) {
  EXPECT_EQ(VersionBand(ReportLanguage::kEnglish).size(), 372u);
  std::string dutch = "Versie 4.0 ";
  for (int i = 0; i < 19; ++i) dutch += "Tervane Versie 4.0  ";
  EXPECT_EQ(VersionBand(ReportLanguage::kDutch), dutch);
  EXPECT_EQ(PageNumberText(ReportLanguage::kDutch, 2, 8), "Pagina 2 van  8");
  EXPECT_EQ(PageNumberText(ReportLanguage::kGerman, 2, 8), "Seite 2 -  8");
  EXPECT_EQ(PageNumberText(ReportLanguage::kNorwegian, 1, 6), " 1 of  6");
  EXPECT_EQ(PageNumberText(ReportLanguage::kRussian, 10, 10), "Страницы 10 из  10");
  EXPECT_EQ(MakersNotice(0).find("©"), 0u);
  EXPECT_EQ(MakersNotice(1).find("(c)"), 0u);
  EXPECT_EQ(MakersNotice(1).find("©"), std::string::npos);
}

TEST_F(HeaderFooterTest, AsianPacificNoticeEmptyTitleAndPathsAtTheLimit) {
  app_.project().settings.symbolStyle = 1;
  app_.project().runInput.projectTitle.clear();
  app_.project().projectPath = std::string(100, 'p');
  const std::string log = Log(1, 6);
  EXPECT_NE(log.find("TextOut 600 -14850 \"(c) 1998-2026"), std::string::npos);
  EXPECT_NE(log.find("\"" + std::string(100, 'p') + "\""), std::string::npos);
  // No title: only the fixed texts at the title places, and the same rules.
  EXPECT_EQ(log.find("TextOut 600 -14650"), std::string::npos);
  const auto rules = [](const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = text.find("LineTo 11200 "); at != std::string::npos; at = text.find("LineTo 11200 ", at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(rules(log), 9u);
}

}  // namespace
}  // namespace tervane
