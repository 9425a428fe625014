// The DXF export in a real window (offscreen): the choices in their strip with
// the text left of each box, the preview in the free area, and a click that
// repaints it at once. With TERVANE_SHOTS_DIR set, the window is saved there
// before and after the click, to look at.

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/QtDialogTestSupport.h"
#include "../DxfTestSupport.h"
#include "model/ProjectData.h"
#include "drawing/CreateDxfFileDlg.h"
#include "framework/testing/FakeServices.h"
#include "resources/DxfExportResources.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;

using testsupport::SaveShot;

QRgb Rgb(fw::ColorRef c) { return qRgb(c.r, c.g, c.b); }

TEST(CreateDxfFileDlgQtTest, ChoicesBesideAPreviewThatFollowsThem) {
  qttest::ScopedQtBackend backend;
  fw::ScopedFakeServices fakes;
  ScopedProject app;
  dxftest::SetUpSiFixture(app.project().input);
  dxftest::RunProject(app.project());

  CCreateDxfFileDlg dlg;
  QImage before;
  QImage after;
  const int result = qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.ClientSize(), (fw::Size{604, 354}));
    EXPECT_EQ(b.Caption(), "Create .DXF file -- for use with AutoCAD(c)");
    EXPECT_FALSE(b.IsControlVisible(1244));
    for (int id : {res::kDxfGeometryCheck, res::kDxfReinforcementCheck, res::kDxfCriticalSurfacesCheck,
                   res::kDxfLengthsCheck, res::kDxfAllTiebackCheck, res::kDxfToeCompoundCheck,
                   res::kDxfLayerCompoundCheck}) {
      auto* box = qobject_cast<QCheckBox*>(b.ControlWidget(id));
      ASSERT_NE(box, nullptr) << id;
      EXPECT_TRUE(box->isChecked()) << id;
      EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft) << id;  // the text left of the box
    }
    before = b.Window()->grab().toImage();
    qttest::Click(b.ControlWidget(res::kDxfGeometryCheck));
    EXPECT_EQ(dlg.exportGeometry, 0);
    after = b.Window()->grab().toImage();
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  EXPECT_EQ(result, fw::IDCANCEL);
  ASSERT_FALSE(before.isNull());
  ASSERT_FALSE(after.isNull());
  SaveShot(before, "IDD_CREATE_DXF_FILE");
  SaveShot(after, "IDD_CREATE_DXF_FILE_no_geometry");

  // The strip of choices keeps the dialog's colour over the preview.
  EXPECT_EQ(before.pixel(20, 330), Rgb(fw::RGB(222, 222, 222)));
  // Below the phreatic surface, right of the slope: water, until the
  // geometry is cleared and the background shows.
  EXPECT_EQ(before.pixel(560, 300), Rgb(fw::RGB(166, 202, 240)));
  EXPECT_EQ(after.pixel(560, 300), Rgb(fw::RGB(222, 222, 222)));
}

TEST(CreateDxfFileDlgQtTest, BlackAndWhitePreview) {
  qttest::ScopedQtBackend backend;
  fw::ScopedFakeServices fakes;
  ScopedProject app;
  dxftest::SetUpSiFixture(app.project().input);
  dxftest::RunProject(app.project());
  app.project().settings.screenColorMode = 1;

  CCreateDxfFileDlg dlg;
  QImage shot;
  qttest::RunModal(dlg, [&](QtDialogBackend& b) {
    shot = b.Window()->grab().toImage();
    qttest::KeyAtFocus(b, Qt::Key_Escape);
  });
  ASSERT_FALSE(shot.isNull());
  SaveShot(shot, "IDD_CREATE_DXF_FILE_bw");
  // Soil, water and background all white; the strip keeps its grey.
  EXPECT_EQ(shot.pixel(560, 300), Rgb(fw::kWhite));
  EXPECT_EQ(shot.pixel(560, 20), Rgb(fw::kWhite));
  EXPECT_EQ(shot.pixel(20, 330), Rgb(fw::RGB(222, 222, 222)));
}

}  // namespace
}  // namespace tervane
