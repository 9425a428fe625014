// Layer placement: the optimised layout's spacings, its bottom and extra
// layers, and the analysis of user-specified layers.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "support/engine_fixtures.h"

namespace tervane::analysis {
namespace {

using testing::DefaultProjectInputs;
using testing::NewOutputs;
using testing::NewState;

std::vector<double> Elevations(const EngineOutputs& out) {
  return std::vector<double>(out.resultLayerElevation.data(),
                             out.resultLayerElevation.data() + out.resultLayerCount);
}

// Elevations from the bottom layer up: the bottom layer, then the layers
// placed from the top down, each `spacing` below the one above it (by
// subtraction, as the placement counts).
std::vector<double> LayoutFromTop(double bottom, double top, double spacing, int layersAbove) {
  std::vector<double> fromTop;
  double z = top;
  for (int i = 0; i < layersAbove; ++i) {
    fromTop.push_back(z);
    z = z - spacing;
  }
  std::vector<double> result{bottom};
  result.insert(result.end(), fromTop.rbegin(), fromTop.rend());
  return result;
}

struct LayoutCase {
  const char* name;
  double minSpacing;
  double maxSpacing;
  double designStrength;
  std::vector<double> expected;
};

class OptimisedLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(OptimisedLayoutTest, PlacesTheLayersAtTheExpectedElevations) {
  const LayoutCase& c = GetParam();
  EngineInputs in = DefaultProjectInputs(1);
  in.minSpacing = c.minSpacing;
  in.maxSpacingWithTolerance = c.minSpacing / 100 + c.maxSpacing;
  in.designStrength = c.designStrength;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(out->engineStatus, 0);
  EXPECT_EQ(Elevations(*out), c.expected);
  for (int k = 0; k < out->resultLayerCount; ++k) {
    EXPECT_DOUBLE_EQ(out->layerFaceX[k], out->resultLayerElevation[k] / std::tan(45 * 0.01745329238474369));
  }
}

const double kThreeSteps = 0.3 + 0.3 + 0.3;  // 0.8999999999999999
const double kTwoTenthsThrice = 0.2 + 0.2 + 0.2;  // 0.6000000000000001, within 0.602

INSTANTIATE_TEST_SUITE_P(
    Layouts, OptimisedLayoutTest,
    ::testing::Values(
        // The default project: the widest spacing within Dmax (three Dmin);
        // the bottom layer takes what remains (0.6).
        LayoutCase{"DefaultProject", 0.3, 1.0, 43.8 / ((1.2 * 1.1) * 2.5) / 1.3,
                   LayoutFromTop(0.0, 6.0 - kThreeSteps, kThreeSteps, 6)},
        // Dmin 0.2, Dmax 0.6: spacings of 0.2, 0.4 and 0.6000000000000001 are
        // tried, never 0.8.
        LayoutCase{"SpacingsByRepeatedAddition", 0.2, 0.6, 1000.0,
                   LayoutFromTop(0.0, 6.0 - kTwoTenthsThrice, kTwoTenthsThrice, 9)},
        // Overstressed already at Dmin: every layer stays at Dmin; the bottom
        // layer is overstressed too, but the layer above lies within
        // Dmin + Dmin/20 of Dbottom, so no extra layer is added.
        LayoutCase{"OverstressedAtMinimumSpacing", 0.3, 1.0, 0.001,
                   LayoutFromTop(0.0, 6.0 - 0.3, 0.3, 19)}),
    [](const auto& info) { return std::string(info.param.name); });

// A layer overstressed at a wider trial spacing goes back one Dmin and is
// analysed there once more before it is fixed.
TEST(OptimisedLayout, OverstressedWiderSpacingStepsBackOneMinimumSpacing) {
  EngineInputs in = DefaultProjectInputs(1);
  in.designStrength = 0.5;  // the top layer needs 0.31 at 5.4 m and 0.70 at 5.1 m
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  const int n = out->resultLayerCount;
  ASSERT_GT(n, 2);
  EXPECT_EQ(out->resultLayerElevation[n - 1], (6.0 - kThreeSteps) + 0.3);
  EXPECT_LE(out->requiredTiebackStrength[n - 1], 0.5);
}

struct BottomCase {
  const char* name;
  double slopeHeight;
  double designStrength;
  std::vector<double> expected;
};

class FirstTrialAtBottomTest : public ::testing::TestWithParam<BottomCase> {};

// H - Dmin - Dbottom <= Dmin/20: the first trial already reaches the bottom.
// One layer at Dbottom; when it is overstressed a second at Dbottom + Dmin,
// but only while that lies below the slope height.
TEST_P(FirstTrialAtBottomTest, PlacesOneOrTwoLayers) {
  const BottomCase& c = GetParam();
  EngineInputs in = DefaultProjectInputs(1);
  in.slopeHeight = c.slopeHeight;
  in.bottomLayerHeight = 0.29;
  in.maxSpacingWithTolerance = 0.3 / 100 + 0.4;
  in.designStrength = c.designStrength;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  EXPECT_EQ(Elevations(*out), c.expected);
  for (double z : Elevations(*out)) EXPECT_LT(z, c.slopeHeight);
  // The bottom layer was analysed at the toe: its spiral starts there.
  EXPECT_NEAR(out->tiebackSurfaceX[0][0], 0.0, 1e-9);
  EXPECT_NEAR(out->tiebackSurfaceY[0][0], 0.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Bottom, FirstTrialAtBottomTest,
    ::testing::Values(BottomCase{"StrongEnough", 0.6, 1000.0, {0.29}},
                      BottomCase{"OverstressedGetsExtraLayer", 0.6, 0.0001, {0.29, 0.3 + 0.29}},
                      // 0.3 + 0.29 would lie above the 0.58 m slope.
                      BottomCase{"NoExtraLayerAboveTheCrest", 0.58, 0.0001, {0.29}}),
    [](const auto& info) { return std::string(info.param.name); });

// A minimum spacing that is not positive (only a damaged or foreign project
// file holds one) cannot advance the layout down the slope: it is reported as
// needing too many layers, at once, instead of running on.
TEST(OptimisedLayout, MinimumSpacingThatIsNotPositiveReportsTheLayerLimit) {
  for (double dmin : {0.0, -0.3, std::nan("")}) {
    EngineInputs in = DefaultProjectInputs(1);
    in.minSpacing = dmin;
    auto s = NewState();
    auto out = NewOutputs();
    RunSlopeAnalysis(*s, in, *out);
    EXPECT_EQ(out->engineStatus, kStatusTooManyLayers) << dmin;
    EXPECT_EQ(s->tiebackSpiralsEvaluated, 0) << dmin;
  }
}

// User layers: the bottom layer is analysed at the toe and keeps its own
// face point.
TEST(SpecifiedLayers, BottomLayerIsAnalysedAtTheToe) {
  EngineInputs in = DefaultProjectInputs(0);
  in.layerCount = 3;
  in.layerElevation[0] = 0.5;
  in.layerElevation[1] = 2.5;
  in.layerElevation[2] = 4.5;
  auto s = NewState();
  auto out = NewOutputs();
  RunSlopeAnalysis(*s, in, *out);
  const double cot = 1.0 / std::tan(45 * 0.01745329238474369);
  EXPECT_EQ(out->layerFaceX[0], cot * 0.5);
  EXPECT_EQ(out->layerFaceX[1], 2.5 * cot);
  EXPECT_NEAR(out->tiebackSurfaceX[0][0], 0.0, 1e-9);
  EXPECT_NEAR(out->tiebackSurfaceY[0][0], 0.0, 1e-9);
  // Rows follow the layers in a user-specified run.
  EXPECT_NEAR(out->tiebackSurfaceX[2][0], 4.5 * cot, 1e-9);
  EXPECT_NEAR(out->tiebackSurfaceY[2][0], 4.5, 1e-9);
  EXPECT_EQ(out->tiebackSurfaceX[0][0], out->outermostTiebackSurfaceX[0]);
  EXPECT_EQ(out->tiebackSurfaceY[0][50], out->outermostTiebackSurfaceY[50]);
}

}  // namespace
}  // namespace tervane::analysis
