#include "run/RunInputs.h"

#include <algorithm>
#include <cmath>

#include "model/StrengthFunctions.h"

namespace tervane {

namespace {

template <typename T, std::size_t N>
void CopyArray(std::array<T, N>& to, const T (&from)[N]) {
  std::copy(from, from + N, to.begin());
}

template <std::size_t R, std::size_t C>
void CopyTable(std::array<std::array<double, C>, R>& to, const double (&from)[R][C]) {
  for (std::size_t r = 0; r < R; ++r) std::copy(from[r], from[r] + C, to[r].begin());
}

template <std::size_t N>
bool AllFinite(const double (&values)[N]) {
  return std::all_of(values, values + N, [](double v) { return std::isfinite(v); });
}

template <std::size_t R, std::size_t C>
bool AllFinite(const double (&values)[R][C]) {
  for (std::size_t r = 0; r < R; ++r)
    if (!AllFinite(values[r])) return false;
  return true;
}

}  // namespace

analysis::EngineInputs FormEngineInputs(const ProjectInput& input, int runMode) {
  const double deg = kRunDegreeToRadian;
  const double fsSoil = input.fsSoilStrength;
  const auto designPhi = [&](double phi) { return std::atan(std::tan(deg * phi) / fsSoil); };

  analysis::EngineInputs in;
  in.bottomSlopeAngleRad = deg * input.bottomSlopeAngle;
  in.slopeHeight = input.slopeHeight;
  in.slopeAngle = input.slopeAngle;
  in.crestLengthA = input.crestLengthA;
  in.crestLengthB = input.crestLengthB;
  in.backslopeAngleRad = deg * input.backslopeAngle;
  in.surchargeQ1 = input.surchargeQ1;
  in.surchargeQ2 = input.surchargeQ2;
  in.surchargeQ3 = input.surchargeQ3;
  in.phreaticSurfaceGiven = input.waterMode == 0 ? 1 : 0;
  in.poreWaterCoefficient = input.waterMode == 1 ? input.poreWaterCoefficient : 0.0;
  in.waterUnitWeight = (1 + input.seismicKv) * 9.81;
  in.phreaticX2 = input.phreaticX2;
  in.phreaticY2 = input.phreaticY2;
  in.phreaticX3 = input.phreaticX3;
  in.phreaticY3 = input.phreaticY3;
  in.phreaticX4 = input.phreaticX4;
  in.phreaticY4 = input.phreaticY4;
  in.reinforcedUnitWeight = input.reinforcedUnitWeight;
  in.reinforcedDesignPhi = designPhi(input.reinforcedPhi);
  in.reinforcedDesignCohesion = input.reinforcedCohesion / fsSoil;
  in.backfillUnitWeight = input.backfillUnitWeight;
  in.backfillDesignPhi = designPhi(input.backfillPhi);
  in.backfillDesignCohesion = input.backfillCohesion / fsSoil;
  in.foundationUnitWeight = input.foundationUnitWeight;
  in.foundationDesignPhi = designPhi(input.foundationPhi);
  in.foundationDesignCohesion = input.foundationCohesion / fsSoil;
  in.interwedgeAngleRad = deg * input.interwedgeAngle;
  in.designPulloutCoefficientReinforced = input.pulloutCoefficientReinforced / input.fsPullout;
  in.designPulloutCoefficientFoundation = input.pulloutCoefficientFoundation / input.fsPullout;
  in.slidingCoefficientReinforced = input.slidingCoefficientReinforced;
  in.slidingCoefficientFoundation = input.slidingCoefficientFoundation;
  in.lengthLayout = input.lengthLayout;
  in.seismicKv = input.seismicKv;
  in.appliedSeismicKh = input.khHalved == 1 ? input.seismicKh / 2 : input.seismicKh;
  in.seismicOnReinforcedMass = input.seismicOnReinforcedMass;
  in.penetrationForbidden = input.penetrationForbidden;
  in.runDeepSeated = 1;
  in.maxPenetrationDepth = input.maxPenetrationDepth;
  in.designStrength = ApplyReductionFactors(input, input.ultimateStrength, 1) / input.fsGeosyntheticStrength;
  in.maxSpacingWithTolerance = input.minSpacing / 100 + input.maxSpacing;
  in.minSpacing = input.minSpacing;
  in.bottomLayerHeight = input.bottomLayerHeight;
  in.coverageRatio = input.coverageRatio;
  in.currentFsDirectSliding = input.fsDirectSliding;
  in.orientationMode = input.orientationMode;
  in.orientationValue = input.orientationMode == 1 ? input.rorValue : deg * input.aorAngle;
  in.runMode = runMode;
  in.spareOne = 1.0;
  in.spareZero = 0.0;
  in.layerCount = input.layerCount;
  for (int i = 0; i < kMaxLayers; ++i) {
    in.layerElevation[i] = input.layerElevation[i];
    in.layerDesignStrength[i] =
        ApplyLayerReductionFactors(input, input.layerUltimateStrength[i], i, 1) / input.fsGeosyntheticStrength;
  }
  return in;
}

analysis::RunLoopSettings FormRunLoopSettings(const ProjectInput& input) {
  analysis::RunLoopSettings s;
  s.startFsDirectSliding = input.fsDirectSliding;
  s.fsSoilStrength = input.fsSoilStrength;
  s.targetFsDeepSeated = input.targetFsDeepSeated;
  return s;
}

bool OutputsAreFinite(const analysis::EngineOutputs& o) {
  const double scalars[] = {o.criticalCircleX,          o.criticalCircleY,        o.criticalCircleRadius,
                            o.lastCompoundStartAngle,   o.lastCompoundEndAngle,   o.directSlidingLength,
                            o.maxTiebackCompoundLength, o.deepSeatedFactor,       o.deepSeatedCutElevation};
  return AllFinite(scalars) && AllFinite(o.requiredTiebackStrength) && AllFinite(o.resultLayerElevation) &&
         AllFinite(o.layerFaceX) && AllFinite(o.layerFrontX) && AllFinite(o.layerRearX) &&
         AllFinite(o.requiredTiebackStrengthFloored) && AllFinite(o.outermostTiebackSurfaceX) &&
         AllFinite(o.outermostTiebackSurfaceY) && AllFinite(o.availableCompoundStrength) &&
         AllFinite(o.tiebackTr) && AllFinite(o.embeddedLength) && AllFinite(o.lengthToSlipSurface) &&
         AllFinite(o.outermostCompoundSurfaceX) && AllFinite(o.outermostCompoundSurfaceY) &&
         AllFinite(o.directSlidingWedgeX) && AllFinite(o.directSlidingWedgeY) &&
         AllFinite(o.deepSeatedCircleX) && AllFinite(o.deepSeatedCircleY) && AllFinite(o.tiebackSurfaceX) &&
         AllFinite(o.tiebackSurfaceY) && AllFinite(o.toeCompoundSurfaceX) && AllFinite(o.toeCompoundSurfaceY) &&
         AllFinite(o.layerCompoundSurfaceX) && AllFinite(o.layerCompoundSurfaceY);
}

void StoreCompletedRun(ProjectData& project, int runMode, double startFsSoilStrength,
                       double targetFsDeepSeated, const analysis::EngineOutputs& out,
                       const analysis::RunLoopResult& loop) {
  ProjectInput& input = project.input;
  AnalysisResults& results = project.results;
  input.runMode = runMode;
  results.runFsSoilStrength = startFsSoilStrength;
  results.finalFsDirectSliding = loop.finalFsDirectSliding;
  results.runCallCount = loop.callCount;
  results.deepSeatedNotConducted = loop.deepSeatedNotConducted;

  // An optimised run writes its layout into all rows of the layer table.
  if (input.runMode == 1) {
    input.layerCount = out.resultLayerCount;
    for (int i = 0; i < kMaxLayers; ++i) {
      input.layerElevation[i] = out.resultLayerElevation[i];
      input.layerUltimateStrength[i] = input.ultimateStrength;
      input.layerRfInstallation[i] = input.rfInstallation;
      input.layerRfDurability[i] = input.rfDurability;
      input.layerRfCreep[i] = input.rfCreep;
    }
  }

  CopyInputToRunSnapshot(input, targetFsDeepSeated, project.runInput, results);

  results.criticalCircleX = out.criticalCircleX;
  results.criticalCircleY = out.criticalCircleY;
  results.criticalCircleRadius = out.criticalCircleRadius;
  CopyArray(results.requiredTiebackStrength, out.requiredTiebackStrength);
  CopyArray(results.resultLayerElevation, out.resultLayerElevation);
  results.resultLayerCount = out.resultLayerCount;
  results.engineLayerCursor = out.engineLayerCursor;
  CopyArray(results.layerFaceX, out.layerFaceX);
  CopyArray(results.layerFrontX, out.layerFrontX);
  CopyArray(results.layerRearX, out.layerRearX);
  CopyArray(results.requiredTiebackStrengthFloored, out.requiredTiebackStrengthFloored);
  CopyArray(results.outermostTiebackSurfaceX, out.outermostTiebackSurfaceX);
  CopyArray(results.outermostTiebackSurfaceY, out.outermostTiebackSurfaceY);
  CopyArray(results.availableCompoundStrength, out.availableCompoundStrength);
  CopyArray(results.controllingMode, out.controllingMode);
  CopyArray(results.tiebackTr, out.tiebackTr);
  results.lastCompoundLayer = out.lastCompoundLayer;
  results.lastCompoundStartAngle = out.lastCompoundStartAngle;
  results.lastCompoundEndAngle = out.lastCompoundEndAngle;
  CopyArray(results.embeddedLength, out.embeddedLength);
  CopyArray(results.lengthToSlipSurface, out.lengthToSlipSurface);
  results.directSlidingLength = out.directSlidingLength;
  results.maxTiebackCompoundLength = out.maxTiebackCompoundLength;
  results.deepSeatedFactor = out.deepSeatedFactor;
  CopyArray(results.outermostCompoundSurfaceX, out.outermostCompoundSurfaceX);
  CopyArray(results.outermostCompoundSurfaceY, out.outermostCompoundSurfaceY);
  CopyArray(results.directSlidingWedgeX, out.directSlidingWedgeX);
  CopyArray(results.directSlidingWedgeY, out.directSlidingWedgeY);
  CopyArray(results.deepSeatedCircleX, out.deepSeatedCircleX);
  CopyArray(results.deepSeatedCircleY, out.deepSeatedCircleY);
  results.deepSeatedCutElevation = out.deepSeatedCutElevation;
  CopyTable(results.tiebackSurfaceX, out.tiebackSurfaceX);
  CopyTable(results.tiebackSurfaceY, out.tiebackSurfaceY);
  CopyTable(results.toeCompoundSurfaceX, out.toeCompoundSurfaceX);
  CopyTable(results.toeCompoundSurfaceY, out.toeCompoundSurfaceY);
  CopyTable(results.layerCompoundSurfaceX, out.layerCompoundSurfaceX);
  CopyTable(results.layerCompoundSurfaceY, out.layerCompoundSurfaceY);

  project.runInput.khHalved = input.khHalved;
}

}  // namespace tervane
