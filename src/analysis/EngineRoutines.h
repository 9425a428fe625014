#pragma once
// The routines of one engine call. Each works on the one AnalysisState that the
// caller hands in; none allocates.

namespace tervane::analysis {

struct AnalysisState;

// Layer placement and tieback analysis.
void PlaceLayersOptimized(AnalysisState& s);
void AnalyzeSpecifiedLayers(AnalysisState& s);
// The critical tieback spiral of layer currentLayer, whose point on the face
// is (currentFaceX, currentElevation); the layers above it keep their forces.
void FindCriticalTiebackSpiral(AnalysisState& s);

// Compound slip surfaces and pullout lengths.
void FindCompoundSurfaceThroughToe(AnalysisState& s);
void FindCompoundSurfaceFromLayer(AnalysisState& s, int& compoundStartLayer);
// La and Le of layer lastCompoundLayer on the spiral fitted last.
void ComputePulloutLengths(AnalysisState& s);

// Direct sliding of the reinforced block along its base.
void AnalyzeDirectSliding(AnalysisState& s);

// Deep-seated failure: the critical circle by the simplified method of Bishop.
// Returns the smallest factor found.
double FindCriticalBishopCircle(AnalysisState& s);

}  // namespace tervane::analysis
