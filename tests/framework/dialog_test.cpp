// The dialog model driven through the headless backend: data exchange,
// keyboard routing, focus, change notifications, nested and modeless runs.

#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Text.h"

namespace tervane::fw {
namespace {

constexpr int kEditA = 1015;
constexpr int kEditB = 1016;
constexpr int kName = 1017;
constexpr int kOther = 1023;  // a push button that is not OK

DialogTemplate FieldsTemplate() {
  DialogTemplate t;
  t.name = "IDD_TEST_FIELDS";
  t.number = 900;
  t.caption = "Fields";
  t.width = 200;
  t.height = 100;
  t.controls = {
      {kStaticId, ControlKind::StaticLeft, "A:", 5, 5, 20, 8, 0},
      {kEditA, ControlKind::Edit, "", 30, 5, 50, 12, kTabStop | kGroup},
      {kEditB, ControlKind::Edit, "", 30, 20, 50, 12, kTabStop},
      {kName, ControlKind::Edit, "", 30, 35, 50, 12, kTabStop},
      {IDOK, ControlKind::DefaultPushButton, "OK", 30, 80, 50, 14, kTabStop},
      {IDCANCEL, ControlKind::PushButton, "Cancel", 90, 80, 50, 14, kTabStop},
      {kOther, ControlKind::PushButton, "&Default", 150, 80, 40, 14, kTabStop},
  };
  return t;
}

// Exchanges two doubles and a text of at most 5 characters; remembers how it
// was reached.
class FieldsDlg : public Dialog {
 public:
  FieldsDlg() : Dialog(FieldsTemplate()) {
    OnClicked(kOther, [this] { ++otherClicks; });
    OnEditChange(kEditA, [this] { ++changesA; });
  }

  double a = 0.0;
  double b = 0.0;
  std::string name;
  std::vector<int> okFocus;  // the focus at each OnOK
  int otherClicks = 0;
  int changesA = 0;
  int cancels = 0;
  int helps = 0;
  bool lastExchange = true;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    dx.Double(kEditA, a);
    dx.Double(kEditB, b);
    dx.Text(kName, name, 5);
  }
  void OnOK() override {
    okFocus.push_back(FocusedControl());
    lastExchange = UpdateData(true);
    if (lastExchange && FocusedControl() == IDOK) EndDialog(IDOK);
  }
  void OnCancel() override {
    ++cancels;
    Dialog::OnCancel();
  }
  bool OnHelpInfo() override {
    ++helps;
    return Dialog::OnHelpInfo();
  }
};

class DialogTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  ScopedFakeServices fakes;
};

TEST_F(DialogTest, ShowsDoublesWith15DigitsAndReadsThemBack) {
  FieldsDlg dlg;
  dlg.a = 6.0;
  dlg.b = 1.7 * 3.28084;
  std::string shownA, shownB;
  session.Queue(Script()
                    .Inspect([&] {
                      shownA = dlg.GetText(kEditA);
                      shownB = dlg.GetText(kEditB);
                    })
                    .Type(kEditA, "6")
                    .Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(shownA, "6");
  EXPECT_EQ(shownB, "5.577428");
  EXPECT_EQ(dlg.a, 6.0);
  // 1.7 m shown in feet and read back divides to the neighbour of 1.7.
  EXPECT_EQ(tervane::FormatDouble15(dlg.b / 3.28084), "1.7");
  EXPECT_EQ(dlg.b / 3.28084, 1.7000000000000002);
  EXPECT_TRUE(fakes.messageBox.Calls().empty());
}

TEST_F(DialogTest, RefusesEveryTextThatIsNotOneFiniteNumber) {
  for (const char* bad : {"", "abc", "1.5abc", "nan", "inf", "1e999", "0x10", "1,5"}) {
    SCOPED_TRACE(bad);
    ScopedFakeServices local;
    FieldsDlg dlg;
    dlg.a = 2.5;
    dlg.b = 3.0;
    int focusAfter = 0;
    session.Queue(Script()
                      .Type(kEditA, bad)
                      .Type(kEditB, "7")
                      .Click(IDOK)
                      .Inspect([&] { focusAfter = dlg.FocusedControl(); }));
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.lastExchange);
    EXPECT_EQ(local.messageBox.Texts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(local.messageBox.Calls()[0].caption, "Tervane");
    EXPECT_EQ(focusAfter, kEditA);
    // Nothing is taken from a refused exchange, not even the later fields.
    EXPECT_EQ(dlg.a, 2.5);
    EXPECT_EQ(dlg.b, 3.0);
    EXPECT_TRUE(session.Records().back().scriptRanOut);
  }
}

TEST_F(DialogTest, RefusesATextLongerThanItsMaximum) {
  FieldsDlg dlg;
  dlg.name = "abcdefg";  // longer than 5: shown whole, refused on reading
  int focusAfter = 0;
  std::string shown;
  session.Queue(Script()
                    .Inspect([&] { shown = dlg.GetText(kName); })
                    .Click(IDOK)
                    .Inspect([&] { focusAfter = dlg.FocusedControl(); })
                    .Type(kName, "xyz\xC3\xA9\xC3\xA9\xC3\xA9")  // typing stops at 5 characters
                    .Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(shown, "abcdefg");
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{"Please enter no more than 5 characters."});
  EXPECT_EQ(focusAfter, kName);
  EXPECT_EQ(dlg.name, "xyz\xC3\xA9\xC3\xA9");
}

TEST_F(DialogTest, EnterInAnEditReachesOnOKWithThatEditFocused) {
  FieldsDlg dlg;
  session.Queue(Script().Type(kEditB, "4").Enter().Focus(kName).Enter().Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.okFocus, (std::vector<int>{kEditB, kName, IDOK}));
  EXPECT_EQ(dlg.b, 4.0);
}

TEST_F(DialogTest, EnterOnAnotherPushButtonClicksThatButton) {
  FieldsDlg dlg;
  session.Queue(Script().Focus(kOther).Enter().Focus(IDCANCEL).Enter());
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.otherClicks, 1);
  EXPECT_TRUE(dlg.okFocus.empty());
  EXPECT_EQ(dlg.cancels, 1);
  EXPECT_FALSE(session.Records().back().scriptRanOut);
}

TEST_F(DialogTest, EscCloseBoxAndF1) {
  FieldsDlg dlg;
  session.Queue(Script().Help().Escape());
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.helps, 1);
  EXPECT_EQ(dlg.cancels, 1);
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"<default>"});

  session.Queue(Script().Close().Click(IDOK));  // the click never happens
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.cancels, 2);
  EXPECT_EQ(session.Records().back().stepsLeft, 1);
}

TEST_F(DialogTest, FocusStartsOnTheFirstUsableTabStop) {
  class Disabling : public FieldsDlg {
    bool OnInitDialog() override {
      Dialog::OnInitDialog();
      EnableControl(kEditA, false);
      return true;
    }
  } dlg;
  session.Queue(Script().Type(kEditA, "1"));
  dlg.DoModal();
  const DialogRecord& r = session.Records().back();
  EXPECT_EQ(r.focusAtEnd, kEditB);
  // A disabled field takes no typing; the step is reported, not carried out.
  ASSERT_EQ(r.scriptErrors.size(), 1u);
  EXPECT_EQ(r.scriptErrors[0], "Type: control 1015 is disabled");
  EXPECT_FALSE(r.Enabled(kEditA));
  EXPECT_EQ(r.Text(kEditA), "0");
}

TEST_F(DialogTest, ChangeNotificationsOnlyForTheUsersTyping) {
  FieldsDlg dlg;
  session.Queue(Script()
                    .Inspect([&] {
                      dlg.SetText(kEditA, "12");
                      dlg.UpdateData(false);
                    })
                    .Type(kEditA, "13")
                    .Type(kEditB, "1"));
  dlg.DoModal();
  EXPECT_EQ(dlg.changesA, 1);
}

TEST_F(DialogTest, ARunWhoseScriptEndsIsCancelledAndRecorded) {
  FieldsDlg dlg;
  dlg.a = 1.25;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // no script queued at all
  const DialogRecord& r = session.Records().back();
  EXPECT_TRUE(r.scriptRanOut);
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(r.templateName, "IDD_TEST_FIELDS");
  EXPECT_EQ(r.caption, "Fields");
  EXPECT_EQ(r.Text(kEditA), "1.25");
  EXPECT_EQ(r.focusAtEnd, kEditA);
  EXPECT_EQ(dlg.cancels, 0);  // ended by the harness, not by the dialog
}

// A dialog whose OnOK opens a nested dialog (a plain one with OK and Cancel).
class OuterDlg : public FieldsDlg {
 public:
  int innerResult = 0;

 protected:
  void OnOK() override {
    if (!UpdateData(true)) return;
    FieldsDlg inner;
    inner.a = a * 2;
    innerResult = inner.DoModal();
    if (innerResult == IDOK) {
      a = inner.a;
      EndDialog(IDOK);
    } else {
      SetFocus(kEditB);
    }
  }
};

TEST_F(DialogTest, NestedModalDialogsFollowTheirOwnScripts) {
  OuterDlg dlg;
  session.Queue(Script()
                    .Type(kEditA, "3")
                    .Click(IDOK)  // inner one: Esc
                    .Answer(Script().Escape())
                    .Inspect([&] { EXPECT_EQ(dlg.FocusedControl(), kEditB); })
                    .Click(IDOK)  // inner one: typed, then OK
                    .Answer(Script().Type(kEditA, "8.5").Click(IDOK)));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.a, 8.5);
  ASSERT_EQ(session.Records().size(), 3u);
  EXPECT_EQ(session.Records()[0].depth, 0);
  EXPECT_EQ(session.Records()[1].depth, 1);
  EXPECT_EQ(session.Records()[1].result, IDCANCEL);
  EXPECT_FALSE(session.Records()[1].scriptRanOut);
  EXPECT_EQ(session.Records()[2].Text(kEditA), "8.5");
  EXPECT_EQ(session.Records()[0].answersLeft, 0);
}

TEST_F(DialogTest, ClickingAHiddenButtonIsRefused) {
  class Hiding : public FieldsDlg {
    bool OnInitDialog() override {
      Dialog::OnInitDialog();
      ShowControl(kOther, false);
      return true;
    }
  } dlg;
  session.Queue(Script().Click(kOther).Click(999));
  dlg.DoModal();
  EXPECT_EQ(dlg.otherClicks, 0);
  const DialogRecord& r = session.Records().back();
  EXPECT_EQ(r.scriptErrors, (std::vector<std::string>{"Click: control 1023 is hidden", "Click: no control 999"}));
  EXPECT_FALSE(r.Visible(kOther));
}

TEST_F(DialogTest, EnterDoesNothingWhenTheDefaultButtonIsDisabled) {
  class NoOk : public FieldsDlg {
    bool OnInitDialog() override {
      Dialog::OnInitDialog();
      EnableControl(IDOK, false);
      return true;
    }
  } dlg;
  session.Queue(Script().Enter());
  dlg.DoModal();
  EXPECT_TRUE(dlg.okFocus.empty());
}

// ---- one control of every kind --------------------------------------------------

constexpr int kEdit = 100, kMulti = 101, kStatic = 102, kCentred = 103, kRight = 104, kGroupBox = 105,
              kRadio1 = 106, kRadio2 = 107, kPushRadio = 108, kCheck = 109, kCombo = 110, kList = 111,
              kPicture = 112, kBlack = 113, kSunken = 114, kEtched = 115, kSheet = 116, kPreview = 117,
              kPush = 118, kBitmap = 119;

DialogTemplate EveryKindTemplate() {
  DialogTemplate t;
  t.name = "IDD_TEST_EVERY_KIND";
  t.caption = "Every kind";
  t.width = 300;
  t.height = 200;
  ControlTemplate picture{kPicture, ControlKind::Picture, "", 0, 0, 20, 20, 0};
  picture.pictureId = 233;
  t.controls = {
      {kEdit, ControlKind::Edit, "", 0, 0, 40, 12, kTabStop | kGroup},
      {kMulti, ControlKind::MultiLineEdit, "", 0, 0, 40, 30, kTabStop | kVScroll},
      {kStatic, ControlKind::StaticLeft, "left", 0, 0, 40, 8, 0},
      {kCentred, ControlKind::StaticCentered, "centred", 0, 0, 40, 8, 0},
      {kRight, ControlKind::StaticRight, "right", 0, 0, 40, 8, 0},
      {kGroupBox, ControlKind::GroupBox, "Group", 0, 0, 80, 40, 0},
      {kRadio1, ControlKind::Radio, "one", 0, 0, 40, 10, kTabStop | kGroup},
      {kRadio2, ControlKind::Radio, "two", 0, 0, 40, 10, 0},
      {kPushRadio, ControlKind::PushLikeRadio, "three", 0, 0, 40, 10, 0},
      {kCheck, ControlKind::CheckBox, "check", 0, 0, 40, 10, kTabStop | kGroup},
      {kCombo, ControlKind::ComboBox, "", 0, 0, 60, 80, kTabStop | kComboEditable | kComboSorted},
      {kList, ControlKind::ComboBox, "", 0, 0, 60, 80, kTabStop},
      picture,
      {kBlack, ControlKind::FrameBlack, "", 0, 0, 10, 10, 0},
      {kSunken, ControlKind::FrameSunken, "", 0, 0, 10, 10, 0},
      {kEtched, ControlKind::FrameEtched, "", 0, 0, 10, 10, 0},
      {kSheet, ControlKind::Spreadsheet, "", 0, 0, 100, 60, kTabStop},
      {kPreview, ControlKind::PrintPreview, "", 0, 0, 100, 60, 0},
      {kPush, ControlKind::PushButton, "Push", 0, 0, 40, 14, kTabStop},
      {kBitmap, ControlKind::BitmapPushButton, "TRUNCATE", 0, 0, 40, 14, kTabStop},
      {IDOK, ControlKind::DefaultPushButton, "OK", 0, 0, 40, 14, kTabStop},
  };
  return t;
}

struct EveryKindValues {
  double edit = 0;
  std::string multi, left, centred, right, group, picture, black, sunken, etched, sheet, preview, push,
      bitmap, combo;
  int radio = -1;
  int check = 0;
  int list = -1;
};

class EveryKindDlg : public Dialog {
 public:
  EveryKindDlg() : Dialog(EveryKindTemplate()) {}
  EveryKindValues v;

 protected:
  bool OnInitDialog() override {
    for (const char* s : {"Metric", "english", "Dutch"}) ComboAdd(kCombo, s);
    for (const char* s : {"zeta", "alpha"}) ComboAdd(kList, s);  // unsorted: kept in order
    return Dialog::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    dx.Double(kEdit, v.edit);
    dx.Text(kMulti, v.multi);
    dx.Text(kStatic, v.left);
    dx.Text(kCentred, v.centred);
    dx.Text(kRight, v.right);
    dx.Text(kGroupBox, v.group);
    dx.Radio(kRadio1, v.radio);
    dx.Check(kCheck, v.check);
    dx.ComboText(kCombo, v.combo, 20);
    dx.ComboIndex(kList, v.list);
    dx.Text(kPicture, v.picture);
    dx.Text(kBlack, v.black);
    dx.Text(kSunken, v.sunken);
    dx.Text(kEtched, v.etched);
    dx.Text(kSheet, v.sheet);
    dx.Text(kPreview, v.preview);
    dx.Text(kPush, v.push);
    dx.Text(kBitmap, v.bitmap);
  }
};

TEST_F(DialogTest, EveryKindRoundTripsThroughDataExchange) {
  EveryKindDlg dlg;
  dlg.v.edit = 0.1;
  dlg.v.multi = "line 1\r\nline 2";
  dlg.v.left = "L";
  dlg.v.centred = "\n C";
  dlg.v.right = "R";
  dlg.v.group = "G";
  dlg.v.radio = 2;
  dlg.v.check = 1;
  dlg.v.combo = "ENG";  // selects "english" by its beginning, ignoring case
  dlg.v.list = 1;
  dlg.v.picture = "P";
  dlg.v.black = "B";
  dlg.v.sunken = "S";
  dlg.v.etched = "E";
  dlg.v.sheet = "SH";
  dlg.v.preview = "PV";
  dlg.v.push = "Push!";
  dlg.v.bitmap = "QUESTION";
  const EveryKindValues shown = dlg.v;

  EveryKindValues readUnchanged;
  std::vector<std::string> comboItems;
  session.Queue(Script()
                    .Inspect([&] {
                      comboItems = dlg.ComboItems(kCombo);
                      EXPECT_EQ(dlg.GetText(kCombo), "english");
                      EXPECT_EQ(dlg.GetText(kEdit), "0.1");
                      EXPECT_EQ(dlg.GetCheck(kPushRadio), 1);
                      EXPECT_EQ(dlg.GetCheck(kRadio1), 0);
                      dlg.v = EveryKindValues{};
                      EXPECT_TRUE(dlg.UpdateData(true));
                      readUnchanged = dlg.v;
                    })
                    .Type(kEdit, "-2.5e-3")
                    .Type(kMulti, "x\r\ny")
                    .Click(kRadio1)
                    .Click(kCheck)
                    .Type(kCombo, "Swahili")
                    .SelectItem(kList, 0)
                    .Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(comboItems, (std::vector<std::string>{"Dutch", "english", "Metric"}));

  // Shown and read back unchanged: every kind keeps its value.
  EXPECT_EQ(readUnchanged.edit, shown.edit);
  EXPECT_EQ(readUnchanged.multi, shown.multi);
  EXPECT_EQ(readUnchanged.centred, shown.centred);
  EXPECT_EQ(readUnchanged.radio, 2);
  EXPECT_EQ(readUnchanged.check, 1);
  EXPECT_EQ(readUnchanged.combo, "english");
  EXPECT_EQ(readUnchanged.list, 1);
  for (auto [got, want] : std::vector<std::pair<std::string, std::string>>{
           {readUnchanged.left, "L"}, {readUnchanged.right, "R"}, {readUnchanged.group, "G"},
           {readUnchanged.picture, "P"}, {readUnchanged.black, "B"}, {readUnchanged.sunken, "S"},
           {readUnchanged.etched, "E"}, {readUnchanged.sheet, "SH"}, {readUnchanged.preview, "PV"},
           {readUnchanged.push, "Push!"}, {readUnchanged.bitmap, "QUESTION"}})
    EXPECT_EQ(got, want);

  // What the user changed comes back.
  EXPECT_EQ(dlg.v.edit, -0.0025);
  EXPECT_EQ(dlg.v.multi, "x\r\ny");
  EXPECT_EQ(dlg.v.radio, 0);
  EXPECT_EQ(dlg.v.check, 0);
  EXPECT_EQ(dlg.v.combo, "Swahili");
  EXPECT_EQ(dlg.v.list, 0);
  EXPECT_TRUE(session.Records().back().scriptErrors.empty());
}

TEST_F(DialogTest, ComboTextThatBeginsNoItemStaysInTheEditPart) {
  EveryKindDlg dlg;
  dlg.v.combo = "Klingon";
  dlg.v.list = 5;  // no such item: nothing selected
  dlg.DoModal();
  const DialogRecord& r = session.Records().back();
  EXPECT_EQ(r.Text(kCombo), "Klingon");
  EXPECT_EQ(r.Control(kCombo)->selection, -1);
  EXPECT_EQ(r.Control(kList)->selection, -1);
  EXPECT_EQ(r.Text(kList), "");
}

// ---- modeless windows and painting ----------------------------------------------

class PaintingDlg : public FieldsDlg {
 protected:
  void OnPaint(DeviceContext& dc) override {
    const Size s = ClientSize();
    dc.MoveTo(0, 0);
    dc.LineTo(s.cx, s.cy);
  }
};

TEST_F(DialogTest, ModelessDialogsAreDrivenAndHiddenByEndDialog) {
  PaintingDlg dlg;
  dlg.SetBackgroundColor(RGB(255, 255, 128));
  ASSERT_TRUE(dlg.CreateModeless());
  EXPECT_TRUE(dlg.IsWindowVisible());
  EXPECT_FALSE(dlg.CreateModeless());  // one window at a time
  ASSERT_TRUE(session.Drive(dlg, Script().Type(kEditA, "5").Paint().Escape()));
  EXPECT_TRUE(dlg.IsWindow());
  EXPECT_FALSE(dlg.IsWindowVisible());  // the framework's cancel only hides it
  dlg.Invalidate();
  dlg.InvalidateRect(Rect{1, 2, 3, 4}, false);
  dlg.DestroyWindow();
  EXPECT_FALSE(dlg.IsWindow());

  const DialogRecord& r = session.Records().back();
  EXPECT_FALSE(r.modal);
  EXPECT_EQ(r.background, RGB(255, 255, 128));
  EXPECT_EQ(r.Text(kEditA), "5");
  EXPECT_EQ(r.paintCount, 1);
  EXPECT_EQ(r.lastPaint, (std::vector<std::string>{"MoveTo 0 0", "LineTo 300 162"}));
  ASSERT_EQ(r.invalidations.size(), 2u);
  EXPECT_EQ(r.invalidations[0].rect, (Rect{0, 0, 300, 162}));
  EXPECT_TRUE(r.invalidations[0].erase);
  EXPECT_EQ(r.invalidations[1].rect, (Rect{1, 2, 3, 4}));
  EXPECT_FALSE(r.invalidations[1].erase);
}

TEST_F(DialogTest, WithoutAWindowControlsReadEmptyAndExchangeFails) {
  FieldsDlg dlg;
  EXPECT_EQ(dlg.GetText(kEditA), "");
  EXPECT_EQ(dlg.FocusedControl(), 0);
  EXPECT_FALSE(dlg.UpdateData(true));
  dlg.SetText(kEditA, "x");  // ignored, no crash
  EXPECT_EQ(dlg.Caption(), "Fields");
}

// A push-like check box toggles at every click, before its handler runs, and
// exchanges like a check box; the headless window's grab is its background,
// cut to the client area.
TEST_F(DialogTest, PushLikeCheckBoxAndTheGrabOfAHeadlessWindow) {
  DialogTemplate t;
  t.name = "IDD_TEST_TOGGLE";
  t.width = 100;
  t.height = 40;
  constexpr int kToggle = 1145;
  t.controls = {{kToggle, ControlKind::PushLikeCheckBox, "Toggle", 5, 5, 60, 14, kTabStop},
                {IDOK, ControlKind::DefaultPushButton, "OK", 5, 22, 40, 14, kTabStop}};
  class ToggleDlg : public Dialog {
   public:
    explicit ToggleDlg(DialogTemplate tmpl) : Dialog(std::move(tmpl)) {
      OnClicked(kToggle, [this] { seen.push_back(GetCheck(kToggle)); });
    }
    std::vector<int> seen;
    int state = 1;
    Image grab;

   protected:
    void DoDataExchange(DataExchange& dx) override { dx.Check(kToggle, state); }
  } dlg(t);
  dlg.SetBackgroundColor(RGB(1, 2, 3));
  session.Queue(Script().Click(kToggle).Click(kToggle).Click(kToggle).Inspect([&] {
    dlg.grab = dlg.GrabClient(Rect{100, 10, 400, 30});
  }).Click(IDOK));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.seen, (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(dlg.state, 0);
  EXPECT_TRUE(IsCheckBox(ControlKind::PushLikeCheckBox));
  EXPECT_FALSE(IsPushButton(ControlKind::PushLikeCheckBox));
  ASSERT_FALSE(dlg.grab.IsNull());
  EXPECT_EQ(dlg.grab.Width(), 150 - 100);  // the client area is 150 x 65
  EXPECT_EQ(dlg.grab.Height(), 20);
  EXPECT_EQ(dlg.grab.Pixel(0, 0), RGB(1, 2, 3));
}

TEST(DialogWithoutSession, TheBuiltInBackendCancelsAtOnce) {
  FieldsDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
}  // namespace tervane::fw
