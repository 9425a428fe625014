#pragma once
// A plain transcription of the engine's algorithms (driver, layer placement,
// tieback search, compound search and pullout lengths), step by step and
// without any of the engine's shortcuts: no remembered spirals or angle
// terms, a scan from the start for every layer crossing, the full 200-point
// pullout trace, every march step worked out, every descent spiral fitted.
// Direct sliding and the deep-seated search are the engine's own routines.
// Tests run it beside the engine and compare the outputs bit for bit.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis::literal {

inline constexpr double kDeg = 0.01745329238474369;
inline constexpr double k90 = 1.5707963146269321;

// What the two compound searches keep from one iteration to the next, each
// its own; both start at 0 in every call.
struct SearchMemory {
  double toeBest = 0.0;
  int toeFlag = 0;
  double layerBest = 0.0;
  int layerFlag = 0;
};

inline double Ground(const AnalysisState& s, double x) {
  const double h = s.slopeHeight;
  const double xc = h * s.cotSlopeAngle;
  const double a = s.crestLengthA;
  const double b = s.crestLengthB;
  const double tb = std::tan(s.backslopeAngleRad);
  if (x <= xc) return x / s.cotSlopeAngle;
  if (a < 1e-5 && b < 1e-5) return h;
  const double d = x - xc;
  if (a < 1e-5) {
    if (d < b) return h + d * tb;
    return h + b * tb;
  }
  if (d <= a) return h;
  if (a < d && d < a + b) return h + (d - a) * tb;
  return h + b * tb;
}

inline double Surcharge(const AnalysisState& s, double x) {
  const double xc = s.slopeHeight * s.cotSlopeAngle;
  const double a = s.crestLengthA;
  const double b = s.crestLengthB;
  if (x < xc) return 0.0;
  if (xc <= x && x <= xc + a) return s.surchargeQ1;
  if (xc + a < x && x <= xc + a + b) return s.surchargeQ2;
  return s.surchargeQ3;
}

inline double Water(const AnalysisState& s, double x) {
  const double* X = s.phreaticPointX;
  const double* Y = s.phreaticPointY;
  const double* m = s.phreaticSegmentSlope;
  if (x >= X[3]) return Y[3];
  if (x < X[1]) return Y[0] + (x - X[0]) * m[0];
  if (X[1] <= x && x < X[2]) return Y[1] + (x - X[1]) * m[1];
  return Y[2] + (x - X[2]) * m[2];
}

struct Fit {
  double thetaS = 0.0;
  double thetaE = 0.0;
  double tanPhi = 0.0;
  double exitX = 0.0;
  double exitY = 0.0;
};

inline Fit FitLogSpiral(AnalysisState& s, double a, double b, double phi) {
  Fit f;
  f.tanPhi = std::tan(phi);
  f.thetaE = a - phi;
  f.thetaS = b - 1.5707963146269321 - phi;
  const double t = f.tanPhi;
  const double e1 = std::exp(-f.thetaS * t), c1 = std::cos(f.thetaS), s1 = std::sin(f.thetaS);
  const double e2 = std::exp(-f.thetaE * t), c2 = std::cos(f.thetaE), s2 = std::sin(f.thetaE);
  double D = e1 * c1 - c2 * e2;
  if (std::fabs(D) <= 1e-5) D = 1e-5;
  const double xs = s.currentFaceX;
  const double ys = s.currentElevation;
  auto X = [&](double y) {
    const double r0 = (y - ys) / D;
    const double xP = xs - s1 * e1 * r0;
    return xP + e2 * r0 * s2;
  };
  const double H = s.slopeHeight;
  const double xc = H * s.cotSlopeAngle;
  const double A = s.crestLengthA;
  const double B = s.crestLengthB;
  const double tb = std::tan(s.backslopeAngleRad);
  double ey = H;
  double ex = X(H);
  if (A < 1e-5 && B < 1e-5) {
    ey = H;
    ex = X(H);
  } else if (A >= 1e-5) {
    double x = X(H);
    double xm;
    for (;;) {
      x = x + H / 100;
      const double d = x - xc;
      if (d <= A) {
        xm = x;
        break;
      }
      const double yg = d < A + B ? H + (d - A) * tb : H + B * tb;
      const double xsp = X(yg);
      if (xsp > x) continue;
      xm = (x + xsp) / 2;
      break;
    }
    const double dm = xm - xc;
    if (dm <= A) {
      ey = H;
      ex = X(H);
    } else if (A < dm && dm < A + B) {
      ey = H + (dm - A) * tb;
      ex = xm;
    } else {
      ey = H + B * tb;
      ex = xm;
    }
  } else {
    double x = X(H);
    double xm;
    for (;;) {
      x = x + H / 100;
      const double d = x - xc;
      if (d >= B) {
        xm = x;
        break;
      }
      const double yg = H + d * tb;
      const double xsp = X(yg);
      if (xsp > x) continue;
      xm = (x + xsp) / 2;
      break;
    }
    const double dm = xm - xc;
    if (dm < B) {
      ey = H + dm * tb;
      ex = xm;
    } else {
      ey = H + B * tb;
      ex = X(ey);
    }
  }
  const double r0 = (ey - ys) / D;
  s.spiralInitialRadius = r0;
  s.spiralPoleX = xs - s1 * e1 * r0;
  s.spiralPoleY = ys + e1 * r0 * c1;
  f.exitX = ex;
  f.exitY = ey;
  return f;
}

inline void TraceLogSpiral(AnalysisState& s, const Fit& f) {
  const double delta = (f.thetaE - f.thetaS) / 50;
  double theta = f.thetaS;
  for (int k = 1; k <= 51; ++k) {
    const double r = s.spiralInitialRadius * std::exp(-theta * f.tanPhi);
    s.surfaceTraceX[k - 1] = s.spiralPoleX + r * std::sin(theta);
    s.surfaceTraceY[k - 1] = s.spiralPoleY - r * std::cos(theta);
    theta = theta + delta;
  }
}

inline double ForceAngle(const AnalysisState& s, double tanPhi, double x, double z) {
  if (s.orientationMode == 1) {
    double d = s.spiralPoleY - z;
    if (std::fabs(d) < 0.0010000000474974513) d = 0.0010000000474974513;
    return s.orientationValue * (std::atan((x - s.spiralPoleX) / d) + std::atan(tanPhi));
  }
  return s.orientationValue;
}

inline double ComputeTiebackForce(AnalysisState& s, double tanPhi) {
  const double* X = s.surfaceTraceX;
  const double* Y = s.surfaceTraceY;
  const double xP = s.spiralPoleX;
  const double yP = s.spiralPoleY;
  const double gamma = s.reinforcedUnitWeight;
  const double c = s.reinforcedDesignCohesion;
  const double Kh = s.appliedSeismicKh;
  const double Kv = s.seismicKv;
  double M = 0.0;
  for (int k = 1; k <= 50; ++k) {
    const double xm = (X[k - 1] + X[k]) / 2;
    const double ym = (Y[k - 1] + Y[k]) / 2;
    const double dx = X[k] - X[k - 1];
    const double dy = Y[k] - Y[k - 1];
    const double yg = Ground(s, xm);
    const double h = yg - ym;
    const double q = Surcharge(s, xm);
    const double W = gamma * h * dx;
    double uw = 0.0;
    if (s.phreaticSurfaceGiven == 1) uw = std::max(0.0, (Water(s, xm) - ym) * s.waterUnitWeight);
    const double ur = s.poreWaterCoefficient * gamma * h;
    M += (W + q * dx) * (1 + Kv) * (xm - xP) + Kh * W * (yP - (ym + yg) / 2) +
         Kh * q * dx * (yP - yg) + (uw + ur) * (dy * (yP - ym) - dx * (xm - xP)) -
         c * (dx * (yP - ym) + dy * (xm - xP));
  }
  const int cl = s.currentLayer;
  double Mup = 0.0;
  for (int j = s.layerCount; j >= cl + 1; --j) {
    const double zj = s.layerElevation[j];
    int seg = 50;
    for (int k = 1; k <= 49; ++k) {
      if (Y[k - 1] <= zj && zj < Y[k]) {
        seg = k;
        break;
      }
    }
    const double xj = (X[seg - 1] + X[seg]) / 2;
    const double aj = ForceAngle(s, tanPhi, xj, zj);
    Mup += s.layerTiebackForce[j] * ((xj - xP) * std::sin(aj) + (yP - zj) * std::cos(aj));
  }
  const double xc = s.layerFaceX[cl];
  const double zc = s.layerElevation[cl];
  const double ac = ForceAngle(s, tanPhi, xc, zc);
  const double den = (yP - zc) * std::cos(ac) + (xc - xP) * std::sin(ac);
  // The engine's guard of a force without moment arm.
  const double force = std::fabs(den) < 1e-10 ? 0.0 : (M - Mup) / den;
  s.layerTiebackForce[cl] = force;
  return force;
}

inline void FindCriticalTiebackSpiral(AnalysisState& s) {
  const double phi = s.reinforcedDesignPhi;
  const double i = s.slopeAngle;
  const double xc = (1.0 / std::tan(i * kDeg)) * s.slopeHeight;
  double st = 4 * kDeg;
  int n = 0;
  int r = 1;
  bool warm = false;
  bool flag = false;
  bool used = false;
  double a, b;
  if (s.tiebackWarmStart == 1) {
    a = s.spiralAngleA + st;
    b = s.spiralAngleB - st;
    warm = true;
  } else {
    s.tiebackWarmStart = 1;
    a = i * kDeg;
    b = a + phi;
  }
  auto eval = [&](double ea, double eb, double ifFace, bool& face) {
    const Fit f = FitLogSpiral(s, ea, eb, phi);
    face = f.exitX < xc;
    if (face) {
      if (n == 2) flag = true;
      return ifFace;
    }
    TraceLogSpiral(s, f);
    return ComputeTiebackForce(s, f.tanPhi);
  };
  for (;;) {
    if (r == 501) break;
    const double ap = a + st, am = a - st;
    if (s.penetrationForbidden == 1 && b < k90) b = k90 + st;
    const double bp = b + st, bm = b - st;
    bool face = false;
    double T0 = eval(a, b, 0.0, face);
    bool next = false;
    if (face) {
      a = a + kDeg;
      if (a <= k90) {
        next = true;
      } else {
        T0 = -9e10;
      }
    }
    if (!next) {
      bool f1, f2, f3, f4;
      const double T1 = bp - 89.9000015258789 * kDeg <= a ? eval(a, bp, -6e10, f1) : -5e10;
      const double T2 = b - 89.9000015258789 * kDeg <= am ? eval(am, b, -4e10, f2) : -3e10;
      const double T3 = ap <= k90 ? eval(ap, b, -2e11, f3) : -1e11;
      const double T4 = bm > 0 ? eval(a, bm, -8e10, f4) : -7e10;
      const double best = std::max({T0, T1, T2, T3, T4});
      if (std::fabs(T3 - best) <= 1e-7) {
        a = ap;
      } else if (std::fabs(T2 - best) <= 1e-7) {
        a = am;
      } else if (std::fabs(T1 - best) <= 1e-7) {
        b = bp;
      } else if (std::fabs(T4 - best) <= 1e-7) {
        b = bm;
      } else {
        n = n + 1;
        if (n == 6) break;
        if (flag) {
          if (used) break;
          a = i * kDeg;
          b = (i + 89.4000015258789) * kDeg;
          st = 0.4000000059604645 * kDeg;
          warm = false;
          r = 1;
          used = true;
          continue;
        }
        st = st * 0.5;
      }
    }
    r = r + 1;
    if (r == 51 && warm && !used) {
      a = i * kDeg;
      b = a + phi;
      warm = false;
      r = 52;
    }
  }
  const Fit f = FitLogSpiral(s, a, b, phi);
  TraceLogSpiral(s, f);
  const double T = ComputeTiebackForce(s, f.tanPhi);
  const int row = s.runMode == 1 ? s.layerCount : s.currentLayer;
  if (row >= 1 && row <= kMaxLayers) {
    for (int k = 0; k < 51; ++k) {
      s.tiebackSurfaceX[row][k] = s.surfaceTraceX[k];
      s.tiebackSurfaceY[row][k] = s.surfaceTraceY[k];
    }
  }
  s.layerTiebackForce[s.currentLayer] = T > 0.0 ? T : 0.0;
  s.spiralAngleA = a;
  s.spiralAngleB = b;
}

inline void PlaceLayersOptimized(AnalysisState& s) {
  s.cotSlopeAngle = 1.0 / std::tan(s.slopeAngle * s.degreeToRadian);
  s.layerLimitExceeded = 0;
  s.layerCount = 1;
  s.currentLayer = 1;
  const double H = s.slopeHeight, dmin = s.minSpacing, dbot = s.bottomLayerHeight;
  if (!(dmin > 0.0)) {  // the engine's guard
    s.layerCount = kMaxLayers + 1;
    s.layerLimitExceeded = 1;
    return;
  }
  const double twentieth = dmin / 20;
  double r = H, sp = dmin;
  enum { kNormal, kBottom, kExtra } stage = kNormal;
  auto analyse = [&](double z) {
    const double x = z * s.cotSlopeAngle;
    s.currentFaceX = x;
    s.layerElevation[1] = z;
    s.layerFaceX[1] = x;
    literal::FindCriticalTiebackSpiral(s);
    return s.layerTiebackForce[1];
  };
  for (;;) {
    double z = r - sp;
    if (z - dbot <= twentieth) {
      z = 0.0;
      stage = kBottom;
    }
    s.currentElevation = z;
    double T = analyse(z);
    for (;;) {  // step 4, repeated after the extra layer's analysis
      bool fix = false;
      if (stage == kExtra) {
        fix = true;
      } else if (stage == kBottom) {
        if (T <= s.allowableLayerForce) {
          s.layerElevation[1] = dbot;
          s.layerFaceX[1] = dbot * s.cotSlopeAngle;
          return;
        }
        if (s.layerCount >= 2 && s.layerElevation[2] <= twentieth + (dmin + dbot)) {
          s.layerElevation[1] = dbot;
          s.layerFaceX[1] = dbot * s.cotSlopeAngle;
          return;
        }
        if (!(dmin + dbot < H)) {  // no layer above the crest
          s.layerElevation[1] = dbot;
          s.layerFaceX[1] = dbot * s.cotSlopeAngle;
          return;
        }
        z = dmin + dbot;
        s.currentElevation = z;
        stage = kExtra;
        T = analyse(z);
        continue;
      } else if (T <= s.allowableLayerForce) {
        if (sp + dmin <= s.maxSpacingWithTolerance) {
          sp = sp + dmin;
          break;  // step 2 with the same r
        }
        fix = true;
      } else {
        if (std::fabs(sp - dmin) >= 0.0001) {
          z = s.currentElevation + dmin;
          s.currentElevation = z;
          T = analyse(z);
        }
        fix = true;
      }
      if (fix) {
        s.layerCount = s.layerCount + 1;
        if (s.layerCount > kMaxLayers) {
          s.layerLimitExceeded = 1;
          return;
        }
        for (int m = s.layerCount; m >= 2; --m) {
          s.layerTiebackForce[m] = s.layerTiebackForce[m - 1];
          s.layerElevation[m] = s.layerElevation[m - 1];
          s.layerFaceX[m] = s.layerFaceX[m - 1];
        }
        r = s.currentElevation;
        sp = dmin;
      }
      break;
    }
  }
}

inline void AnalyzeSpecifiedLayers(AnalysisState& s) {
  s.cotSlopeAngle = 1.0 / std::tan(s.slopeAngle * s.degreeToRadian);
  s.currentLayer = s.layerCount;
  while (s.currentLayer >= 1) {
    double z = s.layerElevation[s.currentLayer];
    if (s.currentLayer == 1) z = 0.0;
    s.currentElevation = z;
    const double x = z * s.cotSlopeAngle;
    s.currentFaceX = x;
    s.layerFaceX[s.currentLayer] = x;
    literal::FindCriticalTiebackSpiral(s);
    s.currentLayer = s.currentLayer - 1;
  }
  s.layerFaceX[1] = s.cotSlopeAngle * s.layerElevation[1];
}

inline void ComputePulloutLengths(AnalysisState& s) {
  const int k = s.lastCompoundLayer;
  const double z = s.layerElevation[k];
  const double tc = std::tan(s.compoundFrictionAngle);
  double X[201], Y[201];
  const double delta = (s.lastCompoundEndAngle - s.lastCompoundStartAngle) / 199;
  double theta = s.lastCompoundStartAngle;
  for (int j = 1; j <= 200; ++j) {
    X[j] = s.spiralPoleX + s.spiralInitialRadius * std::exp(-theta * tc) * std::sin(theta);
    Y[j] = s.spiralPoleY - s.spiralInitialRadius * std::exp(-theta * tc) * std::cos(theta);
    s.pulloutTraceX[j - 1] = X[j];
    s.pulloutTraceY[j - 1] = Y[j];
    theta = theta + delta;
  }
  double x = X[1];
  for (int j = 200; j >= 2; --j) {
    if (Y[j - 1] <= z && z <= Y[j]) {
      const double m = (Y[j] - Y[j - 1]) / (X[j] - X[j - 1]);
      x = std::fabs(m) > 1e-5 ? X[j - 1] + (z - Y[j - 1]) / m : X[j];
      break;
    }
  }
  s.slipSurfaceCrossingX[k] = x;
  if (s.controllingMode[k] == 1 && s.tiebackTr[k] < 1e-5) {
    s.lengthToSlipSurface[k] = 0.0;
    s.embeddedLength[k] = 0.0;
    return;
  }
  s.lengthToSlipSurface[k] = x - s.layerFaceX[k];
  const double Rc = s.coverageRatio;
  const double F = s.controllingMode[k] == 1 ? s.tiebackTr[k] : Rc * s.layerStrength[k];
  const double crossing = x;
  const double gamma = s.reinforcedUnitWeight;
  const double tR = std::tan(s.reinforcedDesignPhi), cR = s.reinforcedDesignCohesion;
  const double tF = std::tan(s.foundationDesignPhi), cF = s.foundationDesignCohesion;
  const double ciR = s.designPulloutCoefficientReinforced;
  const double ciF = s.designPulloutCoefficientFoundation;
  double R = 0.0;
  for (int step = 1;; ++step) {
    x = x + 0.0010000000474974513 * s.slopeHeight;
    const double dx = 0.0010000000474974513 * s.slopeHeight;
    const double h = Ground(s, x) - z;
    const double q = Surcharge(s, x);
    double uw = 0.0;
    if (s.phreaticSurfaceGiven == 1) uw = std::max(0.0, (Water(s, x) - z) * s.waterUnitWeight);
    const double ur = std::max(0.0, h * s.poreWaterCoefficient * gamma);
    const double sigma = q + gamma * h * (1 + s.seismicKv) - uw - ur;
    if (k == 1 && z < 1e-5) {
      R += (sigma * tR + cR) * ciR * dx + (sigma * tF + cF) * ciF * dx;
    } else {
      R += 2 * ciR * sigma * tR * dx;
    }
    if (F / Rc <= R * Rc) break;
    if (step >= 20000) break;  // the engine's bound of the march
  }
  s.embeddedLength[k] = x - crossing;
}

inline double EvalSurface(AnalysisState& s, double phi) {
  const Fit f = FitLogSpiral(s, s.spiralAngleA, s.spiralAngleB, phi);
  s.lastCompoundStartAngle = f.thetaS;
  s.lastCompoundEndAngle = f.thetaE;
  TraceLogSpiral(s, f);
  return ComputeTiebackForce(s, f.tanPhi);
}

inline void CompoundSearch(AnalysisState& s, int st0, bool toe, double& best, int& flag) {
  const int N = s.layerCount;
  const double H = s.slopeHeight;
  const double Rc = s.coverageRatio;
  if (toe) {
    for (int i = 1; i <= N; ++i) s.controllingMode[i] = 1;
    double S = 0.0;
    for (int i = 1; i <= N; ++i) S += s.tiebackTr[i];
    if (S > 0.10000000149011612) {
      double sum = 0.0;
      for (int i = 1; i <= N; ++i) {
        sum += Rc * s.layerStrength[i];
        if (s.tiebackTr[i] <= Rc * s.layerStrength[i]) s.controllingMode[i] = 0;
        if (sum >= S) break;
      }
    }
  }
  const double st = 0.20000000298023224 * s.degreeToRadian;
  const double phiR0 = s.reinforcedDesignPhi, cR0 = s.reinforcedDesignCohesion,
               gR0 = s.reinforcedUnitWeight;
  double Cs = Rc * s.layerStrength[st0];
  if (s.controllingMode[st0] == 1) Cs = std::max(Rc * s.layerStrength[st0], s.layerTiebackForce[st0]);
  double saved[kMaxLayers + 1];
  for (int i = st0; i <= N; ++i) {
    saved[i] = s.layerTiebackForce[i];
    s.layerTiebackForce[i] = s.controllingMode[i] == 0 ? Rc * s.layerStrength[i] : s.tiebackTr[i];
  }
  const double a0 = s.spiralAngleA, b0 = s.spiralAngleB;
  s.lastCompoundStartAngle = b0 - k90 - phiR0;
  s.lastCompoundEndAngle = a0 - phiR0;
  double thS = s.lastCompoundStartAngle, thE = s.lastCompoundEndAngle;
  double phi = phiR0;
  const double z0 = toe ? 0.0 : s.layerElevation[st0];
  double span = H - z0;
  if (std::fabs(span) <= 1e-5) span = 1e-5;  // the engine's guard
  int k = N;
  for (;;) {
    if (k < st0) break;
    double gSurface = gR0;
    if (k < N) {
      const double zk = s.layerElevation[k];
      const double below = toe ? zk / H : (zk - z0) / span;
      const double above = toe ? (H - zk) / H : (H - zk) / span;
      s.reinforcedDesignCohesion = cR0 * below + s.backfillDesignCohesion * above;
      s.reinforcedUnitWeight = (s.backfillUnitWeight + gR0) * 0.5;
      gSurface = s.reinforcedUnitWeight;
      if (s.backfillDesignPhi <= phi && s.controllingMode[s.lastCompoundLayer] == 0) {
        phi = std::atan(std::tan(phiR0) * below + std::tan(s.backfillDesignPhi) * above);
        s.reinforcedDesignPhi = phi;
      }
    }
    s.compoundFrictionAngle = phi;
    double aS = thE + phi + st;
    double bS = thS + k90 + phi + st;
    while (k >= st0 && s.controllingMode[k] == 1 && s.tiebackTr[k] < 1e-10) k = k - 1;
    if (k < st0) break;
    s.lastCompoundLayer = k;
    s.layerTiebackForce[k] = 0.0;
    const double tp = std::tan(phi);
    auto e = [&](double th) { return std::exp(-th * tp) * std::cos(th); };
    for (;;) {
      double a;
      double b = bS - st;
      if (b <= 5 * kDeg) {
        s.spiralAngleB = b;
        a = aS;
      } else {
        if (s.penetrationForbidden == 0 || b > k90) {
          s.spiralAngleB = b;
          flag = 0;
          best = -1e15;
        } else {
          b = b + st;
          s.spiralAngleB = b;
          flag = 1;
        }
        a = aS;
        for (;;) {
          a = a - st;
          if (phi >= a) break;
          if (e(a - phi) < e(b - k90 - phi)) break;
          s.spiralAngleA = a - b < 2 * st - k90 ? b - k90 + 2 * st : a;
          double Fs = EvalSurface(s, phi);
          if (toe && s.lastCompoundLayer == 1) Fs = 1e-5;
          if (Fs > best) {
            best = Fs;
            a = s.spiralAngleA;
            continue;
          }
          a = s.spiralAngleA;
          break;
        }
      }
      s.spiralAngleA = a + st <= k90 ? a + st : k90 - st;
      if (s.spiralAngleB <= 5.099999904632568 * kDeg) s.spiralAngleB = 5 * kDeg;
      const double Fs = EvalSurface(s, phi);
      const bool stop = toe && k == 1 ? Fs < 1e-5 : Fs <= Cs;
      if (s.spiralAngleB <= 5.010000228881836 * kDeg || stop || flag == 1) break;
      aS = s.spiralAngleA + st;
      bS = s.spiralAngleB;
    }
    s.reinforcedDesignPhi = phiR0;
    s.reinforcedDesignCohesion = cR0;
    s.reinforcedUnitWeight = gR0;
    literal::ComputePulloutLengths(s);
    s.reinforcedDesignPhi = phi;
    s.reinforcedDesignCohesion = cR0;
    s.reinforcedUnitWeight = gSurface;
    for (int p = 0; p < 51; ++p) {
      if (toe) {
        s.toeCompoundSurfaceX[k][p] = s.surfaceTraceX[p];
        s.toeCompoundSurfaceY[k][p] = s.surfaceTraceY[p];
      } else {
        s.layerCompoundSurfaceX[st0][p] = s.surfaceTraceX[p];
        s.layerCompoundSurfaceY[st0][p] = s.surfaceTraceY[p];
      }
    }
    thS = s.lastCompoundStartAngle;
    thE = s.lastCompoundEndAngle;
    k = s.lastCompoundLayer - 1;
  }
  s.reinforcedDesignPhi = phiR0;
  s.reinforcedDesignCohesion = cR0;  // restored also after a search that ends skipping layers
  s.reinforcedUnitWeight = gR0;
  s.spiralAngleB = b0;
  s.spiralAngleA = a0;
  for (int i = st0; i <= N; ++i) s.layerTiebackForce[i] = saved[i];
}

// One engine call on a fresh state.
inline void Run(AnalysisState& s, const EngineInputs& in, EngineOutputs& out) {
  SearchMemory memory;
  // 1.
  s.bottomSlopeAngleRad = in.bottomSlopeAngleRad;
  s.slopeHeight = in.slopeHeight;
  s.slopeAngle = in.slopeAngle;
  s.crestLengthA = in.crestLengthA;
  s.crestLengthB = in.crestLengthB;
  s.backslopeAngleRad = in.backslopeAngleRad;
  s.surchargeQ1 = in.surchargeQ1;
  s.surchargeQ2 = in.surchargeQ2;
  s.surchargeQ3 = in.surchargeQ3;
  s.phreaticSurfaceGiven = in.phreaticSurfaceGiven;
  s.poreWaterCoefficient = in.poreWaterCoefficient;
  s.waterUnitWeight = in.waterUnitWeight;
  s.phreaticX2 = in.phreaticX2;
  s.phreaticY2 = in.phreaticY2;
  s.phreaticX3 = in.phreaticX3;
  s.phreaticY3 = in.phreaticY3;
  s.phreaticX4 = in.phreaticX4;
  s.phreaticY4 = in.phreaticY4;
  s.reinforcedUnitWeight = in.reinforcedUnitWeight;
  s.reinforcedDesignPhi = in.reinforcedDesignPhi;
  s.reinforcedDesignCohesion = in.reinforcedDesignCohesion;
  s.backfillUnitWeight = in.backfillUnitWeight;
  s.backfillDesignPhi = in.backfillDesignPhi;
  s.backfillDesignCohesion = in.backfillDesignCohesion;
  s.foundationUnitWeight = in.foundationUnitWeight;
  s.foundationDesignPhi = in.foundationDesignPhi;
  s.foundationDesignCohesion = in.foundationDesignCohesion;
  s.interwedgeAngleRad = in.interwedgeAngleRad;
  s.designPulloutCoefficientReinforced = in.designPulloutCoefficientReinforced;
  s.designPulloutCoefficientFoundation = in.designPulloutCoefficientFoundation;
  s.effectiveSlidingCoefficientReinforced =
      (in.slidingCoefficientReinforced * in.coverageRatio + 1.0) - in.coverageRatio;
  s.effectiveSlidingCoefficientFoundation =
      (in.slidingCoefficientFoundation * in.coverageRatio + 1.0) - in.coverageRatio;
  s.lengthLayout = in.lengthLayout;
  s.seismicKv = in.seismicKv;
  s.appliedSeismicKh = in.appliedSeismicKh;
  s.seismicOnReinforcedMass = in.seismicOnReinforcedMass;
  s.penetrationForbidden = in.penetrationForbidden;
  s.runDeepSeated = in.runDeepSeated;
  s.maxPenetrationDepth = in.maxPenetrationDepth;
  s.maxSpacingWithTolerance = in.maxSpacingWithTolerance;
  s.minSpacing = in.minSpacing;
  s.bottomLayerHeight = in.bottomLayerHeight;
  s.coverageRatio = in.coverageRatio;
  s.currentFsDirectSliding = in.currentFsDirectSliding;
  s.orientationMode = in.orientationMode;
  s.orientationValue = in.orientationValue;
  s.runMode = in.runMode;
  s.degreeToRadian = 0.01745329238474369;
  const double px[4] = {0.0, in.phreaticX2, in.phreaticX3, in.phreaticX4};
  const double py[4] = {0.0, in.phreaticY2, in.phreaticY3, in.phreaticY4};
  for (int k = 0; k < 4; ++k) {
    s.phreaticPointX[k] = px[k];
    s.phreaticPointY[k] = py[k];
  }
  for (int k = 0; k < 3; ++k) {
    if (s.phreaticSurfaceGiven == 0) {
      s.phreaticSegmentSlope[k] = 0.0;
    } else {
      double dx = px[k + 1] - px[k];
      if (dx < 0.0010000000474974513) dx = 0.0010000000474974513;
      s.phreaticSegmentSlope[k] = (py[k + 1] - py[k]) / dx;
    }
  }
  if (s.runMode == 0) {
    s.layerCount = std::clamp(in.layerCount, 0, kMaxLayers);
    for (int k = 1; k <= 100; ++k) {
      s.layerElevation[k] = in.layerElevation[k - 1];
      s.layerStrength[k] = in.layerDesignStrength[k - 1];
    }
  }
  s.tiebackWarmStart = 0;
  s.depthLimitReached = 0;
  const double Rc = s.coverageRatio;
  // 2.
  if (s.runMode == 1) {
    for (int k = 1; k <= 100; ++k) s.layerStrength[k] = 0.0;
    s.allowableLayerForce = in.designStrength * Rc;
    literal::PlaceLayersOptimized(s);
    if (s.layerLimitExceeded == 1) {
      out.engineStatus = kStatusTooManyLayers;
      return;
    }
    bool removed = false;
    for (int k = 1; k < s.layerCount; ++k) {
      if (std::fabs(s.layerElevation[k + 1] - s.layerElevation[k]) <= 0.001) {
        for (int m = k; m <= s.layerCount - 1; ++m) s.layerElevation[m] = s.layerElevation[m + 1];
        s.layerCount = s.layerCount - 1;
        removed = true;
      }
    }
    for (int k = 1; k <= s.layerCount; ++k) s.layerStrength[k] = s.allowableLayerForce / Rc;
    if (removed) {
      s.tiebackWarmStart = 0;
      literal::AnalyzeSpecifiedLayers(s);
      for (int k = 1; k <= s.layerCount; ++k) s.layerStrength[k] = s.allowableLayerForce / Rc;
    }
  } else {
    s.allowableLayerForce = in.designStrength;
    literal::AnalyzeSpecifiedLayers(s);
  }
  const int N = s.layerCount;
  // Entries beyond N hold nothing.
  for (int k = N + 1; k <= kMaxLayers; ++k) {
    s.layerElevation[k] = 0.0;
    s.layerFaceX[k] = 0.0;
    s.layerTiebackForce[k] = 0.0;
    s.layerStrength[k] = 0.0;
    for (int p = 0; p < 51; ++p) s.tiebackSurfaceX[k][p] = s.tiebackSurfaceY[k][p] = 0.0;
  }
  // 3.
  for (int k = 1; k <= N; ++k) {
    s.savedTiebackForce[k] = s.layerTiebackForce[k];
    const double v = s.layerTiebackForce[k] > 0 ? s.layerTiebackForce[k] : 1e-10;
    s.requiredTiebackStrengthFloored[k] = v;
    s.tiebackTr[k] = v;
  }
  // 4.
  std::memcpy(s.outermostTiebackSurfaceX, s.surfaceTraceX, sizeof s.surfaceTraceX);
  std::memcpy(s.outermostTiebackSurfaceY, s.surfaceTraceY, sizeof s.surfaceTraceY);
  // 5.
  s.lastCompoundEndAngle = s.spiralAngleA - s.reinforcedDesignPhi;
  s.lastCompoundStartAngle = (s.spiralAngleB - 90 * s.degreeToRadian) - s.reinforcedDesignPhi;
  // 6.
  s.currentFaceX = 0.0;
  s.currentElevation = 0.0;
  s.currentLayer = 1;
  CompoundSearch(s, 1, true, memory.toeBest, memory.toeFlag);
  // 7.
  for (int k = 1; k <= N; ++k) {
    s.savedLengthToSlipSurface[k] = s.lengthToSlipSurface[k];
    s.savedEmbeddedLength[k] = s.embeddedLength[k];
    s.savedSlipSurfaceCrossingX[k] = s.slipSurfaceCrossingX[k];
  }
  std::memcpy(s.savedSurfaceTraceX, s.surfaceTraceX, sizeof s.surfaceTraceX);
  std::memcpy(s.savedSurfaceTraceY, s.surfaceTraceY, sizeof s.surfaceTraceY);
  // 8.
  for (s.compoundStartLayer = 2; s.compoundStartLayer <= N - 1; ++s.compoundStartLayer) {
    const int k0 = s.compoundStartLayer;
    s.currentFaceX = s.layerElevation[k0] * s.cotSlopeAngle;
    s.currentElevation = s.layerElevation[k0];
    s.currentLayer = k0;
    CompoundSearch(s, k0, false, memory.layerBest, memory.layerFlag);
    for (int j = k0; j <= N; ++j) {
      if (s.lengthToSlipSurface[j] >= s.savedLengthToSlipSurface[j]) {
        s.savedLengthToSlipSurface[j] = s.lengthToSlipSurface[j];
        s.savedEmbeddedLength[j] = s.embeddedLength[j];
        s.savedSlipSurfaceCrossingX[j] = s.slipSurfaceCrossingX[j];
      }
    }
  }
  // 9.
  for (int k = 1; k <= N; ++k) {
    s.lengthToSlipSurface[k] = s.savedLengthToSlipSurface[k];
    s.embeddedLength[k] = s.savedEmbeddedLength[k];
    s.slipSurfaceCrossingX[k] = s.savedSlipSurfaceCrossingX[k];
  }
  std::memcpy(s.surfaceTraceX, s.savedSurfaceTraceX, sizeof s.surfaceTraceX);
  std::memcpy(s.surfaceTraceY, s.savedSurfaceTraceY, sizeof s.surfaceTraceY);
  // 10.
  for (int k = 1; k <= N; ++k) {
    s.layerTiebackForce[k] = s.savedTiebackForce[k] / Rc;
    const double v = s.layerTiebackForce[k] > 0 ? s.layerTiebackForce[k] : 1e-10;
    s.requiredTiebackStrengthFloored[k] = v;
    s.tiebackTr[k] = v;
  }
  // 11.
  AnalyzeDirectSliding(s);
  // 12.
  double mx = -1e15;
  for (int k = 1; k <= N; ++k) {
    const double v = s.lengthToSlipSurface[k] + s.embeddedLength[k];
    if (v > mx) mx = v;
  }
  s.maxTiebackCompoundLength = mx;
  double L = mx > s.directSlidingLength ? mx : s.directSlidingLength;
  // 13.
  bool all = true;
  for (int k = 1; k <= N; ++k) all = all && s.tiebackTr[k] <= 1e-5;
  if (all) {
    s.directSlidingLength = 1e-5;
    for (int p = 0; p < 3; ++p) s.directSlidingWedgeX[p] = s.directSlidingWedgeY[p] = 1e-5;
    L = 1e-5;
  }
  // 14.
  auto floor5 = [](double v) { return std::fabs(v) <= 1e-5 ? 1e-5 : v; };
  const double H = s.slopeHeight;
  for (int k = 1; k <= N; ++k) {
    s.layerFrontX[k] = s.layerFaceX[k];
    const double front = s.layerFrontX[k];
    const double z1 = floor5(s.layerElevation[1]);
    const double zk = floor5(s.layerElevation[k]);
    const double zN = floor5(s.layerElevation[N]);
    const double dz = floor5(zk - z1);
    const double span = floor5(zN - z1);
    if (s.lengthLayout == 0 || N == 1) {
      s.layerRearX[k] = L + front;
    } else if (s.lengthLayout == 2) {
      const double own = s.lengthToSlipSurface[k] + s.embeddedLength[k];
      const double sliding = (1 - dz / floor5(H - z1)) * s.directSlidingLength;
      s.layerRearX[k] = front + (own > sliding ? own : sliding);
    } else if (std::fabs(s.maxTiebackCompoundLength - L) <= H / 1000) {
      s.layerRearX[k] = L + front;
    } else {
      s.layerRearX[k] = (L - dz * (L - s.maxTiebackCompoundLength) / span) + front;
    }
  }
  // 15.
  if (s.runDeepSeated != 0) {
    s.bishopSearchStartX = s.layerRearX[1];
    s.deepSeatedFactor = FindCriticalBishopCircle(s);
  }
  // 16.
  out.criticalCircleX = s.criticalCircleX;
  out.criticalCircleY = s.criticalCircleY;
  out.criticalCircleRadius = s.criticalCircleRadius;
  for (int k = 1; k <= 100; ++k) {
    out.requiredTiebackStrength[k - 1] = s.layerTiebackForce[k];
    out.resultLayerElevation[k - 1] = s.layerElevation[k];
    out.layerFaceX[k - 1] = s.layerFaceX[k];
    out.layerFrontX[k - 1] = s.layerFrontX[k];
    out.layerRearX[k - 1] = s.layerRearX[k];
    out.requiredTiebackStrengthFloored[k - 1] = s.requiredTiebackStrengthFloored[k];
    out.availableCompoundStrength[k - 1] = s.layerStrength[k];
    out.controllingMode[k - 1] = s.controllingMode[k];
    out.tiebackTr[k - 1] = s.tiebackTr[k];
    out.embeddedLength[k - 1] = s.embeddedLength[k];
    out.lengthToSlipSurface[k - 1] = s.lengthToSlipSurface[k];
  }
  out.resultLayerCount = N;
  out.engineLayerCursor = s.currentLayer;
  std::memcpy(out.outermostTiebackSurfaceX.data(), s.outermostTiebackSurfaceX,
              sizeof s.surfaceTraceX);
  std::memcpy(out.outermostTiebackSurfaceY.data(), s.outermostTiebackSurfaceY,
              sizeof s.surfaceTraceY);
  out.lastCompoundLayer = s.lastCompoundLayer;
  out.lastCompoundStartAngle = s.lastCompoundStartAngle;
  out.lastCompoundEndAngle = s.lastCompoundEndAngle;
  out.directSlidingLength = s.directSlidingLength;
  out.maxTiebackCompoundLength = s.maxTiebackCompoundLength;
  out.deepSeatedFactor = s.deepSeatedFactor;
  std::memcpy(out.outermostCompoundSurfaceX.data(), s.surfaceTraceX, sizeof s.surfaceTraceX);
  std::memcpy(out.outermostCompoundSurfaceY.data(), s.surfaceTraceY, sizeof s.surfaceTraceY);
  std::memcpy(out.directSlidingWedgeX.data(), s.directSlidingWedgeX, sizeof s.directSlidingWedgeX);
  std::memcpy(out.directSlidingWedgeY.data(), s.directSlidingWedgeY, sizeof s.directSlidingWedgeY);
  std::memcpy(out.deepSeatedCircleX.data(), s.deepSeatedCircleX, sizeof s.deepSeatedCircleX);
  std::memcpy(out.deepSeatedCircleY.data(), s.deepSeatedCircleY, sizeof s.deepSeatedCircleY);
  out.deepSeatedCutElevation = s.deepSeatedCutElevation;
  // 17.
  if (s.runMode == 1) {
    for (int k = 1; k <= N / 2; ++k) {
      for (int p = 0; p < 51; ++p) {
        std::swap(s.tiebackSurfaceX[k][p], s.tiebackSurfaceX[N + 1 - k][p]);
        std::swap(s.tiebackSurfaceY[k][p], s.tiebackSurfaceY[N + 1 - k][p]);
      }
    }
  }
  for (int row = 1; row <= 100; ++row) {
    for (int p = 0; p < 51; ++p) {
      out.tiebackSurfaceX[row - 1][p] = s.tiebackSurfaceX[row][p];
      out.tiebackSurfaceY[row - 1][p] = s.tiebackSurfaceY[row][p];
      out.toeCompoundSurfaceX[row - 1][p] = s.toeCompoundSurfaceX[row][p];
      out.toeCompoundSurfaceY[row - 1][p] = s.toeCompoundSurfaceY[row][p];
      out.layerCompoundSurfaceX[row - 1][p] = s.layerCompoundSurfaceX[row][p];
      out.layerCompoundSurfaceY[row - 1][p] = s.layerCompoundSurfaceY[row][p];
    }
  }
}

}  // namespace tervane::analysis::literal
