// The 50-slice Bishop evaluation against a fine-slice Bishop written here from
// the circle's geometry: vertical slices of equal width from the left crossing
// of the toe level to the point of the circle at the crest height, the factor
// iterated to convergence.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedBishop.h"

namespace tervane::analysis {
namespace {

constexpr double kEngineDegree = 0.01745329238474369;
constexpr double kDegree = std::numbers::pi / 180.0;

// The slope: H 6 m at 45 deg, a crest flat of 3 m, a backslope of 2 m at
// 20 deg, level ground in front of the toe. Soil above the toe level gamma 19,
// c 5, phi 28; foundation gamma 18, c 10, phi 25; the depth limit far below.
struct Slope {
  double height = 6.0;
  double crestA = 3.0;
  double crestB = 2.0;
  double backslopeDeg = 20.0;
  double gammaAbove = 19.0;
  double cAbove = 5.0;
  double phiAboveDeg = 28.0;
  double gammaBelow = 18.0;
  double cBelow = 10.0;
  double phiBelowDeg = 25.0;
  double q[3] = {0.0, 0.0, 0.0};
  double ru = 0.0;
  bool phreatic = false;  // through (0,0), (4,1), (9,3), (12,4), level beyond
  double kh = 0.0;
};

constexpr double kPhreaticX[4] = {0.0, 4.0, 9.0, 12.0};
constexpr double kPhreaticY[4] = {0.0, 1.0, 3.0, 4.0};
constexpr double kWater = 9.81;

std::unique_ptr<AnalysisState> StateOf(const Slope& p) {
  auto s = std::make_unique<AnalysisState>();
  s->degreeToRadian = kEngineDegree;
  s->slopeHeight = p.height;
  s->slopeAngle = 45.0;
  s->cotSlopeAngle = 1.0 / std::tan(45.0 * kEngineDegree);
  s->crestLengthA = p.crestA;
  s->crestLengthB = p.crestB;
  s->backslopeAngleRad = p.backslopeDeg * kDegree;
  s->surchargeQ1 = p.q[0];
  s->surchargeQ2 = p.q[1];
  s->surchargeQ3 = p.q[2];
  // The search lends these two fields to the soil above the toe level.
  s->reinforcedUnitWeight = p.gammaAbove;
  s->reinforcedDesignPhi = p.phiAboveDeg * kDegree;
  s->backfillUnitWeight = p.gammaAbove;
  s->backfillDesignPhi = p.phiAboveDeg * kDegree;
  s->backfillDesignCohesion = p.cAbove;
  s->foundationUnitWeight = p.gammaBelow;
  s->foundationDesignPhi = p.phiBelowDeg * kDegree;
  s->foundationDesignCohesion = p.cBelow;
  s->maxPenetrationDepth = 100.0;
  s->poreWaterCoefficient = p.ru;
  s->waterUnitWeight = kWater;
  s->appliedSeismicKh = p.kh;
  s->phreaticSurfaceGiven = p.phreatic ? 1 : 0;
  for (int k = 0; k < 4; ++k) {
    s->phreaticPointX[k] = kPhreaticX[k];
    s->phreaticPointY[k] = kPhreaticY[k];
  }
  for (int k = 0; k < 3; ++k) {
    s->phreaticSegmentSlope[k] =
        (kPhreaticY[k + 1] - kPhreaticY[k]) / (kPhreaticX[k + 1] - kPhreaticX[k]);
  }
  return s;
}

struct Ground {
  double y;
  double q;
};

Ground GroundOf(const Slope& p, double x) {
  const double crest = p.height / std::tan(45.0 * kDegree);
  if (x < 0.0) return {0.0, 0.0};
  if (x < crest) return {x * std::tan(45.0 * kDegree), 0.0};
  const double d = x - crest;
  if (d <= p.crestA) return {p.height, p.q[0]};
  if (d <= p.crestA + p.crestB) {
    return {p.height + (d - p.crestA) * std::tan(p.backslopeDeg * kDegree), p.q[1]};
  }
  return {p.height + p.crestB * std::tan(p.backslopeDeg * kDegree), p.q[2]};
}

double WaterLevel(double x) {
  if (x >= kPhreaticX[3]) return kPhreaticY[3];
  int k = x >= kPhreaticX[2] ? 2 : x >= kPhreaticX[1] ? 1 : 0;
  return kPhreaticY[k] + (x - kPhreaticX[k]) * (kPhreaticY[k + 1] - kPhreaticY[k]) /
                             (kPhreaticX[k + 1] - kPhreaticX[k]);
}

struct Reference {
  double factor;
  double smallestDivisor;  // the smallest m_alpha met
};

// Simplified Bishop on 20000 vertical slices. Per slice of width b with its
// base at the circle, base inclination alpha and height h to the ground:
// weight W (soil above the toe level over foundation soil), surcharge Q = q b,
// pore pressure u = ru * gamma_above * h plus the water (its full height in
// front of the toe, the phreatic head behind it);
//   F = sum [c b + (W + Q - u b) tan(phi)] / m_alpha
//       / sum (W + Q) (sin(alpha) + Kh (yc - y_mid) / R),
//   m_alpha = cos(alpha) + sin(alpha) tan(phi) / F.
Reference FineBishop(const Slope& p, double x1, double x2, double yc) {
  const double xc = 0.5 * (x1 + x2);
  const double r = std::hypot(0.5 * (x2 - x1), yc);
  const double xEnd = xc + std::sqrt(r * r - (yc - p.height) * (yc - p.height));
  const int n = 20000;
  const double b = (xEnd - x1) / n;
  const double tanAbove = std::tan(p.phiAboveDeg * kDegree);
  const double tanBelow = std::tan(p.phiBelowDeg * kDegree);
  std::vector<double> resisting(n);
  std::vector<double> sinAlpha(n);
  std::vector<double> cosAlpha(n);
  std::vector<double> tanPhi(n);
  double driving = 0.0;
  int used = 0;
  for (int i = 0; i < n; ++i) {
    const double x = x1 + (i + 0.5) * b;
    const double base = yc - std::sqrt(r * r - (x - xc) * (x - xc));
    const Ground g = GroundOf(p, x);
    if (base >= g.y) continue;
    const double h = g.y - base;
    const bool inFoundation = x < 0.0 || base < 0.0;
    double weight = 0.0;
    if (x < 0.0) {
      weight = p.gammaBelow * h * b;
    } else if (base >= 0.0) {
      weight = p.gammaAbove * h * b;
    } else {
      weight = (p.gammaAbove * g.y + p.gammaBelow * -base) * b;
    }
    double u = p.ru * p.gammaAbove * h;
    if (p.phreatic) u += kWater * (x < 0.0 ? h : std::max(0.0, WaterLevel(x) - base));
    const double c = inFoundation ? p.cBelow : p.cAbove;
    tanPhi[used] = inFoundation ? tanBelow : tanAbove;
    sinAlpha[used] = (x - xc) / r;
    cosAlpha[used] = (yc - base) / r;
    resisting[used] = c * b + (weight + g.q * b - u * b) * tanPhi[used];
    driving += (weight + g.q * b) * (sinAlpha[used] + p.kh * (yc - 0.5 * (base + g.y)) / r);
    ++used;
  }
  double f = 1.0;
  double smallest = 1e300;
  for (int iteration = 0; iteration < 1000; ++iteration) {
    double sum = 0.0;
    smallest = 1e300;
    for (int i = 0; i < used; ++i) {
      const double m = cosAlpha[i] + sinAlpha[i] * tanPhi[i] / f;
      smallest = std::min(smallest, m);
      sum += resisting[i] / m;
    }
    const double next = sum / driving;
    const bool settled = std::fabs(next - f) < 1e-13 * next;
    f = next;
    if (settled) break;
  }
  return {f, smallest};
}

struct ReferenceCase {
  const char* name;
  Slope slope;
  double x1;
  double x2;
  double yc;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.name; }

Slope WithSurcharge() {
  Slope p;
  p.q[0] = 10.0;
  p.q[1] = 15.0;
  p.q[2] = 20.0;
  return p;
}

Slope WithWater() {
  Slope p;
  p.phreatic = true;
  return p;
}

Slope WithPoreRatioAndKh() {
  Slope p;
  p.ru = 0.25;
  p.kh = 0.15;
  return p;
}

Slope Cohesive() {
  Slope p;
  p.phiAboveDeg = 0.0;
  p.phiBelowDeg = 0.0;
  p.cAbove = 20.0;
  p.cBelow = 15.0;
  return p;
}

class BishopReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(BishopReference, FiftySlicesAgreeWithFineSlices) {
  const ReferenceCase& c = GetParam();
  const Reference reference = FineBishop(c.slope, c.x1, c.x2, c.yc);
  // The comparison holds only where no slice's m_alpha drops below 0.1, which
  // the 50-slice evaluation leaves out.
  ASSERT_GT(reference.smallestDivisor, 0.15) << c.name;
  ASSERT_GT(reference.factor, 0.0) << c.name;

  auto s = StateOf(c.slope);
  double yc = c.yc;
  double xc = 0.0;
  double radius = 0.0;
  double factor = 0.0;
  int mode = kBishopModeFirst;
  EvaluateBishopCircle(*s, c.x1, c.x2, yc, xc, radius, factor, mode);
  EXPECT_EQ(yc, c.yc);
  EXPECT_NEAR(xc, 0.5 * (c.x1 + c.x2), 1e-12);
  EXPECT_NEAR(radius, std::hypot(0.5 * (c.x2 - c.x1), c.yc), 1e-9);
  EXPECT_NEAR(factor, reference.factor, 0.01 * reference.factor)
      << c.name << ": fine " << reference.factor;
}

INSTANTIATE_TEST_SUITE_P(
    ThreeCircles, BishopReference,
    ::testing::Values(
        ReferenceCase{"through the toe to the upper level", Slope{}, 0.0, 8.0, 9.0},
        ReferenceCase{"deep through the foundation", Slope{}, -4.0, 10.0, 7.0},
        ReferenceCase{"out through the face", Slope{}, -8.0, 1.0, 6.0},
        ReferenceCase{"toe circle under surcharges", WithSurcharge(), 0.0, 8.0, 9.0},
        ReferenceCase{"deep circle under a phreatic surface", WithWater(), -4.0, 10.0, 7.0},
        ReferenceCase{"toe circle with pore ratio and Kh", WithPoreRatioAndKh(), 0.0, 8.0, 9.0},
        ReferenceCase{"deep circle in cohesive soils", Cohesive(), -4.0, 10.0, 9.0}),
    [](const ::testing::TestParamInfo<ReferenceCase>& info) {
      std::string name = info.param.name;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace tervane::analysis
