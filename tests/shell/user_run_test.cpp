// A user-specified run from the main menu, end to end: the layer table takes
// three layers typed out of order, the run dialog runs them, and the project
// saved and reopened holds the same run.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "model/ProjectFile.h"
#include "shell/StartDlg.h"
#include "model/StrengthFunctions.h"
#include "shell/TervaneApp.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "input/ManualInputDataDlg.h"
#include "resources/ShellResources.h"

namespace tervane {
namespace {

using fw::Script;

TEST(UserSpecifiedRun, FromTheMainMenuToASavedAndReopenedProject) {
  shelltest::TestHome home("user_run");
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
  ScopedApp app;
  fw::Document document;
  fw::ScopedActiveDocument active(&document);
  Project().dataDirectory = home.Root().string();
  Project().input.designerName = "A. Engineer";
  Project().input.layerCount = 1;  // a layout exists, so the user-specified run is offered
  Project().input.layerElevation[0] = 0.5;

  CStartDlg menu;
  ASSERT_TRUE(menu.CreateModeless());
  ASSERT_TRUE(menu.IsControlEnabled(res::kRunUserSpecifiedId));

  // The table: elevations 3, 1, 2 typed into rows 1 to 3 with their strengths;
  // the table sorts them as they are typed. Then the run, to its end.
  Script table;
  const std::vector<std::string> elevations = {"3", "1", "2"};
  for (int row = 1; row <= 3; ++row) {
    table.TypeCell(kLayerGridId, 2, row, "60").TypeCell(kLayerGridId, 3, row, "1.2");
    table.TypeCell(kLayerGridId, 4, row, "1.1").TypeCell(kLayerGridId, 5, row, "2.5");
    table.TypeCell(kLayerGridId, 1, row, elevations[static_cast<std::size_t>(row - 1)]);
  }
  table.Click(fw::IDOK);
  ASSERT_TRUE(session.Drive(menu, Script()
                                      .Click(res::kRunUserSpecifiedId)
                                      .Answer(table)
                                      .Answer(Script().Click(fw::IDOK).RunTimers(120000))));
  EXPECT_TRUE(document.IsModified());
  const fw::DialogRecord* run = session.Find("IDD_RUN_TERVANE");
  ASSERT_NE(run, nullptr);
  ASSERT_EQ(run->result, fw::IDOK);
  EXPECT_EQ(Project().inputChangedSinceRun, 0);

  const ProjectInput& in = Project().input;
  ASSERT_EQ(in.layerCount, 3);
  EXPECT_EQ(in.layerElevation[0], 1.0);
  EXPECT_EQ(in.layerElevation[1], 2.0);
  EXPECT_EQ(in.layerElevation[2], 3.0);
  EXPECT_EQ(in.runMode, 0);
  EXPECT_EQ(Project().runInput.runMode, 0);
  const AnalysisResults& r = Project().results;
  ASSERT_EQ(r.resultLayerCount, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(r.resultLayerElevation[i], in.layerElevation[i]);
    EXPECT_GT(r.requiredTiebackStrength[i], 0.0) << i;
    EXPECT_GT(r.layerRearX[i], r.layerFrontX[i]) << i;
  }
  // Reduction factors are kept as the table's single-precision values.
  EXPECT_EQ(in.layerRfInstallation[0], static_cast<double>(1.2f));
  EXPECT_EQ(r.layerLongTermStrength[0], ApplyLayerReductionFactors(Project().runInput, 60.0, 0, 1));
  EXPECT_GE(r.runCallCount, 1);

  // Saved and reopened: the same run, bit for bit.
  const std::string path = (home.Root() / "user run.NAT").string();
  std::string error;
  ASSERT_TRUE(SaveProjectFile(path, Project(), error)) << error;
  const ProjectData saved = Project();
  ScopedApp reopened;
  ASSERT_TRUE(LoadProjectFile(path, Project(), error)) << error;
  EXPECT_EQ(Project().results, saved.results);
  EXPECT_EQ(Project().runInput, saved.runInput);
  EXPECT_EQ(Project().input.layerCount, 3);
  EXPECT_EQ(Project().input.layerElevation, saved.input.layerElevation);
}

}  // namespace
}  // namespace tervane
