#pragma once
// Engine inputs of the default project, formed the way the run forms them
// from the project input, and a fresh engine state on the heap.

#include <cmath>
#include <memory>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"

namespace tervane::analysis::testing {

// Degrees to radians as the run converts them (pi taken as 3.14159265359).
inline constexpr double kRunDegree = 0.017453292519944444;

// The soil values of one soil as the run hands them over.
inline double DesignPhi(double phiDegrees, double fsSoilStrength) {
  return std::atan(std::tan(kRunDegree * phiDegrees) / fsSoilStrength);
}

// The default project input, formed into engine inputs for the first call of
// a run (factor of safety on direct sliding = its input value, 1.1).
// runMode 1: optimised layout; runMode 0: the default layer table (which is
// empty: layerCount 0; set the layers you need).
inline EngineInputs DefaultProjectInputs(int runMode = 1) {
  const double fsSoil = 1.3;
  const double fsGeosynthetic = 1.3;
  const double fsPullout = 1.5;
  const double kv = 0.0;
  EngineInputs in;
  in.bottomSlopeAngleRad = kRunDegree * 0.0;
  in.slopeHeight = 6.0;
  in.slopeAngle = 45.0;
  in.crestLengthA = 2.0;
  in.crestLengthB = 2.0;
  in.backslopeAngleRad = kRunDegree * 30.0;
  in.surchargeQ1 = 0.0;
  in.surchargeQ2 = 0.0;
  in.surchargeQ3 = 0.0;
  in.phreaticSurfaceGiven = 0;  // waterMode 2: no water
  in.poreWaterCoefficient = 0.0;
  in.waterUnitWeight = (1 + kv) * 9.81;
  in.phreaticX2 = 5.0;
  in.phreaticY2 = 1.0;
  in.phreaticX3 = 8.0;
  in.phreaticY3 = 2.5;
  in.phreaticX4 = 10.0;
  in.phreaticY4 = 4.0;
  in.reinforcedUnitWeight = 20.0;
  in.reinforcedDesignPhi = DesignPhi(34.0, fsSoil);
  in.reinforcedDesignCohesion = 0.0 / fsSoil;
  in.backfillUnitWeight = 20.0;
  in.backfillDesignPhi = DesignPhi(34.0, fsSoil);
  in.backfillDesignCohesion = 0.0 / fsSoil;
  in.foundationUnitWeight = 20.0;
  in.foundationDesignPhi = DesignPhi(34.0, fsSoil);
  in.foundationDesignCohesion = 0.0 / fsSoil;
  in.interwedgeAngleRad = kRunDegree * 20.0;
  in.designPulloutCoefficientReinforced = 0.9 / fsPullout;
  in.designPulloutCoefficientFoundation = 0.9 / fsPullout;
  in.slidingCoefficientReinforced = 1.0;
  in.slidingCoefficientFoundation = 1.0;
  in.lengthLayout = 0;
  in.seismicKv = kv;
  in.appliedSeismicKh = 0.0;  // khHalved 0
  in.seismicOnReinforcedMass = 1;
  in.penetrationForbidden = 0;
  in.runDeepSeated = 1;
  in.maxPenetrationDepth = 12.0;
  // Reduction factors applied as the record does: strength / ((RFid x RFd) x RFc).
  in.designStrength = 43.8 / ((1.2 * 1.1) * 2.5) / fsGeosynthetic;
  in.maxSpacingWithTolerance = 0.3 / 100 + 1.0;
  in.minSpacing = 0.3;
  in.bottomLayerHeight = 0.0;
  in.coverageRatio = 1.0;
  in.currentFsDirectSliding = 1.1;
  in.orientationMode = 1;
  in.orientationValue = 0.0;  // rorValue
  in.runMode = runMode;
  in.spareOne = 1.0;
  in.spareZero = 0.0;
  in.layerCount = 0;
  for (int i = 0; i < kMaxLayers; ++i) {
    in.layerElevation[i] = 0.0;
    in.layerDesignStrength[i] = 10.0 / ((1.4 * 1.3) * 3.0) / fsGeosynthetic;
  }
  return in;
}

inline std::unique_ptr<AnalysisState> NewState() { return std::make_unique<AnalysisState>(); }
inline std::unique_ptr<EngineOutputs> NewOutputs() { return std::make_unique<EngineOutputs>(); }
inline std::unique_ptr<EngineInputs> NewInputs(const EngineInputs& in) {
  return std::make_unique<EngineInputs>(in);
}

}  // namespace tervane::analysis::testing
