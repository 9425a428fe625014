#pragma once
// The working record of the analysis engine. The application keeps one instance
// for its whole life and hands it to every engine call; each call stores its
// inputs here, and every routine of the call reads and writes this record only.
//
// Indexing:
//  - everything numbered by layer is 1-based: element k is layer k (1 = lowest
//    layer once the layout is done), element 0 is unused; the same holds for the
//    rows of the six surface tables (row k = layer k).
//  - every list of points (surface traces, table rows, the circle trace, the
//    wedge corners, the phreatic polyline) is 0-based: point 1 of a surface is
//    element 0, point 51 is element 50.
//
// The record is large (about 1.6 MB): allocate it on the heap.

#include <cstdint>

#include "analysis/DeepSeatedWork.h"
#include "analysis/DirectSlidingWork.h"
#include "analysis/EngineConstants.h"
#include "analysis/SpiralTraceTerms.h"

namespace tervane::analysis {

struct AnalysisState {
  // ---- Stored inputs (scalar engine inputs under their own names) ----
  double bottomSlopeAngleRad = 0.0;
  double slopeHeight = 0.0;
  double slopeAngle = 0.0;  // degrees
  double crestLengthA = 0.0;
  double crestLengthB = 0.0;
  double backslopeAngleRad = 0.0;
  double surchargeQ1 = 0.0;
  double surchargeQ2 = 0.0;
  double surchargeQ3 = 0.0;
  int phreaticSurfaceGiven = 0;
  double poreWaterCoefficient = 0.0;
  double waterUnitWeight = 0.0;
  double phreaticX2 = 0.0;
  double phreaticY2 = 0.0;
  double phreaticX3 = 0.0;
  double phreaticY3 = 0.0;
  double phreaticX4 = 0.0;
  double phreaticY4 = 0.0;
  double reinforcedUnitWeight = 0.0;
  double reinforcedDesignPhi = 0.0;
  double reinforcedDesignCohesion = 0.0;
  double backfillUnitWeight = 0.0;
  double backfillDesignPhi = 0.0;
  double backfillDesignCohesion = 0.0;
  double foundationUnitWeight = 0.0;
  double foundationDesignPhi = 0.0;
  double foundationDesignCohesion = 0.0;
  double interwedgeAngleRad = 0.0;
  double designPulloutCoefficientReinforced = 0.0;
  double designPulloutCoefficientFoundation = 0.0;
  // (Cds * Rc + 1.0) - Rc, held instead of the sliding coefficients themselves.
  double effectiveSlidingCoefficientReinforced = 0.0;
  double effectiveSlidingCoefficientFoundation = 0.0;
  int lengthLayout = 0;
  double seismicKv = 0.0;
  double appliedSeismicKh = 0.0;
  int seismicOnReinforcedMass = 0;
  int penetrationForbidden = 0;
  int runDeepSeated = 0;
  double maxPenetrationDepth = 0.0;
  // Held instead of the design strength: design strength * Rc (optimised
  // layout) or the design strength itself (user-specified layers).
  double allowableLayerForce = 0.0;
  double maxSpacingWithTolerance = 0.0;
  double minSpacing = 0.0;
  double bottomLayerHeight = 0.0;
  double coverageRatio = 0.0;
  double currentFsDirectSliding = 0.0;
  int orientationMode = 0;
  double orientationValue = 0.0;
  int runMode = 0;

  // ---- Derived values ----
  double degreeToRadian = 0.0;  // 0.01745329238474369, set by every call
  double phreaticPointX[4] = {};  // point 1 (element 0) is the toe
  double phreaticPointY[4] = {};
  double phreaticSegmentSlope[3] = {};
  double cotSlopeAngle = 0.0;  // set by the layout routines

  // ---- Layer table (1-based) ----
  int layerCount = 0;
  int currentLayer = 0;
  double layerElevation[kMaxLayers + 1] = {};
  double layerFaceX[kMaxLayers + 1] = {};
  double layerTiebackForce[kMaxLayers + 1] = {};
  double tiebackTr[kMaxLayers + 1] = {};
  double requiredTiebackStrengthFloored[kMaxLayers + 1] = {};
  double layerStrength[kMaxLayers + 1] = {};
  int controllingMode[kMaxLayers + 1] = {};
  double lengthToSlipSurface[kMaxLayers + 1] = {};
  double embeddedLength[kMaxLayers + 1] = {};
  double slipSurfaceCrossingX[kMaxLayers + 1] = {};
  double layerFrontX[kMaxLayers + 1] = {};
  double layerRearX[kMaxLayers + 1] = {};
  int layerLimitExceeded = 0;

  // ---- Current analysis ----
  double currentElevation = 0.0;
  double currentFaceX = 0.0;
  double spiralAngleA = 0.0;
  double spiralAngleB = 0.0;
  double spiralPoleX = 0.0;
  double spiralPoleY = 0.0;
  double spiralInitialRadius = 0.0;
  double surfaceTraceX[kSurfacePoints] = {};
  double surfaceTraceY[kSurfacePoints] = {};
  int tiebackWarmStart = 0;
  int depthLimitReached = 0;  // the deep-seated search sets it

  // Compound search: friction angle of the current surface, the 200-point
  // trace used for pullout lengths (worked out from the exit down to the
  // segment where the layer crosses it; complete when no segment spans the
  // layer), and what each of the two searches (through the toe, from a
  // layer) keeps for itself from one iteration to the next: its running best
  // force and its no-penetration flag. Both start afresh at every engine call.
  double compoundFrictionAngle = 0.0;
  double pulloutTraceX[kPulloutTracePoints] = {};
  double pulloutTraceY[kPulloutTracePoints] = {};
  struct CompoundSearchMemory {
    double runningBest = 0.0;
    int noPenetration = 0;
  };
  CompoundSearchMemory toeSearchMemory;
  CompoundSearchMemory layerSearchMemory;
  double compoundSavedTiebackForce[kMaxLayers + 1] = {};  // forces set aside while a search runs

  // ---- Results ----
  double outermostTiebackSurfaceX[kSurfacePoints] = {};
  double outermostTiebackSurfaceY[kSurfacePoints] = {};
  double tiebackSurfaceX[kMaxLayers + 1][kSurfacePoints] = {};
  double tiebackSurfaceY[kMaxLayers + 1][kSurfacePoints] = {};
  double toeCompoundSurfaceX[kMaxLayers + 1][kSurfacePoints] = {};
  double toeCompoundSurfaceY[kMaxLayers + 1][kSurfacePoints] = {};
  double layerCompoundSurfaceX[kMaxLayers + 1][kSurfacePoints] = {};
  double layerCompoundSurfaceY[kMaxLayers + 1][kSurfacePoints] = {};
  int lastCompoundLayer = 0;
  double lastCompoundStartAngle = 0.0;
  double lastCompoundEndAngle = 0.0;
  double directSlidingLength = 0.0;
  double directSlidingWedgeX[3] = {};
  double directSlidingWedgeY[3] = {};
  double maxTiebackCompoundLength = 0.0;
  double criticalCircleX = 0.0;
  double criticalCircleY = 0.0;
  double criticalCircleRadius = 0.0;
  double deepSeatedCircleX[kCirclePoints] = {};
  double deepSeatedCircleY[kCirclePoints] = {};
  double deepSeatedCutElevation = 0.0;
  double deepSeatedFactor = 0.0;
  double bishopSearchStartX = 0.0;  // input of the deep-seated search

  // ---- The driver's own working copies ----
  double savedTiebackForce[kMaxLayers + 1] = {};
  double savedLengthToSlipSurface[kMaxLayers + 1] = {};
  double savedEmbeddedLength[kMaxLayers + 1] = {};
  double savedSlipSurfaceCrossingX[kMaxLayers + 1] = {};
  double savedSurfaceTraceX[kSurfacePoints] = {};
  double savedSurfaceTraceY[kSurfacePoints] = {};
  int compoundStartLayer = 0;

  // ---- Working values of direct sliding and the deep-seated search ----
  DirectSlidingWork directSlidingWork;
  DeepSeatedWork deepSeatedWork;

  // ---- Angle terms of recent spiral traces (a cache: what it holds never
  // changes a result) ----
  SpiralTraceTerms spiralTraceTerms;
  RecentTraceTerms compoundTraceTerms;

  // ---- Work counters, reset by every engine call ----
  std::int64_t tiebackSpiralsEvaluated = 0;  // spirals fitted by the tieback searches
  // Circles evaluated; the deep-seated search increments it.
  std::int64_t bishopCirclesEvaluated = 0;
};

}  // namespace tervane::analysis
