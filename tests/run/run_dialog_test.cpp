// The run dialog through the headless backend: the arguments it forms, what a
// completed run stores (layout, snapshot, results, loop values), the ends of
// the loop (status 7, no length needed, the call limit), Cancel, and results
// that are not numbers.
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/engine_fixtures.h"
#include "analysis/Engine.h"
#include "run/RunInputs.h"
#include "run/RunTervaneDlg.h"
#include "model/ProjectFile.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"
#include "resources/RunResources.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

TEST(RunInputs, DefaultInputGivesTheEngineArgumentsExactly) {
  ProjectInput input;
  const analysis::EngineInputs in = FormEngineInputs(input, 1);
  EXPECT_EQ(in.reinforcedDesignPhi, 0.4786157706929478);
  EXPECT_EQ(in.designStrength, 10.209790209790208);
  EXPECT_EQ(in.maxSpacingWithTolerance, 1.003);
  EXPECT_EQ(in.waterUnitWeight, 9.81);

  // Every argument as the engine's own fixture forms the default project.
  const analysis::EngineInputs f = analysis::testing::DefaultProjectInputs(1);
#define SAME(field) EXPECT_EQ(in.field, f.field) << #field
  SAME(bottomSlopeAngleRad); SAME(slopeHeight); SAME(slopeAngle); SAME(crestLengthA); SAME(crestLengthB);
  SAME(backslopeAngleRad); SAME(surchargeQ1); SAME(surchargeQ2); SAME(surchargeQ3);
  SAME(phreaticSurfaceGiven); SAME(poreWaterCoefficient); SAME(waterUnitWeight);
  SAME(phreaticX2); SAME(phreaticY2); SAME(phreaticX3); SAME(phreaticY3); SAME(phreaticX4); SAME(phreaticY4);
  SAME(reinforcedUnitWeight); SAME(reinforcedDesignPhi); SAME(reinforcedDesignCohesion);
  SAME(backfillUnitWeight); SAME(backfillDesignPhi); SAME(backfillDesignCohesion);
  SAME(foundationUnitWeight); SAME(foundationDesignPhi); SAME(foundationDesignCohesion);
  SAME(interwedgeAngleRad); SAME(designPulloutCoefficientReinforced); SAME(designPulloutCoefficientFoundation);
  SAME(slidingCoefficientReinforced); SAME(slidingCoefficientFoundation); SAME(lengthLayout); SAME(seismicKv);
  SAME(appliedSeismicKh); SAME(seismicOnReinforcedMass); SAME(penetrationForbidden); SAME(runDeepSeated);
  SAME(maxPenetrationDepth); SAME(designStrength); SAME(maxSpacingWithTolerance); SAME(minSpacing);
  SAME(bottomLayerHeight); SAME(coverageRatio); SAME(currentFsDirectSliding); SAME(orientationMode);
  SAME(orientationValue); SAME(runMode); SAME(spareOne); SAME(spareZero); SAME(layerCount);
#undef SAME
  for (int i = 0; i < kMaxLayers; ++i) {
    EXPECT_EQ(in.layerElevation[i], f.layerElevation[i]) << i;
    EXPECT_EQ(in.layerDesignStrength[i], f.layerDesignStrength[i]) << i;
  }

  // The choices that pick one value or another.
  input.waterMode = 1;
  input.poreWaterCoefficient = 0.2;
  input.seismicKv = 0.1;
  input.seismicKh = 0.2;
  input.khHalved = 1;
  input.orientationMode = 0;
  input.aorAngle = 10.0;
  input.rorValue = 0.7;
  analysis::EngineInputs other = FormEngineInputs(input, 0);
  EXPECT_EQ(other.phreaticSurfaceGiven, 0);
  EXPECT_EQ(other.poreWaterCoefficient, 0.2);
  EXPECT_EQ(other.waterUnitWeight, (1 + 0.1) * 9.81);
  EXPECT_EQ(other.appliedSeismicKh, 0.1);
  EXPECT_EQ(other.orientationValue, 0.017453292519944444 * 10.0);
  EXPECT_EQ(other.runMode, 0);
  input.waterMode = 0;
  input.orientationMode = 1;
  other = FormEngineInputs(input, 1);
  EXPECT_EQ(other.phreaticSurfaceGiven, 1);
  EXPECT_EQ(other.poreWaterCoefficient, 0.0);
  EXPECT_EQ(other.orientationValue, 0.7);
}

class RunDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Project().input.designerName = "A. Engineer"; }

  // Runs the dialog in `mode` with the script; returns its result.
  int Run(int mode, Script script) {
    session.Queue(std::move(script));
    CRunTervaneDlg dlg;
    dlg.runMode = mode;
    return dlg.DoModal();
  }
  static Script RunToTheEnd() { return Script().Click(IDOK).RunTimers(120000); }

  // The outputs of the engine's own loop of full calls for the input as it is.
  struct Reference {
    std::unique_ptr<analysis::EngineOutputs> out = analysis::testing::NewOutputs();
    int calls = 0;
    double finalFs = 0.0;
  };
  static Reference FullCalls(const ProjectInput& input, int mode) {
    Reference r;
    auto state = analysis::testing::NewState();
    analysis::EngineInputs in = FormEngineInputs(input, mode);
    double current = input.fsDirectSliding;
    while (r.out->deepSeatedFactor * input.fsSoilStrength < input.targetFsDeepSeated) {
      in.currentFsDirectSliding = current;
      analysis::RunSlopeAnalysis(*state, in, *r.out);
      ++r.calls;
      r.finalFs = current;
      current = current + 0.1;
    }
    return r;
  }

  ScopedProject app;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
};

TEST_F(RunDialogTest, BannerOfEachMode) {
  Run(1, Script().Click(IDCANCEL));
  Run(0, Script().Click(IDCANCEL));
  const fw::DialogRecord& optimised = session.Records()[0];
  const fw::DialogRecord& manual = session.Records()[1];
  EXPECT_EQ(optimised.caption, "Running Tervane");
  EXPECT_TRUE(optimised.Visible(res::kRunOptimizedBannerId));
  EXPECT_FALSE(optimised.Visible(res::kRunManualBannerId));
  EXPECT_FALSE(manual.Visible(res::kRunOptimizedBannerId));
  EXPECT_TRUE(manual.Visible(res::kRunManualBannerId));
  EXPECT_FALSE(optimised.Visible(kDialogIdLabel));
  EXPECT_EQ(optimised.background, fw::RGB(222, 222, 222));
}

// An optimised run of the default project: one call meets the target; the
// layout goes into every row of the layer table, the snapshot follows the
// copy rule and the results are those of the engine.
TEST_F(RunDialogTest, OptimisedRunStoresLayoutSnapshotAndResults) {
  ProjectData& a = Project();
  a.input.fsSoilStrength = 1.25;  // differs from the snapshot's default
  a.input.currencyUnit = "EUR";
  a.input.layerElevation[99] = 9.0;  // a stale row beyond any layout
  const ProjectInput before = a.input;
  const Reference reference = FullCalls(before, 1);

  EXPECT_EQ(Run(1, RunToTheEnd()), IDOK);
  const fw::DialogRecord& run = session.Records()[0];
  EXPECT_FALSE(run.busyCursor);
  EXPECT_GE(run.timerEvents, 1);

  const analysis::EngineOutputs& out = *reference.out;
  EXPECT_EQ(a.input.runMode, 1);
  EXPECT_EQ(a.input.layerCount, out.resultLayerCount);
  EXPECT_GT(a.input.layerCount, 1);
  for (int i = 0; i < kMaxLayers; ++i) {
    EXPECT_EQ(a.input.layerElevation[i], out.resultLayerElevation[i]) << i;
    EXPECT_EQ(a.input.layerUltimateStrength[i], 43.8);
    EXPECT_EQ(a.input.layerRfInstallation[i], 1.2);
    EXPECT_EQ(a.input.layerRfDurability[i], 1.1);
    EXPECT_EQ(a.input.layerRfCreep[i], 2.5);
  }
  EXPECT_EQ(a.input.layerElevation[99], 0.0);

  // The snapshot: the input after the layout was written, but its own
  // currency and layer count.
  ProjectInput expectedSnapshot{ProjectInput::Defaults::kRunSnapshot};
  AnalysisResults expectedStrengths;
  CopyInputToRunSnapshot(a.input, before.targetFsDeepSeated, expectedSnapshot, expectedStrengths);
  EXPECT_TRUE(a.runInput == expectedSnapshot);
  EXPECT_EQ(a.runInput.currencyUnit, "$");
  EXPECT_EQ(a.runInput.fsSoilStrength, 1.25);
  EXPECT_EQ(a.results.layerLongTermStrength, expectedStrengths.layerLongTermStrength);
  EXPECT_EQ(a.results.layerLongTermStrength[50], 43.8 / 1.2 / 1.1 / 2.5);

  const AnalysisResults& r = a.results;
  EXPECT_EQ(r.runCallCount, reference.calls);
  EXPECT_EQ(r.runCallCount, 1);
  EXPECT_EQ(r.finalFsDirectSliding, 1.1);
  EXPECT_EQ(r.deepSeatedNotConducted, 0);
  EXPECT_EQ(r.runFsSoilStrength, 1.25);
  EXPECT_EQ(r.resultLayerCount, out.resultLayerCount);
  EXPECT_EQ(r.deepSeatedFactor, out.deepSeatedFactor);
  EXPECT_EQ(r.criticalCircleRadius, out.criticalCircleRadius);
  EXPECT_EQ(r.directSlidingLength, out.directSlidingLength);
  EXPECT_EQ(r.lastCompoundEndAngle, out.lastCompoundEndAngle);
  EXPECT_EQ(r.deepSeatedCutElevation, out.deepSeatedCutElevation);
  EXPECT_EQ(std::memcmp(r.layerRearX.data(), out.layerRearX.data(), sizeof out.layerRearX), 0);
  EXPECT_EQ(
      std::memcmp(r.controllingMode.data(), out.controllingMode.data(), sizeof out.controllingMode),
      0);
  EXPECT_EQ(std::memcmp(r.deepSeatedCircleY.data(), out.deepSeatedCircleY.data(),
                        sizeof out.deepSeatedCircleY),
            0);
  EXPECT_EQ(std::memcmp(r.directSlidingWedgeX.data(), out.directSlidingWedgeX.data(),
                        sizeof out.directSlidingWedgeX),
            0);
  for (int row = 0; row < kMaxLayers; ++row) {
    EXPECT_EQ(std::memcmp(r.tiebackSurfaceX[row].data(), out.tiebackSurfaceX[row].data(),
                          sizeof out.tiebackSurfaceX[row]),
              0);
    EXPECT_EQ(
        std::memcmp(r.layerCompoundSurfaceY[row].data(), out.layerCompoundSurfaceY[row].data(),
                    sizeof out.layerCompoundSurfaceY[row]),
        0);
  }

  // Saved and opened again, the project holds the same run.
  const std::vector<std::uint8_t> bytes = SaveProjectToBytes(a);
  ProjectData reopened;
  std::string error;
  ASSERT_TRUE(LoadProjectFromBytes(bytes.data(), bytes.size(), reopened, error)) << error;
  EXPECT_TRUE(reopened.results == a.results);
  EXPECT_TRUE(reopened.runInput == a.runInput);
  EXPECT_EQ(reopened.input.layerCount, a.input.layerCount);
  EXPECT_EQ(reopened.input.layerElevation, a.input.layerElevation);
}

// A target that needs 22 calls, and one that needs three: the stored factor
// comes from repeated additions of 0.1.
TEST_F(RunDialogTest, CountsTheCallsOfTheLoop) {
  Project().input.targetFsDeepSeated = 1.5;
  EXPECT_EQ(Run(1, RunToTheEnd()), IDOK);
  EXPECT_EQ(Project().results.runCallCount, 3);
  EXPECT_EQ(Project().results.finalFsDirectSliding, 1.3000000000000003);

  Project().input.targetFsDeepSeated = 2.2;
  const Reference reference = FullCalls(Project().input, 1);
  EXPECT_EQ(Run(1, RunToTheEnd()), IDOK);
  EXPECT_EQ(Project().results.runCallCount, 22);
  EXPECT_EQ(Project().results.runCallCount, reference.calls);
  EXPECT_EQ(Project().results.finalFsDirectSliding, reference.finalFs);
  EXPECT_EQ(Project().results.deepSeatedFactor, reference.out->deepSeatedFactor);
  EXPECT_EQ(Project().results.layerRearX[0], reference.out->layerRearX[0]);
}

// A user-specified run keeps the layer table as the user gave it.
TEST_F(RunDialogTest, UserSpecifiedRunKeepsTheLayerTable) {
  ProjectInput& in = Project().input;
  in.layerCount = 3;
  in.layerElevation[1] = 2.0;
  in.layerElevation[2] = 4.0;
  in.layerElevation[3] = 5.0;  // a row beyond the table
  in.layerUltimateStrength[2] = 30.0;
  const ProjectInput before = in;
  EXPECT_EQ(Run(0, RunToTheEnd()), IDOK);
  EXPECT_EQ(in.runMode, 0);
  EXPECT_EQ(in.layerCount, 3);
  EXPECT_EQ(in.layerElevation, before.layerElevation);
  EXPECT_EQ(in.layerUltimateStrength, before.layerUltimateStrength);
  EXPECT_EQ(Project().results.resultLayerCount, 3);
  EXPECT_EQ(Project().runInput.layerElevation[3], 5.0);
  EXPECT_EQ(Project().runInput.runMode, 0);
  EXPECT_EQ(Project().results.layerLongTermStrength[2], 30.0 / 1.4 / 1.3 / 3.0);
}

// More than 100 layers: the zeroed outputs are stored as the 501 calls of the
// loop would store them, and the notice follows.
TEST_F(RunDialogTest, TooManyLayersStoresTheZeroedRunAndShowsTheNotice) {
  ProjectInput& in = Project().input;
  in.slopeHeight = 30.0;
  in.minSpacing = 0.15;
  in.maxSpacing = 0.16;
  in.layerCount = 5;
  in.layerElevation[4] = 3.0;
  EXPECT_EQ(Run(1, RunToTheEnd().Answer(Script().Enter())), IDOK);
  const fw::DialogRecord* notice = session.Find("IDD_TERMINATE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->depth, 1);
  EXPECT_EQ(notice->result, IDOK);
  EXPECT_EQ(notice->caption, "Program terminated");
  EXPECT_EQ(notice->background, fw::RGB(255, 0, 0));
  EXPECT_FALSE(notice->Visible(kDialogIdLabel));

  const AnalysisResults& r = Project().results;
  EXPECT_EQ(r.runCallCount, 501);
  double expected = 1.1;
  for (int k = 0; k < 500; ++k) expected = expected + 0.1;
  EXPECT_EQ(r.finalFsDirectSliding, expected);
  EXPECT_EQ(r.deepSeatedNotConducted, 1);
  EXPECT_EQ(r.resultLayerCount, 0);
  EXPECT_EQ(r.deepSeatedFactor, 0.0);
  EXPECT_EQ(r.layerRearX, LayerArray{});
  EXPECT_EQ(in.layerCount, 0);
  EXPECT_EQ(in.layerElevation, LayerArray{});
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

// No layer needs a force and the target is out of reach: the loop ends at
// call 501 by its stop test, without making the calls that would repeat the
// first.
TEST_F(RunDialogTest, NoLengthNeededEndsAtCall501) {
  ProjectInput& in = Project().input;
  in.reinforcedCohesion = in.backfillCohesion = in.foundationCohesion = 10.0;
  in.targetFsDeepSeated = 5.0;
  EXPECT_EQ(Run(1, RunToTheEnd()), IDOK);
  EXPECT_EQ(Project().results.runCallCount, 501);
  EXPECT_EQ(Project().results.deepSeatedNotConducted, 1);
  EXPECT_EQ(Project().results.directSlidingLength, 1e-5);
  EXPECT_TRUE(fakes.messageBox.Texts().empty());
}

// A target that is never reached: the run ends at the call limit, says so,
// and keeps the last call's results as a completed run.
TEST_F(RunDialogTest, CallLimitStoresTheLastCallAndSaysSo) {
  Project().input.targetFsDeepSeated = 100.0;
  EXPECT_EQ(Run(1, RunToTheEnd()), IDOK);
  const AnalysisResults& r = Project().results;
  EXPECT_EQ(r.runCallCount, 1000);
  EXPECT_EQ(r.deepSeatedNotConducted, 0);
  ASSERT_EQ(fakes.messageBox.Calls().size(), 1u);
  const std::string expected = Format(
      "The target factor of safety against deep-seated failure, 100.000, was not reached in 1000 analyses.\n\n"
      "The last analysis reached %.3f, with a factor of safety on direct sliding of %.2f. Its results are stored.",
      r.deepSeatedFactor * 1.3, r.finalFsDirectSliding);
  EXPECT_EQ(fakes.messageBox.Calls()[0].text, expected);
  EXPECT_EQ(fakes.messageBox.Calls()[0].icon, fw::MessageIcon::Warning);
  EXPECT_EQ(Project().inputChangedSinceRun, 1);  // the main menu clears it, not the run
}

// Cancel before a run, and Cancel while it goes on: nothing is stored, not
// even the run mode or the factor on soil strength of the run.
TEST_F(RunDialogTest, CancelStoresNothing) {
  ProjectInput& in = Project().input;
  in.runMode = 1;
  in.fsSoilStrength = 1.4;
  const ProjectData before = Project();
  EXPECT_EQ(Run(0, Script().Click(IDCANCEL)), IDCANCEL);
  EXPECT_TRUE(Project() == before);

  // 100 user layers and a target out of reach: a long run, cancelled at once.
  in.slopeHeight = 20.0;
  in.layerCount = kMaxLayers;
  for (int k = 0; k < kMaxLayers; ++k) in.layerElevation[k] = 0.19 * k;
  in.targetFsDeepSeated = 100.0;
  const ProjectData running = Project();
  const int result = Run(0, Script().Click(IDOK).RunTimers(150).Click(IDCANCEL).RunTimers(60000));
  EXPECT_EQ(result, IDCANCEL);
  const fw::DialogRecord& run = session.Records().back();
  EXPECT_FALSE(run.scriptRanOut);
  EXPECT_FALSE(run.Visible(IDOK));
  EXPECT_FALSE(run.Enabled(IDCANCEL));
  EXPECT_EQ(run.Text(res::kRunProgressTextId).rfind("Cancelling: the run stops after the analysis in progress ...\n", 0), 0u);
  EXPECT_FALSE(run.busyCursor);
  EXPECT_TRUE(Project() == running);
}

// The progress shows the calls made, the factor on direct sliding in use and
// the deep-seated factor of the last call.
TEST_F(RunDialogTest, ShowsHowTheRunGoes) {
  Project().input.targetFsDeepSeated = 100.0;
  std::string shownAtStart;
  CRunTervaneDlg dlg;
  session.Queue(Script().Click(IDOK).Inspect([&] { shownAtStart = dlg.GetText(res::kRunProgressTextId); })
                    .Inspect([&] { EXPECT_TRUE(dlg.IsRunning()); })
                    .RunTimers(120000));
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(shownAtStart, "Analyses made: 0     Fs on direct sliding: 1.10\nDeep-seated Fs: ...     target: 100.000");
  const fw::DialogRecord& run = session.Records().front();
  // The last progress shown before the run ended.
  EXPECT_EQ(run.Text(res::kRunProgressTextId).rfind("Analyses made: ", 0), 0u);
  EXPECT_NE(run.Text(res::kRunProgressTextId).find("\nDeep-seated Fs: "), std::string::npos);
}

// A run stores its outputs only when every number of them is finite.
TEST(RunInputs, OutputsAreFiniteLooksAtEveryOutput) {
  auto state = analysis::testing::NewState();
  auto out = analysis::testing::NewOutputs();
  analysis::RunSlopeAnalysis(*state, analysis::testing::DefaultProjectInputs(1), *out);
  EXPECT_TRUE(OutputsAreFinite(*out));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  double* spoiled[] = {&out->criticalCircleRadius, &out->deepSeatedFactor, &out->layerRearX[99],
                       &out->requiredTiebackStrength[0], &out->directSlidingWedgeY[2], &out->deepSeatedCircleX[50],
                       &out->tiebackSurfaceY[99][50], &out->layerCompoundSurfaceX[0][0], &out->lastCompoundEndAngle};
  for (double* value : spoiled) {
    for (double bad : {nan, inf, -inf}) {
      const double kept = *value;
      *value = bad;
      EXPECT_FALSE(OutputsAreFinite(*out));
      *value = kept;
    }
  }
  EXPECT_TRUE(OutputsAreFinite(*out));
}

}  // namespace
}  // namespace tervane
