#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include <limits>

#include "model/ProjectData.h"
#include "model/StrengthFunctions.h"

namespace tervane {
namespace {

TEST(Records, SnapshotDefaultsDifferInSixPlaces) {
  auto d = std::make_unique<ProjectData>();
  ProjectInput expected = d->input;
  expected.reinforcedUnitWeight = expected.backfillUnitWeight = expected.foundationUnitWeight = 18.9;
  expected.orientationMode = 0;
  expected.fsDirectSliding = 1.0;
  expected.layerUltimateStrength.fill(45.0);
  EXPECT_TRUE(d->runInput == expected);

  EXPECT_EQ(d->input.layerUltimateStrength[99], 10.0);
  EXPECT_EQ(d->input.layerRfCreep[0], 3.0);
  EXPECT_EQ(d->input.orientationMode, 1);
  EXPECT_EQ(d->results.runFsSoilStrength, 1.0);
  EXPECT_EQ(d->results.finalFsDirectSliding, 1.0);
  EXPECT_EQ(d->geosyntheticTypes.typeCount, 1);
  EXPECT_EQ(d->geosyntheticTypes.layerType[57], 1);
  EXPECT_EQ(d->geosyntheticTypes.typeRfCreep[4], 1.0);
  EXPECT_EQ(d->projectPath, "Not saved, yet");
  EXPECT_EQ(d->quantitiesUnitCost, "0.00");
  EXPECT_EQ(d->hideDialogIdLabels, 1);
  EXPECT_EQ(d->inputChangedSinceRun, 1);
}

TEST(Records, RunCopiesTheInputButNotCurrencyAndLayerCount) {
  auto d = std::make_unique<ProjectData>();
  ProjectInput& in = d->input;
  in.unitSystem = 1;
  in.runMode = 0;
  in.currencyUnit = "EUR";
  in.projectTitle = "Wall 3";
  in.slopeHeight = 7.25;
  in.fsDirectSliding = 1.4;
  in.targetFsDeepSeated = 1.6;
  in.khHalved = 1;
  in.layerCount = 3;
  in.layerElevation[99] = 5.5;
  in.layerUltimateStrength[2] = 60.0;
  d->runInput.currencyUnit = "kept";
  d->runInput.layerCount = 42;

  CopyInputToRunSnapshot(in, 1.25, d->runInput, d->results);
  const ProjectInput& run = d->runInput;
  EXPECT_EQ(run.unitSystem, 1);
  EXPECT_EQ(run.runMode, 0);
  EXPECT_EQ(run.projectTitle, "Wall 3");
  EXPECT_EQ(run.slopeHeight, 7.25);
  EXPECT_EQ(run.fsDirectSliding, 1.4);
  EXPECT_EQ(run.targetFsDeepSeated, 1.25);
  EXPECT_EQ(run.khHalved, 1);
  EXPECT_EQ(run.layerElevation[99], 5.5);
  EXPECT_EQ(run.currencyUnit, "kept");
  EXPECT_EQ(run.layerCount, 42);

  // Long-term strength of every row, three divisions in order.
  EXPECT_EQ(d->results.layerLongTermStrength[2], ((60.0 / 1.4) / 1.3) / 3.0);
  EXPECT_EQ(d->results.layerLongTermStrength[99], ((10.0 / 1.4) / 1.3) / 3.0);
}

TEST(StrengthFunctions, ReductionFactorsInBothDirections) {
  ProjectInput p;
  const double product = (1.2 * 1.1) * 2.5;
  EXPECT_EQ(ApplyReductionFactors(p, 43.8, 1), 43.8 / product);
  EXPECT_EQ(ApplyReductionFactors(p, 10.0, 0), 10.0 * product);
  p.layerRfInstallation[4] = 1.1;
  p.layerRfDurability[4] = 1.2;
  p.layerRfCreep[4] = 1.5;
  EXPECT_EQ(ApplyLayerReductionFactors(p, 20.0, 4, 1), 20.0 / ((1.1 * 1.2) * 1.5));
  EXPECT_EQ(ApplyLayerReductionFactors(p, 20.0, 4, 2), 20.0 * ((1.1 * 1.2) * 1.5));
  EXPECT_EQ(ApplyLayerReductionFactors(p, 20.0, kMaxLayers, 1), 20.0);
  EXPECT_EQ(ApplyLayerReductionFactors(p, 20.0, -1, 1), 20.0);
}

TEST(StrengthFunctions, RatioUsesTheRunModesFactorsAndTheControllingStrength) {
  auto d = std::make_unique<ProjectData>();
  ProjectInput& run = d->runInput;
  AnalysisResults& r = d->results;
  run.layerUltimateStrength[0] = 50.0;
  run.layerRfInstallation[0] = 1.0;
  run.layerRfDurability[0] = 1.0;
  run.layerRfCreep[0] = 2.0;
  r.controllingMode[0] = 1;
  r.tiebackTr[0] = 5.0;
  r.availableCompoundStrength[0] = 8.0;

  LayerStrengthCheck check;
  run.runMode = 1;  // one geosynthetic: the scalar factors, though the row differs
  const double scalar = (run.rfInstallation * run.rfDurability) * run.rfCreep;
  EXPECT_EQ(check.ComputeLayerStrengthRatio(run, r, 0), (50.0 / scalar) / 5.0);
  run.runMode = 0;  // the row's own factors
  EXPECT_EQ(check.ComputeLayerStrengthRatio(run, r, 0), 25.0 / 5.0);
  EXPECT_EQ(check.checkRequiredStrength, 5.0);
  EXPECT_EQ(check.checkControllingMode, 1);

  r.controllingMode[0] = 0;  // compound controls
  EXPECT_EQ(check.ComputeLayerStrengthRatio(run, r, 0), 25.0 / 8.0);

  // English units scale the check values, not the ratio.
  LayerStrengthCheck english;
  english.strengthUnitFactor = kLbPerFtPerKnPerM;
  EXPECT_DOUBLE_EQ(english.ComputeLayerStrengthRatio(run, r, 0), 25.0 / 8.0);
  EXPECT_EQ(english.checkUltimateStrength, 50.0 * kLbPerFtPerKnPerM);
  EXPECT_EQ(english.checkRequiredStrength, 8.0 * kLbPerFtPerKnPerM);

  // A tieback layer that needs no force still gives a finite ratio.
  r.controllingMode[1] = 1;
  r.tiebackTr[1] = 1e-10;
  EXPECT_TRUE(std::isfinite(check.ComputeLayerStrengthRatio(run, r, 1)));

  EXPECT_EQ(check.ComputeLayerStrengthRatio(run, r, kMaxLayers), 0.0);
  EXPECT_EQ(check.checkUltimateStrength, 0.0);
}

TEST(StrengthFunctions, OverstressMarkingIsStrict) {
  ProjectInput run;
  run.fsGeosyntheticStrength = 1.3;
  EXPECT_FALSE(IsLayerOverstressed(run, 1.3 - 0.0005));
  EXPECT_TRUE(IsLayerOverstressed(run, 1.3 - 0.0011));
  EXPECT_FALSE(IsLayerOverstressed(run, 2.0));
  EXPECT_FALSE(IsLayerOverstressed(run, 1.3 - 0.001));  // at the bound
}

TEST(StrengthFunctions, ARatioThatCannotBeFormedIsOverstressed) {
  ProjectInput run;
  run.fsGeosyntheticStrength = 1.3;
  for (double ratio : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
    EXPECT_TRUE(IsLayerOverstressed(run, ratio)) << ratio;
  }
  run.fsGeosyntheticStrength = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(IsLayerOverstressed(run, 2.0));
}

// A ratio that cannot be formed (no required strength, or one that is not a
// number, as a project file can hold) never passes, though the overstress
// comparison alone would let a NaN through.
TEST(StrengthFunctions, ARatioThatCannotBeFormedNeverPasses) {
  ProjectInput run;
  run.fsGeosyntheticStrength = 1.3;
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double tr, ratio;
    bool formed, passes;
  } cases[] = {
      {5.0, 1.3 - 0.001, true, true},   // at the tolerance: passes
      {5.0, 1.2989, true, false},       // below it: overstressed
      {1e-10, 5e11, true, true},        // a tieback layer that needs no force
      {-2.0, -12.5, true, false},       // a negative strength is formed and fails
      {0.0, inf, false, false},         // Tr = 0
      {0.0, nan, false, false},         // 0 / 0
      {inf, 0.0, false, false},         // Tr not finite
      {nan, nan, false, false},
      {5.0, nan, false, false},         // T-ltds not a number
      {1e-310, inf, false, false},      // the quotient overflows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.tr << " " << c.ratio);
    EXPECT_EQ(IsStrengthRatioFormed(c.tr, c.ratio), c.formed);
    EXPECT_EQ(LayerStrengthPasses(run, c.tr, c.ratio), c.passes);
  }
  EXPECT_TRUE(IsLayerOverstressed(run, nan));  // a ratio that is not a number is overstressed too

  // The check's overload reads the required strength the check left.
  ProjectInput table;
  AnalysisResults r;
  table.layerUltimateStrength[0] = 50.0;
  table.layerRfInstallation[0] = table.layerRfDurability[0] = table.layerRfCreep[0] = 1.0;
  table.runMode = 0;
  table.fsGeosyntheticStrength = 1.5;
  r.controllingMode[0] = 0;
  r.availableCompoundStrength[0] = 0.0;
  LayerStrengthCheck check;
  const double ratio = check.ComputeLayerStrengthRatio(table, r, 0);
  EXPECT_FALSE(LayerStrengthPasses(table, check, ratio));
  r.availableCompoundStrength[0] = 20.0;
  EXPECT_TRUE(LayerStrengthPasses(table, check, check.ComputeLayerStrengthRatio(table, r, 0)));
}

}  // namespace
}  // namespace tervane
