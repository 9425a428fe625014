// The engine beside a plain transcription of its algorithms (literal_engine.h):
// on random projects every output must agree bit for bit, whatever shortcuts
// the engine takes.
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "support/engine_fixtures.h"
#include "literal_engine.h"
#include "support/random_projects.h"

namespace tervane::analysis {
namespace {

using testing::NewOutputs;
using testing::NewState;

// The name of the first output in which the two differ, or "" when they
// agree bit for bit.
std::string FirstDifference(const EngineOutputs& a, const EngineOutputs& b) {
#define TERVANE_SAME(field)                                                  \
  if (std::memcmp(&a.field, &b.field, sizeof(a.field)) != 0) return #field;
  TERVANE_SAME(engineStatus)
  TERVANE_SAME(resultLayerCount)
  TERVANE_SAME(resultLayerElevation)
  TERVANE_SAME(layerFaceX)
  TERVANE_SAME(requiredTiebackStrength)
  TERVANE_SAME(outermostTiebackSurfaceX)
  TERVANE_SAME(outermostTiebackSurfaceY)
  TERVANE_SAME(tiebackSurfaceX)
  TERVANE_SAME(tiebackSurfaceY)
  TERVANE_SAME(requiredTiebackStrengthFloored)
  TERVANE_SAME(tiebackTr)
  TERVANE_SAME(availableCompoundStrength)
  TERVANE_SAME(controllingMode)
  TERVANE_SAME(toeCompoundSurfaceX)
  TERVANE_SAME(toeCompoundSurfaceY)
  TERVANE_SAME(layerCompoundSurfaceX)
  TERVANE_SAME(layerCompoundSurfaceY)
  TERVANE_SAME(lastCompoundLayer)
  TERVANE_SAME(lastCompoundStartAngle)
  TERVANE_SAME(lastCompoundEndAngle)
  TERVANE_SAME(lengthToSlipSurface)
  TERVANE_SAME(embeddedLength)
  TERVANE_SAME(outermostCompoundSurfaceX)
  TERVANE_SAME(outermostCompoundSurfaceY)
  TERVANE_SAME(engineLayerCursor)
  TERVANE_SAME(directSlidingLength)
  TERVANE_SAME(directSlidingWedgeX)
  TERVANE_SAME(directSlidingWedgeY)
  TERVANE_SAME(maxTiebackCompoundLength)
  TERVANE_SAME(layerFrontX)
  TERVANE_SAME(layerRearX)
  TERVANE_SAME(deepSeatedFactor)
  TERVANE_SAME(criticalCircleX)
  TERVANE_SAME(criticalCircleY)
  TERVANE_SAME(criticalCircleRadius)
  TERVANE_SAME(deepSeatedCircleX)
  TERVANE_SAME(deepSeatedCircleY)
  TERVANE_SAME(deepSeatedCutElevation)
#undef TERVANE_SAME
  if (std::memcmp(&a, &b, sizeof(EngineOutputs)) != 0) return "padding";
  return "";
}

std::string Describe(const EngineInputs& in) {
  char text[512];
  std::snprintf(text, sizeof text,
                "runMode %d H %.17g i %.17g A %.17g B %.17g phiR %.17g cR %.17g water %d "
                "ru %.17g Kh %.17g pen %d orient %d/%.17g Dmin %.17g Dmax %.17g Db %.17g "
                "Rc %.17g layout %d n %d",
                in.runMode, in.slopeHeight, in.slopeAngle, in.crestLengthA, in.crestLengthB,
                in.reinforcedDesignPhi, in.reinforcedDesignCohesion, in.phreaticSurfaceGiven,
                in.poreWaterCoefficient, in.appliedSeismicKh, in.penetrationForbidden,
                in.orientationMode, in.orientationValue, in.minSpacing,
                in.maxSpacingWithTolerance, in.bottomLayerHeight, in.coverageRatio,
                in.lengthLayout, in.layerCount);
  return text;
}

// Outputs set to a pattern first, so that an output one side leaves
// unwritten shows up.
std::unique_ptr<EngineOutputs> PatternedOutputs() {
  auto out = NewOutputs();
  std::memset(static_cast<void*>(out.get()), 0x33, sizeof(EngineOutputs));
  out->engineStatus = 0;
  return out;
}

void CompareOn(const EngineInputs& in, int index) {
  auto engineOut = PatternedOutputs();
  auto literalOut = PatternedOutputs();
  RunSlopeAnalysis(*NewState(), in, *engineOut);
  literal::Run(*NewState(), in, *literalOut);
  EXPECT_EQ(FirstDifference(*engineOut, *literalOut), "")
      << "project " << index << ": " << Describe(in);
}

TEST(EngineAgainstLiteralAlgorithms, DefaultProjectAndVariants) {
  int index = 0;
  for (int runMode : {1, 0}) {
    for (int penetration : {0, 1}) {
      for (int layout : {0, 1, 2}) {
        EngineInputs in = testing::DefaultProjectInputs(runMode);
        if (runMode == 0) {
          in.layerCount = 5;
          for (int k = 0; k < 5; ++k) in.layerElevation[k] = 1.1 * k;
        }
        in.penetrationForbidden = penetration;
        in.lengthLayout = layout;
        CompareOn(in, index++);
      }
    }
  }
}

struct SpecialProject {
  const char* name;
  void (*apply)(EngineInputs&);
};

void UserLayers(EngineInputs& in, int n, double spacing) {
  in.runMode = 0;
  in.layerCount = n;
  for (int k = 0; k < n; ++k) in.layerElevation[k] = spacing * k;
}

// Projects that reach the rarer branches: merged layers, the bottom and the
// extra layer, the layer limit, layers at the toe and at the crest, level
// ground, an upper level without crest, soils without friction.
const SpecialProject kSpecialProjects[] = {
    {"MergedLayers",
     [](EngineInputs& in) {
       in.slopeHeight = 0.0508;
       in.minSpacing = 0.01;
       in.maxSpacingWithTolerance = 0.01 / 100 + 0.01;
     }},
    {"ExtraLayerAboveTheBottom",
     [](EngineInputs& in) {
       in.slopeHeight = 0.6;
       in.bottomLayerHeight = 0.29;
       in.maxSpacingWithTolerance = 0.3 / 100 + 0.4;
       in.designStrength = 0.0001;
     }},
    {"NoExtraLayerAboveTheCrest",
     [](EngineInputs& in) {
       in.slopeHeight = 0.58;
       in.bottomLayerHeight = 0.29;
       in.maxSpacingWithTolerance = 0.3 / 100 + 0.4;
       in.designStrength = 0.0001;
     }},
    {"OverstressedAtMinimumSpacing", [](EngineInputs& in) { in.designStrength = 0.001; }},
    {"SteppedBackSpacing", [](EngineInputs& in) { in.designStrength = 0.5; }},
    {"LayerLimit",
     [](EngineInputs& in) {
       in.minSpacing = 0.05;
       in.maxSpacingWithTolerance = 0.05 / 100 + 0.05;
     }},
    {"NoUserLayers", [](EngineInputs& in) { UserLayers(in, 0, 1.0); }},
    {"OneUserLayer", [](EngineInputs& in) { UserLayers(in, 1, 1.0); }},
    {"TwoUserLayers", [](EngineInputs& in) { UserLayers(in, 2, 2.0); }},
    {"LayerAtTheCrest",
     [](EngineInputs& in) {
       UserLayers(in, 3, 3.0);
       for (int k = 0; k < 3; ++k) in.layerDesignStrength[k] = 50.0;
     }},
    {"VerticalFaceLevelGround",
     [](EngineInputs& in) {
       in.slopeAngle = 90.0;
       in.crestLengthA = 0.0;
       in.crestLengthB = 0.0;
     }},
    {"UpperLevelWithoutCrest",
     [](EngineInputs& in) {
       in.crestLengthA = 0.0;
       in.crestLengthB = 5.0;
       in.surchargeQ2 = 10.0;
       in.surchargeQ3 = 20.0;
     }},
    {"CohesiveReinforcedSoilWithoutFriction",
     [](EngineInputs& in) {
       in.reinforcedDesignPhi = 0.0;
       in.reinforcedDesignCohesion = 5.0;
     }},
    {"StandsOnItsOwn",
     [](EngineInputs& in) {
       UserLayers(in, 3, 2.0);
       in.reinforcedDesignCohesion = in.backfillDesignCohesion = in.foundationDesignCohesion = 40.0;
     }},
    {"CloseWaterPointsAndSeismicity",
     [](EngineInputs& in) {
       in.phreaticSurfaceGiven = 1;
       in.phreaticX3 = in.phreaticX2 + 0.0005;
       in.appliedSeismicKh = 0.3;
       in.seismicKv = 0.2;
       in.waterUnitWeight = 1.2 * 9.81;
     }},
    {"WeakerBackfillRelativeOrientation",
     [](EngineInputs& in) {
       in.backfillDesignPhi = in.reinforcedDesignPhi - 0.2;
       in.backfillDesignCohesion = 4.0;
       in.backfillUnitWeight = 17.0;
       in.orientationValue = 0.7;
       in.coverageRatio = 0.6;
       in.lengthLayout = 1;
     }},
};

TEST(EngineAgainstLiteralAlgorithms, SpecialProjects) {
  int index = 0;
  for (const SpecialProject& p : kSpecialProjects) {
    for (int penetration : {0, 1}) {
      EngineInputs in = testing::DefaultProjectInputs(1);
      in.penetrationForbidden = penetration;
      p.apply(in);
      SCOPED_TRACE(p.name);
      CompareOn(in, index++);
    }
  }
}

// One engine state through a sequence of different projects gives, call by
// call, what the transcription gives on a fresh state.
TEST(EngineAgainstLiteralAlgorithms, OneStateThroughManyProjects) {
  testing::RandomProjects projects(777);
  auto s = NewState();
  for (int index = 0; index < 12; ++index) {
    EngineInputs in = projects.Next();
    in.runDeepSeated = 1;  // a skipped search would report the last one's results
    auto engineOut = PatternedOutputs();
    auto literalOut = PatternedOutputs();
    RunSlopeAnalysis(*s, in, *engineOut);
    literal::Run(*NewState(), in, *literalOut);
    EXPECT_EQ(FirstDifference(*engineOut, *literalOut), "") << index << ": " << Describe(in);
  }
}

TEST(EngineAgainstLiteralAlgorithms, RandomProjects) {
  // TERVANE_LITERAL_PROJECTS raises the number of projects for a longer run.
  int count = 40;
  if (const char* text = std::getenv("TERVANE_LITERAL_PROJECTS")) count = std::atoi(text);
  unsigned seed = 20261210;
  if (const char* text = std::getenv("TERVANE_LITERAL_SEED")) seed = std::atoi(text);
  testing::RandomProjects projects(seed);
  for (int index = 0; index < count; ++index) CompareOn(projects.Next(), index);
}

}  // namespace
}  // namespace tervane::analysis
