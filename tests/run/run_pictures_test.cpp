// The banners of the run dialog, pinned by the drawing calls they make.
#include <gtest/gtest.h>

#include "framework/testing/RecordingDC.h"
#include "resources/Pictures.h"
#include "resources/RunResources.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

TEST(RunBanners, DrawAsRecorded) {
  struct Case {
    int id;
    int width;
    const char* golden;
  };
  for (const Case& c : {Case{res::kPictureOptimizedRunBanner, 303, "picture_229.log"},
                        Case{res::kPictureManualRunBanner, 188, "picture_231.log"}}) {
    const res::Picture* picture = res::FindPicture(c.id);
    ASSERT_NE(picture, nullptr) << c.id;
    EXPECT_EQ(picture->width, c.width);
    EXPECT_EQ(picture->height, 50);
    fw::RecordingDC dc;
    picture->draw(dc, picture->width, picture->height);
    fw::golden::ExpectGolden(dc.Text(), c.golden);
  }
}

}  // namespace
}  // namespace tervane
