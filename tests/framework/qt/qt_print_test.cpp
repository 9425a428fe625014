#include "framework/qt/QtPrint.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/QtTestApp.h"
#include "support/Commands.h"

namespace tervane::fw {
namespace {

using testsupport::HaveTool;
using testsupport::RunAndRead;

class QtPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::EnsureQtApplication();
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath("report.pdf").toStdString();
  }

  QTemporaryDir dir_;
  std::string path_;
};

// One page in twips, as the report prints: a rule one inch down from one to
// three inches across, and a text whose cell starts two inches down.
void PrintFirstPage(DeviceContext& dc) {
  dc.SetMapMode(MapMode::Twips);
  dc.SelectPen(Pen::Solid(20, kBlack));
  dc.MoveTo(1440, -1440);
  dc.LineTo(4320, -1440);
  Font font;
  font.face = "Arial";
  font.height = -250;
  dc.SelectFont(font);
  dc.TextOut(1440, -2880, "Tervane Version 4.0");
}

TEST_F(QtPrintTest, PdfPagesHoldLinesAndReadableText) {
  auto dc = MakePdfPrinterDC(path_);
  EXPECT_EQ(dc->PixelsPerInchX(), 600);
  EXPECT_EQ(dc->PixelsPerInchY(), 600);
  // A4 less a quarter inch on every side, at 600 dpi.
  EXPECT_NEAR(dc->DeviceSize().cx, 4658, 2);
  EXPECT_NEAR(dc->DeviceSize().cy, 6716, 2);

  ASSERT_TRUE(dc->StartDoc("test"));
  ASSERT_TRUE(dc->StartPage());
  PrintFirstPage(*dc);
  ASSERT_TRUE(dc->EndPage());
  ASSERT_TRUE(dc->StartPage());
  dc->TextOut(1440, -1440, "Page 2 of  2");
  ASSERT_TRUE(dc->EndPage());
  ASSERT_TRUE(dc->EndDoc());
  EXPECT_EQ(dc->PagesPrinted(), 2);
  dc.reset();

  QFile file(QString::fromStdString(path_));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
  file.close();

  if (!HaveTool("pdftoppm") || !HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools not installed";
  const std::string text = RunAndRead("pdftotext -layout '" + path_ + "' -");
  EXPECT_NE(text.find("Tervane Version 4.0"), std::string::npos) << text;
  EXPECT_NE(text.find("Page 2 of"), std::string::npos) << text;
  EXPECT_NE(text.find('\f'), std::string::npos);  // two pages

  // Page 1 at 72 dpi: the printable area starts 18 pixels in.
  const std::string png = dir_.filePath("page").toStdString();
  ASSERT_EQ(std::system(("pdftoppm -r 72 -f 1 -l 1 -singlefile -png '" + path_ + "' '" + png + "'").c_str()), 0);
  QImage page(QString::fromStdString(png + ".png"));
  ASSERT_FALSE(page.isNull());
  page.save("pdf_page_1.png");  // to look at, in the working directory
  EXPECT_NEAR(page.width(), 595, 1);
  const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  // The rule: y = 18 + 72, x from 90 to 234.
  EXPECT_TRUE(dark(100, 90));
  EXPECT_TRUE(dark(225, 90));
  EXPECT_FALSE(dark(80, 90));
  EXPECT_FALSE(dark(245, 90));
  EXPECT_FALSE(dark(150, 85));
  EXPECT_FALSE(dark(150, 95));
  // The text: its ink starts right of and below (90, 162), upright inside the
  // cell of a 12.5-point font.
  int left = page.width(), top = page.height(), bottom = -1;
  for (int y = 120; y < 220; ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (!dark(x, y)) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_GE(left, 90);
  EXPECT_LE(left, 93);
  EXPECT_GE(top, 162);
  EXPECT_LE(top, 167);
  EXPECT_LE(bottom, 162 + 16);
}

TEST_F(QtPrintTest, JobsRunInOrderAndAnAbortLeavesNoFile) {
  auto dc = MakePdfPrinterDC(path_);
  EXPECT_FALSE(dc->StartPage());
  EXPECT_FALSE(dc->EndDoc());
  dc->TextOut(0, 0, "outside a job: nothing");
  ASSERT_TRUE(dc->StartDoc("aborted"));
  EXPECT_FALSE(dc->StartDoc("twice"));
  ASSERT_TRUE(dc->StartPage());
  EXPECT_FALSE(dc->StartPage());
  EXPECT_FALSE(dc->EndDoc());
  PrintFirstPage(*dc);
  dc->AbortDoc();
  EXPECT_FALSE(dc->EndPage());
  dc.reset();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path_)));

  // A job left open when the device context goes away is aborted, too.
  dc = MakePdfPrinterDC(path_);
  ASSERT_TRUE(dc->StartDoc("left open"));
  ASSERT_TRUE(dc->StartPage());
  dc.reset();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path_)));
}

TEST_F(QtPrintTest, PdfPrintServiceHandsOutPdfPrinters) {
  PdfFilePrintService service(path_);
  PrinterSelection setup = service.PrintSetup();
  ASSERT_NE(setup.dc, nullptr);
  EXPECT_EQ(setup.page.dpiY, 600);
  EXPECT_EQ(setup.page.pageWidth, setup.dc->DeviceSize().cx);

  PrintDialogOptions options;
  options.minPage = 1;
  options.maxPage = 8;
  PrinterSelection print = service.Print(options);
  ASSERT_NE(print.dc, nullptr);
  EXPECT_EQ(print.page.fromPage, 1);
  EXPECT_EQ(print.page.toPage, 8);
  ASSERT_TRUE(print.dc->StartDoc("test"));
  ASSERT_TRUE(print.dc->StartPage());
  PrintFirstPage(*print.dc);
  ASSERT_TRUE(print.dc->EndPage());
  ASSERT_TRUE(print.dc->EndDoc());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(path_)));
}

}  // namespace
}  // namespace tervane::fw
