// Direct sliding: placeholder until the analysis is written.
#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis {

void AnalyzeDirectSliding(AnalysisState&) {}

}  // namespace tervane::analysis
