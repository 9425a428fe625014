// The deep-seated search: the ground it stands on, the depth-limited circle,
// its bounds, and that it starts afresh at every call.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedBishop.h"
#include "analysis/DeepSeatedGround.h"
#include "analysis/EngineRoutines.h"
#include "literal_ground.h"

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

// A slice base exactly on the depth limit takes the depth-limit strength
// behind the toe (x_m >= 0: base at or below -D) but not in front of it (base
// strictly below -D). D is set to the depth of the deepest slice base, worked
// out as the evaluation lays its 50 slices; the flag and the factor then
// change when D moves by one unit in the last place.
struct DepthBoundaryCase {
  const char* name;
  double x1;
  double x2;
  bool deepestBehindToe;
};

void PrintTo(const DepthBoundaryCase& c, std::ostream* os) { *os << c.name; }

class DepthLimitBoundary : public ::testing::TestWithParam<DepthBoundaryCase> {};

TEST_P(DepthLimitBoundary, BaseOnTheLimit) {
  const DepthBoundaryCase& c = GetParam();
  const double yc = 6.0;
  // The slice bases of the circle, as the evaluation lays them.
  const double xc = (c.x1 + c.x2) / 2.0;
  const double chord = c.x2 - c.x1;
  const double theta = std::atan(chord / (2.0 * yc));
  const double r = chord / (2.0 * std::sin(theta));
  const double end = std::acos((yc - 6.0) / r);
  const double step = (end - -theta) / 50.0;
  double deepest = 0.0;
  double deepestX = 0.0;
  double xLeft = c.x1;
  for (int k = 1; k <= 50; ++k) {
    const double xRight = xc + r * std::sin(-theta + k * step);
    const double xm = xLeft + (xRight - xLeft) / 2.0;
    const double yb = yc - r * std::cos(std::asin((xm - xc) / r));
    if (yb < deepest) {
      deepest = yb;
      deepestX = xm;
    }
    xLeft = xRight;
  }
  ASSERT_EQ(deepestX >= 0.0, c.deepestBehindToe);

  auto evaluate = [&](double depth, int& flag) {
    auto s = DefaultSlope();
    s->maxPenetrationDepth = depth;
    double y = yc;
    double x = 0.0;
    double radius = 0.0;
    double f = 0.0;
    int mode = kBishopModeFirst;
    EvaluateBishopCircle(*s, c.x1, c.x2, y, x, radius, f, mode);
    flag = s->depthLimitReached;
    return f;
  };
  int onLimit = -1;
  int beside = -1;
  const double depth = -deepest;
  const double fOnLimit = evaluate(depth, onLimit);
  if (c.deepestBehindToe) {
    // A hair deeper limit leaves the base above it.
    const double fAbove = evaluate(std::nextafter(depth, 1e9), beside);
    EXPECT_EQ(onLimit, 50);
    EXPECT_EQ(beside, 0);
    EXPECT_GT(fOnLimit, fAbove);
  } else {
    // A hair shallower limit puts the base below it.
    const double fBelow = evaluate(std::nextafter(depth, 0.0), beside);
    EXPECT_EQ(onLimit, 0);
    EXPECT_EQ(beside, 50);
    EXPECT_LT(fOnLimit, fBelow);
  }
}

INSTANTIATE_TEST_SUITE_P(DeepestSlice, DepthLimitBoundary,
                         ::testing::Values(DepthBoundaryCase{"behind the toe", -2.0, 14.0, true},
                                           DepthBoundaryCase{"in front of the toe", -14.0, 2.0, false}),
                         [](const ::testing::TestParamInfo<DepthBoundaryCase>& info) {
                           return std::to_string(info.index);
                         });

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


// ---- The analysis written out step by step ----
//
// A literal rendering of the ground, the evaluation of a circle and the
// search, recomputing every tangent and the whole slice geometry in every
// iteration, with the search's own bounds (iteration and cycle limits,
// inadmissible circles, the depth-limited circle through both crossings, no
// such circle without depth). The engine lays the slices once per circle and
// keeps the ground precomputed; it must agree with this to the last bit.

GroundPoint LiteralGroundAt(const AnalysisState& s, double x) {
  return testing::LiteralGroundAt(s, x, testing::LiteralFace::kByCotangent);
}
using testing::LiteralWaterAt;

struct LiteralCircle {
  double x1 = 0.0;
  double x2 = 0.0;
  double yc = 0.0;
  double xc = 0.0;
  double radius = 0.0;
  double factor = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  double cut = 0.0;
  bool admissible = false;
};

struct LiteralSearch {
  double lastFactor = 1.0;
  LiteralCircle best;
  long evaluations = 0;
};

bool LiteralAdmissible(double f) { return std::isfinite(f) && f > 0.0; }

LiteralCircle LiteralEvaluate(AnalysisState& s, LiteralSearch& search, double x1, double x2,
                              double yc, int& mode) {
  ++search.evaluations;
  const double h = s.slopeHeight;
  const double depth = s.maxPenetrationDepth;
  LiteralCircle c;
  c.x1 = x1;
  c.x2 = x2;
  // 1.
  c.xc = (x1 + x2) / 2;
  const double chord = x2 - x1;
  const double theta = std::atan(chord / (2 * yc));
  double as = -theta;
  double r = chord / (2 * std::sin(theta));
  double f = mode == 100 ? 1.0 : search.lastFactor;
  if (mode != 50) mode = 0;
  // 2.
  if (s.depthLimitReached == 50 && mode == 50 && depth > 0.0) {
    f = 1.0;
    const double psi = 2 * std::atan(2 * depth / chord);
    r = chord / (2 * std::sin(psi));
    const double ycDepth = r * std::cos(psi);
    as = -psi;
    if (ycDepth >= h) {
      yc = ycDepth;
    } else {
      yc = h;
      r = depth + h;
      as = -std::acos(h / (depth + h));
    }
  }
  // 3.
  const double ae = std::acos((yc - h) / r);
  const double step = (ae - as) / 50;
  // 4.-5.
  const double gd = s.reinforcedUnitWeight;
  const double kv = s.seismicKv;
  const double kh = s.appliedSeismicKh;
  for (int iteration = 1;; ++iteration) {
    double sn = 0.0;
    double sd = 0.0;
    c.cut = 0.0;
    double xLeft = x1;
    for (int k = 1; k <= 50; ++k) {
      const double a = as + k * step;
      const double xRight = c.xc + r * std::sin(a);
      const double b = xRight - xLeft;
      const double xm = xLeft + b / 2;
      const double alpha = std::asin((xm - c.xc) / r);
      const double yb = yc - r * std::cos(alpha);
      const GroundPoint g = LiteralGroundAt(s, xm);
      xLeft = xRight;
      if (yb > g.y) {
        c.cut = yb;
        continue;
      }
      const double hh = g.y - yb;
      const double uru = std::max(0.0, s.poreWaterCoefficient * gd * hh);
      double gs = 0.0;
      double coh = 0.0;
      double phi = 0.0;
      double uw = 0.0;
      if (xm < 0.0) {
        gs = s.foundationUnitWeight;
        if (yb < -depth) {
          coh = 100 * gd * h;
          phi = 60 * s.degreeToRadian;
          s.depthLimitReached = 50;
        } else {
          coh = s.foundationDesignCohesion;
          phi = s.foundationDesignPhi;
        }
        if (s.phreaticSurfaceGiven != 0) uw = s.waterUnitWeight * hh;
      } else {
        if (yb >= 0.0) {
          gs = gd;
          coh = s.backfillDesignCohesion;
          phi = s.reinforcedDesignPhi;
        } else {
          gs = (gd * g.y - s.foundationUnitWeight * yb) / hh;
          if (yb <= -depth) {
            coh = 100 * gd * h;
            phi = 60 * s.degreeToRadian;
            s.depthLimitReached = 50;
          } else {
            coh = s.foundationDesignCohesion;
            phi = s.foundationDesignPhi;
          }
        }
        if (s.phreaticSurfaceGiven != 0) {
          uw = s.waterUnitWeight * std::max(0.0, LiteralWaterAt(s, xm) - yb);
        }
      }
      const double ym = (yb + g.y) / 2;
      const double n = coh * b + b * ((gs * (1 + kv) * hh - uru - uw) + (1 + kv) * g.q) * std::tan(phi);
      const double m = std::cos(alpha) + std::tan(phi) * std::sin(alpha) / f;
      if (!(m < 0.10000000149011612)) sn += n / m;
      sd += b * (1 + kv) * (gs * hh + g.q) * (std::sin(alpha) + kh * (yc - ym) / r);
    }
    const double fNew = sn / sd;
    if (std::fabs(fNew - f) <= fNew / 100) {
      f = (fNew + f) / 2;
      break;
    }
    f = (fNew + f) / 2;
    if (!std::isfinite(f) || iteration >= kMaxBishopIterations) break;
    s.depthLimitReached = 0;
  }
  c.yc = yc;
  c.radius = r;
  c.factor = f;
  c.startAngle = as;
  c.endAngle = ae;
  c.admissible = LiteralAdmissible(f);
  if (c.admissible) search.lastFactor = f;
  if (c.admissible && (!search.best.admissible || f < search.best.factor)) search.best = c;
  return c;
}

struct LiteralResult {
  double factor = 0.0;
  double xc = 0.0;
  double yc = 0.0;
  double radius = 0.0;
  double cut = 0.0;
  double traceX[kCirclePoints] = {};
  double traceY[kCirclePoints] = {};
  long evaluations = 0;
};

LiteralResult LiteralFindCriticalCircle(AnalysisState& s) {
  const double inputWeight = s.reinforcedUnitWeight;
  const double inputPhi = s.reinforcedDesignPhi;
  s.depthLimitReached = 0;
  // 1.
  s.reinforcedUnitWeight = (s.reinforcedUnitWeight + s.backfillUnitWeight) * 0.5;
  s.reinforcedDesignPhi = s.backfillDesignPhi;
  const double h = s.slopeHeight;
  const double start = s.bishopSearchStartX;
  double x1 = 0.0;
  double x2 = start;
  double yc = h;
  double s1 = h;
  double s2 = h;
  double s3 = h;
  int mode = 100;
  LiteralSearch search;
  LiteralCircle current;
  int cycles = 0;
  int still = 0;
  for (;;) {
    // 2.
    current = LiteralEvaluate(s, search, x1, x2, yc, mode);
    if (++cycles >= kMaxBishopSearchCycles) break;
    const double f0 = current.admissible ? current.factor : HUGE_VAL;
    const double point[6][3] = {{x1 + s1, x2, yc}, {x1 - s1, x2, yc}, {x1, x2 - s2, yc},
                                {x1, x2 + s2, yc}, {x1, x2, yc - s3}, {x1, x2, yc + s3}};
    double value[6];
    bool evaluated[6] = {};
    for (int j = 0; j < 6; ++j) {
      if (j == 0 && x1 + s1 > 0) {
        value[j] = 1e14;
      } else if (j == 2 && x2 - s2 < start) {
        value[j] = 2e14;
      } else if (j == 4 && yc - s3 < h) {
        value[j] = 3e14;
      } else {
        const LiteralCircle n = LiteralEvaluate(s, search, point[j][0], point[j][1], point[j][2], mode);
        evaluated[j] = n.admissible;
        value[j] = n.admissible ? n.factor : HUGE_VAL;
      }
    }
    // 3.
    double fMin = f0;
    for (double v : value) fMin = std::min(fMin, v);
    int chosen = -1;
    for (int j = 0; j < 6 && chosen < 0; ++j) {
      if (evaluated[j] && std::fabs(value[j] - fMin) <= 1e-7 &&
          (!current.admissible || std::fabs(value[j] - f0) > f0 / 100)) {
        chosen = j;
      }
    }
    if (chosen >= 0) {
      x1 = point[chosen][0];
      x2 = point[chosen][1];
      yc = point[chosen][2];
      continue;
    }
    // 4.
    if (++still == 5) break;
    s1 = s1 / 2;
    s2 = s2 / 2;
    s3 = s3 / 2;
  }
  // 5.
  if (s.depthLimitReached == 50 && s.maxPenetrationDepth > 0.0) {
    int limitedMode = 50;
    const LiteralCircle limited = LiteralEvaluate(s, search, current.x1, current.x2, current.yc, limitedMode);
    if (limited.admissible) current = limited;
  }
  // 6.
  LiteralCircle c = current.admissible ? current : search.best.admissible ? search.best : LiteralCircle{};
  LiteralResult out;
  out.factor = c.factor;
  out.xc = c.xc;
  out.yc = c.yc;
  out.radius = c.radius;
  out.cut = c.cut;
  for (int k = 1; k <= 99; ++k) {
    const double a = c.startAngle + (k - 1) * (c.endAngle - c.startAngle) / 98;
    out.traceX[k - 1] = c.xc + c.radius * std::sin(a);
    out.traceY[k - 1] = c.yc - c.radius * std::cos(a);
  }
  out.traceX[99] = out.traceX[98];
  out.traceY[99] = LiteralGroundAt(s, out.traceX[98]).y;
  out.evaluations = search.evaluations;
  // 7.
  s.reinforcedUnitWeight = inputWeight;
  s.reinforcedDesignPhi = inputPhi;
  return out;
}

// A slope drawn at random from the ranges the input dialogs accept, with the
// rear end of the lowest layer somewhere behind the toe.
std::unique_ptr<AnalysisState> RandomSlope(std::mt19937_64& random) {
  auto uniform = [&random](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  auto chance = [&random](double p) { return std::bernoulli_distribution(p)(random); };
  auto designPhi = [](double degrees, double fs) { return std::atan(std::tan(kRunDegree * degrees) / fs); };
  auto s = std::make_unique<AnalysisState>();
  s->degreeToRadian = kEngineDegree;
  s->slopeHeight = uniform(1.0, 30.0);
  s->slopeAngle = chance(0.1) ? 90.0 : uniform(10.0, 90.0);
  s->cotSlopeAngle = 1.0 / std::tan(s->slopeAngle * kEngineDegree);
  s->bottomSlopeAngleRad = uniform(0.0, 20.0) * kRunDegree;
  s->crestLengthA = chance(0.2) ? (chance(0.5) ? 0.0 : 1e-5) : uniform(0.0, 20.0);
  s->crestLengthB = chance(0.2) ? 0.0 : uniform(0.0, 20.0);
  s->backslopeAngleRad = uniform(0.0, 45.0) * kRunDegree;
  s->surchargeQ1 = uniform(0.0, 50.0);
  s->surchargeQ2 = uniform(0.0, 50.0);
  s->surchargeQ3 = uniform(0.0, 50.0);
  const double fsSoil = uniform(1.0, 1.5);
  s->reinforcedDesignPhi = designPhi(uniform(10.0, 45.0), fsSoil);
  s->backfillDesignPhi = designPhi(uniform(10.0, 45.0), fsSoil);
  s->foundationDesignPhi = designPhi(uniform(10.0, 45.0), fsSoil);
  s->backfillDesignCohesion = chance(0.3) ? 0.0 : uniform(0.0, 50.0) / fsSoil;
  s->foundationDesignCohesion = chance(0.3) ? 0.0 : uniform(0.0, 50.0) / fsSoil;
  s->reinforcedUnitWeight = uniform(15.0, 22.0);
  s->backfillUnitWeight = uniform(15.0, 22.0);
  s->foundationUnitWeight = uniform(15.0, 22.0);
  s->seismicKv = chance(0.5) ? 0.0 : uniform(0.0, 0.2);
  s->appliedSeismicKh = chance(0.5) ? 0.0 : uniform(0.0, 0.3);
  s->waterUnitWeight = (1 + s->seismicKv) * 9.81;
  const int water = std::uniform_int_distribution<int>(0, 2)(random);
  s->poreWaterCoefficient = water == 1 ? uniform(0.0, 0.5) : 0.0;
  s->phreaticSurfaceGiven = water == 0 ? 1 : 0;
  double x = 0.0;
  for (int k = 1; k < 4; ++k) {
    x += uniform(0.0, s->slopeHeight);
    s->phreaticPointX[k] = x;
    // The run accepts phreatic points inside the slope only.
    const double face = x * std::tan(kRunDegree * std::min(s->slopeAngle, 89.99999));
    s->phreaticPointY[k] = uniform(0.0, std::min(s->slopeHeight, face));
  }
  for (int k = 0; k < 3; ++k) {
    double dx = s->phreaticPointX[k + 1] - s->phreaticPointX[k];
    if (dx < 0.0010000000474974513) dx = 0.0010000000474974513;
    s->phreaticSegmentSlope[k] =
        s->phreaticSurfaceGiven == 0 ? 0.0 : (s->phreaticPointY[k + 1] - s->phreaticPointY[k]) / dx;
  }
  s->maxPenetrationDepth = chance(0.1) ? 0.0 : chance(0.5) ? uniform(0.0, 2.0) : uniform(0.0, 20.0);
  s->bishopSearchStartX = uniform(0.2, 2.0) * s->slopeHeight;
  return s;
}

TEST(GroundSurface, PrecomputedProfileAgreesBitForBitWithTheStepByStepGround) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200; ++i) {
    auto s = RandomSlope(random);
    const GroundProfile ground(*s, GroundProfile::Face::kByCotangent);
    const double xc = s->slopeHeight * s->cotSlopeAngle;
    const double a = s->crestLengthA;
    const double b = s->crestLengthB;
    // The zone ends exactly, and points all over the ground.
    std::vector<double> xs = {-3.0, 0.0, xc, xc + a, xc + a + b, std::nextafter(xc, 1e9),
                              std::nextafter(xc + a, 1e9), std::nextafter(xc + a + b, 1e9)};
    for (int k = 0; k < 50; ++k) xs.push_back(-5.0 + k * (xc + a + b + 10.0) / 49.0);
    for (double x : xs) {
      const GroundPoint expected = LiteralGroundAt(*s, x);
      const GroundPoint got = ground.At(x);
      ASSERT_EQ(got.y, expected.y) << "case " << i << " x " << x;
      ASSERT_EQ(got.q, expected.q) << "case " << i << " x " << x;
      ASSERT_EQ(ground.PhreaticAt(x), LiteralWaterAt(*s, x)) << "case " << i << " x " << x;
    }
  }
}

TEST(DeepSeatedSearch, AgreesBitForBitWithTheStepByStepSearch) {
  std::mt19937_64 random(20261210);
  int limited = 0;
  for (int i = 0; i < 600; ++i) {
    auto s = RandomSlope(random);
    auto literal = std::make_unique<AnalysisState>(*s);
    const LiteralResult expected = LiteralFindCriticalCircle(*literal);
    const double factor = FindCriticalBishopCircle(*s);
    ASSERT_EQ(factor, expected.factor) << "case " << i;
    ASSERT_EQ(s->deepSeatedFactor, expected.factor) << "case " << i;
    ASSERT_EQ(s->criticalCircleX, expected.xc) << "case " << i;
    ASSERT_EQ(s->criticalCircleY, expected.yc) << "case " << i;
    ASSERT_EQ(s->criticalCircleRadius, expected.radius) << "case " << i;
    ASSERT_EQ(s->deepSeatedCutElevation, expected.cut) << "case " << i;
    for (int k = 0; k < kCirclePoints; ++k) {
      ASSERT_EQ(s->deepSeatedCircleX[k], expected.traceX[k]) << "case " << i << " point " << k;
      ASSERT_EQ(s->deepSeatedCircleY[k], expected.traceY[k]) << "case " << i << " point " << k;
    }
    ASSERT_EQ(s->bishopCirclesEvaluated, expected.evaluations) << "case " << i;
    ASSERT_EQ(s->depthLimitReached, literal->depthLimitReached) << "case " << i;
    EXPECT_EQ(s->reinforcedUnitWeight, literal->reinforcedUnitWeight);
    EXPECT_EQ(s->reinforcedDesignPhi, literal->reinforcedDesignPhi);
    limited += s->deepSeatedWork.depthLimitedCircleUsed;
  }
  EXPECT_GE(limited, 15);
}

}  // namespace
}  // namespace tervane::analysis
