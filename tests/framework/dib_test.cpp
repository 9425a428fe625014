// Our own bitmap writer and reader: the exact bytes of a ".bmp" file, the
// colour table only for 8 bits per pixel or fewer, and what the reader
// refuses.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dib.h"
#include "framework/Image.h"

namespace tervane::fw {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

Image ThreeByTwo() {
  Image image(3, 2);
  image.SetPixel(0, 0, RGB(255, 0, 0));
  image.SetPixel(1, 0, RGB(0, 255, 0));
  image.SetPixel(2, 0, RGB(0, 0, 255));
  image.SetPixel(0, 1, RGB(255, 255, 255));
  image.SetPixel(1, 1, RGB(0, 0, 0));
  image.SetPixel(2, 1, RGB(1, 2, 3));
  return image;
}

TEST(DibTest, ATrueColourFileByteForByte) {
  const std::optional<PackedDib> dib = DibFromImage(ThreeByTwo());
  ASSERT_TRUE(dib.has_value());
  const std::vector<std::uint8_t> expected = Bytes({
      // File header: "BM", 78 bytes, two reserved words, pixels at 54.
      0x42, 0x4D, 0x4E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,
      // Information header: 40 bytes, 3 x 2, 1 plane, 24 bits, no compression,
      // 24 bytes of pixels, the rest 0.
      0x28, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x18, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      // The bottom row first, blue-green-red, padded to 12 bytes.
      0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x03, 0x02, 0x01, 0x00, 0x00, 0x00,
      0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00,
  });
  EXPECT_EQ(EncodeBmpFile(*dib), expected);

  // A capture of the results drawing's figure.
  const std::optional<PackedDib> figure = DibFromImage(Image(550, 340, RGB(222, 222, 222)));
  ASSERT_TRUE(figure.has_value());
  const std::vector<std::uint8_t> file = EncodeBmpFile(*figure);
  EXPECT_EQ(file.size(), 561734u);
  EXPECT_EQ(Read32(file, 2), 561734u);
  EXPECT_EQ(Read32(file, 10), 54u);
  EXPECT_EQ(Read32(file, 14 + 20), 1652u * 340u);  // rows of 1650 bytes padded to 1652
}

TEST(DibTest, TheColourTableOnlyForEightBitsOrFewer) {
  // An 8-bit bitmap of a full palette: 256 entries of 4 bytes.
  std::vector<ColorRef> grey;
  for (int i = 0; i < 256; ++i) grey.push_back(RGB(i, i, i));
  const std::optional<PackedDib> eight = DibFromImage(ThreeByTwo(), 8, grey);
  ASSERT_TRUE(eight.has_value());
  const std::vector<std::uint8_t> file8 = EncodeBmpFile(*eight);
  EXPECT_EQ(Read32(file8, 10), 14u + 40u + 1024u);
  EXPECT_EQ(file8.size(), 14u + 40u + 1024u + 2u * 4u);
  EXPECT_EQ(file8[14 + 40 + 4 * 200], 200);  // blue of entry 200

  // A smaller palette counts itself in the colours-used field.
  const ColorRef two[] = {kBlack, kWhite};
  const std::optional<PackedDib> mono = DibFromImage(ThreeByTwo(), 1, two);
  ASSERT_TRUE(mono.has_value());
  EXPECT_EQ(mono->header.clrUsed, 0u);  // 2 is what 1 bit addresses
  const ColorRef three[] = {kBlack, kWhite, RGB(255, 0, 0)};
  const std::optional<PackedDib> four = DibFromImage(ThreeByTwo(), 4, three);
  ASSERT_TRUE(four.has_value());
  EXPECT_EQ(four->header.clrUsed, 3u);
  EXPECT_EQ(Read32(EncodeBmpFile(*four), 10), 14u + 40u + 12u);

  // A true-colour bitmap whose header claims colours carries no table.
  PackedDib claimed = *DibFromImage(ThreeByTwo());
  claimed.header.clrUsed = 256;
  claimed.colourTable.assign(1024, 7);
  const std::vector<std::uint8_t> file24 = EncodeBmpFile(claimed);
  EXPECT_EQ(file24.size(), 78u);
  EXPECT_EQ(Read32(file24, 10), 54u);

  // What cannot be written whole is not written at all.
  PackedDib shortBits = *DibFromImage(ThreeByTwo());
  shortBits.bits.resize(23);
  EXPECT_TRUE(EncodeBmpFile(shortBits).empty());
  PackedDib longHeader = *DibFromImage(ThreeByTwo());
  longHeader.header.size = 108;
  EXPECT_TRUE(EncodeBmpFile(longHeader).empty());
  EXPECT_FALSE(DibFromImage(Image()).has_value());
  EXPECT_FALSE(DibFromImage(ThreeByTwo(), 16).has_value());
  EXPECT_FALSE(DibFromImage(ThreeByTwo(), 8).has_value());  // no palette
}

TEST(DibTest, TheReaderGivesBackThePixels) {
  std::vector<ColorRef> palette = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), kWhite, kBlack, RGB(1, 2, 3)};
  for (int bits : {24, 8, 4}) {
    const std::optional<PackedDib> dib = bits == 24 ? DibFromImage(ThreeByTwo()) : DibFromImage(ThreeByTwo(), bits, palette);
    ASSERT_TRUE(dib.has_value()) << bits;
    std::string error;
    const std::optional<PackedDib> back = DecodeBmpFile(EncodeBmpFile(*dib), &error);
    ASSERT_TRUE(back.has_value()) << bits << ": " << error;
    EXPECT_EQ(back->header, dib->header) << bits;
    EXPECT_EQ(ImageFromDib(*back), ThreeByTwo()) << bits;
  }
  // Rows stored from the top down.
  PackedDib topDown = *DibFromImage(ThreeByTwo());
  topDown.header.height = -2;
  std::swap_ranges(topDown.bits.begin(), topDown.bits.begin() + 12, topDown.bits.begin() + 12);
  EXPECT_EQ(ImageFromDib(topDown), ThreeByTwo());
}

TEST(DibTest, TheReaderRefusesWhatIsNoBitmapItCanRead) {
  const std::vector<std::uint8_t> good = EncodeBmpFile(*DibFromImage(ThreeByTwo()));
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  std::vector<std::uint8_t> notBm = good;
  notBm[0] = 'P';
  cases.push_back({"not BM", notBm});
  std::vector<std::uint8_t> v4 = good;
  v4[14] = 108;
  cases.push_back({"108-byte header", v4});
  cases.push_back({"cut in the pixels", std::vector<std::uint8_t>(good.begin(), good.end() - 1)});
  cases.push_back({"cut in the header", std::vector<std::uint8_t>(good.begin(), good.begin() + 30)});
  std::vector<std::uint8_t> huge = good;
  huge[18] = 0xFF;
  huge[19] = 0xFF;
  huge[20] = 0xFF;
  huge[21] = 0x7F;
  cases.push_back({"absurd width", huge});
  std::vector<std::uint8_t> offset = good;
  offset[10] = 0xFF;
  offset[11] = 0xFF;
  cases.push_back({"offset beyond the file size", offset});
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(DecodeBmpFile(c.bytes, &error).has_value()) << c.name;
    EXPECT_FALSE(error.empty()) << c.name;
  }

  // An 8-bit bitmap whose colours-used field is 16 reads 16 entries.
  std::vector<ColorRef> sixteen(16, RGB(9, 9, 9));
  const std::vector<std::uint8_t> small = EncodeBmpFile(*DibFromImage(Image(2, 2, RGB(9, 9, 9)), 8, sixteen));
  const std::optional<PackedDib> read = DecodeBmpFile(small);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->colourTable.size(), 16u * 4u);
  // A file size field beyond the pixels reads no more than a full image.
  std::vector<std::uint8_t> padded = good;
  padded.insert(padded.end(), 10, 0xEE);
  padded[2] = static_cast<std::uint8_t>(padded.size());
  const std::optional<PackedDib> trimmed = DecodeBmpFile(padded);
  ASSERT_TRUE(trimmed.has_value());
  EXPECT_EQ(trimmed->bits.size(), 24u);
}

}  // namespace
}  // namespace tervane::fw
