// Direct sliding checked against the two-part wedge worked by hand: a vertical
// face with level ground, where the active wedge is a Coulomb wedge and the
// block's resistance is linear in its length.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "analysis/EngineRoutines.h"
#include "support/engine_fixtures.h"
#include "literal_ground.h"

namespace tervane::analysis {
namespace {

constexpr double kEngineDegree = 0.01745329238474369;
constexpr double kDegree = std::numbers::pi / 180.0;

// The direct-sliding inputs of a vertical face of height 6 m with level ground
// (A = B = 0), one soil (phi 30 deg, gamma 20, c 0) in all three zones, no
// water, surcharge or seismic load, sliding coefficients 1 and one layer at
// the toe with no pullout length, so the first trial is H / 10.
std::unique_ptr<AnalysisState> VerticalFace() {
  auto s = std::make_unique<AnalysisState>();
  s->degreeToRadian = kEngineDegree;
  s->slopeHeight = 6.0;
  s->slopeAngle = 90.0;
  s->cotSlopeAngle = 1.0 / std::tan(90.0 * kEngineDegree);
  s->reinforcedUnitWeight = s->backfillUnitWeight = s->foundationUnitWeight = 20.0;
  s->reinforcedDesignPhi = s->backfillDesignPhi = s->foundationDesignPhi = 30.0 * kDegree;
  s->waterUnitWeight = 9.81;
  s->effectiveSlidingCoefficientReinforced = 1.0;
  s->effectiveSlidingCoefficientFoundation = 1.0;
  s->seismicOnReinforcedMass = 1;
  s->layerCount = 1;
  s->layerElevation[1] = 0.0;
  s->currentFsDirectSliding = 1.5;
  return s;
}

// Loads of the hand case: uniform surcharge q on the level ground, pore
// pressure ratio ru, a level water table hw above the toe, seismic Kh and Kv on
// the wedge and, when onMass, on the block.
struct HandCase {
  const char* name;
  double factor = 1.5;
  double q = 0.0;
  bool qOnCrest = false;  // as Q1 on a long crest, else as Q3 beyond A = B = 0
  double kh = 0.0;
  double kv = 0.0;
  bool onMass = true;
  double deltaDeg = 0.0;
  double ru = 0.0;
  double hw = 0.0;
};

void PrintTo(const HandCase& c, std::ostream* os) { *os << c.name; }

// The length of the hand case, with the wedge thrust maximised over a fine
// continuous scan of the wedge angle:
//   P(t) = [(1+Kv) W sin(t-phi) + (Kh W - Pw - Pru) cos(t-phi) + (Uw + Uru) sin(phi)]
//          / cos(delta + phi - t)
//   W = (g H^2 / 2 + q H) cot t, Uru = ru g H^2 cot t / (2 cos t),
//   Uw = gw hw^2 cot t / (2 cos t), Pw = gw hw^2 / 2, Pru = ru g H^2 / 2,
// and the block of length L on the base resisting with
//   [(N + P sin delta - gw hw L - ru g H L) tan phi - Hs - Pw - Pru] = F P cos delta,
//   N = (1+Kvb)(g H + q) L, Hs = Khb (g H + q) L.
double HandLength(const HandCase& c) {
  const double g = 20.0;
  const double h = 6.0;
  const double gw = 9.81;
  const double phi = 30.0 * kDegree;
  const double delta = c.deltaDeg * kDegree;
  const double pw = 0.5 * gw * c.hw * c.hw;
  const double pru = 0.5 * c.ru * g * h * h;
  double best = -std::numeric_limits<double>::infinity();
  for (int i = 1; i < 890000; ++i) {
    const double t = i * 1e-4 * kDegree;
    const double cot = 1.0 / std::tan(t);
    const double w = (0.5 * g * h * h + c.q * h) * cot;
    const double uplift = (c.ru * 0.5 * g * h * h + 0.5 * gw * c.hw * c.hw) * cot / std::cos(t);
    const double p = ((1.0 + c.kv) * w * std::sin(t - phi) + (c.kh * w - pw - pru) * std::cos(t - phi) +
                      uplift * std::sin(phi)) /
                     std::cos(delta + phi - t);
    best = std::max(best, p);
  }
  const double kvb = c.onMass ? c.kv : 0.0;
  const double khb = c.onMass ? c.kh : 0.0;
  const double perLength =
      ((1.0 + kvb) * (g * h + c.q) - gw * c.hw - c.ru * g * h) * std::tan(phi) - khb * (g * h + c.q);
  return (c.factor * best * std::cos(delta) - best * std::sin(delta) * std::tan(phi) + pw + pru) /
         perLength;
}

void Apply(const HandCase& c, AnalysisState& s) {
  s.currentFsDirectSliding = c.factor;
  if (c.qOnCrest) {
    s.crestLengthA = 20.0;
    s.surchargeQ1 = c.q;
  } else {
    s.surchargeQ3 = c.q;
  }
  s.appliedSeismicKh = c.kh;
  s.seismicKv = c.kv;
  s.seismicOnReinforcedMass = c.onMass ? 1 : 0;
  s.interwedgeAngleRad = c.deltaDeg * kDegree;
  s.poreWaterCoefficient = c.ru;
  if (c.hw > 0.0) {
    // Every phreatic point at the toe line: the water stands at hw behind the face.
    s.phreaticSurfaceGiven = 1;
    for (int k = 1; k < 4; ++k) s.phreaticPointY[k] = c.hw;
  }
}

class DirectSlidingHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(DirectSlidingHand, LengthMatchesTheHandWedge) {
  const HandCase& c = GetParam();
  auto s = VerticalFace();
  Apply(c, *s);
  AnalyzeDirectSliding(*s);
  const double expected = HandLength(c);
  EXPECT_NEAR(s->directSlidingLength, expected, 0.01 * expected) << c.name;
  EXPECT_EQ(s->directSlidingWork.exit, DirectSlidingExit::kConverged);
}

INSTANTIATE_TEST_SUITE_P(
    VerticalFaceLevelGround, DirectSlidingHand,
    ::testing::Values(HandCase{"plain"}, HandCase{"factor 1.0", 1.0}, HandCase{"factor 2.0", 2.0},
                      HandCase{"surcharge beyond the crest", 1.5, 20.0},
                      HandCase{"surcharge on a long crest", 1.5, 20.0, true},
                      HandCase{"Kh on wedge and block", 1.5, 0.0, false, 0.1},
                      HandCase{"Kh on the wedge only", 1.5, 0.0, false, 0.1, 0.0, false},
                      HandCase{"Kh and Kv", 1.5, 0.0, false, 0.1, 0.1},
                      HandCase{"Kv on the wedge only", 1.5, 0.0, false, 0.0, -0.2, false},
                      HandCase{"interwedge angle 15", 1.5, 0.0, false, 0.0, 0.0, true, 15.0},
                      HandCase{"pore pressure ratio", 1.5, 0.0, false, 0.0, 0.0, true, 0.0, 0.2},
                      HandCase{"water table", 1.5, 0.0, false, 0.0, 0.0, true, 0.0, 0.0, 3.0}),
    [](const ::testing::TestParamInfo<HandCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

TEST(DirectSliding, PlainCaseIsTheTextbookLength) {
  // Fs * (g H^2 Ka / 2) / (g H tan phi) with Ka = 1/3: 1.5 * 120 / (120 * 0.57735).
  auto s = VerticalFace();
  AnalyzeDirectSliding(*s);
  EXPECT_NEAR(s->directSlidingLength, 2.598, 0.01 * 2.598);
}

TEST(DirectSliding, FullEngineGivesTheTextbookLength) {
  // The same slope through the whole engine: one strong user layer at the toe,
  // the soils as the run hands them over.
  EngineInputs in = testing::DefaultProjectInputs(0);
  in.slopeAngle = 90.0;
  in.crestLengthA = in.crestLengthB = 0.0;
  in.backslopeAngleRad = 0.0;
  in.reinforcedUnitWeight = in.backfillUnitWeight = in.foundationUnitWeight = 20.0;
  in.reinforcedDesignPhi = in.backfillDesignPhi = in.foundationDesignPhi =
      30.0 * testing::kRunDegree;
  in.interwedgeAngleRad = 0.0;
  in.currentFsDirectSliding = 1.5;
  in.layerCount = 1;
  in.layerElevation[0] = 0.0;
  in.layerDesignStrength[0] = 1000.0;
  auto s = testing::NewState();
  auto out = testing::NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_NEAR(out->directSlidingLength, 2.598, 0.01 * 2.598);
  EXPECT_EQ(out->directSlidingWedgeX[1], out->directSlidingLength);
}

TEST(DirectSliding, LengthGrowsInProportionToTheFactor) {
  double perUnit[3] = {};
  const double factors[3] = {1.0, 1.5, 2.5};
  for (int i = 0; i < 3; ++i) {
    auto s = VerticalFace();
    s->currentFsDirectSliding = factors[i];
    AnalyzeDirectSliding(*s);
    perUnit[i] = s->directSlidingLength / factors[i];
  }
  EXPECT_NEAR(perUnit[1], perUnit[0], 0.005 * perUnit[0]);
  EXPECT_NEAR(perUnit[2], perUnit[0], 0.005 * perUnit[0]);
}

TEST(DirectSliding, WedgeRunsFromToeToHeelToTheCoulombLine) {
  auto s = VerticalFace();
  AnalyzeDirectSliding(*s);
  const double length = s->directSlidingLength;
  EXPECT_EQ(s->directSlidingWedgeX[0], 0.0);
  EXPECT_EQ(s->directSlidingWedgeY[0], 0.0);
  EXPECT_EQ(s->directSlidingWedgeX[1], length);
  EXPECT_EQ(s->directSlidingWedgeY[1], 0.0);
  // The critical back line of a Coulomb wedge rises at 45 + phi/2 = 60 deg and
  // meets the ground at H; point 3 lies within one march step of H/50 of it.
  EXPECT_NEAR(s->directSlidingWork.criticalAngle, 60.0 * kDegree, 1e-7);
  EXPECT_NEAR(s->directSlidingWedgeX[2], length + 6.0 / std::tan(60.0 * kDegree), 6.0 / 50.0);
  EXPECT_NEAR(s->directSlidingWedgeY[2], 6.0, 6.0 / 50.0 * std::tan(60.0 * kDegree));
}

TEST(DirectSliding, PurelyCohesiveSoilNeedsTheCohesionLength) {
  // phi = 0, c = 20 in all zones: the wedge thrust is g H^2 / 2 - 2 c H = 120 at
  // 45 deg and the base resists c L, so L = Fs * 120 / 20 = 9.
  auto s = VerticalFace();
  s->reinforcedDesignPhi = s->backfillDesignPhi = s->foundationDesignPhi = 0.0;
  s->reinforcedDesignCohesion = s->backfillDesignCohesion = s->foundationDesignCohesion = 20.0;
  AnalyzeDirectSliding(*s);
  EXPECT_NEAR(s->directSlidingLength, 9.0, 0.01 * 9.0);
}

TEST(DirectSliding, PhreaticPointsCountOnlyWithAPhreaticSurface) {
  auto dry = VerticalFace();
  AnalyzeDirectSliding(*dry);
  auto ignored = VerticalFace();
  for (int k = 1; k < 4; ++k) {
    ignored->phreaticPointX[k] = k;
    ignored->phreaticPointY[k] = 2.0 * k;
  }
  ignored->phreaticSegmentSlope[0] = 2.0;
  ignored->phreaticSurfaceGiven = 0;
  AnalyzeDirectSliding(*ignored);
  EXPECT_EQ(ignored->directSlidingLength, dry->directSlidingLength);
  EXPECT_EQ(ignored->directSlidingWork.interfaceWaterForce, 0.0);
  EXPECT_EQ(ignored->directSlidingWork.baseWaterForce, 0.0);
}

// The foundation coefficient: with layer 1 on the base the block slides on the
// reinforcement over the foundation (its coefficient counts); with layer 1
// above the base, soil slides on soil (coefficient 1). Only layer 1's
// elevation decides: the bottom-layer height of an optimised layout is not
// looked at in a run of user-specified layers.
struct FoundationCase {
  const char* name;
  double layerOneElevation;
  double bottomLayerHeight;
  double expectedCoefficient;
  double lengthRatio;  // to the plain case
};

void PrintTo(const FoundationCase& c, std::ostream* os) { *os << c.name; }

class DirectSlidingFoundation : public ::testing::TestWithParam<FoundationCase> {};

TEST_P(DirectSlidingFoundation, CoefficientFollowsTheLowestLayer) {
  const FoundationCase& c = GetParam();
  auto plain = VerticalFace();
  AnalyzeDirectSliding(*plain);
  auto s = VerticalFace();
  s->runMode = 0;
  s->effectiveSlidingCoefficientFoundation = 0.5;
  s->layerElevation[1] = c.layerOneElevation;
  s->bottomLayerHeight = c.bottomLayerHeight;
  AnalyzeDirectSliding(*s);
  EXPECT_EQ(s->effectiveSlidingCoefficientFoundation, c.expectedCoefficient) << c.name;
  EXPECT_NEAR(s->directSlidingLength, c.lengthRatio * plain->directSlidingLength,
              0.01 * c.lengthRatio * plain->directSlidingLength)
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    LowestLayer, DirectSlidingFoundation,
    ::testing::Values(
        // tan(atan(0.5 tan phi)) halves the foundation's resistance: twice the length.
        FoundationCase{"on the base", 0.0, 0.0, 0.5, 2.0},
        FoundationCase{"on the base with a stale bottom-layer height", 0.0, 0.5, 0.5, 2.0},
        FoundationCase{"above the base", 0.5, 0.0, 1.0, 1.0},
        FoundationCase{"above the base, optimised height", 0.5, 0.5, 1.0, 1.0}));

TEST(DirectSliding, ResultDoesNotDependOnEarlierCalls) {
  auto fresh = VerticalFace();
  AnalyzeDirectSliding(*fresh);

  // The same state after a call that ran into the trial limit, with its
  // working values left in a different shape.
  auto reused = VerticalFace();
  reused->appliedSeismicKh = 0.7;
  AnalyzeDirectSliding(*reused);
  ASSERT_EQ(reused->directSlidingWork.exit, DirectSlidingExit::kTrialLimit);
  reused->appliedSeismicKh = 0.0;
  AnalyzeDirectSliding(*reused);
  EXPECT_EQ(reused->directSlidingLength, fresh->directSlidingLength);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(reused->directSlidingWedgeX[k], fresh->directSlidingWedgeX[k]);
    EXPECT_EQ(reused->directSlidingWedgeY[k], fresh->directSlidingWedgeY[k]);
  }
  EXPECT_EQ(reused->directSlidingWork.trialCount, fresh->directSlidingWork.trialCount);

  AnalyzeDirectSliding(*reused);
  EXPECT_EQ(reused->directSlidingLength, fresh->directSlidingLength);
}

TEST(DirectSliding, BlockThatAlwaysSlidesEndsAtTheTrialLimit) {
  // Kh = 0.7 on the block exceeds tan(30 deg): the base can never hold it, so
  // every trial fails. The analysis ends after the trial limit with the longest
  // length tried, a finite answer.
  auto s = VerticalFace();
  s->appliedSeismicKh = 0.7;
  const auto start = std::chrono::steady_clock::now();
  AnalyzeDirectSliding(*s);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(s->directSlidingWork.exit, DirectSlidingExit::kTrialLimit);
  EXPECT_EQ(s->directSlidingWork.trialCount, kMaxDirectSlidingTrials);
  EXPECT_EQ(s->directSlidingWork.anyPassed, 0);
  EXPECT_TRUE(std::isfinite(s->directSlidingLength));
  EXPECT_NEAR(s->directSlidingLength, 0.6 * kMaxDirectSlidingTrials, 1e-6 * kMaxDirectSlidingTrials);
  EXPECT_TRUE(std::isfinite(s->directSlidingWedgeX[2]));
  EXPECT_TRUE(std::isfinite(s->directSlidingWedgeY[2]));
  EXPECT_LT(seconds, 10.0);
}

TEST(DirectSliding, FaceWithoutInclinationEndsAtOnce) {
  // A slope angle of 0 (only a damaged project file can hold one) puts the
  // crest edge at infinity. There is nothing to slide: the analysis answers
  // the no-length value at once instead of marching wedges from infinity.
  auto s = VerticalFace();
  s->slopeAngle = 0.0;
  s->cotSlopeAngle = 1.0 / std::tan(0.0);
  const auto start = std::chrono::steady_clock::now();
  AnalyzeDirectSliding(*s);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(s->directSlidingLength, 1e-5);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(s->directSlidingWedgeX[k], 1e-5);
    EXPECT_EQ(s->directSlidingWedgeY[k], 1e-5);
  }
  EXPECT_LT(seconds, 1.0);

  // The same through the whole engine.
  auto state = std::make_unique<AnalysisState>();
  auto out = std::make_unique<EngineOutputs>();
  EngineInputs in = testing::DefaultProjectInputs(1);
  in.slopeAngle = 0.0;
  const auto engineStart = std::chrono::steady_clock::now();
  RunSlopeAnalysis(*state, in, *out);
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - engineStart).count(), 2.0);
  EXPECT_EQ(out->directSlidingLength, 1e-5);
}

TEST(DirectSliding, LengthThatPassesDownToZeroFromTheCrestEdgeStaysPositive) {
  // A 45 deg face (crest edge 6 m out) in strongly cohesive soil: the wedge
  // pushes nothing and every shortening from the crest edge passes. The answer
  // is the shortest length tried, which passed.
  auto s = VerticalFace();
  s->slopeAngle = 45.0;
  s->cotSlopeAngle = 1.0 / std::tan(45.0 * kEngineDegree);
  s->reinforcedDesignCohesion = s->backfillDesignCohesion = s->foundationDesignCohesion = 200.0;
  AnalyzeDirectSliding(*s);
  const DirectSlidingWork& w = s->directSlidingWork;
  EXPECT_EQ(w.exit, DirectSlidingExit::kShortenedToZero);
  EXPECT_GT(s->directSlidingLength, 0.0);
  EXPECT_LE(s->directSlidingLength, w.step + 1e-12);
  EXPECT_EQ(s->directSlidingLength, w.shortestPassingLength);
  EXPECT_TRUE(std::isfinite(s->directSlidingWedgeX[2]));
  EXPECT_GE(s->directSlidingWedgeX[2], s->directSlidingLength);
}


// ---- The analysis written out step by step ----
//
// A literal rendering of the algorithm, recomputing every tangent, sine and
// cosine where the algorithm uses it and the ground from scratch at every
// point, with the analysis's own bounds and exits. The engine precomputes the
// ground and the angle terms; it must agree with this to the last bit.

GroundPoint LiteralGroundAt(const AnalysisState& s, double x) {
  return testing::LiteralGroundAt(s, x, testing::LiteralFace::kByTangent);
}
using testing::LiteralWaterAt;

struct LiteralSlidingResult {
  double length = 0.0;
  double wedgeX[3] = {};
  double wedgeY[3] = {};
  double coefficientFoundation = 0.0;
  int trials = 0;
  double firstFactor = 0.0;  // F of the first trial
  // The last trial.
  double interfaceWaterForce = 0.0;
  double interfacePoreForce = 0.0;
  double activeThrust = 0.0;
  double criticalAngle = 0.0;
  double factorReinforced = 0.0;
  double factorFoundation = 0.0;
};

LiteralSlidingResult LiteralDirectSliding(const AnalysisState& s) {
  LiteralSlidingResult out;
  const double deg = s.degreeToRadian;
  const double h = s.slopeHeight;
  const double xc = h * s.cotSlopeAngle;
  const double gw = s.waterUnitWeight;
  const double ru = s.poreWaterCoefficient;
  const double gb = s.backfillUnitWeight;
  const double gr = s.reinforcedUnitWeight;
  const double phib = s.backfillDesignPhi;
  const double cb = s.backfillDesignCohesion;
  const double delta = s.interwedgeAngleRad;
  const double kh = s.appliedSeismicKh;
  const double kv = s.seismicKv;
  // 1.
  const double dxw = h / 50;
  const double khb = s.seismicOnReinforcedMass == 1 ? kh : 0.0;
  const double kvb = s.seismicOnReinforcedMass == 1 ? kv : 0.0;
  double step = 0.10000000149011612 * h;
  int n = 0;
  // 2.
  double length = (s.lengthToSlipSurface[1] + s.embeddedLength[1]) / 10;
  if (std::fabs(length) < h / 10) length = h / 10;
  int faceStart = 0;
  if (std::fabs(length) < xc) {
    length = xc;
    faceStart = 1;
  }
  // 7. (fixed over the trials)
  const double cr = s.effectiveSlidingCoefficientReinforced;
  const double cf = s.layerElevation[1] > 1e-5 ? 1.0 : s.effectiveSlidingCoefficientFoundation;
  out.coefficientFoundation = cf;
  const double tr = std::tan(std::atan(cr * std::tan(s.reinforcedDesignPhi)));
  const double tf = std::tan(std::atan(cf * std::tan(s.foundationDesignPhi)));
  if (!std::isfinite(length)) {
    out.length = 1e-5;
    for (int k = 0; k < 3; ++k) out.wedgeX[k] = out.wedgeY[k] = 1e-5;
    return out;
  }

  double result = 0.0;
  double resultAngle = 0.0;
  bool anyPassed = false;
  double shortest = 0.0;
  double shortestAngle = 0.0;
  for (;;) {
    ++out.trials;
    // 3.
    double pw = 0.0;
    if (s.phreaticSurfaceGiven != 0) {
      const double w = LiteralWaterAt(s, length);
      if (!(w < 0.0)) pw = 0.5 * gw * (w * w);
    }
    // 4.
    double previous = -1e15;
    double p = 0.0;
    double pru = 0.0;
    double critical = 0.0;
    double theta = phib * 0.5 + 50 * deg - deg;
    for (;;) {
      double wv = 0.0, wh = 0.0, uw = 0.0, uru = 0.0, c = 0.0;
      pru = 0.0;
      const double x0 = std::max(0.0, length - h / 100);
      for (int k = 1; k <= kMaxWedgeStrips; ++k) {
        const double x = x0 + k * dxw;
        const GroundPoint g = LiteralGroundAt(s, x);
        const double yb = (x - length) * std::tan(theta);
        if (g.y <= yb) break;
        const double hh = g.y - yb;
        const double weight = gb * hh * dxw + g.q * dxw;
        wv += (1 + kv) * weight;
        wh += kh * weight;
        uru += ru * gb * hh * dxw / std::cos(theta);
        c += cb * dxw / std::cos(theta);
        if (s.phreaticSurfaceGiven != 0) {
          const double term = (LiteralWaterAt(s, x) - yb) * gw * dxw / std::cos(theta);
          uw += term < 0.0 ? 0.0 : term;
        }
        if (k == 1) pru = 0.5 * ru * gb * (g.y * g.y);
      }
      const double pTheta = (wv * std::sin(theta - phib) + (wh - pw - pru) * std::cos(theta - phib) +
                             (uw + uru) * std::sin(phib) - c * std::cos(phib)) /
                            std::cos(delta + phib - theta);
      if (pTheta <= previous + 1e-5) {
        p = previous;
        critical = theta + deg;
        break;
      }
      previous = pTheta;
      const double evaluated = theta;
      theta = theta - deg;
      if (theta <= 2 * deg) {
        p = pTheta;
        critical = evaluated;
        break;
      }
    }
    if (p < 0.0) p = 1e-5;
    // 5.
    const double dxb = length / 50;
    double nn = 0.0, hs = 0.0, uwb = 0.0, urub = 0.0, crl = 0.0, cfl = 0.0;
    for (int k = 1; k <= 50; ++k) {
      const double x = (k - 0.5) * dxb;
      const GroundPoint g = LiteralGroundAt(s, x);
      const double ws = gr * g.y * dxb;
      const double qs = g.q * dxb;
      nn += (1 + kvb) * (ws + qs);
      hs += khb * (ws + qs);
      urub += ru * gr * g.y * dxb;
      if (s.phreaticSurfaceGiven != 0) uwb += gw * std::max(0.0, LiteralWaterAt(s, x)) * dxb;
      crl += s.reinforcedDesignCohesion * dxb;
      cfl += s.foundationDesignCohesion * dxb;
    }
    // 6.
    const double nt = nn + p * std::sin(delta);
    double ph = p * std::cos(delta);
    if (std::fabs(ph) < 1e-5) ph = 1e-5;
    // 8.
    const double fr = (cr * crl + (nt - uwb - urub) * tr - hs - pw - pru) / ph;
    const double ff = (cf * cfl + (nt - uwb - urub) * tf - hs - pw - pru) / ph;
    const double f = std::min(fr, ff);
    if (out.trials == 1) out.firstFactor = f;
    out.interfaceWaterForce = pw;
    out.interfacePoreForce = pru;
    out.activeThrust = p;
    out.criticalAngle = critical;
    out.factorReinforced = fr;
    out.factorFoundation = ff;
    // 9.
    const bool passes = !(f < s.currentFsDirectSliding);
    if (passes && (!anyPassed || length < shortest)) {
      anyPassed = true;
      shortest = length;
      shortestAngle = critical;
    }
    double next = length;
    if (!passes) {
      next = length + step;
      faceStart = 0;
    } else if (faceStart != 0) {
      next = length - step;
      if (!(next > 0.0)) {
        result = length;
        resultAngle = critical;
        break;
      }
    } else {
      n = n + 1;
      if (n > 10) {
        result = length + step / 2;
        resultAngle = critical;
        break;
      }
      step = step / 2;
      next = length - step;
      if (next <= 0.0) next = std::fabs(step / 100);
    }
    if (out.trials >= kMaxDirectSlidingTrials) {
      result = anyPassed ? shortest : length;
      resultAngle = anyPassed ? shortestAngle : critical;
      break;
    }
    length = next;
  }
  // 10.-11.
  double xPrev = result;
  double yPrev = 0.0;
  double xTop = result;
  double yTop = 0.0;
  for (int k = 1; k <= kMaxWedgeStrips; ++k) {
    const double x = result + k * h / 50;
    const double y = (x - result) * std::tan(resultAngle);
    xTop = x;
    yTop = y;
    if (LiteralGroundAt(s, x).y < y) {
      xTop = (xPrev + x) / 2;
      yTop = (yPrev + y) / 2;
      break;
    }
    xPrev = x;
    yPrev = y;
  }
  out.length = result;
  out.wedgeX[1] = result;
  out.wedgeX[2] = xTop;
  out.wedgeY[2] = yTop;
  return out;
}


// A slope drawn at random from the ranges the input dialogs accept, with the
// pullout length of layer 1 and its elevation as the compound analysis and the
// layout might leave them.
std::unique_ptr<AnalysisState> RandomSlope(std::mt19937_64& random) {
  auto uniform = [&random](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  auto chance = [&random](double p) { return std::bernoulli_distribution(p)(random); };
  auto s = std::make_unique<AnalysisState>();
  s->degreeToRadian = kEngineDegree;
  s->slopeHeight = uniform(1.0, 30.0);
  s->slopeAngle = chance(0.1) ? 90.0 : uniform(10.0, 90.0);
  s->cotSlopeAngle = 1.0 / std::tan(s->slopeAngle * kEngineDegree);
  s->bottomSlopeAngleRad = uniform(0.0, 20.0) * testing::kRunDegree;
  s->crestLengthA = chance(0.2) ? (chance(0.5) ? 0.0 : 1e-5) : uniform(0.0, 20.0);
  s->crestLengthB = chance(0.2) ? 0.0 : uniform(0.0, 20.0);
  s->backslopeAngleRad = uniform(0.0, 45.0) * testing::kRunDegree;
  s->surchargeQ1 = uniform(0.0, 50.0);
  s->surchargeQ2 = uniform(0.0, 50.0);
  s->surchargeQ3 = uniform(0.0, 50.0);
  const double fsSoil = uniform(1.0, 1.5);
  const double phiR = testing::DesignPhi(uniform(10.0, 45.0), fsSoil);
  const double phiB = testing::DesignPhi(uniform(10.0, 45.0), fsSoil);
  s->reinforcedDesignPhi = phiR;
  s->backfillDesignPhi = phiB;
  s->foundationDesignPhi = testing::DesignPhi(uniform(10.0, 45.0), fsSoil);
  s->reinforcedDesignCohesion = uniform(0.0, 50.0) / fsSoil;
  s->backfillDesignCohesion = chance(0.5) ? 0.0 : uniform(0.0, 50.0) / fsSoil;
  s->foundationDesignCohesion = uniform(0.0, 50.0) / fsSoil;
  s->reinforcedUnitWeight = uniform(15.0, 22.0);
  s->backfillUnitWeight = uniform(15.0, 22.0);
  s->foundationUnitWeight = uniform(15.0, 22.0);
  s->interwedgeAngleRad = uniform(0.0, std::min(phiR, phiB));
  const double rc = uniform(0.5, 1.0);
  s->effectiveSlidingCoefficientReinforced = (uniform(0.5, 1.0) * rc + 1.0) - rc;
  s->effectiveSlidingCoefficientFoundation = (uniform(0.5, 1.0) * rc + 1.0) - rc;
  s->seismicKv = chance(0.5) ? 0.0 : uniform(0.0, 0.2);
  s->appliedSeismicKh = chance(0.5) ? 0.0 : uniform(0.0, 0.3);
  s->seismicOnReinforcedMass = chance(0.5) ? 1 : 0;
  s->waterUnitWeight = (1 + s->seismicKv) * 9.81;
  const int water = std::uniform_int_distribution<int>(0, 2)(random);
  s->poreWaterCoefficient = water == 1 ? uniform(0.0, 0.5) : 0.0;
  s->phreaticSurfaceGiven = water == 0 ? 1 : 0;
  double x = 0.0;
  for (int k = 1; k < 4; ++k) {
    x += uniform(0.0, s->slopeHeight);
    s->phreaticPointX[k] = x;
    // The run accepts phreatic points inside the slope only.
    const double face = x * std::tan(testing::kRunDegree * std::min(s->slopeAngle, 89.99999));
    s->phreaticPointY[k] = uniform(0.0, std::min(s->slopeHeight, face));
  }
  for (int k = 0; k < 3; ++k) {
    double dx = s->phreaticPointX[k + 1] - s->phreaticPointX[k];
    if (dx < 0.0010000000474974513) dx = 0.0010000000474974513;
    s->phreaticSegmentSlope[k] =
        s->phreaticSurfaceGiven == 0 ? 0.0 : (s->phreaticPointY[k + 1] - s->phreaticPointY[k]) / dx;
  }
  s->layerCount = 1;
  s->layerElevation[1] = chance(0.5) ? 0.0 : uniform(0.0, 1.0);
  s->lengthToSlipSurface[1] = uniform(0.0, s->slopeHeight);
  s->embeddedLength[1] = uniform(0.0, s->slopeHeight);
  s->currentFsDirectSliding = uniform(1.0, 2.5);
  return s;
}

// The interface water force 0.5 gw w(L)^2 and the interface pore-pressure
// force 0.5 ru gb yg^2 take the square first: on these values the product
// taken factor by factor differs in the last bit.
struct InterfaceForceCase {
  const char* name;
  double waterLevel;  // level water table behind the face, 0 for none
  double ru;
  double backfillUnitWeight;
  double waterForce;
  double poreForce;
};

void PrintTo(const InterfaceForceCase& c, std::ostream* os) { *os << c.name; }

class DirectSlidingInterfaceForces : public ::testing::TestWithParam<InterfaceForceCase> {};

TEST_P(DirectSlidingInterfaceForces, SquareIsTakenFirst) {
  const InterfaceForceCase& c = GetParam();
  auto s = VerticalFace();
  s->backfillUnitWeight = c.backfillUnitWeight;
  s->poreWaterCoefficient = c.ru;
  if (c.waterLevel > 0.0) {
    s->phreaticSurfaceGiven = 1;
    for (int k = 1; k < 4; ++k) s->phreaticPointY[k] = c.waterLevel;
  }
  AnalyzeDirectSliding(*s);
  const DirectSlidingWork& w = s->directSlidingWork;
  // Level ground at H = 6 m from the first wedge strip on.
  EXPECT_EQ(w.interfaceWaterForce, c.waterForce) << c.name;
  EXPECT_EQ(w.interfacePoreForce, c.poreForce) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    VerticalFace, DirectSlidingInterfaceForces,
    ::testing::Values(
        // 0.5 * 9.81 * (3.3 * 3.3); factor by factor 53.41544999999999.
        InterfaceForceCase{"water table 3.3 m", 3.3, 0.0, 20.0, 53.41545, 0.0},
        // 0.5 * 9.81 * (4.1 * 4.1); factor by factor 82.45304999999999.
        InterfaceForceCase{"water table 4.1 m", 4.1, 0.0, 20.0, 82.45305, 0.0},
        // 0.5 * 0.3 * 21.3 * (6 * 6); factor by factor 115.01999999999998.
        InterfaceForceCase{"pore ratio 0.3", 0.0, 0.3, 21.3, 0.0, 115.02},
        // 0.5 * 0.25 * 19 * (6 * 6) = 85.5 either way; with water as well.
        InterfaceForceCase{"pore ratio and water", 3.3, 0.25, 19.0, 53.41545, 85.5}),
    [](const ::testing::TestParamInfo<InterfaceForceCase>& info) {
      return std::to_string(info.index);
    });

TEST(DirectSliding, TrialWhoseFactorEqualsTheTargetPasses) {
  // The first trial (L = 1.2 m, from the pullout length of layer 1) with the
  // target set to its own factor: it passes, so the search halves its step and
  // shortens; a target one unit in the last place higher makes it fail and
  // lengthen, and the search ends elsewhere.
  auto probe = VerticalFace();
  probe->lengthToSlipSurface[1] = 8.0;
  probe->embeddedLength[1] = 4.0;
  const double first = LiteralDirectSliding(*probe).firstFactor;
  ASSERT_GT(first, 0.0);

  struct Run {
    double length;
    int trials;
  };
  auto run = [](double target) {
    auto s = VerticalFace();
    s->lengthToSlipSurface[1] = 8.0;
    s->embeddedLength[1] = 4.0;
    s->currentFsDirectSliding = target;
    const LiteralSlidingResult expected = LiteralDirectSliding(*s);
    AnalyzeDirectSliding(*s);
    EXPECT_EQ(s->directSlidingLength, expected.length) << target;
    EXPECT_EQ(s->directSlidingWork.trialCount, expected.trials) << target;
    return Run{s->directSlidingLength, s->directSlidingWork.trialCount};
  };
  const Run equal = run(first);
  const Run above = run(std::nextafter(first, 1e9));
  EXPECT_NE(equal.length, above.length);
}

// The analysis of slope s against the step-by-step analysis: the length,
// the wedge, the trials and the working values of the last trial, bit for
// bit.
void ExpectSameAsTheStepByStepAnalysis(AnalysisState& s, int i) {
  const LiteralSlidingResult expected = LiteralDirectSliding(s);
  AnalyzeDirectSliding(s);
  ASSERT_EQ(s.directSlidingLength, expected.length) << "case " << i;
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(s.directSlidingWedgeX[k], expected.wedgeX[k]) << "case " << i << " point " << k;
    ASSERT_EQ(s.directSlidingWedgeY[k], expected.wedgeY[k]) << "case " << i << " point " << k;
  }
  ASSERT_EQ(s.directSlidingWork.trialCount, expected.trials) << "case " << i;
  ASSERT_EQ(s.effectiveSlidingCoefficientFoundation, expected.coefficientFoundation);
  const DirectSlidingWork& w = s.directSlidingWork;
  ASSERT_EQ(w.interfaceWaterForce, expected.interfaceWaterForce) << "case " << i;
  ASSERT_EQ(w.interfacePoreForce, expected.interfacePoreForce) << "case " << i;
  ASSERT_EQ(w.activeThrust, expected.activeThrust) << "case " << i;
  ASSERT_EQ(w.criticalAngle, expected.criticalAngle) << "case " << i;
  ASSERT_EQ(w.factorReinforced, expected.factorReinforced) << "case " << i;
  ASSERT_EQ(w.factorFoundation, expected.factorFoundation) << "case " << i;
}

TEST(DirectSliding, AgreesBitForBitWithTheStepByStepAnalysis) {
  std::mt19937_64 random(20261210);
  int converged = 0;
  for (int i = 0; i < 300; ++i) {
    auto s = RandomSlope(random);
    ExpectSameAsTheStepByStepAnalysis(*s, i);
    if (HasFatalFailure()) return;
    if (s->directSlidingWork.exit == DirectSlidingExit::kConverged) ++converged;
  }
  EXPECT_GT(converged, 200);
}

// The same on steep, high backslopes behind vertical and inclined faces,
// with pore pressures or a phreatic line: wedges many strips long, pieces
// of very different slopes, large interface pore-pressure forces, and the
// level crossing the wedges' bases.
TEST(DirectSliding, AgreesBitForBitOnSteepHighBackslopes) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 24; ++i) {
    auto s = RandomSlope(random);
    s->slopeHeight = std::uniform_real_distribution<double>(1.0, 5.0)(random);
    s->crestLengthB = std::uniform_real_distribution<double>(1.0, 6.0)(random);
    s->backslopeAngleRad = std::uniform_real_distribution<double>(60.0, 89.5)(random) * testing::kRunDegree;
    if (i % 2 == 0) {
      s->phreaticSurfaceGiven = 0;
      s->poreWaterCoefficient = std::uniform_real_distribution<double>(0.1, 0.5)(random);
    }
    ExpectSameAsTheStepByStepAnalysis(*s, i);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace tervane::analysis
