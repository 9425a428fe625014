// Layer placement: the optimised layout, and the analysis of given layers.
#include <cmath>

#include "analysis/AnalysisState.h"
#include "analysis/EngineRoutines.h"
#include "analysis/LogSpiral.h"

namespace tervane::analysis {

using logspiral::kDegree;

namespace {

// The cotangent as the reciprocal of the tangent.
double Cotangent(double angle) { return 1.0 / std::tan(angle); }

// Analyses layer 1 at elevation z (its point on the face) and returns its
// tieback force.
double AnalyseBottomEntry(AnalysisState& s, double z) {
  const double x = z * s.cotSlopeAngle;
  s.currentFaceX = x;
  s.layerElevation[1] = z;
  s.layerFaceX[1] = x;
  FindCriticalTiebackSpiral(s);
  return s.layerTiebackForce[1];
}

}  // namespace

void PlaceLayersOptimized(AnalysisState& s) {
  s.cotSlopeAngle = Cotangent(s.slopeAngle * kDegree);
  s.layerLimitExceeded = 0;
  s.layerCount = 1;
  s.currentLayer = 1;

  enum class Stage { kNormal, kBottom, kExtra };
  const double h = s.slopeHeight;
  const double dmin = s.minSpacing;
  if (!(dmin > 0.0)) {
    // Without a positive minimum spacing the layout cannot advance down the
    // slope: it would need more layers than any table holds.
    s.layerCount = kMaxLayers + 1;
    s.layerLimitExceeded = 1;
    return;
  }
  const double dbottom = s.bottomLayerHeight;
  const double allowable = s.allowableLayerForce;
  const double closeToBottom = dmin / 20;
  double reference = h;
  double spacing = dmin;
  Stage stage = Stage::kNormal;

  for (;;) {
    // Trial elevation.
    double z = reference - spacing;
    if (z - dbottom <= closeToBottom) {
      z = 0.0;
      stage = Stage::kBottom;
    }
    s.currentElevation = z;
    double force = AnalyseBottomEntry(s, z);

    bool fix = false;
    bool finish = false;
    if (stage == Stage::kExtra) {
      fix = true;
    } else if (stage == Stage::kBottom) {
      if (force <= allowable) {
        finish = true;
      } else if (s.layerCount >= 2 && s.layerElevation[2] <= closeToBottom + (dmin + dbottom)) {
        finish = true;
      } else if (!(dmin + dbottom < h)) {
        // One more layer at Dmin + Dbottom would lie at or above the crest.
        finish = true;
      } else {
        z = dmin + dbottom;
        s.currentElevation = z;
        stage = Stage::kExtra;
        AnalyseBottomEntry(s, z);
        fix = true;
      }
    } else if (force <= allowable) {
      if (spacing + dmin <= s.maxSpacingWithTolerance) {
        spacing = spacing + dmin;
        continue;
      }
      fix = true;
    } else {
      if (std::fabs(spacing - dmin) >= 0.0001) {
        // Back to the previous spacing, analysed once more there.
        z = s.currentElevation + dmin;
        s.currentElevation = z;
        AnalyseBottomEntry(s, z);
      }
      fix = true;
    }

    if (finish) {
      s.layerElevation[1] = dbottom;
      s.layerFaceX[1] = dbottom * s.cotSlopeAngle;
      return;
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
      reference = s.currentElevation;
      spacing = dmin;
    }
  }
}

void AnalyzeSpecifiedLayers(AnalysisState& s) {
  s.cotSlopeAngle = Cotangent(s.slopeAngle * kDegree);
  s.currentLayer = s.layerCount;
  while (s.currentLayer >= 1) {
    const int c = s.currentLayer;
    // The bottom layer is analysed as if it lay at the toe.
    const double z = c == 1 ? 0.0 : s.layerElevation[c];
    s.currentElevation = z;
    const double x = z * s.cotSlopeAngle;
    s.currentFaceX = x;
    s.layerFaceX[c] = x;
    FindCriticalTiebackSpiral(s);
    s.currentLayer = c - 1;
  }
  s.layerFaceX[1] = s.cotSlopeAngle * s.layerElevation[1];
}

}  // namespace tervane::analysis
