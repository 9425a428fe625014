#pragma once
// The single entry of the analysis engine. One call stores the inputs in the
// caller's AnalysisState, lays out (or checks) the reinforcement layers, runs
// the tieback, compound, direct-sliding and deep-seated analyses, and writes
// the results into the outputs. The engine allocates nothing.

#include "analysis/AnalysisState.h"
#include "analysis/EngineConstants.h"
#include "analysis/EngineOutputs.h"

namespace tervane::analysis {

// What the run hands to one engine call. Lengths in m, pressures in kPa,
// strengths in kN/m, unit weights in kN/m^3, angles in radians except
// slopeAngle, which is in degrees.
struct EngineInputs {
  double bottomSlopeAngleRad = 0.0;
  double slopeHeight = 0.0;
  double slopeAngle = 0.0;  // degrees
  double crestLengthA = 0.0;
  double crestLengthB = 0.0;
  double backslopeAngleRad = 0.0;
  double surchargeQ1 = 0.0;
  double surchargeQ2 = 0.0;
  double surchargeQ3 = 0.0;
  int phreaticSurfaceGiven = 0;
  double poreWaterCoefficient = 0.0;
  double waterUnitWeight = 0.0;  // unit weight of water times (1 + Kv)
  double phreaticX2 = 0.0;
  double phreaticY2 = 0.0;
  double phreaticX3 = 0.0;
  double phreaticY3 = 0.0;
  double phreaticX4 = 0.0;
  double phreaticY4 = 0.0;
  double reinforcedUnitWeight = 0.0;
  double reinforcedDesignPhi = 0.0;
  double reinforcedDesignCohesion = 0.0;
  double backfillUnitWeight = 0.0;
  double backfillDesignPhi = 0.0;
  double backfillDesignCohesion = 0.0;
  double foundationUnitWeight = 0.0;
  double foundationDesignPhi = 0.0;
  double foundationDesignCohesion = 0.0;
  double interwedgeAngleRad = 0.0;
  double designPulloutCoefficientReinforced = 0.0;
  double designPulloutCoefficientFoundation = 0.0;
  double slidingCoefficientReinforced = 0.0;
  double slidingCoefficientFoundation = 0.0;
  int lengthLayout = 0;
  double seismicKv = 0.0;
  double appliedSeismicKh = 0.0;
  int seismicOnReinforcedMass = 0;
  int penetrationForbidden = 0;
  int runDeepSeated = 0;
  double maxPenetrationDepth = 0.0;
  double designStrength = 0.0;
  double maxSpacingWithTolerance = 0.0;
  double minSpacing = 0.0;
  double bottomLayerHeight = 0.0;
  double coverageRatio = 0.0;
  double currentFsDirectSliding = 0.0;
  int orientationMode = 0;
  double orientationValue = 0.0;
  int runMode = 0;
  double spareOne = 1.0;   // carries no meaning
  double spareZero = 0.0;  // carries no meaning
  int layerCount = 0;
  double layerElevation[kMaxLayers] = {};       // lowest layer first
  double layerDesignStrength[kMaxLayers] = {};  // lowest layer first
};

// One engine call. Results depend only on the inputs (and, for the
// deep-seated results of a call that skips that analysis, on the last call
// that ran it), never on other earlier calls.
void RunSlopeAnalysis(AnalysisState& state, const EngineInputs& in, EngineOutputs& out);

// The same call in its three parts, for a run whose calls differ only in the
// factor of safety on direct sliding: the layout, tieback and compound results
// do not depend on that factor, so a run prepares them once and repeats only
// the steps that do (direct sliding, the rear ends of the layers, the
// deep-seated search). Prepare, then any number of AnalyzeWith..., then Copy
// gives exactly the outputs of one full call with the last factor.
//
// Prepare: stores the inputs and runs layout, tieback and compound analyses.
// False when the layout needs more than kMaxLayers layers: out.engineStatus is
// then set to kStatusTooManyLayers and nothing else is written (the other two
// parts must not be called).
bool PrepareSlopeAnalysis(AnalysisState& state, const EngineInputs& in, EngineOutputs& out);
// Direct sliding, the longest length, the front and rear ends and the
// deep-seated search with this factor of safety on direct sliding.
void AnalyzeWithDirectSlidingFactor(AnalysisState& state, double currentFsDirectSliding);
// Hands the results of the prepared state to the outputs.
void CopySlopeAnalysisOutputs(const AnalysisState& state, EngineOutputs& out);
// True when no layer of the prepared state needs a tieback force above 1e-5:
// no reinforcement length is needed, the direct-sliding length is pinned to
// 1e-5, and every factor of safety on direct sliding gives the same results.
bool NoLayerNeedsForce(const AnalysisState& state);

}  // namespace tervane::analysis
