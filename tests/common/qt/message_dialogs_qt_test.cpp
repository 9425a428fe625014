// The four message dialogs in real windows (offscreen): size from their
// templates, their colour, their buttons. With TERVANE_SHOTS_DIR set, each
// dialog's window is also saved there as a PNG file to look at.

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "common/MessageDialogs.h"
#include "framework/testing/FakeServices.h"
#include "resources/DialogTemplates.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;

struct MessageDialogCase {
  const char* name;
  std::function<std::unique_ptr<fw::Dialog>()> make;
  fw::Size client;
  fw::ColorRef background;
};

std::unique_ptr<fw::Dialog> MakePolicing() {
  auto d = std::make_unique<CPolicingDlg>();
  d->messageText = "\n The height of the slope must be greater than 0.";
  d->errorNumberText = "Error No.1130";
  return d;
}

std::unique_ptr<fw::Dialog> MakePoliceWarn() {
  auto d = std::make_unique<CPoliceWarnDlg>();
  d->messageText = "\n The backslope angle is steeper than the friction angle of the retained soil.";
  d->errorNumberText = "Error No.1135";
  return d;
}

std::unique_ptr<fw::Dialog> MakePolicing2() {
  auto d = std::make_unique<CPolicing2Dlg>();
  d->errorNumberText = "Error No.1161";
  return d;
}

std::unique_ptr<fw::Dialog> MakePolicingXl() {
  auto d = std::make_unique<CPolicingXlDlg>();
  d->messageText = "The horizontal seismic coefficient Kh is too large for the direct sliding analysis.";
  d->messageText2 = "Reduce Kh or check the factor of safety on direct sliding.";
  d->errorNumberText = "Error No.1170";
  return d;
}

const MessageDialogCase kCases[] = {
    {"IDD_POLICING", MakePolicing, {378, 151}, fw::RGB(255, 80, 80)},
    {"IDD_POLICE_WARN", MakePoliceWarn, {444, 125}, fw::RGB(255, 80, 80)},
    {"IDD_POLICING2", MakePolicing2, {259, 211}, fw::RGB(255, 80, 80)},
    {"IDD_POLICING_XL", MakePolicingXl, {436, 175}, fw::RGB(255, 180, 180)},
};

class MessageDialogsQtTest : public ::testing::Test {
 protected:
  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
};

using testsupport::SaveShot;

TEST_F(MessageDialogsQtTest, OpenAtTheirSizeInTheirColourAndEndWithOK) {
  for (const MessageDialogCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<fw::Dialog> dialog = c.make();
    ASSERT_EQ(dialog->Template().name, c.name);
    QImage shot;
    const int result = qttest::RunModal(*dialog, [&](QtDialogBackend& b) {
      EXPECT_EQ(b.ClientSize(), c.client);
      EXPECT_EQ(b.Caption(), "Conflict -- before running . . .");
      EXPECT_FALSE(b.IsControlVisible(kDialogIdLabel));
      shot = b.Window()->grab().toImage();
      qttest::Click(b.ControlWidget(fw::IDOK));
    });
    EXPECT_EQ(result, fw::IDOK);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(c.client.cx, c.client.cy));
    const QRgb expected = qRgb(c.background.r, c.background.g, c.background.b);
    EXPECT_EQ(shot.pixel(c.client.cx - 3, c.client.cy - 3), expected);
    EXPECT_EQ(shot.pixel(2, 2), expected);
    SaveShot(shot, c.name);
  }
}

TEST_F(MessageDialogsQtTest, TextsOfTheCallerAreShownAsGiven) {
  CPolicingDlg dialog;
  dialog.messageText = "\n   Three spaces after a line end.";
  dialog.errorNumberText = "Error No.1210";
  qttest::RunModal(dialog, [&](QtDialogBackend& b) {
    EXPECT_EQ(qobject_cast<QLabel*>(b.ControlWidget(kMessageTextId))->text(),
              QStringLiteral("\n   Three spaces after a line end."));
    EXPECT_EQ(qobject_cast<QLabel*>(b.ControlWidget(kErrorNumberTextId))->text(), QStringLiteral("Error No.1210"));
    b.EndModal(fw::IDOK);
  });

  CPolicingXlDlg empty;  // members left empty show empty statics
  qttest::RunModal(empty, [&](QtDialogBackend& b) {
    for (int id : {kMessageTextId, kMessageText2Id, kErrorNumberTextId})
      EXPECT_EQ(b.ControlText(id), "") << id;
    b.EndModal(fw::IDOK);
  });
}

TEST_F(MessageDialogsQtTest, WarningAnswersThroughItsButtonsAndKeys) {
  struct Case {
    const char* what;
    int preset;
    std::function<void(QtDialogBackend&)> act;
    int result;
    int continueChosen;
  };
  const Case cases[] = {
      {"Continue", 0, [](QtDialogBackend& b) { qttest::Click(b.ControlWidget(kContinueButtonId)); }, fw::IDOK, 1},
      {"Return to Correct", 1, [](QtDialogBackend& b) { qttest::Click(b.ControlWidget(fw::IDOK)); }, fw::IDOK, 0},
      {"Enter", 1, [](QtDialogBackend& b) { qttest::KeyAtFocus(b, Qt::Key_Return); }, fw::IDOK, 0},
      // A dismissed warning answers "Return to Correct" whatever was preset.
      {"Esc", 1, [](QtDialogBackend& b) { qttest::KeyAtFocus(b, Qt::Key_Escape); }, fw::IDCANCEL, 0},
      {"close box", 1, [](QtDialogBackend& b) { b.Window()->close(); }, fw::IDCANCEL, 0},
  };
  for (const Case& c : cases) {
    CPoliceWarnDlg dialog;
    dialog.continueChosen = c.preset;
    EXPECT_EQ(qttest::RunModal(dialog, c.act), c.result) << c.what;
    EXPECT_EQ(dialog.continueChosen, c.continueChosen) << c.what;
  }
}

TEST_F(MessageDialogsQtTest, InterwedgeRuleIsShownAsItsPicture) {
  CPolicing2Dlg dialog;
  qttest::RunModal(dialog, [&](QtDialogBackend& b) {
    const fw::DialogTemplate& t = dialog.Template();
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
      if (t.controls[i].kind != fw::ControlKind::Picture) continue;
      auto* picture = qobject_cast<QLabel*>(b.ControlWidgetAt(i));
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->size(), QSize(238, 69));
      EXPECT_FALSE(picture->pixmap().isNull());
    }
    b.EndModal(fw::IDOK);
  });
}

}  // namespace
}  // namespace tervane
