// The engine driver: one call runs the whole analysis of one project.
#include "analysis/Engine.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "analysis/EngineRoutines.h"
#include "analysis/LogSpiral.h"

namespace tervane::analysis {

namespace {

template <typename T, int N>
void Clear(T (&values)[N]) {
  std::fill(values, values + N, T{});
}

template <typename T, int R, int C>
void Clear(T (&values)[R][C]) {
  for (int r = 0; r < R; ++r) std::fill(values[r], values[r] + C, T{});
}

// Every working value of a call starts afresh, so that the results depend on
// the inputs alone. Kept: the deep-seated results (a call that skips that
// analysis reports those of the last call that ran it) and the working
// records of direct sliding and of the deep-seated search.
void ResetCallState(AnalysisState& s) {
  s.cotSlopeAngle = 0.0;
  s.layerCount = 0;
  s.currentLayer = 0;
  Clear(s.layerElevation);
  Clear(s.layerFaceX);
  Clear(s.layerTiebackForce);
  Clear(s.tiebackTr);
  Clear(s.requiredTiebackStrengthFloored);
  Clear(s.layerStrength);
  Clear(s.controllingMode);
  Clear(s.lengthToSlipSurface);
  Clear(s.embeddedLength);
  Clear(s.slipSurfaceCrossingX);
  Clear(s.layerFrontX);
  Clear(s.layerRearX);
  s.layerLimitExceeded = 0;

  s.currentElevation = 0.0;
  s.currentFaceX = 0.0;
  s.spiralAngleA = 0.0;
  s.spiralAngleB = 0.0;
  s.spiralPoleX = 0.0;
  s.spiralPoleY = 0.0;
  s.spiralInitialRadius = 0.0;
  Clear(s.surfaceTraceX);
  Clear(s.surfaceTraceY);
  s.tiebackWarmStart = 0;
  s.depthLimitReached = 0;
  s.compoundFrictionAngle = 0.0;
  Clear(s.pulloutTraceX);
  Clear(s.pulloutTraceY);
  s.toeSearchMemory = {};
  s.layerSearchMemory = {};
  Clear(s.compoundSavedTiebackForce);

  Clear(s.outermostTiebackSurfaceX);
  Clear(s.outermostTiebackSurfaceY);
  Clear(s.tiebackSurfaceX);
  Clear(s.tiebackSurfaceY);
  Clear(s.toeCompoundSurfaceX);
  Clear(s.toeCompoundSurfaceY);
  Clear(s.layerCompoundSurfaceX);
  Clear(s.layerCompoundSurfaceY);
  s.lastCompoundLayer = 0;
  s.lastCompoundStartAngle = 0.0;
  s.lastCompoundEndAngle = 0.0;
  s.directSlidingLength = 0.0;
  Clear(s.directSlidingWedgeX);
  Clear(s.directSlidingWedgeY);
  s.maxTiebackCompoundLength = 0.0;
  s.bishopSearchStartX = 0.0;

  Clear(s.savedTiebackForce);
  Clear(s.savedLengthToSlipSurface);
  Clear(s.savedEmbeddedLength);
  Clear(s.savedSlipSurfaceCrossingX);
  Clear(s.savedSurfaceTraceX);
  Clear(s.savedSurfaceTraceY);
  s.compoundStartLayer = 0;

  s.tiebackSpiralsEvaluated = 0;
  s.bishopCirclesEvaluated = 0;
}

void StoreInputs(AnalysisState& s, const EngineInputs& in) {
  s.bottomSlopeAngleRad = in.bottomSlopeAngleRad;
  s.slopeHeight = in.slopeHeight;
  s.slopeAngle = in.slopeAngle;
  s.crestLengthA = in.crestLengthA;
  s.crestLengthB = in.crestLengthB;
  s.backslopeAngleRad = in.backslopeAngleRad;
  s.surchargeQ1 = in.surchargeQ1;
  s.surchargeQ2 = in.surchargeQ2;
  s.surchargeQ3 = in.surchargeQ3;
  s.phreaticSurfaceGiven = in.phreaticSurfaceGiven;
  s.poreWaterCoefficient = in.poreWaterCoefficient;
  s.waterUnitWeight = in.waterUnitWeight;
  s.phreaticX2 = in.phreaticX2;
  s.phreaticY2 = in.phreaticY2;
  s.phreaticX3 = in.phreaticX3;
  s.phreaticY3 = in.phreaticY3;
  s.phreaticX4 = in.phreaticX4;
  s.phreaticY4 = in.phreaticY4;
  s.reinforcedUnitWeight = in.reinforcedUnitWeight;
  s.reinforcedDesignPhi = in.reinforcedDesignPhi;
  s.reinforcedDesignCohesion = in.reinforcedDesignCohesion;
  s.backfillUnitWeight = in.backfillUnitWeight;
  s.backfillDesignPhi = in.backfillDesignPhi;
  s.backfillDesignCohesion = in.backfillDesignCohesion;
  s.foundationUnitWeight = in.foundationUnitWeight;
  s.foundationDesignPhi = in.foundationDesignPhi;
  s.foundationDesignCohesion = in.foundationDesignCohesion;
  s.interwedgeAngleRad = in.interwedgeAngleRad;
  s.designPulloutCoefficientReinforced = in.designPulloutCoefficientReinforced;
  s.designPulloutCoefficientFoundation = in.designPulloutCoefficientFoundation;
  const double rc = in.coverageRatio;
  s.effectiveSlidingCoefficientReinforced = (in.slidingCoefficientReinforced * rc + 1.0) - rc;
  s.effectiveSlidingCoefficientFoundation = (in.slidingCoefficientFoundation * rc + 1.0) - rc;
  s.lengthLayout = in.lengthLayout;
  s.seismicKv = in.seismicKv;
  s.appliedSeismicKh = in.appliedSeismicKh;
  s.seismicOnReinforcedMass = in.seismicOnReinforcedMass;
  s.penetrationForbidden = in.penetrationForbidden;
  s.runDeepSeated = in.runDeepSeated;
  s.maxPenetrationDepth = in.maxPenetrationDepth;
  s.maxSpacingWithTolerance = in.maxSpacingWithTolerance;
  s.minSpacing = in.minSpacing;
  s.bottomLayerHeight = in.bottomLayerHeight;
  s.coverageRatio = rc;
  s.currentFsDirectSliding = in.currentFsDirectSliding;
  s.orientationMode = in.orientationMode;
  s.orientationValue = in.orientationValue;
  s.runMode = in.runMode;

  s.degreeToRadian = logspiral::kDegree;
  s.phreaticPointX[0] = 0.0;
  s.phreaticPointY[0] = 0.0;
  s.phreaticPointX[1] = in.phreaticX2;
  s.phreaticPointY[1] = in.phreaticY2;
  s.phreaticPointX[2] = in.phreaticX3;
  s.phreaticPointY[2] = in.phreaticY3;
  s.phreaticPointX[3] = in.phreaticX4;
  s.phreaticPointY[3] = in.phreaticY4;
  for (int k = 0; k < 3; ++k) {
    if (s.phreaticSurfaceGiven == 0) {
      s.phreaticSegmentSlope[k] = 0.0;
      continue;
    }
    double dx = s.phreaticPointX[k + 1] - s.phreaticPointX[k];
    if (dx < 0.0010000000474974513) dx = 0.0010000000474974513;
    s.phreaticSegmentSlope[k] = (s.phreaticPointY[k + 1] - s.phreaticPointY[k]) / dx;
  }

  if (s.runMode == 0) {
    // A count outside the table is held to it.
    s.layerCount = std::clamp(in.layerCount, 0, kMaxLayers);
    for (int k = 1; k <= kMaxLayers; ++k) {
      s.layerElevation[k] = in.layerElevation[k - 1];
      s.layerStrength[k] = in.layerDesignStrength[k - 1];
    }
  }
}

double FloorTiny(double value) { return std::fabs(value) <= 1e-5 ? 1e-5 : value; }

void SetLayerEnds(AnalysisState& s, double length) {
  const int n = s.layerCount;
  const double h = s.slopeHeight;
  // Elevations, their rise above layer 1, the span of the layout and the
  // height above layer 1, each kept 1e-5 away from 0; the rises, the span
  // and the height are taken from the kept elevations.
  const double z1 = FloorTiny(s.layerElevation[1]);
  const double span = FloorTiny(FloorTiny(s.layerElevation[n]) - z1);
  const double heightAbove = FloorTiny(h - z1);
  const double maxLength = s.maxTiebackCompoundLength;
  for (int k = 1; k <= n; ++k) {
    const double front = s.layerFaceX[k];
    s.layerFrontX[k] = front;
    const double rise = FloorTiny(FloorTiny(s.layerElevation[k]) - z1);
    if (s.lengthLayout == 0 || n == 1) {
      s.layerRearX[k] = length + front;
    } else if (s.lengthLayout == 2) {
      const double own = s.lengthToSlipSurface[k] + s.embeddedLength[k];
      const double sliding = (1 - rise / heightAbove) * s.directSlidingLength;
      s.layerRearX[k] = front + std::max(own, sliding);
    } else if (std::fabs(maxLength - length) <= h / 1000) {
      s.layerRearX[k] = length + front;
    } else {
      s.layerRearX[k] = (length - rise * (length - maxLength) / span) + front;
    }
  }
}

// Per-layer entries beyond the layer count and surface rows beyond the last
// layer hold nothing.
void ClearBeyondLayerCount(AnalysisState& s) {
  const int first = s.layerCount + 1;
  for (int k = first; k <= kMaxLayers; ++k) {
    s.layerElevation[k] = 0.0;
    s.layerFaceX[k] = 0.0;
    s.layerTiebackForce[k] = 0.0;
    s.layerStrength[k] = 0.0;
    for (int p = 0; p < kSurfacePoints; ++p) {
      s.tiebackSurfaceX[k][p] = 0.0;
      s.tiebackSurfaceY[k][p] = 0.0;
    }
  }
}

template <typename T>
void CopyLayers(T* out, const T* state) {
  std::copy(state + 1, state + 1 + kMaxLayers, out);
}

void CopyOut(const AnalysisState& s, EngineOutputs& out) {
  out.criticalCircleX = s.criticalCircleX;
  out.criticalCircleY = s.criticalCircleY;
  out.criticalCircleRadius = s.criticalCircleRadius;
  CopyLayers(out.requiredTiebackStrength.data(), s.layerTiebackForce);
  CopyLayers(out.resultLayerElevation.data(), s.layerElevation);
  CopyLayers(out.layerFaceX.data(), s.layerFaceX);
  out.resultLayerCount = s.layerCount;
  out.engineLayerCursor = s.currentLayer;
  CopyLayers(out.layerFrontX.data(), s.layerFrontX);
  CopyLayers(out.layerRearX.data(), s.layerRearX);
  CopyLayers(out.requiredTiebackStrengthFloored.data(), s.requiredTiebackStrengthFloored);
  std::copy(std::begin(s.outermostTiebackSurfaceX), std::end(s.outermostTiebackSurfaceX),
            out.outermostTiebackSurfaceX.data());
  std::copy(std::begin(s.outermostTiebackSurfaceY), std::end(s.outermostTiebackSurfaceY),
            out.outermostTiebackSurfaceY.data());
  CopyLayers(out.availableCompoundStrength.data(), s.layerStrength);
  CopyLayers(out.controllingMode.data(), s.controllingMode);
  CopyLayers(out.tiebackTr.data(), s.tiebackTr);
  out.lastCompoundLayer = s.lastCompoundLayer;
  out.lastCompoundStartAngle = s.lastCompoundStartAngle;
  out.lastCompoundEndAngle = s.lastCompoundEndAngle;
  CopyLayers(out.embeddedLength.data(), s.embeddedLength);
  CopyLayers(out.lengthToSlipSurface.data(), s.lengthToSlipSurface);
  out.directSlidingLength = s.directSlidingLength;
  out.maxTiebackCompoundLength = s.maxTiebackCompoundLength;
  out.deepSeatedFactor = s.deepSeatedFactor;
  std::copy(std::begin(s.surfaceTraceX), std::end(s.surfaceTraceX),
            out.outermostCompoundSurfaceX.data());
  std::copy(std::begin(s.surfaceTraceY), std::end(s.surfaceTraceY),
            out.outermostCompoundSurfaceY.data());
  std::copy(std::begin(s.directSlidingWedgeX), std::end(s.directSlidingWedgeX),
            out.directSlidingWedgeX.data());
  std::copy(std::begin(s.directSlidingWedgeY), std::end(s.directSlidingWedgeY),
            out.directSlidingWedgeY.data());
  std::copy(std::begin(s.deepSeatedCircleX), std::end(s.deepSeatedCircleX),
            out.deepSeatedCircleX.data());
  std::copy(std::begin(s.deepSeatedCircleY), std::end(s.deepSeatedCircleY),
            out.deepSeatedCircleY.data());
  out.deepSeatedCutElevation = s.deepSeatedCutElevation;
}

// The six surface tables, row k to output row k - 1. The optimised layout
// fills the tieback table top layer first, so in that mode its rows 1..N are
// handed out in reverse (rather than reversed in place).
void CopyTables(const AnalysisState& s, EngineOutputs& out) {
  const int n = s.layerCount;
  for (int row = 1; row <= kMaxLayers; ++row) {
    const int from = (s.runMode == 1 && row <= n) ? n + 1 - row : row;
    std::copy(s.tiebackSurfaceX[from], s.tiebackSurfaceX[from] + kSurfacePoints,
              out.tiebackSurfaceX[row - 1].data());
    std::copy(s.tiebackSurfaceY[from], s.tiebackSurfaceY[from] + kSurfacePoints,
              out.tiebackSurfaceY[row - 1].data());
  }
  for (int row = 1; row <= kMaxLayers; ++row) {
    std::copy(s.toeCompoundSurfaceX[row], s.toeCompoundSurfaceX[row] + kSurfacePoints,
              out.toeCompoundSurfaceX[row - 1].data());
    std::copy(s.toeCompoundSurfaceY[row], s.toeCompoundSurfaceY[row] + kSurfacePoints,
              out.toeCompoundSurfaceY[row - 1].data());
    std::copy(s.layerCompoundSurfaceX[row], s.layerCompoundSurfaceX[row] + kSurfacePoints,
              out.layerCompoundSurfaceX[row - 1].data());
    std::copy(s.layerCompoundSurfaceY[row], s.layerCompoundSurfaceY[row] + kSurfacePoints,
              out.layerCompoundSurfaceY[row - 1].data());
  }
}

double FlooredForce(double force) { return force > 0.0 ? force : 1e-10; }

}  // namespace

bool PrepareSlopeAnalysis(AnalysisState& s, const EngineInputs& in, EngineOutputs& out) {
  // 1. Inputs.
  ResetCallState(s);
  StoreInputs(s, in);
  const double rc = s.coverageRatio;

  // 2. Layout and tieback forces.
  if (s.runMode == 1) {
    s.allowableLayerForce = in.designStrength * rc;
    PlaceLayersOptimized(s);
    if (s.layerLimitExceeded == 1) {
      out.engineStatus = kStatusTooManyLayers;
      return false;
    }
    // Merge layers that came out within 1 mm of the next one up: the lower
    // one goes. The pair after a removal is not looked at again.
    bool merged = false;
    for (int k = 1; k < s.layerCount; ++k) {
      if (std::fabs(s.layerElevation[k + 1] - s.layerElevation[k]) <= 0.001) {
        for (int m = k; m < s.layerCount; ++m) s.layerElevation[m] = s.layerElevation[m + 1];
        s.layerCount = s.layerCount - 1;
        merged = true;
      }
    }
    for (int k = 1; k <= s.layerCount; ++k) s.layerStrength[k] = s.allowableLayerForce / rc;
    if (merged) {
      s.tiebackWarmStart = 0;
      AnalyzeSpecifiedLayers(s);
      for (int k = 1; k <= s.layerCount; ++k) s.layerStrength[k] = s.allowableLayerForce / rc;
    }
  } else {
    s.allowableLayerForce = in.designStrength;
    AnalyzeSpecifiedLayers(s);
  }
  ClearBeyondLayerCount(s);
  const int n = s.layerCount;

  // 3. Floored tieback forces.
  for (int k = 1; k <= n; ++k) {
    s.savedTiebackForce[k] = s.layerTiebackForce[k];
    const double floored = FlooredForce(s.layerTiebackForce[k]);
    s.requiredTiebackStrengthFloored[k] = floored;
    s.tiebackTr[k] = floored;
  }

  // 4. The critical spiral of the bottom layer runs through the toe.
  std::copy(std::begin(s.surfaceTraceX), std::end(s.surfaceTraceX), s.outermostTiebackSurfaceX);
  std::copy(std::begin(s.surfaceTraceY), std::end(s.surfaceTraceY), s.outermostTiebackSurfaceY);

  // 5.-6. Compound surfaces through the toe, starting from the tieback angles.
  s.lastCompoundEndAngle = s.spiralAngleA - s.reinforcedDesignPhi;
  s.lastCompoundStartAngle = (s.spiralAngleB - logspiral::kRightAngle) - s.reinforcedDesignPhi;
  FindCompoundSurfaceThroughToe(s);

  // 7. Keep the through-toe lengths and surface.
  for (int k = 1; k <= n; ++k) {
    s.savedLengthToSlipSurface[k] = s.lengthToSlipSurface[k];
    s.savedEmbeddedLength[k] = s.embeddedLength[k];
    s.savedSlipSurfaceCrossingX[k] = s.slipSurfaceCrossingX[k];
  }
  std::copy(std::begin(s.surfaceTraceX), std::end(s.surfaceTraceX), s.savedSurfaceTraceX);
  std::copy(std::begin(s.surfaceTraceY), std::end(s.surfaceTraceY), s.savedSurfaceTraceY);

  // 8. Surfaces from the layers; each layer keeps the surface with the
  // largest La (a tie takes the later surface).
  for (s.compoundStartLayer = 2; s.compoundStartLayer <= n - 1; ++s.compoundStartLayer) {
    const int start = s.compoundStartLayer;
    FindCompoundSurfaceFromLayer(s, s.compoundStartLayer);
    for (int j = start; j <= n; ++j) {
      if (s.lengthToSlipSurface[j] >= s.savedLengthToSlipSurface[j]) {
        s.savedLengthToSlipSurface[j] = s.lengthToSlipSurface[j];
        s.savedEmbeddedLength[j] = s.embeddedLength[j];
        s.savedSlipSurfaceCrossingX[j] = s.slipSurfaceCrossingX[j];
      }
    }
  }

  // 9. Restore the kept values and the through-toe surface.
  for (int k = 1; k <= n; ++k) {
    s.lengthToSlipSurface[k] = s.savedLengthToSlipSurface[k];
    s.embeddedLength[k] = s.savedEmbeddedLength[k];
    s.slipSurfaceCrossingX[k] = s.savedSlipSurfaceCrossingX[k];
  }
  ResolveEmbeddedLengths(s);
  std::copy(std::begin(s.savedSurfaceTraceX), std::end(s.savedSurfaceTraceX), s.surfaceTraceX);
  std::copy(std::begin(s.savedSurfaceTraceY), std::end(s.savedSurfaceTraceY), s.surfaceTraceY);

  // 10. Forces per metre of reinforcement.
  for (int k = 1; k <= n; ++k) {
    s.layerTiebackForce[k] = s.savedTiebackForce[k] / rc;
    const double floored = FlooredForce(s.layerTiebackForce[k]);
    s.requiredTiebackStrengthFloored[k] = floored;
    s.tiebackTr[k] = floored;
  }
  return true;
}

bool NoLayerNeedsForce(const AnalysisState& s) {
  for (int k = 1; k <= s.layerCount; ++k) {
    if (s.tiebackTr[k] > 1e-5) return false;
  }
  return true;
}

void AnalyzeWithDirectSlidingFactor(AnalysisState& s, double currentFsDirectSliding) {
  const int n = s.layerCount;
  s.currentFsDirectSliding = currentFsDirectSliding;
  s.bishopCirclesEvaluated = 0;

  // 11. Direct sliding.
  AnalyzeDirectSliding(s);

  // 12. Longest length.
  double maxLength = -1e15;
  for (int k = 1; k <= n; ++k) {
    maxLength = std::max(maxLength, s.lengthToSlipSurface[k] + s.embeddedLength[k]);
  }
  s.maxTiebackCompoundLength = maxLength;
  double length = std::max(maxLength, s.directSlidingLength);

  // 13. No layer needs a force: no length is needed.
  if (NoLayerNeedsForce(s)) {
    s.directSlidingLength = 1e-5;
    for (int p = 0; p < 3; ++p) {
      s.directSlidingWedgeX[p] = 1e-5;
      s.directSlidingWedgeY[p] = 1e-5;
    }
    length = 1e-5;
  }

  // 14. Front and rear ends.
  SetLayerEnds(s, length);

  // 15. Deep-seated failure.
  if (s.runDeepSeated != 0) {
    s.bishopSearchStartX = s.layerRearX[1];
    s.deepSeatedFactor = FindCriticalBishopCircle(s);
  }
}

void CopySlopeAnalysisOutputs(const AnalysisState& s, EngineOutputs& out) {
  // 16.-17. Outputs.
  CopyOut(s, out);
  CopyTables(s, out);
}

void RunSlopeAnalysis(AnalysisState& s, const EngineInputs& in, EngineOutputs& out) {
  if (!PrepareSlopeAnalysis(s, in, out)) return;
  AnalyzeWithDirectSlidingFactor(s, in.currentFsDirectSliding);
  CopySlopeAnalysisOutputs(s, out);
}

}  // namespace tervane::analysis
