// The framework's print loop and print preview, with a view that prints its
// page number on each page.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/FakeServices.h"
#include "framework/Frame.h"
#include "framework/HeadlessFrame.h"
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
  EXPECT_EQ(job.lines, (std::vector<std::string>{"StartDoc \"Doc1\"", "StartPage", "TextOut 0 0 \"page 1 of 3\"",
                                                 "EndPage", "StartPage", "TextOut 0 0 \"page 2 of 3\"", "EndPage",
                                                 "StartPage", "TextOut 0 0 \"page 3 of 3\"", "EndPage", "EndDoc"}));
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
  ASSERT_NE(frame->Preview(), nullptr);
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare preview", "begin"}));
  EXPECT_FALSE(view_->OnFilePrintPreview());  // one preview at a time

  PreviewState s = frame->Preview()->State();
  EXPECT_EQ(s, (PreviewState{1, 3, 1, 0, true, false}));
  EXPECT_EQ(frame->RenderPreviewPage(2), (std::vector<std::string>{"Save", "TextOut 0 0 \"page 2 of 3\"", "Restore"}));
  frame->PreviewAction(PreviewAction::NextPage);
  frame->PreviewAction(PreviewAction::NextPage);
  frame->PreviewAction(PreviewAction::NextPage);
  EXPECT_EQ(frame->Preview()->State().currentPage, 3);
  EXPECT_FALSE(frame->Preview()->State().canNext);
  // Two pages side by side: the last pair is 2 and 3, and the choice is kept.
  frame->PreviewAction(PreviewAction::TogglePages);
  s = frame->Preview()->State();
  EXPECT_EQ(s.pagesShown, 2);
  EXPECT_EQ(s.currentPage, 2);
  EXPECT_EQ(app_.PreviewPages(), 2);
  EXPECT_EQ(app_.GetProfile().GetInt(kSettingsSection, kPreviewPagesEntry, 0), 2);
  frame->PreviewAction(PreviewAction::ZoomIn);
  frame->PreviewAction(PreviewAction::ZoomIn);
  frame->PreviewAction(PreviewAction::ZoomIn);
  EXPECT_EQ(frame->Preview()->State().zoom, 2);

  frame->PreviewAction(PreviewAction::Close);
  EXPECT_EQ(frame->Preview(), nullptr);
  EXPECT_EQ(app_.MainFrame()->Preview(), nullptr);
  EXPECT_EQ(view_->calls, (std::vector<std::string>{"prepare preview", "begin", "end preview", "end"}));
  EXPECT_TRUE(printing_.Jobs().empty());  // a preview prints nothing

  // The next preview opens with two pages.
  ASSERT_TRUE(view_->OnFilePrintPreview());
  EXPECT_EQ(frame->Preview()->State().pagesShown, 2);
}

TEST_F(PrintingTest, PrintFromThePreviewClosesItAndPrints) {
  HeadlessFrameBackend* frame = HeadlessFrameBackend::Of(*app_.MainFrame());
  ASSERT_TRUE(view_->OnFilePrintPreview());
  printing_.QueueAnswer(true);
  frame->PreviewAction(PreviewAction::Print);
  EXPECT_EQ(frame->Preview(), nullptr);
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
