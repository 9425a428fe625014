// Deep-seated failure: the circle with the smallest factor of safety by the
// simplified method of Bishop, found by a pattern search on the two crossings
// of the toe level and the elevation of the centre. Also the ground surface and
// the phreatic level shared with direct sliding.
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedBishop.h"
#include "analysis/DeepSeatedGround.h"
#include "analysis/EngineRoutines.h"
#include "analysis/VectorLanes.h"

namespace tervane::analysis {

GroundProfile::GroundProfile(const AnalysisState& s, Face face) {
  faceByTangent_ = face == Face::kByTangent;
  height_ = s.slopeHeight;
  cotFace_ = s.cotSlopeAngle;
  tanFace_ = faceByTangent_ ? std::tan(s.slopeAngle * s.degreeToRadian) : 0.0;
  tanFront_ = std::tan(s.bottomSlopeAngleRad);
  tanBack_ = std::tan(s.backslopeAngleRad);
  crestX_ = s.slopeHeight * s.cotSlopeAngle;
  levelCrestOnly_ = s.crestLengthA < 1e-5 && s.crestLengthB < 1e-5;
  // A crest length of 1e-5 or less counts as none for the shape of the ground;
  // the surcharge zones keep the length as given.
  crestA_ = s.crestLengthA <= 1e-5 ? 0.0 : s.crestLengthA;
  crestB_ = s.crestLengthB;
  crestEnd_ = crestA_ + crestB_;
  upperLevel_ = height_ + crestB_ * tanBack_;
  surchargeEnd1_ = crestX_ + s.crestLengthA;
  surchargeEnd2_ = surchargeEnd1_ + s.crestLengthB;
  q1_ = s.surchargeQ1;
  q2_ = s.surchargeQ2;
  q3_ = s.surchargeQ3;
  for (int k = 0; k < 4; ++k) {
    phreaticX_[k] = s.phreaticPointX[k];
    phreaticY_[k] = s.phreaticPointY[k];
  }
  for (int k = 0; k < 3; ++k) phreaticSlope_[k] = s.phreaticSegmentSlope[k];
}

GroundPoint GroundElevationAt(const AnalysisState& s, double x) {
  return GroundProfile(s, GroundProfile::Face::kByCotangent).At(x);
}

double PhreaticLevelAt(const AnalysisState& s, double x) {
  return GroundProfile(s, GroundProfile::Face::kByCotangent).PhreaticAt(x);
}

namespace {

constexpr double kSmallestDivisor = 0.10000000149011612;  // m_alpha below this adds nothing
constexpr int kDepthLimitMet = 50;

bool Admissible(double factor) { return std::isfinite(factor) && factor > 0.0; }

// The soils and the ground as the evaluation of a circle sees them. The soil
// above the toe level is read from reinforcedUnitWeight and reinforcedDesignPhi,
// which hold the mean unit weight and the backfill's friction angle during a
// search.
BishopSetting MakeSetting(const AnalysisState& s) {
  BishopSetting st;
  st.ground = GroundProfile(s, GroundProfile::Face::kByCotangent);
  st.height = s.slopeHeight;
  st.depthLimit = s.maxPenetrationDepth;
  st.unitWeightAbove = s.reinforcedUnitWeight;
  st.cohesionAbove = s.backfillDesignCohesion;
  st.tanPhiAbove = std::tan(s.reinforcedDesignPhi);
  st.unitWeightBelow = s.foundationUnitWeight;
  st.cohesionBelow = s.foundationDesignCohesion;
  st.tanPhiBelow = std::tan(s.foundationDesignPhi);
  st.cohesionAtLimit = 100.0 * s.reinforcedUnitWeight * s.slopeHeight;
  st.tanPhiAtLimit = std::tan(60.0 * s.degreeToRadian);
  st.poreCoefficient = s.poreWaterCoefficient;
  st.waterUnitWeight = s.waterUnitWeight;
  st.phreaticGiven = s.phreaticSurfaceGiven;
  st.onePlusKv = 1.0 + s.seismicKv;
  st.kh = s.appliedSeismicKh;
  return st;
}

// Lays the 50 slices of the arc and keeps, for every slice below the ground,
// what the iteration of the factor needs. The slice geometry is the same in
// every iteration, so it is computed once per circle.
void LaySlices(AnalysisState& s, const BishopSetting& st, double x1, double yc, double xc,
               double r, double startAngle, double delta) {
  DeepSeatedWork& w = s.deepSeatedWork;
  w.cutElevation = 0.0;
  w.sliceCount = 0;
  w.drivingSum = 0.0;
  w.depthLimitMet = 0;
  const double poreWeight = st.poreCoefficient * st.unitWeightAbove;
  const double limitLevel = -st.depthLimit;
  double xLeft = x1;
  for (int k = 1; k <= kBishopSlices; ++k) {
    const double a = startAngle + k * delta;
    const double xRight = xc + r * std::sin(a);
    const double b = xRight - xLeft;
    const double xm = xLeft + b / 2.0;
    const double alpha = std::asin((xm - xc) / r);
    const double cosAlpha = std::cos(alpha);
    const double yb = yc - r * cosAlpha;
    const GroundPoint g = st.ground.At(xm);
    xLeft = xRight;
    if (yb > g.y) {
      w.cutElevation = yb;  // the slice lies above the ground
      continue;
    }
    const double h = g.y - yb;
    double poreRu = poreWeight * h;
    if (poreRu < 0.0) poreRu = 0.0;
    double unitWeight = 0.0;
    double cohesion = 0.0;
    double tanPhi = 0.0;
    double poreWater = 0.0;
    if (xm < 0.0) {
      // In front of the toe: foundation soil, water over the full height.
      unitWeight = st.unitWeightBelow;
      if (yb < limitLevel) {
        cohesion = st.cohesionAtLimit;
        tanPhi = st.tanPhiAtLimit;
        w.depthLimitMet = 1;
      } else {
        cohesion = st.cohesionBelow;
        tanPhi = st.tanPhiBelow;
      }
      if (st.phreaticGiven != 0) poreWater = st.waterUnitWeight * h;
    } else {
      if (yb >= 0.0) {
        unitWeight = st.unitWeightAbove;
        cohesion = st.cohesionAbove;
        tanPhi = st.tanPhiAbove;
      } else {
        // Base in the foundation: the column is soil above the toe level over
        // foundation soil below it.
        unitWeight = (st.unitWeightAbove * g.y - st.unitWeightBelow * yb) / h;
        if (yb <= limitLevel) {
          cohesion = st.cohesionAtLimit;
          tanPhi = st.tanPhiAtLimit;
          w.depthLimitMet = 1;
        } else {
          cohesion = st.cohesionBelow;
          tanPhi = st.tanPhiBelow;
        }
      }
      if (st.phreaticGiven != 0) {
        const double head = st.ground.PhreaticAt(xm) - yb;
        poreWater = st.waterUnitWeight * (head > 0.0 ? head : 0.0);
      }
    }
    const double ym = (yb + g.y) / 2.0;
    const double sinAlpha = std::sin(alpha);
    const int j = w.sliceCount++;
    w.sliceResisting[j] = cohesion * b +
        b * ((unitWeight * st.onePlusKv * h - poreRu - poreWater) + st.onePlusKv * g.q) * tanPhi;
    w.sliceCosAlpha[j] = cosAlpha;
    w.sliceTanPhiSinAlpha[j] = tanPhi * sinAlpha;
    w.drivingSum += b * st.onePlusKv * (unitWeight * h + g.q) * (sinAlpha + st.kh * (yc - ym) / r);
  }
}

// The slices of the circle in progress, padded to whole groups of lanes with
// slices that add nothing.
struct SliceLanes {
  static constexpr int kLanes = 8;
  static constexpr int kPadded = (kBishopSlices + kLanes - 1) / kLanes * kLanes;
  explicit SliceLanes(const DeepSeatedWork& w) : count(w.sliceCount) {
    for (int j = 0; j < kPadded; ++j) {
      const bool slice = j < count;
      resisting[j] = slice ? w.sliceResisting[j] : 0.0;
      cosAlpha[j] = slice ? w.sliceCosAlpha[j] : 1.0;
      tanPhiSinAlpha[j] = slice ? w.sliceTanPhiSinAlpha[j] : 0.0;
    }
  }
  int count;
  alignas(64) double resisting[kPadded];
  alignas(64) double cosAlpha[kPadded];
  alignas(64) double tanPhiSinAlpha[kPadded];
};

// The sum of the slices' resisting terms over their m_alpha at factor f, in
// slice order; a slice whose m_alpha is below the smallest divisor adds
// nothing. The quotients do not depend on one another, so they are worked
// out first, side by side where the processor can (each is the same
// correctly rounded division in any lane), and then added up in order.
TERVANE_VECTOR_CLONES
double ResistingSum(const SliceLanes& slices, double f) {
  alignas(64) double m[SliceLanes::kPadded];
  alignas(64) double quotient[SliceLanes::kPadded];
  for (int j = 0; j < SliceLanes::kPadded; ++j) {
    m[j] = slices.cosAlpha[j] + slices.tanPhiSinAlpha[j] / f;
    quotient[j] = slices.resisting[j] / m[j];
  }
  double resisting = 0.0;
  for (int j = 0; j < slices.count; ++j) {
    if (m[j] < kSmallestDivisor) continue;
    resisting += quotient[j];
  }
  return resisting;
}

void Evaluate(AnalysisState& s, const BishopSetting& st, double x1, double x2, double& yc,
              double& xc, double& radius, double& factor, int& mode) {
  DeepSeatedWork& w = s.deepSeatedWork;
  ++s.bishopCirclesEvaluated;
  xc = (x1 + x2) / 2.0;
  const double chord = x2 - x1;
  const double theta = std::atan(chord / (2.0 * yc));
  double startAngle = -theta;
  double r = chord / (2.0 * std::sin(theta));
  double f = mode == kBishopModeFirst ? 1.0 : w.lastBishopFactor;
  if (mode != kBishopModeDepthLimited) mode = kBishopModeNext;
  // The depth-limited circle: through both crossings of the toe level with its
  // lowest point on the depth limit, sagitta D below the chord, so its
  // half-angle is 2 * atan(2D / c). When its centre would lie below the crest
  // level, the circle is centred at the crest level with radius D + H instead.
  // Without any depth (D = 0) there is no such circle and the circle is
  // evaluated as it is.
  if (s.depthLimitReached == kDepthLimitMet && mode == kBishopModeDepthLimited &&
      st.depthLimit > 0.0) {
    f = 1.0;
    const double psi = 2.0 * std::atan(2.0 * st.depthLimit / chord);
    r = chord / (2.0 * std::sin(psi));
    const double ycDepth = r * std::cos(psi);
    startAngle = -psi;
    if (ycDepth >= st.height) {
      yc = ycDepth;
    } else {
      yc = st.height;
      r = st.depthLimit + st.height;
      startAngle = -std::acos(st.height / (st.depthLimit + st.height));
    }
  }
  radius = r;
  const double endAngle = std::acos((yc - st.height) / r);
  const double delta = (endAngle - startAngle) / 50.0;
  LaySlices(s, st, x1, yc, xc, r, startAngle, delta);
  const SliceLanes slices(w);

  // The factor: iterated from the starting value, each new value the mean of
  // the last one and the one it gives, until the two agree within 1 %.
  int iteration = 0;
  for (;;) {
    ++iteration;
    if (iteration > 1) s.depthLimitReached = 0;
    if (w.depthLimitMet != 0) s.depthLimitReached = kDepthLimitMet;
    const double fNew = ResistingSum(slices, f) / w.drivingSum;
    if (std::fabs(fNew - f) <= fNew / 100.0) {
      f = (fNew + f) / 2.0;
      break;
    }
    f = (fNew + f) / 2.0;
    // A factor that is no longer finite stays so: the circle is inadmissible.
    if (!std::isfinite(f)) break;
    if (iteration >= kMaxBishopIterations) {
      ++w.iterationLimitHits;
      break;
    }
  }
  factor = f;
  // Only an admissible factor seeds the next evaluation, so one degenerate
  // circle cannot spoil the circles after it.
  if (Admissible(f)) w.lastBishopFactor = f;
  w.arcStartAngle = startAngle;
  w.arcEndAngle = endAngle;
  w.iterations = iteration;
}

void EvaluateInto(AnalysisState& s, const BishopSetting& st, double x1, double x2, double yc,
                  int& mode, BishopCircle& out) {
  DeepSeatedWork& w = s.deepSeatedWork;
  out.x1 = x1;
  out.x2 = x2;
  Evaluate(s, st, x1, x2, yc, out.xc, out.radius, out.factor, mode);
  out.yc = yc;
  out.startAngle = w.arcStartAngle;
  out.endAngle = w.arcEndAngle;
  out.cutElevation = w.cutElevation;
  out.admissible = Admissible(out.factor) ? 1 : 0;
  if (out.admissible != 0 && (w.best.admissible == 0 || out.factor < w.best.factor)) w.best = out;
}

}  // namespace

void EvaluateBishopCircle(AnalysisState& s, double x1, double x2, double& yc, double& xc,
                          double& radius, double& factor, int& mode) {
  s.deepSeatedWork.setting = MakeSetting(s);
  Evaluate(s, s.deepSeatedWork.setting, x1, x2, yc, xc, radius, factor, mode);
}

double FindCriticalBishopCircle(AnalysisState& s) {
  DeepSeatedWork& w = s.deepSeatedWork;
  w = DeepSeatedWork{};
  s.depthLimitReached = 0;

  const double inputUnitWeight = s.reinforcedUnitWeight;
  const double inputPhi = s.reinforcedDesignPhi;
  s.reinforcedUnitWeight = (s.reinforcedUnitWeight + s.backfillUnitWeight) * 0.5;
  s.reinforcedDesignPhi = s.backfillDesignPhi;
  w.setting = MakeSetting(s);
  const BishopSetting& st = w.setting;

  const double height = s.slopeHeight;
  const double startX = s.bishopSearchStartX;
  double x1 = 0.0;
  double x2 = startX;
  double yc = height;
  w.stepX1 = height;
  w.stepX2 = height;
  w.stepYc = height;
  int mode = kBishopModeFirst;

  // A circle out of bounds is not evaluated and counts as these values.
  constexpr double kLeftOut = 1e14;
  constexpr double kRightOut = 2e14;
  constexpr double kCentreOut = 3e14;
  const double inadmissible = HUGE_VAL;

  for (;;) {
    EvaluateInto(s, st, x1, x2, yc, mode, w.current);
    ++w.cycles;
    if (w.cycles >= kMaxBishopSearchCycles) {
      w.searchLimitReached = 1;
      break;
    }
    const double f0 = w.current.admissible != 0 ? w.current.factor : inadmissible;
    const double candidate[6][3] = {
        {x1 + w.stepX1, x2, yc}, {x1 - w.stepX1, x2, yc}, {x1, x2 - w.stepX2, yc},
        {x1, x2 + w.stepX2, yc}, {x1, x2, yc - w.stepYc}, {x1, x2, yc + w.stepYc}};
    double value[6];
    bool eligible[6];
    double fMin = f0;
    for (int j = 0; j < 6; ++j) {
      eligible[j] = false;
      if (j == 0 && candidate[j][0] > 0.0) {
        value[j] = kLeftOut;
      } else if (j == 2 && candidate[j][1] < startX) {
        value[j] = kRightOut;
      } else if (j == 4 && candidate[j][2] < height) {
        value[j] = kCentreOut;
      } else {
        BishopCircle neighbour;
        EvaluateInto(s, st, candidate[j][0], candidate[j][1], candidate[j][2], mode, neighbour);
        eligible[j] = neighbour.admissible != 0;
        value[j] = eligible[j] ? neighbour.factor : inadmissible;
      }
      if (value[j] < fMin) fMin = value[j];
    }
    // Move to the first neighbour that is as good as the best of the seven and
    // differs from the centre by more than 1 %. A circle out of bounds or
    // inadmissible is never moved to; from an inadmissible centre any admissible
    // neighbour is a move.
    int chosen = -1;
    for (int j = 0; j < 6; ++j) {
      if (!eligible[j] || std::fabs(value[j] - fMin) > 1e-7) continue;
      if (w.current.admissible != 0 && !(std::fabs(value[j] - f0) > f0 / 100.0)) continue;
      chosen = j;
      break;
    }
    if (chosen >= 0) {
      x1 = candidate[chosen][0];
      x2 = candidate[chosen][1];
      yc = candidate[chosen][2];
      continue;
    }
    ++w.stillCycles;
    if (w.stillCycles >= 5) break;
    w.stepX1 *= 0.5;
    w.stepX2 *= 0.5;
    w.stepYc *= 0.5;
  }

  // A search that met the depth limit ends with the circle that touches it.
  if (s.depthLimitReached == kDepthLimitMet && st.depthLimit > 0.0) {
    BishopCircle limited;
    int limitedMode = kBishopModeDepthLimited;
    EvaluateInto(s, st, w.current.x1, w.current.x2, w.current.yc, limitedMode, limited);
    if (limited.admissible != 0) {
      w.current = limited;
      w.depthLimitedCircleUsed = 1;
    }
  }

  // The search's circle; should it be inadmissible, the best admissible circle
  // seen, and without any admissible circle a factor of 0 on an empty circle.
  BishopCircle result = w.current;
  if (result.admissible == 0) result = w.best.admissible != 0 ? w.best : BishopCircle{};

  const double span = result.endAngle - result.startAngle;
  for (int k = 1; k < kCirclePoints; ++k) {
    const double a = result.startAngle + (k - 1) * span / 98.0;
    s.deepSeatedCircleX[k - 1] = result.xc + result.radius * std::sin(a);
    s.deepSeatedCircleY[k - 1] = result.yc - result.radius * std::cos(a);
  }
  s.deepSeatedCircleX[kCirclePoints - 1] = s.deepSeatedCircleX[kCirclePoints - 2];
  s.deepSeatedCircleY[kCirclePoints - 1] = st.ground.At(s.deepSeatedCircleX[kCirclePoints - 2]).y;
  s.deepSeatedCutElevation = result.cutElevation;
  s.criticalCircleX = result.xc;
  s.criticalCircleY = result.yc;
  s.criticalCircleRadius = result.radius;
  s.deepSeatedFactor = result.factor;

  s.reinforcedUnitWeight = inputUnitWeight;
  s.reinforcedDesignPhi = inputPhi;
  return result.factor;
}

}  // namespace tervane::analysis
