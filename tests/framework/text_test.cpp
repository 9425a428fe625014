#include "framework/Text.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "support/NumericLocale.h"

namespace tervane {
namespace {

using testsupport::NumericLocale;

TEST(Format, IgnoresACommaLocale) {
  NumericLocale german("de_DE.UTF-8");
  if (!german.ok()) GTEST_SKIP() << "de_DE.UTF-8 is not installed (package locales-all)";
  char plain[32];
  std::snprintf(plain, sizeof plain, "%.2f", 1.5);
  ASSERT_STREQ(plain, "1,50") << "the locale should really use a comma";
  EXPECT_EQ(Format("%.2f", 1.5), "1.50");
  EXPECT_EQ(FormatDouble15(12.5), "12.5");
  double v = 0;
  EXPECT_TRUE(ParseDouble("12.50", v));
  EXPECT_EQ(v, 12.5);
  EXPECT_FALSE(ParseDouble("12,50", v));
}

TEST(Format, LongOutputAndFifteenDigits) {
  const std::string long_text(600, 'x');
  EXPECT_EQ(Format("%s!", long_text.c_str()), long_text + "!");
  EXPECT_EQ(FormatDouble15(6.0), "6");
  EXPECT_EQ(FormatDouble15(1.7 * 3.28084 / 3.28084), "1.7");
  EXPECT_EQ(FormatDouble15(0.1 + 0.2), "0.3");
  EXPECT_EQ(Format("%g", 1234567.0), "1.23457e+06");
}

TEST(ParseDouble, AcceptsOnlyWholeFiniteNumbers) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {"6", true, 6.0},          {" -2.5 ", true, -2.5},   {"+1e3", true, 1000.0},
      {".5", true, 0.5},         {"5.", true, 5.0},        {"1E-2", true, 0.01},
      {"", false, 0},            {"   ", false, 0},       {"abc", false, 0},
      {"1.5abc", false, 0},      {"nan", false, 0},        {"inf", false, 0},
      {"-infinity", false, 0},   {"1e999", false, 0},      {"0x10", false, 0},
      {"1e", false, 0},          {".", false, 0},          {"1 2", false, 0},
      {"--1", false, 0},
  };
  for (const Case& c : cases) {
    double v = -7.0;
    EXPECT_EQ(ParseDouble(c.text, v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : -7.0) << c.text;
  }
}

TEST(ParseInt, RangeAndForm) {
  int v = 3;
  EXPECT_TRUE(ParseInt("42", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(ParseInt("-2147483648", v));
  EXPECT_EQ(v, -2147483648);
  v = 3;
  EXPECT_FALSE(ParseInt("2147483648", v));
  EXPECT_FALSE(ParseInt("4.0", v));
  EXPECT_FALSE(ParseInt("", v));
  EXPECT_FALSE(ParseInt("-", v));
  EXPECT_EQ(v, 3);
}

TEST(Cp1252, RoundTripsEveryByteAndMapsTheHighTable) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\u00E9");
  EXPECT_EQ(Utf8ToCp1252("\u2264 \u03C6 \u00B0"), "? ? \xB0");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");     // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "?");  // encoded surrogate
  EXPECT_EQ(Utf8Length("\u20ACab\u00E9"), 4u);
  EXPECT_EQ(Utf16ToUtf8(u"\u20AC\U0001F600"), "\u20AC\U0001F600");
}

TEST(Utf8Cut, CutsByCharactersNeverInsideOne) {
  const std::string text = "a\u00E9\u20AC\U0001F600z";  // 1, 2, 3, 4 and 1 bytes
  EXPECT_EQ(Utf8Prefix(text, 0), "");
  EXPECT_EQ(Utf8Prefix(text, 3), "a\u00E9\u20AC");
  EXPECT_EQ(Utf8Prefix(text, 9), text);
  EXPECT_EQ(Utf8Suffix(text, 2), "\U0001F600z");
  EXPECT_EQ(Utf8Suffix(text, 5), text);
  EXPECT_EQ(Utf8Suffix(text, 50), text);
  EXPECT_EQ(Utf8Substring(text, 1, 2), "\u00E9\u20AC");
  EXPECT_EQ(Utf8Substring(text, 4, 7), "z");
  EXPECT_EQ(Utf8Substring(text, 5, 1), "");
  // A malformed byte is one character, as Utf8Length counts it.
  EXPECT_EQ(Utf8Prefix("\xC3x\xE2\x82", 2), "\xC3x");
  EXPECT_EQ(Utf8Suffix("\xC3x\xE2\x82", 1), "\x82");
}

TEST(AsciiLower, LowersOnlyAToZWhateverTheLocale) {
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    EXPECT_EQ(AsciiLower("/EMBEDDING Istanbul @[`{ \xC9\u0130\u00C4"), "/embedding istanbul @[`{ \xC9\u0130\u00C4")
        << locale;
  }
}

TEST(StripLineEnd, DropsOnlyTheLineEnd) {
  EXPECT_EQ(StripLineEnd("SHOW\r\n"), "SHOW");
  EXPECT_EQ(StripLineEnd("SHOW\n"), "SHOW");
  EXPECT_EQ(StripLineEnd("SHOW"), "SHOW");
  EXPECT_EQ(StripLineEnd("English\n\n"), "English\n");
  EXPECT_EQ(StripLineEnd(""), "");
}

TEST(TextFileWriter, WritesCrLfAndCodePageBytes) {
  const auto path = std::filesystem::temp_directory_path() / "tervane_text_writer_test.txt";
  TextFileWriter w;
  ASSERT_TRUE(w.Open(path.string()));
  w.WriteLine("Kosten \u20AC 12.50");
  w.Write("x");
  w.WriteLine("");
  ASSERT_TRUE(w.Close());
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "Kosten \x80 12.50\r\nx\r\n");
  std::filesystem::remove(path);
}

// Nothing is written before Close: a file that cannot be made, or a device
// in the file's place, fails there with the reason.
TEST(TextFileWriter, ReportsAFailedWriteAtClose) {
  TextFileWriter w;
  EXPECT_TRUE(w.Open("/nonexistent-dir/x.txt"));
  w.WriteLine("lost");
  EXPECT_FALSE(w.Close());
  EXPECT_TRUE(w.Failed());
  EXPECT_EQ(w.Error(), "Cannot create a file beside /nonexistent-dir/x.txt: No such file or directory");

  TextFileWriter full;
  full.Open("/dev/full");
  full.WriteLine("this line cannot be stored anywhere");
  EXPECT_FALSE(full.Close());
  EXPECT_EQ(full.Error(), "This is not a regular file: /dev/full");
}

TEST(TextFileWriter, SaysWhenACharacterBecameAQuestionMark) {
  TextFileWriter w;
  w.Open("/nonexistent-dir/x.txt");
  w.WriteLine("Caf\xC3\xA9 ?");
  EXPECT_FALSE(w.Substituted());
  w.WriteLine("\xD0\x9E\xD1\x82\xD0\xBA\xD0\xBE\xD1\x81 \xE2\x84\x96" "1");
  EXPECT_TRUE(w.Substituted());
  EXPECT_TRUE(FitsCp1252("\xE2\x82\xAC 12.50"));  // the euro sign has a byte
  EXPECT_FALSE(FitsCp1252("\xCF\x86"));
}

}  // namespace
}  // namespace tervane
