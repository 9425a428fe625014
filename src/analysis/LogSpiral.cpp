// Fitting, tracing and balancing one log-spiral slip surface.
#include "analysis/LogSpiral.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "analysis/VectorLanes.h"

namespace tervane::analysis::logspiral {

namespace {

// The spiral through the start point with the given angle terms, as a
// function of the height y at which it leaves the ground.
struct SpiralFamily {
  double xs, ys, d, e1, c1, s1, e2, s2;
  double Radius(double y) const { return (y - ys) / d; }
  double PoleX(double r0) const { return xs - s1 * e1 * r0; }
  double PoleY(double r0) const { return ys + e1 * r0 * c1; }
  double ExitX(double y) const {
    const double r0 = Radius(y);
    return PoleX(r0) + e2 * r0 * s2;
  }
  // A bound of the magnitudes that ExitX(y) goes through, for a height y
  // whose own terms are bounded by yScale.
  double Scale(double yScale) const {
    const double r = (yScale + std::fabs(ys)) / std::fabs(d);
    return yScale + std::fabs(xs) + r * (1 + std::fabs(s1 * e1) + std::fabs(e2 * s2));
  }
};

// The march along one piece of ground on which the spiral's x at the ground
// is an affine function of x: it goes on while the spiral lies beyond x
// (exitAt(x) > x) and x stays inside the piece (inside(x)). Where both the
// march point and a point many steps on lie inside the piece with the spiral
// beyond them by more than the rounding of its evaluation, every step in
// between would march on as well (an affine function above a margin at both
// ends is above it in between), so the march goes there at once; near the
// crossing and the piece's end it takes its steps one by one. `scale` bounds
// the magnitudes the evaluation of exitAt(x) goes through.
//
// The distance to try is first 4 steps (most clear stretches near the
// crossing are short); after a clear point it is what the line through the
// last two clear points leaves before the margin (or, where the spiral does
// not draw nearer, what is left of the piece, whose end lies near `end`, or
// twice the last distance if that is more), and it is halved wherever the
// point it reaches is not clear.
template <typename Inside, typename ExitAt, typename Scale>
double SkipClearSteps(double x, double step, double end, Inside inside, ExitAt exitAt, Scale scale) {
  constexpr double kRounding = 1e-12;  // thousands of times a double's rounding
  // How far the spiral lies beyond `at`, less the margin it must keep; not
  // positive where `at` is not clear.
  auto lead = [&](double at) {
    const double xsp = exitAt(at);
    const double margin = 2 * kRounding * (scale(at) + std::fabs(xsp) + std::fabs(at));
    return inside(at) ? xsp - at - margin : -1.0;
  };
  double here = lead(x);
  if (!(here > 0.0)) return x;
  double steps = 4;
  while (steps >= 2) {
    const double next = AddStepsUntil(x, step, x + steps * step);
    const double there = next > x ? lead(next) : -1.0;
    if (!(there > 0.0)) {
      steps = std::floor(steps / 2);
      continue;
    }
    // The lead falls along the piece by (here - there) over these steps:
    // the steps left before it would fall to an eighth of what it is now.
    const double taken = steps;
    x = next;
    if (there < here) {
      const double left = std::floor(0.875 * there / (here - there) * taken);
      steps = left < 1e15 ? left : 1e15;
    } else {
      const double rest = std::floor((end - x) / step) - 2;
      steps = rest > 2 * taken && rest < 1e15 ? rest : 2 * taken;
    }
    here = there;
  }
  return x;
}

}  // namespace

namespace {

// The last-place unit of a positive double x in [2^-900, 2^900] and its
// reciprocal, both powers of two taken from the exponent bits of x (what
// frexp and ldexp give, without the calls). A division by the unit and a
// multiplication by its reciprocal are the same real number, so they round
// alike.
struct Binade {
  double unit;
  double inverse;
};
Binade BinadeOf(double x) {
  const std::uint64_t biased = std::bit_cast<std::uint64_t>(x) >> 52;
  return {std::bit_cast<double>((biased - 52) << 52), std::bit_cast<double>((2098 - biased) << 52)};
}

// The number of units of the last place that an addition of `ratio` units
// moves x by within its binade (rounded to nearest), or -1 on a tie. ratio
// lies in [0, 2^52), where the truncation is the floor.
std::int64_t UnitsPerStep(double ratio) {
  const auto whole = static_cast<std::int64_t>(ratio);
  const double rest = ratio - static_cast<double>(whole);
  if (rest == 0.5) return -1;
  return whole + (rest > 0.5 ? 1 : 0);
}

// The additions of `step` to a positive x within the binade of x: each moves
// x by d units of its last place (0 when x + step == x), x holds m units, and
// `room` units are left before the binade ends. d is -1 (nothing to count
// out) wherever x or step are not plain positive doubles, and on a tie
// (step = D + 1/2 units) while m is odd. On a tie the sum rounds to the even
// one of m + D and m + D + 1, so from an even m every addition lands on an
// even count again, by D + 1 units when D is odd and by D when it is even.
struct MarchInBinade {
  Binade binade{};
  std::int64_t d = -1;
  std::int64_t m = 0;
  std::int64_t room = 0;
};
MarchInBinade MarchAbove(double x, double step) {
  constexpr std::int64_t kBinadeUnits = std::int64_t{1} << 53;
  MarchInBinade march;
  if (!(x >= 0x1p-900 && x <= 0x1p900 && step > 0.0)) return march;
  march.binade = BinadeOf(x);
  const double ratio = step * march.binade.inverse;
  if (!(ratio < 0x1p52)) return march;
  const std::int64_t m = static_cast<std::int64_t>(x * march.binade.inverse);
  march.d = UnitsPerStep(ratio);
  if (march.d < 0 && m % 2 == 0) {
    const auto whole = static_cast<std::int64_t>(ratio);
    march.d = whole + whole % 2;
  }
  if (march.d > 0) {
    march.m = m;
    march.room = kBinadeUnits - 1 - march.m;
  }
  return march;
}

}  // namespace

double AddStepsUntil(double x, double step, double limit) {
  while (limit > x) {
    // Within the binade of x every sum x + step lands D units of the last
    // place further on (rounded to nearest, no ties), so the march there is
    // counted out; at the binade's end, on a tie and wherever the values are
    // not plain positive doubles, one real addition is made.
    if (const MarchInBinade march = MarchAbove(x, step); march.d >= 0) {
      const std::int64_t d = march.d, m = march.m, room = march.room;
      if (d == 0) break;  // x + step == x: the march no longer advances
      std::int64_t n;
      const double limitUnits = limit * march.binade.inverse;
      if (limitUnits < 0x1p53) {
        // limitUnits > m > 0 here: the truncation, raised when not
        // whole, is the ceiling.
        auto target = static_cast<std::int64_t>(limitUnits);
        if (static_cast<double>(target) != limitUnits) ++target;
        const std::int64_t needed = target <= m ? 0 : (target - m + d - 1) / d;
        n = needed * d <= room ? needed : room / d;  // the smaller of needed and room / d
      } else {
        n = room / d;
      }
      if (n > 0) {
        x = static_cast<double>(m + n * d) * march.binade.unit;
        continue;
      }
    }
    // Below zero the march shrinks |x| = M units: while each sum keeps
    // M - D - 1 >= 2^52 units, |x| - step lies within the binade of |x|, whose
    // unit it rounds to, D units lower, so that part is counted out too.
    if (x <= -0x1p-900 && x >= -0x1p900 && step > 0.0) {
      const Binade binade = BinadeOf(-x);
      const double ratio = step * binade.inverse;
      if (ratio < 0x1p52) {
        const std::int64_t d = UnitsPerStep(ratio);
        if (d == 0) break;  // x + step == x: the march no longer advances
        if (d > 0) {
          constexpr std::int64_t kBinadeStart = std::int64_t{1} << 52;
          const auto m = static_cast<std::int64_t>(-x * binade.inverse);
          const std::int64_t room = m - 1 - kBinadeStart >= 0 ? (m - 1 - kBinadeStart) / d : 0;
          std::int64_t n = room;
          // The march ends at the first x >= limit, that is M' <= -limit in
          // units; a limit at or beyond the binade's lower end leaves room.
          const double limitUnits = -limit * binade.inverse;
          if (limitUnits > 0x1p52) {
            // limitUnits < m < 2^53 here: the truncation is the floor.
            const auto floorUnits = static_cast<std::int64_t>(limitUnits);
            const std::int64_t needed = m <= floorUnits ? 0 : (m - floorUnits + d - 1) / d;
            n = std::min(n, needed);
          }
          if (n > 0) {
            x = -(static_cast<double>(m - n * d) * binade.unit);
            continue;
          }
        }
      }
    }
    const double next = x + step;
    if (!(next > x)) break;  // the march no longer advances
    x = next;
  }
  return x;
}

double AddSteps(double x, double step, std::int64_t count) {
  while (count > 0) {
    // As in AddStepsUntil: within the binade of x each addition lands D units
    // of the last place further on, so the additions there are counted out.
    if (const MarchInBinade march = MarchAbove(x, step); march.d >= 0) {
      if (march.d == 0) return x;  // x + step == x: no addition moves x
      const std::int64_t n = std::min(march.room / march.d, count);
      if (n > 0) {
        x = static_cast<double>(march.m + n * march.d) * march.binade.unit;
        count -= n;
        continue;
      }
    }
    x = x + step;
    --count;
  }
  return x;
}

void FitLogSpiral(AnalysisState& s, double a, double b, double phi, double tanPhi,
                  double tanBackslope, SpiralFit& fit) {
  const AngleTerms end = MakeAngleTerms(a - phi, tanPhi);
  const AngleTerms start = MakeAngleTerms(b - kRightAngle - phi, tanPhi);
  FitLogSpiral(s, start, end, tanPhi, tanBackslope, fit);
}

void FitLogSpiral(AnalysisState& s, const AngleTerms& start, const AngleTerms& end,
                  double tanPhi, double tanBackslope, SpiralFit& fit) {
  SpiralFamily f;
  f.xs = s.currentFaceX;
  f.ys = s.currentElevation;
  f.e1 = start.expTerm;
  f.c1 = start.cosTerm;
  f.s1 = start.sinTerm;
  f.e2 = end.expTerm;
  f.s2 = end.sinTerm;
  const double c2 = end.cosTerm;
  double d = f.e1 * f.c1 - c2 * f.e2;
  if (std::fabs(d) <= 1e-5) d = 1e-5;  // whatever the sign
  f.d = d;

  const double h = s.slopeHeight;
  const double xc = h * s.cotSlopeAngle;
  const double crestA = s.crestLengthA;
  const double crestB = s.crestLengthB;
  // The march only goes forward; a height that is not positive has no march.
  const double step = h / 100;
  const bool canMarch = step > 0.0;

  double exitY = h;
  double exitX = f.ExitX(h);
  if (crestA < 1e-5 && crestB < 1e-5) {
    // Level ground behind the crest: the exit is exact.
  } else if (crestA >= 1e-5) {
    double x = exitX;
    double xm = x;
    if (canMarch) {
      const double upper = h + crestB * tanBackslope;
      auto onBackslope = [&](double at) {
        const double dd = at - xc;
        return dd > crestA && dd < crestA + crestB;
      };
      auto exitOnBackslope = [&](double at) {
        return f.ExitX(h + ((at - xc) - crestA) * tanBackslope);
      };
      auto scale = [&](double at) {
        return f.Scale(std::fabs(h) + (std::fabs(at) + std::fabs(xc) + std::fabs(crestA)) *
                                          std::fabs(tanBackslope));
      };
      for (;;) {
        x = x + step;
        const double dd = x - xc;
        if (dd <= crestA) {
          xm = x;
          break;
        }
        if (dd < crestA + crestB) {
          const double xsp = f.ExitX(h + (dd - crestA) * tanBackslope);
          if (xsp > x) {
            x = SkipClearSteps(x, step, xc + crestA + crestB, onBackslope, exitOnBackslope, scale);
            continue;
          }
          xm = (x + xsp) / 2;
          break;
        }
        // Beyond the backslope the ground is level, so the spiral's x at the
        // ground no longer changes: march on by additions alone.
        const double xsp = f.ExitX(upper);
        x = AddStepsUntil(x, step, xsp);
        xm = (x + xsp) / 2;
        break;
      }
    }
    const double dm = xm - xc;
    if (dm <= crestA) {
      exitY = h;
      exitX = f.ExitX(h);
    } else if (dm < crestA + crestB) {
      exitY = h + (dm - crestA) * tanBackslope;
      exitX = xm;
    } else {
      exitY = h + crestB * tanBackslope;
      exitX = xm;
    }
  } else {
    double x = exitX;
    double xm = x;
    if (canMarch) {
      auto onBackslope = [&](double at) { return at - xc < crestB; };
      auto exitOnBackslope = [&](double at) { return f.ExitX(h + (at - xc) * tanBackslope); };
      auto scale = [&](double at) {
        return f.Scale(std::fabs(h) + (std::fabs(at) + std::fabs(xc)) * std::fabs(tanBackslope));
      };
      for (;;) {
        x = x + step;
        const double dd = x - xc;
        if (dd >= crestB) {
          xm = x;
          break;
        }
        const double xsp = f.ExitX(h + dd * tanBackslope);
        if (xsp > x) {
          x = SkipClearSteps(x, step, xc + crestB, onBackslope, exitOnBackslope, scale);
          continue;
        }
        xm = (x + xsp) / 2;
        break;
      }
    }
    const double dm = xm - xc;
    if (dm < crestB) {
      exitY = h + dm * tanBackslope;
      exitX = xm;
    } else {
      exitY = h + crestB * tanBackslope;
      exitX = f.ExitX(exitY);
    }
  }

  const double r0 = f.Radius(exitY);
  s.spiralInitialRadius = r0;
  s.spiralPoleX = f.PoleX(r0);
  s.spiralPoleY = f.PoleY(r0);

  fit.tanPhi = tanPhi;
  fit.thetaStart = start.theta;
  fit.thetaEnd = end.theta;
  fit.expStart = start.expTerm;
  fit.sinStart = start.sinTerm;
  fit.cosStart = start.cosTerm;
  fit.exitX = exitX;
  fit.exitY = exitY;
}

namespace {

// The exponential, sine and cosine of the polar angles of points 1..50 of
// the trace of `fit`, the angles added up step by step from the start angle.
void WorkOutTraceTerms(const SpiralFit& fit, double* expTerm, double* sinTerm, double* cosTerm) {
  const double delta = (fit.thetaEnd - fit.thetaStart) / 50;
  double theta = fit.thetaStart;
  for (int k = 1; k < kSurfacePoints; ++k) {
    theta = theta + delta;
    expTerm[k] = std::exp(-theta * fit.tanPhi);
    sinTerm[k] = std::sin(theta);
    cosTerm[k] = std::cos(theta);
  }
}

// The cache key of the trace of `fit`.
struct TraceKey {
  std::uint64_t thetaStart;
  std::uint64_t thetaEnd;
  std::uint64_t tanPhi;
  bool Matches(const TraceTermsSlot& slot) const {
    return slot.used && slot.thetaStart == thetaStart && slot.thetaEnd == thetaEnd && slot.tanPhi == tanPhi;
  }
};
TraceKey KeyOf(const SpiralFit& fit) {
  return {std::bit_cast<std::uint64_t>(fit.thetaStart), std::bit_cast<std::uint64_t>(fit.thetaEnd),
          std::bit_cast<std::uint64_t>(fit.tanPhi)};
}

// Fills `slot` with the terms of the trace of `fit`.
const TraceTermsSlot& FillSlot(TraceTermsSlot& slot, const TraceKey& key, const SpiralFit& fit) {
  slot.used = true;
  slot.thetaStart = key.thetaStart;
  slot.thetaEnd = key.thetaEnd;
  slot.tanPhi = key.tanPhi;
  WorkOutTraceTerms(fit, slot.expTerm, slot.sinTerm, slot.cosTerm);
  return slot;
}

// The terms of the trace of `fit`, from the cache or worked out into it.
const TraceTermsSlot& TraceTermsOf(SpiralTraceTerms& cache, const SpiralFit& fit) {
  const TraceKey key = KeyOf(fit);
  std::uint64_t hash = key.thetaStart * 0x9E3779B97F4A7C15u;
  hash ^= key.thetaEnd * 0xC2B2AE3D27D4EB4Fu;
  hash ^= key.tanPhi * 0x165667B19E3779F9u;
  hash ^= hash >> 29;
  TraceTermsSlot& slot = cache.entries[(hash * 0xBF58476D1CE4E5B9u) >> 54];
  static_assert(SpiralTraceTerms::kEntries == 1024);
  if (key.Matches(slot)) return slot;
  return FillSlot(slot, key, fit);
}

// The same from the last few traces, the oldest of which gives way.
const TraceTermsSlot& TraceTermsOf(RecentTraceTerms& recent, const SpiralFit& fit) {
  const TraceKey key = KeyOf(fit);
  for (const TraceTermsSlot& slot : recent.entries) {
    if (key.Matches(slot)) return slot;
  }
  TraceTermsSlot& slot = recent.entries[recent.next];
  recent.next = (recent.next + 1) % RecentTraceTerms::kEntries;
  return FillSlot(slot, key, fit);
}

}  // namespace

void TraceLogSpiral(AnalysisState& s, const SpiralFit& fit, TraceTermsKept kept) {
  const double xp = s.spiralPoleX;
  const double yp = s.spiralPoleY;
  const double r0 = s.spiralInitialRadius;
  double* tx = s.surfaceTraceX;
  double* ty = s.surfaceTraceY;
  // The first point lies at the start angle, whose terms the fit has.
  tx[0] = xp + r0 * fit.expStart * fit.sinStart;
  ty[0] = yp - r0 * fit.expStart * fit.cosStart;
  const TraceTermsSlot& terms = kept == TraceTermsKept::kSearches ? TraceTermsOf(s.spiralTraceTerms, fit)
                                                                  : TraceTermsOf(s.compoundTraceTerms, fit);
  for (int k = 1; k < kSurfacePoints; ++k) {
    const double e = terms.expTerm[k];
    tx[k] = xp + r0 * e * terms.sinTerm[k];
    ty[k] = yp - r0 * e * terms.cosTerm[k];
  }
}

namespace {

// Eight lanes holding v.
#define TERVANE_SPLAT8(v) (Lanes8{(v), (v), (v), (v), (v), (v), (v), (v)})

// The moment about the pole of the slices of the traced spiral: each slice's
// moment (the five terms summed in order) is added to the running total. The
// slices' terms do not depend on one another, so they are worked out first,
// eight side by side, and then added up in order. The ground, surcharge and
// water level are those of GroundAt, SurchargeAt and WaterLevelAt: every
// formula is worked out in every lane and the one each lane's x takes is
// chosen, so that each lane holds the same bits as the plain function.
TERVANE_VECTOR_CLONES
double SliceMoment(const AnalysisState& s, double tanBackslope) {
  constexpr int kSlices = kSurfacePoints - 1;
  constexpr int kGroups = (kSlices + 7) / 8;
  // The trace, padded with its last point for the lanes past the last slice.
  double tx[kGroups * 8 + 1];
  double ty[kGroups * 8 + 1];
  for (int k = 0; k <= kGroups * 8; ++k) {
    const int p = k < kSurfacePoints ? k : kSurfacePoints - 1;
    tx[k] = s.surfaceTraceX[p];
    ty[k] = s.surfaceTraceY[p];
  }
  const double xp = s.spiralPoleX;
  const double yp = s.spiralPoleY;
  const double gamma = s.reinforcedUnitWeight;
  const double cohesion = s.reinforcedDesignCohesion;
  const double ru = s.poreWaterCoefficient;
  const double kh = s.appliedSeismicKh;
  const double verticalFactor = 1 + s.seismicKv;
  const double waterWeight = s.waterUnitWeight;
  const bool water = s.phreaticSurfaceGiven == 1;

  const double height = s.slopeHeight;
  const double cot = s.cotSlopeAngle;
  const double crestX = height * cot;
  const double crestA = s.crestLengthA;
  const double crestB = s.crestLengthB;
  const int shape = crestA < 1e-5 && crestB < 1e-5 ? 0 : crestA < 1e-5 ? 1 : 2;
  const Lanes8 level = TERVANE_SPLAT8(height);
  const Lanes8 upper = TERVANE_SPLAT8(height + crestB * tanBackslope);
  const double end1 = crestX + crestA;
  const double end2 = crestX + crestA + crestB;
  const Lanes8 zero = TERVANE_SPLAT8(0.0);
  const Lanes8 q1 = TERVANE_SPLAT8(s.surchargeQ1);
  const Lanes8 q2 = TERVANE_SPLAT8(s.surchargeQ2);
  const Lanes8 q3 = TERVANE_SPLAT8(s.surchargeQ3);
  const double* px = s.phreaticPointX;
  const double* py = s.phreaticPointY;
  const double* pm = s.phreaticSegmentSlope;

  double terms[kGroups * 8];
  for (int g = 0; g < kGroups; ++g) {
    Lanes8 x0, x1, y0, y1;
    __builtin_memcpy(&x0, tx + 8 * g, sizeof x0);
    __builtin_memcpy(&x1, tx + 8 * g + 1, sizeof x1);
    __builtin_memcpy(&y0, ty + 8 * g, sizeof y0);
    __builtin_memcpy(&y1, ty + 8 * g + 1, sizeof y1);
    const Lanes8 xm = (x0 + x1) / 2;
    const Lanes8 ym = (y0 + y1) / 2;
    const Lanes8 dx = x1 - x0;
    const Lanes8 dy = y1 - y0;

    const Lanes8 d = xm - crestX;
    Lanes8 behind = level;
    if (shape == 1) {
      behind = d < crestB ? height + d * tanBackslope : upper;
    } else if (shape == 2) {
      behind = d <= crestA ? level : d < crestA + crestB ? height + (d - crestA) * tanBackslope : upper;
    }
    const Lanes8 yg = xm <= crestX ? xm / cot : behind;
    const Lanes8 q = xm < crestX ? zero : xm <= end1 ? q1 : xm <= end2 ? q2 : q3;

    const Lanes8 h = yg - ym;
    const Lanes8 w = gamma * h * dx;
    Lanes8 uw = zero;
    if (water) {
      const LaneMask8 first = xm < px[1];
      const LaneMask8 second = xm < px[2];
      const Lanes8 ax = first ? TERVANE_SPLAT8(px[0]) : second ? TERVANE_SPLAT8(px[1]) : TERVANE_SPLAT8(px[2]);
      const Lanes8 ay = first ? TERVANE_SPLAT8(py[0]) : second ? TERVANE_SPLAT8(py[1]) : TERVANE_SPLAT8(py[2]);
      const Lanes8 am = first ? TERVANE_SPLAT8(pm[0]) : second ? TERVANE_SPLAT8(pm[1]) : TERVANE_SPLAT8(pm[2]);
      const Lanes8 waterLevel = xm >= px[3] ? TERVANE_SPLAT8(py[3]) : ay + (xm - ax) * am;
      const Lanes8 head = (waterLevel - ym) * waterWeight;
      uw = zero < head ? head : zero;
    }
    const Lanes8 ur = ru * gamma * h;
    const Lanes8 term = (w + q * dx) * verticalFactor * (xm - xp) + kh * w * (yp - (ym + yg) / 2) +
                        kh * q * dx * (yp - yg) + (uw + ur) * (dy * (yp - ym) - dx * (xm - xp)) -
                        cohesion * (dx * (yp - ym) + dy * (xm - xp));
    __builtin_memcpy(terms + 8 * g, &term, sizeof term);
  }
  double moment = 0.0;
  for (int k = 0; k < kSlices; ++k) moment += terms[k];
  return moment;
}

// The arc tangents of 0, 1/8, ..., 1 as the library gives them.
struct EighthTangents {
  EighthTangents() {
    for (int i = 0; i <= 8; ++i) value[i] = std::atan(i / 8.0);
  }
  double value[9];
};

// The arms LayerArms::At gives for n forces crossing at x, elevation z,
// each within the radius returned beside it, worked out eight side by side
// without the library's arc tangent, sine and cosine: the arc tangent from
// that of the nearest eighth c (atan t = atan c + atan((t - c) / (1 + t c)))
// and a series, the sine and cosine by a reduction to a quarter turn and
// their series. Each series is cut where what is left is below 1e-18, so
// that the values are within some 1e-14 of the true ones; the radius
// allows for far more than that and for the library's own last place.
TERVANE_VECTOR_CLONES
void ApproximateArms(int n, const double* x, const double* z, double xp, double yp, double ov, double frictionTerm,
                     double* arm, double* radius) {
  static const EighthTangents eighths;
  constexpr double kHalfPi = 1.5707963267948966;
  constexpr double kHalfPiHigh = 1.5707963267341256;  // 33 bits of pi / 2: k times it is exact
  constexpr double kHalfPiLow = 6.077100506506192e-11;
  const Lanes8 zero = TERVANE_SPLAT8(0.0);
  const Lanes8 one = TERVANE_SPLAT8(1.0);
  for (int g = 0; g * 8 < n; ++g) {
    double xs[8];
    double zs[8];
    for (int lane = 0; lane < 8; ++lane) {
      const int j = 8 * g + lane < n ? 8 * g + lane : n - 1;
      xs[lane] = x[j];
      zs[lane] = z[j];
    }
    Lanes8 xv, zv;
    __builtin_memcpy(&xv, xs, sizeof xv);
    __builtin_memcpy(&zv, zs, sizeof zv);
    const Lanes8 u = xv - xp;
    const Lanes8 v = yp - zv;
    const Lanes8 absV = v < 0.0 ? -v : v;
    const Lanes8 d = absV < 0.0010000000474974513 ? TERVANE_SPLAT8(0.0010000000474974513) : v;
    const Lanes8 t = u / d;
    // atan(t): |t| > 1 by pi/2 - atan(1/|t|), then from the nearest eighth.
    const Lanes8 absT = t < 0.0 ? -t : t;
    const LaneMask8 large = absT > 1.0;
    const Lanes8 w = large ? one / absT : absT;
    double cs[8];
    double atanCs[8];
    for (int lane = 0; lane < 8; ++lane) {
      const double wl = w[lane];
      const int i = wl >= 0.0 && wl <= 1.0 ? static_cast<int>(wl * 8 + 0.5) : 0;
      cs[lane] = i / 8.0;
      atanCs[lane] = eighths.value[i];
    }
    Lanes8 c, atanC;
    __builtin_memcpy(&c, cs, sizeof c);
    __builtin_memcpy(&atanC, atanCs, sizeof atanC);
    const Lanes8 tt = (w - c) / (one + w * c);  // |tt| <= 1/16
    const Lanes8 tt2 = tt * tt;
    // tt - tt^3/3 + ... + tt^13/13.
    Lanes8 series = TERVANE_SPLAT8(1.0 / 13);
    for (int m = 5; m >= 0; --m) series = (m % 2 == 0 ? 1.0 : -1.0) / (2 * m + 1) + tt2 * series;
    const Lanes8 quarter = atanC + tt * series;
    const Lanes8 reduced = large ? kHalfPi - quarter : quarter;
    const Lanes8 alpha = t < 0.0 ? -reduced : reduced;
    const Lanes8 angle = ov * (alpha + frictionTerm);
    // sin and cos of the angle, from r = angle - k pi/2 with |r| <= pi/4.
    Lanes8 kq = angle / kHalfPi;
    kq = kq < 0.0 ? kq - 0.5 : kq + 0.5;
    long long quadrant[8];
    double kd[8];
    for (int lane = 0; lane < 8; ++lane) {
      const double value = kq[lane];
      const double whole = value < 0.0 ? -std::floor(-value) : std::floor(value);
      kd[lane] = std::fabs(whole) < 1e6 ? whole : 0.0;
      quadrant[lane] = static_cast<long long>(kd[lane]) & 3;
    }
    Lanes8 kv;
    __builtin_memcpy(&kv, kd, sizeof kv);
    const Lanes8 r = (angle - kv * kHalfPiHigh) - kv * kHalfPiLow;
    const Lanes8 r2 = r * r;
    // sin r = r - r^3/3! + ... - r^19/19!, cos r = 1 - r^2/2! + ... + r^20/20!.
    Lanes8 sinSeries = zero;
    Lanes8 cosSeries = zero;
    {
      double fs = 1.0;  // 1/(2m+1)!
      double fc = 1.0;  // 1/(2m)!
      double sinCoefficients[10];
      double cosCoefficients[11];
      for (int m = 0; m <= 10; ++m) {
        if (m > 0) fc /= (2.0 * m - 1) * (2.0 * m);
        cosCoefficients[m] = m % 2 == 0 ? fc : -fc;
        if (m < 10) {
          if (m > 0) fs /= (2.0 * m) * (2.0 * m + 1);
          sinCoefficients[m] = m % 2 == 0 ? fs : -fs;
        }
      }
      for (int m = 9; m >= 0; --m) sinSeries = sinCoefficients[m] + r2 * sinSeries;
      for (int m = 10; m >= 0; --m) cosSeries = cosCoefficients[m] + r2 * cosSeries;
    }
    const Lanes8 sinR = r * sinSeries;
    const Lanes8 cosR = cosSeries;
    double sa[8];
    double ca[8];
    double rs[8];
    for (int lane = 0; lane < 8; ++lane) {
      const long long q = quadrant[lane];
      const double sr = sinR[lane];
      const double cr = cosR[lane];
      sa[lane] = q == 0 ? sr : q == 1 ? cr : q == 2 ? -sr : -cr;
      ca[lane] = q == 0 ? cr : q == 1 ? -sr : q == 2 ? -cr : sr;
      // Some 1e-15 for the series and the reduction, which grows with the
      // turns taken off, and the library's last place, each for an angle of
      // a few 1e-15 (more for a large inclination factor): ten times that
      // and more allowed.
      rs[lane] = 5e-14 * (1 + std::fabs(ov)) * (1 + std::fabs(kd[lane]) + std::fabs(angle[lane]));
      if (!(std::fabs(kd[lane]) < 1e6)) rs[lane] = HUGE_VAL;
    }
    Lanes8 sav, cav, rsv;
    __builtin_memcpy(&sav, sa, sizeof sav);
    __builtin_memcpy(&cav, ca, sizeof cav);
    __builtin_memcpy(&rsv, rs, sizeof rsv);
    const Lanes8 armV = u * sav + v * cav;
    const Lanes8 absU = u < 0.0 ? -u : u;
    const Lanes8 armR = (absU + absV) * (rsv + 1e-15) + 1e-300;
    for (int lane = 0; lane < 8 && 8 * g + lane < n; ++lane) {
      arm[8 * g + lane] = armV[lane];
      radius[8 * g + lane] = armR[lane];
    }
  }
}

#undef TERVANE_SPLAT8

constexpr double kSafe = 1e300;
bool Within(double v) { return std::fabs(v) < kSafe; }

// The lever arms about the pole of layer forces crossing the traced spiral.
// With a relative orientation of exactly 0 every force is horizontal (the
// angle is a signed zero, which changes no sum), so the arc tangents are
// skipped.
class LayerArms {
 public:
  LayerArms(const AnalysisState& s, double tanPhi)
      : xp_(s.spiralPoleX),
        yp_(s.spiralPoleY),
        relative_(s.orientationMode == 1),
        ov_(s.orientationValue),
        inclined_(ForcesInclined(s)) {
    if (!relative_) {
      fixedSin_ = std::sin(ov_);
      fixedCos_ = std::cos(ov_);
    } else if (inclined_) {
      frictionTerm_ = std::atan(tanPhi);
    }
    // The arm is finite wherever the trace, the pole and the elevation are
    // all well inside the range of a double and the angle's sine and cosine
    // are numbers.
    finite_ = Within(xp_) && Within(yp_);
    for (int k = 0; k < kSurfacePoints && finite_; ++k) finite_ = Within(s.surfaceTraceX[k]);
    if (!relative_) {
      finite_ = finite_ && Within(fixedSin_) && Within(fixedCos_);
    } else if (inclined_) {
      // |angle| <= |ov| * (pi/2 + pi/2): finite for such an ov.
      finite_ = finite_ && Within(ov_) && Within(frictionTerm_);
    }
  }

  // True when every arm at an elevation well inside the range of a double
  // is finite, and the sine and cosine it takes are at most 1 in magnitude.
  bool Finite() const { return finite_; }

  bool Inclined() const { return inclined_; }
  double Orientation() const { return ov_; }
  double FrictionTerm() const { return frictionTerm_; }

  // The arm of a force crossing at x, elevation z: (x - xp) * sin + (yp - z)
  // * cos of its inclination.
  double At(double x, double z) const {
    double sa = fixedSin_;
    double ca = fixedCos_;
    if (inclined_) {
      double d = yp_ - z;
      if (std::fabs(d) < 0.0010000000474974513) d = 0.0010000000474974513;
      const double angle = ov_ * (std::atan((x - xp_) / d) + frictionTerm_);
      sa = std::sin(angle);
      ca = std::cos(angle);
    }
    return (x - xp_) * sa + (yp_ - z) * ca;
  }

 private:
  double xp_;
  double yp_;
  bool relative_;
  double ov_;
  bool inclined_;
  double fixedSin_ = 0.0;
  double fixedCos_ = 1.0;
  double frictionTerm_ = 0.0;
  bool finite_ = false;
};

// The force ComputeTiebackForce stores and returns.
double TiebackForceOf(const AnalysisState& s, double tanPhi, double tanBackslope) {
  const double* tx = s.surfaceTraceX;
  const double* ty = s.surfaceTraceY;
  const double moment = SliceMoment(s, tanBackslope);
  const LayerArms arms(s, tanPhi);

  // A layer above that carries no force adds 0 * arm, a zero, to the sum,
  // which leaves it as it is (the sum starts at +0 and so is never -0), as
  // long as the arm is finite: then such a layer is passed over without
  // finding its segment or working out its arm.
  const int c = s.currentLayer;
  const SegmentFinder finder(ty);
  double momentAbove = 0.0;
  for (int j = s.layerCount; j > c; --j) {
    const double zj = s.layerElevation[j];
    if (arms.Finite() && s.layerTiebackForce[j] == 0.0 && Within(zj)) continue;
    const int seg = finder.Find(zj);
    const double xj = (tx[seg] + tx[seg + 1]) / 2;
    momentAbove += s.layerTiebackForce[j] * arms.At(xj, zj);
  }

  const double den = arms.At(s.layerFaceX[c], s.layerElevation[c]);
  // A force with no moment about the pole (the pole at the layer's level
  // with a horizontal force, or a spiral shrunk to its start point) can hold
  // nothing: such a spiral asks no force of the layer.
  return std::fabs(den) < 1e-10 ? 0.0 : (moment - momentAbove) / den;
}

}  // namespace

double ComputeTiebackForce(AnalysisState& s, double tanPhi, double tanBackslope) {
  const double force = TiebackForceOf(s, tanPhi, tanBackslope);
  s.layerTiebackForce[s.currentLayer] = force;
  return force;
}

bool TiebackForceRange(const AnalysisState& s, double tanPhi, double tanBackslope, double& low, double& high) {
  const double* tx = s.surfaceTraceX;
  const LayerArms arms(s, tanPhi);
  if (!arms.Inclined()) {
    // Without inclinations the arms take no arc tangent: the force itself.
    low = high = TiebackForceOf(s, tanPhi, tanBackslope);
    return std::isfinite(low);
  }
  if (!arms.Finite()) return false;
  const double moment = SliceMoment(s, tanBackslope);

  // The layers that carry a force, where they cross the spiral.
  const int c = s.currentLayer;
  const SegmentFinder finder(s.surfaceTraceY);
  double xs[kMaxLayers];
  double zs[kMaxLayers];
  double forces[kMaxLayers];
  int n = 0;
  for (int j = s.layerCount; j > c; --j) {
    const double zj = s.layerElevation[j];
    if (!Within(zj)) return false;
    const double fj = s.layerTiebackForce[j];
    if (fj == 0.0) continue;
    const int seg = finder.Find(zj);
    xs[n] = (tx[seg] + tx[seg + 1]) / 2;
    zs[n] = zj;
    forces[n] = fj;
    ++n;
  }
  double arm[kMaxLayers];
  double radius[kMaxLayers];
  if (n > 0) {
    ApproximateArms(n, xs, zs, s.spiralPoleX, s.spiralPoleY, arms.Orientation(), arms.FrictionTerm(), arm, radius);
  }
  // The moments above, in the same order; each differs from the plain one
  // by at most |force| times the arm's radius, and the two sums' rounding by
  // some n halves of the last place of the moments' magnitudes.
  double momentAbove = 0.0;
  double spread = 0.0;
  double size = 0.0;
  for (int i = 0; i < n; ++i) {
    momentAbove += forces[i] * arm[i];
    spread += std::fabs(forces[i]) * radius[i];
    size += std::fabs(forces[i]) * (std::fabs(arm[i]) + radius[i]);
  }
  const double margin = spread * (1 + 1e-12) + 1e-13 * (size + std::fabs(momentAbove)) + 1e-300;
  const double den = arms.At(s.layerFaceX[c], s.layerElevation[c]);
  if (std::fabs(den) < 1e-10) {
    low = high = 0.0;
    return true;
  }
  // The force falls as the moments above grow when den is positive.
  const double fewest = (moment - (momentAbove + margin)) / den;
  const double most = (moment - (momentAbove - margin)) / den;
  low = den > 0.0 ? fewest : most;
  high = den > 0.0 ? most : fewest;
  return std::isfinite(low) && std::isfinite(high);
}

double TiebackForceLowerBound(const AnalysisState& s, double tanPhi, double tanBackslope) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  const double* tx = s.surfaceTraceX;
  const LayerArms arms(s, tanPhi);
  if (!arms.Finite()) return kNone;
  const double moment = SliceMoment(s, tanBackslope);

  // The arm (x - xp) * sin + (yp - z) * cos, as worked out, is at most
  // |x - xp| + |yp - z| in magnitude (each product at most its first factor,
  // the sum at most the sum of the magnitudes: rounding keeps the order), so
  // the sum of the layers' moments, added up in the same order, is at most
  // the sum of |force| times that in magnitude. The layers the force passes
  // over add nothing to either sum.
  // A layer crosses the spiral at the middle of one of its segments, which
  // lies no farther from the pole than the farthest point of the trace.
  const double xp = s.spiralPoleX;
  const double yp = s.spiralPoleY;
  double farthest = 0.0;
  for (int k = 0; k < kSurfacePoints; ++k) farthest = std::max(farthest, std::fabs(tx[k] - xp));
  const int c = s.currentLayer;
  double bound = 0.0;
  for (int j = s.layerCount; j > c; --j) {
    const double zj = s.layerElevation[j];
    if (!Within(zj)) return kNone;
    const double fj = s.layerTiebackForce[j];
    if (fj == 0.0) continue;
    bound += std::fabs(fj) * (farthest + std::fabs(yp - zj));
  }
  if (!std::isfinite(bound)) return kNone;

  // The force is (moment - momentAbove) / den, which falls as momentAbove
  // grows when den is positive and rises when it is negative.
  const double den = arms.At(s.layerFaceX[c], s.layerElevation[c]);
  if (!(std::fabs(den) >= 1e-10)) return kNone;
  return den > 0.0 ? (moment - bound) / den : (moment + bound) / den;
}

}  // namespace tervane::analysis::logspiral
