// Tieback analysis: for the current layer, the log spiral through its point
// on the face that needs the largest force from it.
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"
#include "analysis/LogSpiral.h"

namespace tervane::analysis {

using logspiral::AngleTerms;
using logspiral::kDegree;
using logspiral::kRightAngle;
using logspiral::SpiralFit;

namespace {

// A few angle terms kept for reuse: the pattern search fits many spirals
// that share their exit or entry angle.
class AngleCache {
 public:
  AngleCache(double phi, double tanPhi, bool entry) : phi_(phi), tanPhi_(tanPhi), entry_(entry) {}
  const AngleTerms& Get(double angle) {
    for (int i = 0; i < kSize; ++i) {
      if (used_[i] && keys_[i] == angle) return terms_[i];
    }
    const int slot = next_;
    next_ = (next_ + 1) % kSize;
    keys_[slot] = angle;
    used_[slot] = true;
    // Exit angle a gives the end angle a - phi; entry angle b gives the
    // start angle b - 90deg - phi.
    const double theta = entry_ ? angle - kRightAngle - phi_ : angle - phi_;
    terms_[slot] = logspiral::MakeAngleTerms(theta, tanPhi_);
    return terms_[slot];
  }

 private:
  static constexpr int kSize = 8;
  double phi_;
  double tanPhi_;
  bool entry_;
  double keys_[kSize] = {};
  bool used_[kSize] = {};
  AngleTerms terms_[kSize];
  int next_ = 0;
};

struct TiebackSearch {
  AnalysisState& s;
  double tanPhi;
  double tanBackslope;
  double crestX;
  AngleCache exitAngles;
  AngleCache entryAngles;

  // Fits the spiral (a, b); true when it leaves through the face.
  bool Fit(double a, double b, SpiralFit& fit) {
    ++s.tiebackSpiralsEvaluated;
    logspiral::FitLogSpiral(s, entryAngles.Get(b), exitAngles.Get(a), tanPhi, tanBackslope, fit);
    return fit.exitX < crestX;
  }
  double Force(const SpiralFit& fit) {
    logspiral::TraceLogSpiral(s, fit);
    return logspiral::ComputeTiebackForce(s, tanPhi, tanBackslope);
  }
};

}  // namespace

void FindCriticalTiebackSpiral(AnalysisState& s) {
  const double phi = s.reinforcedDesignPhi;
  const double tanPhi = std::tan(phi);
  const double slopeRad = s.slopeAngle * kDegree;
  TiebackSearch search{s,
                       tanPhi,
                       std::tan(s.backslopeAngleRad),
                       s.cotSlopeAngle * s.slopeHeight,
                       AngleCache(phi, tanPhi, false),
                       AngleCache(phi, tanPhi, true)};
  const double admissibleOffset = 89.9000015258789 * kDegree;

  double step = 4 * kDegree;
  int halvings = 0;
  int iteration = 1;
  bool restartFlag = false;
  bool restartUsed = false;
  bool warm = false;
  double a;
  double b;
  if (s.tiebackWarmStart == 1) {
    a = s.spiralAngleA + step;
    b = s.spiralAngleB - step;
    warm = true;
  } else {
    s.tiebackWarmStart = 1;
    a = slopeRad;
    b = a + phi;
  }

  // The spiral of the neighbour moved to; the next centre is that spiral,
  // so its force need not be computed again.
  bool memoValid = false;
  double memoA = 0.0;
  double memoB = 0.0;
  double memoForce = 0.0;

  SpiralFit fit;
  for (;;) {
    if (iteration == 501) break;
    const double aPlus = a + step;
    const double aMinus = a - step;
    if (s.penetrationForbidden == 1 && b < kRightAngle) b = kRightAngle + step;
    const double bPlus = b + step;
    const double bMinus = b - step;

    bool endIteration = false;
    bool realCentre = true;
    double t0;
    if (memoValid && memoA == a && memoB == b) {
      t0 = memoForce;
    } else if (search.Fit(a, b, fit)) {
      realCentre = false;
      if (halvings == 2) restartFlag = true;
      a = a + kDegree;
      if (a <= kRightAngle) endIteration = true;
      t0 = -9e10;
    } else {
      t0 = search.Force(fit);
    }
    memoValid = false;

    if (!endIteration) {
      // Neighbours: value when not admissible, value when leaving through
      // the face, otherwise the force.
      auto neighbour = [&](bool admissible, double na, double nb, double notAdmissible,
                           double throughFace, bool& real) {
        real = false;
        if (!admissible) return notAdmissible;
        if (search.Fit(na, nb, fit)) {
          if (halvings == 2) restartFlag = true;
          return throughFace;
        }
        real = true;
        return search.Force(fit);
      };
      bool real1, real2, real3, real4;
      const double t1 = neighbour(bPlus - admissibleOffset <= a, a, bPlus, -5e10, -6e10, real1);
      const double t2 = neighbour(b - admissibleOffset <= aMinus, aMinus, b, -3e10, -4e10, real2);
      const double t3 = neighbour(aPlus <= kRightAngle, aPlus, b, -1e11, -2e11, real3);
      const double t4 = neighbour(bMinus > 0, a, bMinus, -7e10, -8e10, real4);

      double best = t0;
      if (t1 > best) best = t1;
      if (t2 > best) best = t2;
      if (t3 > best) best = t3;
      if (t4 > best) best = t4;
      // A neighbour within 1e-7 of the best value is taken, in the order
      // T3, T2, T1, T4, even when the centre is as good.
      auto near = [best](double t) { return std::fabs(t - best) < 1e-7; };
      auto remember = [&](bool real, double t) {
        memoValid = real;
        memoA = a;
        memoB = b;
        memoForce = t;
      };
      if (near(t3)) {
        a = aPlus;
        remember(real3, t3);
      } else if (near(t2)) {
        a = aMinus;
        remember(real2, t2);
      } else if (near(t1)) {
        b = bPlus;
        remember(real1, t1);
      } else if (near(t4)) {
        b = bMinus;
        remember(real4, t4);
      } else {
        // No move: the centre stays, only the step changes.
        remember(realCentre, t0);
        ++halvings;
        if (halvings == 6) break;
        if (restartFlag) {
          if (restartUsed) break;
          a = slopeRad;
          b = (s.slopeAngle + 89.4000015258789) * kDegree;
          step = 0.4000000059604645 * kDegree;
          warm = false;
          iteration = 1;
          restartUsed = true;
          memoValid = false;
          continue;
        }
        step = step * 0.5;
      }
    }

    iteration = iteration + 1;
    if (iteration == 51 && warm && !restartUsed) {
      a = slopeRad;
      b = a + phi;
      warm = false;
      iteration = 52;
      memoValid = false;
    }
  }

  // The critical spiral once more, without the exit test.
  search.Fit(a, b, fit);
  const double force = search.Force(fit);
  const int c = s.currentLayer;
  const int row = s.runMode == 1 ? s.layerCount : c;
  if (row >= 1 && row <= kMaxLayers) {
    for (int k = 0; k < kSurfacePoints; ++k) {
      s.tiebackSurfaceX[row][k] = s.surfaceTraceX[k];
      s.tiebackSurfaceY[row][k] = s.surfaceTraceY[k];
    }
  }
  s.layerTiebackForce[c] = force > 0.0 ? force : 0.0;
  s.spiralAngleA = a;
  s.spiralAngleB = b;
}

}  // namespace tervane::analysis
