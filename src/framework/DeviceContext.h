#pragma once
// The device context: the one painting interface of the program, for screen
// windows, bitmaps, printers, PDF files and tests.
//
// Semantics (the same in every implementation):
// - Logical coordinates are ints. Painting code that computes doubles turns
//   them into coordinates with ToDeviceCoord (or MakePoint), never by a cast.
// - Mapping modes: Text (one logical unit per device pixel, y down) and Twips
//   (1440 logical units per inch, y up). The mapping is
//     device = (logical - windowOrg) * scale + viewportOrg
//   with scale 1 in Text mode and (dpiX / 1440, -dpiY / 1440) in Twips mode,
//   rounded to the nearest pixel. Implementations map the points themselves;
//   text is never mirrored.
// - Drawing objects are values: Select* installs one and returns the one it
//   replaced, so "select, draw, select back the previous" restores the device
//   as it was found. There is nothing to delete.
// - A fresh device context holds: black solid pen of width 0 (one pixel),
//   white solid brush, the default font (MS Sans Serif, height 0 = 8 points),
//   black text, white opaque background, text aligned top-left, Text mapping,
//   both origins at (0, 0), current position (0, 0).
// - Pen widths and font heights are logical units. A pen width of 0 or one
//   that maps to less than a pixel draws one pixel wide. Wide pens have round
//   caps and joins.
// - Rectangle, Ellipse and FillRect exclude the right and bottom edge (in
//   device space, after mapping and ordering the corners). Polygons fill by the
//   odd-even rule. LineTo does not draw the end pixel of a one-pixel line.
// - TextOut places the text by its alignment: by default the given point is
//   the top-left corner of the text's cell, and the cell is first filled with
//   the background colour when the background mode is opaque.
// - Fonts: Font::height < 0 is the character height, > 0 the cell height
//   (character height plus internal leading), 0 the default size; faces are
//   resolved by ResolveFont. Text drawn in the "Symbol" face shows the Greek
//   letters that face shows for the Latin ones (MapSymbolText).
// - No antialiasing anywhere.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tervane::fw {

class Image;

// ---------------------------------------------------------------------------
// Coordinates

// Coordinates are saturated to +-kCoordLimit: far beyond any window or page,
// yet small enough that sums, differences and the twips scaling of any two
// coordinates stay inside int.
inline constexpr int kCoordLimit = (1 << 27) - 1;

// A double as a coordinate: truncated toward zero, saturated to
// [-kCoordLimit, kCoordLimit]; NaN gives 0. The one conversion every painter
// uses.
int ToDeviceCoord(double value);

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Corners as given; left/top is the first corner, right/bottom the second.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A point computed in doubles, converted by ToDeviceCoord.
Point MakePoint(double x, double y);

// number * numerator / denominator with a 64-bit intermediate, rounded to the
// nearest int (halves away from zero); -1 when the denominator is 0 or the
// result does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

// ---------------------------------------------------------------------------
// Colours

struct ColorRef {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // The only conversion from and to Windows colour values 0x00BBGGRR; the
  // top byte is ignored.
  static constexpr ColorRef FromWindows(std::uint32_t bgr) {
    return ColorRef{static_cast<std::uint8_t>(bgr & 0xFFu),
                    static_cast<std::uint8_t>((bgr >> 8) & 0xFFu),
                    static_cast<std::uint8_t>((bgr >> 16) & 0xFFu)};
  }
  constexpr std::uint32_t ToWindows() const {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
  }
  friend constexpr bool operator==(const ColorRef&, const ColorRef&) = default;
};

// A colour from its components; each keeps its low 8 bits.
constexpr ColorRef RGB(int r, int g, int b) {
  return ColorRef{static_cast<std::uint8_t>(r & 0xFF), static_cast<std::uint8_t>(g & 0xFF),
                  static_cast<std::uint8_t>(b & 0xFF)};
}

inline constexpr ColorRef kBlack = RGB(0, 0, 0);
inline constexpr ColorRef kWhite = RGB(255, 255, 255);

// ---------------------------------------------------------------------------
// Drawing objects (values)

enum class PenStyle { Solid, Null };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 0;  // logical units; 0 is one pixel
  ColorRef color = kBlack;

  static Pen Solid(int width, ColorRef color) { return Pen{PenStyle::Solid, width, color}; }
  static Pen Null() { return Pen{PenStyle::Null, 0, kBlack}; }
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  ColorRef color = kWhite;

  static Brush Solid(ColorRef color) { return Brush{BrushStyle::Solid, color}; }
  static Brush Hollow() { return Brush{BrushStyle::Hollow, kBlack}; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;
inline constexpr int kAnsiCharSet = 0;
inline constexpr int kSymbolCharSet = 2;
inline constexpr int kBalticCharSet = 186;
inline constexpr int kRussianCharSet = 204;

struct Font {
  std::string face = "MS Sans Serif";
  int height = 0;  // logical units: < 0 character height, > 0 cell height, 0 default
  int weight = kFontWeightNormal;
  bool italic = false;
  int charSet = kAnsiCharSet;
  friend bool operator==(const Font&, const Font&) = default;
};

// What a face name stands for on this system.
struct ResolvedFont {
  std::string family;   // an installed family, e.g. "Liberation Sans"
  bool bold = false;    // weight >= 600 or a face name ending in " Bold"
  bool italic = false;
  bool symbol = false;  // the "Symbol" face: text goes through MapSymbolText
  friend bool operator==(const ResolvedFont&, const ResolvedFont&) = default;
};

// "Arial", "MS Sans Serif" and any unknown face map to Liberation Sans; "Times
// New Roman" (with its " Baltic" and " Cyr" variants) and "Symbol" to
// Liberation Serif. A trailing " Bold" is removed and makes the font bold.
// Face names compare without regard to case, as the system's fonts do.
ResolvedFont ResolveFont(const Font& font);

// The Greek letters the Symbol face shows for Latin letters (a alpha, b beta,
// d delta, f phi, g gamma, ... upper case likewise); every other character
// passes unchanged. Input and output are UTF-8.
std::string MapSymbolText(std::string_view utf8);

// ---------------------------------------------------------------------------
// Attributes

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Baseline };

struct TextAlign {
  HAlign horizontal = HAlign::Left;
  VAlign vertical = VAlign::Top;
  friend bool operator==(const TextAlign&, const TextAlign&) = default;
};

enum class BkMode { Opaque, Transparent };
enum class MapMode { Text, Twips };

// ---------------------------------------------------------------------------
// The interface

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  // Drawing objects: each returns the object it replaced.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(const Brush& brush) = 0;
  virtual Font SelectFont(const Font& font) = 0;
  virtual Pen CurrentPen() const = 0;
  virtual Brush CurrentBrush() const = 0;
  virtual Font CurrentFont() const = 0;

  // Attributes: each setter returns the previous value.
  virtual ColorRef SetTextColor(ColorRef color) = 0;
  virtual ColorRef SetBkColor(ColorRef color) = 0;
  virtual BkMode SetBkMode(BkMode mode) = 0;
  virtual TextAlign SetTextAlign(TextAlign align) = 0;
  virtual ColorRef TextColor() const = 0;
  virtual ColorRef BkColor() const = 0;
  virtual BkMode GetBkMode() const = 0;
  virtual TextAlign GetTextAlign() const = 0;

  // Mapping. The window origin is logical, the viewport origin in device pixels.
  virtual MapMode SetMapMode(MapMode mode) = 0;
  virtual Point SetWindowOrg(Point origin) = 0;
  virtual Point SetViewportOrg(Point origin) = 0;
  virtual MapMode GetMapMode() const = 0;
  virtual Point WindowOrg() const = 0;
  virtual Point ViewportOrg() const = 0;
  virtual Point LogicalToDevice(Point logical) const = 0;
  virtual Point DeviceToLogical(Point device) const = 0;

  // The device: resolution in pixels per inch, and the size of the drawing
  // surface (a printer's printable area) in device pixels.
  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;
  virtual Size DeviceSize() const = 0;

  // Saves objects, attributes, mapping and current position; Restore brings
  // back the most recent save and returns false when there is none.
  virtual void Save() = 0;
  virtual bool Restore() = 0;

  // Drawing.
  virtual Point MoveTo(Point to) = 0;  // returns the previous position
  virtual void LineTo(Point to) = 0;   // current pen; moves the position
  virtual void Polyline(std::span<const Point> points) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;  // pen + brush, odd-even
  virtual void Rectangle(const Rect& rect) = 0;             // pen + brush
  virtual void Ellipse(const Rect& box) = 0;                // pen + brush
  virtual void FillRect(const Rect& rect, const Brush& brush) = 0;  // no outline
  virtual void TextOut(Point at, std::string_view utf8) = 0;
  // Width and height of the text's cell in logical units with the current font.
  virtual Size GetTextExtent(std::string_view utf8) = 0;
  // The image stretched into the rectangle (right and bottom edge excluded).
  virtual void StretchImage(const Rect& dest, const Image& image) = 0;

  // Print jobs. Devices that cannot print return false and ignore the rest.
  // Drawing on a printer goes between StartPage and EndPage.
  virtual bool StartDoc(std::string_view documentName) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
  virtual void AbortDoc() = 0;
  // Why the last print job failed, when the device knows more than that it
  // failed (a PDF file that could not be written); empty otherwise.
  virtual std::string JobError() const { return {}; }

  // Conveniences over the operations above.
  Point MoveTo(int x, int y) { return MoveTo(Point{x, y}); }
  void LineTo(int x, int y) { LineTo(Point{x, y}); }
  void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect{left, top, right, bottom}); }
  void Ellipse(int left, int top, int right, int bottom) { Ellipse(Rect{left, top, right, bottom}); }
  void TextOut(int x, int y, std::string_view utf8) { TextOut(Point{x, y}, utf8); }
};

// The Font::height of a font of the given size in tenths of a point on this
// device, in its current mapping (a character height, so negative): 80 tenths
// on a 96-dpi screen give -11, on a 600-dpi printer -67 (-161 in twips there).
int PointFontHeight(const DeviceContext& dc, int tenthsOfPoint);

// ---------------------------------------------------------------------------
// Shared state of the implementations: objects, attributes, mapping, current
// position and the save stack, with the mapping arithmetic. An implementation
// derives from DeviceContextBase and adds the drawing.

struct DcState {
  Pen pen;
  Brush brush;
  Font font;
  ColorRef textColor = kBlack;
  ColorRef bkColor = kWhite;
  BkMode bkMode = BkMode::Opaque;
  TextAlign textAlign;
  MapMode mapMode = MapMode::Text;
  Point windowOrg;
  Point viewportOrg;
  Point position;
};

class DeviceContextBase : public DeviceContext {
 public:
  using DeviceContext::Ellipse;
  using DeviceContext::LineTo;
  using DeviceContext::MoveTo;
  using DeviceContext::Rectangle;
  using DeviceContext::TextOut;

  // dpi values below 1 are taken as 96.
  DeviceContextBase(int dpiX, int dpiY, Size deviceSize);

  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  Font SelectFont(const Font& font) override;
  Pen CurrentPen() const override { return state_.pen; }
  Brush CurrentBrush() const override { return state_.brush; }
  Font CurrentFont() const override { return state_.font; }

  ColorRef SetTextColor(ColorRef color) override;
  ColorRef SetBkColor(ColorRef color) override;
  BkMode SetBkMode(BkMode mode) override;
  TextAlign SetTextAlign(TextAlign align) override;
  ColorRef TextColor() const override { return state_.textColor; }
  ColorRef BkColor() const override { return state_.bkColor; }
  BkMode GetBkMode() const override { return state_.bkMode; }
  TextAlign GetTextAlign() const override { return state_.textAlign; }

  MapMode SetMapMode(MapMode mode) override;
  Point SetWindowOrg(Point origin) override;
  Point SetViewportOrg(Point origin) override;
  MapMode GetMapMode() const override { return state_.mapMode; }
  Point WindowOrg() const override { return state_.windowOrg; }
  Point ViewportOrg() const override { return state_.viewportOrg; }
  Point LogicalToDevice(Point logical) const override;
  Point DeviceToLogical(Point device) const override;

  int PixelsPerInchX() const override { return dpiX_; }
  int PixelsPerInchY() const override { return dpiY_; }
  Size DeviceSize() const override { return deviceSize_; }

  void Save() override;
  bool Restore() override;

  Point MoveTo(Point to) override;

  bool StartDoc(std::string_view documentName) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;
  void AbortDoc() override;

  // Device-space helpers for implementations.
  // A logical length along x or y in device pixels (absolute value, rounded).
  int LengthToDeviceX(int logical) const;
  int LengthToDeviceY(int logical) const;
  // A device length along x or y in logical units (absolute value, rounded).
  int LengthToLogicalX(int device) const;
  int LengthToLogicalY(int device) const;
  // The pen's width in device pixels, at least 1.
  int PenWidthDevice(const Pen& pen) const;
  // The font's height in device pixels: negative character height, positive
  // cell height; the default size (0) becomes an 8-point character height.
  int FontHeightDevice(const Font& font) const;
  // Both corners mapped and ordered: left <= right, top <= bottom.
  Rect RectToDevice(const Rect& logical) const;

  const DcState& State() const { return state_; }

 protected:
  void SetDeviceSize(Size size) { deviceSize_ = size; }
  void SetResolution(int dpiX, int dpiY);

 private:
  DcState state_;
  std::vector<DcState> saved_;
  int dpiX_ = 96;
  int dpiY_ = 96;
  Size deviceSize_;
};

}  // namespace tervane::fw
