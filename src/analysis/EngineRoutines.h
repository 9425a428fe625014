#pragma once
// The routines of one engine call. Each works on the one AnalysisState that the
// caller hands in; none allocates.

namespace tervane::analysis {

struct AnalysisState;

// Layer placement and tieback analysis.
void PlaceLayersOptimized(AnalysisState& s);
void AnalyzeSpecifiedLayers(AnalysisState& s);

// Compound slip surfaces and pullout lengths.
void FindCompoundSurfaceThroughToe(AnalysisState& s);
void FindCompoundSurfaceFromLayer(AnalysisState& s, int& compoundStartLayer);

// Direct sliding of the reinforced block along its base.
void AnalyzeDirectSliding(AnalysisState& s);

// Deep-seated failure: the critical circle by the simplified method of Bishop.
// Returns the smallest factor found.
double FindCriticalBishopCircle(AnalysisState& s);

}  // namespace tervane::analysis
