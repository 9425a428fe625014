// What each input dialog does of its own: the live sketches of the geometry
// and water dialogs, the water modes, the orientation modes, the report
// language file of the setup dialog, the date and logo of the general
// information, and the input menu.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "InputTestSupport.h"
#include "model/DataFiles.h"
#include "input/ModifyGeneralDlg.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ModifyMenuDlg.h"
#include "input/ModifySetupDlg.h"
#include "input/ModifyWaterDlg.h"
#include "input/ReinforcementDlgs.h"
#include "resources/InputControlIds.h"
#include "support/GoldenFile.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

class DialogsTest : public testing::InputDialogTest {
 protected:
  std::string ReadData(const std::string& name) { return fw::golden::ReadFile(dataDirectory + "/" + name); }
  void WriteData(const std::string& name, const std::string& bytes) {
    std::ofstream(dataDirectory + "/" + name, std::ios::binary) << bytes;
  }
  bool DataExists(const std::string& name) { return std::filesystem::exists(dataDirectory + "/" + name); }
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// ---- geometry ------------------------------------------------------------------------

TEST_F(DialogsTest, GeometrySketchOfTheDefaultGeometryMatchesItsGolden) {
  CModifyGeometryDlg dialog;
  Run(dialog, Script().Paint().Escape());
  const fw::DialogRecord& r = *session.Find("IDD_MODIFY_GEOMETRY");
  ASSERT_EQ(r.paintCount, 1);
  fw::golden::ExpectGolden(Joined(r.lastPaint), "geometry_sketch_default.log");
}

TEST_F(DialogsTest, GeometrySketchFollowsTheFieldsAsTyped) {
  using namespace ids::geometry;
  CModifyGeometryDlg dialog;
  // In English units the sketch shows the values in feet as they stand; the
  // scale makes the picture the same. Loads draw arrows at once.
  Run(dialog, Script().Type(kQ1, "10").Type(kQ3, "20").Paint().Escape());
  const fw::DialogRecord& r = *session.Find("IDD_MODIFY_GEOMETRY");
  const std::string log = Joined(r.lastPaint);
  EXPECT_NE(log.find("SelectPen solid 1 RGB(0,128,0)"), std::string::npos);
  EXPECT_NE(log.find("SelectPen solid 1 RGB(128,0,128)"), std::string::npos);
  EXPECT_EQ(log.find("SelectPen solid 1 RGB(255,0,0)"), std::string::npos);
  // Every change asks for the sketch area again: from 0.38 of the width to
  // the right, down to 0.7 of the height of the 696 x 417 client area.
  ASSERT_EQ(r.invalidations.size(), 2u);
  for (const fw::Invalidation& i : r.invalidations) {
    EXPECT_EQ(i.rect, (fw::Rect{264, 0, 696, 291}));
    EXPECT_TRUE(i.erase);
  }
}

TEST_F(DialogsTest, GeometryDefaultRedrawsAndTruncateDoesNot) {
  CModifyGeometryDlg dialog;
  Run(dialog, Script().Paint().Click(ids::kTruncateButton).Click(ids::kDefaultButton).Escape());
  EXPECT_EQ(session.Find("IDD_MODIFY_GEOMETRY")->invalidations.size(), 1u);
}

TEST_F(DialogsTest, GeometrySketchDrawsNothingWithoutAPositiveHeight) {
  CModifyGeometryDlg dialog;
  Run(dialog, Script().Type(ids::geometry::kHeight, "0").Paint().Type(ids::geometry::kHeight, "-3").Paint().Escape());
  EXPECT_TRUE(session.Find("IDD_MODIFY_GEOMETRY")->lastPaint.empty());
}

// ---- water ---------------------------------------------------------------------------

TEST_F(DialogsTest, WaterModesShowTheirGroups) {
  using namespace ids::water;
  CModifyWaterDlg dialog;
  struct Seen {
    bool coordinates, ru, heading;
  };
  std::vector<Seen> seen;
  auto look = [&] {
    seen.push_back({dialog.IsControlVisible(kX3), dialog.IsControlVisible(kRu), dialog.IsControlVisible(kHeading)});
  };
  Run(dialog, Script()
                  .Inspect(look)  // mode 2 as stored
                  .Click(kPhreatic)
                  .Inspect(look)
                  .Click(kPoreWater)
                  .Inspect(look)
                  .Click(kPhreatic)
                  .Click(ids::kDefaultButton)  // back to mode 2
                  .Inspect(look)
                  .Escape());
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_FALSE(seen[0].coordinates || seen[0].ru || seen[0].heading);
  EXPECT_TRUE(seen[1].coordinates && seen[1].heading && !seen[1].ru);
  EXPECT_TRUE(!seen[2].coordinates && seen[2].ru);
  EXPECT_FALSE(seen[3].coordinates || seen[3].ru);
  EXPECT_EQ(session.Find("IDD_MODIFY_WATER")->Check(kNoWater), 1);
}

TEST_F(DialogsTest, WaterDefaultInFeetAndAModeClickRestoresTheHeldValues) {
  using namespace ids::water;
  input().unitSystem = 1;
  input().waterMode = 1;
  input().poreWaterCoefficient = 0.2;
  CModifyWaterDlg dialog;
  std::string ruAfterClick, ruAfterRead, x2, y4, unit;
  Run(dialog, Script()
                  .Type(kRu, "0.3")
                  .Click(kPoreWater)  // the held 0.2 comes back
                  .Inspect([&] { ruAfterClick = dialog.GetText(kRu); })
                  .Type(kRu, "0.3")
                  .Click(IDOK)  // reads the fields: 0.3 is held now, and passes
                  .Escape());
  EXPECT_EQ(ruAfterClick, "0.2");
  EXPECT_EQ(input().poreWaterCoefficient, 0.3);

  CModifyWaterDlg again;
  Run(again, Script()
                 .Click(ids::kDefaultButton)
                 .Click(kPhreatic)
                 .Inspect([&] {
                   x2 = again.GetText(kX2);
                   y4 = again.GetText(kY4);
                   unit = again.GetText(kLengthUnit);
                   ruAfterRead = again.GetText(kRu);
                 })
                 .Escape());
  EXPECT_EQ(x2, "15");
  EXPECT_EQ(y4, "13");
  EXPECT_EQ(unit, "[ft]");
  EXPECT_EQ(ruAfterRead, "0");
}

TEST_F(DialogsTest, WaterSketchDrawsTheStoredSlopeAndTheWaterAsTyped) {
  using namespace ids::water;
  input().waterMode = 0;
  input().surchargeQ3 = 10.0;
  CModifyWaterDlg dialog;
  Run(dialog, Script().Type(kY4, "5").Paint().Escape());
  const fw::DialogRecord& r = *session.Find("IDD_MODIFY_WATER");
  const std::string log = Joined(r.lastPaint);
  // The client area is 681 x 339: toe at (340.5, 169.5), 14.125 pixels per metre.
  EXPECT_NE(log.find("Polygon 30 (340,169) "), std::string::npos);
  EXPECT_NE(log.find("SelectBrush solid RGB(166,202,240)\nPolygon 9 (340,169) (411,155) (453,134) (481,98) (670,98) "),
            std::string::npos);
  EXPECT_NE(log.find("SetBkColor RGB(222,222,222)\nSetBkMode opaque\nTextOut 286 155 \"(X=0, Y=0)\""),
            std::string::npos);
  EXPECT_NE(log.find("Ellipse 336 165 344 173"), std::string::npos);
  EXPECT_EQ(log.find("RGB(128,0,128)"), std::string::npos);  // loads in the outline's yellow
  ASSERT_FALSE(r.invalidations.empty());
  EXPECT_EQ(r.invalidations.back().rect, (fw::Rect{258, 0, 681, 261}));
}

// ---- inclination ---------------------------------------------------------------------

TEST_F(DialogsTest, InclinationEnablesTheValueOfItsMode) {
  using namespace ids::inclination;
  input().orientationMode = 1;
  input().rorValue = 0.25;
  CModifyInclinationDlg dialog;
  struct Seen {
    bool ror, rorLabel, aor, aorLabel, aorUnit, picture;
    std::string rorText;
  };
  std::vector<Seen> seen;
  auto look = [&] {
    seen.push_back({dialog.IsControlEnabled(kRor), dialog.IsControlEnabled(kRorLabel), dialog.IsControlEnabled(kAor),
                    dialog.IsControlEnabled(kAorLabel), dialog.IsControlEnabled(kAorUnit),
                    dialog.IsControlVisible(kAorPicture), dialog.GetText(kRor)});
  };
  PressOk(dialog, Script().Inspect(look).Type(kRor, "0.75").Click(kAbsolute).Inspect(look).Click(kRelative).Inspect(look)
                      .Click(ids::kDefaultButton));
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_TRUE(seen[0].ror && seen[0].rorLabel && !seen[0].aor && !seen[0].aorLabel && !seen[0].aorUnit &&
              !seen[0].picture);
  EXPECT_TRUE(!seen[1].ror && !seen[1].rorLabel && seen[1].aor && seen[1].aorLabel && seen[1].aorUnit &&
              seen[1].picture);
  EXPECT_EQ(seen[1].rorText, "0.25");  // the typed 0.75 was never read
  EXPECT_TRUE(seen[2].ror && !seen[2].aor);
  // Default leaves the mode and sets both values to 0.
  EXPECT_EQ(input().orientationMode, 1);
  EXPECT_EQ(input().rorValue, 0.0);
  EXPECT_EQ(input().aorAngle, 0.0);
}

// ---- setup and the report-language file ----------------------------------------------

TEST_F(DialogsTest, SetupWithoutALanguageFileShowsEnglishAndMakesTheFile) {
  CModifySetupDlg dialog;
  std::string shown;
  std::vector<std::string> items;
  Run(dialog, Script().Inspect([&] {
    shown = dialog.GetText(ids::setup::kLanguage);
    items = dialog.ComboItems(ids::setup::kLanguage);
  }).Escape());
  EXPECT_EQ(shown, "English");
  EXPECT_EQ(items, (std::vector<std::string>{"Dutch", "English", "Finnish", "French", "German", "Italian", "Polish",
                                             "Portuguese", "Russian", "Spanish", "Swedish"}));
  EXPECT_EQ(ReadData("More.txt"), "English\n");  // made by the reading, kept after Cancel
  EXPECT_EQ(Project().settings.reportLanguage, "");
}

TEST_F(DialogsTest, SetupStoresUnitsCurrencySymbolsAndLanguage) {
  using namespace ids::setup;
  WriteData("More.txt", "German\r\n");
  Project().settings.reportLanguage = "French";  // the file decides, not the setting
  CModifySetupDlg dialog;
  std::string shown;
  const testing::Outcome out = PressOk(dialog, Script()
                                                   .Inspect([&] { shown = dialog.GetText(kLanguage); })
                                                   .Click(kEnglish)
                                                   .Type(kCurrency, "€")
                                                   .Click(kAsianPacific));
  EXPECT_EQ(shown, "German");
  EXPECT_EQ(out.result, IDOK);
  EXPECT_EQ(input().unitSystem, 1);
  EXPECT_EQ(input().currencyUnit, "€");
  EXPECT_EQ(Project().settings.symbolStyle, 1);
  EXPECT_EQ(Project().settings.reportLanguage, "German");
  EXPECT_EQ(ReadData("More.txt"), "German\n");
}

// The file's first line is read whole: without a line end it keeps its last
// letter, and a read-only file is read rather than taken for missing.
TEST_F(DialogsTest, SetupReadsTheLanguageFileWhole) {
  for (const char* bytes : {"English", "Swedish\nmore lines\n"}) {
    WriteData("More.txt", bytes);
    std::filesystem::permissions(dataDirectory + "/More.txt", std::filesystem::perms::owner_read);
    CModifySetupDlg dialog;
    const testing::Outcome out = PressOk(dialog, Script());
    EXPECT_EQ(out.result, IDOK) << out.message;
    std::filesystem::permissions(dataDirectory + "/More.txt", std::filesystem::perms::owner_all);
    std::filesystem::remove(dataDirectory + "/More.txt");
  }
  EXPECT_EQ(Project().settings.reportLanguage, "Swedish");
}

TEST_F(DialogsTest, SetupLanguageIsLimitedToTwentyCharacters) {
  WriteData("More.txt", "Portuguese-Brazilian-Variant\n");
  CModifySetupDlg dialog;
  std::string shown;
  Run(dialog, Script().Inspect([&] { shown = dialog.GetText(ids::setup::kLanguage); }).Escape());
  EXPECT_EQ(shown, "Portuguese-Brazilian");  // the first 20 characters, which OK then refuses
}

// ---- general information and the logo ------------------------------------------------

TEST_F(DialogsTest, GeneralProposesTodaysDateForANewProject) {
  using namespace ids::general;
  CModifyGeneralDlg cancelled;
  std::string shown;
  Run(cancelled, Script().Inspect([&] { shown = cancelled.GetText(kDate); }).Escape());
  EXPECT_EQ(shown, "Thu Mar 05 14:07:09 2009");
  EXPECT_EQ(input().projectDate, "");

  CModifyGeneralDlg dialog;
  PressOk(dialog, Script().Type(kDesigner, "R. Engineer").Type(kTitle, "Embankment 4").Type(kDescription,
                                                                                          "line one\r\nline two"));
  EXPECT_EQ(input().projectDate, "Thu Mar 05 14:07:09 2009");
  EXPECT_EQ(input().designerName, "R. Engineer");
  EXPECT_EQ(input().projectTitle, "Embankment 4");
  EXPECT_EQ(input().projectDescription, "line one\r\nline two");

  input().projectDate = "1 May 2020";
  CModifyGeneralDlg kept;
  Run(kept, Script().Inspect([&] { shown = kept.GetText(kDate); }).Escape());
  EXPECT_EQ(shown, "1 May 2020");

  fw::LocalDateTime sunday{2024, 12, 1, 9, 5, 3, 0};
  EXPECT_EQ(FormatProjectDate(sunday), "Sun Dec 01 09:05:03 2024");
}

TEST_F(DialogsTest, GeneralRefusesAStoredTextLongerThanItsField) {
  input().designerName = "x";
  input().projectTitle = std::string(101, 't');
  CModifyGeneralDlg dialog;
  const testing::Outcome out = PressOk(dialog, Script());
  EXPECT_EQ(out.messageBoxes, std::vector<std::string>{"Please enter no more than 100 characters."});
  EXPECT_EQ(out.nestedCount, 0);
  EXPECT_EQ(out.focusAfter, ids::general::kNumber);  // OK acted as Enter in the title
}

TEST_F(DialogsTest, GeneralTakesTheLogoKeptForFutureRunsAtOnce) {
  WriteData("CoLogoT.INF", "/home/engineer/logos/mirelo.bmp\n");
  CModifyGeneralDlg dialog;
  Run(dialog, Script().Escape());
  EXPECT_EQ(Project().settings.logoPath, "/home/engineer/logos/mirelo.bmp");
  // A project with a logo keeps it.
  Project().settings.logoPath = "/elsewhere/own.bmp";
  CModifyGeneralDlg again;
  Run(again, Script().Escape());
  EXPECT_EQ(Project().settings.logoPath, "/elsewhere/own.bmp");
}

TEST_F(DialogsTest, RetrievingTheLogoShowsTheNoticeUntilItIsSwitchedOff) {
  using namespace ids::general;
  fakes.fileDialogs.QueueOpen(std::string("/data/first.bmp"));
  fakes.fileDialogs.QueueOpen(std::nullopt);
  fakes.fileDialogs.QueueOpen(std::string("/data/third.bmp"));
  CModifyGeneralDlg dialog;
  Run(dialog, Script()
                  .Click(kRetrieveLogo)
                  .Answer(Script().Click(kDoNotShow).Click(kDoNotShow).Enter())  // ticked and cleared: SHOW
                  .Click(kRetrieveLogo)
                  .Answer(Script().Click(kDoNotShow).Enter())  // ticked: NOSHOW
                  .Click(kRetrieveLogo)                        // no notice now
                  .Click(kSaveLogo)
                  .Escape());
  EXPECT_EQ(session.Find("IDD_SHOW_OR_NOT_LOGO", 1) != nullptr, true);
  EXPECT_EQ(session.Find("IDD_SHOW_OR_NOT_LOGO", 2), nullptr);
  EXPECT_EQ(fakes.fileDialogs.OpenCalls().size(), 3u);
  EXPECT_EQ(fakes.fileDialogs.OpenCalls()[0].defaultExtension, "bmp");
  EXPECT_EQ(ReadData("SHOWLOGO.INF"), "NOSHOW\n");
  // The second file dialog was cancelled; the logo is chosen at once, not at OK.
  EXPECT_EQ(Project().settings.logoPath, "/data/third.bmp");
  EXPECT_EQ(ReadData("CoLogoT.INF"), "/data/third.bmp\n");
  const fw::DialogRecord& notice = *session.Find("IDD_SHOW_OR_NOT_LOGO");
  EXPECT_EQ(notice.caption, "IMPORTANT");
  EXPECT_FALSE(notice.Visible(kDialogIdLabel));
}

// A chosen bitmap that the report cannot print is named at once; the choice
// stands. One the report reads (a 124-byte header, 1 x 1 pixel) is not.
TEST_F(DialogsTest, RetrievingALogoThatCannotBePrintedSaysSo) {
  WriteData("SHOWLOGO.INF", "NOSHOW\n");
  std::string v5 = std::string("BM") + std::string("\x8E\0\0\0\0\0\0\0\x8A\0\0\0", 12) +
                   std::string("\x7C\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0", 16) + std::string(124 - 16, '\0');
  v5 += std::string("\x10\x20\x30\0", 4);
  WriteData("v5.bmp", v5);
  WriteData("photo.bmp", "\x89PNG\r\n\x1a\n");
  const std::string good = dataDirectory + "/v5.bmp";
  const std::string bad = dataDirectory + "/photo.bmp";
  fakes.fileDialogs.QueueOpen(good);
  fakes.fileDialogs.QueueOpen(bad);
  CModifyGeneralDlg dialog;
  Run(dialog, Script().Click(ids::general::kRetrieveLogo).Click(ids::general::kRetrieveLogo).Escape());
  ASSERT_EQ(fakes.messageBox.Calls().size(), 1u);
  EXPECT_EQ(fakes.messageBox.Calls()[0].text,
            "The logo \"" + bad + "\" cannot be printed: it is not a bitmap (.bmp) file.\n\nThe title page of the "
            "report is printed without a logo. A logo must be an uncompressed bitmap (.bmp) file.");
  EXPECT_EQ(fakes.messageBox.Calls()[0].icon, fw::MessageIcon::Warning);
  EXPECT_EQ(Project().settings.logoPath, bad);
}

TEST_F(DialogsTest, OnlyTheFlagShowShowsTheNotice) {
  for (const char* flag : {"SHOW\n", "SHOW", "NOSHOW\n", "", "show\n"}) {
    SCOPED_TRACE(flag);
    WriteData("SHOWLOGO.INF", flag);
    const std::size_t before = session.Records().size();
    CModifyGeneralDlg dialog;
    Run(dialog, Script().Click(ids::general::kRetrieveLogo).Answer(Script().Enter()).Escape());
    bool shown = false;
    for (std::size_t i = before; i < session.Records().size(); ++i)
      shown = shown || session.Records()[i].templateName == "IDD_SHOW_OR_NOT_LOGO";
    EXPECT_EQ(shown, std::string(flag).rfind("SHOW", 0) == 0);
  }
}

// ---- the input menu ------------------------------------------------------------------

TEST_F(DialogsTest, TheMenuOpensOneDialogPerButton) {
  using namespace ids::menu;
  const std::pair<int, const char*> buttons[] = {
      {kSetup, "IDD_MODIFY_SETUP"},
      {kGeneral, "IDD_MODIFY_GENERAL"},
      {kGeometry, "IDD_MODIFY_GEOMETRY"},
      {kWater, "IDD_MODIFY_WATER"},
      {kSoil, "IDD_MODIFY_SOIL"},
      {kDesignParam, "IDD_MODIFY_DESIGN_PARAM"},
      {kSeismicParam, "IDD_MODIFY_SEISMIC_PARAM"},
      {kFoundation, "IDD_MODIFY_FOUNDATION"},
      {kGeosynData, "IDD_MODIFY_GEOSYN_DATA"},
      {kGeosynFs, "IDD_MODIFY_GEOSYN_FS"},
      {kInclination, "IDD_MODIFY_INCLINATION"},
      {kGeneralFs, "IDD_MODIFY_GENERAL_FS"},
  };
  Script script;
  for (const auto& [id, name] : buttons) script.Click(id).Answer(Script().Escape());
  script.Help().Enter();  // F1, then Enter on the last button clicked reopens it ...
  script.Answer(Script().Escape());
  script.Click(IDOK);  // ... and "RETURN to MAIN MENU" ends the menu
  CModifyMenuDlg menu;
  const testing::Outcome out = Run(menu, script);
  EXPECT_EQ(out.result, IDOK);
  const auto& records = session.Records();
  ASSERT_EQ(records.size(), 14u);
  EXPECT_EQ(records[0].templateName, "IDD_MODIFY_MENU");
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(records[i + 1].templateName, buttons[i].second);
    EXPECT_EQ(records[i + 1].depth, 1);
  }
  EXPECT_EQ(records[13].templateName, "IDD_MODIFY_GENERAL_FS");
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"/opt/tervane/Tervane.chm::/Tervane_Help.htm"});
  EXPECT_EQ(records[0].caption, "Modify Input Data");
  EXPECT_EQ(records[0].background, fw::RGB(255, 255, 128));
  EXPECT_FALSE(records[0].Visible(kDialogIdLabel));
  EXPECT_EQ(FindDialogTemplate("IDD_MODIFY_MENU")->styles & fw::kContextHelp, 0u);
  EXPECT_EQ(FindDialogTemplate("IDD_MODIFY_MENU")->Find(IDOK)->text, "&RETURN  to  MAIN  MENU");

  CModifyMenuDlg escaped;
  EXPECT_EQ(Run(escaped, Script().Escape()).result, IDCANCEL);
}

}  // namespace
}  // namespace tervane
