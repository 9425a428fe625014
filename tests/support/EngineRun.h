#pragma once
// A run of the engine for tests: the project's input run the way the run
// dialog runs it (the engine inputs formed from the input, the loop on the
// factor of safety against direct sliding) and stored the way a completed run
// stores it (the results, the layout of an optimised run written back into
// the input, the snapshot of the input).

#include <gtest/gtest.h>

#include <memory>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "analysis/RunLoop.h"
#include "run/RunInputs.h"
#include "model/ProjectData.h"

namespace tervane::testsupport {

// Runs data.input in `runMode` with at most `callLimit` engine calls and
// stores the run into `data`.
inline analysis::RunLoopResult RunAndStore(ProjectData& data, int runMode, int callLimit) {
  const double startFsSoilStrength = data.input.fsSoilStrength;
  const double targetFsDeepSeated = data.input.targetFsDeepSeated;
  auto state = std::make_unique<analysis::AnalysisState>();
  auto in = std::make_unique<analysis::EngineInputs>(FormEngineInputs(data.input, runMode));
  auto out = std::make_unique<analysis::EngineOutputs>();
  analysis::RunLoopSettings settings = FormRunLoopSettings(data.input);
  settings.callLimit = callLimit;
  const analysis::RunLoopResult loop = analysis::RunAnalysisLoop(*state, *in, *out, settings, nullptr);
  StoreCompletedRun(data, runMode, startFsSoilStrength, targetFsDeepSeated, *out, loop);
  return loop;
}

// One engine call for data.input in its own run mode, at the input's factor
// of safety against direct sliding, stored as a run of that one call.
inline void RunProject(ProjectData& data) { RunAndStore(data, data.input.runMode, 1); }

// A whole run of data.input in `runMode`, stored. Fails the test when the
// loop reaches its call limit before the deep-seated target.
inline void RunProject(ProjectData& data, int runMode) {
  const analysis::RunLoopResult loop = RunAndStore(data, runMode, analysis::kRunCallLimit);
  if (loop.end == analysis::RunEnd::kCallLimit) ADD_FAILURE() << "the fixture run does not reach its deep-seated target";
}

}  // namespace tervane::testsupport
