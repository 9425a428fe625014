// The report's printing driver: the page count and page map, and what
// preparation stores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ReportTestSupport.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/PageSource.h"
#include "framework/testing/RecordingDC.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

TEST(ReportPageMapTest, CountsAndPagesByLayers) {
  using P = ReportPage;
  struct Case {
    int layers;
    std::vector<ReportPageAssignment> pages;
  };
  const std::vector<ReportPageAssignment> six = {{P::kTitle, 0},          {P::kGeometry, 0},
                                                 {P::kSoilAndDesign, 0},  {P::kResultsSummary, 1},
                                                 {P::kDetailedResults, 1}, {P::kSlidingAndDeepSeated, 0}};
  const std::vector<ReportPageAssignment> eight = {
      {P::kTitle, 0},          {P::kGeometry, 0},        {P::kSoilAndDesign, 0},  {P::kResultsSummary, 1},
      {P::kResultsSummary, 2}, {P::kDetailedResults, 1}, {P::kDetailedResults, 2}, {P::kSlidingAndDeepSeated, 0}};
  const std::vector<ReportPageAssignment> ten = {
      {P::kTitle, 0},          {P::kGeometry, 0},        {P::kSoilAndDesign, 0},   {P::kResultsSummary, 1},
      {P::kResultsSummary, 2}, {P::kResultsSummary, 3},  {P::kDetailedResults, 1}, {P::kDetailedResults, 2},
      {P::kDetailedResults, 3}, {P::kSlidingAndDeepSeated, 0}};
  const Case cases[] = {{0, six},  {1, six},    {35, six},   {36, eight},
                        {70, eight}, {71, ten}, {100, ten}};
  for (const Case& c : cases) {
    ASSERT_EQ(ReportPageCount(c.layers), static_cast<int>(c.pages.size())) << c.layers;
    for (int page = 1; page <= ReportPageCount(c.layers); ++page) {
      EXPECT_EQ(ReportPageAt(c.layers, page), c.pages[static_cast<std::size_t>(page - 1)])
          << c.layers << " layers, page " << page;
    }
    EXPECT_EQ(ReportPageAt(c.layers, 0).page, P::kNone);
    EXPECT_EQ(ReportPageAt(c.layers, ReportPageCount(c.layers) + 1).page, P::kNone);
  }
}

class ReportPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.project().dataDirectory = dir_.Path().string();
    app_.project().settings.reportLanguage = "English";
    app_.project().projectPath = "/home/engineer/slope_A.NAT";
    reporttest::SetUpRun(app_.project(), 20);
  }

  bool Prepare(bool preview = true) {
    ReportPrintInfo info;
    info.preview = preview;
    return printer_.OnPreparePrinting(info);
  }

  ScopedProject app_;
  reporttest::TempDir dir_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  reporttest::RecordingPrintService printing_;
  reporttest::ScopedPrintService installPrinting_{printing_};
  CReportPrinter printer_;
};

TEST_F(ReportPrinterTest, PreparationTakesTheUnitsOfTheLastRun) {
  app_.project().input.unitSystem = 1;  // changed after the run
  app_.project().runInput.unitSystem = 0;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(printer_.reportUnitSystem, 0);
  EXPECT_EQ(printer_.lengthUnitFactor, 1.0);
  EXPECT_EQ(printer_.strengthUnitFactor, 1.0);
  app_.project().input.unitSystem = 0;
  app_.project().runInput.unitSystem = 1;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(printer_.reportUnitSystem, 1);
  EXPECT_EQ(printer_.lengthUnitFactor, 3.28084);
  EXPECT_EQ(printer_.pressureUnitFactor, 20.8846);
  EXPECT_EQ(printer_.strengthUnitFactor, 68.519);
  EXPECT_EQ(printer_.unitWeightUnitFactor, 6.365627);
  EXPECT_EQ(printer_.layerCheck.strengthUnitFactor, 68.519);
}

TEST_F(ReportPrinterTest, PreparationCountsLayersAndPagesWithinTheTable) {
  struct Case {
    int layers;
    int counted;
    int pages;
  } cases[] = {{0, 0, 6}, {35, 35, 6}, {36, 36, 8}, {71, 71, 10}, {100, 100, 10}, {-3, 0, 6}, {250, 100, 10}};
  for (const Case& c : cases) {
    app_.project().results.resultLayerCount = c.layers;
    ReportPrintInfo info;
    info.preview = true;
    ASSERT_TRUE(printer_.OnPreparePrinting(info));
    EXPECT_EQ(printer_.reportLayerCount, c.counted) << c.layers;
    EXPECT_EQ(printer_.pageCount, c.pages) << c.layers;
    EXPECT_EQ(info.maxPage, c.pages) << c.layers;
    EXPECT_EQ(info.minPage, 1);
  }
}

TEST_F(ReportPrinterTest, ReductionFactorsVaryOnlyBeyondATolerance) {
  struct Case {
    const char* name;
    int layers;
    double first, other;
    int otherLayer;
    int varies;
  } cases[] = {
      {"1.500 and 1.501", 20, 1.5, 1.501, 7, 0},
      {"1.500 and 1.5011", 20, 1.5, 1.5011, 7, 1},
      {"the last layer counts", 20, 1.5, 1.6, 19, 1},
      {"a row past the last layer does not", 20, 1.5, 1.6, 20, 0},
      {"no layers", 0, 1.5, 1.6, 1, 0},
  };
  for (const Case& c : cases) {
    reporttest::SetUpRun(app_.project(), c.layers);
    ProjectInput& run = app_.project().runInput;
    run.layerRfCreep.fill(c.first);
    run.layerRfCreep[static_cast<std::size_t>(c.otherLayer)] = c.other;
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(printer_.rfCreepVaries, c.varies) << c.name;
    EXPECT_EQ(printer_.rfInstallationVaries, 0) << c.name;
    EXPECT_EQ(printer_.rfDurabilityVaries, 0) << c.name;
    EXPECT_EQ(printer_.firstLayerRfCreep, c.first) << c.name;
    EXPECT_EQ(printer_.firstLayerRfInstallation, 1.2) << c.name;
  }
  reporttest::SetUpRun(app_.project(), 20);
  app_.project().runInput.layerRfInstallation[3] = 1.3;
  app_.project().runInput.layerRfDurability[4] = 1.0;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(printer_.rfInstallationVaries, 1);
  EXPECT_EQ(printer_.rfDurabilityVaries, 1);
  EXPECT_EQ(printer_.rfCreepVaries, 0);
}

}  // namespace
}  // namespace tervane
