// The overridable warnings of the input dialogs and their small dialogs:
// the backslope warning 1138 through CPoliceWarnDlg, the foundation's 1181
// through CWarningDlg, the coverage-ratio question through CWarning2Dlg, and
// the notes behind the "?" buttons.

#include <gtest/gtest.h>

#include "InputTestSupport.h"
#include "input/InputWarnings.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ReinforcementDlgs.h"
#include "input/SeismicAndFoundationDlgs.h"
#include "resources/InputControlIds.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

class WarningsTest : public testing::InputDialogTest {};

TEST_F(WarningsTest, BackslopeWarningReturnsToCorrectOrStores) {
  using namespace ids::geometry;
  const Script steep = Script().Type(kBackslope, "40").Type(kHeight, "8");
  struct Case {
    const char* what;
    Script answer;
    bool stored;
  };
  const Case cases[] = {
      {"Enter chooses Return to Correct", Script().Enter(), false},
      {"Return to Correct", Script().Click(IDOK), false},
      {"Esc returns to correct", Script().Escape(), false},
      {"the close box as well", Script().Close(), false},
      {"Continue stores", Script().Click(kContinueButtonId), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    input() = ProjectInput();
    CModifyGeometryDlg dialog;
    const testing::Outcome out = PressOk(dialog, steep, c.answer);
    EXPECT_EQ(out.nested, "IDD_POLICE_WARN");
    EXPECT_EQ(out.number, "Error No.1138");
    EXPECT_EQ(out.message,
              "\n Generally, backslope should not exceed Phi of reinforced soil (34.0 °) or\n backfill soil (34.0 °), "
              "whichever is smaller");
    EXPECT_EQ(out.result, c.stored ? IDOK : IDCANCEL);
    EXPECT_EQ(input().backslopeAngle, c.stored ? 40.0 : 30.0);
    EXPECT_EQ(input().slopeHeight, c.stored ? 8.0 : 6.0);
    if (!c.stored) {
      EXPECT_EQ(out.focusAfter, kBackslope);
    }
  }
}

TEST_F(WarningsTest, ShallowFoundationWarning) {
  using namespace ids::foundation;
  const std::string message =
      "Circular slip surface may not represent the critical case when forced to pass through a narrow layer.  If the "
      "foundation thickness is less than H/2, it is recommended to use a slope stability analysis that utilizes a "
      "non-circular mechanizm.";
  struct Case {
    const char* what;
    Script answer;
    bool stored;
  };
  const Case cases[] = {
      {"Enter continues", Script().Enter(), true},
      {"Continue", Script().Click(IDOK), true},
      {"Return to Correct", Script().Click(IDCANCEL), false},
      {"Esc returns to correct", Script().Escape(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    input() = ProjectInput();
    CModifyFoundationDlg dialog;
    const testing::Outcome out = PressOk(dialog, Script().Type(kDepth, "0"), c.answer);
    EXPECT_EQ(out.nested, "IDD_WARNING");
    EXPECT_EQ(out.heading, "\n ½ height of slope = H/2 = 3.00 m.\n");
    EXPECT_EQ(out.message, message);
    EXPECT_EQ(out.number, "Warning No.1181");
    EXPECT_EQ(input().maxPenetrationDepth, c.stored ? 0.0 : 12.0);
    if (!c.stored) {
      EXPECT_EQ(out.focusAfter, kDepth);
    }
  }
  const fw::DialogRecord& warning = *session.Find("IDD_WARNING");
  EXPECT_TRUE(warning.Visible(kDialogIdLabel));  // this dialog never hides it
  EXPECT_EQ(warning.background, fw::RGB(255, 180, 180));
  EXPECT_EQ(warning.caption, "Warning");
}

TEST_F(WarningsTest, AfterContinuingATargetBelowOneIsStillRefused) {
  using namespace ids::foundation;
  CModifyFoundationDlg dialog;
  int focus = 0;
  session.Queue(Script()
                    .Type(kDepth, "1")
                    .Type(kTargetFs, "0.9")
                    .Click(IDOK)
                    .Answer(Script().Enter())  // the warning: Continue
                    .Answer(Script().Enter())  // error 1181
                    .Inspect([&] { focus = dialog.FocusedControl(); })
                    .Escape());
  dialog.DoModal();
  const fw::DialogRecord* error = session.Find("IDD_POLICING");
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->Text(kErrorNumberTextId), "Error No.1181");
  EXPECT_EQ(error->Text(kMessageTextId), "\n Factor of safety could be smaller than 1.0.\nPlease correct.");
  EXPECT_EQ(focus, kTargetFs);
  EXPECT_EQ(input().maxPenetrationDepth, 12.0);
}

TEST_F(WarningsTest, ShallowFoundationInFeetAndTheOtherSymbols) {
  using namespace ids::foundation;
  input().unitSystem = 1;
  Project().settings.symbolStyle = 1;
  CModifyFoundationDlg dialog;
  // H / 2 = 9.84252 ft: 9.84 ft warns, 9.85 ft does not.
  const testing::Outcome out = PressOk(dialog, Script().Type(kDepth, "9.84"), Script().Escape());
  EXPECT_EQ(out.heading, "\n 1/2 height of slope = H/2 = 9.84 ft.\n");
  CModifyFoundationDlg deeper;
  const testing::Outcome passes = PressOk(deeper, Script().Type(kDepth, "9.85"));
  EXPECT_EQ(passes.nestedCount, 0);
  EXPECT_EQ(input().maxPenetrationDepth, 9.85 / 3.28084);
}

TEST_F(WarningsTest, CoverageRatioQuestion) {
  using namespace ids::geosynfs;
  struct Case {
    const char* what;
    Script answer;
    bool stored;
  };
  const Case cases[] = {
      {"Enter chooses Continue", Script().Enter(), true},
      {"Change Rc", Script().Click(IDCANCEL), false},
      {"Esc", Script().Escape(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    input() = ProjectInput();
    CModifyGeosynFsDlg dialog;
    const testing::Outcome out = PressOk(dialog, Script().Type(kCoverage, "0.49"), c.answer);
    EXPECT_EQ(out.nested, "IDD_WARNING2");
    EXPECT_EQ(out.nestedCount, 1);  // no further message
    EXPECT_EQ(input().coverageRatio, c.stored ? 0.49 : 1.0);
    if (!c.stored) {
      EXPECT_EQ(out.focusAfter, kCoverage);
    }
  }
  const fw::DialogRecord& question = *session.Find("IDD_WARNING2");
  EXPECT_TRUE(question.Visible(kDialogIdLabel));
  EXPECT_EQ(question.Text(kDialogIdLabel), "IDD_WARNING2");
  EXPECT_EQ(question.caption, "Rc < 0.5 ?");
  EXPECT_EQ(question.background, fw::RGB(255, 180, 180));

  // Rc of 0.05 passes its range but asks.
  CModifyGeosynFsDlg lowest;
  EXPECT_EQ(PressOk(lowest, Script().Type(kCoverage, "0.05")).nested, "IDD_WARNING2");
}

TEST_F(WarningsTest, TheNotesBehindTheQuestionButtons) {
  CModifyGeometryDlg geometry;
  Run(geometry, Script().Click(ids::kQuestionButton).Answer(Script().Help().Enter()).Escape());
  const fw::DialogRecord* note = session.Find("IDD_HELP_GEOMETRY");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->caption, "Superimposed reinforced slopes");
  EXPECT_EQ(note->background, fw::kWhite);
  EXPECT_FALSE(note->Visible(kDialogIdLabel));
  EXPECT_EQ(note->result, IDOK);
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"<default>"});  // F1 in the note

  CModifySeismicParamDlg seismic;
  Run(seismic, Script().Click(ids::seismic::kQuestion).Answer(Script().Enter()).Escape());
  const fw::DialogRecord* info = session.Find("IDD_WARNING99");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->caption, "For Your Information");
  EXPECT_EQ(info->background, fw::RGB(192, 192, 192));
  EXPECT_FALSE(info->Visible(kDialogIdLabel));
  EXPECT_EQ(info->result, IDOK);
}

}  // namespace
}  // namespace tervane
