// The results menu and the three results windows in real windows
// (offscreen) with a run of 35 layers: the Print Preview / View Results
// switch, a table printed into a PDF file with the preview's page count, and
// the windows' looks. With TERVANE_SHOTS_DIR set, the windows and the printed
// pages are also saved there as PNG files to look at.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "support/ResultsTablesSupport.h"
#include "support/RunFixture.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/Spreadsheet.h"
#include "framework/SpreadsheetPreview.h"
#include "framework/qt/QtPrint.h"
#include "framework/qt/QtSpreadsheet.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ViewCase1Dlg.h"
#include "results/ViewCase2Dlg.h"
#include "results/ViewCase3Dlg.h"
#include "results/ViewWrittenResultsDlg.h"
#include "support/Commands.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;
using testing::Fixture;

using testsupport::ShotsDir;

void SaveShot(QtDialogBackend& b, const char* name) {
  if (ShotsDir() == nullptr) return;
  QApplication::processEvents();
  testsupport::SaveShot(b.Window()->grab().toImage(), name);
}

using testsupport::HaveTool;

fw::QtSpreadsheetWidget* SheetWidget(QtDialogBackend& b, int id) {
  return dynamic_cast<fw::QtSpreadsheetWidget*>(b.ControlWidget(id));
}
fw::QtSheetPreviewWidget* PreviewWidget(QtDialogBackend& b, int id) {
  return dynamic_cast<fw::QtSheetPreviewWidget*>(b.ControlWidget(id));
}

class ResultsTablesQtTest : public ::testing::Test {
 protected:
  ResultsTablesQtTest() {
    testing::MakeFixtureRun(app_.project(), Fixture::kThirtyFive);
    app_.project().projectPath = "/home/engineer/projects/north slope.NAT";
  }

  qttest::ScopedQtBackend backend_;
  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
};

// Print Preview puts the preview of the sheet in the sheet's place and the
// button says View Results; pressed again, the sheet is back.
TEST_F(ResultsTablesQtTest, PrintPreviewAndViewResultsSwitchTheWindows) {
  struct Case {
    int sheetId, previewId;
    const char* shot;
  } cases[] = {{res::kSummarySheetId, res::kSummaryPreviewId, "summary"},
               {res::kDetailedSheetId, res::kDetailedPreviewId, "detailed"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shot);
    std::unique_ptr<fw::Dialog> dlg;
    if (c.sheetId == res::kSummarySheetId)
      dlg = std::make_unique<CViewCase1Dlg>();
    else
      dlg = std::make_unique<CViewCase2Dlg>();
    const int result = qttest::RunModal(*dlg, [&](QtDialogBackend& b) {
      fw::QtSpreadsheetWidget* sheet = SheetWidget(b, c.sheetId);
      fw::QtSheetPreviewWidget* preview = PreviewWidget(b, c.previewId);
      auto* toggle = qobject_cast<QPushButton*>(b.ControlWidget(res::kPreviewToggleId));
      ASSERT_NE(sheet, nullptr);
      ASSERT_NE(preview, nullptr);
      ASSERT_NE(toggle, nullptr);
      EXPECT_TRUE(sheet->isVisible());
      EXPECT_FALSE(preview->isVisible());
      EXPECT_EQ(toggle->text(), QStringLiteral("Print Preview"));
      SaveShot(b, (std::string(c.shot) + "_table").c_str());

      qttest::Click(toggle);
      QApplication::processEvents();
      EXPECT_FALSE(sheet->isVisible());
      EXPECT_TRUE(preview->isVisible());
      EXPECT_EQ(toggle->text(), QStringLiteral("View Results"));
      EXPECT_EQ(preview->Preview().Source(), &sheet->Sheet());
      EXPECT_EQ(preview->Preview().PreviewColor(), fw::RGB(255, 255, 128));
      ASSERT_FALSE(preview->Preview().Pages().empty());
      // The preview shows its colour around a white page.
      const QImage shot = preview->viewport()->grab().toImage();
      EXPECT_EQ(shot.pixel(2, 2), qRgb(255, 255, 128));
      const QRect page = preview->PageRect(0);
      EXPECT_EQ(shot.pixel(page.left() + 2, page.top() + 2), qRgb(255, 255, 255));
      SaveShot(b, (std::string(c.shot) + "_preview").c_str());

      qttest::Click(toggle);
      QApplication::processEvents();
      EXPECT_TRUE(sheet->isVisible());
      EXPECT_FALSE(preview->isVisible());
      EXPECT_EQ(toggle->text(), QStringLiteral("Print Preview"));
      b.EndModal(fw::IDOK);
    });
    EXPECT_EQ(result, fw::IDOK);
  }
}

// PRINT_TABLE prints the table of 100 layers into a PDF file: the header and
// the title on every page, every layer row, the column headers repeated after
// each page break; the preview shows as many pages as were printed.
TEST_F(ResultsTablesQtTest, ATablePrintsToPdfWithThePreviewsPageCount) {
  ScopedProject hundred;
  testing::MakeFixtureRun(hundred.project(), Fixture::kHundred);
  hundred.project().projectPath = "/home/engineer/projects/north slope.NAT";
  QTemporaryDir dir;
  const std::string pdf = dir.filePath("summary.pdf").toStdString();
  fw::PdfFilePrintService printing(pdf);
  fw::Services services = fakes_.AsServices();
  services.printing = &printing;
  fw::ScopedServices scoped(services);

  std::size_t previewPages = 0;
  CViewCase1Dlg dlg;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    qttest::Click(b.ControlWidget(res::kPrintTableButtonId));
    QApplication::processEvents();
    qttest::Click(b.ControlWidget(res::kPreviewToggleId));
    QApplication::processEvents();
    previewPages = PreviewWidget(b, res::kSummaryPreviewId)->Preview().Pages().size();
    SaveShot(b, "summary_preview_100");
    b.EndModal(fw::IDOK);
  });
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
  ASSERT_EQ(testing::ReadBytes(pdf).substr(0, 5), "%PDF-");
  if (!HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools not installed";
  const std::string text = testing::CommandOutput("pdftotext -layout '" + pdf + "' -");
  auto count = [&text](const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  const std::size_t pages = count("\f");
  EXPECT_GE(pages, 2u) << text;
  EXPECT_EQ(previewPages, pages);
  EXPECT_EQ(count("Summary of tabulated results"), pages);
  EXPECT_EQ(count("/home/engineer/projects/north slope.NAT"), pages);
  EXPECT_EQ(count("T-ult-min"), pages);  // the column headers after every page break
  EXPECT_EQ(count("STATUS"), pages);
  // Every layer row: its mode and its factor.
  const AnalysisResults& r = hundred.project().results;
  int tieback = 0;
  for (int i = 0; i < 100; ++i) tieback += r.controllingMode[static_cast<std::size_t>(i)] == 1;
  EXPECT_EQ(count("Tieback"), static_cast<std::size_t>(tieback));
  EXPECT_EQ(count("Compound"), static_cast<std::size_t>(100 - tieback));
  EXPECT_NE(text.find(Format("%.2f", r.resultLayerElevation[99])), std::string::npos);
  if (const char* shots = ShotsDir())
    std::system(("pdftoppm -png -r 60 '" + pdf + "' '" + std::string(shots) + "/summary_pdf'").c_str());
}

// The results menu, the notes and the direct-sliding page as they look; the
// windows have their templates' sizes and the page its colour.
TEST_F(ResultsTablesQtTest, TheResultWindowsAsTheyLook) {
  CViewWrittenResultsDlg menu;
  qttest::RunModal(menu, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.Caption(), "Results");
    EXPECT_EQ(b.ClientSize(), fw::DialogClientSize(*FindDialogTemplate("IDD_VIEW_WRITTEN_RESULTS"), b.ScaleFactor()));
    SaveShot(b, "results_menu");
    b.EndModal(fw::IDOK);
  });
  CCase1NoteDlg notes;
  qttest::RunModal(notes, [&](QtDialogBackend& b) {
    SaveShot(b, "summary_notes");
    b.EndModal(fw::IDOK);
  });
  CViewCase3Dlg page;
  qttest::RunModal(page, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.Caption(), "Results of direct sliding and deepseated analyses");
    const QImage shot = b.Window()->grab().toImage();
    EXPECT_EQ(shot.pixel(shot.width() / 2, shot.height() - 4), qRgb(192, 220, 192));
    auto* calculated = qobject_cast<QLabel*>(b.ControlWidget(res::kDeepSeatedCalculatedId));
    ASSERT_NE(calculated, nullptr);
    EXPECT_EQ(calculated->text().toStdString(), page.texts[res::kDeepSeatedCalculatedId]);
    // The names of the modes of failure stand on the page's green, without
    // a grey box of their own.
    int pictures = 0;
    for (QLabel* label : b.Window()->findChildren<QLabel*>()) {
      const QImage picture = label->pixmap().toImage();
      if (picture.isNull()) continue;
      ++pictures;
      bool grey = false, green = false;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
          grey = grey || (picture.pixel(x, y) | 0xFF000000) == qRgb(222, 222, 222);
          green = green || (picture.pixel(x, y) | 0xFF000000) == qRgb(192, 220, 192);
        }
      EXPECT_FALSE(grey) << pictures;
      EXPECT_TRUE(green) << pictures;
    }
    EXPECT_EQ(pictures, 4);  // three names and the wedge angle's symbol
    SaveShot(b, "direct_sliding");
    b.EndModal(fw::IDOK);
  });
  // The note on the target factor (a run of several calls), and the note of
  // an analysis not made (a run without reinforcement and without a factor).
  struct Case {
    Fixture fixture;
    int shownNote;
    const char* shot;
  } cases[] = {{Fixture::kRaisedSliding, res::kTargetNoteId, "direct_sliding_target_note"},
               {Fixture::kNoReinforcement, res::kNotConductedId, "direct_sliding_not_conducted"}};
  for (const Case& c : cases) {
    ScopedProject local;
    testing::MakeFixtureRun(local.project(), c.fixture);
    if (c.fixture == Fixture::kNoReinforcement)
      local.project().results.deepSeatedFactor = std::numeric_limits<double>::quiet_NaN();
    CViewCase3Dlg other;
    qttest::RunModal(other, [&](QtDialogBackend& b) {
      EXPECT_TRUE(b.ControlWidget(c.shownNote)->isVisible()) << c.shot;
      SaveShot(b, c.shot);
      b.EndModal(fw::IDOK);
    });
  }
}

}  // namespace
}  // namespace tervane
