// The framework's print loop and print preview, with a view that prints its
// page number on each page.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/Frame.h"
#include "framework/testing/HeadlessFrame.h"
#include "framework/testing/RecordingDC.h"
#include "framework/Text.h"
#include "framework/View.h"

namespace tervane::fw {
namespace {

class PageView : public View {
 public:
  PageView() {
    OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
  }
  int pages = 3;
  std::vector<std::string> calls;

  bool OnPreparePrinting(PrintInfo& info) override {
    calls.push_back(info.preview ? "prepare preview" : info.direct ? "prepare direct" : "prepare");
    info.SetMaxPage(pages);
    return DoPreparePrinting(info);
  }
  void OnBeginPrinting(DeviceContext&, PrintInfo&) override { calls.push_back("begin"); }
  void OnPrint(DeviceContext& dc, PrintInfo& info) override {
    dc.TextOut(0, 0, Format("page %d of %d", info.currentPage, info.maxPage));
  }
  void OnEndPrinting(DeviceContext&, PrintInfo&) override { calls.push_back("end"); }
  void OnEndPrintPreview(DeviceContext& dc, PrintInfo& info) override {
    calls.push_back("end preview");
    View::OnEndPrintPreview(dc, info);
  }
};

class PageFrame : public ChildFrame {
 protected:
  std::unique_ptr<View> CreateView() override { return std::make_unique<PageView>(); }
};

class PrintingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Services s = CurrentServices();
    s.printing = &printing_;
    previous_ = InstallServices(s);
    app_.Documents().AddTemplate(std::make_unique<DocTemplate>(
        1, DocumentStrings::Parse("\nDoc\nDoc\nDoc Files (*.DOC)\n.DOC\nDoc.Document\nDoc Document"), MenuTemplate{},
        [] { return std::make_unique<Document>(); }, [] { return std::make_unique<PageFrame>(); }));
    auto frame = std::make_unique<FrameWindow>();
    ASSERT_TRUE(frame->Create("Test", MenuTemplate{}));
    app_.SetMainFrame(std::move(frame));
    Document* doc = app_.Documents().OpenNewDocument();
    ASSERT_NE(doc, nullptr);
    view_ = static_cast<PageView*>(doc->GetView());
  }
  void TearDown() override { InstallServices(previous_); }

  ScopedFakeServices fakes_;
  FakePrinting printing_;
  Services previous_;
  Application app_;
  PageView* view_ = nullptr;
};

TEST_F(PrintingTest, PrintGivesOnePagePerPageOfTheViewsCount) {
  printing_.QueueAnswer(true);
  EXPECT_TRUE(view_->OnFilePrint());
  ASSERT_EQ(printing_.PrintCalls().size(), 1u);
  EXPECT_EQ(printing_.PrintCalls()[0].minPage, 1);
  EXPECT_EQ(printing_.PrintCalls()[0].maxPage, 3);
  ASSERT_EQ(printing_.Jobs().size(), 1u);
  const FakePrinting::Job& job = printing_.Jobs()[0];
  EXPECT_TRUE(job.finished);
  EXPECT_EQ(job.pages, 3);
  // Every page starts from the printer's saved state (and leaves it so).
  EXPECT_EQ(job.lines, (std::vector<std::string>{"StartDoc \"Doc1\"", "StartPage", "Save", "TextOut 0 0 \"page 1 of 3\"",
                                                 "Restore", "EndPage", "StartPage", "Save",
                                                 "TextOut 0 0 \"page 2 of 3\"", "Restore", "EndPage", "StartPage",
                                                 "Save", "TextOut 0 0 \"page 3 of 3\"", "Restore", "EndPage",
                                                 "EndDoc"}));
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare", "begin", "end"}));
}

TEST_F(PrintingTest, CancellingThePrintDialogPrintsNothing) {
  printing_.QueueAnswer(false);
  EXPECT_FALSE(view_->OnFilePrint());
  EXPECT_TRUE(printing_.Jobs().empty());
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare"}));
  EXPECT_TRUE(fakes_.messageBox.Texts().empty());
}

TEST_F(PrintingTest, DirectPrintingAsksNothingAndPrintsEveryPage) {
  EXPECT_TRUE(view_->OnFilePrintDirect("/tmp/out.pdf"));
  EXPECT_TRUE(printing_.PrintCalls().empty());
  ASSERT_EQ(printing_.Jobs().size(), 1u);
  EXPECT_EQ(printing_.Jobs()[0].request, "direct:/tmp/out.pdf");
  EXPECT_EQ(printing_.Jobs()[0].pages, 3);
  // No printer at all: nothing printed, false for the caller.
  printing_.directAvailable = false;
  EXPECT_FALSE(view_->OnFilePrintDirect(""));
  EXPECT_FALSE(view_->OnFilePrintDirect("Office Laser"));
  EXPECT_EQ(printing_.Jobs().size(), 1u);
  EXPECT_EQ(fakes_.messageBox.Texts(),
            (std::vector<std::string>{kNoPrinter, std::string(kNoPrinter) + "\n\nOffice Laser"}));
}

// A printer that takes `pages` pages and refuses the next one.
class PagesThenRefuses : public RecordingDC {
 public:
  PagesThenRefuses(std::vector<std::string>& log, int pages, bool printer)
      : RecordingDC(Options{600, 600, {4800, 6300}, MapMode::Text, printer}), log_(log), pages_(pages) {}
  ~PagesThenRefuses() override { log_ = Lines(); }
  bool StartPage() override { return pages_-- > 0 && RecordingDC::StartPage(); }

 private:
  std::vector<std::string>& log_;
  int pages_;
};

TEST_F(PrintingTest, APrinterThatRefusesTheJobOrAPageAbortsItAndSaysSo) {
  struct Case {
    bool printer;  // a device that is no printer refuses StartDoc
    int pages;
    std::vector<std::string> lines;
    const char* message;
  } cases[] = {
      {false, 9, {"StartDoc \"Doc1\" -> refused"}, kFailedToStartPrint},
      {true, 1, {"StartDoc \"Doc1\"", "StartPage", "Save", "TextOut 0 0 \"page 1 of 3\"", "Restore", "EndPage",
                 "AbortDoc"}, kPrintFailed},
  };
  for (const Case& c : cases) {
    std::vector<std::string> log;
    class OnePrinter : public PrintService {
     public:
      explicit OnePrinter(const std::function<std::unique_ptr<DeviceContext>()>& make) : make_(make) {}
      PrinterSelection PrintSetup() override { return {}; }
      PrinterSelection Print(const PrintDialogOptions& options) override {
        PrinterSelection s;
        s.page.fromPage = options.minPage;
        s.page.toPage = options.maxPage;
        s.dc = make_();
        return s;
      }

     private:
      std::function<std::unique_ptr<DeviceContext>()> make_;
    } printer([&] { return std::make_unique<PagesThenRefuses>(log, c.pages, c.printer); });
    Services s = CurrentServices();
    s.printing = &printer;
    const ScopedServices installed(s);
    view_->calls.clear();
    EXPECT_FALSE(view_->OnFilePrint());
    EXPECT_EQ(log, c.lines);
    EXPECT_EQ(fakes_.messageBox.Texts().back(), c.message);
    EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare", "begin", "end"}));
  }
}

TEST_F(PrintingTest, AViewWithoutAPageCountPrintsOnePage) {
  class OnePage : public PageView {
    bool OnPreparePrinting(PrintInfo& info) override { return DoPreparePrinting(info); }
  };
  OnePage view;
  EXPECT_TRUE(view.OnFilePrintDirect(""));
  EXPECT_EQ(printing_.Jobs().back().pages, 1);
}

TEST_F(PrintingTest, PreviewPagesThroughTheViewInTheFramesClientAreaAndKeepsTwoPages) {
  HeadlessFrameBackend* frame = HeadlessFrameBackend::Of(*app_.MainFrame());
  ASSERT_TRUE(view_->OnFilePrintPreview());
  PrintPreviewModel* preview = frame->Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(app_.MainFrame()->Preview(), preview);
  EXPECT_EQ(view_->Preview(), preview);
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare preview", "begin"}));
  EXPECT_FALSE(view_->OnFilePrintPreview());  // one preview at a time

  EXPECT_EQ(preview->PageCount(), 3);
  EXPECT_EQ(preview->FirstPage(), 1);
  EXPECT_EQ(preview->PagesShown(), 1);
  EXPECT_TRUE(preview->CanNext());
  EXPECT_FALSE(preview->CanPrev());
  // The printer's page of 4800 x 6300 pixels at 600 dpi, on a sheet with a
  // quarter inch around it (the fake printer does not tell its sheet).
  EXPECT_EQ(preview->Paper().paper, (Size{12240, 15840}));
  EXPECT_EQ(preview->Paper().printable, (Rect{360, 360, 11880, 15480}));
  // Any page, drawn by the view as it prints it.
  EXPECT_EQ(frame->RenderPreviewPage(2), (std::vector<std::string>{"Save", "TextOut 0 0 \"page 2 of 3\"", "Restore"}));
  EXPECT_EQ(frame->RenderPreviewPage(1), (std::vector<std::string>{"Save", "TextOut 0 0 \"page 1 of 3\"", "Restore"}));
  preview->NextPage();
  preview->NextPage();
  preview->NextPage();
  EXPECT_EQ(preview->FirstPage(), 3);
  EXPECT_FALSE(preview->CanNext());
  // Two pages side by side: the last page alone, then pages 2 and 3.
  preview->TogglePagesShown();
  EXPECT_EQ(preview->PagesChoice(), 2);
  EXPECT_EQ(preview->PagesShown(), 1);
  preview->PrevPage();
  EXPECT_EQ(preview->FirstPage(), 2);
  EXPECT_EQ(preview->PagesShown(), 2);
  preview->ZoomIn();
  preview->ZoomIn();
  preview->ZoomIn();
  EXPECT_EQ(preview->ZoomLevel(), 2);

  preview->Close();
  EXPECT_EQ(frame->Preview(), nullptr);
  EXPECT_EQ(app_.MainFrame()->Preview(), nullptr);
  EXPECT_EQ(view_->Preview(), nullptr);
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare preview", "begin", "end preview", "end"}));
  EXPECT_TRUE(printing_.Jobs().empty());  // a preview prints nothing
  // The choice of two pages is kept in the profile.
  EXPECT_EQ(app_.PreviewPages(), 2);
  EXPECT_EQ(app_.GetProfile().GetInt(kSettingsSection, kPreviewPagesEntry, 0), 2);

  // The next preview opens with two pages.
  ASSERT_TRUE(view_->OnFilePrintPreview());
  EXPECT_EQ(frame->Preview()->PagesShown(), 2);
}

TEST_F(PrintingTest, PrintFromThePreviewClosesItAndPrintsThroughFilePrint) {
  HeadlessFrameBackend* frame = HeadlessFrameBackend::Of(*app_.MainFrame());
  ASSERT_TRUE(view_->OnFilePrintPreview());
  printing_.QueueAnswer(true);
  frame->Preview()->Print();
  EXPECT_EQ(frame->Preview(), nullptr);
  EXPECT_EQ(view_->Preview(), nullptr);
  // The print is prepared again, with its Print dialog.
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare preview", "begin", "end preview", "end", "prepare",
                                                    "begin", "end"}));
  ASSERT_EQ(printing_.PrintCalls().size(), 1u);
  ASSERT_EQ(printing_.Jobs().size(), 1u);
  EXPECT_EQ(printing_.Jobs()[0].request, "print");
  EXPECT_EQ(printing_.Jobs()[0].pages, 3);
}

TEST_F(PrintingTest, ClosingTheDocumentEndsItsPreview) {
  ASSERT_TRUE(view_->OnFilePrintPreview());
  app_.Documents().CloseAllDocuments();
  EXPECT_EQ(app_.MainFrame()->Preview(), nullptr);
  EXPECT_EQ(HeadlessFrameBackend::Of(*app_.MainFrame())->Preview(), nullptr);
}

}  // namespace
}  // namespace tervane::fw
