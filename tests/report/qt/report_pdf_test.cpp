// The whole report printed to a PDF file through File > Print (the options
// dialog, then the printer: a PDF file): its page count for 35, 36 and 71
// layers, the header, footer and title-page texts in English and German, the
// pages rendered to look at, and the report's texts measured in the real
// fonts.

#include <QFontMetrics>
#include <QImage>

#include <cstdio>
#include <vector>
#include <gtest/gtest.h>

#include <string>

#include "../../framework/qt/QtTestApp.h"
#include "../ReportTestSupport.h"
#include "ReportQtSupport.h"
#include "app/TervaneApp.h"
#include "framework/FakeServices.h"
#include "framework/HeadlessBackend.h"
#include "framework/Text.h"
#include "framework/qt/QtPainterDC.h"
#include "framework/qt/QtPrint.h"
#include "report/ReportLanguage.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

using fw::Script;

class ReportPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    app_.app().dataDirectory = dir_.Path().string();
    app_.app().projectPath = "/home/engineer/projects/riverside/slope_A.NAT";
    app_.app().settings.logoPath = dir_.File("logo.bmp");
    ASSERT_TRUE(reportqt::WriteLogo(app_.app().settings.logoPath));
  }

  // Prints the report in the language chosen in the options dialog; returns
  // the PDF's path.
  std::string Print(const std::string& language, int layers) {
    reporttest::SetUpRun(app_.app(), layers);
    const std::string path = dir_.File(language + "_" + std::to_string(layers) + ".pdf");
    fw::PdfFilePrintService pdf(path);
    reporttest::ScopedPrintService printing(pdf);
    fw::HeadlessSession session;
    session.Queue(Script().Type(1221, language).Enter());
    CReportPrinter printer;
    EXPECT_TRUE(printer.OnFilePrint());
    return path;
  }
  static int Pages(const std::string& pdf) {
    const std::string info = reportqt::RunAndRead("pdfinfo '" + pdf + "'");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
  }
  // The text of a page with every run of blanks as one blank (the PDF's
  // text keeps no double blanks: the exact texts are pinned by the drawing
  // logs).
  static std::string PageText(const std::string& pdf, int page) {
    const std::string raw = reportqt::RunAndRead("pdftotext -f " + std::to_string(page) + " -l " +
                                                 std::to_string(page) + " '" + pdf + "' -");
    return Squeeze(raw);
  }
  static std::string Squeeze(const std::string& text) {
    std::string out;
    for (char c : text) {
      if (c == ' ' && !out.empty() && out.back() == ' ') continue;
      out += c;
    }
    return out;
  }
  void Render(const std::string& pdf, const std::string& name) {
    const std::string shots = reportqt::ShotsDir();
    if (shots.empty()) return;
    std::system(("pdftoppm -png -r 60 '" + pdf + "' '" + shots + "/" + name + "'").c_str());
    std::system(("cp '" + pdf + "' '" + shots + "/" + name + ".pdf'").c_str());
  }

  ScopedApp app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(ReportPdfTest, EnglishReportsOf35_36And71Layers) {
  if (!reportqt::HaveTool("pdfinfo") || !reportqt::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools missing";
  struct Case {
    int layers;
    int pages;
  } cases[] = {{35, 6}, {36, 8}, {71, 10}};
  for (const Case& c : cases) {
    const std::string pdf = Print("English", c.layers);
    ASSERT_EQ(Pages(pdf), c.pages) << c.layers;
    for (int page = 1; page <= c.pages; ++page) {
      const std::string text = PageText(pdf, page);
      EXPECT_NE(text.find("Tervane Version 4.0"), std::string::npos) << page;
      EXPECT_NE(text.find("Printed on: Thu Mar 05 14:07:09 2009"), std::string::npos) << page << text;
      EXPECT_NE(text.find("/home/engineer/projects/riverside/slope_A.NAT"), std::string::npos) << page;
      EXPECT_NE(text.find("Page " + std::to_string(page) + " of " + std::to_string(c.pages)), std::string::npos)
          << page << text;
      EXPECT_NE(text.find("1998-2026 Mirelo Geosynthetics"), std::string::npos) << page;
    }
    if (c.layers == 35) Render(pdf, "report_english");
  }
  const std::string title = PageText(dir_.File("English_35.pdf"), 1);
  for (const char* expected : {"PROJECT IDENTIFICATION", "Title:", "Riverside embankment", "Project Number:",
                               "TV-2026-014", "Designer:", "Description:", "Steep reinforced slope",
                               "File path and name:", "Date and time of creating the input data file:", "12/05/2026",
                               "This report was created by Tervane Version 4.0", "Developed by:"}) {
    EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
  }
}

TEST_F(ReportPdfTest, GermanReport) {
  if (!reportqt::HaveTool("pdfinfo") || !reportqt::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools missing";
  const std::string pdf = Print("German", 36);
  ASSERT_EQ(Pages(pdf), 8);
  EXPECT_EQ(app_.app().settings.reportLanguage, "German");
  EXPECT_EQ(dir_.Read("More.txt"), "German\n");
  const std::string title = PageText(pdf, 1);
  for (const char* expected : {"PROJEKT", "Titel:", "Projekt Nr.:", "Planer:", "Bemerkung:", "Dateipfad und - name:",
                               "Datum:", "bearbeitet am: Thu Mar 05 14:07:09 2009", "Seite 1 - 8",
                               "Entwickelt von:"}) {
    EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
  }
  EXPECT_NE(PageText(pdf, 8).find("Seite 8 - 8"), std::string::npos);
  Render(pdf, "report_german");
}

TEST_F(ReportPdfTest, RussianAndPolishTitlePagesKeepTheirLetters) {
  if (!reportqt::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools missing";
  const std::string russian = Print("Russian", 10);
  const std::string text = PageText(russian, 1);
  EXPECT_NE(text.find("Номер проекта:"), std::string::npos) << text;
  EXPECT_NE(text.find("Страницы 1 из 6"), std::string::npos) << text;
  EXPECT_NE(text.find("Издательство:Thu Mar 05"), std::string::npos) << text;
  const std::string polish = PageText(Print("Polish", 10), 1);
  EXPECT_NE(polish.find("Ścieżka dostępu i nazwa pliku:"), std::string::npos) << polish;
  Render(russian, "report_russian");
}

// On the title page every label ends before the value beside it, in every
// language, measured in the real fonts at 600 dpi.
TEST(TitlePageLabelsTest, LabelsEndBeforeTheirValues) {
  qttest::EnsureQtApplication();
  ScopedApp app;
  fw::ScopedFakeServices fakes;
  reporttest::SetUpRun(app.app(), 5);
  app.app().runInput.projectDescription = "Short.";
  app.app().projectPath = "/p.NAT";
  QImage device(10, 10, QImage::Format_RGB32);
  device.setDotsPerMeterX(23622);  // 600 dpi
  device.setDotsPerMeterY(23622);
  fw::QtPainterDC measure(device);
  measure.SetMapMode(fw::MapMode::Twips);
  for (std::string_view name : kReportLanguageNames) {
    app.app().settings.reportLanguage = std::string(name);
    // The page as drawn: the font of each text, and a label at x = 1200
    // followed by its value on the same row.
    std::vector<reportqt::DrawnText> texts;
    reportqt::TextWatchDC watch(texts);
    CReportPrinter printer;
    ReportPrintInfo info;
    printer.PrintTitlePage(watch, info);
    int checked = 0;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
      const reportqt::DrawnText& label = texts[i];
      const reportqt::DrawnText& value = texts[i + 1];
      if (label.at.x != 1200 || value.at.y != label.at.y) continue;
      measure.SelectFont(label.font);
      const int end = label.at.x + measure.GetTextExtent(label.text).cx;
      EXPECT_LT(end + 60, value.at.x) << name << ": \"" << label.text << "\" ends at " << end;
      ++checked;
    }
    EXPECT_GE(checked, 4) << name;  // title, number, designer, file (and the date beside its label)
  }
}

// Every registered text can be drawn by the font of its language: no letter
// that Liberation Sans or Serif lacks.
TEST(ReportTextTablesTest, EveryTextExistsAndItsFontHasItsLetters) {
  qttest::EnsureQtApplication();
  CReportPrinter keepsThePagesLinked;
  (void)keepsThePagesLinked;
  ASSERT_FALSE(AllReportTextTables().empty());
  QImage device(10, 10, QImage::Format_RGB32);
  fw::QtPainterDC dc(device);
  for (const ReportTextTable& table : AllReportTextTables()) {
    for (const ReportTextEntry& entry : table.entries) {
      for (std::size_t i = 0; i < kReportLanguageCount; ++i) {
        const auto language = static_cast<ReportLanguage>(i);
        const std::string_view text = Pick(*entry.texts, language);
        // Empty only where the language prints nothing on purpose.
        EXPECT_EQ(text.empty(), (entry.emptyIn & LanguageBit(language)) != 0)
            << table.page << " / " << entry.label << " / " << ReportLanguageName(language);
        for (FontRole role : {FontRole::kBody, FontRole::kHeading}) {
          const QFontMetrics metrics(dc.ToQFont(ReportFont(language, role, 250)));
          for (char32_t c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4()) {
            if (c == U'\n') continue;  // where the text goes on, on the next line
            EXPECT_TRUE(metrics.inFontUcs4(c)) << table.page << " / " << entry.label << " / "
                                               << ReportLanguageName(language) << ": U+" << std::hex
                                               << static_cast<unsigned>(c);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tervane
