// The page conventions: the language ladder, the fonts by language, the unit
// labels, the number formats, the date, and the cutting of long texts by
// characters.

#include <gtest/gtest.h>

#include <string>

#include "framework/Text.h"
#include "report/ReportConventions.h"
#include "report/ReportLanguage.h"

namespace tervane {
namespace {

TEST(ReportLanguageTest, NamesCompareExactlyAndEverythingElseIsEnglish) {
  for (std::size_t i = 0; i < kReportLanguageCount; ++i) {
    EXPECT_EQ(LanguageIndex(ReportLanguageOf(kReportLanguageNames[i])), i) << kReportLanguageNames[i];
  }
  for (const char* other : {"", "english", "GERMAN", "German ", " Polish", "Klingon", "Norsk"}) {
    EXPECT_EQ(ReportLanguageOf(other), ReportLanguage::kEnglish) << other;
  }
  EXPECT_EQ(ReportLanguageOf("Norwegian"), ReportLanguage::kNorwegian);
  EXPECT_FALSE(IsOfferedReportLanguage("Norwegian"));
  EXPECT_TRUE(IsOfferedReportLanguage("Russian"));
  EXPECT_FALSE(IsOfferedReportLanguage("russian"));
  EXPECT_EQ(kOfferedReportLanguages.size(), 11u);
}

TEST(ReportFontTest, FacesAndCharacterSetsByLanguage) {
  struct Case {
    ReportLanguage language;
    FontRole role;
    const char* face;
    int charSet;
  } cases[] = {
      {ReportLanguage::kEnglish, FontRole::kBody, "Arial", 0},
      {ReportLanguage::kEnglish, FontRole::kHeading, "Arial Bold", 0},
      {ReportLanguage::kGerman, FontRole::kHeading, "Arial Bold", 0},
      {ReportLanguage::kNorwegian, FontRole::kBody, "Arial", 0},
      {ReportLanguage::kPolish, FontRole::kBody, "Times New Roman Baltic", 186},
      {ReportLanguage::kPolish, FontRole::kHeading, "Times New Roman Baltic", 186},
      {ReportLanguage::kPolish, FontRole::kArial, "Arial", 0},
      {ReportLanguage::kRussian, FontRole::kBody, "Times New Roman Cyr", 204},
      {ReportLanguage::kRussian, FontRole::kHeading, "Times New Roman Cyr", 204},
      {ReportLanguage::kRussian, FontRole::kSymbol, "Symbol", 0},
  };
  for (const Case& c : cases) {
    const fw::Font font = ReportFont(c.language, c.role, 250);
    EXPECT_EQ(font.face, c.face);
    EXPECT_EQ(font.charSet, c.charSet) << c.face;
    EXPECT_EQ(font.height, -250);
    EXPECT_EQ(font.weight, 400);  // "Arial Bold" is bold by its name alone
    EXPECT_FALSE(font.italic);
  }
}

TEST(ReportUnitsTest, LabelsBySystemStyleAndLanguage) {
  const auto en = ReportLanguage::kEnglish;
  const auto ru = ReportLanguage::kRussian;
  struct Case {
    Quantity quantity;
    int unitSystem;
    int style;
    ReportLanguage language;
    const char* label;
  } cases[] = {
      {Quantity::kLength, 0, 0, en, "[m]"},
      {Quantity::kLength, 1, 1, en, "[ft]"},
      {Quantity::kPressure, 0, 1, en, "[kPa]"},
      {Quantity::kPressure, 1, 0, en, "[lb/ft ²]"},
      {Quantity::kPressure, 1, 1, en, "[lb/ft^2]"},
      {Quantity::kStrength, 0, 0, en, "[kN/m]"},
      {Quantity::kStrength, 1, 0, en, "[lb/ft]"},
      {Quantity::kUnitWeight, 0, 0, en, "[kN/m ³]"},
      {Quantity::kUnitWeight, 0, 1, en, "[kN/m^3]"},
      {Quantity::kUnitWeight, 1, 0, en, "[lb/ft ³]"},
      {Quantity::kUnitWeight, 1, 1, en, "[lb/ft^3]"},
      {Quantity::kLength, 0, 0, ru, "[м]"},
      {Quantity::kLength, 1, 0, ru, "[футов]"},
      {Quantity::kPressure, 0, 0, ru, "[лПа]"},
      {Quantity::kPressure, 1, 0, ru, "[фунты/фут^2]"},
      {Quantity::kStrength, 0, 1, ru, "[кН/м]"},
      {Quantity::kStrength, 1, 1, ru, "[фунты/фут]"},
      {Quantity::kUnitWeight, 0, 0, ru, "[кН/м^3]"},
      {Quantity::kUnitWeight, 1, 0, ru, "[фунты/фут^3]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnitLabel(c.quantity, c.unitSystem, c.style, c.language), c.label)
        << static_cast<int>(c.quantity) << " " << c.unitSystem << " " << c.style;
  }
  // Polish and the others keep the Western labels.
  EXPECT_EQ(UnitLabel(Quantity::kPressure, 1, 0, ReportLanguage::kPolish), "[lb/ft ²]");
}

TEST(ReportNumbersTest, EnglishUnitsAndFormatsOfAnySize) {
  EXPECT_EQ(Fixed2(6.0 * UnitFactor(Quantity::kLength, 1)), "19.69");
  EXPECT_EQ(Fixed2(10.0 * UnitFactor(Quantity::kPressure, 1)), "208.85");
  EXPECT_EQ(Fixed2(43.8 * UnitFactor(Quantity::kStrength, 1)), "3001.13");
  EXPECT_EQ(Fixed2(20.0 * UnitFactor(Quantity::kUnitWeight, 1)), "127.31");
  EXPECT_EQ(UnitFactor(Quantity::kStrength, 0), 1.0);
  EXPECT_EQ(Fixed2(-5.0), "-5.00");
  EXPECT_EQ(Fixed1(32.25), "32.2");
  EXPECT_EQ(Integer(-7), "-7");
  // No buffer to overflow: 1e300 prints all of its 301 digits and the decimals.
  const std::string huge = Fixed2(1e300);
  EXPECT_EQ(huge.size(), 304u);
  EXPECT_EQ(huge.substr(0, 2), "10");
  EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
}

TEST(ReportDateTest, FixedEnglishNamesAndZeroPaddedDay) {
  EXPECT_EQ(FormatReportDate({2026, 12, 8, 23, 54, 44, 2}), "Tue Dec 08 23:54:44 2026");
  EXPECT_EQ(FormatReportDate({2009, 3, 5, 14, 7, 9, 4}), "Thu Mar 05 14:07:09 2009");
  EXPECT_EQ(FormatReportDate({2027, 1, 31, 0, 0, 0, 0}), "Sun Jan 31 00:00:00 2027");
  EXPECT_EQ(FormatReportDate({2027, 13, 1, 0, 0, 0, 9}), "??? ??? 01 00:00:00 2027");
  EXPECT_EQ(FormatReportDate({2026, 12, 8, 23, 54, 44, 2}).size(), 24u);
}

// A text of n characters, each `piece` (an ASCII letter or a longer UTF-8 one).
std::string Repeat(const std::string& piece, std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += piece;
  return s;
}

TEST(ReportTextCutTest, HeaderPathIsShortenedByCharacters) {
  EXPECT_EQ(ShortenHeaderPath(Repeat("a", 100)), Repeat("a", 100));
  const std::string long101 = "/ho" + Repeat("x", 8) + Repeat("b", 90);
  EXPECT_EQ(ShortenHeaderPath(long101), "/ho....." + Repeat("b", 90));
  EXPECT_EQ(Utf8Length(ShortenHeaderPath(long101)), 98u);
  // Two-byte characters are kept whole: 101 characters of "ü" give 3 + 5 + 90.
  const std::string umlauts = Repeat("ü", 101);
  EXPECT_EQ(ShortenHeaderPath(umlauts), Repeat("ü", 3) + "....." + Repeat("ü", 90));
  // 100 Cyrillic characters (200 bytes) are not long.
  EXPECT_EQ(ShortenHeaderPath(Repeat("д", 100)), Repeat("д", 100));
}

TEST(ReportTextCutTest, TitlePagePathTakesASecondRowAbove60Characters) {
  const TitlePagePath whole = ShortenTitlePagePath(Repeat("p", 60));
  EXPECT_EQ(whole.firstRow, Repeat("p", 60));
  EXPECT_EQ(whole.secondRow, "");
  const std::string path = Repeat("a", 55) + "MIDDLE" + Repeat("z", 20);
  const TitlePagePath cut = ShortenTitlePagePath(path);
  EXPECT_EQ(cut.firstRow, Repeat("a", 55) + ".....");
  EXPECT_EQ(cut.secondRow, "....." + Repeat("z", 20));
  const TitlePagePath euro = ShortenTitlePagePath(Repeat("€", 61));
  EXPECT_EQ(euro.firstRow, Repeat("€", 55) + ".....");
  EXPECT_EQ(euro.secondRow, "....." + Repeat("€", 20));
}

TEST(ReportTextCutTest, DescriptionWrapsAtBlanksWithinItsWindow) {
  struct Case {
    std::string name;
    std::string text;
    std::array<std::string, 6> lines;
  };
  const std::string a40 = Repeat("a", 40);
  const std::vector<Case> cases = {
      {"empty", "", {}},
      {"69 characters fit on one line", Repeat("w", 69), {Repeat("w", 69)}},
      {"70 characters without a blank: one full line and no read past the end", Repeat("q", 70), {Repeat("q", 70)}},
      {"70 characters break at their last blank at offset 40 or more",
       Repeat("a", 50) + " " + Repeat("b", 19),
       {Repeat("a", 50), Repeat("b", 19)}},
      {"a blank at offset 39 is too early", Repeat("c", 39) + " " + Repeat("d", 40),
       {Repeat("c", 39) + " " + Repeat("d", 30), Repeat("d", 10)}},
      {"blank at offset 62 and none at 63 to 70", Repeat("e", 62) + " " + Repeat("f", 20),
       {Repeat("e", 62), Repeat("f", 20)}},
      {"a blank right at offset 70 is dropped", Repeat("g", 70) + " " + Repeat("h", 5),
       {Repeat("g", 70), Repeat("h", 5)}},
      {"typed line breaks stay characters", "one\r\ntwo", {"one\r\ntwo"}},
      {"500 characters without blanks: six lines of 70, the rest left out", Repeat("z", 500),
       {Repeat("z", 70), Repeat("z", 70), Repeat("z", 70), Repeat("z", 70), Repeat("z", 70), Repeat("z", 70)}},
      {"characters, not bytes", Repeat("ä", 45) + " " + Repeat("ö", 30),
       {Repeat("ä", 45), Repeat("ö", 30)}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapDescription(c.text), c.lines) << c.name;
}

}  // namespace
}  // namespace tervane
