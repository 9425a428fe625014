// The report's print preview in the program's real windows (offscreen): File
// > Print Preview asks for the options, hides the main menu and shows the
// preview over the main window's client area; it shows the same pages as the
// PDF that its Print produces through File > Print (the options first), and
// Close, Esc and Print bring the main menu back. With TERVANE_SHOTS_DIR set,
// the window is saved there to look at.

#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "support/ShellTestSupport.h"
#include "support/QtDialogTestSupport.h"
#include "support/ShellPrinting.h"
#include "support/ReportQtSupport.h"
#include "shell/SplashWindow.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "shell/TervaneView.h"
#include "framework/testing/FakeServices.h"
#include "framework/Frame.h"
#include "framework/qt/QtFrame.h"
#include "framework/qt/QtPrint.h"
#include "framework/qt/QtPrintPreview.h"

namespace tervane {
namespace {

// Share of the dark pixels of `a` that have no dark pixel of `b` within one
// pixel (the PDF renderer smooths its edges, the preview does not).
double Unmatched(const QImage& a, const QImage& b, int darkA, int darkB) {
  long dark = 0;
  long unmatched = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (qGray(a.pixel(x, y)) >= darkA) continue;
      ++dark;
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const int u = x + dx, v = y + dy;
          found = b.valid(u, v) && qGray(b.pixel(u, v)) < darkB;
        }
      if (!found) ++unmatched;
    }
  }
  return dark == 0 ? 1.0 : static_cast<double>(unmatched) / static_cast<double>(dark);
}

// Answers the print options when they come: the language (none: as
// proposed), then OK. `inspect` looks at the program while they are up.
void AnswerOptions(const QString& language, std::function<void()> inspect = {}) {
  qttest::WhenModal([language, inspect](QDialog* d) {
    if (inspect) inspect();
    if (!language.isEmpty()) {
      auto* combo = d->findChild<QComboBox*>();
      ASSERT_NE(combo, nullptr);
      combo->setCurrentIndex(combo->findText(language));
    }
    QPushButton* ok = qttest::ButtonNamed(d, QStringLiteral("&OK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
  });
}

class PrintPreviewQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::WhenModal([](QDialog* d) { qttest::ButtonNamed(d, QStringLiteral("&OK"))->click(); });  // the notice
    ASSERT_TRUE(App().InitInstance({}));
    ASSERT_NE(reporttest::NewProjectWithRun(20), nullptr);
    Project().projectPath = "/home/engineer/projects/riverside/slope_A.NAT";
    Project().settings.logoPath = home_.File("logo.bmp");
    ASSERT_TRUE(reportqt::WriteLogo(Project().settings.logoPath));
    // The splash window goes, as at the user's first key.
    CSplashWindow::DestroySplash();
    qttest::Settle();
    ASSERT_TRUE(MainMenuWindow()->isVisible());
  }
  ~PrintPreviewQtTest() override { qttest::Settle(); }

  fw::QtFrameBackend* Frame() const { return dynamic_cast<fw::QtFrameBackend*>(App().MainFrame()->Backend()); }
  QMainWindow* Window() const { return Frame()->Window(); }
  fw::QtPrintPreviewWidget* Preview() const {
    return dynamic_cast<fw::QtPrintPreviewWidget*>(Frame()->PreviewWidget());
  }
  QWidget* MainMenuWindow() const { return qttest::QtBackendOf(*App().startDialog)->Window(); }
  // Starts the preview through the main window's command, the options
  // answered in `language`.
  fw::QtPrintPreviewWidget* StartPreview(const QString& language = QString(), std::function<void()> inspect = {}) {
    AnswerOptions(language, std::move(inspect));
    EXPECT_TRUE(App().MainFrame()->SendCommand(fw::ID_FILE_PRINT_PREVIEW));
    qttest::Settle();
    return Preview();
  }
  static QString PageLabel(QWidget* preview) {
    for (QLabel* label : preview->findChildren<QLabel*>())
      if (label->text().startsWith(QStringLiteral("Page"))) return label->text();
    return QString();
  }

  shelltest::TestHome home_{"report_preview_qt"};
  qttest::ScopedQtBackend dialogs_;
  qttest::ScopedQtWindows windows_;
  fw::ScopedFakeServices fakes_;
  const std::string pdf_ = home_.File("from the preview.pdf");
  fw::PdfFilePrintService printing_{pdf_};
  reporttest::ScopedPrintService installPrinting_{printing_};
  ScopedApp app_;
};

TEST_F(PrintPreviewQtTest, ShowsThePagesItsPrintPutsIntoThePdfAndThenTheMainMenuAgain) {
  bool menuHiddenDuringOptions = false;
  fw::QtPrintPreviewWidget* preview =
      StartPreview(QStringLiteral("German"), [&] { menuHiddenDuringOptions = !MainMenuWindow()->isVisible(); });
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(menuHiddenDuringOptions);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_FALSE(MainMenuWindow()->isVisible());
  // Over the whole client area, below the bars.
  EXPECT_EQ(preview->size(), Window()->centralWidget()->size());
  EXPECT_FALSE(preview->PrevButton()->isEnabled());
  EXPECT_TRUE(preview->NextButton()->isEnabled());
  EXPECT_EQ(PageLabel(preview), QStringLiteral("Page 1 of 6"));
  // The sheet is the printer's: A4 with a quarter inch unprinted.
  const fw::PreviewPaper paper = preview->Model().Paper();
  EXPECT_EQ(paper.paper, (fw::Size{11899, 16840}));
  EXPECT_EQ(paper.printable, (fw::Rect{360, 360, 11539, 16480}));
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_page1");

  // Every page as the preview paints it, at 60 dpi.
  std::vector<QImage> shown;
  for (int page = 1; page <= 6; ++page)
    shown.push_back(fw::QtPrintPreviewWidget::RenderPage(preview->Model().Source(), page, 60, paper));
  reportqt::SaveShot(shown[0], "print_preview_render_page1");

  preview->NextButton()->click();
  EXPECT_EQ(preview->Model().FirstPage(), 2);
  EXPECT_EQ(PageLabel(preview), QStringLiteral("Page 2 of 6"));
  preview->PagesButton()->click();
  EXPECT_EQ(preview->Model().PagesShown(), 2);
  EXPECT_EQ(preview->PagesButton()->text(), QStringLiteral("One Page"));
  EXPECT_EQ(PageLabel(preview), QStringLiteral("Pages 2-3 of 6"));
  qttest::Settle();
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_two_pages");
  preview->ZoomInButton()->click();
  EXPECT_TRUE(preview->ZoomOutButton()->isEnabled());
  EXPECT_GT(preview->ClientArea()->height(), preview->height());
  qttest::Settle();
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_zoomed");

  // Print: the preview ends, then File > Print with its options (as they
  // were proposed: German) and the printer, a PDF file here.
  AnswerOptions(QString());
  preview->PrintButton()->click();
  qttest::Settle();
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_TRUE(MainMenuWindow()->isVisible());
  EXPECT_EQ(App().PreviewPages(), 2);  // kept for the profile
  EXPECT_EQ(Project().settings.reportLanguage, "German");
  ASSERT_TRUE(std::filesystem::exists(pdf_));
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_after_print");
  if (!reportqt::HaveTool("pdfinfo") || !reportqt::HaveTool("pdftoppm")) GTEST_SKIP() << "poppler tools missing";
  EXPECT_NE(reportqt::RunAndRead("pdfinfo '" + pdf_ + "'").find("Pages:           6"), std::string::npos);
  // The printable area starts a quarter inch (15 pixels at 60 dpi) in.
  const std::string png = home_.File("printed");
  ASSERT_EQ(std::system(("pdftoppm -r 60 -png '" + pdf_ + "' '" + png + "'").c_str()), 0);
  for (int page = 1; page <= 6; ++page) {
    const QImage sheet(QString::fromStdString(png + "-" + std::to_string(page) + ".png"));
    ASSERT_FALSE(sheet.isNull()) << page;
    const QImage printed = sheet.copy(15, 15, shown[0].width(), shown[0].height());
    // The two renderers hint small text differently (the bands' microtext,
    // dense tables), so a share of dark pixels finds no partner within a
    // pixel; a page that differed in content would leave far more.
    EXPECT_LT(Unmatched(shown[static_cast<std::size_t>(page - 1)], printed, 100, 230), 0.10) << page;
    EXPECT_LT(Unmatched(printed, shown[static_cast<std::size_t>(page - 1)], 100, 230), 0.10) << page;
  }
  // And the same pages in the same order: each page's own heading.
  const std::string text = reportqt::RunAndRead("pdftotext -layout '" + pdf_ + "' -");
  const std::size_t summary = text.find("ZUSAMMENFASSUNG");
  ASSERT_NE(summary, std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(summary), '\f'), 3);
}

TEST_F(PrintPreviewQtTest, CloseAndEscEndThePreviewAndBringTheMainMenuBack) {
  fw::QtPrintPreviewWidget* preview = StartPreview();
  ASSERT_NE(preview, nullptr);
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_title_page");
  preview->CloseButton()->click();
  qttest::Settle();
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_EQ(App().MainFrame()->Preview(), nullptr);
  EXPECT_TRUE(MainMenuWindow()->isVisible());
  reportqt::SaveShot(Window()->grab().toImage(), "print_preview_closed");

  // Page keys turn the pages; Esc ends the preview, also with the main menu
  // hidden by Esc before it.
  App().startDialog->ShowWindow(false);
  preview = StartPreview();
  ASSERT_NE(preview, nullptr);
  qttest::Key(preview, Qt::Key_PageDown);
  qttest::Key(preview, Qt::Key_PageDown);
  EXPECT_EQ(preview->Model().FirstPage(), 3);
  qttest::Key(preview, Qt::Key_PageUp);
  EXPECT_EQ(preview->Model().FirstPage(), 2);
  qttest::Key(preview, Qt::Key_Escape);
  qttest::Settle();
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_TRUE(MainMenuWindow()->isVisible());
  EXPECT_FALSE(std::filesystem::exists(pdf_));  // nothing was printed
}

}  // namespace
}  // namespace tervane
