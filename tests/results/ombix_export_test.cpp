// The export for Ombix: the file of fixture runs byte for byte, the outline of
// the soils, the geosynthetic types of the run, the refusals, and the choice
// of the file.

#include "results/OmbixExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunFixture.h"
#include "ResultsTestSupport.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Text.h"

namespace tervane {
namespace {

using fw::IDOK;
using fw::Script;
using testing::ReadBytes;

class OmbixExportTest : public ::testing::Test {
 protected:
  ProjectData& project() { return app_.project(); }

  // Runs the export with the notice confirmed and the file dialog answered.
  void Export(int unitSystem, const std::optional<std::string>& path) {
    session.Queue(Script().Click(IDOK));
    fakes.fileDialogs.QueueSave(path);
    ExportToOmbix(unitSystem);
  }

  ScopedProject app_;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
  testing::ScratchDir dir;
};

struct GoldenCase {
  int unitSystem;
  int runMode;
  const char* golden;
};

TEST_F(OmbixExportTest, FixtureRunsGiveTheGoldenFiles) {
  const GoldenCase cases[] = {{0, 1, "ombix_si_optimised.OBX"},
                              {1, 1, "ombix_english_optimised.OBX"},
                              {0, 0, "ombix_si_user.OBX"},
                              {1, 0, "ombix_english_user.OBX"}};
  for (const GoldenCase& c : cases) {
    SCOPED_TRACE(c.golden);
    ScopedProject app;
    testing::SetFixtureProject(app.project(), c.unitSystem);
    if (c.runMode == 0) testing::SetFixtureLayers(app.project().input);
    testing::RunProject(app.project(), c.runMode);
    const std::string path = dir.File(c.golden);
    Export(c.unitSystem, path);
    testing::ExpectGolden(ReadBytes(path), c.golden);
  }
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

TEST_F(OmbixExportTest, EveryDesktopLocaleWritesTheSameBytes) {
  testing::SetFixtureProject(project(), 0);
  testing::RunProject(project(), 1);
  for (const char* locale : testing::kDesktopLocales) {
    testing::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    const std::string path = dir.File(std::string(locale) + ".OBX");
    Export(0, path);
    testing::ExpectGolden(ReadBytes(path), "ombix_si_optimised.OBX");
  }
}

TEST_F(OmbixExportTest, TheSaveDialogProposesTheProjectNameAndAsksBeforeReplacing) {
  project().projectPath = "/work/slopes/Access road.NAT";
  Export(0, std::nullopt);
  ASSERT_EQ(fakes.fileDialogs.SaveCalls().size(), 1u);
  const fw::FileDialogOptions& o = fakes.fileDialogs.SaveCalls()[0];
  EXPECT_EQ(o.proposedName, "/work/slopes/Access road.OBX");
  EXPECT_EQ(o.defaultExtension, "OBX");
  EXPECT_TRUE(o.askOverwrite);
  ASSERT_EQ(o.filters.size(), 2u);
  EXPECT_EQ(o.filters[0].description, "Type Files (*.OBX)");
  EXPECT_EQ(o.filters[0].patterns, "*.OBX");
  EXPECT_EQ(o.filters[1].description, "All Files (*.*)");
  EXPECT_EQ(o.filters[1].patterns, "*.*");
}

TEST(OmbixFileName, IsTheProjectPathWithTheExportExtension) {
  struct Case {
    const char* project;
    const char* proposed;
  };
  for (const Case& c : {Case{"/home/u/Slope 1.NAT", "/home/u/Slope 1.OBX"},
                        Case{"/home/u/wall.nat", "/home/u/wall.OBX"},
                        Case{"/home/u/v1.2/wall", "/home/u/v1.2/wall.OBX"}, Case{"wall.NAT", "wall.OBX"},
                        // A project never saved proposes no name (not "Not saved,.OBX").
                        Case{"Not saved, yet", ""}, Case{"", ""}}) {
    EXPECT_EQ(ProposedOmbixFileName(c.project), c.proposed) << c.project;
  }
}

// The retained outline follows the rear end of the longest layer: under the
// crest A, under the backslope B, or beyond it.
TEST_F(OmbixExportTest, OutlinesFollowTheGeometryAndTheLongestLayer) {
  struct Case {
    double crestB;
    double longest;
    std::vector<std::string> reinforced;
    std::vector<std::string> retained;
    std::string stripB;
  };
  const std::vector<std::string> slope = {"  -100.000     0.000  Reinforced Soil", "     0.000     0.000",
                                          "     6.000     6.000", "     8.000     6.000", "    10.000     7.155"};
  const std::string stripB = "     2.000     9.000     0.000     0.000";
  const Case cases[] = {
      {2.0, 4.5, slope,
       {"  -100.000     0.000  BackFill Soil", "     0.000     0.000", "     4.500     0.000", "    10.500     6.000",
        "    10.501     7.155", "    20.500     7.155"},
       stripB},
      {2.0, 1.0, slope,
       {"  -100.000     0.000  BackFill Soil", "     0.000     0.000", "     1.000     0.000", "     7.000     6.000",
        "     8.000     6.000", "    10.000     7.155"},
       stripB},
      {2.0, 3.0, slope,
       {"  -100.000     0.000  BackFill Soil", "     0.000     0.000", "     3.000     0.000", "     9.000     6.000",
        "     9.001     6.577", "    10.001     7.155"},
       stripB},
      // No backslope: its point lies 1e-7 beyond A and its strip is 0.0001 wide.
      {0.0, 1.0,
       {"  -100.000     0.000  Reinforced Soil", "     0.000     0.000", "     6.000     6.000", "     8.000     6.000",
        "     8.000     6.000"},
       {"  -100.000     0.000  BackFill Soil", "     0.000     0.000", "     1.000     0.000", "     7.000     6.000",
        "     8.000     6.000", "     8.000     6.000"},
       "     0.000     8.000     0.000     0.000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "B " << c.crestB << ", longest layer " << c.longest);
    ScopedProject app;
    ProjectData& d = app.project();
    d.runInput.crestLengthB = c.crestB;
    d.results.resultLayerCount = 2;
    d.results.layerFrontX = {};
    d.results.layerRearX[0] = c.longest - 0.5;  // the longest layer need not be the lowest
    d.results.layerFrontX[1] = 0.25;
    d.results.layerRearX[1] = c.longest + 0.25;
    OmbixExport e(d, 0);
    e.BuildExportOutline();
    EXPECT_EQ(e.outlinePointCount, (std::array<int, 3>{5, 6, 2}));
    const std::vector<std::string> lines = e.FileLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 9), c.reinforced);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 15), c.retained);
    EXPECT_EQ(lines[15], "  -100.000     0.000  Foundation Soil");
    EXPECT_EQ(lines[16], "     0.000     0.000");
    // Strips over A and B and the dead load beyond: from X2, X3, X4 of the
    // reinforced outline; no load here.
    const std::size_t kh = 17 + 1 + 2 + 2;
    EXPECT_EQ(lines[kh + 1], c.crestB > 0 ? "     0.000    10.000  1010.000  Q3-dead, X-start, X-end"
                                          : "     0.000     8.000  1008.000  Q3-dead, X-start, X-end");
    EXPECT_EQ(lines[kh + 2], "         0 Strip Load: 1=Yes, 0=NO");
    EXPECT_EQ(lines[kh + 3], "     2.000     7.000     0.000     0.000");
    EXPECT_EQ(lines[kh + 4], c.stripB);
  }
}

TEST_F(OmbixExportTest, SeismicityAndStripLoadFlagsFollowTheInput) {
  struct Case {
    double kh, kv, q1, q2;
    const char* seismicity;
    const char* strips;
  };
  for (const Case& c : {Case{0.0, 0.2, 0.0, 0.0, "         1     0.000  NO Seismicity",
                             "         0 Strip Load: 1=Yes, 0=NO"},
                        Case{-0.05, 0.0, 0.001, 0.001, "         1    -0.050  NO Seismicity",
                             "         0 Strip Load: 1=Yes, 0=NO"},
                        Case{0.25, 0.0, 0.0011, 0.0, "         0     0.250  Yes Seismicity",
                             "         1 Strip Load: 1=Yes, 0=NO"},
                        Case{1e-9, 0.0, 0.0, 0.002, "         0     0.000  Yes Seismicity",
                             "         1 Strip Load: 1=Yes, 0=NO"}}) {
    SCOPED_TRACE(c.seismicity);
    ScopedProject app;
    ProjectData& d = app.project();
    d.input.seismicKh = c.kh;
    d.input.seismicKv = c.kv;
    d.input.surchargeQ1 = c.q1;
    d.input.surchargeQ2 = c.q2;
    d.runInput.seismicKh = 0.3;  // the export takes Kh as entered, from the input
    OmbixExport e(d, 0);
    e.BuildExportOutline();
    const std::vector<std::string> lines = e.FileLines();
    const std::size_t kh = 17 + 1 + 2;  // no layer, one type
    EXPECT_EQ(lines[kh], c.seismicity);
    EXPECT_EQ(lines[kh + 2], c.strips);
  }
}

// The water option and the water line are those of the input, the option as
// stored (2 stays 2), whatever the run's snapshot holds; the phreatic points
// are written whatever the option.
TEST_F(OmbixExportTest, TheWaterOptionAndLineComeFromTheInput) {
  for (const auto& [inputMode, runMode] : {std::pair{0, 2}, std::pair{1, 0}, std::pair{2, 0}}) {
    SCOPED_TRACE(inputMode);
    ScopedProject app;
    ProjectData& d = app.project();
    d.input.waterMode = inputMode;
    d.input.phreaticX2 = 1.5, d.input.phreaticY2 = 0.25;
    d.input.phreaticX3 = 4.125, d.input.phreaticY3 = 2.5;
    d.input.phreaticX4 = 9.75, d.input.phreaticY4 = 3.0;
    d.runInput.waterMode = runMode;
    d.runInput.phreaticX2 = d.runInput.phreaticY2 = 11.0;
    d.runInput.phreaticX3 = d.runInput.phreaticY3 = 12.0;
    d.runInput.phreaticX4 = d.runInput.phreaticY4 = 13.0;
    OmbixExport e(d, 0);
    e.BuildExportOutline();
    const std::vector<std::string> lines = e.FileLines();
    ASSERT_GE(lines.size(), 6u);
    const std::vector<std::string> water(lines.end() - 6, lines.end());
    EXPECT_EQ(water, (std::vector<std::string>{
                         "         5" + Format("%10d", inputMode) + "        1=No water 0=Water is present",
                         "  -100.000     0.000", "     0.000     0.000", "     1.500     0.250",
                         "     4.125     2.500", "     9.750     3.000"}));
  }
}

TEST(RunGeosyntheticTypes, GroupTheRunsLayersByLongTermStrength) {
  struct Layer {
    double tult, rfid, rfd, rfc;
  };
  struct Case {
    const char* name;
    std::vector<Layer> layers;
    int typeCount;
    int overflow;
    std::vector<int> layerTypes;
  };
  const Case cases[] = {
      {"two geosynthetics", {{30, 1.2, 1.1, 2.5}, {30, 1.2, 1.1, 2.5}, {20, 1.2, 1.1, 2.5}, {20, 1.2, 1.1, 2.5}}, 2, 0,
       {1, 1, 2, 2}},
      // 30/3.3 = 9.0909 and 36/3.96 = 9.0909: other values, one long-term strength.
      {"equal long-term strengths share a type", {{30, 1.2, 1.1, 2.5}, {36, 1.2, 1.1, 3.0}, {30.03, 1.2, 1.1, 2.5}},
       1, 0, {1, 1, 1}},
      // 30.04/3.3 differs from 30/3.3 by 0.012.
      {"0.01 kN/m apart is another type", {{30, 1.2, 1.1, 2.5}, {30.04, 1.2, 1.1, 2.5}}, 2, 0, {1, 2}},
      {"five types", {{10, 1, 1, 1}, {20, 1, 1, 1}, {30, 1, 1, 1}, {40, 1, 1, 1}, {50, 1, 1, 1}}, 5, 0,
       {1, 2, 3, 4, 5}},
      {"a sixth type overflows",
       {{10, 1, 1, 1}, {20, 1, 1, 1}, {30, 1, 1, 1}, {40, 1, 1, 1}, {50, 1, 1, 1}, {60, 1, 1, 1}, {30, 1, 1, 1}},
       6, 1, {1, 2, 3, 4, 5, 1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedProject app;
    ProjectInput& r = app.project().runInput;
    r.runMode = 0;
    app.project().results.resultLayerCount = static_cast<int>(c.layers.size());
    for (std::size_t i = 0; i < c.layers.size(); ++i) {
      r.layerUltimateStrength[i] = c.layers[i].tult;
      r.layerRfInstallation[i] = c.layers[i].rfid;
      r.layerRfDurability[i] = c.layers[i].rfd;
      r.layerRfCreep[i] = c.layers[i].rfc;
    }
    const GeosyntheticTypeTable t = RunGeosyntheticTypes(r, app.project().results);
    EXPECT_EQ(t.typeCount, c.typeCount);
    EXPECT_EQ(t.typeOverflow, c.overflow);
    EXPECT_EQ(std::vector<int>(t.layerType.begin(), t.layerType.begin() + c.layers.size()), c.layerTypes);
    EXPECT_EQ(t.typeUltimateStrength[0], c.layers[0].tult);  // type 1 is the lowest layer's
  }
}

TEST_F(OmbixExportTest, TypeRecordsOfTheRunInDisplayUnits) {
  ProjectData& d = project();
  d.runInput.runMode = 1;
  d.runInput.ultimateStrength = 50.0;
  d.runInput.rfInstallation = 1.1;
  d.runInput.rfDurability = 1.2;
  d.runInput.rfCreep = 2.0;
  d.runInput.coverageRatio = 0.7;
  d.runInput.slidingCoefficientReinforced = 0.8;
  d.runInput.slidingCoefficientFoundation = 0.6;
  d.runInput.pulloutCoefficientReinforced = 0.75;
  OmbixExport e(d, 1);
  e.LoadTypeRecord(0);
  EXPECT_DOUBLE_EQ(e.typeRecord.ultimateStrength, 50.0 * 68.519);
  EXPECT_EQ(e.typeRecord.label, "type 1");
  EXPECT_EQ(e.typeRecord.slidingCoefficient1, 0.6);  // the smaller of the two
  EXPECT_EQ(e.typeRecord.slidingCoefficient2, 0.6);
  EXPECT_EQ(e.typeRecord.pulloutCoefficient, 0.75);
  EXPECT_EQ(e.typeRecord.coverageRatio, 0.7);
  EXPECT_EQ(e.typeRecord.lastValue, 1.0);
  // Indices beyond the fourth read the fifth type.
  for (int index : {4, 5, 9, -1}) {
    e.LoadTypeRecord(index);
    EXPECT_EQ(e.typeRecord.label, "type 5") << index;
  }
  e.BuildExportOutline();
  const std::vector<std::string> lines = e.FileLines();
  EXPECT_EQ(lines[17], "   0   1   1  ReinfNum/Types/Material");
  EXPECT_EQ(lines[18], "   3425.95      1.10      1.20      2.00      0.70  type 1");
  EXPECT_EQ(lines[19], "      0.60      0.60      0.75      1.00  type 1");
}

// The types and type numbers are those of the layers the file writes: the
// run's, whatever the type table and the run mode of the input say now.
TEST_F(OmbixExportTest, TypesComeFromTheRunNotFromTheInput) {
  ProjectData& d = project();
  testing::SetFixtureProject(d, 0);
  testing::SetFixtureLayers(d.input);
  testing::RunProject(d, 0);
  // Since the run: a new layer table was accepted (one geosynthetic, type
  // overflow left over) and an optimised run was started but not finished.
  d.geosyntheticTypes = GeosyntheticTypeTable();
  d.geosyntheticTypes.typeOverflow = 1;
  d.geosyntheticTypes.typeCount = 6;
  d.input.runMode = 1;
  const std::string path = dir.File("run.OBX");
  Export(0, path);
  EXPECT_TRUE(testing::PolicingMessages(session).empty());
  auto count = [](const std::string& text, const std::string& piece) {
    int n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
  };
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("   6   2   1  ReinfNum/Types/Material\r\n"), std::string::npos);
  EXPECT_EQ(count(bytes, "         1       100      0.80"), 3);
  EXPECT_EQ(count(bytes, "         2       100      0.80"), 3);

  // After an optimised run every layer is of the run's one geosynthetic.
  testing::RunProject(d, 1);
  d.input.runMode = 0;
  d.geosyntheticTypes.layerType.fill(2);
  Export(0, path);
  const std::string optimised = ReadBytes(path);
  EXPECT_NE(optimised.find(Format("%4d   1   1  ReinfNum/Types/Material\r\n", d.results.resultLayerCount)),
            std::string::npos);
  EXPECT_EQ(count(optimised, "         1       100      0.80"), d.results.resultLayerCount);
  EXPECT_EQ(count(optimised, "         2       100"), 0);
}

// Every way the export ends early, and the one refusal with its message.
TEST_F(OmbixExportTest, RefusalsAndCancelsWriteNothing) {
  struct Case {
    const char* name;
    int runMode;
    int strengths;  // distinct geosynthetics of the run's six layers
    int noticeAnswer;
    bool saveChosen;
    std::vector<std::string> messages;
    bool noticeShown;
    bool fileWritten;
  };
  const std::string refusal =
      "Error No.9900: \n There are more than 5 types of reinforcement assigned in the manual run.\nOmbix cannot "
      "accept this file.";
  const Case cases[] = {
      {"six types in a user-specified run", 0, 6, IDOK, true, {refusal}, false, false},
      {"five types pass", 0, 5, IDOK, true, {}, true, true},
      {"an optimised run has one type", 1, 6, IDOK, true, {}, true, true},
      {"the notice cancelled", 0, 2, fw::IDCANCEL, true, {}, true, false},
      {"the file dialog cancelled", 0, 2, IDOK, false, {}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedProject app;
    fw::HeadlessSession local;
    fw::ScopedFakeServices localFakes;
    ProjectData& d = app.project();
    d.runInput.runMode = c.runMode;
    d.results.resultLayerCount = 6;
    for (int i = 0; i < 6; ++i) {
      d.runInput.layerUltimateStrength[i] = 10.0 * (1 + i % c.strengths);
      d.results.layerRearX[i] = 5.0;
    }
    const std::string path = dir.File(std::string(c.name) + ".OBX");
    local.Queue(c.noticeAnswer == IDOK ? Script().Click(IDOK) : Script().Escape());
    localFakes.fileDialogs.QueueSave(c.saveChosen ? std::optional<std::string>(path) : std::nullopt);
    ExportToOmbix(0);
    EXPECT_EQ(testing::PolicingMessages(local), c.messages);
    EXPECT_EQ(local.Find("IDD_BEFORE_OMBIX") != nullptr, c.noticeShown);
    EXPECT_EQ(localFakes.fileDialogs.SaveCalls().size(), c.noticeShown && c.noticeAnswer == IDOK ? 1u : 0u);
    EXPECT_EQ(std::filesystem::exists(path), c.fileWritten);
    EXPECT_TRUE(localFakes.messageBox.Texts().empty());
  }
}

TEST_F(OmbixExportTest, TheOpenProjectFileIsNeverReplaced) {
  const std::string projectFile = dir.File("Slope.NAT");
  std::ofstream(projectFile, std::ios::binary) << "project bytes";
  const std::string link = dir.File("link.OBX");
  std::filesystem::create_symlink(projectFile, link);
  project().projectPath = projectFile;

  // The project's own file, then a link to it, then another file.
  session.Queue(Script().Click(IDOK));
  fakes.fileDialogs.QueueSave(projectFile);
  fakes.fileDialogs.QueueSave(link);
  fakes.fileDialogs.QueueSave(dir.File("Slope.OBX"));
  ExportToOmbix(0);

  EXPECT_EQ(ReadBytes(projectFile), "project bytes");
  EXPECT_EQ(fakes.fileDialogs.SaveCalls().size(), 3u);
  EXPECT_EQ(fakes.messageBox.Texts(),
            (std::vector<std::string>{ExportProjectFileText(projectFile), ExportProjectFileText(link)}));
  EXPECT_EQ(ReadBytes(dir.File("Slope.OBX")).substr(0, 36), "1S    Number of Soils from Tervane\r\n");
}

TEST_F(OmbixExportTest, AFileThatCannotBeWrittenIsReported) {
  const std::string path = dir.File("no such folder/x.OBX");
  Export(0, path);
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{ExportWriteFailureText(path) + "\n\nCannot create a file beside " + path + ": No such file or directory"});
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(OmbixExportTest, TheNoticeIsWhiteAndHidesItsLabel) {
  session.Queue(Script().Click(IDOK));
  CBeforeOmbix notice;
  EXPECT_EQ(notice.DoModal(), IDOK);
  const fw::DialogRecord* r = session.Find("IDD_BEFORE_OMBIX");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->caption, "Saving Input Data for Ombix");
  EXPECT_EQ(r->background, fw::kWhite);
  EXPECT_FALSE(r->Visible(1244));
  EXPECT_EQ(r->Text(fw::IDOK), "&OK");
  EXPECT_EQ(r->Text(fw::IDCANCEL), "&Cancel");
}

}  // namespace
}  // namespace tervane
