// The main menu: its buttons lead to the other subsystems' entry points
// (answered here by headless scripts), its enable rule, its status line and
// the keys it ignores.

#include "shell/StartDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "common/MessageDialogs.h"
#include "model/ProjectFile.h"
#include "shell/TervaneApp.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "resources/DialogTemplates.h"
#include "resources/ShellResources.h"

namespace tervane {
namespace {

using fw::Script;

class StartDlgTest : public ::testing::Test {
 protected:
  StartDlgTest() : home_("start_dlg"), active_(&document_) {
    Project().dataDirectory = home_.Root().string();
    Project().helpFilePath = "/opt/tervane/tervane.chm";
  }

  // The main menu, created as the document creates it.
  CStartDlg& Open() {
    EXPECT_TRUE(menu_.CreateModeless());
    return menu_;
  }
  const fw::DialogRecord& Record() const { return *session_.Find("IDD_START"); }
  void Drive(const Script& script) { ASSERT_TRUE(session_.Drive(menu_, script)); }

  shelltest::TestHome home_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  ScopedApp app_;
  fw::Document document_;
  fw::ScopedActiveDocument active_;
  CStartDlg menu_;
};

TEST_F(StartDlgTest, TheTemplateIsTheMainMenus) {
  const fw::DialogTemplate* t = FindDialogTemplate("IDD_START");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->number, 130);
  EXPECT_EQ(t->width, 455);
  EXPECT_EQ(t->height, 250);
  EXPECT_EQ(t->DefaultButtonId(), res::kModifyInputId);
  EXPECT_EQ(t->Find(res::kRunOptimizedId)->text, "Run Tervane: Optimize elevation of each reinforcement layer");
  EXPECT_EQ(t->Find(res::kQuantitiesId)->text, "Calculate quantity and\ncost of reinforcement");
  EXPECT_NE(t->Find(res::kSaveResultsAsTextId)->flags & fw::kHidden, 0u);
}

TEST_F(StartDlgTest, TheEnableRuleFollowsTheLayerCountOfTheInput) {
  struct Case {
    int layers;
    int units;
    bool enabled;
    double lengthFactor;
  };
  for (const Case& c : {Case{0, 0, false, 1.0}, Case{12, 1, true, 3.28084}}) {
    SCOPED_TRACE(c.layers);
    Project().input.layerCount = c.layers;
    Project().input.unitSystem = c.units;
    Project().resultsAvailable = 1 - c.enabled;
    CStartDlg menu;
    ASSERT_TRUE(menu.CreateModeless());
    EXPECT_TRUE(menu.IsControlEnabled(res::kModifyInputId));
    EXPECT_TRUE(menu.IsControlEnabled(res::kRunOptimizedId));
    for (int id : {res::kRunUserSpecifiedId, res::kViewTablesId, res::kViewLayoutId, res::kSaveResultsAsTextId,
                   res::kQuantitiesId})
      EXPECT_EQ(menu.IsControlEnabled(id), c.enabled) << id;
    EXPECT_EQ(Project().resultsAvailable, c.enabled ? 1 : 0);
    EXPECT_EQ(menu.units, c.units);
    EXPECT_EQ(menu.lengthFactor, c.lengthFactor);
    EXPECT_EQ(menu.pressureFactor, c.units == 1 ? 20.8846 : 1.0);
    EXPECT_EQ(menu.strengthFactor, c.units == 1 ? 68.519 : 1.0);
    EXPECT_EQ(menu.unitWeightFactor, c.units == 1 ? 6.365627 : 1.0);
  }
}

TEST_F(StartDlgTest, OpeningReadsTheReportLanguageAndHidesTheLabel) {
  std::ofstream(home_.Root() / "More.txt") << "German\r\n";
  Open();
  EXPECT_EQ(Project().settings.reportLanguage, "German");
  EXPECT_FALSE(menu_.IsControlVisible(kDialogIdLabel));
  Project().hideDialogIdLabels = 0;
  std::filesystem::remove(home_.Root() / "More.txt");
  CStartDlg shown;
  ASSERT_TRUE(shown.CreateModeless());
  EXPECT_TRUE(shown.IsControlVisible(kDialogIdLabel));
  EXPECT_EQ(Project().settings.reportLanguage, "English");
  EXPECT_EQ(shelltest::ReadBytes((home_.Root() / "More.txt").string()), "English\n");
}

TEST_F(StartDlgTest, ModifyInputOpensTheInputMenuAndShowsTheStatusLine) {
  Project().inputChangedSinceRun = 0;
  Open();
  Drive(Script().Paint().Click(res::kModifyInputId).Answer(Script().Click(fw::IDCANCEL)));
  ASSERT_NE(session_.Find("IDD_MODIFY_MENU"), nullptr);
  EXPECT_EQ(session_.Find("IDD_MODIFY_MENU")->depth, 1);
  EXPECT_EQ(Project().inputChangedSinceRun, 1);  // even though nothing changed
  // The whole client area, then the status line's rectangle from the painted size.
  const std::vector<fw::Invalidation>& inv = Record().invalidations;
  ASSERT_EQ(inv.size(), 2u);
  EXPECT_EQ(inv[0].rect, (fw::Rect{0, 0, 682, 406}));
  EXPECT_EQ(inv[1].rect, (fw::Rect{265, 36, 682, 60}));
  EXPECT_TRUE(inv[1].erase);
  EXPECT_FALSE(document_.IsModified());
}

TEST_F(StartDlgTest, EnterPressesModifyInputAndEscDoesNothing) {
  Open();
  Drive(Script().Escape().Close());
  EXPECT_TRUE(menu_.IsWindowVisible());
  EXPECT_TRUE(menu_.IsWindow());
  Drive(Script().Enter().Answer(Script()));
  EXPECT_NE(session_.Find("IDD_MODIFY_MENU"), nullptr);
}

TEST_F(StartDlgTest, TheOptimisedRunMarksTheProjectAndOnOkResetsTheStatusButtonsAndTypeTable) {
  Project().inputChangedSinceRun = 1;
  Open();
  // Cancelled: only the modified flag changes.
  Drive(Script().Click(res::kRunOptimizedId).Answer(Script().Escape()));
  EXPECT_TRUE(document_.IsModified());
  EXPECT_EQ(Project().inputChangedSinceRun, 1);
  EXPECT_TRUE(Record().invalidations.empty());

  // OK after a real run of the default project: it writes its layout into the input.
  Project().input.designerName = "A. Engineer";
  Project().geosyntheticTypes.typeCount = 4;
  Project().geosyntheticTypes.typeOverflow = 1;
  Project().geosyntheticTypes.typeUltimateStrength[1] = 77.0;
  Project().input.ultimateStrength = 58.4;
  Project().input.rfInstallation = 1.15;
  Project().input.rfDurability = 1.05;
  Project().input.rfCreep = 2.2;
  Drive(Script().Paint().Click(res::kRunOptimizedId).Answer(
      Script().Click(fw::IDOK).RunTimers(120000)));
  ASSERT_EQ(session_.Find("IDD_RUN_TERVANE", 1)->result, fw::IDOK);
  EXPECT_GT(Project().input.layerCount, 0);
  EXPECT_EQ(Project().results.resultLayerCount, Project().input.layerCount);
  EXPECT_EQ(Project().inputChangedSinceRun, 0);
  EXPECT_EQ(Project().resultsAvailable, 1);
  EXPECT_TRUE(menu_.IsControlEnabled(res::kViewTablesId));
  const GeosyntheticTypeTable& t = Project().geosyntheticTypes;
  EXPECT_EQ(t.typeOverflow, 0);
  EXPECT_EQ(t.typeCount, 1);
  EXPECT_EQ(t.typeUltimateStrength[0], 58.4);
  EXPECT_EQ(t.typeRfInstallation[0], 1.15);
  EXPECT_EQ(t.typeRfDurability[0], 1.05);
  EXPECT_EQ(t.typeRfCreep[0], 2.2);
  EXPECT_EQ(t.typeUltimateStrength[1], 77.0);  // the other entries stay
  // The status line, and the line under it on a missed deep-seated target.
  ASSERT_EQ(Record().invalidations.size(), 2u);
  EXPECT_EQ(Record().invalidations[0].rect, (fw::Rect{265, 36, 682, 60}));
  EXPECT_EQ(Record().invalidations[1].rect, (fw::Rect{265, 60, 682, 85}));
  EXPECT_TRUE(Record().invalidations[1].erase);

  // A run that stopped at the layer limit leaves no layers: the buttons go off.
  Project().input.slopeHeight = 30.0;
  Project().input.minSpacing = 0.15;
  Project().input.maxSpacing = 0.16;
  Drive(Script().Click(res::kRunOptimizedId).Answer(
      Script().Click(fw::IDOK).RunTimers(120000).Answer(Script().Enter())));
  const fw::DialogRecord* run = session_.Find("IDD_RUN_TERVANE", 2);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->result, fw::IDOK);
  ASSERT_NE(session_.Find("IDD_TERMINATE"), nullptr);
  EXPECT_EQ(Project().input.layerCount, 0);
  EXPECT_FALSE(menu_.IsControlEnabled(res::kViewTablesId));
  EXPECT_EQ(Project().resultsAvailable, 0);
}

// Results dropped on opening: the layout can be run again, the result views
// stay off until a run has made results.
TEST_F(StartDlgTest, DroppedResultsKeepTheResultViewsOffUntilARun) {
  Project().input.layerCount = 12;
  Project().resultsDropped = 1;
  Project().resultsAvailable = 1;
  Open();
  EXPECT_TRUE(menu_.IsControlEnabled(res::kRunUserSpecifiedId));
  for (int id : {res::kViewTablesId, res::kViewLayoutId, res::kSaveResultsAsTextId, res::kQuantitiesId})
    EXPECT_FALSE(menu_.IsControlEnabled(id)) << id;
  EXPECT_EQ(Project().resultsAvailable, 0);

  Project().input.layerCount = 0;
  Project().input.designerName = "A. Engineer";
  Drive(Script().Paint().Click(res::kRunOptimizedId).Answer(Script().Click(fw::IDOK).RunTimers(120000)));
  ASSERT_EQ(session_.Find("IDD_RUN_TERVANE")->result, fw::IDOK);
  EXPECT_EQ(Project().resultsDropped, 0);
  EXPECT_EQ(Project().resultsAvailable, 1);
  for (int id : {res::kRunUserSpecifiedId, res::kViewTablesId, res::kViewLayoutId, res::kSaveResultsAsTextId,
                 res::kQuantitiesId})
    EXPECT_TRUE(menu_.IsControlEnabled(id)) << id;
}

TEST_F(StartDlgTest, TheUserSpecifiedRunOpensTheRunDialogOnlyAfterTheLayersWereAccepted) {
  Project().input.layerCount = 3;
  Open();
  Drive(Script().Click(res::kRunUserSpecifiedId).Answer(Script().Enter()));
  EXPECT_TRUE(document_.IsModified());
  ASSERT_NE(session_.Find("IDD_MANUAL_INPUT_DATA"), nullptr);
  // The layer table did not accept its layers (layersAccepted 0).
  EXPECT_EQ(session_.Find("IDD_RUN_TERVANE"), nullptr);
  EXPECT_EQ(Record().Control(res::kViewTablesId)->enabled, true);
}

TEST_F(StartDlgTest, TheResultButtonsOpenTheirDialogs) {
  Project().input.layerCount = 5;
  Open();
  Drive(Script()
            .Click(res::kViewTablesId)
            .Answer(Script())
            .Click(res::kViewLayoutId)
            .Answer(Script())
            .Click(res::kQuantitiesId)
            .Answer(Script()));
  for (const char* name : {"IDD_VIEW_WRITTEN_RESULTS", "IDD_GRAPHIC_RESULTS", "IDD_QUANTITIES"}) {
    const fw::DialogRecord* r = session_.Find(name);
    ASSERT_NE(r, nullptr) << name;
    EXPECT_EQ(r->depth, 1);
    EXPECT_TRUE(r->ended);
  }
  EXPECT_FALSE(document_.IsModified());
  // The text report's button is there and never shown, so it cannot be pressed.
  Drive(Script().Click(res::kSaveResultsAsTextId));
  EXPECT_EQ(Record().scriptErrors.back(), "Click: control 1007 is hidden");
}

TEST_F(StartDlgTest, TheStatusLineTellsWhetherARunIsNeededAndThePaintPutsEverythingBack) {
  for (int changed : {1, 0}) {
    SCOPED_TRACE(changed);
    Project().inputChangedSinceRun = changed;
    CStartDlg menu;
    ASSERT_TRUE(menu.CreateModeless());
    ASSERT_TRUE(session_.Drive(menu, Script().Paint()));
    const std::vector<std::string>& lines = session_.Records().back().lastPaint;
    ASSERT_GE(lines.size(), 7u);
    const std::string text = changed == 1 ? "\"Tervane must be run to ensure correspondance between input data and results\""
                                          : "\" \"";
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
              (std::vector<std::string>{"SelectFont \"MS Sans Serif\" height=-11 weight=400 italic=0 charset=0",
                                        "SelectBrush solid RGB(222,222,222)", "SetTextColor RGB(0,0,255)",
                                        "SetBkColor RGB(204,236,255)", "TextOut 272 48 " + text,
                                        "SetTextColor RGB(0,0,0)", "SetBkColor RGB(255,255,255)"}));
    // Whatever the sketch drew, the brush and font go back last.
    EXPECT_EQ(lines[lines.size() - 2], "SelectBrush solid RGB(255,255,255)");
    EXPECT_EQ(lines.back(), "SelectFont \"MS Sans Serif\" height=0 weight=400 italic=0 charset=0");
    EXPECT_EQ(menu.clientWidth, 682);
    EXPECT_EQ(menu.clientHeight, 406);
  }
}

// A run stopped at its call limit is stored as a completed run, and the main
// menu says under its status line that the target was not reached: after the
// run, after saving and loading the project (the stored results hold it), and
// until a run meets its target.
TEST_F(StartDlgTest, AMissedDeepSeatedTargetIsShownUntilTheNextRun) {
  const std::string missed =
      "TextOut 272 59 \"The last run did not reach the target factor of safety against deep-seated failure\"";
  // Paints the menu and tells whether the line stands in its last paint (the
  // menu's record: the first of the main menu, or the last one for another).
  const auto painted = [&](CStartDlg& menu, bool first) {
    EXPECT_TRUE(session_.Drive(menu, Script().Paint()));
    const auto& records = session_.Records();
    const auto last = std::find_if(records.rbegin(), records.rend(),
                                   [](const fw::DialogRecord& r) { return r.templateName == "IDD_START"; });
    EXPECT_NE(last, records.rend());
    if (last == records.rend()) return false;
    const std::vector<std::string>& lines = first ? Record().lastPaint : last->lastPaint;
    return std::find(lines.begin(), lines.end(), missed) != lines.end();
  };
  Project().input.designerName = "A. Engineer";
  Project().input.targetFsDeepSeated = 100.0;
  Open();
  EXPECT_FALSE(painted(menu_, true));  // no run yet
  Drive(Script().Click(res::kRunOptimizedId).Answer(Script().Click(fw::IDOK).RunTimers(120000)));
  ASSERT_EQ(Project().results.runCallCount, 1000);
  EXPECT_EQ(Project().inputChangedSinceRun, 0);
  EXPECT_TRUE(painted(menu_, true));

  const std::vector<std::uint8_t> bytes = SaveProjectToBytes(Project());
  ProjectData loaded;
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), loaded, error)) << error;
  Project() = loaded;
  Project().inputChangedSinceRun = 1;  // as after opening a file
  {
    CStartDlg reopened;
    ASSERT_TRUE(reopened.CreateModeless());
    EXPECT_TRUE(painted(reopened, false));
  }

  Project().input.targetFsDeepSeated = 1.1;
  Drive(Script().Click(res::kRunOptimizedId).Answer(Script().Click(fw::IDOK).RunTimers(120000)));
  ASSERT_LT(Project().results.runCallCount, 1000);
  EXPECT_FALSE(painted(menu_, true));
}

TEST_F(StartDlgTest, ExtremeInputsPaintABoundedPicture) {
  struct Case {
    double height, backslope, crestA, crestB, q1;
  };
  for (const Case& c : {Case{0.0, 30, 2, 2, 10}, Case{6.0, 90, 2, 2, 10}, Case{6.0, 30, 1e9, 1e9, 50},
                        Case{-5.0, 89.999, 1e-12, 1e300, 1e300}}) {
    ProjectInput& in = Project().input;
    in.slopeHeight = c.height;
    in.backslopeAngle = c.backslope;
    in.crestLengthA = c.crestA;
    in.crestLengthB = c.crestB;
    in.surchargeQ1 = in.surchargeQ2 = in.surchargeQ3 = c.q1;
    CStartDlg menu;
    ASSERT_TRUE(menu.CreateModeless());
    ASSERT_TRUE(session_.Drive(menu, Script().Paint()));
    // Rows of arrows stop at the edge of the window: a few hundred calls at most.
    EXPECT_LT(session_.Records().back().lastPaint.size(), 5000u);
  }
}

TEST_F(StartDlgTest, HelpOpensTheMainMenusTopic) {
  Open();
  Drive(Script().Help());
  EXPECT_EQ(fakes_.help.Requests(), (std::vector<std::string>{"/opt/tervane/tervane.chm::/Tervane_Help.htm"}));
}

}  // namespace
}  // namespace tervane
