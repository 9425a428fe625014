// The report's printing driver: the page count and page map, what preparation
// stores; and the report printed and previewed by the program (File > Print,
// the command line's direct printing, Print Preview): the order of the
// options and printer dialogs, the pages of a job, the preview's pages and
// its end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../app/ShellTestSupport.h"
#include "ReportTestSupport.h"
#include "app/StartDlg.h"
#include "app/TervaneApp.h"
#include "app/TervaneView.h"
#include "framework/FakeServices.h"
#include "framework/HeadlessBackend.h"
#include "framework/HeadlessFrame.h"
#include "framework/PageSource.h"
#include "framework/RecordingDC.h"
#include "report/ReportPrinter.h"

namespace tervane {
namespace {

using fw::Script;

// The lines of each page of a job log, without the job's own calls.
std::vector<std::vector<std::string>> Pages(const std::vector<std::string>& log) {
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

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& l : lines)
    if (l.find(part) != std::string::npos) return true;
  return false;
}

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

// The report printed and previewed by the program itself: the view of the
// open project forwards the framework's printing protocol to its report.
class ReportPrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.Queue(Script().Click(fw::IDOK));  // the start-up notice
    ASSERT_TRUE(App().InitInstance({}));
    view_ = reporttest::NewProjectWithRun(20);
    ASSERT_NE(view_, nullptr);
    App().projectPath = "/home/engineer/slope_A.NAT";
  }
  fw::HeadlessFrameBackend* Frame() const { return fw::HeadlessFrameBackend::Of(*App().MainFrame()); }
  bool MainMenuVisible() const { return App().startDialog != nullptr && App().startDialog->IsWindowVisible(); }
  int OptionsShown() const {
    int n = 0;
    for (const fw::DialogRecord& r : session_.Records()) n += r.templateName == "IDD_DISPLAY_GRAPHICS";
    return n;
  }
  shelltest::TestHome home_{"report_printing"};
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  reporttest::RecordingPrintService printing_;
  reporttest::ScopedPrintService installPrinting_{printing_};
  ScopedApp app_;
  CTervaneView* view_ = nullptr;
};

TEST_F(ReportPrintingTest, FilePrintAsksForTheOptionsBeforeThePrinterAndPrintsEveryPage) {
  reporttest::SetUpRun(App(), 36);
  bool printerAskedFirst = true;
  session_.Queue(Script()
                     .Inspect([&] { printerAskedFirst = !printing_.requests.empty(); })
                     .Type(1221, "German")
                     .Enter());
  Frame()->Command(fw::ID_FILE_PRINT);
  EXPECT_FALSE(printerAskedFirst);
  EXPECT_EQ(OptionsShown(), 1);
  ASSERT_EQ(printing_.requests.size(), 1u);
  EXPECT_EQ(printing_.requests[0].minPage, 1);
  EXPECT_EQ(printing_.requests[0].maxPage, 8);
  EXPECT_TRUE(printing_.requests[0].allowPageRange);
  EXPECT_EQ(view_->Report().pageCount, 8);

  const std::vector<std::string>& log = printing_.log;
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "StartDoc \"Tervane1\"");  // the document's title
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
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(ReportPrintingTest, ThePrinterDialogChoosesThePagesOrCancelsTheJob) {
  printing_.fromPage = 2;
  printing_.toPage = 3;
  Frame()->Command(fw::ID_FILE_PRINT);
  const auto pages = Pages(printing_.log);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_TRUE(Contains(pages[0], "\"Page 2 of  6\""));
  EXPECT_TRUE(Contains(pages[1], "\"Page 3 of  6\""));

  printing_.log.clear();
  printing_.cancel = true;
  EXPECT_FALSE(view_->OnFilePrint());
  EXPECT_TRUE(printing_.log.empty());
  // The options dialog was shown for both jobs, and the cancel said nothing.
  EXPECT_EQ(OptionsShown(), 2);
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(ReportPrintingTest, PrintingWaitsForResults) {
  App().resultsAvailable = 0;
  Frame()->Command(fw::ID_FILE_PRINT);
  Frame()->Command(fw::ID_FILE_PRINT_PREVIEW);
  EXPECT_EQ(OptionsShown(), 0);
  EXPECT_TRUE(printing_.requests.empty());
  EXPECT_EQ(Frame()->Preview(), nullptr);
}

TEST_F(ReportPrintingTest, TheCommandLinePrintsOnTheNamedPrinterWithoutThePrinterDialog) {
  const std::string file = reporttest::WriteProjectWithRun(home_.File("seventy_one.NAT"), 71);
  struct Case {
    std::vector<std::string> arguments;
    std::string printer;
  } cases[] = {{{"/pt", file, "Office Laser"}, "Office Laser"}, {{"/p", file}, ""}};
  for (const Case& c : cases) {
    ScopedApp program;
    printing_.log.clear();
    printing_.directRequests.clear();
    session_.Queue(Script().Click(fw::IDOK));  // the notice, then the options
    session_.Queue(Script().Enter());
    const int optionsBefore = OptionsShown();
    EXPECT_FALSE(App().InitInstance(c.arguments));  // printed and done
    EXPECT_EQ(App().ExitCode(), 0);
    EXPECT_EQ(printing_.directRequests, std::vector<std::string>{c.printer});
    EXPECT_EQ(OptionsShown(), optionsBefore + 1);
    const auto pages = Pages(printing_.log);
    ASSERT_EQ(pages.size(), 10u) << c.printer;
    EXPECT_TRUE(Contains(pages[0], "/seventy_one.NAT\""));  // the header's path (shortened)
    EXPECT_TRUE(Contains(pages[9], "\"Page 10 of  10\""));
    EXPECT_EQ(App().Documents().DocumentCount(), 0u);
  }
  EXPECT_TRUE(printing_.requests.empty());  // never the printer dialog
}

TEST_F(ReportPrintingTest, PreviewShowsThePrintedPagesAndCloseBringsTheMainMenuBack) {
  App().startDialog->ShowWindow(false);  // hidden by Esc before the preview
  App().SetPreviewPages(2);
  bool menuHiddenDuringOptions = false;
  session_.Queue(Script().Inspect([&] { menuHiddenDuringOptions = !MainMenuVisible(); }).Enter());
  Frame()->Command(fw::ID_FILE_PRINT_PREVIEW);
  EXPECT_TRUE(menuHiddenDuringOptions);
  fw::PrintPreviewModel* preview = Frame()->Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(view_->Preview(), preview);
  EXPECT_FALSE(MainMenuVisible());
  EXPECT_EQ(preview->PageCount(), 6);
  EXPECT_EQ(preview->PagesShown(), 2);
  EXPECT_TRUE(printing_.requests.empty());  // no printer dialog for a preview
  // Print Preview again while it is shown: nothing changes.
  Frame()->Command(fw::ID_FILE_PRINT_PREVIEW);
  EXPECT_EQ(Frame()->Preview(), preview);
  EXPECT_FALSE(MainMenuVisible());
  EXPECT_EQ(OptionsShown(), 1);

  // Any page, any number of times, drawn as the printer gets it.
  std::vector<std::vector<std::string>> shown(7);
  for (int page : {4, 1, 4, 6, 2, 3, 5}) {
    fw::RecordingDC dc(reporttest::PrinterOptions());
    fw::DrawSourcePage(dc, preview->Source(), page);
    std::vector<std::string>& before = shown[static_cast<std::size_t>(page)];
    if (!before.empty()) {
      EXPECT_EQ(dc.Lines(), before) << page;
    }
    before = dc.Lines();
  }
  preview->TogglePagesShown();
  preview->Close();
  EXPECT_EQ(Frame()->Preview(), nullptr);
  EXPECT_EQ(view_->Preview(), nullptr);
  EXPECT_TRUE(MainMenuVisible());
  EXPECT_EQ(App().PreviewPages(), 1);  // the choice is kept

  session_.Queue(Script().Enter());
  Frame()->Command(fw::ID_FILE_PRINT);
  const auto printed = Pages(printing_.log);
  ASSERT_EQ(printed.size(), 6u);
  for (int page = 1; page <= 6; ++page)
    EXPECT_EQ(printed[static_cast<std::size_t>(page - 1)], shown[static_cast<std::size_t>(page)]) << page;
}

TEST_F(ReportPrintingTest, PrintFromThePreviewEndsItAndAsksForTheOptionsAgain) {
  Frame()->Command(fw::ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(Frame()->Preview(), nullptr);
  EXPECT_EQ(OptionsShown(), 1);
  // The print's own options: black and white this time.
  session_.Queue(Script().Click(1180).Enter());
  Frame()->Preview()->Print();
  EXPECT_EQ(Frame()->Preview(), nullptr);
  EXPECT_TRUE(MainMenuVisible());
  EXPECT_EQ(OptionsShown(), 2);
  EXPECT_EQ(App().settings.printColorMode, 1);
  ASSERT_EQ(printing_.requests.size(), 1u);
  EXPECT_EQ(Pages(printing_.log).size(), 6u);
}

}  // namespace
}  // namespace tervane
