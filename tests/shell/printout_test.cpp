// The one-page printouts of the contact and disclaimer dialogs and the
// printer set-up they share with the quantities printout.

#include "common/Printout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ShellTestSupport.h"
#include "shell/InfoDialogs.h"
#include "shell/TervaneApp.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "framework/testing/RecordingDC.h"
#include "resources/ShellResources.h"

namespace tervane {
namespace {

using fw::Script;

fw::RecordingDC Printer600() {
  fw::RecordingDC::Options options;
  options.dpiX = options.dpiY = 600;
  options.deviceSize = fw::Size{4800, 6300};
  options.printer = true;
  return fw::RecordingDC(options);
}

const char* const kPageFont = "SelectFont \"MS Sans Serif\" height=-117 weight=400 italic=0 charset=0";
const char* const kDefaultFont = "SelectFont \"MS Sans Serif\" height=0 weight=400 italic=0 charset=0";

TEST(PrintoutTest, PreparePrinterDCMapsPixelsFromAnOriginOf100AndPlacesTextOnItsBaseline) {
  fw::RecordingDC dc = Printer600();
  PreparePrinterDC(dc);
  EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"SetMapMode text", "SetViewportOrg 100 100", "SetTextAlign left baseline"}));
  EXPECT_EQ(dc.LogicalToDevice(fw::Point{0, 0}), (fw::Point{100, 100}));
}

// At 600 pixels per inch h = 117, x = 292, y0 = 93 and the pitch is 146.
TEST(PrintoutTest, TheContactPageHasElevenLinesFromTheSecondPitch) {
  fw::RecordingDC dc = Printer600();
  DrawContactPage(dc);
  std::vector<std::string> expected = {kPageFont};
  const std::vector<std::string> lines = res::ContactPrintLines();
  ASSERT_EQ(lines.size(), 11u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!lines[i].empty())
      expected.push_back("TextOut 292 " + std::to_string(93 + 146 * static_cast<int>(i + 1)) + " " +
                         fw::RecordingDC::Quote(lines[i]));
  expected.push_back(kDefaultFont);
  EXPECT_EQ(dc.Lines(), expected);
  EXPECT_EQ(dc.Lines()[1], "TextOut 292 239 \"Mirelo Engineering Inc.\"");
}

TEST(PrintoutTest, TheDisclaimerPageHasItsTitleAndTwentyNineLines) {
  fw::RecordingDC dc = Printer600();
  DrawDisclaimerPage(dc);
  const std::vector<std::string>& lines = dc.Lines();
  ASSERT_EQ(lines.size(), 1u + 1u + 27u + 1u);  // font, title, 27 lines of text, font back
  EXPECT_EQ(lines[0], kPageFont);
  EXPECT_EQ(lines[1], "TextOut 876 93 \"D I S C L A I M E R\"");
  // Lines 1..29 from y0 + 3t; lines 11 and 24 are the empty ones between paragraphs.
  EXPECT_EQ(lines[2], "TextOut 292 531 \"Tervane only assists engineers in the design\"");
  EXPECT_EQ(lines[11], "TextOut 292 " + std::to_string(531 + 9 * 146) + " \"assessed separately if deemed necessary.\"");
  EXPECT_EQ(lines[12].rfind("TextOut 292 " + std::to_string(531 + 11 * 146) + " \"Mirelo Engineering", 0), 0u);
  EXPECT_EQ(lines[28], "TextOut 292 " + std::to_string(531 + 28 * 146) + " \"PARTICULAR PURPOSE.\"");
  EXPECT_EQ(lines.back(), kDefaultFont);
  const auto paragraphs = res::DisclaimerParagraphs();
  EXPECT_EQ(paragraphs[0].size(), 10u);
  EXPECT_EQ(paragraphs[1].size(), 12u);
  EXPECT_EQ(paragraphs[2].size(), 5u);
}

class PrintButtonTest : public ::testing::Test {
 protected:
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
  shelltest::ScopedFakePrinting printing_;
  ScopedApp app_;
};

TEST_F(PrintButtonTest, PrintPrintsOnePageNamedTestAndCancellingPrintsNothing) {
  printing_.QueueAnswer(false);
  printing_.QueueAnswer(true);
  session_.Queue(Script().Click(res::kContactPrintId).Click(res::kContactPrintId).Click(fw::IDOK));
  CContactInfoDlg contact;
  EXPECT_EQ(contact.DoModal(), fw::IDOK);
  EXPECT_EQ(printing_.SetupCalls(), 2);
  ASSERT_EQ(printing_.Jobs().size(), 1u);
  const fw::FakePrinting::Job& job = printing_.Jobs()[0];
  EXPECT_EQ(job.request, "setup");
  EXPECT_EQ(job.pages, 1);
  ASSERT_GE(job.lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(job.lines.begin(), job.lines.begin() + 6),
            (std::vector<std::string>{"StartDoc \"test\"", "SetMapMode text", "SetViewportOrg 100 100",
                                      "SetTextAlign left baseline", "StartPage", kPageFont}));
  EXPECT_EQ(std::vector<std::string>(job.lines.end() - 3, job.lines.end()),
            (std::vector<std::string>{kDefaultFont, "EndPage", "EndDoc"}));

  printing_.QueueAnswer(true);
  session_.Queue(Script().Click(res::kDisclaimerPrintId).Click(fw::IDOK));
  CDisclaimerDlg disclaimer;
  EXPECT_EQ(disclaimer.DoModal(), fw::IDOK);
  ASSERT_EQ(printing_.Jobs().size(), 2u);
  EXPECT_EQ(printing_.Jobs()[1].lines[6], "TextOut 876 93 \"D I S C L A I M E R\"");
}

// A print to a file is named after the project and the printout; a project
// not saved yet, and printouts of no project, go to the folder file dialogs
// open in (home here).
TEST(PrintoutTest, PrintFileNamesTellTheProjectAndThePrintout) {
  shelltest::TestHome home("print_names");
  fw::ForgetDialogFolder();
  const std::string at = (home.Root() / "home").string() + "/";
  struct Case {
    const char* project;
    const char* printout;
    std::string want;
  };
  for (const Case& c : {Case{"/work/north slope.NAT", "report", "/work/north slope report.pdf"},
                        Case{"/work/v1.2/slope", "quantities", "/work/v1.2/slope quantities.pdf"},
                        Case{"/work/.NAT", "summary", "/work/.NAT summary.pdf"},
                        Case{"Not saved, yet", "report", at + "Untitled report.pdf"},
                        Case{"", "detailed", at + "Untitled detailed.pdf"}}) {
    EXPECT_EQ(ProposedPrintFileName(c.project, c.printout), c.want) << c.project;
  }
  EXPECT_EQ(ProposedPrintFileName("Tervane disclaimer.pdf"), at + "Tervane disclaimer.pdf");
}

}  // namespace
}  // namespace tervane
