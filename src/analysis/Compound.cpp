// Compound analysis: log-spiral surfaces through the toe and through the
// layers, and the pullout lengths each surface asks of its layer.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"
#include "analysis/LogSpiral.h"

namespace tervane::analysis {

using logspiral::kDegree;
using logspiral::kRightAngle;
using logspiral::SpiralFit;

namespace {

// The pullout march ends at the latest after this many steps (20 slope
// heights behind the slip surface); a layer that cannot be anchored within
// that distance takes the whole march as its embedded length.
constexpr int kMaxPulloutSteps = 20000;

// The embedded length of a layer that is still to be marched out.
constexpr double kEmbeddedLengthPending = std::numeric_limits<double>::quiet_NaN();

// Tieback control for every layer, unless the tieback forces add up to more
// than 0.1: then, from the bottom up until the available forces add up to
// the tieback total, a layer whose tieback force does not exceed its own
// available force Rc x strength acts with that available force (mode 0).
void AssignControllingModes(AnalysisState& s) {
  const int n = s.layerCount;
  for (int i = 1; i <= n; ++i) s.controllingMode[i] = 1;
  double total = 0.0;
  for (int i = 1; i <= n; ++i) total += s.tiebackTr[i];
  if (!(total > 0.10000000149011612)) return;
  double available = 0.0;
  for (int i = 1; i <= n; ++i) {
    const double layerAvailable = s.coverageRatio * s.layerStrength[i];
    available += layerAvailable;
    if (s.tiebackTr[i] <= layerAvailable) s.controllingMode[i] = 0;
    if (available >= total) break;
  }
}

// One surface fitted and traced.
void TraceSurface(AnalysisState& s, double a, double b, double phi, double tanPhi, double tanBackslope) {
  SpiralFit fit;
  logspiral::FitLogSpiral(s, a, b, phi, tanPhi, tanBackslope, fit);
  s.lastCompoundStartAngle = fit.thetaStart;
  s.lastCompoundEndAngle = fit.thetaEnd;
  logspiral::TraceLogSpiral(s, fit, logspiral::TraceTermsKept::kRecent);
}

// One surface fitted, traced and balanced by the start layer.
double EvaluateSurface(AnalysisState& s, double a, double b, double phi, double tanPhi,
                       double tanBackslope) {
  TraceSurface(s, a, b, phi, tanPhi, tanBackslope);
  return logspiral::ComputeTiebackForce(s, tanPhi, tanBackslope);
}

void RunCompoundSearch(AnalysisState& s, int start, bool throughToe) {
  const int n = s.layerCount;
  const double h = s.slopeHeight;
  const double rc = s.coverageRatio;
  const double tanBackslope = std::tan(s.backslopeAngleRad);

  if (throughToe) AssignControllingModes(s);
  AnalysisState::CompoundSearchMemory& memory =
      throughToe ? s.toeSearchMemory : s.layerSearchMemory;

  const double step = 0.20000000298023224 * kDegree;
  const double phiR0 = s.reinforcedDesignPhi;
  const double cohesionR0 = s.reinforcedDesignCohesion;
  const double gammaR0 = s.reinforcedUnitWeight;
  const double angleA0 = s.spiralAngleA;
  const double angleB0 = s.spiralAngleB;
  const double tanPhiR0 = std::tan(phiR0);
  const double tanPhiBackfill = std::tan(s.backfillDesignPhi);

  double capacity = rc * s.layerStrength[start];
  if (s.controllingMode[start] == 1) capacity = std::max(capacity, s.layerTiebackForce[start]);
  for (int i = start; i <= n; ++i) {
    s.compoundSavedTiebackForce[i] = s.layerTiebackForce[i];
    s.layerTiebackForce[i] = s.controllingMode[i] == 0 ? rc * s.layerStrength[i] : s.tiebackTr[i];
  }

  double thetaStartPrev = angleB0 - kRightAngle - phiR0;
  double thetaEndPrev = angleA0 - phiR0;
  s.lastCompoundStartAngle = thetaStartPrev;
  s.lastCompoundEndAngle = thetaEndPrev;
  double phi = phiR0;
  double tanPhi = tanPhiR0;

  const double z0 = throughToe ? 0.0 : s.layerElevation[start];
  // Blend weights for the part of the surface in the backfill; the span is
  // kept away from 0 as the engine does for every length it divides by.
  double blendSpan = h - z0;
  if (std::fabs(blendSpan) <= 1e-5) blendSpan = 1e-5;

  const double fiveDegrees = 5 * kDegree;
  const double entryFloor = 5.099999904632568 * kDegree;
  const double entryStop = 5.010000228881836 * kDegree;

  int k = n;
  for (;;) {
    if (k < start) break;
    double gammaSurface = gammaR0;
    if (k < n) {
      const double zk = s.layerElevation[k];
      const double below = throughToe ? zk / h : (zk - z0) / blendSpan;
      const double above = throughToe ? (h - zk) / h : (h - zk) / blendSpan;
      s.reinforcedDesignCohesion = cohesionR0 * below + s.backfillDesignCohesion * above;
      gammaSurface = (s.backfillUnitWeight + gammaR0) * 0.5;
      s.reinforcedUnitWeight = gammaSurface;
      const int previous = s.lastCompoundLayer;
      const bool previousCompound =
          previous >= 1 && previous <= kMaxLayers && s.controllingMode[previous] == 0;
      if (s.backfillDesignPhi <= phi && previousCompound) {
        phi = std::atan(tanPhiR0 * below + tanPhiBackfill * above);
        tanPhi = std::tan(phi);
        s.reinforcedDesignPhi = phi;
      }
    }
    s.compoundFrictionAngle = phi;
    double aStart = thetaEndPrev + phi + step;
    double bStart = thetaStartPrev + kRightAngle + phi + step;

    while (k >= start && s.controllingMode[k] == 1 && s.tiebackTr[k] < 1e-10) --k;
    if (k < start) break;
    s.lastCompoundLayer = k;
    s.layerTiebackForce[k] = 0.0;
    // Through the toe, the surface of the bottom layer is moved until that
    // layer alone needs almost nothing; the descent then takes a fixed value.
    const bool bottomThroughToe = throughToe && k == 1;

    for (;;) {
      double a;
      double b = bStart - step;
      if (b <= fiveDegrees) {
        s.spiralAngleB = b;
        a = aStart;
      } else {
        if (s.penetrationForbidden == 0 || b > kRightAngle) {
          s.spiralAngleB = b;
          memory.noPenetration = 0;
          memory.runningBest = -1e15;
        } else {
          b = b + step;
          s.spiralAngleB = b;
          memory.noPenetration = 1;
        }
        a = aStart;
        const double thetaS = b - kRightAngle - phi;
        const double entryTerm = std::exp(-thetaS * tanPhi) * std::cos(thetaS);
        // The running best within sure bounds: exact, or the bounds of the
        // force of surface (bestA, bestB), which is worked out in full only
        // where a comparison needs it and when the scan ends (nothing
        // changes the soil or the forces of the layers in between).
        double bestLow = memory.runningBest;
        double bestHigh = memory.runningBest;
        bool bestExact = true;
        double bestA = 0.0;
        double bestB = 0.0;
        auto resolveBest = [&]() {
          if (bestExact) return;
          const double force = EvaluateSurface(s, bestA, bestB, phi, tanPhi, tanBackslope);
          memory.runningBest = bestLow = bestHigh = force;
          bestExact = true;
        };
        const bool inclined = logspiral::ForcesInclined(s);
        for (;;) {
          a = a - step;
          if (phi >= a) break;
          const double thetaE = a - phi;
          if (std::exp(-thetaE * tanPhi) * std::cos(thetaE) < entryTerm) break;
          s.spiralAngleA = a - b < 2 * step - kRightAngle ? b - kRightAngle + 2 * step : a;
          if (bottomThroughToe || !inclined) {
            // The replaced value needs no spiral: the final fit below fits,
            // traces and balances afresh.
            const double force =
                bottomThroughToe
                    ? 1e-5
                    : EvaluateSurface(s, s.spiralAngleA, s.spiralAngleB, phi, tanPhi, tanBackslope);
            if (force > memory.runningBest) {
              memory.runningBest = force;
              a = s.spiralAngleA;
              continue;
            }
            a = s.spiralAngleA;
            break;
          }
          // With the forces inclined along the surface, the force's bounds
          // from arms worked out without the library's arc tangent, sine and
          // cosine decide most comparisons.
          TraceSurface(s, s.spiralAngleA, s.spiralAngleB, phi, tanPhi, tanBackslope);
          double low = 0.0;
          double high = 0.0;
          bool exact = false;
          if (!logspiral::TiebackForceRange(s, tanPhi, tanBackslope, low, high)) {
            low = high = logspiral::ComputeTiebackForce(s, tanPhi, tanBackslope);
            exact = true;
          }
          bool rises = false;
          if (low > bestHigh) {
            rises = true;
          } else if (high <= bestLow) {
            rises = false;
          } else {
            // The surface is still the one traced: its force, then the best's.
            if (!exact) low = high = logspiral::ComputeTiebackForce(s, tanPhi, tanBackslope);
            exact = true;
            resolveBest();
            rises = low > memory.runningBest;
          }
          if (rises) {
            bestLow = low;
            bestHigh = high;
            bestExact = exact;
            bestA = s.spiralAngleA;
            bestB = s.spiralAngleB;
            if (exact) memory.runningBest = low;
            a = s.spiralAngleA;
            continue;
          }
          a = s.spiralAngleA;
          break;
        }
        resolveBest();
      }

      // Final fit of this iteration.
      s.spiralAngleA = a + step <= kRightAngle ? a + step : kRightAngle - step;
      if (s.spiralAngleB <= entryFloor) s.spiralAngleB = fiveDegrees;
      // The force decides only whether the search goes on. Unless the search
      // ends here whatever the force, a force surely above what stops it
      // needs no exact value: the next iteration fits afresh, nothing reads
      // the force in between, and the iteration that ends the search works
      // its force out in full.
      const bool lastIteration = s.spiralAngleB <= entryStop || memory.noPenetration == 1;
      TraceSurface(s, s.spiralAngleA, s.spiralAngleB, phi, tanPhi, tanBackslope);
      bool balanced = false;
      auto above = [&](double low) { return bottomThroughToe ? low >= 1e-5 : low > capacity; };
      bool surelyGoesOn = false;
      if (!lastIteration) {
        // First by the arms' largest magnitudes, then, where the forces are
        // inclined along the surface, by arms worked out without the
        // library's arc tangent, sine and cosine.
        surelyGoesOn = above(logspiral::TiebackForceLowerBound(s, tanPhi, tanBackslope));
        double low = 0.0;
        double high = 0.0;
        if (!surelyGoesOn && logspiral::ForcesInclined(s) &&
            logspiral::TiebackForceRange(s, tanPhi, tanBackslope, low, high)) {
          surelyGoesOn = above(low);
        }
      }
      if (!surelyGoesOn) {
        const double force = logspiral::ComputeTiebackForce(s, tanPhi, tanBackslope);
        balanced = bottomThroughToe ? force < 1e-5 : force <= capacity;
      }
      if (lastIteration || balanced) break;
      aStart = s.spiralAngleA + step;
      bStart = s.spiralAngleB;
    }

    // The surface is found: its pullout lengths with the reinforced soil's
    // own values.
    s.reinforcedDesignPhi = phiR0;
    s.reinforcedDesignCohesion = cohesionR0;
    s.reinforcedUnitWeight = gammaR0;
    ComputePulloutLengths(s);
    s.reinforcedDesignPhi = phi;
    s.reinforcedDesignCohesion = cohesionR0;
    s.reinforcedUnitWeight = gammaSurface;
    const int row = throughToe ? k : start;
    for (int p = 0; p < kSurfacePoints; ++p) {
      if (throughToe) {
        s.toeCompoundSurfaceX[row][p] = s.surfaceTraceX[p];
        s.toeCompoundSurfaceY[row][p] = s.surfaceTraceY[p];
      } else {
        s.layerCompoundSurfaceX[row][p] = s.surfaceTraceX[p];
        s.layerCompoundSurfaceY[row][p] = s.surfaceTraceY[p];
      }
    }
    thetaStartPrev = s.lastCompoundStartAngle;
    thetaEndPrev = s.lastCompoundEndAngle;
    k = s.lastCompoundLayer - 1;
  }

  // Leave the soil values and the tieback angles as they were found; the
  // cohesion too, which a search that ends while skipping layers would
  // otherwise leave blended.
  s.reinforcedDesignPhi = phiR0;
  s.reinforcedDesignCohesion = cohesionR0;
  s.reinforcedUnitWeight = gammaR0;
  s.spiralAngleB = angleB0;
  s.spiralAngleA = angleA0;
  for (int i = start; i <= n; ++i) s.layerTiebackForce[i] = s.compoundSavedTiebackForce[i];
}

}  // namespace

void FindCompoundSurfaceThroughToe(AnalysisState& s) {
  s.currentFaceX = 0.0;
  s.currentElevation = 0.0;
  s.currentLayer = 1;
  RunCompoundSearch(s, 1, true);
}

void FindCompoundSurfaceFromLayer(AnalysisState& s, int& compoundStartLayer) {
  const int k0 = compoundStartLayer;
  const double z0 = s.layerElevation[k0];
  s.currentFaceX = z0 * s.cotSlopeAngle;
  s.currentElevation = z0;
  s.currentLayer = k0;
  RunCompoundSearch(s, k0, false);
}

void ComputePulloutLengths(AnalysisState& s) {
  const int k = s.lastCompoundLayer;
  const double z = s.layerElevation[k];
  const double xp = s.spiralPoleX;
  const double yp = s.spiralPoleY;
  const double r0 = s.spiralInitialRadius;
  const double tanPhiC = std::tan(s.compoundFrictionAngle);

  // 200 points of the spiral fitted last, in equal steps of the polar angle
  // (accumulated). The crossing wanted is the highest segment that spans the
  // layer's elevation, so the points are worked out from the exit down, only
  // as far as that segment.
  double* px = s.pulloutTraceX;
  double* py = s.pulloutTraceY;
  double theta[kPulloutTracePoints];
  theta[0] = s.lastCompoundStartAngle;
  const double delta = (s.lastCompoundEndAngle - theta[0]) / 199;
  for (int j = 1; j < kPulloutTracePoints; ++j) theta[j] = theta[j - 1] + delta;
  auto point = [&](int j) {
    const double e = std::exp(-theta[j] * tanPhiC);
    px[j] = xp + r0 * e * std::sin(theta[j]);
    py[j] = yp - r0 * e * std::cos(theta[j]);
  };

  point(kPulloutTracePoints - 1);
  bool spanned = false;
  double crossing = 0.0;
  for (int j = kPulloutTracePoints - 1; j >= 1; --j) {
    point(j - 1);
    if (py[j - 1] <= z && z <= py[j]) {
      const double rise = py[j] - py[j - 1];
      const double run = px[j] - px[j - 1];
      if (run == 0.0) {
        crossing = px[j];  // a vertical segment crosses at its own x
      } else {
        const double m = rise / run;
        crossing = std::fabs(m) > 1e-5 ? px[j - 1] + (z - py[j - 1]) / m : px[j];
      }
      spanned = true;
      break;
    }
  }
  // No segment spans it: the start point (by then every point is known).
  if (!spanned) crossing = px[0];
  s.slipSurfaceCrossingX[k] = crossing;

  const int mode = s.controllingMode[k];
  if (mode == 1 && s.tiebackTr[k] < 1e-5) {
    s.lengthToSlipSurface[k] = 0.0;
    s.embeddedLength[k] = 0.0;
    return;
  }
  s.lengthToSlipSurface[k] = crossing - s.layerFaceX[k];
  s.embeddedLength[k] = kEmbeddedLengthPending;
}

namespace {

double MarchEmbeddedLength(const AnalysisState& s, int k, double crossing) {
  const double z = s.layerElevation[k];
  const int mode = s.controllingMode[k];
  const double rc = s.coverageRatio;
  const double force = mode == 1 ? s.tiebackTr[k] : rc * s.layerStrength[k];
  const double target = force / rc;

  // March behind the surface, adding up the pullout resistance.
  const double h = s.slopeHeight;
  const double dx = 0.0010000000474974513 * h;
  const double gamma = s.reinforcedUnitWeight;
  const double tanPhiR = std::tan(s.reinforcedDesignPhi);
  const double cohesionR = s.reinforcedDesignCohesion;
  const double tanPhiF = std::tan(s.foundationDesignPhi);
  const double cohesionF = s.foundationDesignCohesion;
  const double ciR = s.designPulloutCoefficientReinforced;
  const double ciF = s.designPulloutCoefficientFoundation;
  const double verticalFactor = 1 + s.seismicKv;
  const double ru = s.poreWaterCoefficient;
  const double waterWeight = s.waterUnitWeight;
  const bool water = s.phreaticSurfaceGiven == 1;
  const bool toeLayer = k == 1 && z < 1e-5;
  const double tanBackslope = std::tan(s.backslopeAngleRad);
  // Beyond this x the ground, the surcharge and the water level no longer
  // change, so every further step adds the same resistance.
  double levelFrom =
      h * s.cotSlopeAngle + std::fabs(s.crestLengthA) + std::fabs(s.crestLengthB) + h;
  if (water) levelFrom = std::max(levelFrom, s.phreaticPointX[3] + h);

  // Each step's resistance (for the toe layer both faces summed first) is
  // added to the running total. The toe layer is layer 1 lying below 1e-5.
  //
  // Once the ground, the surcharge and the water level take their last
  // values at some x, they keep them at every larger x (x only grows), and
  // so does the step's resistance: it is then worked out once.
  const double xc = h * s.cotSlopeAngle;
  const double a = s.crestLengthA;
  const double b = s.crestLengthB;
  auto settled = [&](double at) {
    if (!(at > xc)) return false;
    const double d = at - xc;
    const bool ground = (a < 1e-5 && b < 1e-5) || (a < 1e-5 ? !(d < b) : !(d <= a) && !(d < a + b));
    const bool load = !(at < xc) && !(at <= xc + s.crestLengthA) && !(at <= xc + s.crestLengthA + s.crestLengthB);
    return ground && load && (!water || at >= s.phreaticPointX[3]);
  };
  bool constant = false;
  double constantIncrement = 0.0;
  double x = crossing;
  double resistance = 0.0;
  int steps = 0;
  for (;;) {
    x = x + dx;
    ++steps;
    double increment = constantIncrement;
    if (!constant) {
      const double depth = logspiral::GroundAt(s, tanBackslope, x) - z;
      const double q = logspiral::SurchargeAt(s, x);
      const double uw = water ? std::max(0.0, (logspiral::WaterLevelAt(s, x) - z) * waterWeight) : 0.0;
      const double ur = std::max(0.0, depth * ru * gamma);
      const double sigma = q + gamma * depth * verticalFactor - uw - ur;
      increment = toeLayer ? (sigma * tanPhiR + cohesionR) * ciR * dx + (sigma * tanPhiF + cohesionF) * ciF * dx
                           : 2 * ciR * sigma * tanPhiR * dx;
      if (settled(x)) {
        constant = true;
        constantIncrement = increment;
      }
    }
    resistance += increment;
    if (target <= resistance * rc) break;
    if (steps >= kMaxPulloutSteps) break;
    if (!(increment > 0.0) && rc > 0.0 && x > levelFrom) {
      // The resistance can grow no more: the march would only run on to its
      // limit, so count the remaining steps without the soil.
      while (steps < kMaxPulloutSteps) {
        x = x + dx;
        ++steps;
      }
      break;
    }
    if (constant && constantIncrement > 0.0 && rc > 0.0) {
      // From here on every step adds the same positive resistance, so the
      // total only grows and the first step that reaches the target is found
      // by halving, with the sums and x counted out bit for bit.
      const std::int64_t remaining = kMaxPulloutSteps - steps;
      auto reached = [&](std::int64_t n) {
        return target <= logspiral::AddSteps(resistance, constantIncrement, n) * rc;
      };
      std::int64_t n = remaining;
      if (reached(remaining)) {
        std::int64_t lo = 1;
        while (lo < n) {
          const std::int64_t mid = lo + (n - lo) / 2;
          if (reached(mid)) {
            n = mid;
          } else {
            lo = mid + 1;
          }
        }
      }
      resistance = logspiral::AddSteps(resistance, constantIncrement, n);
      x = logspiral::AddSteps(x, dx, n);
      steps += static_cast<int>(n);
      break;
    }
  }
  return x - crossing;
}

}  // namespace

void ResolveEmbeddedLengths(AnalysisState& s) {
  for (int k = 1; k <= s.layerCount; ++k) {
    if (std::isnan(s.embeddedLength[k])) s.embeddedLength[k] = MarchEmbeddedLength(s, k, s.slipSurfaceCrossingX[k]);
  }
}

}  // namespace tervane::analysis
