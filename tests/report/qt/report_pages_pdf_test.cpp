// A run of 71 layers computed by the engine, printed through the page loop
// onto the framework's PDF printer in English, German and Russian: ten
// pages, each with its heading and a telling row where pdftotext finds them,
// Cyrillic letters in the Russian file, and the pages rendered to look at.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/QtTestApp.h"
#include "../PageTestSupport.h"
#include "support/ReportQtSupport.h"
#include "framework/testing/FakeServices.h"
#include "framework/PageSource.h"
#include "framework/qt/QtPrint.h"

namespace tervane {
namespace {

class ReportPagesPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().projectPath = "/home/engineer/projects/riverside/slope_B.NAT";
    reporttest::RunUserLayers(app_.project(), 71);
    app_.project().results.runCallCount = 2;
  }

  // The whole report through the page loop onto a PDF printer.
  std::string Print(const std::string& language) {
    app_.project().settings.reportLanguage = language;
    const std::string path = dir_.File(language + ".pdf");
    reporttest::PreparedPrinter prepared;
    auto pdf = fw::MakePdfPrinterDC(path);
    EXPECT_TRUE(fw::PrintPages(*pdf, prepared.printer, 1, prepared.printer.PageCount(), "Tervane"));
    pdf.reset();
    reportqt::RenderShots(path, "pages_" + language);
    return path;
  }
  static int Pages(const std::string& pdf) { return reportqt::PdfPageCount(pdf); }
  // The text of a page with its layout, runs of blanks as one blank.
  static std::string PageText(const std::string& pdf, int page) { return reportqt::PdfPageText(pdf, page, true); }
  void ExpectPages(const std::string& pdf, const std::vector<std::vector<std::string>>& expected) {
    ASSERT_EQ(Pages(pdf), 10) << pdf;
    for (std::size_t page = 0; page < expected.size(); ++page) {
      const std::string text = PageText(pdf, static_cast<int>(page) + 1);
      for (const std::string& part : expected[page]) {
        EXPECT_NE(text.find(part), std::string::npos) << pdf << " page " << page + 1 << ": " << part << "\n" << text;
      }
    }
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
};

bool HavePoppler() { return reportqt::HaveTool("pdfinfo") && reportqt::HaveTool("pdftotext"); }

TEST_F(ReportPagesPdfTest, EnglishReportOf71Layers) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler tools missing";
  const AnalysisResults& r = app_.project().results;
  ASSERT_EQ(r.resultLayerCount, 71);
  const std::string row36 = "36 14.00";
  const std::string row71 = "71 28.00";
  ExpectPages(Print("English"),
              {{"PROJECT IDENTIFICATION"},
               {"GEOMETRY AND LOADING DATA", "Height of slope, H [m] 30.00", "Water is not present.", "SCALE:"},
               {"SOIL DATA", "Internal angle of friction,", "GENERAL SAFETY FACTORS",
                "(-------- Manual input data --------)"},
               {"SUMMARY OF TIEBACK AND COMPOUND RESULTS", "1 0.00"},
               {"SUMMARY OF TIEBACK AND COMPOUND RESULTS", "( Continues )", row36, "70 27.60"},
               {"SUMMARY OF TIEBACK AND COMPOUND RESULTS", "( Continues )", row71},
               {"DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES", "1 0.00"},
               {"DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES", "( Continues )", row36},
               {"DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES", row71},
               {"RESULTS OF DIRECT SLIDING AND DEEPSEATED ANALYSES", "Theta-critical =",
                "NOTE: Target Fs was smaller than initially computed.", "TIEBACK & COMPOUND"}});
}

TEST_F(ReportPagesPdfTest, GermanAndRussianReportsOf71Layers) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler tools missing";
  ExpectPages(Print("German"),
              {{"PROJEKT"},
               {"ANGABEN ZUR GEOMETRIE UND DEN AUFLASTEN", "Wasser ist nicht vorhanden.", "Maßstab:"},
               {"BODENKENNWERTE", "innerer Reibungswinkel,", "SEISMISCHE PARAMETER",
                "(--------- manuelle Eingabe --------)"},
               {"ZUSAMMENFASSUNG GEGENÜBER BÖSCHUNGSBRUCH"},
               {"(Zusammenhang)", "36 14.00"},
               {"(Zusammenhang)", "71 28.00"},
               {"DETAILIERTE ERGEBNISSE ZUM BÖSCHUNGSBRUCH"},
               {"(Zusammenhang)", "36 14.00"},
               {"71 28.00"},
               {"ERGEBNISSE DER GLEIT- UND GRUNDBRUCHBERECHNUNG", "GRUNDBRUCH",
                "INNERE- UND ÄUßERE STANDSICHERHEIT"}});
  const std::string russian = Print("Russian");
  ExpectPages(russian,
              {{"НАЗВАНИE ПРОEКТА"},
               {"ГЕОМЕТРИЯ СООРУЖЕНИЯ И РАСЧЕТНЫЕ НАГРУЗКИ", "Вода не обнаружена.", "МАСШТАБ:"},
               {"ХАРАКТЕРИСТИКИ ГРУНТОВ", "Угол внутреннего трения,", "(--------- Вводимые данные ---------)"},
               {"ОБЩИЕ РЕЗУЛЬТАТЫ ПО АНАЛИЗУ ОТТЯЖКИ КЛИНА", "[кН/м]"},
               {"( Продолжение )", "36 14.00"},
               {"( Продолжение )", "71 28.00"},
               {"ДЕТАЛЬНЫЕ РЕЗУЛЬТАТЫ РАСЧЕТОВ ОБШЕЙ И ВНУТРЕННЕЙ", "[м]"},
               {"( Продолжение )", "36 14.00"},
               {"71 28.00"},
               {"РЕЗУЛЬТАТЫ АНАЛИЗОВ НА СКОЛЬЖЕНИЕ И НА ГЛУБИННЫЙ СДВИГ", "ГЛУБИННЫЙ СДВИГ"}});
  // The text of the Russian file is Cyrillic, not question marks.
  const std::string soil = PageText(russian, 3);
  EXPECT_EQ(soil.find("???"), std::string::npos);
}

// Every language prints its ten pages; the text of the files holds no
// replacement characters (letters the fonts could not carry).
TEST_F(ReportPagesPdfTest, EveryLanguagePrintsItsPages) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler tools missing";
  for (std::string_view language : kReportLanguageNames) {
    const std::string pdf = Print(std::string(language));
    ASSERT_EQ(Pages(pdf), 10) << language;
    for (int page = 2; page <= 10; ++page) {
      EXPECT_EQ(PageText(pdf, page).find("\xEF\xBF\xBD"), std::string::npos) << language << " page " << page;
    }
  }
}

}  // namespace
}  // namespace tervane
