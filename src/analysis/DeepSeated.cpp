// Deep-seated analysis: placeholder until the analysis is written.
#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis {

double FindCriticalBishopCircle(AnalysisState&) { return 0.0; }

}  // namespace tervane::analysis
