#pragma once
// Working values of the direct-sliding analysis, kept inside AnalysisState. The
// analysis starts them afresh at every call.

#include "analysis/DeepSeatedGround.h"

namespace tervane::analysis {

// Trial lengths of one analysis; when the block still slides at the last one,
// the analysis ends with the best length it has.
inline constexpr int kMaxDirectSlidingTrials = 1000;
// Strips of one active wedge, and steps of the march to the top of its back line.
inline constexpr int kMaxWedgeStrips = 100000;
// Angles of the active-wedge scan (from 49 degrees plus half the friction angle
// down to 2 degrees, one degree apart).
inline constexpr int kMaxWedgeAngles = 128;

enum class DirectSlidingExit : int {
  kNone = 0,
  kConverged = 1,        // the eleventh passing trial
  kShortenedToZero = 2,  // every shortening from the crest edge passed
  kTrialLimit = 3,       // the trial limit was reached
};

struct DirectSlidingWork {
  GroundProfile ground;

  // The angles of the active-wedge scan and what each needs, taken once per
  // analysis: the same angles are scanned at every trial length.
  int angleCount = 0;
  double angle[kMaxWedgeAngles] = {};
  double cosAngle[kMaxWedgeAngles] = {};
  double tanAngle[kMaxWedgeAngles] = {};
  double sinLessPhi[kMaxWedgeAngles] = {};      // sin(theta - phi)
  double cosLessPhi[kMaxWedgeAngles] = {};      // cos(theta - phi)
  double cosInterwedge[kMaxWedgeAngles] = {};   // cos(delta + phi - theta)
  double stripCohesion[kMaxWedgeAngles] = {};   // c * dx / cos(theta)

  // The length search.
  double trialLength = 0.0;
  double step = 0.0;
  int passCount = 0;
  int faceStart = 0;
  int trialCount = 0;
  int anyPassed = 0;
  double shortestPassingLength = 0.0;
  double shortestPassingAngle = 0.0;
  DirectSlidingExit exit = DirectSlidingExit::kNone;

  // The trial in progress.
  double interfaceWaterForce = 0.0;  // Pw
  double activeThrust = 0.0;         // P
  double criticalAngle = 0.0;        // theta of P
  double interfacePoreForce = 0.0;   // Pru
  double normalLoad = 0.0;           // N
  double horizontalLoad = 0.0;       // Hs
  double baseWaterForce = 0.0;       // Uw
  double basePoreForce = 0.0;        // Uru
  double reinforcedCohesionForce = 0.0;
  double foundationCohesionForce = 0.0;
  double factorReinforced = 0.0;
  double factorFoundation = 0.0;
  double factor = 0.0;
};

}  // namespace tervane::analysis
