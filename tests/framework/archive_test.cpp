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

TEST(Archive, TextsAreCodePageBytesWhenTheCodePageHoldsThem) {
  Archive out;
  out.WriteText("\u20AC5 \u00B0 \u00E9\u0160\u0081");
  const std::vector<std::uint8_t> expected = {8, 0x80, '5', ' ', 0xB0, ' ', 0xE9, 0x8A, 0x81};
  EXPECT_EQ(out.Buffer(), expected);
  Archive in(out.Buffer().data(), out.Buffer().size());
  std::string back;
  EXPECT_TRUE(in.ReadText(back));
  EXPECT_EQ(back, "\u20AC5 \u00B0 \u00E9\u0160\u0081");
}

// A text with one character outside Windows-1252 is written whole in UTF-16LE
// after the wide tag; characters beyond U+FFFF take a surrogate pair.
TEST(Archive, TextsTheCodePageCannotHoldAreWrittenWide) {
  struct Case {
    const char* text;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"\u03C6", {0xFF, 0xFE, 0xFF, 1, 0xC6, 0x03}},
      {"\u20AC \u03C6", {0xFF, 0xFE, 0xFF, 3, 0xAC, 0x20, ' ', 0, 0xC6, 0x03}},
      {"\u041E\u0442\u043A\u043E\u0441 \u21161",
       {0xFF, 0xFE, 0xFF, 8, 0x1E, 0x04, 0x42, 0x04, 0x3A, 0x04, 0x3E, 0x04, 0x41, 0x04, ' ', 0, 0x16, 0x21, '1', 0}},
      {"a\U0001D711", {0xFF, 0xFE, 0xFF, 3, 'a', 0, 0x35, 0xD8, 0x11, 0xDF}},
      // Malformed UTF-8 is '?' in either form.
      {"\xC3\u0142", {0xFF, 0xFE, 0xFF, 2, '?', 0, 0x42, 0x01}},
  };
  for (const Case& c : cases) {
    Archive out;
    out.WriteText(c.text);
    EXPECT_EQ(out.Buffer(), c.bytes) << c.text;
    Archive in(out.Buffer().data(), out.Buffer().size());
    std::string back;
    EXPECT_TRUE(in.ReadText(back));
    EXPECT_EQ(in.Remaining(), 0u);
    if (std::string(c.text) != "\xC3\u0142") {
      EXPECT_EQ(back, c.text);
    }
  }
}

// The wide length follows the tag in the same scheme, counting UTF-16 units:
// 65534 units and more take the 4-byte form, as 0xFFFE after 0xFF would read
// as a second tag.
TEST(Archive, WideTextLengthPrefixes) {
  struct Case {
    std::size_t length;
    std::vector<std::uint8_t> prefix;
  };
  const Case cases[] = {
      {254, {0xFF, 0xFE, 0xFF, 0xFE}},
      {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    std::string text;
    for (std::size_t i = 0; i < c.length; ++i) text += "\u0416";  // Cyrillic Zhe
    Archive out;
    out.WriteText(text);
    ASSERT_EQ(out.Buffer().size(), c.prefix.size() + 2 * c.length) << c.length;
    EXPECT_EQ(Prefix(out.Buffer(), c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(out.Buffer()[c.prefix.size()], 0x16);
    EXPECT_EQ(out.Buffer()[c.prefix.size() + 1], 0x04);

    Archive in(out.Buffer().data(), out.Buffer().size());
    std::string back;
    EXPECT_TRUE(in.ReadText(back));
    EXPECT_EQ(back, text) << c.length;
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(Archive, ReadsWideTaggedTexts) {
  // 0xFF 0xFFFE marks a wide text; the length (2 characters) follows.
  const std::vector<std::uint8_t> bytes = {0xFF, 0xFE, 0xFF, 0x02, 0xAC, 0x20, 'x', 0x00};
  Archive in(bytes.data(), bytes.size());
  std::string back;
  ASSERT_TRUE(in.ReadText(back));
  EXPECT_EQ(back, "\u20ACx");
  // Written again it takes the one-byte form: only Western characters.
  Archive out;
  out.WriteText(back);
  EXPECT_EQ(out.Buffer(), (std::vector<std::uint8_t>{2, 0x80, 'x'}));

  // Characters outside the code page are kept, pairs combined; an unpaired
  // surrogate reads as '?'.
  const std::vector<std::uint8_t> wide = {0xFF, 0xFE, 0xFF, 0x05, 0xC6, 0x03, 0x3D, 0xD8, 0x00, 0xDE,
                                          0x00, 0xD8, 'z', 0x00};
  Archive in2(wide.data(), wide.size());
  ASSERT_TRUE(in2.ReadText(back));
  EXPECT_EQ(back, "\u03C6\U0001F600?z");
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
