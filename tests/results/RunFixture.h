#pragma once
// Project data of a run for the tests of the results: the engine run on
// `input` the way the run dialog drives it (engine inputs formed from the
// input, the loop on the factor of safety against direct sliding, the layout
// written back after an optimised run, the run snapshot and the results), and
// the fixture projects of the golden files.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "app/ProjectData.h"
#include "app/StrengthFunctions.h"

namespace tervane::testing {

// Degrees to radians as the run converts them.
inline constexpr double kRunDegree = 0.017453292519944444;

inline analysis::EngineInputs FormEngineInputs(const ProjectInput& in) {
  analysis::EngineInputs e;
  const double fs = in.fsSoilStrength;
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
  auto phi = [fs](double degrees) { return std::atan(std::tan(kRunDegree * degrees) / fs); };
  e.reinforcedUnitWeight = in.reinforcedUnitWeight;
  e.reinforcedDesignPhi = phi(in.reinforcedPhi);
  e.reinforcedDesignCohesion = in.reinforcedCohesion / fs;
  e.backfillUnitWeight = in.backfillUnitWeight;
  e.backfillDesignPhi = phi(in.backfillPhi);
  e.backfillDesignCohesion = in.backfillCohesion / fs;
  e.foundationUnitWeight = in.foundationUnitWeight;
  e.foundationDesignPhi = phi(in.foundationPhi);
  e.foundationDesignCohesion = in.foundationCohesion / fs;
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
  e.maxSpacingWithTolerance = in.minSpacing / 100 + in.maxSpacing;
  e.minSpacing = in.minSpacing;
  e.bottomLayerHeight = in.bottomLayerHeight;
  e.coverageRatio = in.coverageRatio;
  e.orientationMode = in.orientationMode;
  e.orientationValue = in.orientationMode == 1 ? in.rorValue : kRunDegree * in.aorAngle;
  e.runMode = in.runMode;
  e.spareOne = 1.0;
  e.spareZero = 0.0;
  e.layerCount = in.layerCount;
  for (int i = 0; i < kMaxLayers; ++i) {
    e.layerElevation[i] = in.layerElevation[i];
    e.layerDesignStrength[i] =
        ApplyLayerReductionFactors(in, in.layerUltimateStrength[i], i, 1) / in.fsGeosyntheticStrength;
  }
  return e;
}

// Runs the project's input in the given mode and stores the run as the run
// dialog does. Fails the test when the loop does not reach the target.
inline void RunProject(ProjectData& d, int runMode) {
  d.input.runMode = runMode;
  auto state = std::make_unique<analysis::AnalysisState>();
  auto inputs = std::make_unique<analysis::EngineInputs>(FormEngineInputs(d.input));
  auto out = std::make_unique<analysis::EngineOutputs>();
  const double target = d.input.targetFsDeepSeated;
  const double fsSoil = d.input.fsSoilStrength;
  d.results.runFsSoilStrength = fsSoil;
  d.results.finalFsDirectSliding = d.input.fsDirectSliding;
  int count = 0;
  int stop = 0;
  double current = d.input.fsDirectSliding;
  while (out->deepSeatedFactor * fsSoil < target && stop == 0) {
    inputs->currentFsDirectSliding = current;
    analysis::RunSlopeAnalysis(*state, *inputs, *out);
    ++count;
    d.results.finalFsDirectSliding = current;
    current += 0.1;
    if (count > 500 && out->directSlidingLength < 2e-5 && out->maxTiebackCompoundLength < 1e-5) stop = 1;
    if (count > 2000) {
      ADD_FAILURE() << "the fixture run does not reach its deep-seated target";
      break;
    }
  }
  d.results.runCallCount = count;
  d.results.deepSeatedNotConducted = stop;
  if (runMode == 1) {
    d.input.layerCount = out->resultLayerCount;
    for (int i = 0; i < kMaxLayers; ++i) {
      d.input.layerElevation[i] = out->resultLayerElevation[i];
      d.input.layerUltimateStrength[i] = d.input.ultimateStrength;
      d.input.layerRfInstallation[i] = d.input.rfInstallation;
      d.input.layerRfDurability[i] = d.input.rfDurability;
      d.input.layerRfCreep[i] = d.input.rfCreep;
    }
  }
  CopyInputToRunSnapshot(d.input, target, d.runInput, d.results);

  AnalysisResults& r = d.results;
  r.criticalCircleX = out->criticalCircleX;
  r.criticalCircleY = out->criticalCircleY;
  r.criticalCircleRadius = out->criticalCircleRadius;
  r.resultLayerCount = out->resultLayerCount;
  r.engineLayerCursor = out->engineLayerCursor;
  for (int i = 0; i < kMaxLayers; ++i) {
    r.requiredTiebackStrength[i] = out->requiredTiebackStrength[i];
    r.resultLayerElevation[i] = out->resultLayerElevation[i];
    r.layerFaceX[i] = out->layerFaceX[i];
    r.layerFrontX[i] = out->layerFrontX[i];
    r.layerRearX[i] = out->layerRearX[i];
    r.requiredTiebackStrengthFloored[i] = out->requiredTiebackStrengthFloored[i];
    r.availableCompoundStrength[i] = out->availableCompoundStrength[i];
    r.controllingMode[i] = out->controllingMode[i];
    r.tiebackTr[i] = out->tiebackTr[i];
    r.embeddedLength[i] = out->embeddedLength[i];
    r.lengthToSlipSurface[i] = out->lengthToSlipSurface[i];
  }
  r.lastCompoundLayer = out->lastCompoundLayer;
  r.lastCompoundStartAngle = out->lastCompoundStartAngle;
  r.lastCompoundEndAngle = out->lastCompoundEndAngle;
  r.directSlidingLength = out->directSlidingLength;
  r.maxTiebackCompoundLength = out->maxTiebackCompoundLength;
  r.deepSeatedFactor = out->deepSeatedFactor;
  for (int i = 0; i < 3; ++i) {
    r.directSlidingWedgeX[i] = out->directSlidingWedgeX[i];
    r.directSlidingWedgeY[i] = out->directSlidingWedgeY[i];
  }
  r.deepSeatedCutElevation = out->deepSeatedCutElevation;
  d.runInput.khHalved = d.input.khHalved;
}

// The project of the golden files: a 6 m slope with surcharges, a phreatic
// surface and seismicity; project texts with a line break and the special
// characters of the files' code page.
inline void SetFixtureProject(ProjectData& d, int unitSystem) {
  ProjectInput& in = d.input;
  in.unitSystem = unitSystem;
  in.projectTitle = "Access road embankment, km 2.4";
  in.projectNumber = "P-2009/17";
  in.designerName = "Slope design office";
  in.projectDescription =
      "Reinforced slope beside the new access road, face at 45\u00b0;\r\nfill of 20 kN/m\u00b3 in 0.3 m lifts";
  in.projectDate = "5 March 2009";
  in.surchargeQ1 = 10.0;
  in.surchargeQ2 = 5.0;
  in.surchargeQ3 = 2.5;
  in.waterMode = 0;
  in.seismicKh = 0.1;
  in.seismicKv = 0.05;
  in.coverageRatio = 0.8;
  in.rorValue = 0.5;
  in.currencyUnit = "\u20ac";
  d.projectPath = "/projects/Access road.NAT";
}

// The layer table of the user-specified fixture: two geosynthetics, the
// weaker one in the upper half.
inline void SetFixtureLayers(ProjectInput& in) {
  const double elevations[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0};
  const double strengths[] = {120.0, 120.0, 120.0, 80.0, 80.0, 80.0};
  in.layerCount = 6;
  for (int i = 0; i < 6; ++i) {
    in.layerElevation[i] = elevations[i];
    in.layerUltimateStrength[i] = strengths[i];
    in.layerRfInstallation[i] = 1.2;
    in.layerRfDurability[i] = 1.1;
    in.layerRfCreep[i] = 2.5;
  }
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream out;
  out << file.rdbuf();
  return out.str();
}

}  // namespace tervane::testing
