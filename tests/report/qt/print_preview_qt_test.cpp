// The report's print preview in a window (offscreen): shown over the main
// window's client area with the main menu hidden, the same pages as the
// PDF, its buttons, Print going through File > Print (the options first),
// and Close bringing the main menu back. With TERVANE_SHOTS_DIR set, the
// window is saved there to look at.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "../../framework/qt/QtTestApp.h"
#include "../ReportTestSupport.h"
#include "ReportQtSupport.h"
#include "app/TervaneApp.h"
#include "framework/FakeServices.h"
#include "framework/HeadlessBackend.h"
#include "framework/qt/QtPrint.h"
#include "framework/qt/QtPrintPreview.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

using fw::Script;

// The main window as the shell's hook will do it: the preview over the
// client area, the main menu (a stand-in here) hidden meanwhile.
class MainWindowHost : public ReportPreviewHost {
 public:
  MainWindowHost() {
    window.resize(900, 700);
    client = new QWidget(&window);
    window.setCentralWidget(client);
    mainMenu = new QLabel(QStringLiteral("main menu"), client);
    window.show();
  }
  void ShowPreview(std::shared_ptr<fw::PrintPreviewModel> model) override {
    preview = new fw::QtPrintPreviewWidget(std::move(model), client);
    preview->setGeometry(client->rect());
    preview->show();
    preview->raise();
  }
  void HidePreview() override {
    if (preview == nullptr) return;
    preview->hide();
    preview->deleteLater();
    preview = nullptr;
  }
  void ShowMainMenu(bool visible) override { mainMenu->setVisible(visible); }
  void FilePrint() override {
    if (onFilePrint) onFilePrint();
  }
  int PreviewPages() const override { return pages; }
  void SetPreviewPages(int p) override { pages = p; }

  QMainWindow window;
  QWidget* client = nullptr;
  QLabel* mainMenu = nullptr;
  fw::QtPrintPreviewWidget* preview = nullptr;
  std::function<void()> onFilePrint;
  int pages = 1;
};

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

class PrintPreviewQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    app_.app().dataDirectory = dir_.Path().string();
    app_.app().projectPath = "/home/engineer/projects/riverside/slope_A.NAT";
    app_.app().settings.logoPath = dir_.File("logo.bmp");
    ASSERT_TRUE(reportqt::WriteLogo(app_.app().settings.logoPath));
    reporttest::SetUpRun(app_.app(), 20);
  }

  ScopedApp app_;
  reporttest::TempDir dir_;
  fw::ScopedFakeServices fakes_;
  fw::HeadlessSession session_;
  CReportPrinter printer_;
};

TEST_F(PrintPreviewQtTest, ShowsThePdfsPagesAndCloseBringsTheMainMenuBack) {
  MainWindowHost host;
  session_.Queue(Script().Type(1221, "German").Enter());
  ASSERT_TRUE(printer_.OnFilePrintPreview(host));
  ASSERT_NE(host.preview, nullptr);
  QApplication::processEvents();
  EXPECT_FALSE(host.mainMenu->isVisible());
  EXPECT_TRUE(host.preview->isVisible());
  EXPECT_EQ(host.preview->geometry(), host.client->rect());
  EXPECT_FALSE(host.preview->PrevButton()->isEnabled());
  EXPECT_TRUE(host.preview->NextButton()->isEnabled());
  reportqt::SaveShot(host.window.grab().toImage(), "print_preview_page1");

  // The page as the preview paints it and as the PDF printer prints it.
  if (reportqt::HaveTool("pdftoppm")) {
    const std::string pdf = dir_.File("same.pdf");
    {
      auto dc = fw::MakePdfPrinterDC(pdf);
      ASSERT_TRUE(fw::PrintPages(*dc, printer_, 1, 1, "same"));
    }
    const std::string png = dir_.File("same");
    ASSERT_EQ(std::system(("pdftoppm -r 60 -f 1 -l 1 -singlefile -png '" + pdf + "' '" + png + "'").c_str()), 0);
    const QImage sheet(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(sheet.isNull());
    // The printable area starts a quarter inch (15 pixels at 60 dpi) in.
    const QImage printed = sheet.copy(15, 15, sheet.width() - 30, sheet.height() - 30);
    const QImage shown = fw::QtPrintPreviewWidget::RenderPage(printer_, 1, 60, host.preview->Model().Paper());
    reportqt::SaveShot(shown, "print_preview_render_page1");
    EXPECT_LT(Unmatched(shown, printed, 100, 230), 0.03);
    EXPECT_LT(Unmatched(printed, shown, 100, 230), 0.03);
  }

  host.preview->NextButton()->click();
  EXPECT_EQ(host.preview->Model().FirstPage(), 2);
  host.preview->PagesButton()->click();
  EXPECT_EQ(host.preview->Model().PagesShown(), 2);
  EXPECT_EQ(host.preview->PagesButton()->text(), QStringLiteral("One Page"));
  QApplication::processEvents();
  reportqt::SaveShot(host.window.grab().toImage(), "print_preview_two_pages");
  host.preview->ZoomInButton()->click();
  EXPECT_TRUE(host.preview->ZoomOutButton()->isEnabled());
  EXPECT_GT(host.preview->ClientArea()->height(), host.client->height());
  QApplication::processEvents();
  reportqt::SaveShot(host.window.grab().toImage(), "print_preview_zoomed");

  host.preview->CloseButton()->click();
  QApplication::processEvents();
  EXPECT_EQ(host.preview, nullptr);
  EXPECT_TRUE(host.mainMenu->isVisible());
  EXPECT_EQ(host.pages, 2);  // kept for the profile
  EXPECT_FALSE(printer_.PreviewActive());
  reportqt::SaveShot(host.window.grab().toImage(), "print_preview_closed");
}

TEST_F(PrintPreviewQtTest, PrintGoesThroughFilePrintWithTheOptionsFirst) {
  MainWindowHost host;
  const std::string pdf = dir_.File("from_preview.pdf");
  fw::PdfFilePrintService printing(pdf);
  reporttest::ScopedPrintService install(printing);
  host.onFilePrint = [&] { printer_.OnFilePrint(); };
  session_.Queue(Script().Enter());
  ASSERT_TRUE(printer_.OnFilePrintPreview(host));
  // The print's own options dialog: black and white this time.
  session_.Queue(Script().Click(1180).Enter());
  host.preview->PrintButton()->click();
  QApplication::processEvents();
  EXPECT_EQ(host.preview, nullptr);
  EXPECT_TRUE(host.mainMenu->isVisible());
  ASSERT_NE(session_.Find("IDD_DISPLAY_GRAPHICS", 1), nullptr);
  EXPECT_EQ(app_.app().settings.printColorMode, 1);
  if (reportqt::HaveTool("pdfinfo")) {
    EXPECT_NE(reportqt::RunAndRead("pdfinfo '" + pdf + "'").find("Pages:           6"), std::string::npos);
  }
}

TEST_F(PrintPreviewQtTest, PageKeysAndEscape) {
  MainWindowHost host;
  ASSERT_TRUE(printer_.OnFilePrintPreview(host));
  fw::QtPrintPreviewWidget* preview = host.preview;
  ASSERT_NE(preview, nullptr);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
  QApplication::sendEvent(preview, &down);
  QApplication::sendEvent(preview, &down);
  EXPECT_EQ(preview->Model().FirstPage(), 3);
  QKeyEvent up(QEvent::KeyPress, Qt::Key_PageUp, Qt::NoModifier);
  QApplication::sendEvent(preview, &up);
  EXPECT_EQ(preview->Model().FirstPage(), 2);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(preview, &escape);
  QApplication::processEvents();
  EXPECT_TRUE(host.mainMenu->isVisible());
  EXPECT_FALSE(printer_.PreviewActive());
}

}  // namespace
}  // namespace tervane
