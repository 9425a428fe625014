#pragma once
// Fills the numbers of the records field by field, in one fixed order, from a
// source of distinct values (its D() gives doubles, its I() ints), so that a
// test can tell every field from every other.

#include "model/ProjectData.h"

namespace tervane::recordfill {

// Every number of the input from slopeHeight on; the layer count comes from
// `layerCount` at its place in the order.
template <class Values, class LayerCount>
void FillInputNumbers(ProjectInput& p, Values& v, LayerCount layerCount) {
  for (double* d : {&p.slopeHeight, &p.slopeAngle, &p.crestLengthA, &p.crestLengthB, &p.backslopeAngle,
                    &p.surchargeQ1, &p.surchargeQ2, &p.surchargeQ3, &p.bottomSlopeAngle}) *d = v.D();
  p.waterMode = v.I();
  for (double* d : {&p.poreWaterCoefficient, &p.phreaticX2, &p.phreaticX3, &p.phreaticX4, &p.phreaticY2,
                    &p.phreaticY3, &p.phreaticY4, &p.reinforcedPhi, &p.reinforcedCohesion,
                    &p.reinforcedUnitWeight, &p.backfillPhi, &p.backfillCohesion, &p.backfillUnitWeight,
                    &p.foundationPhi, &p.foundationCohesion, &p.foundationUnitWeight, &p.interwedgeAngle,
                    &p.pulloutCoefficientReinforced, &p.pulloutCoefficientFoundation,
                    &p.slidingCoefficientReinforced, &p.slidingCoefficientFoundation}) *d = v.D();
  p.lengthLayout = v.I();
  p.seismicKh = v.D();
  p.seismicKv = v.D();
  p.seismicOnReinforcedMass = v.I();
  p.penetrationForbidden = v.I();
  for (double* d : {&p.maxPenetrationDepth, &p.targetFsDeepSeated, &p.ultimateStrength, &p.maxSpacing,
                    &p.minSpacing, &p.bottomLayerHeight, &p.rfInstallation, &p.rfDurability, &p.rfCreep,
                    &p.coverageRatio}) *d = v.D();
  p.orientationMode = v.I();
  for (double* d : {&p.aorAngle, &p.rorValue, &p.fsSoilStrength, &p.fsGeosyntheticStrength, &p.fsPullout,
                    &p.fsDirectSliding}) *d = v.D();
  p.layerCount = layerCount();
  for (auto* a : {&p.layerElevation, &p.layerUltimateStrength, &p.layerRfInstallation, &p.layerRfDurability,
                  &p.layerRfCreep})
    for (double& d : *a) d = v.D();
  p.khHalved = v.I();
}

// Every field of the results.
template <class Values>
void FillResults(AnalysisResults& r, Values& v) {
  for (auto* a : {&r.layerLongTermStrength, &r.requiredTiebackStrength, &r.resultLayerElevation, &r.layerFaceX,
                  &r.layerFrontX, &r.layerRearX, &r.requiredTiebackStrengthFloored,
                  &r.availableCompoundStrength, &r.tiebackTr, &r.embeddedLength, &r.lengthToSlipSurface})
    for (double& d : *a) d = v.D();
  for (double* d : {&r.criticalCircleX, &r.criticalCircleY, &r.criticalCircleRadius, &r.lastCompoundStartAngle,
                    &r.lastCompoundEndAngle, &r.directSlidingLength, &r.maxTiebackCompoundLength,
                    &r.deepSeatedFactor, &r.deepSeatedCutElevation, &r.runFsSoilStrength,
                    &r.finalFsDirectSliding}) *d = v.D();
  r.resultLayerCount = 58;
  r.engineLayerCursor = v.I();
  r.lastCompoundLayer = v.I();
  r.runCallCount = v.I();
  r.deepSeatedNotConducted = v.I();
  for (int& m : r.controllingMode) m = v.I();
  for (auto* t : {&r.outermostTiebackSurfaceX, &r.outermostTiebackSurfaceY, &r.outermostCompoundSurfaceX,
                  &r.outermostCompoundSurfaceY})
    for (double& d : *t) d = v.D();
  for (auto* w : {&r.directSlidingWedgeX, &r.directSlidingWedgeY})
    for (double& d : *w) d = v.D();
  for (auto* c : {&r.deepSeatedCircleX, &r.deepSeatedCircleY})
    for (double& d : *c) d = v.D();
  for (auto* table : {&r.tiebackSurfaceX, &r.tiebackSurfaceY, &r.toeCompoundSurfaceX, &r.toeCompoundSurfaceY,
                      &r.layerCompoundSurfaceX, &r.layerCompoundSurfaceY})
    for (auto& row : *table)
      for (double& d : row) d = v.D();
}

}  // namespace tervane::recordfill
