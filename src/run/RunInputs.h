#pragma once
// The engine's arguments formed from the project input, and what a completed
// run stores back into the project.

#include "analysis/Engine.h"
#include "analysis/RunLoop.h"
#include "model/ProjectData.h"

namespace tervane {

// Degrees to radians as the run converts them (pi taken as 3.14159265359).
inline constexpr double kRunDegreeToRadian = 0.017453292519944444;

// The engine inputs of a run in `runMode` (1 optimised, 0 user-specified
// layers) from `input`, for its first call: the factor of safety on direct
// sliding is that of the input.
analysis::EngineInputs FormEngineInputs(const ProjectInput& input, int runMode);

// What the run loop is given: the start and target values of `input`.
analysis::RunLoopSettings FormRunLoopSettings(const ProjectInput& input);

// True when every number of the outputs is finite: only then may a run store them.
bool OutputsAreFinite(const analysis::EngineOutputs& out);

// Stores a completed run: runMode of input; in an optimised run the layout
// (all kMaxLayers rows and layerCount) into input; the snapshot runInput by
// the copy rule with the long-term strengths; every output into results with
// the loop values. `startFsSoilStrength` and `targetFsDeepSeated` are the
// values of input as the run started.
void StoreCompletedRun(ProjectData& project, int runMode, double startFsSoilStrength,
                       double targetFsDeepSeated, const analysis::EngineOutputs& out,
                       const analysis::RunLoopResult& loop);

}  // namespace tervane
