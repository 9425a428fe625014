// Tieback analysis: for the current layer, the log spiral through its point
// on the face that needs the largest force from it.
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"
#include "analysis/LogSpiral.h"
#include "analysis/TiebackMove.h"

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

// The spirals of one search, fitted and balanced. Within a search the force
// of a spiral depends on its two angles alone, and the pattern search comes
// back to the same pairs of angles often, so the last few are remembered.
class TiebackSearch {
 public:
  TiebackSearch(AnalysisState& s, double phi)
      : s_(s),
        tanPhi_(std::tan(phi)),
        tanBackslope_(std::tan(s.backslopeAngleRad)),
        crestX_(s.cotSlopeAngle * s.slopeHeight),
        exitAngles_(phi, tanPhi_, false),
        entryAngles_(phi, tanPhi_, true) {}

  // The force of spiral (a, b); faceExit when it leaves through the face
  // (then no force is computed).
  double Evaluate(double a, double b, bool& faceExit) {
    for (const Entry& e : entries_) {
      if (e.used && e.a == a && e.b == b) {
        faceExit = e.faceExit;
        return e.force;
      }
    }
    Entry& e = entries_[next_];
    next_ = (next_ + 1) % kEntries;
    e.used = true;
    e.a = a;
    e.b = b;
    e.faceExit = !Fit(a, b);
    e.force = e.faceExit ? 0.0 : Balance();
    faceExit = e.faceExit;
    return e.force;
  }

  // The spiral (a, b) fitted, traced and balanced, whatever its exit.
  double Final(double a, double b) {
    Fit(a, b);
    return Balance();
  }

 private:
  static constexpr int kEntries = 16;
  struct Entry {
    bool used = false;
    bool faceExit = false;
    double a = 0.0;
    double b = 0.0;
    double force = 0.0;
  };

  // True when the spiral leaves on the ground behind the crest.
  bool Fit(double a, double b) {
    ++s_.tiebackSpiralsEvaluated;
    logspiral::FitLogSpiral(s_, entryAngles_.Get(b), exitAngles_.Get(a), tanPhi_, tanBackslope_,
                            fit_);
    return !(fit_.exitX < crestX_);
  }
  double Balance() {
    logspiral::TraceLogSpiral(s_, fit_);
    return logspiral::ComputeTiebackForce(s_, tanPhi_, tanBackslope_);
  }

  AnalysisState& s_;
  double tanPhi_;
  double tanBackslope_;
  double crestX_;
  AngleCache exitAngles_;
  AngleCache entryAngles_;
  SpiralFit fit_;
  Entry entries_[kEntries];
  int next_ = 0;
};

}  // namespace

void FindCriticalTiebackSpiral(AnalysisState& s) {
  const double phi = s.reinforcedDesignPhi;
  const double slopeRad = s.slopeAngle * kDegree;
  TiebackSearch search(s, phi);
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

  for (;;) {
    if (iteration == 501) break;
    const double aPlus = a + step;
    const double aMinus = a - step;
    if (s.penetrationForbidden == 1 && b < kRightAngle) b = kRightAngle + step;
    const double bPlus = b + step;
    const double bMinus = b - step;

    // Centre: a spiral leaving through the face raises the exit angle by one
    // degree, and the neighbours are tried only once it exceeds 90 degrees.
    bool faceExit = false;
    double t0 = search.Evaluate(a, b, faceExit);
    bool endIteration = false;
    if (faceExit) {
      if (halvings == 2) restartFlag = true;
      a = a + kDegree;
      if (a <= kRightAngle) endIteration = true;
      t0 = -9e10;
    }

    if (!endIteration) {
      // Neighbours: a fixed value when not admissible or when leaving
      // through the face, otherwise the force.
      auto neighbour = [&](bool admissible, double na, double nb, double notAdmissible,
                           double throughFace) {
        if (!admissible) return notAdmissible;
        bool exits = false;
        const double force = search.Evaluate(na, nb, exits);
        if (!exits) return force;
        if (halvings == 2) restartFlag = true;
        return throughFace;
      };
      const double t1 = neighbour(bPlus - admissibleOffset <= a, a, bPlus, -5e10, -6e10);
      const double t2 = neighbour(b - admissibleOffset <= aMinus, aMinus, b, -3e10, -4e10);
      const double t3 = neighbour(aPlus <= kRightAngle, aPlus, b, -1e11, -2e11);
      const double t4 = neighbour(bMinus > 0, a, bMinus, -7e10, -8e10);

      const TiebackMove move = ChooseTiebackMove(t0, t1, t2, t3, t4);
      if (move == TiebackMove::kRaiseExit) {
        a = aPlus;
      } else if (move == TiebackMove::kLowerExit) {
        a = aMinus;
      } else if (move == TiebackMove::kRaiseEntry) {
        b = bPlus;
      } else if (move == TiebackMove::kLowerEntry) {
        b = bMinus;
      } else {
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
    }
  }

  // The critical spiral once more, without the exit test.
  const double force = search.Final(a, b);
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
