// Compound analysis: pullout lengths on a known surface, the controlling
// modes, the soil blend behind the reinforced zone, and the search leaving
// the soil values as it found them.
#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "analysis/EngineRoutines.h"
#include "support/engine_fixtures.h"

namespace tervane::analysis {
namespace {

using testing::DefaultProjectInputs;
using testing::NewOutputs;
using testing::NewState;

constexpr double kDeg = 0.01745329238474369;

// A circular surface (friction angle 0) with its pole at (20, 8) and radius
// 10, traced from -10 to 80 degrees: it rises through y = 3 at x = 20 + 10
// sin 60 deg, and through y = 0 at x = 26. Level ground at H = 6 behind a
// 45 degree face, so behind the crossing the overburden is gamma (6 - z).
void SetCircle(AnalysisState& s) {
  s.slopeHeight = 6.0;
  s.slopeAngle = 45.0;
  s.cotSlopeAngle = 1.0 / std::tan(45 * kDeg);
  s.crestLengthA = 0.0;
  s.crestLengthB = 0.0;
  s.spiralPoleX = 20.0;
  s.spiralPoleY = 8.0;
  s.spiralInitialRadius = 10.0;
  s.compoundFrictionAngle = 0.0;
  s.lastCompoundStartAngle = -10 * kDeg;
  s.lastCompoundEndAngle = 80 * kDeg;
  s.reinforcedUnitWeight = 20.0;
  s.reinforcedDesignPhi = std::atan(0.5);
  s.reinforcedDesignCohesion = 5.0;
  s.foundationDesignPhi = std::atan(0.4);
  s.foundationDesignCohesion = 10.0;
  s.designPulloutCoefficientReinforced = 0.6;
  s.designPulloutCoefficientFoundation = 0.5;
  s.coverageRatio = 1.0;
  s.layerCount = 2;
  s.layerElevation[1] = 0.0;
  s.layerElevation[2] = 3.0;
  s.layerFaceX[1] = 0.0;
  s.layerFaceX[2] = 3.0;
  for (int k = 1; k <= 2; ++k) {
    s.controllingMode[k] = 1;
    s.tiebackTr[k] = 10.0;
    s.layerStrength[k] = 30.0;
  }
}

struct PulloutCase {
  const char* name;
  int layer;
  double coverageRatio;
  int mode;
  double tr;
  double crossing;
  double resistancePerMetre;  // what one metre behind the crossing adds
  double anchored;            // force to anchor over Rc squared
};

class PulloutLengthTest : public ::testing::TestWithParam<PulloutCase> {};

TEST_P(PulloutLengthTest, MarchesBehindTheSurfaceUntilTheForceIsAnchored) {
  const PulloutCase& c = GetParam();
  auto s = NewState();
  SetCircle(*s);
  s->coverageRatio = c.coverageRatio;
  s->controllingMode[c.layer] = c.mode;
  s->tiebackTr[c.layer] = c.tr;
  s->lastCompoundLayer = c.layer;
  ComputePulloutLengths(*s);
  ResolveEmbeddedLengths(*s);

  const double step = 0.0010000000474974513 * 6.0;
  EXPECT_NEAR(s->slipSurfaceCrossingX[c.layer], c.crossing, 1e-3);
  EXPECT_DOUBLE_EQ(s->lengthToSlipSurface[c.layer],
                   s->slipSurfaceCrossingX[c.layer] - s->layerFaceX[c.layer]);
  // Le: the first whole number of steps whose resistance anchors the force.
  const double steps = std::ceil(c.anchored / (c.resistancePerMetre * step) - 1e-9);
  EXPECT_NEAR(s->embeddedLength[c.layer], steps * step, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Circle, PulloutLengthTest,
    ::testing::Values(
        // Above the toe: 2 Ci sigma tan(phi) = 2 x 0.6 x 60 x 0.5, no cohesion.
        PulloutCase{"UpperLayer", 2, 1.0, 1, 10.0, 20 + 10 * std::sin(60 * M_PI / 180), 36.0, 10.0},
        // Rc on both sides of the test: F / Rc <= R Rc.
        PulloutCase{"CoverageRatioSquared", 2, 0.5, 1, 10.0, 20 + 10 * std::sin(60 * M_PI / 180),
                    36.0, 10.0 / 0.25},
        // A compound-controlled layer anchors its available force Rc x strength.
        PulloutCase{"CompoundControlled", 2, 1.0, 0, 10.0, 20 + 10 * std::sin(60 * M_PI / 180), 36.0,
                    30.0},
        // At the toe level both faces anchor, with cohesion: (sigma 0.5 + 5)
        // 0.6 + (sigma 0.4 + 10) 0.5 with sigma = 120.
        PulloutCase{"ToeLayerOnBothFaces", 1, 1.0, 1, 10.0, 26.0, 68.0, 10.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PulloutLength, NegligibleTiebackForceNeedsNoLength) {
  auto s = NewState();
  SetCircle(*s);
  s->tiebackTr[2] = 0.9e-5;
  s->lengthToSlipSurface[2] = 7.0;
  s->embeddedLength[2] = 7.0;
  s->lastCompoundLayer = 2;
  ComputePulloutLengths(*s);
  EXPECT_EQ(s->lengthToSlipSurface[2], 0.0);
  EXPECT_EQ(s->embeddedLength[2], 0.0);
  EXPECT_NEAR(s->slipSurfaceCrossingX[2], 20 + 10 * std::sin(60 * M_PI / 180), 1e-3);
}

TEST(PulloutLength, ElevationNotSpannedByTheTraceCrossesAtItsFirstPoint) {
  auto s = NewState();
  SetCircle(*s);
  s->layerElevation[2] = 7.0;  // the trace rises to 6.26 only
  s->lastCompoundLayer = 2;
  ComputePulloutLengths(*s);
  EXPECT_EQ(s->slipSurfaceCrossingX[2], s->pulloutTraceX[0]);
  EXPECT_NEAR(s->pulloutTraceX[0], 20 - 10 * std::sin(10 * M_PI / 180), 1e-6);
}

// Without friction in the reinforced soil a layer above the toe gains no
// pullout resistance: the march stops at its limit of 20 000 steps (20 H)
// instead of running on, and that whole march is the embedded length.
TEST(PulloutLength, ResistanceThatNeverGrowsEndsAtTheMarchLimit) {
  auto s = NewState();
  SetCircle(*s);
  s->reinforcedDesignPhi = 0.0;
  s->lastCompoundLayer = 2;
  ComputePulloutLengths(*s);
  ResolveEmbeddedLengths(*s);
  EXPECT_NEAR(s->embeddedLength[2], 20000 * 0.0010000000474974513 * 6.0, 1e-6);

  // Slowly growing resistance is marched honestly up to the same limit.
  s->reinforcedDesignPhi = 1e-7;
  ComputePulloutLengths(*s);
  ResolveEmbeddedLengths(*s);
  EXPECT_NEAR(s->embeddedLength[2], 20000 * 0.0010000000474974513 * 6.0, 1e-6);
}

// The same through the whole engine: purely cohesive reinforced soil (the
// run's checks accept phi = 0 with cohesion) finishes with finite lengths.
TEST(PulloutLength, CohesiveReinforcedSoilRunFinishes) {
  EngineInputs in = DefaultProjectInputs(1);
  in.reinforcedDesignPhi = 0.0;
  in.reinforcedDesignCohesion = 5.0;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  ASSERT_GT(out->resultLayerCount, 1);
  for (int k = 0; k < out->resultLayerCount; ++k) {
    EXPECT_TRUE(std::isfinite(out->embeddedLength[k])) << k;
    EXPECT_LE(out->embeddedLength[k], 20000 * 0.0010000000474974513 * 6.0 + 1e-6) << k;
    EXPECT_TRUE(std::isfinite(out->layerRearX[k])) << k;
  }
}

// Behind the reinforced zone the surfaces run in a blend of the two soils;
// the friction angle is blended (after a compound-controlled layer) only
// when the backfill's is not larger.
TEST(CompoundBlend, FrictionAngleIsBlendedOnlyTowardsAWeakerBackfill) {
  struct Case {
    double backfillOffset;
    bool blended;
  };
  for (const Case& c : {Case{0.1, false}, Case{-0.2, true}}) {
    auto s = NewState();
    auto out = NewOutputs();
    EngineInputs in = DefaultProjectInputs(1);
    const double phiR = in.reinforcedDesignPhi;
    in.backfillDesignPhi = phiR + c.backfillOffset;
    RunSlopeAnalysis(*s, in, *out);
    ASSERT_EQ(out->controllingMode[1], 0);
    // The last surface through the toe is that of layer 1, after layer 2.
    FindCompoundSurfaceThroughToe(*s);
    ASSERT_EQ(s->lastCompoundLayer, 1);
    if (c.blended) {
      // Layer 1 lies at the toe: its weights are 0 below and 1 above, so the
      // blend is the backfill's angle.
      EXPECT_NEAR(s->compoundFrictionAngle, in.backfillDesignPhi, 1e-15);
    } else {
      EXPECT_EQ(s->compoundFrictionAngle, phiR);
    }
    EXPECT_EQ(s->reinforcedDesignPhi, phiR);
  }
}

// A search that ends while skipping layers that need no force leaves the
// reinforced soil's cohesion as it found it, not blended with the backfill's.
TEST(CompoundSearch, LeavesTheSoilValuesAsItFoundThem) {
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 2;
  in.layerElevation[0] = 0.0;
  in.layerElevation[1] = 3.0;
  in.reinforcedDesignCohesion = 2.0;
  in.backfillDesignCohesion = 8.0;
  in.backfillUnitWeight = 17.0;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);

  // Layer 2 needs a small force, layer 1 (virtually) none: the search finds
  // the surface of layer 2, blends the soils for layer 1 and then skips it.
  s->tiebackTr[1] = 5e-11;
  s->tiebackTr[2] = 0.05;
  const double entryA = s->spiralAngleA;
  const double entryB = s->spiralAngleB;
  const double force1 = s->layerTiebackForce[1];
  const double force2 = s->layerTiebackForce[2];
  FindCompoundSurfaceThroughToe(*s);
  EXPECT_EQ(s->controllingMode[1], 1);
  EXPECT_EQ(s->controllingMode[2], 1);
  EXPECT_EQ(s->lastCompoundLayer, 2);
  EXPECT_EQ(s->reinforcedDesignCohesion, 2.0);
  EXPECT_EQ(s->reinforcedUnitWeight, 20.0);
  EXPECT_EQ(s->reinforcedDesignPhi, in.reinforcedDesignPhi);
  EXPECT_EQ(s->spiralAngleA, entryA);
  EXPECT_EQ(s->spiralAngleB, entryB);
  EXPECT_EQ(s->layerTiebackForce[1], force1);
  EXPECT_EQ(s->layerTiebackForce[2], force2);
}

// Each of the two searches keeps its own running best from one iteration to
// the next. With penetration forbidden and an entry angle of 40 degrees every
// surface starts in the branch that keeps the running best, so a search from
// a layer would pick up whatever a search through the toe left there.
TEST(CompoundSearch, SearchFromALayerKeepsItsOwnRunningBest) {
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 5;
  for (int k = 0; k < 5; ++k) {
    in.layerElevation[k] = 1.2 * k;
    in.layerDesignStrength[k] = 60.0;
  }
  in.orientationMode = 0;
  in.orientationValue = 0.5;
  in.penetrationForbidden = 1;
  in.runDeepSeated = 0;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  s->spiralAngleB = 40 * kDeg;
  int start = 2;
  FindCompoundSurfaceFromLayer(*s, start);

  auto alone = NewState();
  *alone = *s;
  auto afterToe = NewState();
  *afterToe = *s;
  FindCompoundSurfaceThroughToe(*afterToe);
  ASSERT_EQ(0, std::memcmp(alone->controllingMode, afterToe->controllingMode,
                           sizeof alone->controllingMode));
  start = 2;
  FindCompoundSurfaceFromLayer(*alone, start);
  start = 2;
  FindCompoundSurfaceFromLayer(*afterToe, start);
  ResolveEmbeddedLengths(*alone);
  ResolveEmbeddedLengths(*afterToe);
  for (int k = 2; k <= 5; ++k) {
    EXPECT_EQ(afterToe->lengthToSlipSurface[k], alone->lengthToSlipSurface[k]) << k;
    EXPECT_EQ(afterToe->embeddedLength[k], alone->embeddedLength[k]) << k;
    EXPECT_EQ(afterToe->slipSurfaceCrossingX[k], alone->slipSurfaceCrossingX[k]) << k;
  }
  EXPECT_EQ(0, std::memcmp(afterToe->layerCompoundSurfaceX[2], alone->layerCompoundSurfaceX[2],
                           sizeof alone->layerCompoundSurfaceX[2]));
}

// When the forces of all layers together are negligible every layer keeps
// the tieback mode.
TEST(CompoundModes, NegligibleForcesKeepEveryLayerTiebackControlled) {
  auto s = NewState();
  auto out = NewOutputs();
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 3;
  in.layerElevation[0] = 0.0;
  in.layerElevation[1] = 2.0;
  in.layerElevation[2] = 4.0;
  for (int i = 0; i < 3; ++i) in.layerDesignStrength[i] = 50.0;
  RunSlopeAnalysis(*s, in, *out);
  // With real forces the lower layers are compound-controlled.
  EXPECT_EQ(out->controllingMode[0], 0);

  s->tiebackTr[1] = 0.04;
  s->tiebackTr[2] = 0.04;
  s->tiebackTr[3] = 0.02;  // 0.1 in all
  FindCompoundSurfaceThroughToe(*s);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(s->controllingMode[k], 1) << k;
}

}  // namespace
}  // namespace tervane::analysis
