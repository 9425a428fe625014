#pragma once
// A run of the engine for tests: the engine inputs formed from a project's
// input the way the run forms them for its first call, one engine call, and
// the outputs stored the way a run stores them (the results, the layout of an
// optimised run written back into the input, the snapshot of the input).

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "app/ProjectData.h"
#include "app/StrengthFunctions.h"

namespace tervane::testsupport {

// Degrees to radians as the run hands angles to the engine.
inline constexpr double kRunDegree = 0.017453292519944444;

// The engine inputs of the first call of a run, formed from the project input
// the way the engine tests form them.
inline analysis::EngineInputs EngineInputsOf(const ProjectInput& in) {
  const double fsSoil = in.fsSoilStrength;
  auto designPhi = [&](double phi) { return std::atan(std::tan(kRunDegree * phi) / fsSoil); };
  analysis::EngineInputs e;
  e.bottomSlopeAngleRad = kRunDegree * in.bottomSlopeAngle;
  e.slopeHeight = in.slopeHeight;
  e.slopeAngle = in.slopeAngle;
  e.crestLengthA = in.crestLengthA;
  e.crestLengthB = in.crestLengthB;
  e.backslopeAngleRad = kRunDegree * in.backslopeAngle;
  e.surchargeQ1 = in.surchargeQ1;
  e.surchargeQ2 = in.surchargeQ2;
  e.surchargeQ3 = in.surchargeQ3;
  e.phreaticSurfaceGiven = in.waterMode == 0 ? 1 : 0;
  e.poreWaterCoefficient = in.waterMode == 1 ? in.poreWaterCoefficient : 0.0;
  e.waterUnitWeight = (1 + in.seismicKv) * 9.81;
  e.phreaticX2 = in.phreaticX2;
  e.phreaticY2 = in.phreaticY2;
  e.phreaticX3 = in.phreaticX3;
  e.phreaticY3 = in.phreaticY3;
  e.phreaticX4 = in.phreaticX4;
  e.phreaticY4 = in.phreaticY4;
  e.reinforcedUnitWeight = in.reinforcedUnitWeight;
  e.reinforcedDesignPhi = designPhi(in.reinforcedPhi);
  e.reinforcedDesignCohesion = in.reinforcedCohesion / fsSoil;
  e.backfillUnitWeight = in.backfillUnitWeight;
  e.backfillDesignPhi = designPhi(in.backfillPhi);
  e.backfillDesignCohesion = in.backfillCohesion / fsSoil;
  e.foundationUnitWeight = in.foundationUnitWeight;
  e.foundationDesignPhi = designPhi(in.foundationPhi);
  e.foundationDesignCohesion = in.foundationCohesion / fsSoil;
  e.interwedgeAngleRad = kRunDegree * in.interwedgeAngle;
  e.designPulloutCoefficientReinforced = in.pulloutCoefficientReinforced / in.fsPullout;
  e.designPulloutCoefficientFoundation = in.pulloutCoefficientFoundation / in.fsPullout;
  e.slidingCoefficientReinforced = in.slidingCoefficientReinforced;
  e.slidingCoefficientFoundation = in.slidingCoefficientFoundation;
  e.lengthLayout = in.lengthLayout;
  e.seismicKv = in.seismicKv;
  e.appliedSeismicKh = in.khHalved == 1 ? in.seismicKh / 2 : in.seismicKh;
  e.seismicOnReinforcedMass = in.seismicOnReinforcedMass;
  e.penetrationForbidden = in.penetrationForbidden;
  e.runDeepSeated = 1;
  e.maxPenetrationDepth = in.maxPenetrationDepth;
  e.designStrength = ApplyReductionFactors(in, in.ultimateStrength, 1) / in.fsGeosyntheticStrength;
  e.maxSpacingWithTolerance = in.maxSpacing + 0.003;
  e.minSpacing = in.minSpacing;
  e.bottomLayerHeight = in.bottomLayerHeight;
  e.coverageRatio = in.coverageRatio;
  e.currentFsDirectSliding = in.fsDirectSliding;
  e.orientationMode = in.orientationMode;
  e.orientationValue = in.orientationMode == 1 ? in.rorValue : in.aorAngle;
  e.runMode = in.runMode;
  e.layerCount = in.layerCount;
  for (int k = 0; k < kMaxLayers; ++k) {
    e.layerElevation[k] = in.layerElevation[k];
    e.layerDesignStrength[k] =
        ApplyLayerReductionFactors(in, in.layerUltimateStrength[k], k, 1) / in.fsGeosyntheticStrength;
  }
  return e;
}

template <std::size_t N, class T>
void CopyArray(std::array<T, N>& to, const T (&from)[N]) {
  std::copy(std::begin(from), std::end(from), to.begin());
}

template <std::size_t R, std::size_t C>
void CopyTable(std::array<std::array<double, C>, R>& to, const double (&from)[R][C]) {
  for (std::size_t r = 0; r < R; ++r) CopyArray(to[r], from[r]);
}

// One engine call for `input`, stored the way a run stores it: the results,
// the layout of an optimised run written back into the input, and the input
// copied into the run snapshot.
inline void RunProject(ProjectData& data) {
  auto state = std::make_unique<analysis::AnalysisState>();
  auto in = std::make_unique<analysis::EngineInputs>(EngineInputsOf(data.input));
  auto out = std::make_unique<analysis::EngineOutputs>();
  analysis::RunSlopeAnalysis(*state, *in, *out);

  AnalysisResults& r = data.results;
  r.criticalCircleX = out->criticalCircleX;
  r.criticalCircleY = out->criticalCircleY;
  r.criticalCircleRadius = out->criticalCircleRadius;
  CopyArray(r.requiredTiebackStrength, out->requiredTiebackStrength);
  CopyArray(r.resultLayerElevation, out->resultLayerElevation);
  r.resultLayerCount = out->resultLayerCount;
  r.engineLayerCursor = out->engineLayerCursor;
  CopyArray(r.layerFaceX, out->layerFaceX);
  CopyArray(r.layerFrontX, out->layerFrontX);
  CopyArray(r.layerRearX, out->layerRearX);
  CopyArray(r.requiredTiebackStrengthFloored, out->requiredTiebackStrengthFloored);
  CopyArray(r.outermostTiebackSurfaceX, out->outermostTiebackSurfaceX);
  CopyArray(r.outermostTiebackSurfaceY, out->outermostTiebackSurfaceY);
  CopyArray(r.availableCompoundStrength, out->availableCompoundStrength);
  CopyArray(r.controllingMode, out->controllingMode);
  CopyArray(r.tiebackTr, out->tiebackTr);
  r.lastCompoundLayer = out->lastCompoundLayer;
  r.lastCompoundStartAngle = out->lastCompoundStartAngle;
  r.lastCompoundEndAngle = out->lastCompoundEndAngle;
  CopyArray(r.embeddedLength, out->embeddedLength);
  CopyArray(r.lengthToSlipSurface, out->lengthToSlipSurface);
  r.directSlidingLength = out->directSlidingLength;
  r.maxTiebackCompoundLength = out->maxTiebackCompoundLength;
  r.deepSeatedFactor = out->deepSeatedFactor;
  CopyArray(r.outermostCompoundSurfaceX, out->outermostCompoundSurfaceX);
  CopyArray(r.outermostCompoundSurfaceY, out->outermostCompoundSurfaceY);
  CopyArray(r.directSlidingWedgeX, out->directSlidingWedgeX);
  CopyArray(r.directSlidingWedgeY, out->directSlidingWedgeY);
  CopyArray(r.deepSeatedCircleX, out->deepSeatedCircleX);
  CopyArray(r.deepSeatedCircleY, out->deepSeatedCircleY);
  r.deepSeatedCutElevation = out->deepSeatedCutElevation;
  CopyTable(r.tiebackSurfaceX, out->tiebackSurfaceX);
  CopyTable(r.tiebackSurfaceY, out->tiebackSurfaceY);
  CopyTable(r.toeCompoundSurfaceX, out->toeCompoundSurfaceX);
  CopyTable(r.toeCompoundSurfaceY, out->toeCompoundSurfaceY);
  CopyTable(r.layerCompoundSurfaceX, out->layerCompoundSurfaceX);
  CopyTable(r.layerCompoundSurfaceY, out->layerCompoundSurfaceY);
  r.runFsSoilStrength = data.input.fsSoilStrength;
  r.finalFsDirectSliding = data.input.fsDirectSliding;
  r.runCallCount = 1;
  r.deepSeatedNotConducted = 0;

  ProjectInput& input = data.input;
  if (input.runMode == 1) {
    // An optimised run writes its layout back into the input, every layer
    // with the run's geosynthetic.
    input.layerCount = r.resultLayerCount;
    for (int k = 0; k < kMaxLayers; ++k) {
      input.layerElevation[k] = k < r.resultLayerCount ? r.resultLayerElevation[k] : 0.0;
      input.layerUltimateStrength[k] = input.ultimateStrength;
      input.layerRfInstallation[k] = input.rfInstallation;
      input.layerRfDurability[k] = input.rfDurability;
      input.layerRfCreep[k] = input.rfCreep;
    }
  }
  CopyInputToRunSnapshot(input, input.targetFsDeepSeated, data.runInput, data.results);
}

}  // namespace tervane::testsupport
