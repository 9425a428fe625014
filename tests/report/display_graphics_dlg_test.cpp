// The print options IDD_DISPLAY_GRAPHICS driven headless: what it proposes,
// what its OK accepts and stores (with "More.txt"), what it refuses with
// Error No.1200, and that Esc stores nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ReportTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "common/DibImage.h"
#include "report/DisplayGraphicsDlg.h"
#include "resources/ReportResources.h"

namespace tervane {
namespace {

using fw::Script;

class DisplayGraphicsDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().settings.reportLanguage = "English";
  }

  // Runs the dialog with the script; returns its result.
  int Run(Script script) {
    session_.Queue(std::move(script));
    CDisplayGraphicsDlg dlg;
    return dlg.DoModal();
  }
  const fw::DialogRecord& Options() { return *session_.Find("IDD_DISPLAY_GRAPHICS", runs_++); }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  int runs_ = 0;
};

TEST_F(DisplayGraphicsDlgTest, ShowsItsControlsAndTheLanguageOfTheFile) {
  dir_.Write("More.txt", "German\n");
  EXPECT_EQ(Run(Script().Escape()), fw::IDCANCEL);
  const fw::DialogRecord& r = Options();
  EXPECT_EQ(r.caption, "Printout of Graphics");
  EXPECT_EQ(r.background, fw::RGB(222, 222, 222));
  EXPECT_FALSE(r.Visible(1244));
  EXPECT_EQ(r.Text(res::kReportLanguageCombo), "German");
  EXPECT_EQ(r.Control(res::kReportLanguageCombo)->items,
            (std::vector<std::string>{"Dutch", "English", "Finnish", "French", "German", "Italian", "Polish",
                                      "Portuguese", "Russian", "Spanish", "Swedish"}));
  EXPECT_EQ(r.Check(res::kPrintColorRadio), 1);
  EXPECT_EQ(r.Check(res::kPrintBlackWhiteRadio), 0);
  EXPECT_EQ(r.Check(res::kLogoYesRadio), 1);
  EXPECT_EQ(r.Text(res::kPrintBlackWhiteRadio),
            "   Black  and white (better contrast in printout and common reproduction)");
  // Esc kept the settings as they were.
  EXPECT_EQ(app_.project().settings.reportLanguage, "English");
}

TEST_F(DisplayGraphicsDlgTest, ShowsTheLanguageOfTheFileAsItIsWritten) {
  struct Case {
    const char* name;
    bool write;
    const char* bytes;
    const char* shown;
    const char* fileAfter;
  } cases[] = {
      {"no file: made with English", false, "", "English", "English\n"},
      {"empty file", true, "", "", ""},
      {"a language not offered", true, "Norwegian\n", "Norwegian", "Norwegian\n"},
      {"an offered name in other letter case selects it", true, "german\n", "German", "german\n"},
      {"an unknown name", true, "Klingon\r\n", "Klingon", "Klingon\r\n"},
      {"a name without its line end keeps every letter", true, "Polish", "Polish", "Polish"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dir_.Path() / "More.txt");
    if (c.write) dir_.Write("More.txt", c.bytes);
    Run(Script().Escape());
    EXPECT_EQ(Options().Text(res::kReportLanguageCombo), c.shown) << c.name;
    EXPECT_EQ(dir_.Read("More.txt"), c.fileAfter) << c.name;
  }
}

// A name read from a hand-edited file is refused on OK like a typed one; the
// dialog stays open, and choosing from the list then stores the choice.
TEST_F(DisplayGraphicsDlgTest, OkRefusesALanguageOfTheFileThatIsNotOffered) {
  int messages = 0;
  for (const char* written : {"Norwegian", "Klingon", ""}) {
    dir_.Write("More.txt", std::string(written) + "\n");
    EXPECT_EQ(Run(Script().Click(res::kPrintBlackWhiteRadio).Enter().Answer(Script().Enter()).Escape()),
              fw::IDCANCEL)
        << written;
    const fw::DialogRecord* message = session_.Find("IDD_POLICING", messages++);
    ASSERT_NE(message, nullptr) << written;
    EXPECT_EQ(message->Text(1490), "The language ' " + std::string(written) +
                                       " ' is not supported by this software.  Please chose one from the drop down menu");
    EXPECT_EQ(message->Text(1757), "Error No.1200");
    EXPECT_EQ(Options().Text(res::kReportLanguageCombo), written);
    EXPECT_EQ(app_.project().settings.reportLanguage, "English") << written;
    EXPECT_EQ(app_.project().settings.printColorMode, 0) << written;
    EXPECT_EQ(dir_.Read("More.txt"), std::string(written) + "\n") << written;
  }
  dir_.Write("More.txt", "Norwegian\n");
  EXPECT_EQ(Run(Script().Enter().Answer(Script().Enter()).SelectItem(res::kReportLanguageCombo, 4).Enter()),
            fw::IDOK);
  EXPECT_EQ(app_.project().settings.reportLanguage, "German");
  EXPECT_EQ(dir_.Read("More.txt"), "German\n");
}

TEST_F(DisplayGraphicsDlgTest, OkRefusesALanguageThatIsNotOffered) {
  struct Case {
    const char* typed;
  } cases[] = {{"german"}, {"Norwegian"}, {""}, {" German"}, {"Deutsch"}};
  dir_.Write("More.txt", "Swedish\n");
  for (const Case& c : cases) {
    Run(Script().Type(res::kReportLanguageCombo, c.typed).Click(res::kPrintBlackWhiteRadio).Enter()
            .Answer(Script().Enter()).Escape());
    const fw::DialogRecord& options = Options();
    EXPECT_EQ(options.result, fw::IDCANCEL) << c.typed;  // stayed open until Esc
    const fw::DialogRecord* message = session_.Find("IDD_POLICING", static_cast<int>(&c - cases));
    ASSERT_NE(message, nullptr) << c.typed;
    EXPECT_EQ(message->Text(1490), "The language ' " + std::string(c.typed) +
                                       " ' is not supported by this software.  Please chose one from the drop down menu");
    EXPECT_EQ(message->Text(1757), "Error No.1200");
    EXPECT_EQ(app_.project().settings.reportLanguage, "English") << c.typed;
    EXPECT_EQ(app_.project().settings.printColorMode, 0) << c.typed;
    EXPECT_EQ(dir_.Read("More.txt"), "Swedish\n") << c.typed;
  }
}

TEST_F(DisplayGraphicsDlgTest, OkStoresTheOptionsAndWritesTheLanguage) {
  dir_.Write("More.txt", "German\n");
  EXPECT_EQ(Run(Script().Click(res::kPrintBlackWhiteRadio).Click(res::kLogoNoRadio).Enter()), fw::IDOK);
  const AppSettings& s = app_.project().settings;
  EXPECT_EQ(s.reportLanguage, "German");
  EXPECT_EQ(s.printColorMode, 1);
  EXPECT_EQ(s.includeLogo, 0);
  EXPECT_EQ(dir_.Read("More.txt"), "German\n");

  // A language chosen from the list, and back to colour with the logo.
  EXPECT_EQ(Run(Script().SelectItem(res::kReportLanguageCombo, 8).Click(res::kPrintColorRadio)
                    .Click(res::kLogoYesRadio).Enter()),
            fw::IDOK);
  EXPECT_EQ(s.reportLanguage, "Russian");
  EXPECT_EQ(s.printColorMode, 0);
  EXPECT_EQ(s.includeLogo, 1);
  EXPECT_EQ(dir_.Read("More.txt"), "Russian\n");
  EXPECT_EQ(Options().Text(res::kReportLanguageCombo), "German");
}

// Printing with a logo that cannot be printed says so on OK, and the report
// then goes out as chosen; without the logo, or with one that reads, nothing
// is said.
TEST_F(DisplayGraphicsDlgTest, OkWithALogoThatCannotBePrintedSaysSo) {
  dir_.Write("More.txt", "English\n");
  reporttest::BitmapBytes compressed = reporttest::Logo8();
  compressed.compression = 1;
  dir_.Write("rle.bmp", compressed.Bytes());
  reporttest::BitmapBytes v4 = reporttest::Logo24();
  v4.infoSize = 108;
  v4.height = -v4.height;
  dir_.Write("v4.bmp", v4.Bytes());
  struct Case {
    const char* name;
    std::string logoPath;
    int yesOrNo;
    bool told;
  } cases[] = {
      {"compressed, with the logo", dir_.File("rle.bmp"), res::kLogoYesRadio, true},
      {"compressed, without the logo", dir_.File("rle.bmp"), res::kLogoNoRadio, false},
      {"missing, with the logo", dir_.File("gone.bmp"), res::kLogoYesRadio, true},
      {"a longer header, top-down", dir_.File("v4.bmp"), res::kLogoYesRadio, false},
      {"no logo chosen", "", res::kLogoYesRadio, false},
  };
  for (const Case& c : cases) {
    app_.project().settings.logoPath = c.logoPath;
    const std::size_t before = fakes_.messageBox.Calls().size();
    EXPECT_EQ(Run(Script().Click(c.yesOrNo).Enter()), fw::IDOK) << c.name;
    EXPECT_EQ(app_.project().settings.includeLogo, c.yesOrNo == res::kLogoYesRadio ? 1 : 0) << c.name;
    ASSERT_EQ(fakes_.messageBox.Calls().size(), before + (c.told ? 1 : 0)) << c.name;
    if (c.told) {
      EXPECT_EQ(fakes_.messageBox.Calls().back().text, UnusableLogoMessage(c.logoPath, LogoProblem(c.logoPath)));
    }
  }
  EXPECT_EQ(fakes_.messageBox.Calls()[0].text,
            "The logo \"" + dir_.File("rle.bmp") + "\" cannot be printed: it is compressed.\n\nThe title page of the "
            "report is printed without a logo. A logo must be an uncompressed bitmap (.bmp) file.");
}

TEST_F(DisplayGraphicsDlgTest, CloseBoxAfterChangesStoresNothing) {
  dir_.Write("More.txt", "Finnish\n");
  app_.project().settings.includeLogo = 1;
  EXPECT_EQ(Run(Script().Click(res::kPrintBlackWhiteRadio).Click(res::kLogoNoRadio)
                    .Type(res::kReportLanguageCombo, "Dutch").Close()),
            fw::IDCANCEL);
  EXPECT_EQ(app_.project().settings.printColorMode, 0);
  EXPECT_EQ(app_.project().settings.includeLogo, 1);
  EXPECT_EQ(app_.project().settings.reportLanguage, "English");
  EXPECT_EQ(dir_.Read("More.txt"), "Finnish\n");
}

TEST_F(DisplayGraphicsDlgTest, AnUnwritableFileStillStoresTheLanguage) {
  app_.project().dataDirectory = (dir_.Path() / "missing" / "folder").string();
  EXPECT_EQ(Run(Script().Type(res::kReportLanguageCombo, "Italian").Enter()), fw::IDOK);
  EXPECT_EQ(app_.project().settings.reportLanguage, "Italian");
}

}  // namespace
}  // namespace tervane
