// The direct-sliding and deep-seated page (headless): every filled text for
// a run in both units, for a run that needed no reinforcement, for one whose
// deep-seated factor is unknown, the note on the target factor, the wedge
// angle and the smallest layer ratio with the one overstress rule.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/ResultsTablesSupport.h"
#include "support/RunFixture.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/ResultsTablesResources.h"
#include "results/ViewCase1Dlg.h"
#include "results/ViewCase3Dlg.h"

namespace tervane {
namespace {

using fw::IDOK;
using fw::Script;
using testing::Fixture;
using namespace res;

// The filled texts in the order of the page: row by row, left to right.
constexpr int kFilled[] = {kSlidingSpecifiedId,       kSlidingLengthId,         kSlidingCalculatedId,
                           kSlidingStatusId,          kWedgeAngleId,            kUncertaintiesSpecifiedId,
                           kTiebackCompoundLengthId,  kUncertaintiesCalculatedId, kUncertaintiesStatusId,
                           kPulloutSpecifiedId,       kPulloutCalculatedId,     kPulloutStatusId,
                           kPenetrationRemarkId,      kDeepSeatedSpecifiedId,   kDeepSeatedLengthId,
                           kDeepSeatedCalculatedId,   kDeepSeatedStatusId,      kDeepSeatedRemarkId,
                           kCircleXCaptionId,         kCircleYCaptionId,        kCircleRadiusCaptionId,
                           kCircleXId,                kCircleYId,               kCircleRadiusId,
                           kSliceCountId,             kTensionCrackNoteId,      kNote1Id};

class DirectSlidingResultsTest : public ::testing::Test {
 protected:
  ProjectData& project() { return app.project(); }

  const fw::DialogRecord& Open() {
    session.Queue(Script().Click(IDOK));
    const std::size_t index = session.Records().size();
    CViewCase3Dlg dlg;
    dlg.DoModal();
    return session.Records()[index];
  }

  static std::vector<std::string> Texts(const fw::DialogRecord& r) {
    std::vector<std::string> texts;
    for (int id : kFilled) texts.push_back(std::to_string(id) + " " + r.Text(id));
    return texts;
  }

  ScopedProject app;
  fw::ScopedFakeServices fakes;
  fw::HeadlessSession session;
};

const std::string kRemark =
    "The critical circle is forced to pass outside the reinforced zone definened by the bottom geosynthetic "
    "layer;\n            its maximum potential depth is limited to ";
const std::string kTensionCrack =
    "In case the crest elevation is above H, Tervane assumes a tension crack between the crest and H (see graphic "
    "screen).";
const std::string kNote1 =
    "To obtain satisfactory Fs-deepseated, re-run Tervane with a larger specified value of Fs-direct sliding.  This "
    "will force deeper circles which may yield larger deepseated safety factor.";
const std::string kNotRestricted =
    "Tieback/compound slip surface are not restricted from penetrating the foundation soil.";

// A run whose loop raised the factor on direct sliding six times: every text
// of the page in SI and in English units, the note on the target factor shown.
TEST_F(DirectSlidingResultsTest, ARunFillsEveryTextInBothUnits) {
  struct Case {
    int units;
    std::vector<std::string> texts;
  };
  const std::vector<Case> cases = {
      {0,
       {"1215 1.10", "1216 10.87 m.", "1217 1.70 or greater", "1218 OK", "1220 47.7 degrees", "1221 1.30",
        "1223 6.68 m.", "1224 1.30 or greater", "1226 OK", "1222 1.50", "1225 1.50", "1227 OK",
        "1127 " + kNotRestricted, "1236 1.25", "1237 10.87 m.", "1238 Fs (global) = 1.26", "1228 OK",
        "1124 " + kRemark + "12.00 m.", "1239 Xc [ m.]", "1240 Yc [ m.]", "1241 Rc [ m.]", "1229 2.44",
        "1230 12.00", "1231 14.67", "1242 Number of slices = 50", "1137 " + kTensionCrack, "1126 " + kNote1}},
      {1,
       {"1215 1.10", "1216 35.68 ft.", "1217 1.70 or greater", "1218 OK", "1220 47.7 degrees", "1221 1.30",
        "1223 21.90 ft.", "1224 1.30 or greater", "1226 OK", "1222 1.50", "1225 1.50", "1227 OK",
        "1127 " + kNotRestricted, "1236 1.25", "1237 35.68 ft.", "1238 Fs (global) = 1.26", "1228 OK",
        "1124 " + kRemark + "39.37 ft.", "1239 Xc [ ft.]", "1240 Yc [ ft.]", "1241 Rc [ ft.]", "1229 8.00",
        "1230 39.37", "1231 48.13", "1242 Number of slices = 50", "1137 " + kTensionCrack, "1126 " + kNote1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    ScopedProject local;
    local.project().input.unitSystem = c.units;
    testing::MakeFixtureRun(local.project(), Fixture::kRaisedSliding);
    ASSERT_EQ(local.project().results.runCallCount, 7);
    local.project().input.unitSystem = 1 - c.units;  // chosen after the run: the page keeps the run's units
    const fw::DialogRecord& r = Open();
    EXPECT_EQ(Texts(r), c.texts);
    EXPECT_EQ(r.caption, "Results of direct sliding and deepseated analyses");
    EXPECT_EQ(r.templateNumber, 170);
    EXPECT_EQ(r.background, fw::RGB(192, 220, 192));
    EXPECT_TRUE(r.Visible(kTargetNoteId));
    EXPECT_FALSE(r.Visible(kNotConductedId));
    EXPECT_FALSE(r.Visible(kDialogIdLabel));
    // The fixed texts stay as the template has them.
    EXPECT_EQ(r.Text(kNotesLabelId), "NOTES:  (1)");
    EXPECT_EQ(r.Text(kNote2LabelId), "(2)");
    EXPECT_EQ(r.Text(kNotConductedId), "Analysis was not\nconducted since L=0");
    EXPECT_EQ(r.Text(kTargetNoteId),
              "Target Fs was smaller than initially computed.  Hence, length of reinforcement was increased to meet "
              "or exceed the target value, resulting in possibly excessive Fs for direct sliding.");
  }
}

// A run that needed no reinforcement (the loop stopped for L = 0 with the
// target not met): no deep-seated analysis belongs to it, so the page shows
// "Analysis was not conducted since L=0" and "N/A" in every calculated and
// status text and in the circle, although the engine left a factor (4.55)
// and a circle; the note on the target factor never shows.
TEST_F(DirectSlidingResultsTest, ARunWithoutReinforcementShowsTheNotConductedNote) {
  testing::MakeFixtureRun(project(), Fixture::kNoReinforcement);
  ASSERT_EQ(project().results.deepSeatedNotConducted, 1);
  ASSERT_GT(project().results.deepSeatedFactor, 0.0);
  const fw::DialogRecord& r = Open();
  EXPECT_EQ(Texts(r), (std::vector<std::string>{
                          "1215 1.10", "1216 0.00 m.", "1217 N/A", "1218 N/A", "1220 0.0 degrees", "1221 1.30",
                          "1223 0.00 m.", "1224 N/A", "1226 N/A", "1222 1.50", "1225 N/A", "1227 N/A",
                          "1127 " + kNotRestricted, "1236 50.00", "1237 0.00 m.", "1238 N/A",
                          "1228 N/A", "1124 " + kRemark + "12.00 m.", "1239 Xc [ m.]", "1240 Yc [ m.]",
                          "1241 Rc [ m.]", "1229 N/A", "1230 N/A", "1231 N/A", "1242 Number of slices = 50",
                          "1137 " + kTensionCrack, "1126 " + kNote1}));
  EXPECT_TRUE(r.Visible(kNotConductedId));
  EXPECT_FALSE(r.Visible(kTargetNoteId));  // though the loop made 501 calls
}

// The same page with no deep-seated factor to show (a file can hold one that
// is no number): "Analysis was not conducted since L=0" and "N/A" in every
// calculated and status text and in the circle; the lengths, the specified
// factors and the wedge angle stay.
TEST_F(DirectSlidingResultsTest, NoDeepSeatedFactorShowsTheNotConductedNote) {
  testing::MakeFixtureRun(project(), Fixture::kNoReinforcement);
  project().results.deepSeatedFactor = std::numeric_limits<double>::quiet_NaN();
  const fw::DialogRecord& r = Open();
  EXPECT_TRUE(r.Visible(kNotConductedId));
  EXPECT_FALSE(r.Visible(kTargetNoteId));
  for (int id : {kSlidingCalculatedId, kSlidingStatusId, kUncertaintiesCalculatedId, kUncertaintiesStatusId,
                 kPulloutCalculatedId, kPulloutStatusId, kDeepSeatedStatusId, kCircleXId, kCircleYId,
                 kCircleRadiusId, kDeepSeatedCalculatedId})
    EXPECT_EQ(r.Text(id), "N/A") << id;
  EXPECT_EQ(r.Text(kSlidingSpecifiedId), "1.10");
  EXPECT_EQ(r.Text(kDeepSeatedSpecifiedId), "50.00");
  EXPECT_EQ(r.Text(kDeepSeatedLengthId), "0.00 m.");
  EXPECT_EQ(r.Text(kWedgeAngleId), "0.0 degrees");
  EXPECT_EQ(r.Text(kCircleXCaptionId), "Xc [ m.]");
}

// Runs made by hand: the note on the target factor, the calculated factor of
// direct sliding, the remark on the foundation soil, a deep-seated factor
// below its target.
TEST_F(DirectSlidingResultsTest, TheTextsFollowTheRun) {
  ProjectInput& run = project().runInput;
  AnalysisResults& r = project().results;
  run.fsDirectSliding = 1.5;
  r.finalFsDirectSliding = 1.2;  // below the specified factor: the specified one shows
  r.runCallCount = 1;             // the first call met the target
  run.penetrationForbidden = 1;
  run.fsSoilStrength = 1.3;
  r.deepSeatedFactor = 0.8;       // 1.04 below the target 1.1
  run.targetFsDeepSeated = 1.1;
  const fw::DialogRecord& first = Open();
  EXPECT_EQ(first.Text(kSlidingCalculatedId), "1.50 or greater");
  EXPECT_FALSE(first.Visible(kTargetNoteId));
  EXPECT_EQ(first.Text(kPenetrationRemarkId),
            "Tieback/compound slip surface are restricted from penetrating the foundation soil.");
  EXPECT_EQ(first.Text(kDeepSeatedCalculatedId), "Fs (global) = 1.04");
  EXPECT_EQ(first.Text(kDeepSeatedStatusId), "X");

  r.runCallCount = 2;
  r.deepSeatedFactor = 1.1 / 1.3 + 1e-12;  // at the target: OK
  const fw::DialogRecord& second = Open();
  EXPECT_TRUE(second.Visible(kTargetNoteId));
  EXPECT_EQ(second.Text(kDeepSeatedStatusId), "OK");

  // A run stopped at its call limit, short of the target: status "X" and no
  // claim that the reinforcement was lengthened to meet the target.
  r.runCallCount = 1000;
  r.deepSeatedFactor = 0.8;
  const fw::DialogRecord& third = Open();
  EXPECT_EQ(third.Text(kDeepSeatedStatusId), "X");
  EXPECT_FALSE(third.Visible(kTargetNoteId));
  EXPECT_FALSE(third.Visible(kNotConductedId));

  // F1 opens the help file at its default page.
  session.Queue(Script().Help().Click(IDOK));
  CViewCase3Dlg dlg;
  dlg.DoModal();
  EXPECT_EQ(fakes.help.Requests(), std::vector<std::string>{"<default>"});
}

// The deep-seated status at its bound: a factor exactly at the target is met
// ("OK", and the note on a raised target shows), the next double below it is
// not ("X", no note).
TEST_F(DirectSlidingResultsTest, TheDeepSeatedStatusIsOkAtTheTargetItself) {
  ProjectInput& run = project().runInput;
  AnalysisResults& r = project().results;
  run.fsSoilStrength = 1.0;
  run.targetFsDeepSeated = 1.5;
  r.runCallCount = 12;
  const struct {
    double factor;
    const char* status;
    bool note;
  } cases[] = {{1.5, "OK", true}, {std::nextafter(1.5, 0.0), "X", false}};
  for (const auto& c : cases) {
    r.deepSeatedFactor = c.factor;
    const fw::DialogRecord& page = Open();
    EXPECT_EQ(page.Text(kDeepSeatedStatusId), c.status) << c.factor;
    EXPECT_EQ(page.Visible(kTargetNoteId), c.note) << c.factor;
  }
}

// The critical angle of the active wedge from points 2 and 3 of the wedge:
// a back line narrower than 0.0001 m (vertical, leaning back, or no number)
// counts as 0.0001 m wide.
TEST_F(DirectSlidingResultsTest, TheCriticalWedgeAngle) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double x2, x3, y2, y3;
    const char* text;
  } cases[] = {
      {1.0, 2.0, 0.0, 1.0, "45.0"},
      {2.0, 4.0, 1.0, 1.0 + 2.0 * std::sqrt(3.0), "60.0"},
      {3.0, 3.0, 0.0, 2.0, "90.0"},    // vertical: atan(2 / 0.0001)
      {3.0, 2.0, 0.0, 2.0, "90.0"},    // leaning back
      {3.0, 3.0, 0.0, -2.0, "-90.0"},  // a back line that falls
      {nan, 3.0, 0.0, 1.0, "90.0"},
  };
  for (const Case& c : cases) {
    const double x[3] = {0.0, c.x2, c.x3};
    const double y[3] = {0.0, c.y2, c.y3};
    EXPECT_EQ(Format("%.1f", CViewCase3Dlg::CriticalWedgeAngle(x, y)), c.text) << c.x2 << " " << c.x3;
  }
  const double x[3] = {0.0, 3.0, 3.0};
  const double y[3] = {0.0, 0.0, 2.0};
  EXPECT_NEAR(CViewCase3Dlg::CriticalWedgeAngle(x, y), std::atan(2.0 / 0.0001) / 0.017453292519444445, 0.0);

  AnalysisResults& r = project().results;
  r.directSlidingWedgeX = {0.0, 1.0, 2.0};
  r.directSlidingWedgeY = {0.0, 0.0, 1.0};
  EXPECT_EQ(Open().Text(kWedgeAngleId), "45.0 degrees");
}

// The smallest layer ratio by the strength check and the one overstress rule
// of the summary table, the drawings and the report: a layer marked there is
// marked here, and one that passes there passes here.
TEST_F(DirectSlidingResultsTest, TheUncertaintiesFollowTheOneOverstressRule) {
  ProjectInput& run = project().runInput;
  AnalysisResults& r = project().results;
  run.runMode = 0;
  run.fsGeosyntheticStrength = 1.3;
  auto layers = [&](std::vector<double> ratios, double compound = 1.0) {
    r.resultLayerCount = static_cast<int>(ratios.size());
    for (std::size_t i = 0; i < ratios.size(); ++i) {
      run.layerUltimateStrength[i] = ratios[i];
      run.layerRfInstallation[i] = run.layerRfDurability[i] = run.layerRfCreep[i] = 1.0;
      r.controllingMode[i] = 0;
      r.availableCompoundStrength[i] = compound;
    }
  };
  struct Case {
    std::vector<double> ratios;
    double compound;
    const char* calculated;
    const char* status;
    const char* summaryStatus;  // of the lowest layer in the summary table
  } cases[] = {
      {{1.2995, 2.0}, 1.0, "1.30 or greater", "OK", "tick:1"},    // within the tolerance
      {{2.0, 1.2985}, 1.0, "1.30 or greater", "X", "tick:1"},     // below it
      {{1.8, 2.4}, 1.0, "1.80 or greater", "OK", "tick:1"},
      {{5e7}, 1.0, "1000000.00 or greater", "OK", "tick:1"},       // nothing below the start value
      {{10.0}, 0.0, "N/A", "X", "tick:0"},                         // no compound strength: no ratio
      {{}, 1.0, "N/A", "N/A", ""},                                 // no layer at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.calculated);
    layers(c.ratios, c.compound);
    const fw::DialogRecord& page = Open();
    EXPECT_EQ(page.Text(kUncertaintiesCalculatedId), c.calculated);
    EXPECT_EQ(page.Text(kUncertaintiesStatusId), c.status);
    EXPECT_EQ(page.Text(kPulloutCalculatedId), "1.50");
    EXPECT_EQ(page.Text(kPulloutStatusId), "OK");
    if (c.ratios.empty()) continue;
    // The summary table marks the same layers.
    session.Queue(Script().Click(IDOK));
    const std::size_t index = session.Records().size();
    CViewCase1Dlg summary;
    summary.DoModal();
    const fw::Spreadsheet& sheet = *session.Records()[index].Sheet(kSummarySheetId);
    bool anyFails = false;
    for (int row = 1; row <= sheet.RowCount(); ++row) anyFails = anyFails || sheet.Text(9, row) == "0";
    EXPECT_EQ(anyFails, std::string(c.status) == "X");
    EXPECT_EQ(testing::SheetRow(sheet, 1).substr(testing::SheetRow(sheet, 1).rfind('|') + 1), c.summaryStatus);
  }
}

}  // namespace
}  // namespace tervane
