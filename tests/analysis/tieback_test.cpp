// Tieback forces checked against hand results: Rankine thrust on a vertical
// face, and the critical height of a vertical cut in purely cohesive soil.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "analysis/LogSpiral.h"
#include "analysis/TiebackMove.h"
#include "support/engine_fixtures.h"
#include "literal_engine.h"

namespace tervane::analysis {
namespace {

using testing::DefaultProjectInputs;
using testing::NewOutputs;
using testing::NewState;

constexpr double kPhi = 0.4786157706929478;  // design friction angle (34 deg / 1.3)

// One user layer at the toe of a vertical face with level ground behind it,
// no cohesion, water, surcharge or seismic coefficient.
EngineInputs VerticalFaceOneToeLayer(double height) {
  EngineInputs in = DefaultProjectInputs(0);
  in.slopeAngle = 90.0;
  in.slopeHeight = height;
  in.crestLengthA = 0.0;
  in.crestLengthB = 0.0;
  in.reinforcedUnitWeight = in.backfillUnitWeight = in.foundationUnitWeight = 20.0;
  in.reinforcedDesignPhi = in.backfillDesignPhi = in.foundationDesignPhi = kPhi;
  in.layerCount = 1;
  in.layerElevation[0] = 0.0;
  in.layerDesignStrength[0] = 1000.0;
  return in;
}

struct RankineCase {
  const char* name;
  double crestLengthA;
  double surchargeQ1;
  double expected;  // Ka (gamma H^2 / 2 + q H)
};

class RankineTest : public ::testing::TestWithParam<RankineCase> {};

TEST_P(RankineTest, ToeLayerCarriesTheActiveThrust) {
  const RankineCase& c = GetParam();
  // Hand check of the expected value: Ka = tan^2(45 deg - phi/2).
  const double ka = std::pow(std::tan(M_PI / 4 - kPhi / 2), 2);
  EXPECT_NEAR(ka * (0.5 * 20 * 36 + c.surchargeQ1 * 6), c.expected, 0.01);

  EngineInputs in = VerticalFaceOneToeLayer(6.0);
  in.crestLengthA = c.crestLengthA;
  in.surchargeQ1 = c.surchargeQ1;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  ASSERT_EQ(out->resultLayerCount, 1);
  EXPECT_NEAR(out->requiredTiebackStrength[0], c.expected, 0.01 * c.expected);
  // The critical surface leaves the ground near 45 deg + phi/2.
  EXPECT_NEAR(s->spiralAngleA, M_PI / 4 + kPhi / 2, 2 * M_PI / 180);
}

INSTANTIATE_TEST_SUITE_P(VerticalFace, RankineTest,
                         ::testing::Values(RankineCase{"NoSurcharge", 0.0, 0.0, 132.96},
                                           RankineCase{"SurchargeOnLongCrest", 100.0, 10.0, 155.13}),
                         [](const auto& info) { return std::string(info.param.name); });

// With phi = 0 the spiral is a circle; a vertical cut stands unreinforced up
// to about 3.83 c / gamma. Below that height the force that would be needed
// is negative and the layer is given none.
TEST(TiebackCohesiveCut, ForceCrossesZeroAtTheCriticalHeight) {
  const double cohesion = 10.0;
  const double gamma = 20.0;
  const double critical = 3.83 * cohesion / gamma;
  auto s = NewState();
  auto out = NewOutputs();
  auto force = [&](double height) {
    EngineInputs in = VerticalFaceOneToeLayer(height);
    in.reinforcedDesignPhi = 0.0;
    in.reinforcedDesignCohesion = cohesion;
    RunSlopeAnalysis(*s, in, *out);
    return out->requiredTiebackStrength[0];
  };
  EXPECT_EQ(force(0.98 * critical), 0.0);
  EXPECT_EQ(out->requiredTiebackStrengthFloored[0], 1e-10);
  EXPECT_EQ(out->tiebackTr[0], 1e-10);
  EXPECT_GT(force(1.02 * critical), 0.0);
  EXPECT_GT(force(1.2 * critical), force(1.1 * critical));
}

// A layer at the crest level of a flat crest: its spiral shrinks to its own
// point, where the force has no moment. The layer is given no force, and
// nothing becomes undefined.
TEST(TiebackMomentArm, LayerAtCrestLevelGetsNoForceAndEverythingStaysFinite) {
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 3;
  in.layerElevation[0] = 0.0;
  in.layerElevation[1] = 3.0;
  in.layerElevation[2] = in.slopeHeight;
  for (int i = 0; i < 3; ++i) in.layerDesignStrength[i] = 50.0;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->requiredTiebackStrength[2], 0.0);
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(std::isfinite(out->requiredTiebackStrength[k])) << k;
    EXPECT_TRUE(std::isfinite(out->lengthToSlipSurface[k])) << k;
    EXPECT_TRUE(std::isfinite(out->embeddedLength[k])) << k;
    EXPECT_TRUE(std::isfinite(out->layerRearX[k])) << k;
  }
  EXPECT_GT(out->requiredTiebackStrength[0], 0.0);
}

// With penetration of the foundation forbidden, neither the tieback nor the
// compound surface through the toe dips below the toe level; allowed, the
// compound surface of the default project does.
TEST(TiebackPenetration, ForbiddenSurfacesStayAboveTheToeLevel) {
  EngineInputs in = DefaultProjectInputs(1);
  auto s = NewState();
  auto out = NewOutputs();
  auto lowest = [](const std::array<double, kSurfacePoints>& y) {
    return *std::min_element(y.begin(), y.end());
  };

  in.penetrationForbidden = 1;
  RunSlopeAnalysis(*s, in, *out);
  ASSERT_GT(out->resultLayerCount, 1);
  EXPECT_GE(lowest(out->outermostTiebackSurfaceY), -1e-9);
  EXPECT_GE(lowest(out->outermostCompoundSurfaceY), -1e-9);

  in.penetrationForbidden = 0;
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_LT(lowest(out->outermostCompoundSurfaceY), -1e-3);
}


// The move of one pattern-search iteration: the first neighbour in the order
// T3, T2, T1, T4 within 1e-7 of the best of the five values (a distance of
// exactly 1e-7 included), even when the centre is as good; else none.
TEST(TiebackPatternSearch, MoveGoesToTheFirstNeighbourWithinTheTolerance) {
  struct Case {
    const char* name;
    double t0, t1, t2, t3, t4;
    TiebackMove expected;
  };
  const Case cases[] = {
      {"ExitRaisedFirst", 5.0, 5.0, 5.0, 5.0, 5.0, TiebackMove::kRaiseExit},
      {"CentreAsGoodStillMoves", 7.0, 1.0, 7.0, 2.0, 7.0, TiebackMove::kLowerExit},
      {"EntryRaisedBeforeLowered", 1.0, 3.0, 2.0, 2.0, 3.0, TiebackMove::kRaiseEntry},
      {"EntryLowered", 1.0, 2.0, 2.0, 2.0, 3.0, TiebackMove::kLowerEntry},
      {"CentreAloneBest", 4.0, 3.0, 3.0, 3.0, 3.0, TiebackMove::kNone},
      {"JustBelowTheTolerance", 1.0, 0.0, 0.0, 1.0 - 0.99e-7, 0.0, TiebackMove::kRaiseExit},
      {"ExactlyAtTheTolerance", 0.0, -1.0, -1.0, -1e-7, -1.0, TiebackMove::kRaiseExit},
      {"JustBeyondTheTolerance", 0.0, -1.0, -1.0, -1.01e-7, -1.0, TiebackMove::kNone},
      {"FixedValuesOfTheTable", -9e10, -5e10, -3e10, -1e11, -7e10, TiebackMove::kLowerExit},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseTiebackMove(c.t0, c.t1, c.t2, c.t3, c.t4), c.expected) << c.name;
  }
}

// A move decided from bounds of the five values is the move every five
// values within them make: values drawn about the table's cases and about
// near ties at the tolerance, bounds of several widths around them, and
// values drawn within the bounds again. Exact bounds decide nearly every
// move (not a value on the tolerance itself), and bounds too wide to tell
// decide none.
TEST(TiebackPatternSearch, MoveFromBoundsIsTheMoveOfEveryValueWithinThem) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int decided = 0;
  int decidedExactly = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    double centre[5];
    const double base = 100.0 * unit(random);
    for (double& v : centre) {
      const int kind = static_cast<int>(unit(random) * 4);
      v = kind == 0 ? base : kind == 1 ? base - 1e-7 * (0.9 + 0.2 * unit(random)) : kind == 2 ? base - 3.0 * unit(random)
                                                                                              : -5e10;
    }
    const double width = trial % 4 == 0 ? 0.0 : std::ldexp(1.0, -static_cast<int>(unit(random) * 40) - 10);
    double low[5];
    double high[5];
    for (int i = 0; i < 5; ++i) {
      low[i] = centre[i] - width * unit(random);
      high[i] = centre[i] + width * unit(random);
    }
    TiebackMove move = TiebackMove::kNone;
    if (!SureTiebackMove(low, high, move)) continue;
    ++decided;
    if (width == 0.0) ++decidedExactly;
    for (int draw = 0; draw < 20; ++draw) {
      double t[5];
      for (int i = 0; i < 5; ++i) t[i] = draw == 0 ? low[i] : draw == 1 ? high[i] : low[i] + (high[i] - low[i]) * unit(random);
      ASSERT_EQ(ChooseTiebackMove(t[0], t[1], t[2], t[3], t[4]), move) << trial << " " << draw;
    }
  }
  EXPECT_GT(decided, 10000);
  EXPECT_GT(decidedExactly, 4500);  // of some 5000: all but values on the tolerance itself
  const double wide[5] = {0.0, -1.0, -1.0, -1.0, -1.0};
  const double wider[5] = {1.0, 1.0, 1.0, 1.0, 1.0};
  TiebackMove move = TiebackMove::kNone;
  EXPECT_FALSE(SureTiebackMove(wide, wider, move));
}

// Where a layer meets a traced spiral: the first segment of 1..49 (from the
// start) whose rise spans its elevation, else the last. The search by
// halving must give exactly the answer of a scan from the start, whatever
// the shape of the trace.
TEST(TiebackLayerCrossing, SegmentSearchAgreesWithAScanFromTheStart) {
  auto scan = [](const double* y, double z) {
    for (int k = 0; k + 2 < kSurfacePoints; ++k) {
      if (y[k] <= z && z < y[k + 1]) return k;
    }
    return kSurfacePoints - 2;
  };
  std::mt19937 random(12345);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double y[kSurfacePoints];
  for (int shape = 0; shape < 6; ++shape) {
    for (int trial = 0; trial < 200; ++trial) {
      const int bottom = static_cast<int>(unit(random) * kSurfacePoints);
      for (int k = 0; k < kSurfacePoints; ++k) {
        const double d = k - bottom;
        switch (shape) {
          case 0: y[k] = 0.1 * k; break;                                  // rising
          case 1: y[k] = 0.01 * d * d - 1.0; break;                       // falls, then rises
          case 2: y[k] = 0.01 * d * d + (unit(random) - 0.5) * 0.05; break;  // noisy
          case 3: y[k] = std::floor(0.2 * k) * 0.5; break;                // plateaus
          case 4: y[k] = -0.1 * k; break;                                 // falling only
          default: y[k] = k == bottom ? std::nan("") : 0.1 * k; break;    // a hole
        }
      }
      const logspiral::SegmentFinder finder(y);
      for (int q = 0; q < 60; ++q) {
        double z = (unit(random) - 0.3) * 8.0;
        if (q < kSurfacePoints) z = y[q];  // exactly at a point
        ASSERT_EQ(finder.Find(z), scan(y, z)) << "shape " << shape << " z " << z;
      }
    }
  }
}


// Layers above that carry no force are passed over in the moment sum: the
// force stays the plain sum's bit for bit, with force angles fixed,
// relative to the spiral and horizontal, and a layer without force whose arm
// is not finite (an infinite elevation) still makes the force undefined, as
// 0 times that arm does.
TEST(TiebackMomentAbove, LayersWithoutForceChangeNothingUnlessTheirArmIsNotFinite) {
  auto s = NewState();
  s->slopeHeight = 6.0;
  s->cotSlopeAngle = 0.5;
  s->crestLengthA = 2.0;
  s->crestLengthB = 4.0;
  s->backslopeAngleRad = 0.3;
  s->surchargeQ1 = 10.0;
  s->surchargeQ2 = 5.0;
  s->reinforcedUnitWeight = 19.0;
  s->reinforcedDesignCohesion = 3.0;
  s->appliedSeismicKh = 0.1;
  s->seismicKv = 0.05;
  s->spiralPoleX = -1.5;
  s->spiralPoleY = 9.0;
  s->currentLayer = 1;
  s->layerCount = 8;
  for (int j = 1; j <= 8; ++j) {
    s->layerElevation[j] = 0.7 * (j - 1);
    s->layerFaceX[j] = 0.5 * s->layerElevation[j];
    s->layerTiebackForce[j] = j % 3 == 0 ? 0.0 : 4.0 + j;  // layers 3 and 6 carry none
  }
  // A falling-then-rising arc from the toe to the ground behind the crest.
  for (int k = 0; k < kSurfacePoints; ++k) {
    const double t = k / 50.0;
    s->surfaceTraceX[k] = 9.0 * t;
    s->surfaceTraceY[k] = 7.5 * t * t - 1.0 * t;
  }
  const double tanPhi = std::tan(0.55);
  const double tanBackslope = std::tan(s->backslopeAngleRad);
  struct Orientation {
    int mode;
    double value;
  };
  for (const Orientation o : {Orientation{0, 0.2}, Orientation{1, 0.5}, Orientation{1, 0.0}}) {
    s->orientationMode = o.mode;
    s->orientationValue = o.value;
    const double expected = literal::ComputeTiebackForce(*s, tanPhi);
    const double force = logspiral::ComputeTiebackForce(*s, tanPhi, tanBackslope);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(force), std::bit_cast<std::uint64_t>(expected))
        << o.mode << " " << o.value;
    EXPECT_TRUE(std::isfinite(force));
  }
  s->layerElevation[6] = INFINITY;
  EXPECT_TRUE(std::isnan(logspiral::ComputeTiebackForce(*s, tanPhi, tanBackslope)));
}

// The slices' moment, worked out several slices side by side, holds the
// bits of the plain sum slice by slice: for level ground behind the crest,
// a backslope from the crest edge and a crest flat before it, slices on the
// face, on every piece and on the breaks between them, surcharges changing
// along the trace, a phreatic line crossing it on every segment and beyond
// the last point, no water, and a trace point that is not a number.
TEST(TiebackSliceMoment, SameBitsAsThePlainSum) {
  auto s = NewState();
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 300; ++trial) {
    s->slopeHeight = 2.0 + 10.0 * unit(random);
    s->cotSlopeAngle = trial % 7 == 0 ? 0.0 : 1.5 * unit(random);
    const int shape = trial % 3;
    s->crestLengthA = shape == 2 ? 5.0 * unit(random) + 1e-5 : 0.0;
    s->crestLengthB = shape == 0 ? 0.0 : 8.0 * unit(random);
    s->backslopeAngleRad = 0.6 * unit(random) - 0.1;
    s->surchargeQ1 = 10.0 * unit(random);
    s->surchargeQ2 = 10.0 * unit(random);
    s->surchargeQ3 = 10.0 * unit(random);
    s->reinforcedUnitWeight = 18.0 + 3.0 * unit(random);
    s->reinforcedDesignCohesion = 5.0 * unit(random);
    s->poreWaterCoefficient = 0.2 * unit(random);
    s->appliedSeismicKh = 0.2 * unit(random);
    s->seismicKv = 0.2 * unit(random) - 0.1;
    s->phreaticSurfaceGiven = trial % 4 == 0 ? 0 : 1;
    s->waterUnitWeight = 9.81;
    for (int k = 0; k < 4; ++k) {
      s->phreaticPointX[k] = -2.0 + 6.0 * k * unit(random) + 3.0 * k;
      s->phreaticPointY[k] = s->slopeHeight * unit(random);
    }
    for (int k = 0; k < 3; ++k) {
      s->phreaticSegmentSlope[k] = (s->phreaticPointY[k + 1] - s->phreaticPointY[k]) /
                                   (s->phreaticPointX[k + 1] - s->phreaticPointX[k]);
    }
    s->spiralPoleX = -3.0 + 4.0 * unit(random);
    s->spiralPoleY = s->slopeHeight + 5.0 * unit(random);
    s->currentLayer = 1;
    s->layerCount = 1;
    s->layerElevation[1] = 0.0;
    s->layerFaceX[1] = 0.0;
    s->orientationMode = 0;
    s->orientationValue = 0.0;
    const double reach = 25.0 * unit(random);
    for (int k = 0; k < kSurfacePoints; ++k) {
      const double t = k / 50.0;
      s->surfaceTraceX[k] = -0.5 + reach * t;
      s->surfaceTraceY[k] = s->slopeHeight * (1.2 * t * t - 0.2 * t);
    }
    // Points on the breaks themselves.
    const double crestX = s->slopeHeight * s->cotSlopeAngle;
    s->surfaceTraceX[10] = s->surfaceTraceX[11] = crestX;
    s->surfaceTraceX[20] = s->surfaceTraceX[21] = crestX + s->crestLengthA;
    s->surfaceTraceX[30] = s->surfaceTraceX[31] = crestX + s->crestLengthA + s->crestLengthB;
    s->surfaceTraceX[40] = s->surfaceTraceX[41] = s->phreaticPointX[trial % 4];
    if (trial % 50 == 0) s->surfaceTraceY[25] = NAN;
    const double tanPhi = std::tan(0.5);
    const double expected = literal::ComputeTiebackForce(*s, tanPhi);
    const double force = logspiral::ComputeTiebackForce(*s, tanPhi, std::tan(s->backslopeAngleRad));
    ASSERT_EQ(std::bit_cast<std::uint64_t>(force), std::bit_cast<std::uint64_t>(expected)) << trial;
  }
}

// A trace is the same point for point whether its angle terms are worked
// out, found among the searches' traces or among the last few: angle pairs
// traced again from other poles, after the recent ones gave way, and pairs
// that differ in the friction term alone.
TEST(TiebackTrace, KeptAngleTermsTraceTheSamePoints) {
  auto s = NewState();
  struct Pair {
    double thetaStart, thetaEnd, tanPhi;
  };
  const Pair pairs[] = {{-0.4, 1.1, 0.7}, {-0.3, 1.2, 0.7}, {-0.2, 1.3, 0.7},
                        {-0.1, 1.4, 0.7}, {0.0, 1.5, 0.7},  {-0.4, 1.1, 0.6}};
  const int order[] = {0, 1, 2, 3, 0, 4, 5, 1, 0, 0, 5, 2, 3, 4, 1};
  const logspiral::TraceTermsKept caches[] = {logspiral::TraceTermsKept::kSearches,
                                               logspiral::TraceTermsKept::kRecent};
  for (const auto kept : caches) {
    int step = 0;
    for (const int i : order) {
      ++step;
      s->spiralPoleX = -1.0 + 0.37 * step;
      s->spiralPoleY = 8.0 - 0.21 * step;
      s->spiralInitialRadius = 5.0 + 0.13 * step;
      logspiral::SpiralFit fit;
      fit.thetaStart = pairs[i].thetaStart;
      fit.thetaEnd = pairs[i].thetaEnd;
      fit.tanPhi = pairs[i].tanPhi;
      fit.expStart = std::exp(-fit.thetaStart * fit.tanPhi);
      fit.sinStart = std::sin(fit.thetaStart);
      fit.cosStart = std::cos(fit.thetaStart);
      logspiral::TraceLogSpiral(*s, fit, kept);
      double x[kSurfacePoints];
      double y[kSurfacePoints];
      std::copy(s->surfaceTraceX, s->surfaceTraceX + kSurfacePoints, x);
      std::copy(s->surfaceTraceY, s->surfaceTraceY + kSurfacePoints, y);
      literal::Fit plain;
      plain.thetaS = fit.thetaStart;
      plain.thetaE = fit.thetaEnd;
      plain.tanPhi = fit.tanPhi;
      literal::TraceLogSpiral(*s, plain);
      for (int k = 0; k < kSurfacePoints; ++k) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(x[k]), std::bit_cast<std::uint64_t>(s->surfaceTraceX[k]))
            << step << " " << k;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(y[k]), std::bit_cast<std::uint64_t>(s->surfaceTraceY[k]))
            << step << " " << k;
      }
    }
  }
}

// A slope with a crest flat and a backslope, `layers` layers `spacing`
// apart from the toe up (layer 2 the current one) and a falling-then-rising
// trace from the current layer's face point.
void LayeredSlopeWithTrace(AnalysisState& s, int layers, double spacing) {
  s.slopeHeight = 6.0;
  s.cotSlopeAngle = 0.5;
  s.crestLengthA = 2.0;
  s.crestLengthB = 4.0;
  s.backslopeAngleRad = 0.3;
  s.surchargeQ1 = 10.0;
  s.reinforcedUnitWeight = 19.0;
  s.reinforcedDesignCohesion = 3.0;
  s.currentLayer = 2;
  s.layerCount = layers;
  for (int j = 1; j <= layers; ++j) {
    s.layerElevation[j] = spacing * (j - 1);
    s.layerFaceX[j] = 0.5 * s.layerElevation[j];
  }
  for (int k = 0; k < kSurfacePoints; ++k) {
    const double t = k / 50.0;
    s.surfaceTraceX[k] = s.layerFaceX[2] + 9.0 * t;
    s.surfaceTraceY[k] = s.layerElevation[2] + 7.5 * t * t - 1.0 * t;
  }
}

// The force's sure bounds, with arms worked out without the library's arc
// tangent, sine and cosine, hold the force and lie close about it: for
// poles all around the layers (arc tangents of every size and sign, the
// clamp of the vertical distance), inclinations from none to three times
// the angle, forces of either sign, and fixed inclinations (the force
// itself). Where an arm may not be finite there are none.
TEST(TiebackForceRange, HoldsTheForceClosely) {
  auto s = NewState();
  LayeredSlopeWithTrace(*s, 30, 0.2);
  const double tanBackslope = std::tan(s->backslopeAngleRad);
  std::mt19937_64 random(9);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int inclined = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    s->orientationMode = trial % 10 == 0 ? 0 : 1;
    s->orientationValue = trial % 10 == 0 ? 0.3 : trial % 7 == 0 ? 3.0 * unit(random) : unit(random);
    s->spiralPoleX = -20.0 + 40.0 * unit(random);
    s->spiralPoleY = trial % 13 == 0 ? s->layerElevation[1 + trial % 30] : -10.0 + 30.0 * unit(random);
    const double tanPhi = std::tan(0.9 * unit(random));
    for (int j = 1; j <= 30; ++j) s->layerTiebackForce[j] = j % 5 == 0 ? 0.0 : -20.0 + 80.0 * unit(random);
    double low = 0.0;
    double high = 0.0;
    const bool bounded = logspiral::TiebackForceRange(*s, tanPhi, tanBackslope, low, high);
    const double exact = logspiral::ComputeTiebackForce(*s, tanPhi, tanBackslope);
    ASSERT_TRUE(bounded) << trial;
    EXPECT_LE(low, exact) << trial;
    EXPECT_GE(high, exact) << trial;
    EXPECT_LE(high - low, 1e-9 * (1 + std::fabs(exact))) << trial;
    if (low != high) ++inclined;
  }
  EXPECT_GT(inclined, 2000);
  s->orientationMode = 1;
  s->orientationValue = 0.5;
  s->layerElevation[7] = INFINITY;
  double low = 0.0;
  double high = 0.0;
  EXPECT_FALSE(logspiral::TiebackForceRange(*s, 0.5, tanBackslope, low, high));
}

// The sure lower bound of a spiral's force, taken without the layers'
// inclinations, is never above the force itself: for poles above, beside
// and below the layer (the divisor of either sign), forces of either sign,
// force angles fixed, relative and horizontal. Where an arm may not be
// finite there is no bound, and the state is left as it was.
TEST(TiebackForceBound, NeverAboveTheForce) {
  auto s = NewState();
  LayeredSlopeWithTrace(*s, 9, 0.6);
  s->appliedSeismicKh = 0.1;
  const double tanPhi = std::tan(0.55);
  const double tanBackslope = std::tan(s->backslopeAngleRad);
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> force(-40.0, 60.0);
  struct Pole {
    double x, y;
  };
  int bounded = 0;
  for (const Pole pole : {Pole{-1.5, 9.0}, Pole{4.0, 12.0}, Pole{8.0, 0.2}, Pole{-3.0, -2.0}, Pole{0.3, 0.6}}) {
    for (const int mode : {0, 1, 2}) {
      s->orientationMode = mode == 0 ? 0 : 1;
      s->orientationValue = mode == 0 ? 0.2 : mode == 1 ? 0.7 : 0.0;
      s->spiralPoleX = pole.x;
      s->spiralPoleY = pole.y;
      for (int trial = 0; trial < 50; ++trial) {
        for (int j = 1; j <= 9; ++j) s->layerTiebackForce[j] = trial % 4 == 0 && j % 2 == 0 ? 0.0 : force(random);
        const double low = logspiral::TiebackForceLowerBound(*s, tanPhi, tanBackslope);
        const double exact = logspiral::ComputeTiebackForce(*s, tanPhi, tanBackslope);
        if (std::isnan(low)) continue;
        ++bounded;
        EXPECT_LE(low, exact) << pole.x << " " << pole.y << " " << mode << " " << trial;
      }
    }
  }
  // Only the pole on the layer's own point has no bound (its arm is 0).
  EXPECT_EQ(bounded, 4 * 3 * 50);
  s->spiralPoleX = -1.5;
  s->spiralPoleY = 9.0;
  s->layerElevation[7] = INFINITY;
  const double before = s->layerTiebackForce[2];
  EXPECT_TRUE(std::isnan(logspiral::TiebackForceLowerBound(*s, tanPhi, tanBackslope)));
  EXPECT_EQ(s->layerTiebackForce[2], before);
}

}  // namespace
}  // namespace tervane::analysis
