#include "common/MessageDialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "model/ProjectData.h"
#include "resources/DialogTemplates.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

constexpr const char* kCaption = "Conflict -- before running . . .";

class MessageDialogsTest : public ::testing::Test {
 protected:
  ScopedProject project;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
};

TEST_F(MessageDialogsTest, TemplatesAreRegisteredByNameAndNumber) {
  struct Case {
    const char* name;
    int number;
    int width, height;
    std::size_t controls;
  };
  for (const Case& c : {Case{"IDD_POLICING", 183, 252, 93, 4}, Case{"IDD_POLICE_WARN", 236, 296, 77, 5},
                        Case{"IDD_POLICING2", 232, 173, 130, 7}, Case{"IDD_POLICING_XL", 185, 291, 108, 5}}) {
    SCOPED_TRACE(c.name);
    const fw::DialogTemplate* t = FindDialogTemplate(c.name);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(FindDialogTemplateByNumber(c.number), t);
    EXPECT_EQ(t->caption, kCaption);
    EXPECT_EQ(t->width, c.width);
    EXPECT_EQ(t->height, c.height);
    EXPECT_EQ(t->font.face, "MS Sans Serif");
    EXPECT_EQ(t->font.pointSize, 8);
    EXPECT_EQ(t->controls.size(), c.controls);
    EXPECT_EQ(t->DefaultButtonId(), IDOK);
    ASSERT_NE(t->Find(kDialogIdLabel), nullptr);
    EXPECT_EQ(t->Find(kDialogIdLabel)->text, c.name);
  }
  EXPECT_EQ(FindDialogTemplate("IDD_NO_SUCH"), nullptr);
  // A missing template gives an empty window, not a crash.
  EXPECT_TRUE(DialogTemplateNamed("IDD_NO_SUCH").controls.empty());
  EXPECT_EQ(DialogTemplateNamed("IDD_NO_SUCH").name, "IDD_NO_SUCH");
}

TEST_F(MessageDialogsTest, TheInterwedgeDialogShowsPicture233AndItsNote) {
  const fw::DialogTemplate& t = *FindDialogTemplate("IDD_POLICING2");
  const fw::ControlTemplate& picture = t.controls[1];
  EXPECT_EQ(picture.kind, fw::ControlKind::Picture);
  EXPECT_EQ(picture.pictureId, 233);
  EXPECT_EQ((fw::DialogUnitsToPixels(t.font, 1.0, picture.x, picture.y, picture.width, picture.height)),
            (fw::Rect{10, 11, 249, 79}));
  EXPECT_EQ(t.controls[2].text, "whichever is smaller.");
  EXPECT_EQ(t.controls[4].text, "Note: Fs is the factor of safety assigned to soil shear strength.");
  EXPECT_EQ(t.controls[3].kind, fw::ControlKind::FrameEtched);
}

TEST_F(MessageDialogsTest, EachDialogShowsTheCallersTexts) {
  {
    CPolicingDlg dlg;
    dlg.messageText = "\n Slope height should be at least 1.0 m.";
    dlg.errorNumberText = "Error No.1130";
    session.Queue(Script().Enter());
    EXPECT_EQ(dlg.DoModal(), IDOK);
  }
  {
    CPoliceWarnDlg dlg;
    dlg.messageText = "\n Generally, backslope should not exceed ...";
    dlg.errorNumberText = "Error No.1138";
    session.Queue(Script().Enter());
    dlg.DoModal();
  }
  {
    CPolicing2Dlg dlg;
    dlg.errorNumberText = "Error No.1160";
    session.Queue(Script().Click(IDOK));
    dlg.DoModal();
  }
  {
    CPolicingXlDlg dlg;
    dlg.messageText = "first";
    dlg.messageText2 = "second";
    dlg.errorNumberText = "Error No.1170";
    session.Queue(Script().Enter());
    dlg.DoModal();
  }
  const auto& r = session.Records();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].templateName, "IDD_POLICING");
  EXPECT_EQ(r[0].Text(kMessageTextId), "\n Slope height should be at least 1.0 m.");
  EXPECT_EQ(r[0].Text(kErrorNumberTextId), "Error No.1130");
  EXPECT_EQ(r[1].templateName, "IDD_POLICE_WARN");
  EXPECT_EQ(r[1].Text(kMessageTextId), "\n Generally, backslope should not exceed ...");
  EXPECT_EQ(r[1].Text(kErrorNumberTextId), "Error No.1138");
  EXPECT_EQ(r[2].templateName, "IDD_POLICING2");
  EXPECT_EQ(r[2].Text(kErrorNumberTextId), "Error No.1160");
  EXPECT_EQ(r[3].templateName, "IDD_POLICING_XL");
  EXPECT_EQ(r[3].Text(kMessageTextId), "first");
  EXPECT_EQ(r[3].Text(kMessageText2Id), "second");
  EXPECT_EQ(r[3].Text(kErrorNumberTextId), "Error No.1170");

  const fw::ColorRef red = fw::RGB(255, 80, 80);
  EXPECT_EQ(r[0].background, red);
  EXPECT_EQ(r[1].background, red);
  EXPECT_EQ(r[2].background, red);
  EXPECT_EQ(r[3].background, fw::RGB(255, 180, 180));
  for (const fw::DialogRecord& d : r) {
    EXPECT_EQ(d.caption, kCaption);
    EXPECT_FALSE(d.Visible(kDialogIdLabel)) << d.templateName;
    EXPECT_FALSE(d.scriptRanOut) << d.templateName;
    EXPECT_TRUE(d.scriptErrors.empty()) << d.templateName;
  }
}

TEST_F(MessageDialogsTest, EmptyMembersShowEmptyStaticsNotThePlaceholders) {
  CPolicingXlDlg xl;
  xl.DoModal();
  CPoliceWarnDlg warn;
  warn.DoModal();
  for (const fw::DialogRecord& d : session.Records()) {
    EXPECT_EQ(d.Text(kMessageTextId), "") << d.templateName;
    EXPECT_EQ(d.Text(kErrorNumberTextId), "") << d.templateName;
  }
  EXPECT_EQ(session.Records()[0].Text(kMessageText2Id), "");
}

TEST_F(MessageDialogsTest, TheIdLabelFollowsHideDialogIdLabels) {
  project.project().hideDialogIdLabels = 0;
  CPolicingDlg shown;
  shown.DoModal();
  project.project().hideDialogIdLabels = 1;
  CPolicingDlg hidden;
  hidden.DoModal();
  EXPECT_TRUE(session.Records()[0].Visible(kDialogIdLabel));
  EXPECT_EQ(session.Records()[0].Text(kDialogIdLabel), "IDD_POLICING");
  EXPECT_FALSE(session.Records()[1].Visible(kDialogIdLabel));
}

TEST_F(MessageDialogsTest, PoliceWarnAnswers) {
  struct Case {
    const char* what;
    int preset;
    Script script;
    int result;
    int continueChosen;
  };
  const std::vector<Case> cases = {
      {"Enter chooses Return to Correct", 1, Script().Enter(), IDOK, 0},
      {"Return to Correct clicked", 1, Script().Click(IDOK), IDOK, 0},
      {"Continue clicked", 0, Script().Click(kContinueButtonId), IDOK, 1},
      {"Enter on Continue", 0, Script().Focus(kContinueButtonId).Enter(), IDOK, 1},
      // A dismissed warning never counts as Continue, whatever was preset.
      {"Esc", 1, Script().Escape(), IDCANCEL, 0},
      {"close box", 1, Script().Close(), IDCANCEL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CPoliceWarnDlg dlg;
    dlg.continueChosen = c.preset;
    session.Queue(c.script);
    EXPECT_EQ(dlg.DoModal(), c.result);
    EXPECT_EQ(dlg.continueChosen, c.continueChosen);
    EXPECT_FALSE(session.Records().back().scriptRanOut);
  }
}

TEST_F(MessageDialogsTest, F1OpensTheHelpFilesDefaultPage) {
  CPolicingDlg dlg;
  session.Queue(Script().Help().Enter());
  dlg.DoModal();
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"<default>"});
}

// A checking dialog of the input pattern: OK validates one field and reports a
// failure through CPolicingDlg, then puts the focus on the field.
constexpr int kHeight = 1015;
constexpr int kAngle = 1016;

fw::DialogTemplate CheckingTemplate() {
  fw::DialogTemplate t;
  t.name = "IDD_TEST_CHECKING";
  t.caption = "Checking";
  t.width = 200;
  t.height = 100;
  t.controls = {
      {kHeight, fw::ControlKind::Edit, "", 10, 10, 50, 12, fw::kTabStop | fw::kGroup},
      {kAngle, fw::ControlKind::Edit, "", 10, 30, 50, 12, fw::kTabStop},
      {IDOK, fw::ControlKind::DefaultPushButton, "OK", 10, 80, 50, 14, fw::kTabStop},
  };
  return t;
}

class CheckingDlg : public fw::Dialog {
 public:
  CheckingDlg() : fw::Dialog(CheckingTemplate()) {}
  double height = 6.0;
  double angle = 45.0;
  double storedHeight = -1.0;

 protected:
  void DoDataExchange(fw::DataExchange& dx) override {
    dx.Double(kHeight, height);
    dx.Double(kAngle, angle);
  }
  void OnOK() override {
    UpdateData(true);
    switch (FocusedControl()) {
      case kHeight: SetFocus(kAngle); return;
      case kAngle: SetFocus(kHeight); return;
      case IDOK: break;
      default: return;
    }
    if (height < 1.0) {
      CPolicingDlg message;
      message.messageText = "\n Slope height should be at least 1.0 m.";
      message.errorNumberText = "Error No.1130";
      message.DoModal();
      SetFocus(kHeight);
      return;
    }
    storedHeight = height;
    EndDialog(IDOK);
  }
};

TEST_F(MessageDialogsTest, ACheckFromOnOKIsDrivenEndToEnd) {
  CheckingDlg dlg;
  int focusAfterMessage = 0;
  session.Queue(Script()
                    .Type(kHeight, "0.5")
                    .Enter()  // moves on to the angle
                    .Inspect([&] { EXPECT_EQ(dlg.FocusedControl(), kAngle); })
                    .Click(IDOK)
                    .Answer(Script().Enter())
                    .Inspect([&] { focusAfterMessage = dlg.FocusedControl(); })
                    .Type(kHeight, "abc")
                    .Click(IDOK)  // the framework's message: no check, focus stays on the field
                    .Type(kHeight, "2")
                    .Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(focusAfterMessage, kHeight);
  EXPECT_EQ(dlg.storedHeight, 2.0);

  const auto& r = session.Records();
  ASSERT_EQ(r.size(), 2u);  // one CPolicingDlg only: "abc" ran no check
  EXPECT_EQ(r[1].templateName, "IDD_POLICING");
  EXPECT_EQ(r[1].depth, 1);
  EXPECT_EQ(r[1].result, IDOK);
  EXPECT_EQ(r[1].Text(kErrorNumberTextId), "Error No.1130");
  EXPECT_EQ(r[0].messageBoxes, std::vector<std::string>{"Please enter a number."});
  EXPECT_TRUE(r[1].messageBoxes.empty());
}

TEST_F(MessageDialogsTest, ANestedDialogWithoutAScriptIsCancelledAndRecorded) {
  CheckingDlg dlg;
  dlg.height = 0.2;
  session.Queue(Script().Click(IDOK).Type(kHeight, "3").Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  const auto& r = session.Records();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(r[1].scriptRanOut);
  EXPECT_EQ(r[1].result, IDCANCEL);
  EXPECT_EQ(r[1].Text(kMessageTextId), "\n Slope height should be at least 1.0 m.");
}

}  // namespace
}  // namespace tervane
