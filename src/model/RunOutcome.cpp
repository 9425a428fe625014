#include "model/RunOutcome.h"

namespace tervane {

bool DeepSeatedConducted(const AnalysisResults& results) { return results.deepSeatedNotConducted == 0; }

double DeepSeatedFs(const ProjectInput& runInput, const AnalysisResults& results) {
  return runInput.fsSoilStrength * results.deepSeatedFactor;
}

bool DeepSeatedTargetMet(const ProjectInput& runInput, const AnalysisResults& results) {
  return DeepSeatedFs(runInput, results) >= runInput.targetFsDeepSeated;
}

bool DeepSeatedTargetMissed(const ProjectInput& runInput, const AnalysisResults& results) {
  return results.runCallCount > 0 && DeepSeatedConducted(results) && !DeepSeatedTargetMet(runInput, results);
}

bool RaisedTargetRemarkApplies(const ProjectInput& runInput, const AnalysisResults& results) {
  return results.runCallCount > 1 && DeepSeatedConducted(results) && DeepSeatedTargetMet(runInput, results);
}

}  // namespace tervane
