// The input menu and the input dialogs in real (offscreen) windows: each
// opens at its template's size in its colour, with no control outside the
// window, and the sketches paint the slope. With TERVANE_SHOTS_DIR set, every
// window is also saved there as a PNG file to look at.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "support/QtDialogTestSupport.h"
#include "model/ProjectData.h"
#include "framework/Document.h"
#include "common/MessageDialogs.h"
#include "framework/testing/FakeServices.h"
#include "input/DialogFields.h"
#include "input/InputWarnings.h"
#include "input/ModifyGeneralDlg.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ModifyMenuDlg.h"
#include "input/ModifySetupDlg.h"
#include "input/ModifyWaterDlg.h"
#include "input/ReinforcementDlgs.h"
#include "input/SeismicAndFoundationDlgs.h"
#include "input/SoilAndDesignDlgs.h"
#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"
#include "support/QtShots.h"

namespace tervane {
namespace {

using fw::QtDialogBackend;

using testsupport::SaveShot;

class InputDialogsQtTest : public ::testing::Test {
 protected:
  InputDialogsQtTest() {
    app_.project().dataDirectory = QDir::tempPath().toStdString() + "/tervane-input-qt-test";
    QDir().mkpath(QString::fromStdString(app_.project().dataDirectory));
  }

  qttest::ScopedQtBackend backend_;
  fw::ScopedFakeServices fakes_;
  ScopedProject app_;
};

struct Case {
  std::string shot;
  std::function<std::unique_ptr<fw::Dialog>()> make;
  fw::ColorRef background;
  // Done in the running window before the shot.
  std::function<void(QtDialogBackend&)> prepare;
};

template <class D>
std::function<std::unique_ptr<fw::Dialog>()> Make() {
  return [] { return std::make_unique<D>(); };
}

const fw::ColorRef kGrey = fw::RGB(222, 222, 222);

// The texts a check of a table shows, for the default input.
input::CheckFailure FailureOf(const input::DialogFields& fields, int number, int kind) {
  static const ProjectInput stored;
  static const input::FieldValues values = input::ValuesFromInput(fields, stored, input::UnitFactors{});
  const input::CheckContext context{values, stored, 0, 0, input::UnitFactors{}};
  for (const input::Check& check : fields.checks)
    if (check.number == number && static_cast<int>(check.kind) == kind) return input::FailureOf(check, context);
  return {};
}

// The message dialogs as the input dialogs fill them: the longest texts.
std::unique_ptr<fw::Dialog> FilledFoundationWarning() {
  const input::CheckFailure f = FailureOf(input::FoundationFields(), 1181, 2);
  auto d = std::make_unique<CWarningDlg>();
  d->headingText = f.headingText;
  d->messageText = f.messageText;
  d->errorNumberText = f.numberText;
  return d;
}
std::unique_ptr<fw::Dialog> FilledBackslopeWarning() {
  const input::CheckFailure f = FailureOf(input::GeometryFields(), 1138, 2);
  auto d = std::make_unique<CPoliceWarnDlg>();
  d->messageText = f.messageText;
  d->errorNumberText = f.numberText;
  return d;
}
std::unique_ptr<fw::Dialog> FilledKhNotice() {
  const input::CheckFailure f = FailureOf(input::SeismicParamFields(), 1172, 1);
  auto d = std::make_unique<CPolicingDlg>();
  d->messageText = f.messageText;
  d->errorNumberText = f.numberText;
  return d;
}

std::vector<Case> Cases() {
  auto clickMode = [](int id) { return [id](QtDialogBackend& b) { qttest::Click(b.ControlWidget(id)); }; };
  return {
      {"IDD_MODIFY_MENU", Make<CModifyMenuDlg>(), fw::RGB(255, 255, 128), nullptr},
      {"IDD_MODIFY_SETUP", Make<CModifySetupDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_GENERAL", Make<CModifyGeneralDlg>(), kGrey, nullptr},
      {"IDD_SHOW_OR_NOT_LOGO", Make<CShowOrNotLogoDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_GEOMETRY", Make<CModifyGeometryDlg>(), kGrey, nullptr},
      {"IDD_HELP_GEOMETRY", Make<CHelpGeometryDlg>(), fw::kWhite, nullptr},
      {"IDD_MODIFY_WATER", Make<CModifyWaterDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_WATER_phreatic", Make<CModifyWaterDlg>(), kGrey, clickMode(ids::water::kPhreatic)},
      {"IDD_MODIFY_WATER_ru", Make<CModifyWaterDlg>(), kGrey, clickMode(ids::water::kPoreWater)},
      {"IDD_MODIFY_SOIL", Make<CModifySoilDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_DESIGN_PARAM", Make<CModifyDesignParamDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_SEISMIC_PARAM", Make<CModifySeismicParamDlg>(), kGrey, nullptr},
      {"IDD_WARNING99", Make<CWarning99>(), fw::RGB(192, 192, 192), nullptr},
      {"IDD_MODIFY_FOUNDATION", Make<CModifyFoundationDlg>(), kGrey, nullptr},
      {"IDD_WARNING", FilledFoundationWarning, fw::RGB(255, 180, 180), nullptr},
      {"IDD_POLICE_WARN_1138", FilledBackslopeWarning, fw::RGB(255, 80, 80), nullptr},
      {"IDD_POLICING_1172", FilledKhNotice, fw::RGB(255, 80, 80), nullptr},
      {"IDD_MODIFY_GEOSYN_DATA", Make<CModifyGeosynDataDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_GEOSYN_FS", Make<CModifyGeosynFsDlg>(), kGrey, nullptr},
      {"IDD_WARNING2", Make<CWarning2Dlg>(), fw::RGB(255, 180, 180), nullptr},
      {"IDD_MODIFY_INCLINATION", Make<CModifyInclinationDlg>(), kGrey, nullptr},
      {"IDD_MODIFY_GENERAL_FS", Make<CModifyGeneralFsDlg>(), kGrey, nullptr},
  };
}

TEST_F(InputDialogsQtTest, OpenAtTheirSizeInTheirColourWithEveryControlInside) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.shot);
    std::unique_ptr<fw::Dialog> dialog = c.make();
    const fw::Size expected = fw::DialogClientSize(dialog->Template(), 1.0);
    QImage shot;
    qttest::RunModal(*dialog, [&](QtDialogBackend& b) {
      if (c.prepare) c.prepare(b);
      EXPECT_EQ(b.ClientSize(), expected);
      const QRect window = b.Window()->rect();
      for (std::size_t i = 0; i < dialog->Template().controls.size(); ++i) {
        QWidget* w = b.ControlWidgetAt(i);
        if (w == nullptr) continue;
        EXPECT_TRUE(window.contains(w->geometry())) << "control " << i << " of " << c.shot;
      }
      shot = b.Window()->grab().toImage();
      b.EndModal(fw::IDCANCEL);
    });
    ASSERT_FALSE(shot.isNull());
    const QRgb background = qRgb(c.background.r, c.background.g, c.background.b);
    EXPECT_EQ(shot.pixel(shot.width() - 2, shot.height() - 2), background);
    SaveShot(shot, c.shot);
  }
}

// The sketch of the default geometry is in the sunken frame on the right.
TEST_F(InputDialogsQtTest, TheSketchesPaintTheSlope) {
  for (const Case& c : Cases()) {
    if (c.shot != "IDD_MODIFY_GEOMETRY" && c.shot != "IDD_MODIFY_WATER_phreatic") continue;
    SCOPED_TRACE(c.shot);
    std::unique_ptr<fw::Dialog> dialog = c.make();
    QImage shot;
    qttest::RunModal(*dialog, [&](QtDialogBackend& b) {
      if (c.prepare) c.prepare(b);
      shot = b.Window()->grab().toImage();
      b.EndModal(fw::IDCANCEL);
    });
    int soil = 0, water = 0, left = shot.width();
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) {
        const QRgb p = shot.pixel(x, y);
        if (p == qRgb(255, 204, 51)) {
          ++soil;
          left = std::min(left, x);
        }
        if (p == qRgb(166, 202, 240)) ++water;
      }
    }
    EXPECT_GT(soil, 5000);
    EXPECT_GE(left, static_cast<int>(0.38 * shot.width()));
    if (c.shot == "IDD_MODIFY_WATER_phreatic") {
      EXPECT_GT(water, 1000);
    }
  }
}

// The real window's keys and mouse: Enter moves along the cycle, OK runs the
// checks, whose message dialog comes back to the offending field.
TEST_F(InputDialogsQtTest, GeometryEnterMovesOnAndAFailedCheckComesBackToItsField) {
  using namespace ids::geometry;
  fw::Document document;
  fw::ScopedActiveDocument active(&document);
  CModifyGeometryDlg dialog;
  int afterEnter = 0, afterCheck = 0;
  QString message, number;
  const int result = qttest::RunModal(dialog, [&](QtDialogBackend& b) {
    auto* height = qobject_cast<QLineEdit*>(b.ControlWidget(kHeight));
    ASSERT_NE(height, nullptr);
    height->setFocus();
    height->selectAll();
    qttest::Type(height, QStringLiteral("0.5"));
    qttest::KeyAtFocus(b, Qt::Key_Return);
    afterEnter = b.FocusedControl();
    // The message dialog runs inside the click; answer it from its own loop.
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowTitle() != QStringLiteral("Conflict -- before running . . .")) continue;
        for (QLabel* label : w->findChildren<QLabel*>()) {
          if (label->text().startsWith(QLatin1Char('\n'))) message = label->text();
          if (label->text().startsWith(QStringLiteral("Error No."))) number = label->text();
        }
        qttest::Key(w->focusWidget() != nullptr ? w->focusWidget() : w, Qt::Key_Return);
      }
    });
    // A real click gives the button the focus; a synthetic one does not.
    b.ControlWidget(fw::IDOK)->setFocus(Qt::MouseFocusReason);
    qttest::Click(b.ControlWidget(fw::IDOK));
    afterCheck = b.FocusedControl();
    b.EndModal(fw::IDCANCEL);
  });
  EXPECT_EQ(result, fw::IDCANCEL);
  EXPECT_EQ(afterEnter, kSlopeAngle);
  EXPECT_EQ(number, QStringLiteral("Error No.1130"));
  EXPECT_EQ(message, QStringLiteral("\n Height of slope should not be less than  1.0 meter."));
  EXPECT_EQ(afterCheck, kHeight);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(Project().input.slopeHeight, 6.0);
}

}  // namespace
}  // namespace tervane
