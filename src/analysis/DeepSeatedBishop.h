#pragma once
// Evaluation of one circle by the simplified method of Bishop.

namespace tervane::analysis {

struct AnalysisState;

// Modes of an evaluation.
inline constexpr int kBishopModeNext = 0;            // starts from the last factor
inline constexpr int kBishopModeDepthLimited = 50;   // the depth-limited circle
inline constexpr int kBishopModeFirst = 100;         // first circle of a search

// Evaluates the circle that crosses the toe level at x1 and x2 and has its centre
// at elevation yc. Writes the centre x, the radius and the factor of safety; the
// depth-limited form (mode 50, when an evaluation has met the depth limit) also
// rewrites yc. mode becomes 0 unless it is 50. The arc's start and end angles
// and the cut elevation are left in s.deepSeatedWork. The soil above the toe
// level is read from reinforcedUnitWeight and reinforcedDesignPhi, which the
// search sets to the mean unit weight and the backfill's friction angle.
// A factor that is not finite or not positive marks the circle inadmissible.
void EvaluateBishopCircle(AnalysisState& s, double x1, double x2, double& yc, double& xc,
                          double& radius, double& factor, int& mode);

}  // namespace tervane::analysis
