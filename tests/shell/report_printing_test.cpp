// The report printed and previewed by the program (File > Print, the command
// line's direct printing, Print Preview): the order of the options and
// printer dialogs, the pages of a job, the preview's pages and its end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/HeadlessFrame.h"
#include "framework/PageSource.h"
#include "framework/testing/RecordingDC.h"
#include "report/ReportPrinter.h"
#include "support/ReportTestSupport.h"
#include "support/ShellPrinting.h"
#include "shell/StartDlg.h"
#include "shell/TervaneApp.h"
#include "shell/TervaneView.h"
#include "support/ShellTestSupport.h"

namespace tervane {
namespace {

using fw::Script;

using reporttest::AnyLineHolds;
using reporttest::JobPages;

// The report printed and previewed by the program itself: the view of the
// open project forwards the framework's printing protocol to its report.
class ReportPrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session_.Queue(Script().Click(fw::IDOK));  // the start-up notice
    ASSERT_TRUE(App().InitInstance({}));
    view_ = reporttest::NewProjectWithRun(20);
    ASSERT_NE(view_, nullptr);
    Project().projectPath = "/home/engineer/slope_A.NAT";
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
  reporttest::SetUpRun(Project(), 36);
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
  const auto pages = JobPages(log);
  ASSERT_EQ(pages.size(), 8u);
  for (int p = 1; p <= 8; ++p) {
    const auto& page = pages[static_cast<std::size_t>(p - 1)];
    // Each page starts from the saved state, in twips, and is restored after.
    EXPECT_EQ(page[0], "Save");
    EXPECT_EQ(page[1], "SetMapMode twips");
    EXPECT_EQ(page.back(), "Restore");
    EXPECT_TRUE(AnyLineHolds(page, "\"Seite " + std::to_string(p) + " -  8\"")) << p;
    // The title page's heading only on page 1.
    EXPECT_EQ(AnyLineHolds(page, "\"PROJEKT\""), p == 1) << p;
  }
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(ReportPrintingTest, ThePrinterDialogChoosesThePagesOrCancelsTheJob) {
  printing_.fromPage = 2;
  printing_.toPage = 3;
  Frame()->Command(fw::ID_FILE_PRINT);
  const auto pages = JobPages(printing_.log);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_TRUE(AnyLineHolds(pages[0], "\"Page 2 of  6\""));
  EXPECT_TRUE(AnyLineHolds(pages[1], "\"Page 3 of  6\""));

  printing_.log.clear();
  printing_.cancel = true;
  EXPECT_FALSE(view_->OnFilePrint());
  EXPECT_TRUE(printing_.log.empty());
  // The options dialog was shown for both jobs, and the cancel said nothing.
  EXPECT_EQ(OptionsShown(), 2);
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(ReportPrintingTest, PrintingWaitsForResults) {
  Project().resultsAvailable = 0;
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
    const auto pages = JobPages(printing_.log);
    ASSERT_EQ(pages.size(), 10u) << c.printer;
    EXPECT_TRUE(AnyLineHolds(pages[0], "/seventy_one.NAT\""));  // the header's path (shortened)
    EXPECT_TRUE(AnyLineHolds(pages[9], "\"Page 10 of  10\""));
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
  const auto printed = JobPages(printing_.log);
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
  EXPECT_EQ(Project().settings.printColorMode, 1);
  ASSERT_EQ(printing_.requests.size(), 1u);
  EXPECT_EQ(JobPages(printing_.log).size(), 6u);
}

}  // namespace
}  // namespace tervane
