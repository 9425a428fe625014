#pragma once
// Random projects within the ranges the input dialogs accept, formed into
// engine inputs the way the run forms them.

#include <algorithm>
#include <cmath>
#include <random>

#include "analysis/Engine.h"
#include "engine_fixtures.h"

namespace tervane::analysis::testing {

class RandomProjects {
 public:
  explicit RandomProjects(unsigned seed) : random_(seed) {}

  EngineInputs Next() {
    const double deg = kRunDegree;
    EngineInputs in;
    const double fsSoil = Uniform(1.0, 1.5);
    const double fsPullout = Uniform(1.0, 2.0);
    const double kv = Maybe(0.5) ? 0.0 : Uniform(0.0, 0.2);
    in.bottomSlopeAngleRad = deg * Uniform(0.0, 20.0);
    in.slopeHeight = Uniform(1.0, 30.0);
    in.slopeAngle = Maybe(0.1) ? 90.0 : Uniform(10.0, 90.0);
    in.crestLengthA = Maybe(0.35) ? 0.0 : Uniform(0.0, 20.0);
    in.crestLengthB = Maybe(0.35) ? 0.0 : Uniform(0.0, 20.0);
    in.backslopeAngleRad = deg * Uniform(0.0, 45.0);
    in.surchargeQ1 = Maybe(0.4) ? 0.0 : Uniform(0.0, 50.0);
    in.surchargeQ2 = Maybe(0.4) ? 0.0 : Uniform(0.0, 50.0);
    in.surchargeQ3 = Maybe(0.4) ? 0.0 : Uniform(0.0, 50.0);
    const int waterMode = static_cast<int>(Uniform(0.0, 3.0));
    in.phreaticSurfaceGiven = waterMode == 0 ? 1 : 0;
    in.poreWaterCoefficient = waterMode == 1 ? Uniform(0.0, 0.5) : 0.0;
    in.waterUnitWeight = (1 + kv) * 9.81;
    // Phreatic points inside the slope: each below the face line and the
    // slope height, left to right.
    const double tanFace = std::tan(deg * std::min(in.slopeAngle, 89.99999));
    double x = 0.0;
    double* px[3] = {&in.phreaticX2, &in.phreaticX3, &in.phreaticX4};
    double* py[3] = {&in.phreaticY2, &in.phreaticY3, &in.phreaticY4};
    for (int k = 0; k < 3; ++k) {
      x += Maybe(0.1) ? Uniform(0.0, 0.0009) : Uniform(0.5, 15.0);
      *px[k] = x;
      *py[k] = std::min(Uniform(0.0, 0.9) * in.slopeHeight, 0.9 * x * tanFace);
    }
    const double phiR = Uniform(10.0, 45.0);
    const double phiB = Uniform(10.0, 45.0);
    const double phiF = Uniform(10.0, 45.0);
    in.reinforcedUnitWeight = Uniform(15.0, 22.0);
    in.reinforcedDesignPhi = DesignPhi(phiR, fsSoil);
    in.reinforcedDesignCohesion = Cohesion() / fsSoil;
    in.backfillUnitWeight = Uniform(15.0, 22.0);
    in.backfillDesignPhi = DesignPhi(phiB, fsSoil);
    in.backfillDesignCohesion = Cohesion() / fsSoil;
    in.foundationUnitWeight = Uniform(15.0, 22.0);
    in.foundationDesignPhi = DesignPhi(phiF, fsSoil);
    in.foundationDesignCohesion = Cohesion() / fsSoil;
    in.interwedgeAngleRad =
        std::min(deg * Uniform(0.0, 30.0), std::min(in.reinforcedDesignPhi, in.backfillDesignPhi));
    in.designPulloutCoefficientReinforced = Uniform(0.5, 1.0) / fsPullout;
    in.designPulloutCoefficientFoundation = Uniform(0.5, 1.0) / fsPullout;
    in.slidingCoefficientReinforced = Uniform(0.5, 1.0);
    in.slidingCoefficientFoundation = Uniform(0.5, 1.0);
    in.lengthLayout = static_cast<int>(Uniform(0.0, 3.0));
    in.seismicKv = kv;
    in.appliedSeismicKh = Maybe(0.5) ? 0.0 : Uniform(0.0, 0.3);
    in.seismicOnReinforcedMass = Maybe(0.5) ? 1 : 0;
    in.penetrationForbidden = Maybe(0.5) ? 1 : 0;
    in.runDeepSeated = Maybe(0.3) ? 1 : 0;
    in.maxPenetrationDepth = Uniform(1.0, 20.0);
    in.designStrength = Uniform(5.0, 120.0);
    const double dmin = Uniform(0.15, 1.0);
    const double dmax = std::min(dmin * Uniform(1.0, 5.0), 0.9 * in.slopeHeight);
    in.minSpacing = dmin;
    in.maxSpacingWithTolerance = dmin / 100 + std::max(dmin, dmax);
    in.bottomLayerHeight = Maybe(0.5) ? 0.0 : Uniform(0.0, dmin);
    in.coverageRatio = Maybe(0.5) ? 1.0 : Uniform(0.3, 1.0);
    in.currentFsDirectSliding = Uniform(1.0, 2.0);
    in.orientationMode = Maybe(0.5) ? 1 : 0;
    in.orientationValue = in.orientationMode == 1 ? (Maybe(0.3) ? 0.0 : Uniform(0.0, 1.0))
                                                  : deg * Uniform(0.0, 30.0);
    in.runMode = Maybe(0.5) ? 1 : 0;
    in.spareOne = 1.0;
    in.spareZero = 0.0;
    const int n = 1 + static_cast<int>(Uniform(0.0, 12.0));
    in.layerCount = in.runMode == 0 ? n : 0;
    double z = Maybe(0.5) ? 0.0 : Uniform(0.0, 0.5);
    const double spacing = 0.9 * in.slopeHeight / n;
    for (int k = 0; k < kMaxLayers; ++k) {
      in.layerElevation[k] = k < n ? z : 0.0;
      in.layerDesignStrength[k] = Uniform(5.0, 120.0);
      z += spacing * Uniform(0.5, 1.0);
    }
    return in;
  }

 private:
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random_); }
  bool Maybe(double p) { return Uniform(0.0, 1.0) < p; }
  double Cohesion() { return Maybe(0.4) ? 0.0 : Uniform(0.0, 50.0); }

  std::mt19937_64 random_;
};

}  // namespace tervane::analysis::testing
