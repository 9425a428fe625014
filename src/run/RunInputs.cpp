#include "run/RunInputs.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "model/StrengthFunctions.h"

namespace tervane {

namespace {

// True when the number, or every number of the array or table, is finite;
// counts and codes are always.
template <typename T>
bool AllFinite(const T& value) {
  if constexpr (std::is_floating_point_v<T>) {
    return std::isfinite(value);
  } else if constexpr (std::is_integral_v<T>) {
    return true;
  } else {
    return std::all_of(value.begin(), value.end(),
                       [](const auto& element) { return AllFinite(element); });
  }
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

bool OutputsAreFinite(const analysis::EngineOutputs& out) {
  bool finite = true;
  analysis::ForEachOutputField(
      out, [&finite](const auto& field) { finite = finite && AllFinite(field); });
  return finite;
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

  static_cast<analysis::EngineOutputs&>(results) = out;

  project.runInput.khHalved = input.khHalved;
}

}  // namespace tervane
