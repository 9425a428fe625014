// The logo bitmap: what it reads, what it refuses (each refused file leaves
// the image empty and draws nothing), its palette, drawing and saving.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "support/ReportTestSupport.h"
#include "framework/testing/RecordingDC.h"
#include "common/DibImage.h"

namespace tervane {
namespace {

using reporttest::BitmapBytes;

fw::ColorRef At(const CDibImage& image, int x, int y) { return image.ToImage().Pixel(x, y); }

TEST(DibImageTest, Reads24BitRowsBottomUpWithoutATable) {
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(reporttest::Logo24().Bytes()));
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.BitCount(), 24);
  EXPECT_EQ(image.ColorCount(), 0);
  EXPECT_EQ(image.Palette().size(), 256u);  // the fixed palette
  const fw::ColorRef top[] = {fw::RGB(255, 0, 0), fw::RGB(0, 255, 0), fw::RGB(0, 0, 255), fw::kWhite};
  const fw::ColorRef bottom[] = {fw::kBlack, fw::RGB(128, 128, 128), fw::RGB(255, 255, 0), fw::RGB(0, 255, 255)};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(At(image, x, 0), top[x]) << x;
    EXPECT_EQ(At(image, x, 1), bottom[x]) << x;
  }
}

TEST(DibImageTest, ReadsIndexedImagesThroughTheirTables) {
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(reporttest::Logo8().Bytes()));
  EXPECT_EQ(image.ColorCount(), 4);
  ASSERT_EQ(image.Palette().size(), 4u);
  EXPECT_EQ(image.Palette()[1], fw::RGB(255, 0, 0));
  EXPECT_EQ(At(image, 0, 0), fw::kBlack);
  EXPECT_EQ(At(image, 1, 0), fw::RGB(255, 0, 0));
  EXPECT_EQ(At(image, 2, 0), fw::RGB(0, 255, 0));
  EXPECT_EQ(At(image, 0, 1), fw::RGB(0, 0, 255));

  // An 8-bit image whose colours-used field is 16 reads 16 entries; an index
  // past them shows black.
  BitmapBytes sixteen;
  sixteen.width = 2;
  sixteen.height = 1;
  sixteen.bitCount = 8;
  sixteen.clrUsed = 16;
  for (std::uint32_t i = 0; i < 16; ++i) sixteen.table.push_back(0x101010u * i);
  sixteen.pixels = {15, 200, 0, 0};
  ASSERT_TRUE(image.LoadFromMemory(sixteen.Bytes()));
  EXPECT_EQ(image.ColorCount(), 16);
  EXPECT_EQ(At(image, 0, 0), fw::RGB(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(At(image, 1, 0), fw::kBlack);

  // 1 and 4 bits, a row padded to 4 bytes.
  BitmapBytes mono;
  mono.width = 10;
  mono.height = 1;
  mono.bitCount = 1;
  mono.table = {0x000000, 0xFFFFFF};
  mono.pixels = {0xA5, 0x80, 0, 0};  // 1010 0101 10
  ASSERT_TRUE(image.LoadFromMemory(mono.Bytes()));
  const bool white[] = {true, false, true, false, false, true, false, true, true, false};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(image, x, 0), white[x] ? fw::kWhite : fw::kBlack) << x;
  EXPECT_EQ(image.Palette().size(), 2u);

  BitmapBytes nibbles;
  nibbles.width = 3;
  nibbles.height = 1;
  nibbles.bitCount = 4;
  for (std::uint32_t i = 0; i < 16; ++i) nibbles.table.push_back(i == 3 ? 0xFF8000u : i == 12 ? 0x0080FFu : 0);
  nibbles.pixels = {0x3C, 0x30, 0, 0};
  ASSERT_TRUE(image.LoadFromMemory(nibbles.Bytes()));
  EXPECT_EQ(At(image, 0, 0), fw::RGB(255, 128, 0));
  EXPECT_EQ(At(image, 1, 0), fw::RGB(0, 128, 255));
  EXPECT_EQ(At(image, 2, 0), fw::RGB(255, 128, 0));
}

TEST(DibImageTest, ReadsSixteenAndThirtyTwoBitsWithAndWithoutMasks) {
  struct Case {
    const char* name;
    std::uint16_t bits;
    std::uint32_t compression;
    std::vector<std::uint32_t> masks;
    std::vector<std::uint8_t> pixel;  // one pixel padded to 4 bytes
    fw::ColorRef expected;
  } cases[] = {
      {"5-5-5", 16, 0, {}, {0x1F, 0x7C, 0, 0}, fw::RGB(255, 0, 255)},  // 0x7C1F
      {"5-6-5 masks", 16, 3, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0, 0}, fw::RGB(0, 255, 0)},
      {"B G R X", 32, 0, {}, {10, 20, 30, 99}, fw::RGB(30, 20, 10)},
      {"masks", 32, 3, {0x0000FF, 0x00FF00, 0xFF0000}, {10, 20, 30, 0}, fw::RGB(10, 20, 30)},
      {"an empty mask gives 0", 32, 3, {0, 0x00FF00, 0x0000FF}, {10, 20, 30, 0}, fw::RGB(0, 20, 10)},
  };
  for (const Case& c : cases) {
    BitmapBytes b;
    b.width = 1;
    b.height = 1;
    b.bitCount = c.bits;
    b.compression = c.compression;
    b.table = c.masks;
    b.pixels = c.pixel;
    CDibImage image;
    ASSERT_TRUE(image.LoadFromMemory(b.Bytes())) << c.name;
    EXPECT_EQ(At(image, 0, 0), c.expected) << c.name;
  }
}

TEST(DibImageTest, RefusesEveryBrokenFile) {
  struct Case {
    const char* name;
    BitmapBytes bitmap;
  };
  const BitmapBytes good = reporttest::Logo24();
  const auto with = [&](auto change) {
    BitmapBytes b = good;
    change(b);
    return b;
  };
  const Case cases[] = {
      {"not BM", with([](BitmapBytes& b) { b.type = 0x4142; })},
      {"12-byte header", with([](BitmapBytes& b) { b.infoSize = 12; })},
      {"64-byte header", with([](BitmapBytes& b) { b.infoSize = 64; })},
      {"the lowest height", with([](BitmapBytes& b) { b.height = INT32_MIN; })},
      {"ends inside a 124-byte header", with([](BitmapBytes& b) { b.infoSize = 124; b.cut = 24 + 60; })},
      {"zero width", with([](BitmapBytes& b) { b.width = 0; })},
      {"negative width", with([](BitmapBytes& b) { b.width = -4; })},
      {"zero height", with([](BitmapBytes& b) { b.height = 0; })},
      {"too wide", with([](BitmapBytes& b) { b.width = 16385; b.height = 1; })},
      {"too many pixels", with([](BitmapBytes& b) { b.width = 16384; b.height = 16384; })},
      {"a product past 32 bits", with([](BitmapBytes& b) { b.width = 0x7FFFFFFF; b.height = 0x7FFFFFFF; })},
      {"two planes", with([](BitmapBytes& b) { b.planes = 2; })},
      {"0 bits", with([](BitmapBytes& b) { b.bitCount = 0; })},
      {"2 bits", with([](BitmapBytes& b) { b.bitCount = 2; })},
      {"64 bits", with([](BitmapBytes& b) { b.bitCount = 64; })},
      {"run-length compression", with([](BitmapBytes& b) { b.compression = 1; })},
      {"bit fields on 24 bits", with([](BitmapBytes& b) { b.compression = 3; })},
      {"JPEG inside", with([](BitmapBytes& b) { b.compression = 4; })},
      {"file size past the file", with([](BitmapBytes& b) { b.fileSize = 54 + 24 + 1; })},
      {"file size short of the pixels", with([](BitmapBytes& b) { b.fileSize = 54 + 23; })},
      {"file size below the pixel offset", with([](BitmapBytes& b) { b.fileSize = 40; })},
      {"pixel offset inside the header", with([](BitmapBytes& b) { b.pixelOffset = 20; })},
      {"pixel offset past the file", with([](BitmapBytes& b) { b.pixelOffset = 0xFFFFFFF0; })},
      {"shorter than its header says", with([](BitmapBytes& b) { b.cut = 1; })},
      {"ends inside the information header", with([](BitmapBytes& b) { b.cut = 24 + 20; })},
      {"only a file header", with([](BitmapBytes& b) { b.cut = 24 + 40; })},
      {"a huge image in a small file", with([](BitmapBytes& b) { b.width = 8192; b.height = 8192; })},
  };
  for (const Case& c : cases) {
    CDibImage image;
    ASSERT_TRUE(image.LoadFromMemory(good.Bytes()));
    EXPECT_FALSE(image.LoadFromMemory(c.bitmap.Bytes())) << c.name;
    EXPECT_TRUE(image.IsEmpty()) << c.name;  // the previous image is gone too
    fw::RecordingDC dc;
    EXPECT_FALSE(image.Stretch(dc, 0, 0, 100, 100)) << c.name;
    EXPECT_TRUE(dc.Lines().empty()) << c.name;
  }
  // An 8-bit image whose colour table ends early; an empty file.
  BitmapBytes table = reporttest::Logo8();
  table.clrUsed = 0;  // 256 entries expected, 4 present
  CDibImage image;
  EXPECT_FALSE(image.LoadFromMemory(table.Bytes()));
  EXPECT_FALSE(image.LoadFromMemory({}));
}

// The longer headers of today's image editors, rows stored top-down and a
// file size field of 0 are ordinary bitmaps: the same pixels as the plain one.
TEST(DibImageTest, ReadsLongerHeadersTopDownRowsAndAFileSizeOfZero) {
  const BitmapBytes plain = reporttest::Logo24();
  CDibImage expected;
  ASSERT_TRUE(expected.LoadFromMemory(plain.Bytes()));
  const auto topDown = [](BitmapBytes b) {
    // The 4 x 2 logo's two rows of 12 bytes, top row first.
    std::rotate(b.pixels.begin(), b.pixels.begin() + 12, b.pixels.end());
    b.height = -b.height;
    return b;
  };
  const auto with = [&](BitmapBytes b, auto change) {
    change(b);
    return b;
  };
  struct Case {
    const char* name;
    BitmapBytes bitmap;
  } cases[] = {
      {"108-byte header", with(plain, [](BitmapBytes& b) { b.infoSize = 108; })},
      {"124-byte header", with(plain, [](BitmapBytes& b) { b.infoSize = 124; })},
      {"top-down rows", topDown(plain)},
      {"124-byte header, top-down", with(topDown(plain), [](BitmapBytes& b) { b.infoSize = 124; })},
      {"file size field 0", with(plain, [](BitmapBytes& b) { b.fileSize = 0; })},
      {"124-byte header, file size 0, top-down",
       with(topDown(plain), [](BitmapBytes& b) { b.infoSize = 124; b.fileSize = 0; })},
  };
  for (const Case& c : cases) {
    CDibImage image;
    ASSERT_TRUE(image.LoadFromMemory(c.bitmap.Bytes())) << c.name << ": " << image.Problem();
    EXPECT_EQ(image.Width(), 4) << c.name;
    EXPECT_EQ(image.Height(), 2) << c.name;
    EXPECT_EQ(image.ToImage(), expected.ToImage()) << c.name;
    EXPECT_EQ(image.Problem(), "") << c.name;
    // Kept as the plain kind: saved, it is the plain file.
    EXPECT_EQ(image.SaveToBytes(), expected.SaveToBytes()) << c.name;
  }

  // The colour table of an indexed image follows the longer header.
  BitmapBytes indexed = reporttest::Logo8();
  indexed.infoSize = 124;
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(indexed.Bytes()));
  CDibImage plain8;
  ASSERT_TRUE(plain8.LoadFromMemory(reporttest::Logo8().Bytes()));
  EXPECT_EQ(image.ToImage(), plain8.ToImage());
  EXPECT_EQ(image.ColorCount(), 4);

  // Bit fields of a longer header come from its masks, none after it; the
  // alpha mask is not drawn. A 4-byte pixel B G R A and a 5-6-5 one.
  BitmapBytes argb;
  argb.infoSize = 124;
  argb.width = 2;
  argb.height = 1;
  argb.bitCount = 32;
  argb.compression = kDibBitFields;
  argb.pixels = {10, 20, 30, 0, 40, 50, 60, 255};
  ASSERT_TRUE(image.LoadFromMemory(argb.Bytes())) << image.Problem();
  EXPECT_EQ(At(image, 0, 0), fw::RGB(30, 20, 10));
  EXPECT_EQ(At(image, 1, 0), fw::RGB(60, 50, 40));
  EXPECT_EQ(image.ColorCount(), 3);
  CDibImage again;
  ASSERT_TRUE(again.LoadFromMemory(image.SaveToBytes()));
  EXPECT_EQ(again.ToImage(), image.ToImage());

  BitmapBytes rgb565 = argb;
  rgb565.infoSize = 108;
  rgb565.bitCount = 16;
  rgb565.headerMasks[0] = 0xF800;
  rgb565.headerMasks[1] = 0x07E0;
  rgb565.headerMasks[2] = 0x001F;
  rgb565.headerMasks[3] = 0;
  rgb565.pixels = {0x1F, 0xF8, 0xE0, 0x07};  // 0xF81F magenta, 0x07E0 green
  ASSERT_TRUE(image.LoadFromMemory(rgb565.Bytes())) << image.Problem();
  EXPECT_EQ(At(image, 0, 0), fw::RGB(255, 0, 255));
  EXPECT_EQ(At(image, 1, 0), fw::RGB(0, 255, 0));
}

// What cannot be drawn is still refused, with the reason the user is told.
TEST(DibImageTest, SaysWhyABitmapCannotBeUsed) {
  const auto with = [](BitmapBytes b, auto change) {
    change(b);
    return b;
  };
  BitmapBytes noTable = reporttest::Logo8();
  noTable.table.clear();
  noTable.clrUsed = 0;
  struct Case {
    const char* name;
    BitmapBytes bitmap;
    const char* problem;
  } cases[] = {
      {"not BM", with(reporttest::Logo24(), [](BitmapBytes& b) { b.type = 0x5089; }),
       "it is not a bitmap (.bmp) file"},
      {"run-length 8 bits, 124-byte header",
       with(reporttest::Logo8(), [](BitmapBytes& b) { b.infoSize = 124; b.compression = 1; }), "it is compressed"},
      {"PNG inside", with(reporttest::Logo24(), [](BitmapBytes& b) { b.compression = 5; }), "it is compressed"},
      {"run-length, top-down", with(reporttest::Logo8(), [](BitmapBytes& b) { b.compression = 1; b.height = -2; }),
       "it is compressed"},
      {"8 bits without a colour table", noTable, "its colour table is missing"},
      {"4 bits without a colour table",
       with(noTable, [](BitmapBytes& b) { b.bitCount = 4; b.infoSize = 108; }), "its colour table is missing"},
      {"bit fields on 24 bits, 124-byte header",
       with(reporttest::Logo24(), [](BitmapBytes& b) { b.infoSize = 124; b.compression = 3; }),
       "its kind of pixels cannot be drawn"},
      {"12-byte header", with(reporttest::Logo24(), [](BitmapBytes& b) { b.infoSize = 12; }),
       "its kind of bitmap header cannot be read"},
      {"zero width", with(reporttest::Logo24(), [](BitmapBytes& b) { b.width = 0; }),
       "its width or height is zero, negative or too large"},
      {"cut short", with(reporttest::Logo24(), [](BitmapBytes& b) { b.cut = 1; }),
       "the file is shorter than its header says"},
      {"cut short, file size 0", with(reporttest::Logo24(), [](BitmapBytes& b) { b.cut = 1; b.fileSize = 0; }),
       "the file ends before its pixels"},
  };
  for (const Case& c : cases) {
    CDibImage image;
    EXPECT_FALSE(image.LoadFromMemory(c.bitmap.Bytes())) << c.name;
    EXPECT_TRUE(image.IsEmpty()) << c.name;
    EXPECT_EQ(image.Problem(), c.problem) << c.name;
  }
}

TEST(DibImageTest, AcceptsTrailingBytesAndAFileSizeBeyondThePixels) {
  BitmapBytes b = reporttest::Logo24();
  std::vector<std::uint8_t> bytes = b.Bytes();
  bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
  CDibImage image;
  EXPECT_TRUE(image.LoadFromMemory(bytes));
  b.pixels.insert(b.pixels.end(), {9, 9, 9, 9});  // counted in the file size, not read
  EXPECT_TRUE(image.LoadFromMemory(b.Bytes()));
  EXPECT_EQ(image.PixelBytes(), 24u);
}

class DibFileTest : public ::testing::Test {
 protected:
  reporttest::TempDir dir_;
};

TEST_F(DibFileTest, ReadsOnlyRegularFilesWithoutBlocking) {
  dir_.Write("logo.bmp", reporttest::Logo24().Bytes());
  CDibImage image;
  EXPECT_TRUE(image.Load(dir_.File("logo.bmp")));
  EXPECT_FALSE(image.Load(dir_.File("missing.bmp")));
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_FALSE(image.Load(dir_.Path().string()));
  EXPECT_FALSE(image.Load("/dev/zero"));
  // A pipe without a writer: opening it for reading would wait for one.
  ASSERT_EQ(::mkfifo(dir_.File("pipe.bmp").c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(image.Load(dir_.File("pipe.bmp")));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  reporttest::BitmapBytes cut = reporttest::Logo24();
  cut.cut = 3;
  dir_.Write("cut.bmp", cut.Bytes());
  EXPECT_FALSE(image.Load(dir_.File("cut.bmp")));
}

TEST_F(DibFileTest, TellsWhetherAChosenLogoCanBePrinted) {
  reporttest::BitmapBytes compressed = reporttest::Logo8();
  compressed.compression = 1;
  dir_.Write("rle.bmp", compressed.Bytes());
  reporttest::BitmapBytes v5 = reporttest::Logo24();
  v5.infoSize = 124;
  dir_.Write("v5.bmp", v5.Bytes());
  EXPECT_EQ(LogoProblem(""), "");  // no logo chosen
  EXPECT_EQ(LogoProblem(dir_.File("v5.bmp")), "");
  EXPECT_EQ(LogoProblem(dir_.File("rle.bmp")), "it is compressed");
  EXPECT_EQ(LogoProblem(dir_.File("missing.bmp")), "the file cannot be opened");
  EXPECT_EQ(LogoProblem(dir_.Path().string()), "it is not a file");
  EXPECT_EQ(UnusableLogoMessage("/logos/rle.bmp", "it is compressed"),
            "The logo \"/logos/rle.bmp\" cannot be printed: it is compressed.\n\nThe title page of the report is "
            "printed without a logo. A logo must be an uncompressed bitmap (.bmp) file.");
}

TEST_F(DibFileTest, SavesWhatItReadsAndMakesImagesFromPictures) {
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(reporttest::Logo8().Bytes()));
  ASSERT_TRUE(image.Save(dir_.File("copy.bmp")));
  CDibImage again;
  ASSERT_TRUE(again.Load(dir_.File("copy.bmp")));
  EXPECT_EQ(again.ToImage(), image.ToImage());
  EXPECT_EQ(again.SaveToBytes(), image.SaveToBytes());
  const CDibImage copy = image;
  EXPECT_EQ(copy.ToImage(), image.ToImage());

  fw::Image picture(3, 2, fw::RGB(10, 20, 30));
  picture.SetPixel(2, 0, fw::RGB(200, 100, 50));
  ASSERT_TRUE(image.Create(picture));
  EXPECT_EQ(image.BitCount(), 24);
  EXPECT_EQ(image.ToImage(), picture);
  EXPECT_FALSE(CDibImage().Save(dir_.File("empty.bmp")));

  // A new colour table changes the pixels that use it.
  ASSERT_TRUE(image.LoadFromMemory(reporttest::Logo8().Bytes()));
  const DibColor grey{90, 90, 90, 0};
  image.SetColorTable(std::span<const DibColor>(&grey, 1));
  EXPECT_EQ(At(image, 0, 0), fw::RGB(90, 90, 90));
  EXPECT_EQ(image.Palette()[0], fw::RGB(90, 90, 90));
}

TEST(DibImageTest, StretchesIntoAnyRectangleAndDrawsAtNaturalSize) {
  CDibImage image;
  ASSERT_TRUE(image.LoadFromMemory(reporttest::Logo24().Bytes()));
  fw::RecordingDC dc;
  EXPECT_TRUE(image.Stretch(dc, 600, -700, 10500, -2100, 0));
  EXPECT_TRUE(image.Draw(dc, 5, 6));
  EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"StretchImage 600 -700 11100 -2800 4x2",
                                                  "StretchImage 5 6 9 8 4x2"}));
  image.SetDirectDraw(true);
  EXPECT_TRUE(image.DirectDraw());
}

}  // namespace
}  // namespace tervane
