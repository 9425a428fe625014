#pragma once
// The ground, its surcharge and the phreatic level worked out from scratch at
// every point, as the analyses describe them. The engine precomputes a ground
// profile; the tests hold it against this to the last bit.

#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/DeepSeatedGround.h"

namespace tervane::analysis::testing {

// How the face is drawn: the deep-seated search divides by the cotangent of
// the slope angle, direct sliding multiplies by its tangent.
enum class LiteralFace { kByCotangent, kByTangent };

inline GroundPoint LiteralGroundAt(const AnalysisState& s, double x, LiteralFace face) {
  const double h = s.slopeHeight;
  const double xc = h * s.cotSlopeAngle;
  if (x < 0.0) return {x * std::tan(s.bottomSlopeAngleRad), 0.0};
  if (x <= xc) {
    const double y = face == LiteralFace::kByCotangent ? x / s.cotSlopeAngle
                                                       : x * std::tan(s.slopeAngle * s.degreeToRadian);
    return {y, x == xc ? s.surchargeQ1 : 0.0};
  }
  const double d = x - xc;
  const double a = s.crestLengthA;
  const double b = s.crestLengthB;
  double y = 0.0;
  if (a < 1e-5 && b < 1e-5) {
    y = h;
  } else {
    const double flat = a <= 1e-5 ? 0.0 : a;
    if (d <= flat) {
      y = h;
    } else if (d < flat + b) {
      y = h + (d - flat) * std::tan(s.backslopeAngleRad);
    } else {
      y = h + b * std::tan(s.backslopeAngleRad);
    }
  }
  double q = s.surchargeQ3;
  if (x <= xc + a) {
    q = s.surchargeQ1;
  } else if (x <= xc + a + b) {
    q = s.surchargeQ2;
  }
  return {y, q};
}

inline double LiteralWaterAt(const AnalysisState& s, double x) {
  if (x >= s.phreaticPointX[3]) return s.phreaticPointY[3];
  int k = 0;
  for (int j = 2; j >= 0; --j) {
    if (x >= s.phreaticPointX[j]) {
      k = j;
      break;
    }
  }
  return s.phreaticPointY[k] + (x - s.phreaticPointX[k]) * s.phreaticSegmentSlope[k];
}

}  // namespace tervane::analysis::testing
