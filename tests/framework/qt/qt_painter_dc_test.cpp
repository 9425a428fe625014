#include "framework/qt/QtPainterDC.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <optional>

#include "support/QtTestApp.h"
#include "framework/Image.h"
#include "framework/PageSource.h"
#include "framework/PrintPreview.h"
#include "framework/qt/QtImage.h"
#include "framework/qt/QtPrintPreview.h"
#include "support/QtShots.h"

namespace tervane::fw {
namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFF;

class QtPainterDCTest : public ::testing::Test {
 protected:
  void SetUp() override { qttest::EnsureQtApplication(); }

  // A white 96-dpi canvas.
  static QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
  }

  // The smallest rectangle holding every pixel of the colour (any non-white
  // pixel when no colour is given), as left, top, right, bottom inclusive.
  static std::optional<QRect> InkBox(const QImage& image, std::optional<QRgb> color = std::nullopt) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y) | 0xFF000000;
        const bool ink = color ? pixel == (*color | 0xFF000000) : pixel != kWhiteRgb;
        if (!ink) continue;
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
    }
    if (right < 0) return std::nullopt;
    return QRect(QPoint(left, top), QPoint(right, bottom));
  }

  static int CountColor(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) | 0xFF000000) == (color | 0xFF000000);
    }
    return count;
  }

  static Font Arial(int height) {
    Font font;
    font.face = "Arial";
    font.height = height;
    return font;
  }
};

TEST_F(QtPainterDCTest, TextIsPlacedByTheTopLeftOfItsCell) {
  QImage image = Canvas(200, 80);
  int ascent = 0;
  {
    QtPainterDC dc(image);
    dc.SelectFont(Arial(-20));
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(10, 10, "H");
    ascent = QFontMetrics(dc.ToQFont(Arial(-20)), &image).ascent();
  }
  const auto box = InkBox(image);
  ASSERT_TRUE(box);
  // The cell's top-left is at (10, 10): the letter's ink starts a pixel or
  // two to the right and below it (side bearing, internal leading), and its
  // foot stands on the baseline, ascent pixels lower.
  EXPECT_GE(box->left(), 10);
  EXPECT_LE(box->left(), 13);
  EXPECT_GE(box->top(), 10);
  EXPECT_LE(box->top(), 16);
  EXPECT_EQ(box->bottom(), 10 + ascent - 1);
}

TEST_F(QtPainterDCTest, TextAlignmentsAndOpaqueBackground) {
  QImage image = Canvas(300, 100);
  Size extent;
  {
    QtPainterDC dc(image);
    dc.SelectFont(Arial(-16));
    extent = dc.GetTextExtent("Page 3");
    dc.SetBkColor(RGB(255, 255, 0));
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(20, 10, "Page 3");  // opaque: the whole cell turns yellow
    dc.SetTextAlign(TextAlign{HAlign::Right, VAlign::Baseline});
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(280, 80, "HELP 3");  // no descenders
  }
  const auto yellow = InkBox(image, qRgb(255, 255, 0));
  ASSERT_TRUE(yellow);
  EXPECT_EQ(yellow->left(), 20);
  EXPECT_EQ(yellow->top(), 10);
  EXPECT_EQ(yellow->width(), extent.cx);
  EXPECT_EQ(yellow->height(), extent.cy);
  // Right/baseline: ink ends left of x = 280 and stands on y = 80, no yellow.
  const QImage lower = image.copy(0, 50, 300, 50);
  const auto ink = InkBox(lower, qRgb(0, 0, 255));
  ASSERT_TRUE(ink);
  EXPECT_LE(ink->right(), 279);
  EXPECT_GE(ink->right(), 275);
  EXPECT_EQ(ink->bottom() + 50, 79);
  EXPECT_FALSE(InkBox(lower, qRgb(255, 255, 0)));
}

TEST_F(QtPainterDCTest, RectangleExcludesRightAndBottomEdge) {
  QImage image = Canvas(40, 40);
  {
    QtPainterDC dc(image);
    dc.SelectPen(Pen::Solid(1, RGB(255, 0, 0)));
    dc.SelectBrush(Brush::Solid(RGB(0, 0, 255)));
    dc.Rectangle(5, 5, 15, 12);
    dc.FillRect(Rect{20, 20, 30, 25}, Brush::Solid(RGB(0, 255, 0)));
    dc.SelectPen(Pen::Null());
    dc.Rectangle(Rect{30, 35, 20, 30});  // corners in any order
  }
  const auto red = InkBox(image, qRgb(255, 0, 0));
  ASSERT_TRUE(red);
  EXPECT_EQ(*red, QRect(QPoint(5, 5), QPoint(14, 11)));
  EXPECT_EQ(InkBox(image, qRgb(0, 0, 255)).value_or(QRect()), QRect(QPoint(6, 6), QPoint(13, 10)) | QRect(QPoint(20, 30), QPoint(29, 34)));
  EXPECT_EQ(CountColor(image, qRgb(0, 0, 255)), 8 * 5 + 10 * 5);
  EXPECT_EQ(InkBox(image, qRgb(0, 255, 0)).value_or(QRect()), QRect(QPoint(20, 20), QPoint(29, 24)));
}

TEST_F(QtPainterDCTest, LinesLeaveOutTheEndPixelAndWidePensAreRound) {
  QImage image = Canvas(60, 60);
  {
    QtPainterDC dc(image);
    dc.SelectPen(Pen::Solid(0, RGB(255, 0, 0)));
    dc.MoveTo(2, 2);
    dc.LineTo(12, 2);
    dc.SelectPen(Pen::Solid(9, RGB(0, 0, 255)));
    dc.MoveTo(20, 30);
    dc.LineTo(40, 30);
  }
  EXPECT_EQ(InkBox(image, qRgb(255, 0, 0)).value_or(QRect()), QRect(QPoint(2, 2), QPoint(11, 2)));
  const auto blue = InkBox(image, qRgb(0, 0, 255));
  ASSERT_TRUE(blue);
  // Round caps reach half the width past both ends ...
  EXPECT_LE(blue->left(), 16);
  EXPECT_GE(blue->right(), 43);
  // ... and are round: the corners of the square cap stay white.
  EXPECT_EQ(image.pixel(blue->left(), blue->top()), kWhiteRgb);
  EXPECT_EQ(image.pixel(blue->right(), blue->bottom()), kWhiteRgb);
  // No antialiasing: only pure blue and white.
  EXPECT_EQ(CountColor(image, qRgb(0, 0, 255)) + CountColor(image, qRgb(255, 0, 0)) + CountColor(image, kWhiteRgb),
            60 * 60);
}

TEST_F(QtPainterDCTest, SelfIntersectingPolygonFillsOddEven) {
  QImage image = Canvas(100, 100);
  {
    QtPainterDC dc(image);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(kBlack));
    // A five-pointed star drawn in one stroke: its centre pentagon is
    // enclosed twice and stays empty under the odd-even rule.
    const Point star[] = {{50, 5}, {79, 90}, {5, 37}, {95, 37}, {21, 90}};
    dc.Polygon(star);
    // Two overlapping squares as one outline: the overlap stays empty.
    const Point squares[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}};
    dc.Polygon(squares);
  }
  EXPECT_EQ(image.pixel(50, 52), kWhiteRgb);           // centre of the star
  EXPECT_NE(image.pixel(50, 20), kWhiteRgb);           // top point
  EXPECT_NE(image.pixel(20, 42), kWhiteRgb);           // left arm
  EXPECT_NE(image.pixel(5, 5), kWhiteRgb);             // first square only
  EXPECT_EQ(image.pixel(15, 15), kWhiteRgb);           // overlap
  EXPECT_NE(image.pixel(25, 25), kWhiteRgb);           // second square only
  EXPECT_EQ(image.pixel(30, 25), kWhiteRgb);           // right edge excluded
}

TEST_F(QtPainterDCTest, TwipsMappingKeepsTextUprightWithYUp) {
  // At 144 dpi a twip is a tenth of a pixel.
  QImage image = Canvas(300, 300);
  image.setDotsPerMeterX(5669);
  image.setDotsPerMeterY(5669);
  {
    QtPainterDC dc(image);
    ASSERT_EQ(dc.PixelsPerInchY(), 144);
    dc.SetMapMode(MapMode::Twips);
    dc.SetViewportOrg(Point{0, 0});
    dc.SelectFont(Arial(-400));  // 40 pixels
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(500, -1000, "T");  // top-left at pixel (50, 100)
    dc.SelectPen(Pen::Solid(20, RGB(255, 0, 0)));  // 2 pixels
    dc.MoveTo(0, -2500);
    dc.LineTo(2000, -2500);
    EXPECT_EQ(dc.GetTextExtent("T").cy, dc.LengthToLogicalY(QFontMetrics(dc.ToQFont(Arial(-400)), &image).height()));
  }
  const auto ink = InkBox(image, qRgb(0, 0, 0));
  ASSERT_TRUE(ink);
  EXPECT_GE(ink->left(), 50);
  EXPECT_LE(ink->left(), 54);
  EXPECT_GE(ink->top(), 100);
  EXPECT_LE(ink->top(), 110);
  // Upright: the bar of the T is on top (its first row is the widest).
  int topRow = 0, bottomRow = 0;
  for (int x = ink->left(); x <= ink->right(); ++x) {
    topRow += image.pixel(x, ink->top()) != kWhiteRgb;
    bottomRow += image.pixel(x, ink->bottom()) != kWhiteRgb;
  }
  EXPECT_GT(topRow, 3 * bottomRow);
  // y = -2500 twips is 250 pixels down; the pen is 2 pixels wide.
  const auto red = InkBox(image, qRgb(255, 0, 0));
  ASSERT_TRUE(red);
  EXPECT_GE(red->top(), 248);
  EXPECT_LE(red->bottom(), 251);
  EXPECT_EQ(red->height(), 2);
}

TEST_F(QtPainterDCTest, SymbolFaceDrawsGreekLetters) {
  Font symbol;
  symbol.face = "Symbol";
  symbol.height = -30;
  Font serif;
  serif.face = "Times New Roman";
  serif.height = -30;
  const auto draw = [](const Font& font, const char* text) {
    return RenderToImage(120, 50, kWhite, [&](DeviceContext& dc) {
      dc.SelectFont(font);
      dc.TextOut(5, 5, text);
    });
  };
  EXPECT_EQ(draw(symbol, "dfg"), draw(serif, "δφγ"));
  EXPECT_NE(draw(symbol, "dfg"), draw(serif, "dfg"));
}

// Pixels that are neither the paper nor the ink: the grey edges of
// antialiased letters.
int GreyPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) | 0xFF000000;
      count += p != 0xFFFFFFFF && p != 0xFF000000;
    }
  return count;
}

// "0.00" in the 8-point face of the tables: antialiased on the screen (a
// window, a pixmap, a preview's image), with hard edges on paper (any other
// image, printers and PDF files).
TEST_F(QtPainterDCTest, ScreenTextIsAntialiasedAndPaperTextIsNot) {
  Font table;
  table.face = "MS Sans Serif";
  table.height = -11;  // 8 points at 96 dpi
  const auto draw = [&](QPaintDevice& device, std::optional<bool> screen) {
    QtPainterDC dc(device);
    if (screen) dc.SetScreenText(*screen);
    dc.SelectFont(table);
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(2, 2, "0.00");
    return dc.ScreenText();
  };
  QPixmap window(40, 16);
  window.fill(Qt::white);
  EXPECT_TRUE(draw(window, std::nullopt));
  QImage paper = Canvas(40, 16);
  EXPECT_FALSE(draw(paper, std::nullopt));
  QImage preview = Canvas(40, 16);
  EXPECT_TRUE(draw(preview, true));
  const QImage screen = window.toImage();
  EXPECT_GT(GreyPixels(screen), 10);
  EXPECT_GT(GreyPixels(preview), 10);
  EXPECT_EQ(GreyPixels(paper), 0);
  EXPECT_GT(CountColor(paper, 0xFF000000), 10);
  // Enlarged, to look at: the hard-edged zeros as the screen showed them
  // before, and as it shows them now.
  const auto big = [](const QImage& image) { return image.scaled(image.size() * 8, Qt::IgnoreAspectRatio, Qt::FastTransformation); };
  testsupport::SaveShot(big(paper), "text_0.00_hard_edged");
  testsupport::SaveShot(big(screen), "text_0.00_antialiased");
}

// The print preview lays a page out as a printer does: a text measures the
// same at every zoom of the preview as on a 600-dpi printer, in the page's
// own units, so a label ends where it ends on paper.
TEST_F(QtPainterDCTest, ThePreviewMeasuresTextAsAPrinterDoes) {
  struct Measured final : PageSource {
    std::vector<int> widths;
    int PageCount() const override { return 1; }
    void DrawPage(DeviceContext& dc, int) override {
      dc.SetMapMode(MapMode::Twips);
      Font heading;
      heading.face = "Times New Roman";
      heading.height = 250;
      heading.weight = 700;
      dc.SelectFont(heading);
      widths.push_back(dc.GetTextExtent("Date and time of creating the input data file:").cx);
      dc.SelectFont(Arial(-200));
      widths.push_back(dc.GetTextExtent("H=6.00 m  0.00  12.50").cx);
    }
  };
  QImage printer(10, 10, QImage::Format_RGB32);
  printer.setDotsPerMeterX(static_cast<int>(std::lround(600 / 0.0254)));
  printer.setDotsPerMeterY(static_cast<int>(std::lround(600 / 0.0254)));
  Measured onPaper;
  {
    QtPainterDC dc(printer);
    onPaper.DrawPage(dc, 1);
  }
  PreviewPaper paper;
  for (int ppi : {40, 60, 96, 150}) {
    Measured shown;
    QtPrintPreviewWidget::RenderPage(shown, 1, ppi, paper);
    EXPECT_EQ(shown.widths, onPaper.widths) << ppi;
  }
}

TEST_F(QtPainterDCTest, PositiveHeightIsTheCellHeight) {
  QImage image = Canvas(10, 10);
  QtPainterDC dc(image);
  dc.SelectFont(Arial(40));
  const int cell = dc.GetTextExtent("Ag").cy;
  EXPECT_GE(cell, 39);
  EXPECT_LE(cell, 41);
  dc.SelectFont(Arial(-40));
  EXPECT_GT(dc.GetTextExtent("Ag").cy, 42);  // character height 40 plus leading
}

TEST_F(QtPainterDCTest, StretchImageFillsTheRectangle) {
  Image picture(2, 1);
  picture.SetPixel(0, 0, RGB(255, 0, 0));
  picture.SetPixel(1, 0, RGB(0, 0, 255));
  QImage image = Canvas(50, 50);
  {
    QtPainterDC dc(image);
    dc.StretchImage(Rect{10, 10, 30, 20}, picture);
    dc.StretchImage(Rect{0, 0, 40, 40}, Image());  // null: nothing
  }
  EXPECT_EQ(InkBox(image, qRgb(255, 0, 0)).value_or(QRect()), QRect(QPoint(10, 10), QPoint(19, 19)));
  EXPECT_EQ(InkBox(image, qRgb(0, 0, 255)).value_or(QRect()), QRect(QPoint(20, 10), QPoint(29, 19)));
}

TEST_F(QtPainterDCTest, ExtremeCoordinatesDrawOnlyWhatIsVisibleAndQuickly) {
  QImage image = Canvas(100, 100);
  const auto start = std::chrono::steady_clock::now();
  {
    QtPainterDC dc(image);
    dc.SelectPen(Pen::Solid(3, kBlack));
    dc.SelectBrush(Brush::Solid(RGB(0, 255, 0)));
    const Point huge[] = {MakePoint(-1e300, -1e300), MakePoint(1e300, 50), MakePoint(std::nan(""), 1e300)};
    dc.Polygon(huge);
    dc.Polyline(huge);
    dc.Ellipse(-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit);
    dc.Rectangle(-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit);
    dc.MoveTo(-kCoordLimit, 10);
    dc.LineTo(kCoordLimit, 10);
    Font big = Arial(-kCoordLimit);
    dc.SelectFont(big);
    dc.TextOut(0, 0, "x");
    dc.StretchImage(Rect{-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit}, Image(2, 2));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(QtPainterDCTest, BorrowedPainterGetsItsStateBack) {
  QImage image = Canvas(20, 20);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(Qt::green, 4));
  {
    QtPainterDC dc(painter);
    EXPECT_EQ(dc.DeviceSize(), (Size{20, 20}));
    dc.SelectPen(Pen::Solid(1, RGB(255, 0, 0)));
    dc.Rectangle(0, 0, 5, 5);
  }
  EXPECT_TRUE(painter.renderHints() & QPainter::Antialiasing);
  EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
  EXPECT_EQ(painter.pen().width(), 4);
  painter.end();
  EXPECT_EQ(image.pixel(4, 4) | 0xFF000000, qRgb(255, 0, 0));
}

TEST_F(QtPainterDCTest, ImageConversionsKeepPixels) {
  Image picture(3, 2, RGB(10, 20, 30));
  picture.SetPixel(2, 1, RGB(200, 100, 0));
  const QImage q = ToQImage(picture);
  EXPECT_EQ(q.pixel(2, 1) | 0xFF000000, qRgb(200, 100, 0));
  EXPECT_EQ(FromQImage(q), picture);
  QImage alpha(1, 1, QImage::Format_ARGB32);
  alpha.fill(qRgba(0, 0, 0, 0));
  EXPECT_EQ(FromQImage(alpha).Pixel(0, 0), kWhite);
  EXPECT_TRUE(FromQImage(QImage()).IsNull());
  EXPECT_TRUE(ToQImage(Image()).isNull());
  EXPECT_TRUE(RenderToImage(0, 10, kWhite, nullptr).IsNull());
}

}  // namespace
}  // namespace tervane::fw
