// The loop of a run: its bookkeeping, its ends, and that the results it keeps
// are bit for bit those of the loop that repeats full engine calls.
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "analysis/RunLoop.h"
#include "support/engine_fixtures.h"
#include "support/random_projects.h"

namespace tervane::analysis {
namespace {

using testing::DefaultProjectInputs;
using testing::NewOutputs;
using testing::NewState;

// The loop as first written: a full engine call per factor, the outputs read
// after each call.
struct FullCallRun {
  std::unique_ptr<EngineOutputs> out = NewOutputs();
  int callCount = 0;
  double finalFsDirectSliding = 0.0;
  int stop = 0;
};

FullCallRun RunWithFullCalls(EngineInputs in, const RunLoopSettings& settings) {
  FullCallRun run;
  auto state = NewState();
  double current = settings.startFsDirectSliding;
  run.finalFsDirectSliding = current;
  while (run.out->deepSeatedFactor * settings.fsSoilStrength < settings.targetFsDeepSeated &&
         run.stop == 0 && run.callCount < settings.callLimit) {
    in.currentFsDirectSliding = current;
    RunSlopeAnalysis(*state, in, *run.out);
    run.callCount += 1;
    run.finalFsDirectSliding = current;
    current = current + 0.1;
    if (run.callCount > 500 && run.out->directSlidingLength < 2e-5 &&
        run.out->maxTiebackCompoundLength < 1e-5)
      run.stop = 1;
  }
  return run;
}

RunLoopSettings Settings(double target, double startFs = 1.1, int callLimit = kRunCallLimit) {
  RunLoopSettings s;
  s.startFsDirectSliding = startFs;
  s.fsSoilStrength = 1.3;
  s.targetFsDeepSeated = target;
  s.callLimit = callLimit;
  return s;
}

// Runs both loops and compares everything they keep; returns the new loop's result.
RunLoopResult ExpectSameAsFullCalls(const EngineInputs& in, const RunLoopSettings& settings,
                                    const std::string& what) {
  const FullCallRun reference = RunWithFullCalls(in, settings);
  auto state = NewState();
  auto out = NewOutputs();
  RunProgress progress;
  const RunLoopResult result = RunAnalysisLoop(*state, in, *out, settings, &progress);
  EXPECT_EQ(result.callCount, reference.callCount) << what;
  EXPECT_EQ(std::memcmp(&result.finalFsDirectSliding, &reference.finalFsDirectSliding, sizeof(double)), 0)
      << what;
  EXPECT_EQ(result.deepSeatedNotConducted, reference.stop) << what;
  EXPECT_EQ(std::memcmp(out.get(), reference.out.get(), sizeof(EngineOutputs)), 0) << what;
  EXPECT_EQ(progress.callsMade.load(), result.callCount) << what;
  return result;
}

EngineInputs HundredUserLayers() {
  EngineInputs in = DefaultProjectInputs(0);
  in.slopeHeight = 20.0;
  in.layerCount = kMaxLayers;
  for (int k = 0; k < kMaxLayers; ++k) {
    in.layerElevation[k] = 0.2 * k;
    in.layerDesignStrength[k] = 40.0;
  }
  return in;
}

// Strong soils: no layer needs a tieback force.
EngineInputs NoForceNeeded(int runMode) {
  EngineInputs in = DefaultProjectInputs(runMode);
  in.reinforcedDesignCohesion = in.backfillDesignCohesion = in.foundationDesignCohesion = 10.0 / 1.3;
  if (runMode == 0) {
    in.layerCount = 3;
    in.layerElevation[1] = 2.0;
    in.layerElevation[2] = 4.0;
  }
  return in;
}

TEST(RunLoop, CountsCallsAndAddsTheStepRepeatedly) {
  // The default project reaches 1.4445 at the first call, 1.5208 at the third.
  const RunLoopResult one = ExpectSameAsFullCalls(DefaultProjectInputs(1), Settings(1.1), "first call");
  EXPECT_EQ(one.end, RunEnd::kTargetReached);
  EXPECT_EQ(one.callCount, 1);
  EXPECT_EQ(one.finalFsDirectSliding, 1.1);

  const RunLoopResult three = ExpectSameAsFullCalls(DefaultProjectInputs(1), Settings(1.5), "three calls");
  EXPECT_EQ(three.end, RunEnd::kTargetReached);
  EXPECT_EQ(three.callCount, 3);
  EXPECT_EQ(three.finalFsDirectSliding, 1.3000000000000003);
  EXPECT_GE(three.deepSeatedFs, 1.5);
  EXPECT_EQ(three.deepSeatedNotConducted, 0);
}

// Projects that need several calls, each run both ways.
TEST(RunLoop, KeepsTheOutputsOfRepeatedFullCalls) {
  ExpectSameAsFullCalls(DefaultProjectInputs(1), Settings(2.2), "default project, 22 calls");
  EngineInputs linear = DefaultProjectInputs(1);
  linear.lengthLayout = 1;
  ExpectSameAsFullCalls(linear, Settings(1.9), "linear lengths");
  EngineInputs minimum = DefaultProjectInputs(1);
  minimum.lengthLayout = 2;
  ExpectSameAsFullCalls(minimum, Settings(1.9), "minimum lengths");
  ExpectSameAsFullCalls(HundredUserLayers(), Settings(1.0, 1.1, 12), "100 user layers");
  EngineInputs hundred = HundredUserLayers();
  const FullCallRun first = RunWithFullCalls(hundred, Settings(0.5, 1.1, 1));
  ExpectSameAsFullCalls(hundred, Settings(first.out->deepSeatedFactor * 1.3 + 0.1, 1.1, 30),
                        "100 user layers, raised target");
}

TEST(RunLoop, KeepsTheOutputsOfRepeatedFullCallsOnRandomProjects) {
  testing::RandomProjects projects(20240517);
  int severalCalls = 0;
  for (int p = 0; p < 24; ++p) {
    EngineInputs in = projects.Next();
    in.runDeepSeated = 1;
    // A target a little above what the first call reaches.
    const FullCallRun first = RunWithFullCalls(in, Settings(1e300, in.currentFsDirectSliding, 1));
    const double target = first.out->deepSeatedFactor * 1.3 * 1.05;
    const RunLoopResult r =
        ExpectSameAsFullCalls(in, Settings(target, in.currentFsDirectSliding, 10), "project " + std::to_string(p));
    if (r.callCount > 1) ++severalCalls;
  }
  EXPECT_GE(severalCalls, 12);
}

TEST(RunLoop, StopsWhenNoLengthIsNeeded) {
  // The target is never met and no length is needed: the stop test ends the
  // loop at call 501, every call after the first giving the same results.
  const RunLoopResult r = ExpectSameAsFullCalls(NoForceNeeded(0), Settings(5.0), "no force");
  EXPECT_EQ(r.end, RunEnd::kNoLengthNeeded);
  EXPECT_EQ(r.callCount, 501);
  EXPECT_EQ(r.deepSeatedNotConducted, 1);
  // Met at the first call, the same project ends at once.
  EXPECT_EQ(ExpectSameAsFullCalls(NoForceNeeded(1), Settings(1.1), "no force, met").callCount, 1);
}

TEST(RunLoop, TooManyLayersCountsTheCallsTheEngineWouldMake) {
  EngineInputs in = DefaultProjectInputs(1);
  in.minSpacing = 0.05;  // 120 layers of 0.05 m
  in.maxSpacingWithTolerance = 0.05 / 100 + 0.05;
  auto state = NewState();
  auto out = NewOutputs();
  const RunLoopResult r = RunAnalysisLoop(*state, in, *out, Settings(1.1), nullptr);
  EXPECT_EQ(r.end, RunEnd::kNoLengthNeeded);
  EXPECT_EQ(r.callCount, 501);
  EXPECT_EQ(r.deepSeatedNotConducted, 1);
  double expected = 1.1;
  for (int k = 0; k < 500; ++k) expected = expected + 0.1;
  EXPECT_EQ(r.finalFsDirectSliding, expected);
  EXPECT_EQ(out->engineStatus, kStatusTooManyLayers);
  auto zero = NewOutputs();
  zero->engineStatus = kStatusTooManyLayers;
  EXPECT_EQ(std::memcmp(out.get(), zero.get(), sizeof(EngineOutputs)), 0);
}

TEST(RunLoop, EndsAtTheCallLimit) {
  const RunLoopResult r = ExpectSameAsFullCalls(DefaultProjectInputs(1), Settings(100.0, 1.1, 30), "limit");
  EXPECT_EQ(r.end, RunEnd::kCallLimit);
  EXPECT_EQ(r.callCount, 30);
  EXPECT_EQ(r.deepSeatedNotConducted, 0);
  EXPECT_LT(r.deepSeatedFs, 100.0);
  EXPECT_GT(r.deepSeatedFs, 2.0);
}

TEST(RunLoop, CancelledBeforeACallMakesNoMore) {
  auto state = NewState();
  auto out = NewOutputs();
  RunProgress progress;
  progress.cancel = true;
  const RunLoopResult r = RunAnalysisLoop(*state, DefaultProjectInputs(1), *out, Settings(2.2), &progress);
  EXPECT_EQ(r.end, RunEnd::kCancelled);
  EXPECT_EQ(r.callCount, 0);
  EXPECT_EQ(out->resultLayerCount, 0);
}

}  // namespace
}  // namespace tervane::analysis
