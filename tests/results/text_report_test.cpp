// The text report behind the main menu's hidden button: fixture runs byte for
// byte in both languages, units and symbol styles, and the rules of its parts.

#include "results/TextReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunFixture.h"
#include "ResultsTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/Text.h"
#include "results/ExportFiles.h"

namespace tervane {
namespace {

using testing::ReadBytes;

class TextReportTest : public ::testing::Test {
 protected:
  ProjectData& project() { return app_.project(); }

  // The lines of the report between two lines (both excluded).
  std::vector<std::string> Between(const std::string& first, const std::string& last) {
    const std::vector<std::string> lines = TextReportLines(project());
    auto begin = std::find(lines.begin(), lines.end(), first);
    EXPECT_NE(begin, lines.end()) << first;
    if (begin == lines.end()) return {};
    auto end = std::find(begin + 1, lines.end(), last);
    EXPECT_NE(end, lines.end()) << last;
    return std::vector<std::string>(begin + 1, end);
  }

  ScopedProject app_;
  fw::ScopedFakeServices fakes;
  testing::ScratchDir dir;
};

struct GoldenCase {
  const char* golden;
  const char* language;
  int unitSystem;
  int symbolStyle;
  int runMode;
  // Choices of the input that the other texts follow.
  void (*vary)(ProjectInput&);
};

void NoVariation(ProjectInput&) {}

void OtherChoices(ProjectInput& in) {
  in.waterMode = 1;
  in.poreWaterCoefficient = 0.15;
  in.orientationMode = 0;
  in.aorAngle = 5.0;
  in.lengthLayout = 1;
  in.penetrationForbidden = 1;
  in.seismicOnReinforcedMass = 0;
}

void NoWater(ProjectInput& in) {
  in.waterMode = 2;
  in.lengthLayout = 2;
  in.reinforcedCohesion = 5.0;
  in.backfillCohesion = 2.0;
}

TEST_F(TextReportTest, FixtureRunsGiveTheGoldenFiles) {
  const GoldenCase cases[] = {
      {"report_english_si_western.txt", "English", 0, 0, 1, &NoVariation},
      {"report_dutch_feet_asian.txt", "Dutch", 1, 1, 0, &OtherChoices},
      {"report_english_feet_western.txt", "English", 1, 0, 1, &NoWater},
  };
  for (const GoldenCase& c : cases) {
    SCOPED_TRACE(c.golden);
    ScopedProject app;
    ProjectData& d = app.project();
    testing::SetFixtureProject(d, c.unitSystem);
    c.vary(d.input);
    if (c.runMode == 0) testing::SetFixtureLayers(d.input);
    testing::RunProject(d, c.runMode);
    d.settings.reportLanguage = c.language;
    d.settings.symbolStyle = c.symbolStyle;
    const std::string path = dir.File(c.golden);
    fakes.fileDialogs.QueueSave(path);
    SaveResultsAsTextFile();
    testing::ExpectGolden(ReadBytes(path), c.golden);
  }
  const fw::FileDialogOptions& o = fakes.fileDialogs.SaveCalls().at(0);
  EXPECT_EQ(o.proposedName, "*.txt");
  EXPECT_EQ(o.defaultExtension, "txt");
  EXPECT_TRUE(o.filters.empty());
  EXPECT_TRUE(o.askOverwrite);
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

TEST_F(TextReportTest, EveryDesktopLocaleWritesTheSameBytes) {
  testing::SetFixtureProject(project(), 0);
  testing::RunProject(project(), 1);
  project().settings.reportLanguage = "English";
  for (const char* locale : testing::kDesktopLocales) {
    testing::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    const std::string path = dir.File(std::string(locale) + ".txt");
    fakes.fileDialogs.QueueSave(path);
    SaveResultsAsTextFile();
    testing::ExpectGolden(ReadBytes(path), "report_english_si_western.txt");
  }
}

TEST_F(TextReportTest, EveryLanguageButDutchIsEnglish) {
  testing::SetFixtureProject(project(), 0);
  testing::RunProject(project(), 1);
  project().settings.reportLanguage = "English";
  const std::vector<std::string> english = TextReportLines(project());
  for (const char* language : {"French", "", "dutch", "Norwegian"}) {
    project().settings.reportLanguage = language;
    EXPECT_EQ(TextReportLines(project()), english) << language;
  }
  project().settings.reportLanguage = "Dutch";
  EXPECT_NE(TextReportLines(project()), english);
}

TEST_F(TextReportTest, TheDescriptionIsWrittenInPiecesOf70Characters) {
  struct Case {
    std::string description;
    std::vector<std::size_t> pieces;  // characters per line
  };
  std::string accented;
  for (int i = 0; i < 75; ++i) accented += "\u00e9";
  const Case cases[] = {
      {"", {}},
      {std::string(70, 'a'), {70}},
      {std::string(140, 'a'), {70, 70}},
      {std::string(500, 'a'), {70, 70, 70, 70, 70, 70, 70, 10}},
      {std::string(600, 'a'), {70, 70, 70, 70, 70, 70, 70, 70}},  // at most eight pieces
      {accented, {70, 5}},                                        // characters, not bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description.size());
    project().runInput.projectDescription = c.description;
    const std::vector<std::string> lines = Between("Description:    ", " ");
    ASSERT_EQ(lines.size(), c.pieces.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(Utf8Length(lines[i]), c.pieces[i]);
  }
  // Line breaks become blanks before the text is cut.
  project().runInput.projectDescription = "first\r\nsecond\nthird";
  EXPECT_EQ(Between("Description:    ", " "), std::vector<std::string>{"first second third"});
}

TEST_F(TextReportTest, TheTitlePageNamesTheProjectFile) {
  EXPECT_EQ(Between(" ", " ").size(), 1u);
  const std::vector<std::string> lines = TextReportLines(project());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "File path and name:  Not saved, yet"), lines.end());
}

// A layer is marked when its ratio is below the factor of safety minus 0.001.
TEST_F(TextReportTest, SummaryRowsMarkOverstressedLayers) {
  ProjectData& d = project();
  d.runInput.runMode = 1;
  d.runInput.ultimateStrength = 43.8;
  d.runInput.fsGeosyntheticStrength = 1.30;
  d.results.resultLayerCount = 3;
  const double longTerm = 43.8 / ((1.2 * 1.1) * 2.5);
  const double ratios[] = {1.2995, 1.2985, 2.0};
  for (int k = 0; k < 3; ++k) {
    d.runInput.layerUltimateStrength[k] = 43.8;
    d.results.resultLayerElevation[k] = 0.5 * k;
    d.results.layerFrontX[k] = 0.5 * k;
    d.results.layerRearX[k] = 0.5 * k + 4.0;
    d.results.controllingMode[k] = k < 2 ? 1 : 2;
    d.results.tiebackTr[k] = longTerm / ratios[k];
    d.results.availableCompoundStrength[k] = longTerm / ratios[k];
  }
  d.runInput.rfInstallation = 1.2;
  d.runInput.rfDurability = 1.1;
  d.runInput.rfCreep = 2.5;
  const std::vector<std::string> rows = Between(
      " ", "    DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES");  // from the first blank line on
  const std::vector<std::string> expected = {
      "  1    0.00    4.00   Tieback    10.21     43.80           13.27         1.30        OK",
      "  2    0.50    4.00   Tieback    10.22     43.80           13.27         1.30        x",
      "  3    1.00    4.00   Compound    6.64     43.80           13.27       > 2.00        OK",
  };
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(rows.end() - 4, rows.end() - 1), expected);

  // A layer whose ratio cannot be formed (no compound strength) is marked,
  // as every other output marks it.
  d.results.resultLayerCount = 4;
  d.runInput.layerUltimateStrength[3] = 43.8;
  d.results.controllingMode[3] = 2;
  d.results.availableCompoundStrength[3] = 0.0;
  const std::vector<std::string> more = Between(" ", "    DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES");
  ASSERT_GE(more.size(), 2u);
  const std::string& last = more[more.size() - 2];
  EXPECT_EQ(last.substr(0, 3), "  4");
  EXPECT_EQ(last.substr(last.size() - 9), "        x") << last;
}

TEST_F(TextReportTest, WithoutLayersTheTablesKeepTheirHeadings) {
  project().results.resultLayerCount = 0;
  const std::string rule(92, '_');
  const std::vector<std::string> summary =
      Between("    SUMMARY OF TIEBACK AND COMPOUND RESULTS", "    DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES");
  EXPECT_EQ(summary, (std::vector<std::string>{
                         "  ===========================================",
                         " ",
                         rule,
                         "                                          S t r e n g t h ",
                         " #  Elevation Length   Mode of  Required, Ultimate,     Long-term      Actual       Status",
                         "                       Failure     Tr      T-ult     (design) T-ltds  Overall Fs",
                         "      [m]      [m]               [kN/m]    [kN/m]         [kN/m]",
                         rule,
                         " ",
                         " ",
                     }));
  const std::vector<std::string> detailed = Between("    DETAILED RESULTS OF TIEBACK AND COMPOUND ANALYSES",
                                                    "    RESULTS OF DIRECT SLIDING AND DEEPSEATED ANALYSES");
  ASSERT_EQ(detailed.size(), 12u);
  EXPECT_EQ(detailed[9], rule);
  EXPECT_EQ(detailed[10], " ");
  EXPECT_EQ(detailed[11], " ");
}

// The deep-seated part of the report, for a run that made its analysis and
// for one that stopped for L = 0 (whose engine still left a factor): the
// latter says so and writes neither the factor nor the circle, in both
// languages.
TEST_F(TextReportTest, TheDeepSeatedPartFollowsWhetherTheAnalysisWasConducted) {
  AnalysisResults& r = project().results;
  project().runInput.fsSoilStrength = 1.3;
  r.deepSeatedFactor = 1.5;
  r.criticalCircleRadius = 12.0;
  for (const char* language : {"English", "Dutch"}) {
    SCOPED_TRACE(language);
    project().settings.reportLanguage = language;
    const std::string heading =
        std::string(language) == "Dutch" ? "DIEPE GLIJVLAKKEN ANALYSE" : "DEEPSEATED";
    const std::string next = std::string(language) == "Dutch" ? "'TIEBACK' & 'COMPOUND'" : "TIEBACK & COMPOUND";
    r.deepSeatedNotConducted = 0;
    const std::vector<std::string> conducted = Between(heading, next);
    ASSERT_EQ(conducted.size(), 11u);
    EXPECT_NE(conducted[1].find("1.95."), std::string::npos) << conducted[1];
    EXPECT_NE(conducted[4].find("Radius = 12.00"), std::string::npos) << conducted[4];
    r.deepSeatedNotConducted = 1;
    EXPECT_EQ(Between(heading, next),
              (std::vector<std::string>{" ", "Analysis was not conducted since L=0.", " "}));
  }
}

// The units are those now chosen for the input; the values are the run's.
TEST_F(TextReportTest, TheUnitsAreThoseOfTheInput) {
  project().runInput.unitSystem = 0;
  project().input.unitSystem = 1;
  project().runInput.slopeHeight = 10.0;
  const std::vector<std::string> lines = TextReportLines(project());
  const std::string height = "Height of slope, H" + std::string(23, ' ') + "     32.81 [ft]";
  EXPECT_NE(std::find(lines.begin(), lines.end(), height), lines.end());
}

TEST_F(TextReportTest, AUserSpecifiedRunShowsNoSingleGeosynthetic) {
  project().runInput.runMode = 0;
  project().runInput.rfInstallation = 9.0;  // not shown: the layers have their own
  EXPECT_EQ(Between("    GEOSYNTHETIC DESIGN PARAMETERS", "    SPECIFIED FORCE ORIENTATION"),
            (std::vector<std::string>{
                " ",
                "(-------- Manual input data --------)",
                "Reduction factor for installation damage, RFid     Varies",
                "Reduction factor for durability, RFd               Varies",
                "Reduction factor for creep, RFc                    Varies",
                "Coverage ratio, Rc                                   1.00",
                " ",
            }));
}

TEST_F(TextReportTest, TheFileChoiceIsGuarded) {
  // Cancel writes nothing.
  fakes.fileDialogs.QueueSave(std::nullopt);
  SaveResultsAsTextFile();
  EXPECT_TRUE(fakes.messageBox.Texts().empty());

  // The project's own file is refused; a folder that does not exist is reported.
  const std::string projectFile = dir.File("wall.NAT");
  std::ofstream(projectFile, std::ios::binary) << "project bytes";
  project().projectPath = projectFile;
  const std::string bad = dir.File("missing/report.txt");
  fakes.fileDialogs.QueueSave(projectFile);
  fakes.fileDialogs.QueueSave(bad);
  SaveResultsAsTextFile();
  EXPECT_EQ(ReadBytes(projectFile), "project bytes");
  EXPECT_EQ(fakes.messageBox.Texts(),
            (std::vector<std::string>{ExportProjectFileText(projectFile), ExportWriteFailureText(bad) + "\n\nCannot create a file beside " + bad + ": No such file or directory"}));
}

}  // namespace
}  // namespace tervane
