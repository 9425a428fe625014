// The whole report printed to a PDF file by the program: through File > Print
// (the options dialog, then the printer: a PDF file) and from the command
// line (/pt FILE NAME.pdf); its page count for 35, 36 and 71 layers, the
// header, footer and title-page texts in English and German, the pages
// rendered to look at, and the report's texts measured in the real fonts.

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "support/QtTestApp.h"
#include "support/ShellPrinting.h"
#include "support/ReportQtSupport.h"
#include "model/ProjectFile.h"
#include "shell/TervaneApp.h"
#include "framework/testing/FakeServices.h"
#include "framework/FileIo.h"
#include "framework/View.h"
#include "framework/Frame.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Text.h"
#include "framework/qt/QtPainterDC.h"
#include "framework/qt/QtPrint.h"
#include "report/ReportLanguage.h"
#include "report/ReportPrinter.h"
#include "support/NumericLocale.h"

namespace tervane {
namespace {

using fw::Script;

// The program started (headless windows and dialogs, printing with Qt) with
// a new project; each print is the program's own File > Print onto a PDF
// file.
class ReportPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    session_.Queue(Script().Click(fw::IDOK));  // the start-up notice
    ASSERT_TRUE(App().InitInstance({}));
    ASSERT_NE(reporttest::NewProjectWithRun(1), nullptr);
    Project().projectPath = "/home/engineer/projects/riverside/slope_A.NAT";
    Project().settings.logoPath = home_.File("logo.bmp");
    ASSERT_TRUE(reportqt::WriteLogo(Project().settings.logoPath));
  }

  // Prints the report of a run of `layers` layers through File > Print in
  // the language chosen in the options dialog; returns the PDF's path.
  std::string Print(const std::string& language, int layers) {
    reporttest::SetUpRun(Project(), layers);
    const std::string path = home_.File(language + "_" + std::to_string(layers) + ".pdf");
    fw::PdfFilePrintService pdf(path);
    reporttest::ScopedPrintService printing(pdf);
    session_.Queue(Script().Type(1221, language).Enter());
    EXPECT_TRUE(App().MainFrame()->SendCommand(fw::ID_FILE_PRINT));
    EXPECT_TRUE(fakes_.messageBox.Texts().empty());
    return path;
  }
  static int Pages(const std::string& pdf) { return reportqt::PdfPageCount(pdf); }
  // The text of a page, runs of blanks as one blank.
  static std::string PageText(const std::string& pdf, int page) { return reportqt::PdfPageText(pdf, page, false); }
  void Render(const std::string& pdf, const std::string& name) { reportqt::RenderShots(pdf, name); }

  shelltest::TestHome home_{"report_pdf"};
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  ScopedApp app_;
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
      EXPECT_NE(text.find("1998-2026 Mirelo Engineering Inc."), std::string::npos) << page;
    }
    if (c.layers == 35) Render(pdf, "report_english");
  }
  const std::string title = PageText(home_.File("English_35.pdf"), 1);
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
  EXPECT_EQ(Project().settings.reportLanguage, "German");
  EXPECT_EQ(shelltest::ReadBytes(Project().dataDirectory + "/More.txt"), "German\n");
  const std::string title = PageText(pdf, 1);
  for (const char* expected : {"PROJEKT", "Titel:", "Projekt Nr.:", "Planer:", "Bemerkung:", "Dateipfad und - name:",
                               "Datum:", "bearbeitet am: Thu Mar 05 14:07:09 2009", "Seite 1 - 8",
                               "Entwickelt von:"}) {
    EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
  }
  EXPECT_NE(PageText(pdf, 8).find("Seite 8 - 8"), std::string::npos);
  Render(pdf, "report_german");
}

// Printed from the command line onto a PDF file (the printer's name ends in
// ".pdf"), with the program's own print services, as the desktop's print
// action does.
TEST_F(ReportPdfTest, TheCommandLinePrintsTheReportIntoTheNamedPdfFile) {
  if (!reportqt::HaveTool("pdfinfo") || !reportqt::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools missing";
  const std::string project = reporttest::WriteProjectWithRun(home_.File("command_line.NAT"), 36);
  const std::string pdf = home_.File("command line.pdf");
  fw::QtPrintService qtPrinting;
  reporttest::ScopedPrintService printing(qtPrinting);
  {
    ScopedApp program;
    session_.Queue(Script().Click(fw::IDOK));
    session_.Queue(Script().Type(1221, "German").Enter());  // the print options
    EXPECT_FALSE(App().InitInstance({"/pt", project, pdf}));
    EXPECT_EQ(App().ExitCode(), 0);
  }
  ASSERT_EQ(Pages(pdf), 8);
  for (int page = 1; page <= 8; ++page) {
    const std::string text = PageText(pdf, page);
    EXPECT_NE(text.find(project), std::string::npos) << page << text;
    EXPECT_NE(text.find("Seite " + std::to_string(page) + " - 8"), std::string::npos) << page << text;
    EXPECT_NE(text.find("bearbeitet am: Thu Mar 05 14:07:09 2009"), std::string::npos) << page << text;
  }
  const std::string title = PageText(pdf, 1);
  for (const char* expected : {"PROJEKT", "Riverside embankment", "TV-2026-014", "Entwickelt von:"})
    EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
  Render(pdf, "report_command_line");
  // Without results nothing is printed, and the program ends with a failure.
  const std::string empty = home_.File("no_results.NAT");
  {
    ProjectData data;
    std::string error;
    ASSERT_TRUE(SaveProjectFile(empty, data, error)) << error;
  }
  const std::string none = home_.File("none.pdf");
  {
    ScopedApp program;
    session_.Queue(Script().Click(fw::IDOK));
    EXPECT_FALSE(App().InitInstance({"/pt", empty, none}));
    EXPECT_EQ(App().ExitCode(), 1);
  }
  EXPECT_FALSE(std::filesystem::exists(none));
  EXPECT_EQ(fakes_.messageBox.Texts(), std::vector<std::string>{CTervaneApp::kNothingToPrintMessage});
}

// A PDF that cannot be written whole leaves the old file as it was, says why
// and ends the command-line print with a failure: a failing rename, a
// write-protected file.
TEST_F(ReportPdfTest, AFailedPdfKeepsTheOldFileAndTheCommandLineFails) {
  const std::string project = reporttest::WriteProjectWithRun(home_.File("faults.NAT"), 10);
  const std::string pdf = home_.File("kept.pdf");
  fw::QtPrintService qtPrinting;
  reporttest::ScopedPrintService printing(qtPrinting);
  const struct Case {
    bool readOnly;
    std::string reason;
  } cases[] = {{false, "Cannot replace " + pdf + ": " + std::strerror(EIO)}, {true, fw::ReadOnlyFileText(pdf)}};
  for (const Case& c : cases) {
    { std::ofstream(pdf, std::ios::binary) << "old pdf"; }
    ::chmod(pdf.c_str(), c.readOnly ? 0444 : 0644);
    const std::size_t shown = fakes_.messageBox.Texts().size();
    {
      ScopedApp program;
      fw::FileFaultHook previous = fw::SetFileFaultHook(
          [this](fw::FileOp op, const std::string& path) {
            // Only the PDF's own temporary file, beside it.
            return op == fw::FileOp::Rename && path.rfind(home_.File(".tervane-"), 0) == 0 ? EIO : 0;
          });
      session_.Queue(Script().Click(fw::IDOK));
      session_.Queue(Script().Enter());  // the print options
      EXPECT_FALSE(App().InitInstance({"/pt", project, pdf}));
      fw::SetFileFaultHook(std::move(previous));
      EXPECT_EQ(App().ExitCode(), 1);
    }
    EXPECT_EQ(shelltest::ReadBytes(pdf), "old pdf");
    ASSERT_EQ(fakes_.messageBox.Texts().size(), shown + 1) << fakes_.messageBox.Texts().back();
    EXPECT_EQ(fakes_.messageBox.Texts().back(), std::string(fw::kPrintFailed) + "\n\n" + c.reason);
    for (const auto& entry : std::filesystem::directory_iterator(home_.Root()))
      EXPECT_EQ(entry.path().filename().string().rfind(".tervane-", 0), std::string::npos) << entry.path();
    ::chmod(pdf.c_str(), 0644);
  }
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

// Project texts the Windows-1252 code page cannot hold survive the project
// file and reach the printed title page and page headers; and the report
// printed on a German or Turkish desktop has the same text as under "C".
TEST_F(ReportPdfTest, TextsOutsideTheCodePageAndEveryDesktopLocalePrintTheSame) {
  if (!reportqt::HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools missing";
  const std::string project = reporttest::WriteProjectWithRun(home_.File("wide.NAT"), 10);
  {
    auto data = std::make_unique<ProjectData>();
    std::string error;
    ASSERT_TRUE(LoadProjectFile(project, *data, error)) << error;
    for (ProjectInput* p : {&data->input, &data->runInput}) {
      p->projectTitle = "\u041E\u0442\u043A\u043E\u0441 \u21161";
      p->designerName = "Pawe\u0142 \u015Awi\u0105tek";
      p->projectNumber = "\u03C6-12";
      p->projectDescription = "\u0394\u03B9\u03AC\u03C4\u03BC\u03B7\u03C3\u03B7 \u0142\u0105k";
    }
    ASSERT_TRUE(SaveProjectFile(project, *data, error)) << error;
  }
  fw::QtPrintService qtPrinting;
  reporttest::ScopedPrintService printing(qtPrinting);
  std::vector<std::string> texts;
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    const std::string pdf = home_.File(std::string("wide_") + locale + ".pdf");
    {
      ScopedApp program;
      session_.Queue(Script().Click(fw::IDOK));
      session_.Queue(Script().Type(1221, "English").Enter());
      EXPECT_FALSE(App().InitInstance({"/pt", project, pdf}));
      EXPECT_EQ(App().ExitCode(), 0) << locale;
    }
    std::string all;
    const int pages = Pages(pdf);
    ASSERT_GT(pages, 1) << locale;
    for (int page = 1; page <= pages; ++page) all += PageText(pdf, page) + "\f";
    texts.push_back(all);
  }
  const std::string title = PageText(home_.File("wide_C.pdf"), 1);
  for (const char* expected : {"\u041E\u0442\u043A\u043E\u0441 \u21161", "Pawe\u0142 \u015Awi\u0105tek", "\u03C6-12",
                               "\u0394\u03B9\u03AC\u03C4\u03BC\u03B7\u03C3\u03B7 \u0142\u0105k"})
    EXPECT_NE(title.find(expected), std::string::npos) << expected << "\n" << title;
  EXPECT_NE(PageText(home_.File("wide_C.pdf"), 2).find("\u041E\u0442\u043A\u043E\u0441 \u21161"), std::string::npos)
      << PageText(home_.File("wide_C.pdf"), 2);
  for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_EQ(texts[i], texts[0]) << testsupport::kDesktopLocales[i];
}

// On the title page every label ends before the value beside it, in every
// language, measured in the real fonts at 600 dpi.
TEST(TitlePageLabelsTest, LabelsEndBeforeTheirValues) {
  qttest::EnsureQtApplication();
  ScopedApp app;
  fw::ScopedFakeServices fakes;
  reporttest::SetUpRun(app.project(), 5);
  app.project().runInput.projectDescription = "Short.";
  app.project().projectPath = "/p.NAT";
  QImage device(10, 10, QImage::Format_RGB32);
  device.setDotsPerMeterX(23622);  // 600 dpi
  device.setDotsPerMeterY(23622);
  fw::QtPainterDC measure(device);
  measure.SetMapMode(fw::MapMode::Twips);
  for (std::string_view name : kReportLanguageNames) {
    app.project().settings.reportLanguage = std::string(name);
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
