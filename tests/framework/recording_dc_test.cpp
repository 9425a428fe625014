#include "framework/testing/RecordingDC.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/Image.h"
#include "support/GoldenFile.h"

namespace tervane::fw {
namespace {

// A small figure in the manner of the program's paint handlers: tools made,
// selected, used and the previous ones selected back; a twips page part with
// a right-aligned text measured first.
void PaintFigure(DeviceContext& dc) {
  const Pen oldPen = dc.SelectPen(Pen::Solid(2, RGB(255, 0, 0)));
  const Brush oldBrush = dc.SelectBrush(Brush::Solid(RGB(222, 222, 222)));
  dc.Rectangle(10, 10, 110, 60);
  const Point roof[] = {{10, 10}, {60, -20}, {110, 10}};
  dc.Polygon(roof);
  dc.SelectBrush(Brush::Hollow());
  dc.Ellipse(55, 30, 65, 40);
  dc.MoveTo(MakePoint(10.9, 70.2));
  dc.LineTo(MakePoint(-1.5, 99.99));
  const Point path[] = {{0, 0}, {5, 5}};
  dc.Polyline(path);
  dc.FillRect(Rect{0, 0, 4, 4}, Brush::Solid(kWhite));
  dc.SelectPen(Pen::Null());
  dc.SetTextColor(RGB(0, 0, 255));
  dc.SetBkColor(RGB(222, 222, 222));
  dc.TextOut(70, 65, "H=6.00 m");
  const BkMode oldMode = dc.SetBkMode(BkMode::Transparent);
  dc.TextOut(1, 2, "say \"tan\\\x01\" φ");
  dc.SetBkMode(oldMode);
  dc.StretchImage(Rect{0, 0, 20, 10}, Image(4, 2));
  dc.StretchImage(Rect{0, 0, 20, 10}, Image());
  dc.SelectBrush(oldBrush);
  dc.SelectPen(oldPen);

  dc.Save();
  dc.SetMapMode(MapMode::Twips);
  dc.SetViewportOrg(Point{100, 100});
  Font font;
  font.face = "Arial";
  font.height = -200;
  const Font oldFont = dc.SelectFont(font);
  const Size extent = dc.GetTextExtent("Page 3 of  6");
  dc.SetTextAlign(TextAlign{HAlign::Right, VAlign::Baseline});
  dc.TextOut(11100 - extent.cx, -14650, "Page 3 of  6");
  dc.SelectFont(oldFont);
  dc.Restore();
}

TEST(RecordingDCTest, FigureMatchesGoldenLog) {
  RecordingDC dc;
  PaintFigure(dc);
  golden::ExpectGolden(dc.Text(), "recording_figure.log");
}

TEST(RecordingDCTest, TextExtentIsHalfTheHeightPerCharacter) {
  RecordingDC dc;
  Font font;
  font.height = -10;
  dc.SelectFont(font);
  EXPECT_EQ(dc.GetTextExtent("abc"), (Size{15, 10}));
  EXPECT_EQ(dc.GetTextExtent("φδ"), (Size{10, 10}));  // code points, not bytes
  EXPECT_EQ(dc.GetTextExtent(""), (Size{0, 10}));
  font.height = 7;
  dc.SelectFont(font);
  EXPECT_EQ(dc.GetTextExtent("ab"), (Size{8, 7}));
  dc.SelectFont(Font{});  // default: 8 points on a 96-dpi device, 11 pixels
  EXPECT_EQ(dc.GetTextExtent("ab"), (Size{12, 11}));

  RecordingDC::Options twips;
  twips.dpiY = 600;
  twips.mapMode = MapMode::Twips;
  RecordingDC page(twips);
  page.SelectFont(Font{});  // 67 pixels at 600 dpi, 161 twips
  EXPECT_EQ(page.GetTextExtent("a"), (Size{81, 161}));
  EXPECT_EQ(page.Lines().back(), "GetTextExtent \"a\" -> 81 161");
}

TEST(RecordingDCTest, PrintJobsRunInOrder) {
  RecordingDC screen;
  EXPECT_FALSE(screen.StartDoc("test"));
  EXPECT_FALSE(screen.StartPage());

  RecordingDC::Options options;
  options.printer = true;
  RecordingDC printer(options);
  EXPECT_FALSE(printer.StartPage());
  EXPECT_TRUE(printer.StartDoc("test"));
  EXPECT_FALSE(printer.StartDoc("again"));
  EXPECT_FALSE(printer.EndPage());
  EXPECT_TRUE(printer.StartPage());
  EXPECT_FALSE(printer.EndDoc());  // a page is open
  EXPECT_TRUE(printer.EndPage());
  EXPECT_TRUE(printer.StartPage());
  EXPECT_TRUE(printer.EndPage());
  EXPECT_TRUE(printer.EndDoc());
  EXPECT_EQ(printer.PagesPrinted(), 2);
  EXPECT_EQ(printer.Text(),
            "StartPage -> refused\n"
            "StartDoc \"test\"\n"
            "StartDoc \"again\" -> refused\n"
            "EndPage -> refused\n"
            "StartPage\n"
            "EndDoc -> refused\n"
            "EndPage\n"
            "StartPage\n"
            "EndPage\n"
            "EndDoc\n");

  printer.Clear();
  EXPECT_TRUE(printer.StartDoc("aborted"));
  EXPECT_TRUE(printer.StartPage());
  printer.AbortDoc();
  EXPECT_FALSE(printer.EndPage());
  EXPECT_TRUE(printer.StartDoc("next"));
}

}  // namespace
}  // namespace tervane::fw
