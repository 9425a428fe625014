// The deep-seated search: the ground it stands on, the depth-limited circle,
// its bounds, and that it starts afresh at every call.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedBishop.h"
#include "analysis/DeepSeatedGround.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis {
namespace {

constexpr double kEngineDegree = 0.01745329238474369;
constexpr double kRunDegree = 0.017453292519944444;
constexpr double kDegree = std::numbers::pi / 180.0;

void SetPhreaticPoints(AnalysisState& s, int given) {
  const double x[4] = {0.0, 5.0, 8.0, 10.0};
  const double y[4] = {0.0, 1.0, 2.5, 4.0};
  for (int k = 0; k < 4; ++k) {
    s.phreaticPointX[k] = x[k];
    s.phreaticPointY[k] = y[k];
  }
  for (int k = 0; k < 3; ++k) s.phreaticSegmentSlope[k] = (y[k + 1] - y[k]) / (x[k + 1] - x[k]);
  s.phreaticSurfaceGiven = given;
}

// The slope of the default project as the deep-seated search sees it: H 6 m at
// 45 deg, crest 2 m, backslope 2 m at 30 deg, all soils gamma 20 and a design
// friction angle of atan(tan 34 / 1.3), no cohesion, depth limit 12 m, the rear
// end of the lowest layer 5 m behind the toe.
std::unique_ptr<AnalysisState> DefaultSlope() {
  auto s = std::make_unique<AnalysisState>();
  s->degreeToRadian = kEngineDegree;
  s->slopeHeight = 6.0;
  s->slopeAngle = 45.0;
  s->cotSlopeAngle = 1.0 / std::tan(45.0 * kEngineDegree);
  s->crestLengthA = 2.0;
  s->crestLengthB = 2.0;
  s->backslopeAngleRad = 30.0 * kRunDegree;
  const double phi = std::atan(std::tan(34.0 * kRunDegree) / 1.3);
  s->reinforcedUnitWeight = s->backfillUnitWeight = s->foundationUnitWeight = 20.0;
  s->reinforcedDesignPhi = s->backfillDesignPhi = s->foundationDesignPhi = phi;
  s->waterUnitWeight = 9.81;
  s->maxPenetrationDepth = 12.0;
  SetPhreaticPoints(*s, 0);
  s->bishopSearchStartX = 5.0;
  return s;
}

void ExpectFiniteResult(const AnalysisState& s) {
  EXPECT_TRUE(std::isfinite(s.deepSeatedFactor));
  EXPECT_TRUE(std::isfinite(s.criticalCircleX));
  EXPECT_TRUE(std::isfinite(s.criticalCircleY));
  EXPECT_TRUE(std::isfinite(s.criticalCircleRadius));
  EXPECT_TRUE(std::isfinite(s.deepSeatedCutElevation));
  for (int k = 0; k < kCirclePoints; ++k) {
    ASSERT_TRUE(std::isfinite(s.deepSeatedCircleX[k])) << k;
    ASSERT_TRUE(std::isfinite(s.deepSeatedCircleY[k])) << k;
  }
}

// ---- Ground surface and phreatic level ----

struct GroundCase {
  const char* name;
  double crestA;
  double crestB;
  double x;  // measured from the crest edge when fromCrest
  bool fromCrest;
  double y;  // expected, with the crest edge at xc = 6 cot(45 deg)
  double q;
};

void PrintTo(const GroundCase& c, std::ostream* os) { *os << c.name; }

class GroundSurface : public ::testing::TestWithParam<GroundCase> {};

TEST_P(GroundSurface, ElevationAndSurcharge) {
  const GroundCase& c = GetParam();
  auto s = DefaultSlope();
  s->crestLengthA = c.crestA;
  s->crestLengthB = c.crestB;
  s->bottomSlopeAngleRad = 10.0 * kRunDegree;
  s->surchargeQ1 = 5.0;
  s->surchargeQ2 = 7.0;
  s->surchargeQ3 = 9.0;
  const double xc = 6.0 * s->cotSlopeAngle;
  const double x = c.fromCrest ? xc + c.x : c.x;
  const GroundPoint g = GroundElevationAt(*s, x);
  EXPECT_NEAR(g.y, c.y, 1e-12) << c.name;
  EXPECT_EQ(g.q, c.q) << c.name;
}

const double kTan30 = std::tan(30.0 * kRunDegree);

INSTANTIATE_TEST_SUITE_P(
    DefaultSlope, GroundSurface,
    ::testing::Values(
        GroundCase{"in front of the toe", 2, 2, -2.0, false, -2.0 * std::tan(10.0 * kRunDegree), 0.0},
        GroundCase{"toe", 2, 2, 0.0, false, 0.0, 0.0},
        GroundCase{"on the face", 2, 2, 3.0, false, 3.0 / (1.0 / std::tan(45.0 * kEngineDegree)), 0.0},
        GroundCase{"crest edge", 2, 2, 0.0, true, 6.0, 5.0},
        GroundCase{"crest flat", 2, 2, 1.0, true, 6.0, 5.0},
        GroundCase{"end of the crest flat", 2, 2, 2.0, true, 6.0, 5.0},
        GroundCase{"on the backslope", 2, 2, 3.0, true, 6.0 + kTan30, 7.0},
        GroundCase{"end of the backslope", 2, 2, 4.0, true, 6.0 + 2.0 * kTan30, 7.0},
        GroundCase{"upper level", 2, 2, 10.0, true, 6.0 + 2.0 * kTan30, 9.0},
        GroundCase{"no crest and no backslope", 0, 0, 1.0, true, 6.0, 9.0},
        GroundCase{"backslope from the crest edge", 0, 2, 0.5, true, 6.0 + 0.5 * kTan30, 7.0},
        // A crest of 1e-5 or less shapes no flat; its surcharge zone stays 1e-5 wide.
        GroundCase{"negligible crest", 1e-5, 2, 0.5, true, 6.0 + 0.5 * kTan30, 7.0},
        GroundCase{"inside a negligible crest", 1e-5, 2, 0.5e-5, true, 6.0 + 0.5e-5 * kTan30, 5.0}),
    [](const ::testing::TestParamInfo<GroundCase>& info) { return std::to_string(info.index); });

TEST(PhreaticLevel, FollowsThePolylineAndStaysLevelBeyondIt) {
  auto s = DefaultSlope();
  SetPhreaticPoints(*s, 1);
  const double cases[][2] = {{-1.0, -0.2}, {0.0, 0.0}, {2.5, 0.5},  {5.0, 1.0},
                             {6.5, 1.75},  {8.0, 2.5}, {9.0, 3.25}, {10.0, 4.0}, {50.0, 4.0}};
  for (const auto& c : cases) EXPECT_NEAR(PhreaticLevelAt(*s, c[0]), c[1], 1e-12) << c[0];
}

// ---- One circle ----

TEST(BishopCircle, TraceRunsFromTheToeLevelCrossingToTheCrestLevel) {
  auto s = DefaultSlope();
  s->bishopSearchStartX = 7.0;
  FindCriticalBishopCircle(*s);
  ExpectFiniteResult(*s);
  const double xc = s->criticalCircleX;
  const double yc = s->criticalCircleY;
  const double r = s->criticalCircleRadius;
  // Point 1 is the left crossing of the toe level, point 99 the point at the
  // crest height H beyond the centre, all on the circle; point 100 drops onto
  // the ground below point 99.
  EXPECT_NEAR(s->deepSeatedCircleY[0], 0.0, 1e-9);
  EXPECT_LE(s->deepSeatedCircleX[0], 0.0);
  EXPECT_NEAR(s->deepSeatedCircleY[98], 6.0, 1e-9);
  EXPECT_GT(s->deepSeatedCircleX[98], xc);
  for (int k = 0; k < 99; ++k) {
    EXPECT_NEAR(std::hypot(s->deepSeatedCircleX[k] - xc, s->deepSeatedCircleY[k] - yc), r, 1e-9);
  }
  EXPECT_EQ(s->deepSeatedCircleX[99], s->deepSeatedCircleX[98]);
  EXPECT_EQ(s->deepSeatedCircleY[99], GroundElevationAt(*s, s->deepSeatedCircleX[98]).y);
  // The right crossing of the toe level lies at or behind the rear end.
  EXPECT_GE(xc + std::sqrt(r * r - yc * yc), 7.0 - 1e-9);
}

TEST(BishopCircle, CutElevationIsTheLastSliceBaseAboveTheGround) {
  auto s = DefaultSlope();
  // Centred in front of the toe, this circle reaches the crest height at x = 4,
  // on the face: its last slices lie above the face.
  double yc = 6.0;
  double xc = 0.0;
  double r = 0.0;
  double f = 0.0;
  int mode = kBishopModeFirst;
  EvaluateBishopCircle(*s, -8.0, 1.0, yc, xc, r, f, mode);
  const double cut = s->deepSeatedWork.cutElevation;
  EXPECT_GT(cut, 5.5);
  EXPECT_LE(cut, 6.0);
  EXPECT_EQ(mode, kBishopModeNext);

  // This one ends on the crest flat with every slice below the ground.
  EvaluateBishopCircle(*s, 0.0, 5.0, yc, xc, r, f, mode);
  EXPECT_EQ(s->deepSeatedWork.cutElevation, 0.0);
}

struct DepthCase {
  const char* name;
  double x1;
  double x2;
  double depth;
  bool centreAtCrestLevel;
};

void PrintTo(const DepthCase& c, std::ostream* os) { *os << c.name; }

class DepthLimitedCircle : public ::testing::TestWithParam<DepthCase> {};

TEST_P(DepthLimitedCircle, TouchesTheDepthLimit) {
  const DepthCase& c = GetParam();
  auto s = DefaultSlope();
  s->maxPenetrationDepth = c.depth;
  s->depthLimitReached = 50;
  double yc = 6.0;
  double xc = 0.0;
  double r = 0.0;
  double f = 0.0;
  int mode = kBishopModeDepthLimited;
  EvaluateBishopCircle(*s, c.x1, c.x2, yc, xc, r, f, mode);
  EXPECT_EQ(mode, kBishopModeDepthLimited);
  EXPECT_EQ(xc, (c.x1 + c.x2) / 2.0);
  // The lowest point of the circle lies on the depth limit.
  EXPECT_NEAR(yc - r, -c.depth, 1e-9) << c.name;
  if (c.centreAtCrestLevel) {
    EXPECT_EQ(yc, 6.0);
    EXPECT_EQ(r, c.depth + 6.0);
  } else {
    // Through both crossings of the toe level.
    EXPECT_NEAR(std::hypot(c.x1 - xc, yc), r, 1e-9 * r);
    EXPECT_NEAR(std::hypot(c.x2 - xc, yc), r, 1e-9 * r);
    EXPECT_GT(yc, 6.0);
  }
  EXPECT_TRUE(f > 0.0 && std::isfinite(f));
}

INSTANTIATE_TEST_SUITE_P(Shapes, DepthLimitedCircle,
                         ::testing::Values(DepthCase{"long chord", -10.0, 30.0, 3.0, false},
                                           DepthCase{"short chord", -5.0, 15.0, 12.0, true}));

TEST(BishopCircle, EachEvaluationIsCounted) {
  auto s = DefaultSlope();
  double yc = 6.0;
  double xc = 0.0;
  double r = 0.0;
  double f = 0.0;
  int mode = kBishopModeFirst;
  EvaluateBishopCircle(*s, -2.0, 5.0, yc, xc, r, f, mode);
  EXPECT_EQ(s->bishopCirclesEvaluated, 1);
  EvaluateBishopCircle(*s, -2.0, 6.0, yc, xc, r, f, mode);
  EXPECT_EQ(s->bishopCirclesEvaluated, 2);
}

// ---- The search ----

// A weak, purely cohesive foundation: the circles go as deep as they may.
void ClayFoundation(AnalysisState& s, double depth) {
  s.foundationDesignPhi = 0.0;
  s.foundationDesignCohesion = 5.0;
  s.maxPenetrationDepth = depth;
}

TEST(DeepSeatedSearch, SearchThatMeetsTheDepthLimitEndsOnTheLimit) {
  // Long layers push the circles wide and deep into the weak foundation.
  auto s = DefaultSlope();
  ClayFoundation(*s, 2.0);
  s->bishopSearchStartX = 34.0;
  const double factor = FindCriticalBishopCircle(*s);
  ExpectFiniteResult(*s);
  EXPECT_EQ(s->deepSeatedWork.depthLimitedCircleUsed, 1);
  EXPECT_EQ(factor, s->deepSeatedFactor);
  EXPECT_GT(factor, 0.0);
  EXPECT_NEAR(s->criticalCircleY - s->criticalCircleRadius, -2.0, 1e-9);
  double lowest = 0.0;
  for (int k = 0; k < 99; ++k) lowest = std::min(lowest, s->deepSeatedCircleY[k]);
  EXPECT_NEAR(lowest, -2.0, 0.01);
}

TEST(DeepSeatedSearch, NoDepthBelowTheToeGivesAFiniteAnswer) {
  // D = 0: every circle passes below the toe level behind the toe and meets the
  // depth limit there; no depth-limited circle exists, so the search's own
  // circle stands.
  for (bool clay : {false, true}) {
    auto s = DefaultSlope();
    if (clay) ClayFoundation(*s, 0.0);
    s->maxPenetrationDepth = 0.0;
    const double factor = FindCriticalBishopCircle(*s);
    ExpectFiniteResult(*s);
    EXPECT_GT(factor, 0.0) << clay;
    EXPECT_EQ(s->deepSeatedWork.depthLimitedCircleUsed, 0);
    EXPECT_EQ(s->depthLimitReached, 50);
  }
}

TEST(DeepSeatedSearch, PurelyCohesiveSoils) {
  auto s = DefaultSlope();
  s->reinforcedDesignPhi = s->backfillDesignPhi = s->foundationDesignPhi = 0.0;
  s->backfillDesignCohesion = s->foundationDesignCohesion = 30.0;
  const double factor = FindCriticalBishopCircle(*s);
  ExpectFiniteResult(*s);
  EXPECT_GT(factor, 0.0);
  // Twice the cohesion, twice the factor: with phi = 0 the factor of every
  // circle is proportional to the cohesion, so the same circle is critical.
  auto twice = DefaultSlope();
  twice->reinforcedDesignPhi = twice->backfillDesignPhi = twice->foundationDesignPhi = 0.0;
  twice->backfillDesignCohesion = twice->foundationDesignCohesion = 60.0;
  EXPECT_NEAR(FindCriticalBishopCircle(*twice), 2.0 * factor, 0.02 * factor);
}

TEST(DeepSeatedSearch, SeismicLoadsActWhateverTheMassFlag) {
  auto quiet = DefaultSlope();
  const double still = FindCriticalBishopCircle(*quiet);
  double factors[2] = {};
  for (int flag = 0; flag < 2; ++flag) {
    auto s = DefaultSlope();
    s->appliedSeismicKh = 0.1;
    s->seismicOnReinforcedMass = flag;
    factors[flag] = FindCriticalBishopCircle(*s);
  }
  EXPECT_EQ(factors[0], factors[1]);
  EXPECT_LT(factors[0], 0.95 * still);
}

TEST(DeepSeatedSearch, ResultDoesNotDependOnEarlierCalls) {
  auto fresh = DefaultSlope();
  FindCriticalBishopCircle(*fresh);
  const std::int64_t circles = fresh->bishopCirclesEvaluated;

  // A state used before: a search that met the depth limit, then stale
  // working values and a stale flag.
  auto reused = DefaultSlope();
  ClayFoundation(*reused, 2.0);
  FindCriticalBishopCircle(*reused);
  reused->foundationDesignPhi = fresh->foundationDesignPhi;
  reused->foundationDesignCohesion = fresh->foundationDesignCohesion;
  reused->maxPenetrationDepth = fresh->maxPenetrationDepth;
  reused->depthLimitReached = 50;
  reused->deepSeatedWork.lastBishopFactor = -3.0;
  reused->deepSeatedWork.best.admissible = 1;
  reused->deepSeatedWork.best.factor = 1e-3;
  reused->deepSeatedWork.stillCycles = 4;
  reused->deepSeatedWork.cycles = kMaxBishopSearchCycles - 1;
  reused->bishopCirclesEvaluated = 0;
  FindCriticalBishopCircle(*reused);

  EXPECT_EQ(reused->deepSeatedFactor, fresh->deepSeatedFactor);
  EXPECT_EQ(reused->criticalCircleX, fresh->criticalCircleX);
  EXPECT_EQ(reused->criticalCircleY, fresh->criticalCircleY);
  EXPECT_EQ(reused->criticalCircleRadius, fresh->criticalCircleRadius);
  EXPECT_EQ(reused->deepSeatedCutElevation, fresh->deepSeatedCutElevation);
  for (int k = 0; k < kCirclePoints; ++k) {
    EXPECT_EQ(reused->deepSeatedCircleX[k], fresh->deepSeatedCircleX[k]);
    EXPECT_EQ(reused->deepSeatedCircleY[k], fresh->deepSeatedCircleY[k]);
  }
  EXPECT_EQ(reused->bishopCirclesEvaluated, circles);

  // The search lends the soil fields to the evaluation and gives them back.
  EXPECT_EQ(reused->reinforcedUnitWeight, 20.0);
  EXPECT_EQ(reused->reinforcedDesignPhi, fresh->backfillDesignPhi);
}

TEST(DeepSeatedSearch, DegenerateStartingCircleDoesNotSpoilTheSearch) {
  // With the rear end at the toe the first circle has no chord and no factor;
  // the search moves off it and ends with a finite, positive factor.
  auto s = DefaultSlope();
  s->bishopSearchStartX = 0.0;
  const double factor = FindCriticalBishopCircle(*s);
  ExpectFiniteResult(*s);
  EXPECT_GT(factor, 0.0);
  EXPECT_GT(s->criticalCircleRadius, 0.0);
}

TEST(DeepSeatedSearch, SoilLighterThanWaterEndsAtTheBounds) {
  // Soil of unit weight 6 below a phreatic surface carries negative effective
  // stress: on many circles the factor never settles, and ever larger circles
  // keep lowering it towards 0. The bounds end every such search with a finite
  // answer.
  int searchLimits = 0;
  int iterationLimits = 0;
  const auto start = std::chrono::steady_clock::now();
  for (double rearEnd : {3.0, 4.5, 7.5}) {
    auto s = DefaultSlope();
    SetPhreaticPoints(*s, 1);
    s->reinforcedUnitWeight = s->backfillUnitWeight = s->foundationUnitWeight = 6.0;
    s->bishopSearchStartX = rearEnd;
    const double factor = FindCriticalBishopCircle(*s);
    ExpectFiniteResult(*s);
    EXPECT_GE(factor, 0.0) << rearEnd;
    EXPECT_LE(s->deepSeatedWork.cycles, kMaxBishopSearchCycles);
    searchLimits += s->deepSeatedWork.searchLimitReached;
    iterationLimits += s->deepSeatedWork.iterationLimitHits > 0 ? 1 : 0;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(searchLimits, 1);
  EXPECT_GE(iterationLimits, 1);
  EXPECT_LT(seconds, 30.0);
}

}  // namespace
}  // namespace tervane::analysis
