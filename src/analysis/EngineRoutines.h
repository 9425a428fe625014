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
// La of layer lastCompoundLayer on the spiral fitted last, and its crossing
// of that spiral. Its Le is only marked as still to be worked out: of all the
// surfaces a layer meets, only the one it keeps in the end needs its Le, and
// every input of the march stays the same while the surfaces are searched.
void ComputePulloutLengths(AnalysisState& s);
// Le of every layer so marked, marched out behind the crossing it kept.
void ResolveEmbeddedLengths(AnalysisState& s);

// Direct sliding of the reinforced block along its base.
void AnalyzeDirectSliding(AnalysisState& s);

// Deep-seated failure: the critical circle by the simplified method of Bishop.
// Returns the smallest factor found.
double FindCriticalBishopCircle(AnalysisState& s);

}  // namespace tervane::analysis
