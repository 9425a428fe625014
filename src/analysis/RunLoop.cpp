// The loop of a run.
#include "analysis/RunLoop.h"

#include <cstring>
#include <type_traits>

namespace tervane::analysis {

RunLoopResult RunAnalysisLoop(AnalysisState& state, const EngineInputs& in, EngineOutputs& out,
                              const RunLoopSettings& settings, RunProgress* progress) {
  static_assert(std::is_trivially_copyable_v<EngineOutputs>);
  std::memset(static_cast<void*>(&out), 0, sizeof(EngineOutputs));

  RunLoopResult result;
  result.finalFsDirectSliding = settings.startFsDirectSliding;
  double current = settings.startFsDirectSliding;
  // What the loop reads of the outputs of the last call.
  double deepSeatedFactor = 0.0;
  double directSlidingLength = 0.0;
  double maxTiebackCompoundLength = 0.0;

  bool prepared = false;
  bool tooManyLayers = false;
  // Every further call would give the outputs of the last one: the layout
  // needs too many layers (no call writes anything), or no layer needs a
  // force (the results do not depend on the factor). The bookkeeping of the
  // calls goes on without making them.
  bool repeatsLastCall = false;
  int stop = 0;

  while (deepSeatedFactor * settings.fsSoilStrength < settings.targetFsDeepSeated && stop == 0) {
    if (result.callCount >= settings.callLimit) {
      result.end = RunEnd::kCallLimit;
      break;
    }
    if (progress != nullptr && progress->cancel.load()) {
      result.end = RunEnd::kCancelled;
      return result;
    }
    if (!repeatsLastCall) {
      if (progress != nullptr) progress->fsDirectSliding.store(current);
      if (!prepared) {
        prepared = true;
        if (!PrepareSlopeAnalysis(state, in, out)) {
          tooManyLayers = true;
          repeatsLastCall = true;
        }
      }
      if (!tooManyLayers) {
        AnalyzeWithDirectSlidingFactor(state, current);
        deepSeatedFactor = state.deepSeatedFactor;
        directSlidingLength = state.directSlidingLength;
        maxTiebackCompoundLength = state.maxTiebackCompoundLength;
        if (NoLayerNeedsForce(state)) repeatsLastCall = true;
      }
    }
    result.callCount += 1;
    result.finalFsDirectSliding = current;
    current = current + 0.1;
    if (result.callCount > 500 && directSlidingLength < 2e-5 && maxTiebackCompoundLength < 1e-5) stop = 1;
    if (progress != nullptr) {
      progress->deepSeatedFs.store(deepSeatedFactor * settings.fsSoilStrength);
      progress->callsMade.store(result.callCount);
    }
  }
  if (stop != 0) result.end = RunEnd::kNoLengthNeeded;
  result.deepSeatedNotConducted = stop;
  result.deepSeatedFs = deepSeatedFactor * settings.fsSoilStrength;
  if (prepared && !tooManyLayers) CopySlopeAnalysisOutputs(state, out);
  return result;
}

}  // namespace tervane::analysis
