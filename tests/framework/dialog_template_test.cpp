#include "framework/DialogTemplate.h"

#include <gtest/gtest.h>

#include "resources/DialogTemplates.h"

namespace tervane::fw {
namespace {

TEST(DialogUnits, FixedFactorsOfAnEightPointDialog) {
  // The geometry dialog: 464 x 257 units.
  DialogTemplate geometry;
  geometry.width = 464;
  geometry.height = 257;
  EXPECT_EQ(DialogClientSize(geometry, 1.0), (Size{696, 417}));

  // A ten-point dialog in proportion: 1.875 and 2.03125 pixels per unit.
  DialogTemplate large = geometry;
  large.font = DialogFont{"MS Sans Serif", 10};
  EXPECT_EQ(DialogClientSize(large, 1.0), (Size{870, 522}));

  // Times the screen's scale factor; a nonsense factor counts as 1.
  EXPECT_EQ(DialogClientSize(geometry, 2.0), (Size{1392, 835}));
  EXPECT_EQ(DialogClientSize(geometry, 0.0), (Size{696, 417}));
}

TEST(DialogUnits, EdgesAreConvertedSoNeighboursStayAdjacent) {
  const DialogFont font;
  const Rect a = DialogUnitsToPixels(font, 1.0, 7, 7, 49, 8);
  EXPECT_EQ(a, (Rect{10, 11, 84, 24}));
  // A control that starts where `a` ends starts on the pixel where `a` ends.
  const Rect b = DialogUnitsToPixels(font, 1.0, 56, 15, 10, 3);
  EXPECT_EQ(b.left, a.right);
  EXPECT_EQ(b.top, a.bottom);
}

DialogTemplate RadioTemplate() {
  DialogTemplate t;
  t.controls = {
      {10, ControlKind::Radio, "a", 0, 0, 10, 10, kGroup | kTabStop},
      {11, ControlKind::Radio, "b", 0, 0, 10, 10, 0},
      {12, ControlKind::PushLikeRadio, "c", 0, 0, 10, 10, 0},
      {20, ControlKind::Radio, "d", 0, 0, 10, 10, kGroup | kTabStop},
      {21, ControlKind::Radio, "e", 0, 0, 10, 10, 0},
      {30, ControlKind::Edit, "", 0, 0, 10, 10, kTabStop},
      {31, ControlKind::Radio, "f", 0, 0, 10, 10, 0},
  };
  return t;
}

TEST(RadioGroups, RunFromGroupStartToTheNextGroupOrNonRadio) {
  const DialogTemplate t = RadioTemplate();
  const std::vector<int> first{10, 11, 12};
  EXPECT_EQ(RadioGroupOf(t, 10), first);
  EXPECT_EQ(RadioGroupOf(t, 12), first);
  EXPECT_EQ(RadioGroupOf(t, 21), (std::vector<int>{20, 21}));
  // A radio button after an edit starts a group of its own.
  EXPECT_EQ(RadioGroupOf(t, 31), (std::vector<int>{31}));
  EXPECT_TRUE(RadioGroupOf(t, 30).empty());
  EXPECT_TRUE(RadioGroupOf(t, 99).empty());
}

TEST(DialogTemplateLookup, DefaultButtonIsIdOkWithoutOne) {
  DialogTemplate t = RadioTemplate();
  EXPECT_EQ(t.DefaultButtonId(), IDOK);
  t.controls.push_back({1183, ControlKind::DefaultPushButton, "&Continue", 0, 0, 10, 10, kTabStop});
  EXPECT_EQ(t.DefaultButtonId(), 1183);
  ASSERT_NE(t.Find(21), nullptr);
  EXPECT_EQ(t.Find(21)->text, "e");
  EXPECT_EQ(t.Find(77), nullptr);
}

}  // namespace
}  // namespace tervane::fw

// No two files register a template under one name or number.
TEST(DialogTemplateRegistry, NoTemplateIsRegisteredTwice) {
  const std::vector<std::string>& refused = tervane::RefusedDialogTemplates();
  EXPECT_TRUE(refused.empty()) << "template " << (refused.empty() ? "" : refused[0]) << " registered twice";
}
