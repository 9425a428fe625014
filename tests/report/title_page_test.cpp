// The title page: golden drawing logs with a small 24-bit and an 8-bit logo,
// the rows that move with the description and the path, the logo left out,
// and the languages' columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/ReportTestSupport.h"
#include "model/ProjectFile.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/RecordingDC.h"
#include "report/ReportPrinter.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

class TitlePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reporttest::SetUpRun(app_.project(), 12);
    app_.project().settings.reportLanguage = "English";
    app_.project().projectPath = "/home/engineer/slope_A.NAT";
    app_.project().runInput.projectDescription =
        "Reinforced slope of 6 m above the new access road, built with the site's own granular fill and "
        "wrapped faces, designed for the long-term strength of the chosen geogrid.";
  }

  std::vector<std::string> Lines() {
    fw::RecordingDC dc(reporttest::PrinterOptions());
    dc.SetMapMode(fw::MapMode::Twips);
    ReportPrintInfo info;
    printer_.PrintTitlePage(dc, info);
    return dc.Lines();
  }
  std::string Log() {
    std::string text;
    for (const std::string& line : Lines()) text += line + "\n";
    return text;
  }
  bool Has(const std::string& line) {
    for (const std::string& l : Lines())
      if (l == line) return true;
    return false;
  }
  void SetLogo(const reporttest::BitmapBytes& bitmap) {
    dir_.Write("logo.bmp", bitmap.Bytes());
    app_.project().settings.logoPath = dir_.File("logo.bmp");
  }

  ScopedProject app_;
  fw::ScopedFakeServices fakes_;
  reporttest::TempDir dir_;
  CReportPrinter printer_;
};

TEST_F(TitlePageTest, EnglishWithA24BitLogo) {
  SetLogo(reporttest::Logo24());
  const std::string log = Log();
  fw::golden::ExpectGolden(log, "title_page_logo24.log");
  // Stretched over the logo area whatever its proportions (4 x 2 pixels here).
  EXPECT_NE(log.find("StretchImage 600 -700 11100 -2800 4x2\n"), std::string::npos);
}

TEST_F(TitlePageTest, GermanWithAn8BitLogo) {
  SetLogo(reporttest::Logo8());
  app_.project().settings.reportLanguage = "German";
  const std::string log = Log();
  fw::golden::ExpectGolden(log, "title_page_logo8_german.log");
  EXPECT_NE(log.find("StretchImage 600 -700 11100 -2800 3x2\n"), std::string::npos);
  EXPECT_NE(log.find("TextOut 1200 -4200 \"PROJEKT\""), std::string::npos);
  EXPECT_NE(log.find("TextOut 6600 -8100 \"12/05/2026\""), std::string::npos);
}

TEST_F(TitlePageTest, LogoLeftOutWhenNotWantedOrNotLoadable) {
  SetLogo(reporttest::Logo24());
  app_.project().settings.includeLogo = 0;
  EXPECT_EQ(Log().find("StretchImage"), std::string::npos);
  app_.project().settings.includeLogo = 1;
  reporttest::BitmapBytes broken = reporttest::Logo24();
  broken.cut = 1;
  SetLogo(broken);
  EXPECT_EQ(Log().find("StretchImage"), std::string::npos);
  app_.project().settings.logoPath = dir_.File("missing.bmp");
  EXPECT_EQ(Log().find("StretchImage"), std::string::npos);
  app_.project().settings.logoPath = dir_.Path().string();  // a folder
  EXPECT_EQ(Log().find("StretchImage"), std::string::npos);
}

TEST_F(TitlePageTest, RowsFollowTheDescriptionAndThePath) {
  ProjectInput& run = app_.project().runInput;
  // One line of description: row 22; file on row 24, date on row 25.
  run.projectDescription = "Short.";
  EXPECT_TRUE(Has("TextOut 2000 -6600 \"Short.\""));
  EXPECT_TRUE(Has("TextOut 1200 -7200 \"File path and name:\""));
  EXPECT_TRUE(Has("TextOut 4000 -7200 \"/home/engineer/slope_A.NAT\""));
  EXPECT_TRUE(Has("TextOut 6600 -7500 \"12/05/2026\""));
  // No description: the file row comes right after row 21.
  run.projectDescription.clear();
  EXPECT_TRUE(Has("TextOut 1200 -6900 \"File path and name:\""));
  // A path of 61 characters takes two rows and pushes the date one row down.
  run.projectDescription = "Short.";
  app_.project().projectPath = "/" + std::string(40, 'd') + "/" + std::string(15, 'n') + ".NAT";
  ASSERT_EQ(app_.project().projectPath.size(), 61u);
  EXPECT_TRUE(Has("TextOut 4000 -7200 \"/" + std::string(40, 'd') + "/" + std::string(13, 'n') + ".....\""));
  EXPECT_TRUE(Has("TextOut 5000 -7500 \"...../" + std::string(15, 'n') + ".NAT\""));
  EXPECT_TRUE(Has("TextOut 1200 -7800 \"Date and time of creating the input data file:\""));
  EXPECT_TRUE(Has("TextOut 6600 -7800 \"12/05/2026\""));
}

// Texts outside Windows-1252, read back from a saved project file, are drawn
// as they were typed.
TEST_F(TitlePageTest, TextsOutsideTheCodePageAreDrawnAfterASavedFileIsRead) {
  const std::string title = "\u6CD5\u9762\u88DC\u5F37 \u7B2C3\u671F";
  const std::string number = "\u041E\u0442\u043A\u043E\u0441 \u21161";
  const std::string designer = "Pawe\u0142 \u015Awi\u0105tek";
  ProjectInput& run = app_.project().runInput;
  run.projectTitle = title;
  run.projectNumber = number;
  run.designerName = designer;
  run.projectDescription = "\u03C6 = 34\u00B0";
  const std::vector<std::uint8_t> file = SaveProjectToBytes(app_.project());
  auto read = std::make_unique<ProjectData>();
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(file.data(), file.size(), *read, error)) << error;
  app_.project().runInput = read->runInput;
  std::vector<std::string> drawn;
  for (const std::string& line : Lines())
    if (line.rfind("TextOut ", 0) == 0) drawn.push_back(line.substr(line.find('"')));
  for (const std::string& text : {title, number, designer, std::string("\u03C6 = 34\u00B0")}) {
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), "\"" + text + "\""), drawn.end()) << text;
  }
  // The title is drawn twice: centred at the top and in its row.
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "\"" + title + "\""), 2);
}

// The description breaks at a blank 40 to 70 characters into its line,
// never at one nearer the start of the line.
TEST_F(TitlePageTest, DescriptionBreaksNoEarlierThanFortyCharacters) {
  const auto repeat = [](char c, std::size_t n) { return std::string(n, c); };
  struct Case {
    const char* name;
    std::string text;
    std::string first, second;
  } cases[] = {
      {"a blank at offset 40 breaks", repeat('a', 40) + " " + repeat('b', 40), repeat('a', 40), repeat('b', 40)},
      {"a blank at offset 39 does not", repeat('c', 39) + " " + repeat('d', 40),
       repeat('c', 39) + " " + repeat('d', 30), repeat('d', 10)},
  };
  for (const Case& c : cases) {
    app_.project().runInput.projectDescription = c.text;
    const std::vector<std::string> lines = Lines();
    std::vector<std::string> description;
    for (const std::string& line : lines)
      if (line.rfind("TextOut 2000 ", 0) == 0) description.push_back(line);
    EXPECT_EQ(description, (std::vector<std::string>{"TextOut 2000 -6600 \"" + c.first + "\"",
                                                      "TextOut 2000 -6900 \"" + c.second + "\""}))
        << c.name;
  }
}

// Bitmaps of today's editors: a 124-byte header, rows top-down.
TEST_F(TitlePageTest, PrintsALogoWithALongerHeaderAndTopDownRows) {
  reporttest::BitmapBytes v5 = reporttest::Logo24();
  v5.infoSize = 124;
  std::rotate(v5.pixels.begin(), v5.pixels.begin() + 12, v5.pixels.end());
  v5.height = -2;
  v5.fileSize = 0;
  SetLogo(v5);
  EXPECT_TRUE(Has("StretchImage 600 -700 11100 -2800 4x2"));
}

TEST_F(TitlePageTest, ColumnsAndFontsOfOtherLanguages) {
  app_.project().runInput.projectDescription = "Short.";
  struct Case {
    const char* language;
    std::string file;  // the file path's TextOut
    std::string date;  // the date's TextOut
    std::string credit;
  } cases[] = {
      {"Dutch", "TextOut 4400 -7200", "TextOut 6600 -7500", "TextOut 1500 -12100"},
      {"Spanish", "TextOut 5000 -7200", "TextOut 5000 -7800", "TextOut 1500 -12100"},
      {"Italian", "TextOut 4200 -7200", "TextOut 6600 -7500", "TextOut 1250 -12100"},
      {"Portuguese", "TextOut 5000 -7200", "TextOut 6600 -7500", "TextOut 1600 -12100"},
      {"Finnish", "TextOut 4000 -7200", "TextOut 4000 -7500", "TextOut 1500 -12100"},
      {"Russian", "TextOut 4000 -7200", "TextOut 5000 -7500", "TextOut 1500 -12100"},
      {"Klingon", "TextOut 4000 -7200", "TextOut 6600 -7500", "TextOut 1500 -12100"},
  };
  for (const Case& c : cases) {
    app_.project().settings.reportLanguage = c.language;
    const std::string log = Log();
    EXPECT_NE(log.find(c.file + " \"/home/engineer/slope_A.NAT\""), std::string::npos) << c.language;
    EXPECT_NE(log.find(c.date + " \"12/05/2026\""), std::string::npos) << c.language;
    EXPECT_NE(log.find(c.credit + " \""), std::string::npos) << c.language;
  }
  app_.project().settings.reportLanguage = "Polish";
  const std::string polish = Log();
  EXPECT_NE(polish.find("SelectFont \"Times New Roman Baltic\" height=-400 weight=400 italic=0 charset=186"),
            std::string::npos);
  // The creation line stays in Arial 150 in every language.
  EXPECT_NE(polish.find("SelectFont \"Arial\" height=-150 weight=400 italic=0 charset=0"), std::string::npos);
  EXPECT_EQ(polish.find("Arial Bold"), std::string::npos);
}

TEST_F(TitlePageTest, LeavesTheDeviceAsItFoundIt) {
  fw::RecordingDC dc(reporttest::PrinterOptions());
  dc.SetMapMode(fw::MapMode::Twips);
  fw::Font font;
  font.face = "Courier";
  dc.SelectFont(font);
  dc.SelectPen(fw::Pen::Solid(7, fw::RGB(1, 2, 3)));
  const fw::Brush brush = dc.CurrentBrush();
  ReportPrintInfo info;
  printer_.PrintTitlePage(dc, info);
  EXPECT_EQ(dc.CurrentFont(), font);
  EXPECT_EQ(dc.CurrentPen(), fw::Pen::Solid(7, fw::RGB(1, 2, 3)));
  EXPECT_EQ(dc.CurrentBrush(), brush);
}

}  // namespace
}  // namespace tervane
