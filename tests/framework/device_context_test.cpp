#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/testing/RecordingDC.h"
#include "support/NumericLocale.h"

namespace tervane::fw {
namespace {

TEST(ToDeviceCoordTest, TruncatesTowardZeroAndSaturates) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int expected;
  } cases[] = {
      {0.0, 0},
      {1.9, 1},
      {-1.9, -1},
      {0.999999, 0},
      {-0.5, 0},
      {123456.7, 123456},
      {std::nan(""), 0},
      {1e300, kCoordLimit},
      {-1e300, -kCoordLimit},
      {inf, kCoordLimit},
      {-inf, -kCoordLimit},
      {static_cast<double>(kCoordLimit) + 0.5, kCoordLimit},
      {static_cast<double>(kCoordLimit) - 0.5, kCoordLimit - 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToDeviceCoord(c.value), c.expected) << c.value;
  }
  EXPECT_EQ(MakePoint(10.7, -3.2), (Point{10, -3}));
  // Sums of two saturated coordinates still fit in an int.
  EXPECT_GT(static_cast<long long>(kCoordLimit) * 2, 0);
  EXPECT_LE(static_cast<long long>(kCoordLimit) * 2, std::numeric_limits<int>::max());
}

TEST(MulDivTest, RoundsToNearestAndReportsFailure) {
  EXPECT_EQ(MulDiv(14, 600, 72), 117);  // 116.67
  EXPECT_EQ(MulDiv(14, 96, 72), 19);    // 18.67
  EXPECT_EQ(MulDiv(8, 96, 72), 11);     // 10.67
  EXPECT_EQ(MulDiv(1, 3, 2), 2);        // halves away from zero
  EXPECT_EQ(MulDiv(-1, 3, 2), -2);
  EXPECT_EQ(MulDiv(1, 3, -2), -2);
  EXPECT_EQ(MulDiv(5, 7, 0), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 4, 2), -1);
  EXPECT_EQ(MulDiv(std::numeric_limits<int>::max(), 4, 4), std::numeric_limits<int>::max());
}

TEST(ColorRefTest, WindowsValuesAreBlueGreenRed) {
  EXPECT_EQ(ColorRef::FromWindows(0x000000FF), RGB(255, 0, 0));
  EXPECT_EQ(ColorRef::FromWindows(0x0000FF00), RGB(0, 255, 0));
  EXPECT_EQ(ColorRef::FromWindows(0x00FF0000), RGB(0, 0, 255));
  EXPECT_EQ(ColorRef::FromWindows(0x00332211), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(ColorRef::FromWindows(0xFF332211), RGB(0x11, 0x22, 0x33));  // top byte ignored
  EXPECT_EQ(RGB(255, 80, 80).ToWindows(), 0x005050FFu);
  EXPECT_EQ(RGB(222, 222, 222).ToWindows(), 0x00DEDEDEu);
  EXPECT_EQ(RGB(0x1AB, -1, 0).ToWindows(), 0x0000FFABu);  // low 8 bits of each component
  for (std::uint32_t value : {0x00000000u, 0x00FFFFFFu, 0x00123456u, 0x00F0E0D0u}) {
    EXPECT_EQ(ColorRef::FromWindows(value).ToWindows(), value);
  }
}

TEST(ResolveFontTest, MapsFacesToInstalledFamilies) {
  const struct {
    const char* face;
    int weight;
    const char* family;
    bool bold;
    bool symbol;
  } cases[] = {
      {"Arial", 400, "Liberation Sans", false, false},
      {"Arial Bold", 400, "Liberation Sans", true, false},
      {"arial bold", 400, "Liberation Sans", true, false},
      {"Arial", 700, "Liberation Sans", true, false},
      {"Arial", 599, "Liberation Sans", false, false},
      {"Arial", 600, "Liberation Sans", true, false},
      {"MS Sans Serif", 400, "Liberation Sans", false, false},
      {"Times New Roman", 400, "Liberation Serif", false, false},
      {"Times New Roman Baltic", 400, "Liberation Serif", false, false},
      {"Times New Roman Cyr", 400, "Liberation Serif", false, false},
      {"Times New Roman Cyr Bold", 400, "Liberation Serif", true, false},
      {"Symbol", 400, "Liberation Serif", false, true},
      {"Wingdings", 400, "Liberation Sans", false, false},
      {"", 400, "Liberation Sans", false, false},
      {"Bold", 400, "Liberation Sans", false, false},
      {"TIMES NEW ROMAN BALTIC BOLD", 400, "Liberation Serif", true, false},
      {"SYMBOL", 400, "Liberation Serif", false, true},
  };
  // Face names are compared in ASCII: under tr_TR the C library does not lower 'I'.
  for (const char* locale : testsupport::kDesktopLocales) {
    testsupport::ProcessLocale desktop(locale);
    if (!desktop.ok()) GTEST_SKIP() << locale << " is not installed (package locales-all)";
    for (const auto& c : cases) {
      Font font;
      font.face = c.face;
      font.weight = c.weight;
      const ResolvedFont resolved = ResolveFont(font);
      EXPECT_EQ(resolved.family, c.family) << locale << " " << c.face;
      EXPECT_EQ(resolved.bold, c.bold) << locale << " " << c.face << " " << c.weight;
      EXPECT_EQ(resolved.symbol, c.symbol) << locale << " " << c.face;
    }
  }
  Font italic;
  italic.italic = true;
  EXPECT_TRUE(ResolveFont(italic).italic);
}

TEST(MapSymbolTextTest, LatinLettersBecomeTheGreekTheSymbolFaceShows) {
  EXPECT_EQ(MapSymbolText("a"), "α");
  EXPECT_EQ(MapSymbolText("b"), "β");
  EXPECT_EQ(MapSymbolText("d"), "δ");
  EXPECT_EQ(MapSymbolText("f"), "φ");
  EXPECT_EQ(MapSymbolText("g"), "γ");
  EXPECT_EQ(MapSymbolText("q"), "θ");
  EXPECT_EQ(MapSymbolText("D"), "Δ");
  EXPECT_EQ(MapSymbolText("F"), "Φ");
  EXPECT_EQ(MapSymbolText("W"), "Ω");
  EXPECT_EQ(MapSymbolText("abgdfq"), "αβγδφθ");
  // Digits, punctuation, blanks and non-ASCII pass unchanged.
  EXPECT_EQ(MapSymbolText("f = 30 (°)"), "φ = 30 (°)");
  EXPECT_EQ(MapSymbolText(""), "");
}

TEST(DeviceContextBaseTest, SelectReturnsThePreviousAndRestoreGoesBack) {
  RecordingDC dc;
  const Pen original = dc.CurrentPen();
  EXPECT_EQ(original, (Pen{PenStyle::Solid, 0, kBlack}));
  EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(kWhite));
  EXPECT_EQ(dc.GetBkMode(), BkMode::Opaque);
  EXPECT_EQ(dc.GetTextAlign(), (TextAlign{HAlign::Left, VAlign::Top}));

  const Pen red = Pen::Solid(3, RGB(255, 0, 0));
  EXPECT_EQ(dc.SelectPen(red), original);
  EXPECT_EQ(dc.SelectPen(Pen::Null()), red);
  EXPECT_EQ(dc.SelectPen(original), Pen::Null());

  Font arial;
  arial.face = "Arial";
  arial.height = -250;
  const Font defaultFont = dc.SelectFont(arial);
  EXPECT_EQ(defaultFont.face, "MS Sans Serif");

  dc.Save();
  dc.SelectFont(Font{});
  dc.SetMapMode(MapMode::Twips);
  dc.SetBkMode(BkMode::Transparent);
  dc.MoveTo(5, 6);
  EXPECT_TRUE(dc.Restore());
  EXPECT_EQ(dc.CurrentFont(), arial);
  EXPECT_EQ(dc.GetMapMode(), MapMode::Text);
  EXPECT_EQ(dc.GetBkMode(), BkMode::Opaque);
  EXPECT_EQ(dc.MoveTo(0, 0), (Point{0, 0}));
  EXPECT_FALSE(dc.Restore());
}

TEST(DeviceContextBaseTest, TwipsMapYUpFromTheViewportOrigin) {
  RecordingDC::Options options;
  options.dpiX = 600;
  options.dpiY = 300;
  RecordingDC dc(options);
  EXPECT_EQ(dc.LogicalToDevice(Point{1440, 720}), (Point{1440, 720}));  // text: identity

  dc.SetMapMode(MapMode::Twips);
  EXPECT_EQ(dc.LogicalToDevice(Point{0, 0}), (Point{0, 0}));
  EXPECT_EQ(dc.LogicalToDevice(Point{1440, -1440}), (Point{600, 300}));
  EXPECT_EQ(dc.LogicalToDevice(Point{11200, -14480}), (Point{4667, 3017}));  // 4666.67, 3016.67
  EXPECT_EQ(dc.LogicalToDevice(Point{500, 100}), (Point{208, -21}));
  EXPECT_EQ(dc.DeviceToLogical(Point{600, 300}), (Point{1440, -1440}));
  EXPECT_EQ(dc.LengthToDeviceX(20), 8);   // 8.33
  EXPECT_EQ(dc.LengthToDeviceY(-250), 52);  // 52.08
  EXPECT_EQ(dc.PenWidthDevice(Pen::Solid(1, kBlack)), 1);  // less than a pixel: one pixel
  EXPECT_EQ(dc.FontHeightDevice(Font{"Arial", -250}), -52);
  EXPECT_EQ(dc.FontHeightDevice(Font{"Arial", 250}), 52);

  dc.SetViewportOrg(Point{100, 100});
  dc.SetWindowOrg(Point{0, -1440});
  EXPECT_EQ(dc.LogicalToDevice(Point{0, -1440}), (Point{100, 100}));
  EXPECT_EQ(dc.LogicalToDevice(Point{1440, -2880}), (Point{700, 400}));

  // Corners given top-down in twips come out ordered in device space.
  EXPECT_EQ(dc.RectToDevice(Rect{0, -1440, 1440, -2880}), (Rect{100, 100, 700, 400}));

  dc.SetMapMode(MapMode::Text);
  EXPECT_EQ(dc.LogicalToDevice(Point{0, -1440}), (Point{100, 100}));
  EXPECT_EQ(dc.LogicalToDevice(Point{10, -1430}), (Point{110, 110}));
}

TEST(DeviceContextBaseTest, DefaultFontIsEightPointsAndBadResolutionIsScreen) {
  RecordingDC::Options options;
  options.dpiX = 0;
  options.dpiY = -5;
  RecordingDC dc(options);
  EXPECT_EQ(dc.PixelsPerInchX(), 96);
  EXPECT_EQ(dc.PixelsPerInchY(), 96);
  EXPECT_EQ(dc.FontHeightDevice(Font{}), -11);
}

TEST(DeviceContextBaseTest, PointFontsFollowTheDevice) {
  RecordingDC screen;
  EXPECT_EQ(PointFontHeight(screen, 80), -11);  // 10.67 pixels
  RecordingDC::Options options;
  options.dpiY = 600;
  RecordingDC printer(options);
  EXPECT_EQ(PointFontHeight(printer, 80), -67);
  EXPECT_EQ(PointFontHeight(printer, 140), -117);
  printer.SetMapMode(MapMode::Twips);
  EXPECT_EQ(PointFontHeight(printer, 80), -161);  // 67 pixels are 160.8 twips
  EXPECT_EQ(PointFontHeight(printer, 0), 0);
  EXPECT_EQ(PointFontHeight(printer, 1), -2);  // the smallest visible font
}

TEST(DeviceContextBaseTest, ExtremeCoordinatesMapWithoutOverflow) {
  RecordingDC::Options options;
  options.dpiX = 2400;
  options.dpiY = 2400;
  options.mapMode = MapMode::Twips;
  RecordingDC dc(options);
  dc.SetViewportOrg(Point{kCoordLimit, -kCoordLimit});
  dc.SetWindowOrg(Point{-kCoordLimit, kCoordLimit});
  EXPECT_EQ(dc.LogicalToDevice(Point{kCoordLimit, -kCoordLimit}), (Point{kCoordLimit, kCoordLimit}));
  EXPECT_EQ(dc.LogicalToDevice(Point{-kCoordLimit, kCoordLimit}), (Point{kCoordLimit, -kCoordLimit}));
}

}  // namespace
}  // namespace tervane::fw
