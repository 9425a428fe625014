#include "framework/Archive.h"

#include <vector>

#include <gtest/gtest.h>

#include "framework/Text.h"

namespace tervane::fw {
namespace {

std::vector<std::uint8_t> Prefix(const std::vector<std::uint8_t>& bytes, std::size_t n) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(Archive, NumbersAreLittleEndian) {
  Archive out;
  out.WriteInt(0x01020304);
  out.WriteInt(-1);
  out.WriteDouble(6.0);
  const std::vector<std::uint8_t> expected = {0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF,
                                              0, 0, 0, 0, 0, 0, 0x18, 0x40};
  EXPECT_EQ(out.Buffer(), expected);

  Archive in(out.Buffer().data(), out.Buffer().size());
  std::int32_t a = 0, b = 0;
  double d = 0;
  EXPECT_TRUE(in.ReadInt(a) && in.ReadInt(b) && in.ReadDouble(d));
  EXPECT_EQ(a, 0x01020304);
  EXPECT_EQ(b, -1);
  EXPECT_EQ(d, 6.0);
  EXPECT_FALSE(in.Failed());
  EXPECT_FALSE(in.ReadInt(a));
  EXPECT_TRUE(in.Failed());
  EXPECT_EQ(a, 0);
}

TEST(Archive, TextLengthPrefixes) {
  struct Case {
    std::size_t length;
    std::vector<std::uint8_t> prefix;
  };
  const Case cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, 'a');
    Archive out;
    out.WriteText(text);
    ASSERT_EQ(out.Buffer().size(), c.prefix.size() + c.length) << c.length;
    EXPECT_EQ(Prefix(out.Buffer(), c.prefix.size()), c.prefix) << c.length;

    Archive in(out.Buffer().data(), out.Buffer().size());
    std::string back;
    EXPECT_TRUE(in.ReadText(back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(Archive, TextsAreCodePageBytes) {
  Archive out;
  out.WriteText("\u20AC5 \u00B0 \u03C6");
  const std::vector<std::uint8_t> expected = {6, 0x80, '5', ' ', 0xB0, ' ', '?'};
  EXPECT_EQ(out.Buffer(), expected);
  Archive in(out.Buffer().data(), out.Buffer().size());
  std::string back;
  EXPECT_TRUE(in.ReadText(back));
  EXPECT_EQ(back, "\u20AC5 \u00B0 ?");
}

TEST(Archive, ReadsWideTaggedTexts) {
  // 0xFF 0xFFFE marks a wide text; the length (2 characters) follows.
  const std::vector<std::uint8_t> bytes = {0xFF, 0xFE, 0xFF, 0x02, 0xAC, 0x20, 'x', 0x00};
  Archive in(bytes.data(), bytes.size());
  std::string back;
  ASSERT_TRUE(in.ReadText(back));
  EXPECT_EQ(back, "\u20ACx");
  EXPECT_EQ(Utf8ToCp1252(back), "\x80x");

  // A wide character outside the code page reads as '?', as it would be stored.
  const std::vector<std::uint8_t> greek = {0xFF, 0xFE, 0xFF, 0x01, 0xC6, 0x03};
  Archive in2(greek.data(), greek.size());
  ASSERT_TRUE(in2.ReadText(back));
  EXPECT_EQ(back, "?");
}

TEST(Archive, RefusesLengthsBeyondTheStream) {
  const std::vector<std::vector<std::uint8_t>> bad = {
      {0x05, 'a', 'b'},                                      // short text
      {0xFF, 0x10},                                          // cut 2-byte length
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'},       // 2 GB claimed
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},            // 64-bit escape
      {0xFF, 0xFE, 0xFF, 0x03, 'a', 0},                      // wide, short
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00},            // tag twice
  };
  for (const auto& bytes : bad) {
    Archive in(bytes.data(), bytes.size());
    std::string back = "old";
    EXPECT_FALSE(in.ReadText(back));
    EXPECT_TRUE(in.Failed());
    EXPECT_EQ(back, "");
  }
}

}  // namespace
}  // namespace tervane::fw
