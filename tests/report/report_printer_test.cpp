// The report's printing driver: the page count and page map, what preparation
// stores, the order of the options and printer dialogs, the print job over a
// printer device context, and the print preview with its host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "app/TervaneApp.h"
#include "framework/FakeServices.h"
#include "framework/HeadlessBackend.h"
#include "framework/PageSource.h"
#include "framework/RecordingDC.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

using fw::Script;

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
    app_.app().dataDirectory = dir_.Path().string();
    app_.app().settings.reportLanguage = "English";
    app_.app().projectPath = "/home/engineer/slope_A.NAT";
    reporttest::SetUpRun(app_.app(), 20);
  }

  bool Prepare(bool preview = true) {
    ReportPrintInfo info;
    info.preview = preview;
    return printer_.OnPreparePrinting(info);
  }

  // The lines of each page of a job log, without the job's own calls.
  static std::vector<std::vector<std::string>> Pages(const std::vector<std::string>& log) {
    std::vector<std::vector<std::string>> pages;
    for (const std::string& line : log) {
      if (line == "StartPage") {
        pages.emplace_back();
      } else if (!pages.empty() && line != "EndPage" && line != "EndDoc") {
        pages.back().push_back(line);
      }
    }
    return pages;
  }
  static bool Contains(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& l : lines)
      if (l.find(part) != std::string::npos) return true;
    return false;
  }

  ScopedApp app_;
  reporttest::TempDir dir_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  reporttest::RecordingPrintService printing_;
  reporttest::ScopedPrintService installPrinting_{printing_};
  CReportPrinter printer_;
};

TEST_F(ReportPrinterTest, PreparationTakesTheUnitsOfTheLastRun) {
  app_.app().input.unitSystem = 1;  // changed after the run
  app_.app().runInput.unitSystem = 0;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(printer_.reportUnitSystem, 0);
  EXPECT_EQ(printer_.lengthUnitFactor, 1.0);
  EXPECT_EQ(printer_.strengthUnitFactor, 1.0);
  app_.app().input.unitSystem = 0;
  app_.app().runInput.unitSystem = 1;
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
    app_.app().results.resultLayerCount = c.layers;
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
    reporttest::SetUpRun(app_.app(), c.layers);
    ProjectInput& run = app_.app().runInput;
    run.layerRfCreep.fill(c.first);
    run.layerRfCreep[static_cast<std::size_t>(c.otherLayer)] = c.other;
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(printer_.rfCreepVaries, c.varies) << c.name;
    EXPECT_EQ(printer_.rfInstallationVaries, 0) << c.name;
    EXPECT_EQ(printer_.rfDurabilityVaries, 0) << c.name;
    EXPECT_EQ(printer_.firstLayerRfCreep, c.first) << c.name;
    EXPECT_EQ(printer_.firstLayerRfInstallation, 1.2) << c.name;
  }
  reporttest::SetUpRun(app_.app(), 20);
  app_.app().runInput.layerRfInstallation[3] = 1.3;
  app_.app().runInput.layerRfDurability[4] = 1.0;
  ASSERT_TRUE(Prepare());
  EXPECT_EQ(printer_.rfInstallationVaries, 1);
  EXPECT_EQ(printer_.rfDurabilityVaries, 1);
  EXPECT_EQ(printer_.rfCreepVaries, 0);
}

TEST_F(ReportPrinterTest, OptionsComeBeforeThePrinterDialogAndAJobPrintsEveryPage) {
  reporttest::SetUpRun(app_.app(), 36);
  bool printerAskedFirst = true;
  session_.Queue(Script()
                     .Inspect([&] { printerAskedFirst = !printing_.requests.empty(); })
                     .Type(1221, "German")
                     .Enter());
  ASSERT_TRUE(printer_.OnFilePrint());
  EXPECT_FALSE(printerAskedFirst);
  ASSERT_EQ(printing_.requests.size(), 1u);
  EXPECT_EQ(printing_.requests[0].minPage, 1);
  EXPECT_EQ(printing_.requests[0].maxPage, 8);
  EXPECT_TRUE(printing_.requests[0].allowPageRange);

  const std::vector<std::string>& log = printing_.log;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "StartDoc \"Tervane - slope_A.NAT\"");
  EXPECT_EQ(log.back(), "EndDoc");
  const auto pages = Pages(log);
  ASSERT_EQ(pages.size(), 8u);
  for (int p = 1; p <= 8; ++p) {
    const auto& page = pages[static_cast<std::size_t>(p - 1)];
    // Each page starts from the saved state, in twips, and is restored after.
    EXPECT_EQ(page[0], "Save");
    EXPECT_EQ(page[1], "SetMapMode twips");
    EXPECT_EQ(page.back(), "Restore");
    EXPECT_TRUE(Contains(page, "\"Seite " + std::to_string(p) + " -  8\"")) << p;
    // The title page's heading only on page 1.
    EXPECT_EQ(Contains(page, "\"PROJEKT\""), p == 1) << p;
  }
}

TEST_F(ReportPrinterTest, PrinterDialogChoosesThePagesOrCancelsTheJob) {
  printing_.fromPage = 2;
  printing_.toPage = 3;
  ASSERT_TRUE(printer_.OnFilePrint());
  const auto pages = Pages(printing_.log);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_TRUE(Contains(pages[0], "\"Page 2 of  6\""));
  EXPECT_TRUE(Contains(pages[1], "\"Page 3 of  6\""));

  printing_.log.clear();
  printing_.cancel = true;
  EXPECT_FALSE(printer_.OnFilePrint());
  EXPECT_TRUE(printing_.log.empty());
  // The options dialog was shown for both jobs.
  EXPECT_NE(session_.Find("IDD_DISPLAY_GRAPHICS", 1), nullptr);
}

TEST_F(ReportPrinterTest, DirectPrintingAsksForNoPrinter) {
  reporttest::SetUpRun(app_.app(), 71);
  std::vector<std::string> log;
  {
    reporttest::KeptRecordingDC dc(reporttest::PrinterOptions(), log);
    ASSERT_TRUE(printer_.PrintDirect(dc));
  }
  EXPECT_TRUE(printing_.requests.empty());
  EXPECT_NE(session_.Find("IDD_DISPLAY_GRAPHICS"), nullptr);
  const auto pages = Pages(log);
  ASSERT_EQ(pages.size(), 10u);
  EXPECT_TRUE(Contains(pages[9], "\"Page 10 of  10\""));
  // A device that is not a printer refuses the job.
  fw::RecordingDC screen;
  EXPECT_FALSE(printer_.PrintDirect(screen));
}

TEST_F(ReportPrinterTest, PreviewShowsThePrintedPagesAndCloseBringsTheMainMenuBack) {
  reporttest::RecordingPreviewHost host;
  host.mainMenuVisible = false;  // hidden by Esc before the preview
  host.pages = 2;
  bool menuHiddenDuringOptions = false;
  session_.Queue(Script().Inspect([&] { menuHiddenDuringOptions = !host.mainMenuVisible; }).Enter());
  ASSERT_TRUE(printer_.OnFilePrintPreview(host));
  EXPECT_TRUE(menuHiddenDuringOptions);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"HideMainMenu", "ShowPreview"}));
  ASSERT_NE(host.model, nullptr);
  EXPECT_EQ(host.model->PageCount(), 6);
  EXPECT_EQ(host.model->PagesShown(), 2);
  EXPECT_TRUE(printer_.PreviewActive());
  EXPECT_TRUE(printing_.requests.empty());  // no printer dialog for a preview

  // Any page, any number of times, drawn as the printer gets it.
  for (int page : {4, 1, 4}) {
    fw::RecordingDC preview(reporttest::PrinterOptions());
    fw::DrawSourcePage(preview, host.model->Source(), page);
    std::vector<std::string> printed;
    {
      reporttest::KeptRecordingDC dc(reporttest::PrinterOptions(), printed);
      dc.StartDoc("x");
      dc.StartPage();
      fw::DrawSourcePage(dc, printer_, page);
      dc.EndPage();
      dc.EndDoc();
    }
    EXPECT_EQ(Pages(printed)[0], preview.Lines()) << page;
  }

  host.model->TogglePagesShown();
  host.model->Close();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"HideMainMenu", "ShowPreview", "SetPreviewPages 1", "HidePreview",
                                                  "ShowMainMenu"}));
  EXPECT_TRUE(host.mainMenuVisible);
  EXPECT_FALSE(printer_.PreviewActive());
}

TEST_F(ReportPrinterTest, PrintFromThePreviewEndsItAndAsksForTheOptionsAgain) {
  reporttest::RecordingPreviewHost host;
  host.onFilePrint = [&] { printer_.OnFilePrint(); };
  ASSERT_TRUE(printer_.OnFilePrintPreview(host));
  std::shared_ptr<fw::PrintPreviewModel> model = host.model;
  model->Print();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"HideMainMenu", "ShowPreview", "SetPreviewPages 1", "HidePreview",
                                                  "ShowMainMenu", "FilePrint"}));
  // Two options dialogs: the preview's and the print's, then the printer dialog.
  EXPECT_NE(session_.Find("IDD_DISPLAY_GRAPHICS", 1), nullptr);
  ASSERT_EQ(printing_.requests.size(), 1u);
  EXPECT_EQ(Pages(printing_.log).size(), 6u);
  // The model left behind calls nothing any more.
  model->Close();
  model->Print();
  EXPECT_EQ(host.calls.size(), 6u);
}

}  // namespace
}  // namespace tervane
