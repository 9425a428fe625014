#pragma once
// Working values of the deep-seated analysis, kept inside AnalysisState. The
// search starts them afresh at every call.

#include <cstdint>

#include "analysis/DeepSeatedGround.h"

namespace tervane::analysis {

inline constexpr int kBishopSlices = 50;
// Iterations of the factor of safety on one circle; a circle that has not
// settled by then keeps the factor of its last iteration.
inline constexpr int kMaxBishopIterations = 200;
// Cycles of the circle search; the search then ends at its current circle.
inline constexpr int kMaxBishopSearchCycles = 1000;

// What one search holds fixed: the ground and the soils as the evaluation of a
// circle sees them, with their tangents taken once.
struct BishopSetting {
  GroundProfile ground;
  double height = 0.0;
  double depthLimit = 0.0;        // D, the depth limit below the toe level
  double unitWeightAbove = 0.0;   // soil above the toe level
  double cohesionAbove = 0.0;
  double tanPhiAbove = 0.0;
  double unitWeightBelow = 0.0;   // foundation soil
  double cohesionBelow = 0.0;
  double tanPhiBelow = 0.0;
  double cohesionAtLimit = 0.0;   // at or below the depth limit
  double tanPhiAtLimit = 0.0;
  double poreCoefficient = 0.0;
  double waterUnitWeight = 0.0;
  int phreaticGiven = 0;
  double onePlusKv = 1.0;
  double kh = 0.0;
};

// One evaluated circle.
struct BishopCircle {
  double x1 = 0.0;
  double x2 = 0.0;
  double yc = 0.0;
  double xc = 0.0;
  double radius = 0.0;
  double factor = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  double cutElevation = 0.0;
  int admissible = 0;  // factor finite and positive
};

struct DeepSeatedWork {
  BishopSetting setting;
  // Factor of the latest admissible evaluation; the next evaluation starts its
  // iteration from it.
  double lastBishopFactor = 1.0;

  // The evaluation in progress: its arc, its cut elevation, and per slice
  // below the ground the resisting term, cos(alpha) and tan(phi) * sin(alpha).
  double arcStartAngle = 0.0;
  double arcEndAngle = 0.0;
  double cutElevation = 0.0;
  int sliceCount = 0;
  double sliceResisting[kBishopSlices] = {};
  double sliceCosAlpha[kBishopSlices] = {};
  double sliceTanPhiSinAlpha[kBishopSlices] = {};
  double drivingSum = 0.0;
  int depthLimitMet = 0;
  int iterations = 0;

  // The search.
  BishopCircle current;
  BishopCircle best;  // the admissible circle with the smallest factor seen
  double stepX1 = 0.0;
  double stepX2 = 0.0;
  double stepYc = 0.0;
  int cycles = 0;
  int stillCycles = 0;
  int searchLimitReached = 0;
  std::int64_t iterationLimitHits = 0;
  int depthLimitedCircleUsed = 0;
};

}  // namespace tervane::analysis
