// The quantities dialog and the notice before the export for Ombix in real
// windows (offscreen), and the quantities printed into a PDF file. With
// TERVANE_SHOTS_DIR set, the windows and the printed page are also saved there
// as PNG files to look at.

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "support/RunFixture.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/qt/QtPrint.h"
#include "resources/DialogTemplates.h"
#include "resources/ExportDialogIds.h"
#include "results/OmbixExport.h"
#include "results/QuantitiesDlg.h"
#include "support/Commands.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;

using testsupport::SaveShot;
using testsupport::ShotsDir;

using testsupport::HaveTool;
using testsupport::RunAndRead;

class ExportDialogsQtTest : public ::testing::Test {
 protected:
  ExportDialogsQtTest() {
    testing::SetFixtureProject(app_.project(), 0);
    testing::RunProject(app_.project(), 1);
  }

  qttest::ScopedQtBackend backend_;
  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
};

TEST_F(ExportDialogsQtTest, TheQuantitiesDialogShowsTheCostAsItIsTyped) {
  app_.project().quantitiesRemarks = "Access road, north slope";
  CQuantitiesDlg dialog;
  QImage shot;
  const fw::DialogTemplate& t = *FindDialogTemplate("IDD_QUANTITIES");
  const int result = qttest::RunModal(dialog, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.ClientSize(), fw::DialogClientSize(t, b.ScaleFactor()));
    EXPECT_EQ(b.Caption(), "Calculated  quantities");
    EXPECT_EQ(b.FocusedControl(), kQuantitiesRemarksId);
    auto* cost = qobject_cast<QLineEdit*>(b.ControlWidget(kQuantitiesUnitCostId));
    ASSERT_NE(cost, nullptr);
    EXPECT_TRUE(cost->alignment() & Qt::AlignRight);
    cost->setFocus();
    cost->selectAll();
    qttest::Type(cost, QStringLiteral("12.5"));
    EXPECT_EQ(b.ControlText(kQuantitiesUnitCostId), "12.5");
    EXPECT_EQ(b.ControlText(kQuantitiesQuantityId), FixedNumber(dialog.Quantity(), 0, 2));
    EXPECT_EQ(b.ControlText(kQuantitiesTotalCostId), FixedNumber(12.5 * dialog.Quantity(), 0, 2));
    EXPECT_EQ(b.ControlText(kQuantitiesAreaUnitId), "m \u00b2 / m");
    EXPECT_EQ(b.ControlText(kQuantitiesUnitCostUnitId), "[ \u20ac ] / m \u00b2");
    EXPECT_FALSE(b.IsControlVisible(kDialogIdLabel));
    shot = b.Window()->grab().toImage();
    // A click gives the button the focus first, so OK knows it was RETURN.
    b.SetFocus(fw::IDOK);
    qttest::Click(b.ControlWidget(fw::IDOK));
  });
  EXPECT_EQ(result, fw::IDOK);
  EXPECT_EQ(app_.project().quantitiesUnitCost, "12.5");
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.pixel(3, shot.height() - 3), qRgb(222, 222, 222));
  SaveShot(shot, "IDD_QUANTITIES");
}

TEST_F(ExportDialogsQtTest, TheNoticeShowsItsTextsAndPictures) {
  CBeforeOmbix notice;
  QImage shot;
  const fw::DialogTemplate& t = *FindDialogTemplate("IDD_BEFORE_OMBIX");
  const int result = qttest::RunModal(notice, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.ClientSize(), fw::DialogClientSize(t, b.ScaleFactor()));
    for (int id : {kOmbixStep1PictureControlId, kOmbixStep2PictureControlId}) {
      auto* picture = qobject_cast<QLabel*>(b.ControlWidget(id));
      ASSERT_NE(picture, nullptr);
      EXPECT_FALSE(picture->pixmap().isNull()) << id;
      // The picture lies inside the window.
      EXPECT_LE(picture->geometry().right(), b.Window()->width());
      EXPECT_LE(picture->geometry().bottom(), b.Window()->height());
    }
    shot = b.Window()->grab().toImage();
    qttest::Click(b.ControlWidget(fw::IDCANCEL));
  });
  EXPECT_EQ(result, fw::IDCANCEL);
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.pixel(3, 3), qRgb(255, 255, 255));
  SaveShot(shot, "IDD_BEFORE_OMBIX");
}

TEST_F(ExportDialogsQtTest, TheQuantitiesPrintIntoAPdfFile) {
  if (!HaveTool("pdftotext")) GTEST_SKIP() << "poppler tools not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = dir.filePath("quantities.pdf").toStdString();
  fw::PdfFilePrintService pdfPrinter(pdf);
  fw::Services services = fakes_.AsServices();
  services.printing = &pdfPrinter;
  const fw::ScopedServices installed(services);

  // One layer of 5 m at a coverage of 0.2: Q = 1.00, so the total shows the
  // single-precision value of the unit cost.
  ProjectData& d = app_.project();
  d.results.resultLayerCount = 1;
  d.results.layerFrontX[0] = 0.0;
  d.results.layerRearX[0] = 5.0;
  d.input.coverageRatio = 0.2;
  d.quantitiesUnitCost = "16777217";
  d.quantitiesRemarks = "Access road, north slope";

  CQuantitiesDlg dialog;
  qttest::RunModal(dialog, [&](QtDialogBackend& b) {
    qttest::Click(b.ControlWidget(kQuantitiesPrintId));
    b.EndModal(fw::IDCANCEL);
  });
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
  // The text of the page without its blanks (the layout of the extraction
  // spaces the words its own way).
  auto squeeze = [](std::string t) {
    std::erase(t, ' ');
    return t;
  };
  const std::string text = squeeze(RunAndRead("pdftotext -layout '" + pdf + "' -"));
  for (const char* piece : {"Access road, north slope", "Area of reinforcement", "Cost per unit area", "Cost",
                            "per unit length of wall", "m \u00b2 / m.", "[ \u20ac ] / m \u00b2", "[ \u20ac ]", "1.00",
                            "16777217", "16777216.00"}) {
    EXPECT_NE(text.find(squeeze(piece)), std::string::npos) << piece << "\n" << text;
  }
  if (ShotsDir() != nullptr && HaveTool("pdftoppm")) {
    const std::string out = std::string(ShotsDir()) + "/quantities_page";
    EXPECT_EQ(std::system(("pdftoppm -png -r 60 -singlefile '" + pdf + "' '" + out + "'").c_str()), 0);
  }
}

}  // namespace
}  // namespace tervane
