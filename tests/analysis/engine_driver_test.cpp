// The engine driver: what one call stores, keeps, floors and hands out, and
// that its results depend on its inputs alone.
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "allocation_counter.h"
#include "support/engine_fixtures.h"

namespace tervane::analysis {
namespace {

using testing::DefaultProjectInputs;
using testing::NewOutputs;
using testing::NewState;

bool SameOutputs(const EngineOutputs& a, const EngineOutputs& b) {
  return std::memcmp(&a, &b, sizeof(EngineOutputs)) == 0;
}

EngineInputs ThreeUserLayers() {
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 3;
  in.layerElevation[0] = 0.0;
  in.layerElevation[1] = 2.0;
  in.layerElevation[2] = 4.0;
  for (int i = 0; i < kMaxLayers; ++i) in.layerDesignStrength[i] = 8.0;
  return in;
}

TEST(EngineStatus, TooManyLayersLeavesEveryOutputUntouched) {
  EngineInputs in = DefaultProjectInputs(1);
  in.minSpacing = 0.05;  // 120 layers of 0.05 m
  in.maxSpacingWithTolerance = 0.05 / 100 + 0.05;
  auto s = NewState();
  auto out = NewOutputs();
  std::memset(static_cast<void*>(out.get()), 0x5a, sizeof(EngineOutputs));
  out->engineStatus = 0;
  auto before = NewOutputs();
  std::memcpy(static_cast<void*>(before.get()), out.get(), sizeof(EngineOutputs));

  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->engineStatus, kStatusTooManyLayers);
  out->engineStatus = 0;
  EXPECT_TRUE(SameOutputs(*out, *before));

  // A later sound call writes its results but leaves the status alone.
  out->engineStatus = kStatusTooManyLayers;
  RunSlopeAnalysis(*s, DefaultProjectInputs(1), *out);
  EXPECT_EQ(out->engineStatus, kStatusTooManyLayers);
  EXPECT_EQ(out->resultLayerCount, 7);
}

// Layers that come out within 1 mm of each other are merged: the upper one
// stays (as layer 1) and every remaining layer is analysed afresh.
TEST(EngineLayout, CloseLayersAreMergedAndReanalysed) {
  EngineInputs in = DefaultProjectInputs(1);
  // Fixed spacings of 1 cm from 5.08 cm down: 4.08, 3.08, 2.08, 1.08, 0.08
  // cm, then the bottom at 0, 0.8 mm below the lowest.
  in.slopeHeight = 0.0508;
  in.minSpacing = 0.01;
  in.maxSpacingWithTolerance = 0.01 / 100 + 0.01;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  ASSERT_EQ(out->resultLayerCount, 5);
  EXPECT_NEAR(out->resultLayerElevation[0], 0.0008, 1e-12);
  EXPECT_NEAR(out->resultLayerElevation[4], 0.0408, 1e-12);
  EXPECT_EQ(out->resultLayerElevation[5], 0.0);  // nothing left beyond the layout
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(out->availableCompoundStrength[k], in.designStrength) << k;
  }

  // The same elevations analysed as user layers give the same forces.
  EngineInputs user = in;
  user.runMode = 0;
  user.layerCount = 5;
  for (int k = 0; k < 5; ++k) user.layerElevation[k] = out->resultLayerElevation[k];
  auto s2 = NewState();
  auto out2 = NewOutputs();
  RunSlopeAnalysis(*s2, user, *out2);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(out->requiredTiebackStrength[k], out2->requiredTiebackStrength[k]) << k;
  }
}

// One layer: only the surface through the toe, and the rear end is
// front + L whatever the length layout.
TEST(EngineLayerEnds, SingleLayerGetsTheFullLengthInEveryLayout) {
  for (int layout : {0, 1, 2}) {
    EngineInputs in = DefaultProjectInputs(0);
    in.layerCount = 1;
    in.layerElevation[0] = 0.0;
    in.layerDesignStrength[0] = 8.0;
    in.lengthLayout = layout;
    auto s = NewState();
    auto out = NewOutputs();
    RunSlopeAnalysis(*s, in, *out);
    const double length = std::max(out->maxTiebackCompoundLength, out->directSlidingLength);
    EXPECT_GT(length, 0.1);
    EXPECT_EQ(out->layerRearX[0], length + out->layerFrontX[0]) << layout;
    EXPECT_EQ(out->layerFrontX[0], out->layerFaceX[0]);
    EXPECT_NE(out->toeCompoundSurfaceX[0][50], 0.0);
  }
}

// Fewer than three layers: no compound surface starts from a layer.
TEST(EngineCompound, NoSurfaceFromALayerBelowThreeLayers) {
  for (int n : {1, 2}) {
    EngineInputs in = ThreeUserLayers();
    in.layerCount = n;
    auto s = NewState();
    auto out = NewOutputs();
    RunSlopeAnalysis(*s, in, *out);
    for (int row = 0; row < kMaxLayers; ++row) {
      for (int p = 0; p < kSurfacePoints; ++p) {
        ASSERT_EQ(out->layerCompoundSurfaceX[row][p], 0.0) << n;
        ASSERT_EQ(out->layerCompoundSurfaceY[row][p], 0.0) << n;
      }
    }
    EXPECT_GT(out->lengthToSlipSurface[n - 1] + out->embeddedLength[n - 1], 0.0);
  }
  EngineInputs in = ThreeUserLayers();
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_NE(out->layerCompoundSurfaceX[1][50], 0.0);  // from layer 2 (output row 1)
  EXPECT_NEAR(out->layerCompoundSurfaceX[1][0], out->layerFaceX[1], 1e-9);
  EXPECT_NEAR(out->layerCompoundSurfaceY[1][0], 2.0, 1e-9);
}

// A cohesive slope that stands on its own: no layer needs a force, so no
// length is needed against direct sliding either.
TEST(EngineFloors, NoForceNeededGivesTheFloorValues) {
  EngineInputs in = ThreeUserLayers();
  in.reinforcedDesignCohesion = in.backfillDesignCohesion = in.foundationDesignCohesion = 40.0;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(out->requiredTiebackStrength[k], 0.0) << k;
    EXPECT_EQ(out->requiredTiebackStrengthFloored[k], 1e-10) << k;
    EXPECT_EQ(out->tiebackTr[k], 1e-10) << k;
    EXPECT_EQ(out->controllingMode[k], 1) << k;
    EXPECT_EQ(out->lengthToSlipSurface[k], 0.0) << k;
    EXPECT_EQ(out->embeddedLength[k], 0.0) << k;
    EXPECT_EQ(out->layerRearX[k], 1e-5 + out->layerFrontX[k]) << k;
  }
  EXPECT_EQ(out->directSlidingLength, 1e-5);
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(out->directSlidingWedgeX[p], 1e-5);
    EXPECT_EQ(out->directSlidingWedgeY[p], 1e-5);
  }
  EXPECT_EQ(out->maxTiebackCompoundLength, 0.0);  // as computed
}

// The optimised layout fills its tieback table top layer first; the output
// holds the bottom layer's spiral in row 0 and the top layer's in row N-1.
TEST(EngineTables, OptimisedTiebackRowsComeOutLowestFirst) {
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, DefaultProjectInputs(1), *out);
  const int n = out->resultLayerCount;
  ASSERT_EQ(n, 7);
  for (int p = 0; p < kSurfacePoints; ++p) {
    EXPECT_EQ(out->tiebackSurfaceX[0][p], out->outermostTiebackSurfaceX[p]);
    EXPECT_EQ(out->tiebackSurfaceY[0][p], out->outermostTiebackSurfaceY[p]);
  }
  for (int k = 1; k < n; ++k) {
    EXPECT_NEAR(out->tiebackSurfaceX[k][0], out->layerFaceX[k], 1e-9) << k;
    EXPECT_NEAR(out->tiebackSurfaceY[k][0], out->resultLayerElevation[k], 1e-9) << k;
  }
  for (int row = n; row < kMaxLayers; ++row) {
    EXPECT_EQ(out->tiebackSurfaceX[row][50], 0.0) << row;
    EXPECT_EQ(out->toeCompoundSurfaceX[row][50], 0.0) << row;
  }
}

TEST(EngineInputsStored, PhreaticSlopes) {
  auto s = NewState();
  auto out = NewOutputs();
  EngineInputs in = DefaultProjectInputs(1);
  RunSlopeAnalysis(*s, in, *out);  // no phreatic surface: slopes 0 whatever the points
  for (double slope : s->phreaticSegmentSlope) EXPECT_EQ(slope, 0.0);

  in.phreaticSurfaceGiven = 1;
  in.phreaticX2 = 5.0;
  in.phreaticY2 = 1.0;
  in.phreaticX3 = 5.0005;  // less than 1 mm after point 2
  in.phreaticY3 = 1.5;
  in.phreaticX4 = 10.0;
  in.phreaticY4 = 2.0;
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(s->phreaticSegmentSlope[0], 1.0 / 5.0);
  EXPECT_EQ(s->phreaticSegmentSlope[1], 0.5 / 0.0010000000474974513);
  EXPECT_EQ(s->phreaticSegmentSlope[2], 0.5 / (10.0 - 5.0005));
}

// Rear ends of the linear and the minimum layout, from the call's own
// lengths: the top layer gets the longest compound length, the bottom layer
// L, or every layer L when the two are within H/1000.
TEST(EngineLayerEnds, LinearAndMinimumLayouts) {
  for (int layout : {1, 2}) {
    EngineInputs in = DefaultProjectInputs(1);
    in.lengthLayout = layout;
    auto s = NewState();
    auto out = NewOutputs();
    RunSlopeAnalysis(*s, in, *out);
    const int n = out->resultLayerCount;
    const double maxLength = out->maxTiebackCompoundLength;
    const double length = std::max(maxLength, out->directSlidingLength);
    for (int k = 0; k < n; ++k) {
      const double rear = out->layerRearX[k] - out->layerFrontX[k];
      if (layout == 2) {
        const double own = out->lengthToSlipSurface[k] + out->embeddedLength[k];
        EXPECT_GE(rear, own - 1e-12) << k;
        // (up to the 1e-5 by which the rise above layer 1 is kept from 0)
        EXPECT_GE(rear, (1 - out->resultLayerElevation[k] / 6.0) * out->directSlidingLength - 1e-4)
            << k;
      } else if (std::fabs(maxLength - length) <= 6.0 / 1000) {
        EXPECT_EQ(out->layerRearX[k], length + out->layerFrontX[k]) << k;
      } else if (k == n - 1) {
        EXPECT_NEAR(rear, maxLength, 1e-12);
      }
    }
  }
}

// ---- Results depend on the inputs alone ----

TEST(EngineIndependence, RepeatedAndInterleavedCallsGiveTheFreshResults) {
  for (int deepSeated : {0, 1}) {
    // A project whose compound search carries its running best from one
    // surface to the next (penetration forbidden), and two others: one with
    // more layers, one with user layers.
    EngineInputs a = DefaultProjectInputs(1);
    a.penetrationForbidden = 1;
    EngineInputs b = DefaultProjectInputs(1);
    b.slopeHeight = 9.0;
    b.penetrationForbidden = 1;
    b.reinforcedDesignCohesion = 3.0;
    EngineInputs c = ThreeUserLayers();
    for (EngineInputs* in : {&a, &b, &c}) in->runDeepSeated = deepSeated;

    auto fresh = NewOutputs();
    RunSlopeAnalysis(*NewState(), a, *fresh);

    auto s = NewState();
    auto out = NewOutputs();
    RunSlopeAnalysis(*s, a, *out);
    EXPECT_TRUE(SameOutputs(*out, *fresh)) << deepSeated;
    RunSlopeAnalysis(*s, a, *out);
    EXPECT_TRUE(SameOutputs(*out, *fresh)) << deepSeated;

    for (const EngineInputs* before : {&b, &c}) {
      auto other = NewOutputs();
      RunSlopeAnalysis(*s, *before, *other);
      ASSERT_NE(other->resultLayerCount, 0);
      auto again = NewOutputs();
      RunSlopeAnalysis(*s, a, *again);
      EXPECT_TRUE(SameOutputs(*again, *fresh)) << deepSeated;
      EXPECT_EQ(again->resultLayerCount, fresh->resultLayerCount);
      EXPECT_EQ(again->lengthToSlipSurface[6], fresh->lengthToSlipSurface[6]);
      EXPECT_EQ(again->deepSeatedFactor, fresh->deepSeatedFactor);
    }
  }
}

TEST(EngineIndependence, EntriesBeyondTheLayerCountAreEmpty) {
  auto s = NewState();
  auto out = NewOutputs();
  EngineInputs tall = DefaultProjectInputs(1);
  tall.slopeHeight = 9.0;
  RunSlopeAnalysis(*s, tall, *out);
  ASSERT_GT(out->resultLayerCount, 7);
  EngineInputs user = ThreeUserLayers();
  for (int k = 3; k < kMaxLayers; ++k) user.layerElevation[k] = 5.5;  // rows beyond the count
  RunSlopeAnalysis(*s, user, *out);
  ASSERT_EQ(out->resultLayerCount, 3);
  for (int k = 3; k < kMaxLayers; ++k) {
    EXPECT_EQ(out->resultLayerElevation[k], 0.0) << k;
    EXPECT_EQ(out->requiredTiebackStrength[k], 0.0) << k;
    EXPECT_EQ(out->lengthToSlipSurface[k], 0.0) << k;
    EXPECT_EQ(out->embeddedLength[k], 0.0) << k;
    EXPECT_EQ(out->layerRearX[k], 0.0) << k;
    EXPECT_EQ(out->controllingMode[k], 0) << k;
    EXPECT_EQ(out->availableCompoundStrength[k], 0.0) << k;
    EXPECT_EQ(out->tiebackSurfaceX[k][50], 0.0) << k;
  }
}

// A call that skips the deep-seated analysis reports the results of the
// last search.
TEST(EngineIndependence, SkippedDeepSeatedAnalysisKeepsTheLastResults) {
  auto s = NewState();
  s->deepSeatedFactor = 1.25;
  s->criticalCircleRadius = 9.5;
  s->deepSeatedCircleX[7] = 3.5;
  s->deepSeatedCutElevation = 0.75;
  auto out = NewOutputs();
  EngineInputs in = DefaultProjectInputs(1);
  in.runDeepSeated = 0;
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->deepSeatedFactor, 1.25);
  EXPECT_EQ(out->criticalCircleRadius, 9.5);
  EXPECT_EQ(out->deepSeatedCircleX[7], 3.5);
  EXPECT_EQ(out->deepSeatedCutElevation, 0.75);
}

TEST(EngineWork, CallAllocatesNothingAndCountsItsSpirals) {
  auto s = NewState();
  auto out = NewOutputs();
  const EngineInputs in = DefaultProjectInputs(1);
  const long probe = testing::AllocationCount();
  auto counted = std::make_unique<double>(1.0);  // the counter does count
  ASSERT_GT(testing::AllocationCount(), probe);
  const long before = testing::AllocationCount();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(testing::AllocationCount(), before);
  const auto spirals = s->tiebackSpiralsEvaluated;
  EXPECT_GT(spirals, 100);
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(s->tiebackSpiralsEvaluated, spirals);  // counted afresh by each call
}

TEST(EngineInputsStored, LayerCountBeyondTheTableIsHeldToIt) {
  EngineInputs in = DefaultProjectInputs(0);
  in.slopeHeight = 60.0;
  in.layerCount = 150;
  for (int k = 0; k < kMaxLayers; ++k) in.layerElevation[k] = 0.5 * k;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->resultLayerCount, kMaxLayers);
  in.layerCount = -3;
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->resultLayerCount, 0);
}

// ---- Invariants ----

struct Variant {
  const char* name;
  void (*apply)(EngineInputs&);
};

// Doubling every weight, pressure, cohesion and strength doubles every force
// and leaves every length, angle and factor as it was.
TEST(EngineInvariants, DoublingWeightsAndStrengthsDoublesTheForces) {
  for (int runMode : {1, 0}) {
    EngineInputs in = runMode == 1 ? DefaultProjectInputs(1) : ThreeUserLayers();
    in.surchargeQ1 = 5.0;
    in.surchargeQ2 = 7.0;
    in.surchargeQ3 = 3.0;
    in.reinforcedDesignCohesion = 1.0;
    in.backfillDesignCohesion = 2.0;
    in.foundationDesignCohesion = 3.0;
    in.phreaticSurfaceGiven = 1;
    EngineInputs twice = in;
    for (double* v : {&twice.reinforcedUnitWeight, &twice.backfillUnitWeight,
                      &twice.foundationUnitWeight, &twice.waterUnitWeight, &twice.surchargeQ1,
                      &twice.surchargeQ2, &twice.surchargeQ3, &twice.reinforcedDesignCohesion,
                      &twice.backfillDesignCohesion, &twice.foundationDesignCohesion,
                      &twice.designStrength}) {
      *v *= 2;
    }
    for (double& v : twice.layerDesignStrength) v *= 2;

    auto one = NewOutputs();
    auto two = NewOutputs();
    RunSlopeAnalysis(*NewState(), in, *one);
    RunSlopeAnalysis(*NewState(), twice, *two);
    const int n = one->resultLayerCount;
    ASSERT_EQ(two->resultLayerCount, n);
    for (int k = 0; k < n; ++k) {
      EXPECT_DOUBLE_EQ(two->requiredTiebackStrength[k], 2 * one->requiredTiebackStrength[k]) << k;
      if (one->tiebackTr[k] > 1e-10) {
        EXPECT_DOUBLE_EQ(two->tiebackTr[k], 2 * one->tiebackTr[k]) << k;
      } else {
        EXPECT_EQ(two->tiebackTr[k], 1e-10) << k;  // the floor stays
      }
      EXPECT_DOUBLE_EQ(two->availableCompoundStrength[k], 2 * one->availableCompoundStrength[k]) << k;
      EXPECT_EQ(two->resultLayerElevation[k], one->resultLayerElevation[k]) << k;
      EXPECT_EQ(two->controllingMode[k], one->controllingMode[k]) << k;
      EXPECT_DOUBLE_EQ(two->lengthToSlipSurface[k], one->lengthToSlipSurface[k]) << k;
      EXPECT_DOUBLE_EQ(two->embeddedLength[k], one->embeddedLength[k]) << k;
      EXPECT_DOUBLE_EQ(two->layerRearX[k], one->layerRearX[k]) << k;
    }
    EXPECT_DOUBLE_EQ(two->maxTiebackCompoundLength, one->maxTiebackCompoundLength);
    EXPECT_DOUBLE_EQ(two->directSlidingLength, one->directSlidingLength);
    EXPECT_DOUBLE_EQ(two->deepSeatedFactor, one->deepSeatedFactor);
    EXPECT_DOUBLE_EQ(two->criticalCircleRadius, one->criticalCircleRadius);
    EXPECT_DOUBLE_EQ(two->lastCompoundStartAngle, one->lastCompoundStartAngle);
    EXPECT_DOUBLE_EQ(two->outermostCompoundSurfaceX[50], one->outermostCompoundSurfaceX[50]);
  }
}

// The length layout decides only the rear ends.
TEST(EngineInvariants, LengthLayoutChangesNoForceLengthOrMode) {
  EngineInputs in = DefaultProjectInputs(1);
  auto base = NewOutputs();
  RunSlopeAnalysis(*NewState(), in, *base);
  for (int layout : {1, 2}) {
    in.lengthLayout = layout;
    auto out = NewOutputs();
    RunSlopeAnalysis(*NewState(), in, *out);
    ASSERT_EQ(out->resultLayerCount, base->resultLayerCount);
    for (int k = 0; k < kMaxLayers; ++k) {
      EXPECT_EQ(out->requiredTiebackStrength[k], base->requiredTiebackStrength[k]) << k;
      EXPECT_EQ(out->lengthToSlipSurface[k], base->lengthToSlipSurface[k]) << k;
      EXPECT_EQ(out->embeddedLength[k], base->embeddedLength[k]) << k;
      EXPECT_EQ(out->controllingMode[k], base->controllingMode[k]) << k;
    }
  }
}

// A horizontal reinforcement force, given as an absolute angle of 0 or as a
// relative orientation of 0.
TEST(EngineInvariants, AbsoluteAndRelativeZeroOrientationAgree) {
  for (int runMode : {1, 0}) {
    EngineInputs relative = runMode == 1 ? DefaultProjectInputs(1) : ThreeUserLayers();
    EngineInputs absolute = relative;
    absolute.orientationMode = 0;
    absolute.orientationValue = 0.0;
    auto r = NewOutputs();
    auto a = NewOutputs();
    RunSlopeAnalysis(*NewState(), relative, *r);
    RunSlopeAnalysis(*NewState(), absolute, *a);
    EXPECT_TRUE(SameOutputs(*r, *a)) << runMode;
  }
}

// A relative orientation that is not 0 tilts the forces and changes them.
TEST(EngineInvariants, RelativeOrientationTiltsTheForces) {
  EngineInputs in = ThreeUserLayers();
  auto flat = NewOutputs();
  RunSlopeAnalysis(*NewState(), in, *flat);
  in.orientationValue = 1.0;
  auto tilted = NewOutputs();
  RunSlopeAnalysis(*NewState(), in, *tilted);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NE(tilted->requiredTiebackStrength[k], flat->requiredTiebackStrength[k]) << k;
  }
}

}  // namespace
}  // namespace tervane::analysis
