// Printing without a dialog through the Qt print services: a ".pdf" printer
// name is that PDF file; an unknown printer gives no printer at all.

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "support/QtTestApp.h"
#include "framework/qt/QtPrint.h"

namespace tervane::fw {
namespace {

TEST(QtDirectPrintTest, APdfNameIsThatFileAndAnUnknownPrinterIsNone) {
  qttest::EnsureQtApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = dir.filePath("direct.PDF").toStdString();
  QtPrintService service;
  PrinterSelection selection = service.DirectPrinter(pdf);
  ASSERT_NE(selection.dc, nullptr);
  EXPECT_EQ(selection.page.dpiY, 600);
  ASSERT_TRUE(selection.dc->StartDoc("test"));
  ASSERT_TRUE(selection.dc->StartPage());
  selection.dc->TextOut(100, 100, "direct");
  ASSERT_TRUE(selection.dc->EndPage());
  ASSERT_TRUE(selection.dc->EndDoc());
  selection.dc.reset();
  EXPECT_GT(QFileInfo(QString::fromStdString(pdf)).size(), 0);

  EXPECT_EQ(service.DirectPrinter("No Such Printer Anywhere").dc, nullptr);
  const PrintPageInfo page = service.CurrentPage();
  EXPECT_GT(page.pageWidth, 0);
  EXPECT_GT(page.dpiX, 0);

  PdfFilePrintService file(dir.filePath("file.pdf").toStdString());
  EXPECT_NE(file.DirectPrinter("").dc, nullptr);
  EXPECT_GT(file.CurrentPage().pageHeight, file.CurrentPage().pageWidth);
}

}  // namespace
}  // namespace tervane::fw
