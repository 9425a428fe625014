#pragma once

#include <cstdint>
// Building blocks shared by the tieback and compound analyses: the ground,
// surcharge and water level seen by a log-spiral surface, and fitting,
// tracing and balancing one spiral.

#include <cmath>

#include "analysis/AnalysisState.h"

namespace tervane::analysis::logspiral {

// One degree as the engine counts it: pi/180 rounded to single precision.
inline constexpr double kDegree = 0.01745329238474369;
inline constexpr double kRightAngle = 1.5707963146269321;  // 90 * kDegree
static_assert(90.0 * kDegree == kRightAngle);

// Ground height of the spiral analyses at x (the ground in front of the toe
// plays no part: x <= crest edge is the face line).
inline double GroundAt(const AnalysisState& s, double tanBackslope, double x) {
  const double h = s.slopeHeight;
  const double xc = h * s.cotSlopeAngle;
  if (x <= xc) return x / s.cotSlopeAngle;
  const double a = s.crestLengthA;
  const double b = s.crestLengthB;
  if (a < 1e-5 && b < 1e-5) return h;
  const double d = x - xc;
  if (a < 1e-5) return d < b ? h + d * tanBackslope : h + b * tanBackslope;
  if (d <= a) return h;
  if (d < a + b) return h + (d - a) * tanBackslope;
  return h + b * tanBackslope;
}

// Surcharge on the ground at x: nothing under the face.
inline double SurchargeAt(const AnalysisState& s, double x) {
  const double xc = s.slopeHeight * s.cotSlopeAngle;
  if (x < xc) return 0.0;
  if (x <= xc + s.crestLengthA) return s.surchargeQ1;
  if (x <= xc + s.crestLengthA + s.crestLengthB) return s.surchargeQ2;
  return s.surchargeQ3;
}

// Phreatic level at x (only meaningful when a phreatic surface is given).
inline double WaterLevelAt(const AnalysisState& s, double x) {
  const double* px = s.phreaticPointX;
  const double* py = s.phreaticPointY;
  if (x >= px[3]) return py[3];
  int k = 2;
  if (x < px[1]) {
    k = 0;
  } else if (x < px[2]) {
    k = 1;
  }
  return py[k] + (x - px[k]) * s.phreaticSegmentSlope[k];
}

// A fitted spiral: its polar angle range and the values at the start angle
// that the trace reuses. The pole and the initial radius live in the state.
struct SpiralFit {
  double tanPhi = 0.0;
  double thetaStart = 0.0;
  double thetaEnd = 0.0;
  double expStart = 0.0;  // exp(-thetaStart * tanPhi)
  double sinStart = 0.0;
  double cosStart = 0.0;
  double exitX = 0.0;
  double exitY = 0.0;
};

// Trigonometric values of one polar angle, for reuse across fits.
struct AngleTerms {
  double theta = 0.0;
  double expTerm = 0.0;  // exp(-theta * tanPhi)
  double cosTerm = 0.0;
  double sinTerm = 0.0;
};

inline AngleTerms MakeAngleTerms(double theta, double tanPhi) {
  AngleTerms t;
  t.theta = theta;
  t.expTerm = std::exp(-theta * tanPhi);
  t.cosTerm = std::cos(theta);
  t.sinTerm = std::sin(theta);
  return t;
}

// The trace segment at whose height a layer meets the spiral: the first of
// segments 0..48 with y(k) <= z < y(k+1), else the last segment (49).
// A spiral normally falls and then rises strictly; its rising part is then
// searched by halving, with the same answer as a scan from the start.
class SegmentFinder {
 public:
  explicit SegmentFinder(const double* y) : y_(y) {
    constexpr int last = kSurfacePoints - 1;
    int r = last;
    while (r > 0 && y_[r - 1] < y_[r]) --r;
    bool fallsFirst = true;
    for (int k = 0; k < r; ++k) {
      if (!(y_[k] >= y_[k + 1])) {
        fallsFirst = false;
        break;
      }
    }
    risingFrom_ = fallsFirst ? r : -1;
  }

  int Find(double z) const {
    constexpr int kLastSearched = kSurfacePoints - 3;  // segment 48
    constexpr int kNone = kSurfacePoints - 2;          // segment 49
    if (risingFrom_ < 0) {
      for (int k = 0; k <= kLastSearched; ++k) {
        if (y_[k] <= z && z < y_[k + 1]) return k;
      }
      return kNone;
    }
    // Only rising segments can hold z; from risingFrom_ on they are ordered.
    int lo = risingFrom_;
    if (lo > kLastSearched || !(y_[lo] <= z)) return kNone;
    int hi = kLastSearched;  // largest k in [lo, hi] with y(k) <= z
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (y_[mid] <= z) {
        lo = mid;
      } else {
        hi = mid - 1;
      }
    }
    return z < y_[lo + 1] ? lo : kNone;
  }

 private:
  const double* y_;
  int risingFrom_;
};

// x after the march `while (limit > x) x = x + step;`, bit for bit, in a few
// operations per binade of x however many steps the march takes. A march
// that no longer advances (x + step == x) ends where it stands.
double AddStepsUntil(double x, double step, double limit);

// x after `count` additions `x = x + step`, bit for bit, in a few operations
// per binade of x however many the additions.
double AddSteps(double x, double step, std::int64_t count);

// Fits the spiral through the start point (currentFaceX, currentElevation)
// with exit angle a and entry angle b for friction angle phi (tanPhi =
// tan(phi), tanBackslope = tan(backslopeAngleRad)). Stores the pole and the
// initial radius in the state.
void FitLogSpiral(AnalysisState& s, double a, double b, double phi, double tanPhi,
                  double tanBackslope, SpiralFit& fit);
// The same with the angle terms of the start and end angle already computed
// (start.theta = b - 90deg - phi, end.theta = a - phi).
void FitLogSpiral(AnalysisState& s, const AngleTerms& start, const AngleTerms& end,
                  double tanPhi, double tanBackslope, SpiralFit& fit);

// Where a trace's angle terms are looked up and kept: the tieback searches'
// cache (they come back to the same pairs of angles from other start
// points), or the compound searches' last few traces.
enum class TraceTermsKept { kSearches, kRecent };

// Traces 51 points of the spiral fitted last into surfaceTraceX/Y.
void TraceLogSpiral(AnalysisState& s, const SpiralFit& fit, TraceTermsKept kept = TraceTermsKept::kSearches);

// Balances the traced spiral by the force of layer currentLayer; stores that
// force in layerTiebackForce(currentLayer) and returns it (may be negative).
double ComputeTiebackForce(AnalysisState& s, double tanPhi, double tanBackslope);

// True when the layer forces are inclined along the spiral (relative to it,
// by a factor other than 0): then their arms take an arc tangent, a sine and
// a cosine each.
inline bool ForcesInclined(const AnalysisState& s) {
  return s.orientationMode == 1 && s.orientationValue != 0.0;
}

// Sure bounds of the force ComputeTiebackForce would give for the traced
// spiral, some 1e-11 of the moments apart, with arms worked out without the
// library's arc tangent, sine and cosine (the force itself where the arms
// need none); false where there are none. It changes nothing in the state.
bool TiebackForceRange(const AnalysisState& s, double tanPhi, double tanBackslope, double& low, double& high);

// A sure lower bound of the force ComputeTiebackForce would give for the
// traced spiral, worked out without the layers' inclinations; NaN where
// there is none. It changes nothing in the state.
double TiebackForceLowerBound(const AnalysisState& s, double tanPhi, double tanBackslope);

}  // namespace tervane::analysis::logspiral
