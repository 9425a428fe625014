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

  // Sure bounds of the force of a spiral, and whether they are the force
  // itself.
  struct Force {
    double low = 0.0;
    double high = 0.0;
    bool exact = true;
  };

  // The force of spiral (a, b), within sure bounds; faceExit when it leaves
  // through the face (then no force is computed, and it is taken as 0).
  Force Evaluate(double a, double b, bool& faceExit) {
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
    e.force = e.faceExit ? Force{} : BalanceWithin();
    faceExit = e.faceExit;
    return e.force;
  }

  // The force itself of spiral (a, b), which Evaluate has bounded: fitted
  // and balanced afresh where its bounds are not the force.
  double Exact(double a, double b) {
    for (Entry& e : entries_) {
      if (e.used && e.a == a && e.b == b) {
        if (!e.force.exact) {
          Refit(a, b);
          const double force = Balance();
          e.force = Force{force, force, true};
        }
        return e.force.low;
      }
    }
    Refit(a, b);
    return Balance();
  }

  // Whether the bounds decided a move: while they mostly do not, the
  // forces are worked out in full at once.
  void NoteMove(bool decided) {
    if (decided) {
      ++decided_;
    } else {
      ++undecided_;
    }
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
    Force force;
  };

  // True when the spiral leaves on the ground behind the crest. A refit of
  // a spiral already counted is not counted again.
  bool Fit(double a, double b) {
    ++s_.tiebackSpiralsEvaluated;
    return Refit(a, b);
  }
  bool Refit(double a, double b) {
    logspiral::FitLogSpiral(s_, entryAngles_.Get(b), exitAngles_.Get(a), tanPhi_, tanBackslope_,
                            fit_);
    return !(fit_.exitX < crestX_);
  }
  double Balance() {
    logspiral::TraceLogSpiral(s_, fit_);
    return logspiral::ComputeTiebackForce(s_, tanPhi_, tanBackslope_);
  }
  // Bounds from arms worked out without the library's arc tangent, sine and
  // cosine, where the forces' inclinations need them, while such bounds
  // decide most moves; else the force.
  Force BalanceWithin() {
    logspiral::TraceLogSpiral(s_, fit_);
    Force f;
    if (logspiral::ForcesInclined(s_) && undecided_ <= decided_ / 4 + 4 &&
        logspiral::TiebackForceRange(s_, tanPhi_, tanBackslope_, f.low, f.high)) {
      f.exact = false;
      return f;
    }
    const double force = logspiral::ComputeTiebackForce(s_, tanPhi_, tanBackslope_);
    return Force{force, force, true};
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
  int decided_ = 0;
  int undecided_ = 0;
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
    // Each value is held within sure bounds (a fixed value exactly) with the
    // spiral it belongs to; the move is made from the bounds where they
    // decide it, else from the values themselves.
    struct Value {
      TiebackSearch::Force force;
      double a = 0.0;
      double b = 0.0;
    };
    auto fixed = [](double v) { return Value{TiebackSearch::Force{v, v, true}}; };
    bool faceExit = false;
    Value t0{search.Evaluate(a, b, faceExit), a, b};
    bool endIteration = false;
    if (faceExit) {
      if (halvings == 2) restartFlag = true;
      a = a + kDegree;
      if (a <= kRightAngle) endIteration = true;
      t0 = fixed(-9e10);
    }

    if (!endIteration) {
      // Neighbours: a fixed value when not admissible or when leaving
      // through the face, otherwise the force.
      auto neighbour = [&](bool admissible, double na, double nb, double notAdmissible,
                           double throughFace) {
        if (!admissible) return fixed(notAdmissible);
        bool exits = false;
        const TiebackSearch::Force force = search.Evaluate(na, nb, exits);
        if (!exits) return Value{force, na, nb};
        if (halvings == 2) restartFlag = true;
        return fixed(throughFace);
      };
      Value t[5];
      t[0] = t0;
      t[1] = neighbour(bPlus - admissibleOffset <= a, a, bPlus, -5e10, -6e10);
      t[2] = neighbour(b - admissibleOffset <= aMinus, aMinus, b, -3e10, -4e10);
      t[3] = neighbour(aPlus <= kRightAngle, aPlus, b, -1e11, -2e11);
      t[4] = neighbour(bMinus > 0, a, bMinus, -7e10, -8e10);

      double low[5];
      double high[5];
      for (int i = 0; i < 5; ++i) {
        low[i] = t[i].force.low;
        high[i] = t[i].force.high;
      }
      TiebackMove move = TiebackMove::kNone;
      const bool bounded = !(t[0].force.exact && t[1].force.exact && t[2].force.exact && t[3].force.exact &&
                             t[4].force.exact);
      const bool sure = SureTiebackMove(low, high, move);
      if (bounded) search.NoteMove(sure);
      if (!sure) {
        double value[5];
        for (int i = 0; i < 5; ++i) {
          value[i] = t[i].force.exact ? t[i].force.low : search.Exact(t[i].a, t[i].b);
        }
        move = ChooseTiebackMove(value[0], value[1], value[2], value[3], value[4]);
      }
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
