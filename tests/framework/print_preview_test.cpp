// The print loop over a page source and the print preview model: pages in
// range, refused print calls, turning pages, one or two pages, zoom, and where
// the sheets go in a client area.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/PageSource.h"
#include "framework/PrintPreview.h"
#include "framework/testing/RecordingDC.h"

namespace tervane::fw {
namespace {

// Pages that say their number and change the device's state (which the loop
// must restore).
class NumberedPages : public PageSource {
 public:
  explicit NumberedPages(int count) : count_(count) {}
  int PageCount() const override { return count_; }
  void DrawPage(DeviceContext& dc, int page) override {
    dc.SetMapMode(MapMode::Twips);
    dc.SelectPen(Pen::Solid(20, kBlack));
    dc.TextOut(500, -500, "page " + std::to_string(page));
  }

 private:
  int count_;
};

RecordingDC::Options Printer() {
  RecordingDC::Options o;
  o.printer = true;
  return o;
}

TEST(PrintPagesTest, PrintsTheRangeWithinThePagesAsOneJob) {
  NumberedPages pages(4);
  RecordingDC dc(Printer());
  ASSERT_TRUE(PrintPages(dc, pages, 0, 2, "Report"));
  EXPECT_EQ(dc.Lines(), (std::vector<std::string>{
                            "StartDoc \"Report\"", "StartPage", "Save", "SetMapMode twips",
                            "SelectPen solid 20 RGB(0,0,0)", "TextOut 500 -500 \"page 1\"", "Restore", "EndPage",
                            "StartPage", "Save", "SetMapMode twips", "SelectPen solid 20 RGB(0,0,0)",
                            "TextOut 500 -500 \"page 2\"", "Restore", "EndPage", "EndDoc"}));
  EXPECT_EQ(dc.GetMapMode(), MapMode::Text);
  dc.Clear();
  ASSERT_TRUE(PrintPages(dc, pages, 4, 99, "Report"));
  EXPECT_EQ(dc.PagesPrinted(), 3);
  // Nothing to print, and a device that is no printer.
  dc.Clear();
  EXPECT_FALSE(PrintPages(dc, pages, 5, 9, "Report"));
  EXPECT_TRUE(dc.Lines().empty());
  RecordingDC screen;
  EXPECT_FALSE(PrintPages(screen, pages, 1, 4, "Report"));
  EXPECT_EQ(screen.Lines(), (std::vector<std::string>{"StartDoc \"Report\" -> refused"}));
}

TEST(PrintPreviewModelTest, TurnsPagesShowsOneOrTwoAndZooms) {
  NumberedPages pages(3);
  PrintPreviewModel model(pages, 2);
  int changes = 0;
  model.onChange = [&] { ++changes; };
  EXPECT_EQ(model.FirstPage(), 1);
  EXPECT_EQ(model.PagesShown(), 2);
  EXPECT_STREQ(model.PagesButtonText(), "One Page");
  EXPECT_FALSE(model.CanPrev());
  EXPECT_TRUE(model.CanNext());
  model.NextPage();
  EXPECT_EQ(model.FirstPage(), 2);
  EXPECT_FALSE(model.CanNext());  // pages 2 and 3 shown
  model.NextPage();
  EXPECT_EQ(model.FirstPage(), 2);
  EXPECT_EQ(changes, 1);
  model.ZoomIn();
  EXPECT_EQ(model.PagesShown(), 1);  // one page when zoomed in
  EXPECT_EQ(model.PagesChoice(), 2);
  EXPECT_TRUE(model.CanNext());
  model.ZoomIn();
  EXPECT_FALSE(model.CanZoomIn());
  model.ZoomIn();
  EXPECT_EQ(model.ZoomLevel(), 2);
  model.ZoomOut();
  model.ZoomOut();
  EXPECT_FALSE(model.CanZoomOut());
  model.TogglePagesShown();
  EXPECT_EQ(model.PagesShown(), 1);
  EXPECT_STREQ(model.PagesButtonText(), "Two Page");
  model.GoToPage(99);
  EXPECT_EQ(model.FirstPage(), 3);
  model.GoToPage(-4);
  EXPECT_EQ(model.FirstPage(), 1);

  int prints = 0;
  int closes = 0;
  model.onPrint = [&] { ++prints; };
  model.onClose = [&] { ++closes; };
  model.Print();
  model.Close();
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(closes, 1);
  // A callback may end the preview (and clear the callbacks) while it runs.
  model.onClose = [&] {
    model.onClose = nullptr;
    ++closes;
  };
  model.Close();
  model.Close();
  EXPECT_EQ(closes, 2);
}

TEST(PrintPreviewModelTest, SheetsFitTheClientAreaAndGrowWhenZoomed) {
  NumberedPages pages(6);
  PrintPreviewModel model(pages, 1);
  const Size client{800, 600};
  auto sheets = model.Layout(client);
  ASSERT_EQ(sheets.size(), 1u);
  // 584 pixels of height for 16838 twips: 49 pixels per inch.
  EXPECT_EQ(sheets[0].pixelsPerInch, 49);
  EXPECT_EQ(sheets[0].paper, (Rect{197, 14, 602, 586}));  // centred
  EXPECT_EQ(sheets[0].printable, (Rect{197 + 12, 14 + 12, 197 + 392, 14 + 560}));
  EXPECT_EQ(model.ContentSize(client), client);

  model.TogglePagesShown();
  sheets = model.Layout(client);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].page, 1);
  EXPECT_EQ(sheets[1].page, 2);
  EXPECT_EQ(sheets[1].paper.left, sheets[0].paper.right + 8);
  EXPECT_LE(sheets[1].paper.right, client.cx);

  model.ZoomIn();
  sheets = model.Layout(client);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0].pixelsPerInch, 98);
  const Size content = model.ContentSize(client);
  EXPECT_GT(content.cy, client.cy);
  EXPECT_EQ(content.cy, sheets[0].paper.bottom + 8);

  EXPECT_TRUE(model.Layout(Size{0, 0}).empty());
  NumberedPages none(0);
  EXPECT_TRUE(PrintPreviewModel(none).Layout(client).empty());
}

TEST(PreviewPaperTest, TheSheetOfThePrinterInTwips) {
  const auto page = [](int width, int height, int dpi, int paperWidth, int paperHeight, int left, int top) {
    PrintPageInfo p;
    p.pageWidth = width;
    p.pageHeight = height;
    p.dpiX = p.dpiY = dpi;
    p.paperWidth = paperWidth;
    p.paperHeight = paperHeight;
    p.printableLeft = left;
    p.printableTop = top;
    return p;
  };
  struct Case {
    const char* name;
    PrintPageInfo page;
    Size paper;
    Rect printable;
  } cases[] = {
      // A4 at 600 dpi less a quarter inch, as the PDF printer tells it.
      {"A4 told", page(4658, 6717, 600, 4958, 7017, 150, 150), {11899, 16840}, {360, 360, 11539, 16480}},
      // An unprintable border that is not the same on every side.
      {"border of its own", page(1000, 1500, 100, 1100, 1650, 30, 100), {15840, 23760}, {432, 1440, 14832, 23040}},
      // No sheet told: a quarter inch around the printable area.
      {"sheet not told", page(4800, 6300, 600, 0, 0, 0, 0), {12240, 15840}, {360, 360, 11880, 15480}},
      {"printable area beyond the sheet", page(4800, 6300, 600, 4000, 6600, 150, 150), {12240, 15840},
       {360, 360, 11880, 15480}},
      // Nothing to lay out, and sizes no paper has: the default sheet.
      {"no resolution", page(4800, 6300, 0, 0, 0, 0, 0), {11906, 16838}, {360, 360, 11546, 16478}},
      {"no page", page(0, 6300, 600, 0, 0, 0, 0), {11906, 16838}, {360, 360, 11546, 16478}},
      {"kilometres", page(2000000000, 6300, 600, 0, 0, 0, 0), {11906, 16838}, {360, 360, 11546, 16478}},
  };
  for (const Case& c : cases) {
    const PreviewPaper paper = PreviewPaperOf(c.page);
    EXPECT_EQ(paper.paper, c.paper) << c.name;
    EXPECT_EQ(paper.printable, c.printable) << c.name;
  }
}

}  // namespace
}  // namespace tervane::fw
