#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/testing/RecordingDC.h"
#include "support/GoldenFile.h"

namespace tervane::res {
namespace {

TEST(PicturesTest, FindsPicturesByNumberAndName) {
  const Picture* rule = FindPicture(kPictureInterwedgeRule);
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(rule->id, 233);
  EXPECT_EQ(rule->width, 238);
  EXPECT_EQ(rule->height, 69);
  EXPECT_EQ(rule->background, fw::RGB(255, 80, 80));
  EXPECT_EQ(FindPicture(rule->name), rule);
  EXPECT_EQ(FindPicture(0), nullptr);
  EXPECT_EQ(FindPicture(-233), nullptr);
  EXPECT_EQ(FindPicture(""), nullptr);
  EXPECT_EQ(FindPicture(std::string(rule->name) + " "), nullptr);

  std::set<int> ids;
  std::set<std::string_view> names;
  for (const Picture& picture : AllPictures()) {
    EXPECT_TRUE(ids.insert(picture.id).second) << picture.id;
    EXPECT_TRUE(names.insert(picture.name).second) << picture.name;
    EXPECT_NE(picture.draw, nullptr);
  }
  // No two files register a picture under one number or name.
  const std::span<const int> refused = RefusedPictureRegistrations();
  EXPECT_TRUE(refused.empty()) << "picture " << (refused.empty() ? 0 : refused[0]) << " registered twice";
}

// Every picture paints its background first and leaves the device context as
// it found it.
TEST(PicturesTest, PicturesFillTheirAreaAndRestoreTheDevice) {
  for (const Picture& picture : AllPictures()) {
    fw::RecordingDC dc;
    picture.draw(dc, picture.width, picture.height);
    const auto& lines = dc.Lines();
    ASSERT_GE(lines.size(), 3u) << picture.id;
    EXPECT_EQ(lines.front(), "Save");
    EXPECT_EQ(lines[1], "FillRect 0 0 " + std::to_string(picture.width) + " " + std::to_string(picture.height) +
                            " solid " + fw::RecordingDC::Describe(picture.background));
    EXPECT_EQ(lines.back(), "Restore");
  }
}

TEST(PicturesTest, InterwedgeRuleMatchesGoldenLog) {
  const Picture* rule = FindPicture(kPictureInterwedgeRule);
  ASSERT_NE(rule, nullptr);
  fw::RecordingDC dc;
  rule->draw(dc, rule->width, rule->height);
  fw::golden::ExpectGolden(dc.Text(), "picture_233.log");
}

}  // namespace
}  // namespace tervane::res
