// Direct sliding: the base length of the reinforced block that resists sliding
// along its base with the factor of safety asked for, by a two-part wedge: the
// block between the face and the vertical x = L, and an active wedge of backfill
// behind it whose base rises from the heel (L, 0).
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedGround.h"
#include "analysis/EngineRoutines.h"

namespace tervane::analysis {

namespace {

// What stays fixed over the trial lengths of one analysis.
struct SlidingSetting {
  double height = 0.0;
  double wedgeStrip = 0.0;       // H / 50
  double wedgeStart = 0.0;       // H / 100: the first strip begins this far before L
  double backfillWeight = 0.0;
  double backfillPoreWeight = 0.0;   // ru * gamma of the backfill
  double reinforcedWeight = 0.0;
  double reinforcedPoreWeight = 0.0;  // ru * gamma of the reinforced soil
  double poreCoefficient = 0.0;
  double waterWeight = 0.0;
  int phreaticGiven = 0;
  double onePlusKv = 1.0;  // active wedge
  double kh = 0.0;
  double blockOnePlusKv = 1.0;  // block, only with seismic forces on the reinforced mass
  double blockKh = 0.0;
  double sinPhiBackfill = 0.0;
  double cosPhiBackfill = 0.0;
  double sinDelta = 0.0;
  double cosDelta = 0.0;
  double reinforcedCohesion = 0.0;
  double foundationCohesion = 0.0;
  double coefficientReinforced = 0.0;
  double coefficientFoundation = 0.0;
  double tanReinforced = 0.0;  // Cr * tan(phi) of the reinforced soil, as a tangent
  double tanFoundation = 0.0;
  double target = 0.0;
  double degree = 0.0;
};

void PrepareWedgeAngles(const AnalysisState& s, DirectSlidingWork& w, double stripWidth) {
  const double deg = s.degreeToRadian;
  const double phi = s.backfillDesignPhi;
  const double delta = s.interwedgeAngleRad;
  const double cohesion = s.backfillDesignCohesion;
  const double lowest = 2.0 * deg;
  // 49 degrees plus half the friction angle, then one degree lower at a time
  // while the angle stays above 2 degrees.
  double theta = phi * 0.5 + 50.0 * deg - deg;
  int n = 0;
  for (;;) {
    w.angle[n] = theta;
    w.cosAngle[n] = std::cos(theta);
    w.tanAngle[n] = std::tan(theta);
    w.sinLessPhi[n] = std::sin(theta - phi);
    w.cosLessPhi[n] = std::cos(theta - phi);
    w.cosInterwedge[n] = std::cos(delta + phi - theta);
    w.stripCohesion[n] = cohesion * stripWidth / w.cosAngle[n];
    ++n;
    theta -= deg;
    if (theta <= lowest || n == kMaxWedgeAngles) break;
  }
  w.angleCount = n;
}

// The active thrust of the backfill wedge on the interface x = L at angle j.
double WedgeThrust(const SlidingSetting& st, DirectSlidingWork& w, double length, int j) {
  const double tanTheta = w.tanAngle[j];
  const double cosTheta = w.cosAngle[j];
  const double dx = st.wedgeStrip;
  double x0 = length - st.wedgeStart;
  if (x0 < 0.0) x0 = 0.0;
  double vertical = 0.0;
  double horizontal = 0.0;
  double water = 0.0;
  double pore = 0.0;
  double cohesion = 0.0;
  w.interfacePoreForce = 0.0;
  for (int k = 1; k <= kMaxWedgeStrips; ++k) {
    const double x = x0 + k * dx;
    const GroundPoint g = w.ground.At(x);
    const double yb = (x - length) * tanTheta;
    if (g.y <= yb) break;  // the wedge has ended
    const double h = g.y - yb;
    const double weight = st.backfillWeight * h * dx + g.q * dx;
    vertical += st.onePlusKv * weight;
    horizontal += st.kh * weight;
    pore += st.backfillPoreWeight * h * dx / cosTheta;
    cohesion += w.stripCohesion[j];
    if (st.phreaticGiven != 0) {
      const double term = (w.ground.PhreaticAt(x) - yb) * st.waterWeight * dx / cosTheta;
      if (term > 0.0) water += term;
    }
    if (k == 1) w.interfacePoreForce = 0.5 * st.poreCoefficient * st.backfillWeight * (g.y * g.y);
  }
  return (vertical * w.sinLessPhi[j] +
          (horizontal - w.interfaceWaterForce - w.interfacePoreForce) * w.cosLessPhi[j] +
          (water + pore) * st.sinPhiBackfill - cohesion * st.cosPhiBackfill) /
         w.cosInterwedge[j];
}

// Evaluates one trial length: the interface water force, the largest active
// thrust over the angle scan, the loads of the block and the factor of safety.
void EvaluateTrial(const SlidingSetting& st, DirectSlidingWork& w, double length) {
  w.interfaceWaterForce = 0.0;
  if (st.phreaticGiven != 0) {
    const double level = w.ground.PhreaticAt(length);
    if (level >= 0.0) w.interfaceWaterForce = 0.5 * st.waterWeight * (level * level);
  }

  // The scan keeps the largest thrust: it stops at the first angle whose thrust
  // exceeds the previous one by no more than 1e-5 (the previous angle is the
  // critical one), or at the last angle above 2 degrees. The interface
  // pore-pressure force is that of the last angle evaluated.
  double previous = -1e15;
  double thrust = previous;
  for (int j = 0; j < w.angleCount; ++j) {
    const double p = WedgeThrust(st, w, length, j);
    if (p <= previous + 1e-5) {
      thrust = previous;
      w.criticalAngle = w.angle[j] + st.degree;
      break;
    }
    previous = p;
    if (j + 1 == w.angleCount) {
      thrust = p;
      w.criticalAngle = w.angle[j];
    }
  }
  if (thrust < 0.0) thrust = 1e-5;
  w.activeThrust = thrust;

  // The block: 50 strips between the face and x = L.
  const double dx = length / 50.0;
  double normal = 0.0;
  double horizontal = 0.0;
  double water = 0.0;
  double pore = 0.0;
  double cohesionR = 0.0;
  double cohesionF = 0.0;
  for (int k = 1; k <= 50; ++k) {
    const double x = (k - 0.5) * dx;
    const GroundPoint g = w.ground.At(x);
    const double soil = st.reinforcedWeight * g.y * dx;
    const double load = g.q * dx;
    normal += st.blockOnePlusKv * (soil + load);
    horizontal += st.blockKh * (soil + load);
    pore += st.reinforcedPoreWeight * g.y * dx;
    if (st.phreaticGiven != 0) {
      const double level = w.ground.PhreaticAt(x);
      water += st.waterWeight * (level > 0.0 ? level : 0.0) * dx;
    }
    cohesionR += st.reinforcedCohesion * dx;
    cohesionF += st.foundationCohesion * dx;
  }
  w.normalLoad = normal;
  w.horizontalLoad = horizontal;
  w.baseWaterForce = water;
  w.basePoreForce = pore;
  w.reinforcedCohesionForce = cohesionR;
  w.foundationCohesionForce = cohesionF;

  const double totalNormal = normal + thrust * st.sinDelta;
  double thrustH = thrust * st.cosDelta;
  if (std::fabs(thrustH) < 1e-5) thrustH = 1e-5;
  const double effective = totalNormal - water - pore;
  w.factorReinforced = (st.coefficientReinforced * cohesionR + effective * st.tanReinforced -
                        horizontal - w.interfaceWaterForce - w.interfacePoreForce) /
                       thrustH;
  w.factorFoundation = (st.coefficientFoundation * cohesionF + effective * st.tanFoundation -
                        horizontal - w.interfaceWaterForce - w.interfacePoreForce) /
                       thrustH;
  w.factor = w.factorFoundation < w.factorReinforced ? w.factorFoundation : w.factorReinforced;
}

}  // namespace

void AnalyzeDirectSliding(AnalysisState& s) {
  DirectSlidingWork& w = s.directSlidingWork;
  w = DirectSlidingWork{};
  w.ground = GroundProfile(s, GroundProfile::Face::kByTangent);

  SlidingSetting st;
  const double height = s.slopeHeight;
  st.height = height;
  st.degree = s.degreeToRadian;
  st.wedgeStrip = height / 50.0;
  st.wedgeStart = height / 100.0;
  st.backfillWeight = s.backfillUnitWeight;
  st.poreCoefficient = s.poreWaterCoefficient;
  st.backfillPoreWeight = s.poreWaterCoefficient * s.backfillUnitWeight;
  st.reinforcedWeight = s.reinforcedUnitWeight;
  st.reinforcedPoreWeight = s.poreWaterCoefficient * s.reinforcedUnitWeight;
  st.waterWeight = s.waterUnitWeight;
  st.phreaticGiven = s.phreaticSurfaceGiven;
  st.onePlusKv = 1.0 + s.seismicKv;
  st.kh = s.appliedSeismicKh;
  if (s.seismicOnReinforcedMass == 1) {
    st.blockOnePlusKv = 1.0 + s.seismicKv;
    st.blockKh = s.appliedSeismicKh;
  }
  st.sinPhiBackfill = std::sin(s.backfillDesignPhi);
  st.cosPhiBackfill = std::cos(s.backfillDesignPhi);
  st.sinDelta = std::sin(s.interwedgeAngleRad);
  st.cosDelta = std::cos(s.interwedgeAngleRad);
  st.reinforcedCohesion = s.reinforcedDesignCohesion;
  st.foundationCohesion = s.foundationDesignCohesion;
  st.coefficientReinforced = s.effectiveSlidingCoefficientReinforced;
  // A lowest layer above the base leaves soil on soil along the foundation:
  // the sliding coefficient there is 1. Only the elevation of layer 1 decides
  // (in an optimised layout it is the bottom-layer height).
  if (s.layerElevation[1] > 1e-5) s.effectiveSlidingCoefficientFoundation = 1.0;
  st.coefficientFoundation = s.effectiveSlidingCoefficientFoundation;
  st.tanReinforced =
      std::tan(std::atan(st.coefficientReinforced * std::tan(s.reinforcedDesignPhi)));
  st.tanFoundation =
      std::tan(std::atan(st.coefficientFoundation * std::tan(s.foundationDesignPhi)));
  st.target = s.currentFsDirectSliding;
  PrepareWedgeAngles(s, w, st.wedgeStrip);

  // First trial: a tenth of the pullout length of the lowest layer, at least a
  // tenth of the height, and at least the distance to the crest edge (the
  // face start, from which the length is first shortened).
  const double crestX = height * s.cotSlopeAngle;
  double length = (s.lengthToSlipSurface[1] + s.embeddedLength[1]) / 10.0;
  if (std::fabs(length) < height / 10.0) length = height / 10.0;
  if (std::fabs(length) < crestX) {
    length = crestX;
    w.faceStart = 1;
  }
  if (!std::isfinite(length)) {
    // A face without inclination puts the crest edge at infinity: there is no
    // slope to retain, so no block slides and no length is needed. (Marching
    // wedges from an infinite length would only run every strip limit out.)
    s.directSlidingLength = 1e-5;
    for (int k = 0; k < 3; ++k) {
      s.directSlidingWedgeX[k] = 1e-5;
      s.directSlidingWedgeY[k] = 1e-5;
    }
    return;
  }
  w.step = 0.10000000149011612 * height;

  // A failing trial steps forward by the current step; a passing one halves the
  // step and steps back, so the search closes on the shortest passing length
  // from above and ends at the eleventh pass with that length plus half the
  // last step. From the crest edge, passing trials first step back by the full
  // step. Every trial counts against the trial limit.
  double result = 0.0;
  double resultAngle = 0.0;
  for (;;) {
    w.trialLength = length;
    ++w.trialCount;
    EvaluateTrial(st, w, length);
    const bool passes = !(w.factor < st.target);
    if (passes && (w.anyPassed == 0 || length < w.shortestPassingLength)) {
      w.anyPassed = 1;
      w.shortestPassingLength = length;
      w.shortestPassingAngle = w.criticalAngle;
    }
    double next = length;
    if (!passes) {
      next = length + w.step;
      w.faceStart = 0;
    } else if (w.faceStart != 0) {
      next = length - w.step;
      if (!(next > 0.0)) {
        // Every length from the crest edge down passed: the answer is the
        // shortest length tried, which passed.
        w.exit = DirectSlidingExit::kShortenedToZero;
        result = length;
        resultAngle = w.criticalAngle;
        break;
      }
    } else {
      ++w.passCount;
      if (w.passCount > 10) {
        w.exit = DirectSlidingExit::kConverged;
        result = length + w.step / 2.0;
        resultAngle = w.criticalAngle;
        break;
      }
      w.step = w.step / 2.0;
      next = length - w.step;
      if (next <= 0.0) next = std::fabs(w.step / 100.0);
    }
    if (w.trialCount >= kMaxDirectSlidingTrials) {
      // Out of trials: the shortest length that passed, or, when the block slid
      // at every length tried, the longest of them.
      w.exit = DirectSlidingExit::kTrialLimit;
      result = w.anyPassed != 0 ? w.shortestPassingLength : length;
      resultAngle = w.anyPassed != 0 ? w.shortestPassingAngle : w.criticalAngle;
      break;
    }
    length = next;
  }

  // Top of the back line of the active wedge: march along it from the heel in
  // steps of H / 50 to the first point above the ground, and take the middle
  // of that step.
  const double tanBack = std::tan(resultAngle);
  double xPrev = result;
  double yPrev = 0.0;
  double xTop = result;
  double yTop = 0.0;
  bool found = false;
  for (int k = 1; k <= kMaxWedgeStrips; ++k) {
    const double x = result + k * height / 50.0;
    const double y = (x - result) * tanBack;
    if (w.ground.At(x).y < y) {
      xTop = (xPrev + x) / 2.0;
      yTop = (yPrev + y) / 2.0;
      found = true;
      break;
    }
    xPrev = x;
    yPrev = y;
  }
  if (!found) {
    xTop = xPrev;
    yTop = yPrev;
  }

  s.directSlidingLength = result;
  s.directSlidingWedgeX[0] = 0.0;
  s.directSlidingWedgeX[1] = result;
  s.directSlidingWedgeX[2] = xTop;
  s.directSlidingWedgeY[0] = 0.0;
  s.directSlidingWedgeY[1] = 0.0;
  s.directSlidingWedgeY[2] = yTop;
}

}  // namespace tervane::analysis
