// The print options in a real window (offscreen): the wrapped black-and-white
// choice, the combo box with its eleven languages, the dialog's colour, and
// OK storing what was clicked. With TERVANE_SHOTS_DIR set, the window is
// saved there to look at.

#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "support/QtDialogTestSupport.h"
#include "support/ReportTestSupport.h"
#include "support/ReportQtSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "report/DisplayGraphicsDlg.h"
#include "resources/ReportResources.h"

namespace tervane {
namespace {

TEST(DisplayGraphicsQtTest, ChoicesInARealWindow) {
  qttest::ScopedQtBackend backend;
  fw::ScopedFakeServices fakes;
  ScopedProject app;
  reporttest::TempDir dir;
  app.project().dataDirectory = dir.Path().string();
  dir.Write("More.txt", "Swedish\n");

  CDisplayGraphicsDlg dlg;
  QImage shot;
  const int result = qttest::RunModal(dlg, [&](fw::QtDialogBackend& b) {
    EXPECT_EQ(b.Caption(), "Printout of Graphics");
    EXPECT_FALSE(b.IsControlVisible(1244));
    auto* combo = qobject_cast<QComboBox*>(b.ControlWidget(res::kReportLanguageCombo));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 11);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Swedish"));
    auto* bw = qobject_cast<QRadioButton*>(b.ControlWidget(res::kPrintBlackWhiteRadio));
    ASSERT_NE(bw, nullptr);
    shot = b.Window()->grab().toImage();
    qttest::Click(bw);
    qttest::Click(b.ControlWidget(res::kLogoNoRadio));
    qttest::KeyAtFocus(b, Qt::Key_Return);
  });
  EXPECT_EQ(result, fw::IDOK);
  reportqt::SaveShot(shot, "IDD_DISPLAY_GRAPHICS");
  EXPECT_EQ(app.project().settings.printColorMode, 1);
  EXPECT_EQ(app.project().settings.includeLogo, 0);
  EXPECT_EQ(app.project().settings.reportLanguage, "Swedish");
  // The dialog's own grey around its controls.
  EXPECT_EQ(shot.pixel(3, shot.height() - 3), qRgb(222, 222, 222));
}

}  // namespace
}  // namespace tervane
