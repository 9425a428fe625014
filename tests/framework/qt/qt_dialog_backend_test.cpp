// The Qt dialog backend, offscreen: windows made from templates, data exchange
// through every kind of control, keyboard routing, painting, modal and
// modeless runs.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/testing/FakeServices.h"
#include "framework/qt/QtDialogBackend.h"
#include "support/QtDialogTestSupport.h"
#include "support/QtShots.h"

namespace tervane::fw {
namespace {

using qttest::Click;
using qttest::Key;
using qttest::KeyAtFocus;
using qttest::RunModal;
using qttest::Type;

constexpr unsigned kTab = kTabStop | kGroup;

enum : int {
  kBitmapButton = 100,
  kEdit = 101,
  kMultiLine = 102,
  kStaticLeft = 103,
  kStaticCentered = 104,
  kStaticRight = 105,
  kGroupBox = 106,
  kRadio1 = 107,
  kRadio2 = 108,
  kRadio3 = 109,
  kPushRadio1 = 110,
  kPushRadio2 = 111,
  kCheck = 112,
  kDropDown = 113,
  kEditableCombo = 114,
  kSortedCombo = 115,
  kPicture = 116,
  kFrameBlack = 117,
  kFrameSunken = 118,
  kFrameEtched = 119,
  kSpreadsheet = 120,
  kPreview = 121,
  kNumber = 122,
  kOther = 123,
};

ControlTemplate C(int id, ControlKind kind, std::string text, int x, int y, int w, int h, unsigned flags = 0) {
  ControlTemplate c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  c.x = x;
  c.y = y;
  c.width = w;
  c.height = h;
  c.flags = flags;
  return c;
}

// One control of every kind; the bottom right corner (x >= 250, y >= 150)
// stays empty for painting.
DialogTemplate EveryKind() {
  DialogTemplate t;
  t.name = "IDD_EVERY_KIND";
  t.caption = "Every kind";
  t.width = 300;
  t.height = 200;
  t.controls = {
      C(IDOK, ControlKind::DefaultPushButton, "&OK", 250, 5, 45, 14, kTab),
      C(IDCANCEL, ControlKind::PushButton, "Cancel", 250, 22, 45, 14, kTab),
      C(kBitmapButton, ControlKind::BitmapPushButton, "NOPICTURE", 250, 40, 45, 14, kTab),
      C(kEdit, ControlKind::Edit, "", 5, 5, 60, 12, kTab),
      C(kMultiLine, ControlKind::MultiLineEdit, "", 5, 20, 60, 30, kTab),
      C(kStaticLeft, ControlKind::StaticLeft, "Left", 70, 5, 50, 8),
      C(kStaticCentered, ControlKind::StaticCentered, "Centred", 70, 15, 50, 8),
      C(kStaticRight, ControlKind::StaticRight, "Right", 70, 25, 50, 8),
      C(kGroupBox, ControlKind::GroupBox, "Group", 125, 5, 120, 50),
      C(kRadio1, ControlKind::Radio, "One", 130, 15, 40, 10, kTab),
      C(kRadio2, ControlKind::Radio, "Two", 130, 27, 40, 10),
      C(kRadio3, ControlKind::Radio, "Three", 130, 39, 40, 10),
      C(kPushRadio1, ControlKind::PushLikeRadio, "A", 180, 15, 25, 14, kTab),
      C(kPushRadio2, ControlKind::PushLikeRadio, "B", 210, 15, 25, 14),
      C(kCheck, ControlKind::CheckBox, "Check", 180, 35, 50, 10, kTab),
      C(kDropDown, ControlKind::ComboBox, "", 5, 60, 60, 60, kTab | kVScroll),
      C(kEditableCombo, ControlKind::ComboBox, "", 70, 60, 60, 60, kTab | kComboEditable),
      C(kSortedCombo, ControlKind::ComboBox, "", 135, 60, 60, 60, kTab | kComboSorted),
      C(kPicture, ControlKind::Picture, "", 5, 80, 159, 42),
      C(kFrameBlack, ControlKind::FrameBlack, "", 170, 80, 20, 20),
      C(kFrameSunken, ControlKind::FrameSunken, "", 195, 80, 20, 20),
      C(kFrameEtched, ControlKind::FrameEtched, "", 220, 80, 20, 20),
      C(kSpreadsheet, ControlKind::Spreadsheet, "", 5, 130, 100, 40, kTab),
      C(kPreview, ControlKind::PrintPreview, "", 110, 130, 100, 40),
      C(kNumber, ControlKind::Edit, "", 200, 60, 40, 12, kTab),
      C(kOther, ControlKind::PushButton, "Other", 250, 60, 45, 14, kTab),
  };
  t.controls[18].pictureId = 233;
  return t;
}

QImage Grab(QtDialogBackend& b) { return b.Window()->grab().toImage(); }

// Records what the dialog model was asked to do.
class EveryKindDialog : public Dialog {
 public:
  explicit EveryKindDialog(DialogTemplate t = EveryKind()) : Dialog(std::move(t)) {
    OnClicked(kOther, [this] { ++otherClicks; });
    OnEditChange(kEdit, [this] { ++editChanges; });
    OnEditChange(kMultiLine, [this] { ++multiLineChanges; });
    OnEditChange(kEditableCombo, [this] { ++comboChanges; });
  }

  // Members exchanged with the controls.
  std::string edit = "plain text";
  std::string multiLine = "first line\r\nsecond line";
  std::string staticText = "A label";
  std::string groupTitle = "Units";
  std::string buttonCaption = "&Apply";
  std::string pictureCaption = "TRUNCATE";
  int radio = 2;
  int pushRadio = 1;
  int check = 1;
  std::string dropDownText = "Beta";
  std::string editableText = "typed 12.5";
  int sortedIndex = 1;
  double number = 1.7000000000000002;
  bool exchange = true;

  int oks = 0;
  int cancels = 0;
  int helps = 0;
  int destroys = 0;
  int otherClicks = 0;
  int editChanges = 0;
  int multiLineChanges = 0;
  int comboChanges = 0;
  int paints = 0;
  std::function<void(DeviceContext&)> paint;
  int focusAtOk = -1;

  using Dialog::UpdateData;

 protected:
  bool OnInitDialog() override {
    for (const char* item : {"Alpha", "Beta", "Gamma"}) {
      ComboAdd(kDropDown, item);
      ComboAdd(kEditableCombo, item);
    }
    for (const char* item : {"pear", "Apple", "fig"}) ComboAdd(kSortedCombo, item);
    return Dialog::OnInitDialog();
  }
  void DoDataExchange(DataExchange& dx) override {
    if (!exchange) return;
    dx.Text(kEdit, edit);
    dx.Text(kMultiLine, multiLine);
    dx.Text(kStaticLeft, staticText);
    dx.Text(kGroupBox, groupTitle);
    dx.Text(kOther, buttonCaption);
    dx.Text(kBitmapButton, pictureCaption);
    dx.Radio(kRadio1, radio);
    dx.Radio(kPushRadio1, pushRadio);
    dx.Check(kCheck, check);
    dx.ComboText(kDropDown, dropDownText);
    dx.ComboText(kEditableCombo, editableText);
    dx.ComboIndex(kSortedCombo, sortedIndex);
    dx.Double(kNumber, number);
  }
  void OnOK() override {
    ++oks;
    focusAtOk = FocusedControl();
    Dialog::OnOK();
  }
  void OnCancel() override {
    ++cancels;
    Dialog::OnCancel();
  }
  bool OnHelpInfo() override {
    ++helps;
    return true;
  }
  void OnPaint(DeviceContext& dc) override {
    ++paints;
    if (paint) paint(dc);
  }
  void OnDestroy() override { ++destroys; }
};

class QtDialogBackendTest : public ::testing::Test {
 protected:
  qttest::ScopedQtBackend backend_;
  ScopedFakeServices fakes_;
};

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

QRgb Rgb(ColorRef c) { return qRgb(c.r, c.g, c.b) & 0xFFFFFFu; }

// ---------------------------------------------------------------------------
// Windows and geometry

TEST_F(QtDialogBackendTest, ClientSizeComesFromDialogUnitsWithoutMeasuringAFont) {
  struct Case {
    int width, height;
    DialogFont font;
    int cx, cy;
  };
  const Case cases[] = {
      {464, 257, {"MS Sans Serif", 8}, 696, 417},  // the geometry dialog
      {252, 93, {"MS Sans Serif", 8}, 378, 151},
      {100, 100, {"MS Sans Serif", 10}, 187, 203},
      {0, 0, {"MS Sans Serif", 8}, 1, 1},  // an empty template still gives a window
  };
  for (const Case& c : cases) {
    DialogTemplate t;
    t.width = c.width;
    t.height = c.height;
    t.font = c.font;
    Dialog dialog(t);
    Size size;
    RunModal(dialog, [&](QtDialogBackend& b) {
      size = b.ClientSize();
      EXPECT_EQ(b.Window()->width(), c.cx);
      EXPECT_EQ(b.Window()->height(), c.cy);
      b.EndModal(IDOK);
    });
    EXPECT_EQ(size, (Size{c.cx, c.cy})) << c.width << " x " << c.height;
  }
}

TEST_F(QtDialogBackendTest, EveryKindGetsAWidgetAtItsPlace) {
  EveryKindDialog dialog;
  const DialogTemplate& t = dialog.Template();
  RunModal(dialog, [&](QtDialogBackend& b) {
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_EQ(b.Caption(), "Every kind");
    EXPECT_EQ(b.Window()->windowTitle(), QStringLiteral("Every kind"));
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
      const ControlTemplate& c = t.controls[i];
      QWidget* w = b.ControlWidgetAt(i);
      ASSERT_NE(w, nullptr) << c.id;
      EXPECT_EQ(w->parentWidget(), b.Window());
      const Rect r = ControlRect(t, c, 1.0);
      EXPECT_EQ(w->x(), r.left) << c.id;
      EXPECT_EQ(w->y(), r.top) << c.id;
      if (c.kind == ControlKind::Picture) {
        EXPECT_EQ(w->size(), QSize(238, 69));  // the picture's own size
      } else if (c.kind == ControlKind::ComboBox) {
        EXPECT_EQ(w->width(), r.Width());
        EXPECT_EQ(w->height(), 21);  // the closed field; the template height holds the list
      } else {
        EXPECT_EQ(w->size(), QSize(r.Width(), r.Height())) << c.id;
      }
    }
    EXPECT_NE(qobject_cast<QPushButton*>(b.ControlWidget(IDOK)), nullptr);
    EXPECT_TRUE(qobject_cast<QPushButton*>(b.ControlWidget(IDOK))->isDefault());
    EXPECT_FALSE(qobject_cast<QPushButton*>(b.ControlWidget(IDCANCEL))->isDefault());
    // No picture of that name: the bitmap button shows its caption.
    EXPECT_EQ(qobject_cast<QPushButton*>(b.ControlWidget(kBitmapButton))->text(), QStringLiteral("TRUNCATE"));
    EXPECT_NE(qobject_cast<QLineEdit*>(b.ControlWidget(kEdit)), nullptr);
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(b.ControlWidget(kMultiLine)), nullptr);
    EXPECT_NE(qobject_cast<QLabel*>(b.ControlWidget(kStaticCentered)), nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(b.ControlWidget(kStaticCentered))->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(qobject_cast<QLabel*>(b.ControlWidget(kStaticRight))->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_NE(qobject_cast<QGroupBox*>(b.ControlWidget(kGroupBox)), nullptr);
    EXPECT_NE(qobject_cast<QRadioButton*>(b.ControlWidget(kRadio1)), nullptr);
    EXPECT_TRUE(qobject_cast<QPushButton*>(b.ControlWidget(kPushRadio1))->isCheckable());
    EXPECT_NE(qobject_cast<QCheckBox*>(b.ControlWidget(kCheck)), nullptr);
    EXPECT_FALSE(qobject_cast<QComboBox*>(b.ControlWidget(kDropDown))->isEditable());
    EXPECT_TRUE(qobject_cast<QComboBox*>(b.ControlWidget(kEditableCombo))->isEditable());
    EXPECT_EQ(qobject_cast<QFrame*>(b.ControlWidget(kFrameEtched))->frameShape(), QFrame::Box);
    EXPECT_EQ(qobject_cast<QFrame*>(b.ControlWidget(kFrameSunken))->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(qobject_cast<QFrame*>(b.ControlWidget(kFrameBlack))->frameShadow(), QFrame::Plain);
    // To look at: TERVANE_SHOTS_DIR=/tmp/shots saves the window there.
    if (testsupport::ShotsDir() != nullptr) testsupport::SaveShot(Grab(b), "every_kind");
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, DialogFontIsEightPointLiberationSans) {
  EveryKindDialog dialog;
  RunModal(dialog, [&](QtDialogBackend& b) {
    const QFont font = b.ControlWidget(kStaticLeft)->font();
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.pixelSize(), 11);  // 8 points at 96 pixels per inch
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));  // installed and used
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, TabOrderIsDeclarationOrderOfTheTabStops) {
  EveryKindDialog dialog;
  RunModal(dialog, [&](QtDialogBackend& b) {
    b.SetFocus(IDOK);
    std::vector<int> order;
    for (int i = 0; i < 12; ++i) {
      order.push_back(b.FocusedControl());
      KeyAtFocus(b, Qt::Key_Tab);
    }
    // Tab stops in template order; radio and push-like groups by their first
    // button; statics, frames and controls without a tab stop are skipped.
    EXPECT_EQ(order, (std::vector<int>{IDOK, IDCANCEL, kBitmapButton, kEdit, kMultiLine, kRadio1, kPushRadio1,
                                       kCheck, kDropDown, kEditableCombo, kSortedCombo, kSpreadsheet}));
    b.EndModal(IDOK);
  });
}

// ---------------------------------------------------------------------------
// Data exchange through every kind

TEST_F(QtDialogBackendTest, DataExchangeRoundTripsThroughEveryKind) {
  EveryKindDialog dialog;
  dialog.sortedIndex = 0;
  RunModal(dialog, [&](QtDialogBackend& b) {
    // OnInitDialog showed the members.
    EXPECT_EQ(qobject_cast<QLineEdit*>(b.ControlWidget(kEdit))->text(), QStringLiteral("plain text"));
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(b.ControlWidget(kMultiLine))->toPlainText(),
              QStringLiteral("first line\nsecond line"));
    EXPECT_EQ(qobject_cast<QLabel*>(b.ControlWidget(kStaticLeft))->text(), QStringLiteral("A label"));
    EXPECT_EQ(qobject_cast<QGroupBox*>(b.ControlWidget(kGroupBox))->title(), QStringLiteral("Units"));
    EXPECT_EQ(qobject_cast<QPushButton*>(b.ControlWidget(kOther))->text(), QStringLiteral("&Apply"));
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(b.ControlWidget(kRadio3))->isChecked());
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(b.ControlWidget(kPushRadio2))->isChecked());
    EXPECT_EQ(qobject_cast<QCheckBox*>(b.ControlWidget(kCheck))->checkState(), Qt::Checked);
    EXPECT_EQ(qobject_cast<QComboBox*>(b.ControlWidget(kDropDown))->currentText(), QStringLiteral("Beta"));
    EXPECT_EQ(qobject_cast<QComboBox*>(b.ControlWidget(kEditableCombo))->currentText(),
              QStringLiteral("typed 12.5"));
    EXPECT_EQ(b.ComboItems(kSortedCombo), (std::vector<std::string>{"Apple", "fig", "pear"}));
    EXPECT_EQ(qobject_cast<QComboBox*>(b.ControlWidget(kSortedCombo))->currentText(), QStringLiteral("Apple"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(b.ControlWidget(kNumber))->text(), QStringLiteral("1.7"));

    // Back into members that were changed meanwhile.
    dialog.edit.clear();
    dialog.multiLine.clear();
    dialog.staticText.clear();
    dialog.groupTitle.clear();
    dialog.buttonCaption.clear();
    dialog.pictureCaption.clear();
    dialog.radio = -1;
    dialog.pushRadio = -1;
    dialog.check = 0;
    dialog.dropDownText.clear();
    dialog.editableText.clear();
    dialog.sortedIndex = -1;
    dialog.number = 0;
    EXPECT_TRUE(dialog.UpdateData(true));
    b.EndModal(IDOK);
  });
  EXPECT_EQ(dialog.edit, "plain text");
  EXPECT_EQ(dialog.multiLine, "first line\r\nsecond line");
  EXPECT_EQ(dialog.staticText, "A label");
  EXPECT_EQ(dialog.groupTitle, "Units");
  EXPECT_EQ(dialog.buttonCaption, "&Apply");
  EXPECT_EQ(dialog.pictureCaption, "TRUNCATE");
  EXPECT_EQ(dialog.radio, 2);
  EXPECT_EQ(dialog.pushRadio, 1);
  EXPECT_EQ(dialog.check, 1);
  EXPECT_EQ(dialog.dropDownText, "Beta");
  EXPECT_EQ(dialog.editableText, "typed 12.5");
  EXPECT_EQ(dialog.sortedIndex, 0);
  EXPECT_EQ(dialog.number, 1.7);  // shown with 15 digits
}

TEST_F(QtDialogBackendTest, WhatTheUserDidComesBackThroughDataExchange) {
  EveryKindDialog dialog;
  RunModal(dialog, [&](QtDialogBackend& b) {
    auto* edit = qobject_cast<QLineEdit*>(b.ControlWidget(kEdit));
    edit->selectAll();
    Type(edit, QStringLiteral("new"));
    auto* multi = qobject_cast<QPlainTextEdit*>(b.ControlWidget(kMultiLine));
    multi->selectAll();
    Type(multi, QStringLiteral("a"));
    Key(multi, Qt::Key_Return, Qt::ControlModifier);  // a new line
    Type(multi, QStringLiteral("b"));
    Click(b.ControlWidget(kRadio1));
    Click(b.ControlWidget(kPushRadio1));
    Click(b.ControlWidget(kCheck));
    qobject_cast<QComboBox*>(b.ControlWidget(kDropDown))->setCurrentIndex(2);  // as picked from the list
    auto* comboEdit = qobject_cast<QComboBox*>(b.ControlWidget(kEditableCombo))->lineEdit();
    comboEdit->selectAll();
    Type(comboEdit, QStringLiteral("own"));
    auto* number = qobject_cast<QLineEdit*>(b.ControlWidget(kNumber));
    number->selectAll();
    Type(number, QStringLiteral("-2.5e3"));
    Click(b.ControlWidget(IDOK));
  });
  EXPECT_EQ(dialog.oks, 1);
  EXPECT_EQ(dialog.edit, "new");
  EXPECT_EQ(dialog.multiLine, "a\r\nb");
  EXPECT_EQ(dialog.radio, 0);
  EXPECT_EQ(dialog.pushRadio, 0);
  EXPECT_EQ(dialog.check, 0);
  EXPECT_EQ(dialog.dropDownText, "Gamma");
  EXPECT_EQ(dialog.editableText, "own");
  EXPECT_EQ(dialog.number, -2500.0);
  EXPECT_EQ(dialog.editChanges, 3);
  EXPECT_EQ(dialog.comboChanges, 3);
  EXPECT_GE(dialog.multiLineChanges, 3);
}

TEST_F(QtDialogBackendTest, WritingIntoControlsReportsNoChange) {
  EveryKindDialog dialog;
  RunModal(dialog, [&](QtDialogBackend& b) {
    dialog.SetText(kEdit, "written");
    dialog.SetText(kMultiLine, "one\r\ntwo");
    dialog.SetText(kEditableCombo, "also written");
    // Even the backend's own writes, outside the dialog's guard, report none.
    b.SetControlText(kEdit, "by the backend");
    b.SetControlText(kEditableCombo, "by the backend");
    EXPECT_EQ(b.ControlText(kMultiLine), "one\r\ntwo");
    EXPECT_EQ(b.ControlText(kEditableCombo), "by the backend");
    EXPECT_EQ(b.ComboSelection(kEditableCombo), -1);
    b.EndModal(IDOK);
  });
  EXPECT_EQ(dialog.editChanges, 0);
  EXPECT_EQ(dialog.comboChanges, 0);
  EXPECT_EQ(dialog.multiLineChanges, 0);
}

TEST_F(QtDialogBackendTest, TypingLimitStopsTheUserButNotTheProgram) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    b.SetTextLimit(kEdit, 4);
    auto* edit = qobject_cast<QLineEdit*>(b.ControlWidget(kEdit));
    Type(edit, QStringLiteral("abcdef"));
    EXPECT_EQ(b.ControlText(kEdit), "abcd");
    b.SetControlText(kEdit, "longer than four");  // the program writes the whole text
    EXPECT_EQ(b.ControlText(kEdit), "longer than four");
    edit->setCursorPosition(16);
    Key(edit, Qt::Key_Backspace);  // the user may still shorten it
    EXPECT_EQ(b.ControlText(kEdit), "longer than fou");
    Type(edit, QStringLiteral("x"));  // but not lengthen it
    EXPECT_EQ(b.ControlText(kEdit), "longer than fou");

    b.SetTextLimit(kMultiLine, 3);
    auto* multi = qobject_cast<QPlainTextEdit*>(b.ControlWidget(kMultiLine));
    Type(multi, QStringLiteral("wxyz"));
    EXPECT_EQ(b.ControlText(kMultiLine), "wxy");

    b.SetTextLimit(kEditableCombo, 2);
    Type(qobject_cast<QComboBox*>(b.ControlWidget(kEditableCombo))->lineEdit(), QStringLiteral("ÄÖÜ"));
    EXPECT_EQ(b.ControlText(kEditableCombo), "ÄÖ");  // characters, not bytes
    b.EndModal(IDOK);
  });
}

// ---------------------------------------------------------------------------
// Buttons, radio groups, check boxes, combo boxes

TEST_F(QtDialogBackendTest, RadioGroupsFollowTheirGroupFlags) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    Click(b.ControlWidget(kRadio2));
    Click(b.ControlWidget(kPushRadio1));
    EXPECT_EQ(b.CheckState(kRadio2), 1);
    EXPECT_EQ(b.CheckState(kPushRadio1), 1);  // another group
    Click(b.ControlWidget(kRadio3));
    EXPECT_EQ(b.CheckState(kRadio2), 0);
    EXPECT_EQ(b.CheckState(kRadio3), 1);
    Click(b.ControlWidget(kRadio3));  // clicking the checked one keeps it checked
    EXPECT_EQ(b.CheckState(kRadio3), 1);
    EXPECT_EQ(b.CheckState(kPushRadio1), 1);

    // The arrow keys move through the group and check, wrapping round.
    b.SetFocus(kRadio3);
    KeyAtFocus(b, Qt::Key_Down);
    EXPECT_EQ(b.FocusedControl(), kRadio1);
    EXPECT_EQ(dialog.GetRadioIndex(kRadio1), 0);
    KeyAtFocus(b, Qt::Key_Up);
    EXPECT_EQ(dialog.GetRadioIndex(kRadio1), 2);
    b.EnableControl(kRadio1, false);
    KeyAtFocus(b, Qt::Key_Down);  // a disabled button is passed over
    EXPECT_EQ(dialog.GetRadioIndex(kRadio1), 1);

    // The program sets one button at a time, as the dialog model asks.
    b.SetCheckState(kRadio1, 1);
    EXPECT_EQ(b.CheckState(kRadio2), 1);
    dialog.SetRadioIndex(kRadio1, -1);
    EXPECT_EQ(dialog.GetRadioIndex(kRadio1), -1);
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, CheckBoxClicksBetweenTwoStatesAndShowsTheThird) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    std::vector<int> states;
    b.SetCheckState(kCheck, 2);
    states.push_back(b.CheckState(kCheck));
    for (int i = 0; i < 3; ++i) {
      Click(b.ControlWidget(kCheck));
      states.push_back(b.CheckState(kCheck));
    }
    EXPECT_EQ(states, (std::vector<int>{2, 1, 0, 1}));
    b.SetCheckState(kRadio1, 5);  // anything but 0 checks a radio button
    EXPECT_EQ(b.CheckState(kRadio1), 1);
    EXPECT_EQ(b.CheckState(kEdit), 0);
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, ComboBoxesKeepItemsAndSelectionAsTheModelSays) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    for (int id : {kDropDown, kEditableCombo}) {
      b.ComboClear(id);
      EXPECT_EQ(b.ComboSelection(id), -1);
      b.SetControlText(id, "kept");
      b.ComboInsert(id, 0, "first");  // no selection appears by itself
      b.ComboInsert(id, -1, "last");
      b.ComboInsert(id, 99, "after");
      b.ComboInsert(id, 1, "middle");
      EXPECT_EQ(b.ComboItems(id), (std::vector<std::string>{"first", "middle", "last", "after"}));
      EXPECT_EQ(b.ComboSelection(id), -1);
      b.SetComboSelection(id, 2);
      EXPECT_EQ(b.ControlText(id), "last");
      b.ComboInsert(id, 0, "zero");  // the selection stays with its item
      EXPECT_EQ(b.ComboSelection(id), 3);
      b.SetComboSelection(id, 17);
      EXPECT_EQ(b.ComboSelection(id), -1);
    }
    EXPECT_EQ(b.ControlText(kDropDown), "");  // a drop-down list without selection
    EXPECT_EQ(b.ControlText(kEditableCombo), "");
    b.SetComboSelection(kDropDown, 0);
    b.SetControlText(kDropDown, "middle");  // a drop-down list has no edit part
    EXPECT_EQ(b.ControlText(kDropDown), "zero");
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, CallsNamingNoControlDoNothing) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    for (int id : {0, 9999, kStaticId}) {
      b.SetControlText(id, "x");
      b.SetCheckState(id, 1);
      b.SetTextLimit(id, 3);
      b.ComboInsert(id, 0, "x");
      b.ShowControl(id, false);
      b.EnableControl(id, false);
      b.SetFocus(id);
      EXPECT_EQ(b.ControlText(id), "");
      EXPECT_EQ(b.CheckState(id), 0);
      EXPECT_TRUE(b.ComboItems(id).empty());
      EXPECT_EQ(b.ComboSelection(id), -1);
      EXPECT_FALSE(b.IsControlVisible(id));
      EXPECT_FALSE(b.IsControlEnabled(id));
    }
    // Combo operations on a control of another kind.
    b.ComboInsert(kEdit, 0, "x");
    EXPECT_TRUE(b.ComboItems(kEdit).empty());
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, ShowEnableAndFocusByIdHoldWhileTheWindowIsHidden) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  ASSERT_TRUE(dialog.CreateModeless());
  QtDialogBackend* b = qttest::QtBackendOf(dialog);
  ASSERT_NE(b, nullptr);
  b->ShowWindow(false);
  EXPECT_FALSE(b->IsWindowVisible());
  EXPECT_TRUE(b->IsControlVisible(kEdit));  // its own state, not the window's
  b->ShowControl(kEdit, false);
  EXPECT_FALSE(b->IsControlVisible(kEdit));
  b->ShowControl(kEdit, true);
  b->EnableControl(kNumber, false);
  EXPECT_FALSE(b->IsControlEnabled(kNumber));
  b->SetFocus(kMultiLine);
  EXPECT_EQ(b->FocusedControl(), kMultiLine);
  b->SetFocus(kEditableCombo);  // its edit part has the focus; the combo box answers
  EXPECT_EQ(b->FocusedControl(), kEditableCombo);
  dialog.DestroyWindow();
  EXPECT_EQ(dialog.destroys, 1);
}

// ---------------------------------------------------------------------------
// Keyboard

TEST_F(QtDialogBackendTest, EnterInAnEditFieldReachesOnOK) {
  // The focus put at initialisation is where the shown window has it.
  struct FocusOnEdit : EveryKindDialog {
    bool OnInitDialog() override {
      EveryKindDialog::OnInitDialog();
      SetFocus(kEdit);
      return false;
    }
  } dialog;
  dialog.exchange = false;
  const int result = RunModal(dialog, [&](QtDialogBackend& b) {
    EXPECT_EQ(b.FocusedControl(), kEdit);
    KeyAtFocus(b, Qt::Key_Return);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.oks, 1);
  EXPECT_EQ(dialog.focusAtOk, kEdit);
}

TEST_F(QtDialogBackendTest, EnterGoesToTheDialogWhereverTheFocusIs) {
  struct Case {
    int focus;
    int key;
    int oks, otherClicks;
  };
  const Case cases[] = {
      {kMultiLine, Qt::Key_Return, 1, 0},  // no new line in a multi-line edit
      {kEditableCombo, Qt::Key_Enter, 1, 0},
      {kDropDown, Qt::Key_Return, 1, 0},
      {kCheck, Qt::Key_Return, 1, 0},
      {kOther, Qt::Key_Return, 0, 1},  // a push button with the focus is clicked
  };
  for (const Case& c : cases) {
    EveryKindDialog dialog;
    dialog.exchange = false;
    RunModal(dialog, [&](QtDialogBackend& b) {
      b.SetFocus(c.focus);
      KeyAtFocus(b, c.key);
      if (b.IsCreated() && dialog.oks == 0) b.EndModal(IDCANCEL);
    });
    EXPECT_EQ(dialog.oks, c.oks) << c.focus;
    EXPECT_EQ(dialog.otherClicks, c.otherClicks) << c.focus;
    EXPECT_EQ(dialog.multiLine, "first line\r\nsecond line");
  }
}

TEST_F(QtDialogBackendTest, OpenComboListKeepsEnterAndEscForItself) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    auto* combo = qobject_cast<QComboBox*>(b.ControlWidget(kDropDown));
    b.SetComboSelection(kDropDown, 0);
    combo->showPopup();
    QWidget* list = combo->view();
    ASSERT_NE(list->window(), b.Window());
    Key(list, Qt::Key_Down);
    Key(list, Qt::Key_Return);
    EXPECT_EQ(b.ComboSelection(kDropDown), 1);
    combo->showPopup();
    Key(combo->view(), Qt::Key_Escape);
    EXPECT_EQ(dialog.oks, 0);
    EXPECT_EQ(dialog.cancels, 0);
    b.EndModal(IDOK);
  });
}

TEST_F(QtDialogBackendTest, EscAndTheCloseBoxReachOnCancelAndNeverCloseByThemselves) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  // OnCancel that does not end the dialog: the window stays.
  struct Stubborn : EveryKindDialog {
    void OnCancel() override { ++cancels; }
  } stubborn;
  stubborn.exchange = false;
  RunModal(stubborn, [&](QtDialogBackend& b) {
    b.SetFocus(kEdit);
    KeyAtFocus(b, Qt::Key_Escape);
    EXPECT_TRUE(b.Window()->close() == false || b.IsWindowVisible());
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_EQ(stubborn.cancels, 2);
    b.EndModal(IDOK);
  });

  const int result = RunModal(dialog, [&](QtDialogBackend& b) { b.Window()->close(); });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.cancels, 1);
}

TEST_F(QtDialogBackendTest, F1ReachesTheHelpHandler) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  RunModal(dialog, [&](QtDialogBackend& b) {
    b.SetFocus(kEdit);
    KeyAtFocus(b, Qt::Key_F1);
    Key(b.Window(), Qt::Key_F1);
    b.EndModal(IDOK);
  });
  EXPECT_EQ(dialog.helps, 2);
  EXPECT_EQ(dialog.oks, 0);
}

// ---------------------------------------------------------------------------
// Painting

TEST_F(QtDialogBackendTest, BackgroundAndPaintHandlerAppearInTheWindow) {
  EveryKindDialog dialog;
  dialog.SetBackgroundColor(RGB(255, 80, 80));
  dialog.paint = [](DeviceContext& dc) {
    dc.FillRect(Rect{400, 260, 430, 290}, Brush::Solid(RGB(0, 0, 255)));
    dc.SelectPen(Pen::Solid(1, RGB(0, 128, 0)));
    dc.MoveTo(380, 300);
    dc.LineTo(440, 300);
  };
  RunModal(dialog, [&](QtDialogBackend& b) {
    const QImage image = Grab(b);
    EXPECT_EQ(Pixel(image, 390, 250), Rgb(RGB(255, 80, 80)));  // the dialog's surface
    EXPECT_EQ(Pixel(image, 415, 275), qRgb(0, 0, 255) & 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 430, 275), Rgb(RGB(255, 80, 80)));  // right edge excluded
    EXPECT_EQ(Pixel(image, 400, 300), qRgb(0, 128, 0) & 0xFFFFFFu);
    // Static controls take the dialog's colour, with black text.
    QWidget* label = b.ControlWidget(kStaticLeft);
    const QImage labelImage = label->grab().toImage();
    EXPECT_EQ(Pixel(labelImage, label->width() - 1, label->height() - 1), Rgb(RGB(255, 80, 80)));
    int darkest = 255;
    for (int y = 0; y < labelImage.height(); ++y)
      for (int x = 0; x < labelImage.width(); ++x) darkest = std::min(darkest, qGreen(labelImage.pixel(x, y)));
    EXPECT_LT(darkest, 40);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    b.EndModal(IDOK);
  });
  EXPECT_GE(dialog.paints, 1);
}

TEST_F(QtDialogBackendTest, InvalidateRepaintsWithAndWithoutErasing) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  ColorRef fill = RGB(0, 0, 255);
  dialog.paint = [&](DeviceContext& dc) { dc.FillRect(Rect{400, 260, 430, 290}, Brush::Solid(fill)); };
  RunModal(dialog, [&](QtDialogBackend& b) {
    QApplication::processEvents();
    for (bool erase : {true, false}) {
      const int before = dialog.paints;
      b.InvalidateRect(Rect{400, 260, 430, 290}, erase);
      QApplication::processEvents();
      QApplication::processEvents();
      EXPECT_GT(dialog.paints, before) << erase;
    }
    // A colour changed since the window was made is used from the next paint on.
    dialog.SetBackgroundColor(RGB(10, 20, 30));
    fill = RGB(0, 255, 0);
    b.Invalidate(true);
    const QImage image = Grab(b);
    EXPECT_EQ(Pixel(image, 390, 250), qRgb(10, 20, 30) & 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 415, 275), qRgb(0, 255, 0) & 0xFFFFFFu);
    b.InvalidateRect(Rect{-100, -100, -50, -50}, true);  // outside: nothing to do
    b.EndModal(IDOK);
  });
}

// ---------------------------------------------------------------------------
// Modal and modeless runs

TEST_F(QtDialogBackendTest, ModalRunReturnsWhatEndModalWasGiven) {
  for (int value : {IDOK, IDCANCEL, 42, -7}) {
    EveryKindDialog dialog;
    dialog.exchange = false;
    EXPECT_EQ(RunModal(dialog, [&](QtDialogBackend& b) { b.EndModal(value); }), value);
    EXPECT_EQ(dialog.destroys, 1);
    EXPECT_EQ(dialog.Backend(), nullptr);
  }
}

TEST_F(QtDialogBackendTest, EndingInInitDialogReturnsWithoutShowing) {
  struct EndsAtOnce : Dialog {
    EndsAtOnce() : Dialog(EveryKind()) {}
    bool shown = true;
    bool OnInitDialog() override {
      EndDialog(IDNO);
      shown = IsWindowVisible();
      return true;
    }
  } dialog;
  EXPECT_EQ(dialog.DoModal(), IDNO);
  EXPECT_FALSE(dialog.shown);
}

TEST_F(QtDialogBackendTest, HidingAModalWindowKeepsItsRunGoing) {
  EveryKindDialog dialog;
  dialog.exchange = false;
  const int result = RunModal(dialog, [&](QtDialogBackend& b) {
    b.ShowWindow(false);
    QTimer::singleShot(0, [&] {
      // Still running: the window can be shown again and ended.
      EXPECT_FALSE(b.IsWindowVisible());
      b.ShowWindow(true);
      EXPECT_TRUE(b.IsWindowVisible());
      b.EndModal(33);
    });
  });
  EXPECT_EQ(result, 33);
}

TEST_F(QtDialogBackendTest, NestedModalRunsEndInnermostFirst) {
  EveryKindDialog outer;
  outer.exchange = false;
  int innerResult = 0;
  bool innerModalWidget = false;
  const int result = RunModal(outer, [&](QtDialogBackend& outerBackend) {
    EveryKindDialog inner;
    inner.exchange = false;
    innerResult = RunModal(inner, [&](QtDialogBackend& b) {
      innerModalWidget = QApplication::activeModalWidget() == b.Window();
      Click(b.ControlWidget(IDCANCEL));
    });
    EXPECT_TRUE(outerBackend.IsWindowVisible());
    Click(outerBackend.ControlWidget(IDOK));
  });
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_TRUE(innerModalWidget);
  EXPECT_EQ(result, IDOK);
}

TEST_F(QtDialogBackendTest, ModelessWindowMayBeDestroyedFromItsOwnHandler) {
  struct Modeless : EveryKindDialog {
    Modeless() { OnClicked(kOther, [this] { DestroyWindow(); }); }
  } dialog;
  dialog.exchange = false;
  ASSERT_TRUE(dialog.CreateModeless());
  QtDialogBackend* b = qttest::QtBackendOf(dialog);
  ASSERT_NE(b, nullptr);
  EXPECT_TRUE(b->IsWindowVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  Click(b->ControlWidget(kOther));
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_EQ(dialog.destroys, 1);
  QApplication::processEvents();  // the window is deleted once its event is over
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.CreateModeless());  // and can be made again
  dialog.DestroyWindow();
  EXPECT_EQ(dialog.destroys, 2);
}

TEST_F(QtDialogBackendTest, BackendOutsideADialogIsSafeToMisuse) {
  QtDialogBackend b;
  EXPECT_FALSE(b.IsCreated());
  EXPECT_EQ(b.RunModal(), -1);
  EXPECT_FALSE(b.ShowModeless());
  b.EndModal(1);
  b.Destroy();
  b.Invalidate(true);
  EXPECT_EQ(b.ClientSize(), Size{});
  EXPECT_EQ(b.FocusedControl(), 0);
  EXPECT_EQ(b.Caption(), "");
  EXPECT_EQ(b.Window(), nullptr);

  struct Events : DialogEvents {
    int destroyed = 0;
    void BackendInit() override {}
    void BackendClick(int) override {}
    void BackendEditChange(int) override {}
    void BackendEnter() override {}
    void BackendCancel() override {}
    void BackendHelp() override {}
    void BackendPaint(DeviceContext&) override {}
    void BackendDestroyed() override { ++destroyed; }
    ColorRef BackgroundColor() const override { return kDefaultDialogColor; }
  } events;
  const DialogTemplate t = EveryKind();
  ASSERT_TRUE(b.Create(t, events, nullptr));
  EXPECT_FALSE(b.Create(t, events, nullptr));  // one window per backend
  b.SetCaption("Ünïcode ✓");
  EXPECT_EQ(b.Caption(), "Ünïcode ✓");
  b.Destroy();
  b.Destroy();
  EXPECT_EQ(events.destroyed, 1);
  EXPECT_FALSE(b.IsCreated());
}

}  // namespace
}  // namespace tervane::fw
