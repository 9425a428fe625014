#include "framework/DeviceContext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

#include "framework/Text.h"

namespace tervane::fw {

int ToDeviceCoord(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(kCoordLimit)) return kCoordLimit;
  if (value <= -static_cast<double>(kCoordLimit)) return -kCoordLimit;
  return static_cast<int>(value);  // truncation toward zero
}

Point MakePoint(double x, double y) { return Point{ToDeviceCoord(x), ToDeviceCoord(y)}; }

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t den = denominator;
  if (den < 0) {
    den = -den;
    product = -product;
  }
  // Round half away from zero.
  const std::int64_t half = den / 2;
  const std::int64_t result = product >= 0 ? (product + half) / den : -((-product + half) / den);
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}

namespace {

bool StripSuffix(std::string& text, std::string_view suffix) {
  if (text.size() < suffix.size() || text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return false;
  }
  text.erase(text.size() - suffix.size());
  return true;
}

// The Greek letters the Symbol face shows at 'A'..'Z' and 'a'..'z'.
constexpr std::array<const char*, 26> kSymbolUpper = {
    "Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
    "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
constexpr std::array<const char*, 26> kSymbolLower = {
    "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
    "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};

}  // namespace

ResolvedFont ResolveFont(const Font& font) {
  ResolvedFont resolved;
  std::string face = AsciiLower(font.face);
  while (!face.empty() && face.back() == ' ') face.pop_back();
  while (!face.empty() && face.front() == ' ') face.erase(face.begin());
  const bool boldFace = StripSuffix(face, " bold");
  // Script variants of a face ("Times New Roman Baltic", "... Cyr") share its letters.
  if (!StripSuffix(face, " baltic")) StripSuffix(face, " cyr");

  if (face == "times new roman") {
    resolved.family = "Liberation Serif";
  } else if (face == "symbol") {
    resolved.family = "Liberation Serif";
    resolved.symbol = true;
  } else {
    // "Arial", "MS Sans Serif" and every face this system does not have.
    resolved.family = "Liberation Sans";
  }
  resolved.bold = boldFace || font.weight >= 600;
  resolved.italic = font.italic;
  return resolved;
}

std::string MapSymbolText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (char c : utf8) {
    if (c >= 'A' && c <= 'Z') {
      out += kSymbolUpper[static_cast<std::size_t>(c - 'A')];
    } else if (c >= 'a' && c <= 'z') {
      out += kSymbolLower[static_cast<std::size_t>(c - 'a')];
    } else {
      out += c;
    }
  }
  return out;
}

int PointFontHeight(const DeviceContext& dc, int tenthsOfPoint) {
  const int pixels = MulDiv(tenthsOfPoint < 0 ? -tenthsOfPoint : tenthsOfPoint, dc.PixelsPerInchY(), 720);
  if (pixels <= 0) return 0;
  const int logical = std::abs(dc.DeviceToLogical(Point{0, pixels}).y - dc.DeviceToLogical(Point{0, 0}).y);
  return -std::max(1, logical);
}

// ---------------------------------------------------------------------------

DeviceContextBase::DeviceContextBase(int dpiX, int dpiY, Size deviceSize) : deviceSize_(deviceSize) {
  SetResolution(dpiX, dpiY);
}

void DeviceContextBase::SetResolution(int dpiX, int dpiY) {
  dpiX_ = dpiX >= 1 ? dpiX : 96;
  dpiY_ = dpiY >= 1 ? dpiY : 96;
}

Pen DeviceContextBase::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DeviceContextBase::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Font DeviceContextBase::SelectFont(const Font& font) { return std::exchange(state_.font, font); }
ColorRef DeviceContextBase::SetTextColor(ColorRef color) { return std::exchange(state_.textColor, color); }
ColorRef DeviceContextBase::SetBkColor(ColorRef color) { return std::exchange(state_.bkColor, color); }
BkMode DeviceContextBase::SetBkMode(BkMode mode) { return std::exchange(state_.bkMode, mode); }
TextAlign DeviceContextBase::SetTextAlign(TextAlign align) { return std::exchange(state_.textAlign, align); }
MapMode DeviceContextBase::SetMapMode(MapMode mode) { return std::exchange(state_.mapMode, mode); }
Point DeviceContextBase::SetWindowOrg(Point origin) { return std::exchange(state_.windowOrg, origin); }
Point DeviceContextBase::SetViewportOrg(Point origin) { return std::exchange(state_.viewportOrg, origin); }
Point DeviceContextBase::MoveTo(Point to) { return std::exchange(state_.position, to); }

namespace {
// Device pixels per logical unit along x and y (negative: y up).
double ScaleX(MapMode mode, int dpiX) { return mode == MapMode::Twips ? dpiX / 1440.0 : 1.0; }
double ScaleY(MapMode mode, int dpiY) { return mode == MapMode::Twips ? -dpiY / 1440.0 : 1.0; }
int Round(double value) { return ToDeviceCoord(std::round(value)); }
}  // namespace

Point DeviceContextBase::LogicalToDevice(Point logical) const {
  const double x = (static_cast<double>(logical.x) - state_.windowOrg.x) * ScaleX(state_.mapMode, dpiX_) +
                   state_.viewportOrg.x;
  const double y = (static_cast<double>(logical.y) - state_.windowOrg.y) * ScaleY(state_.mapMode, dpiY_) +
                   state_.viewportOrg.y;
  return Point{Round(x), Round(y)};
}

Point DeviceContextBase::DeviceToLogical(Point device) const {
  const double x = (static_cast<double>(device.x) - state_.viewportOrg.x) / ScaleX(state_.mapMode, dpiX_) +
                   state_.windowOrg.x;
  const double y = (static_cast<double>(device.y) - state_.viewportOrg.y) / ScaleY(state_.mapMode, dpiY_) +
                   state_.windowOrg.y;
  return Point{Round(x), Round(y)};
}

int DeviceContextBase::LengthToDeviceX(int logical) const {
  return Round(std::fabs(logical * ScaleX(state_.mapMode, dpiX_)));
}
int DeviceContextBase::LengthToDeviceY(int logical) const {
  return Round(std::fabs(logical * ScaleY(state_.mapMode, dpiY_)));
}
int DeviceContextBase::LengthToLogicalX(int device) const {
  return Round(std::fabs(device / ScaleX(state_.mapMode, dpiX_)));
}
int DeviceContextBase::LengthToLogicalY(int device) const {
  return Round(std::fabs(device / ScaleY(state_.mapMode, dpiY_)));
}

int DeviceContextBase::PenWidthDevice(const Pen& pen) const {
  const int width = LengthToDeviceX(pen.width);
  return width < 1 ? 1 : width;
}

int DeviceContextBase::FontHeightDevice(const Font& font) const {
  if (font.height == 0) return -MulDiv(8, dpiY_, 72);
  int height = LengthToDeviceY(font.height);
  if (height < 1) height = 1;
  return font.height < 0 ? -height : height;
}

Rect DeviceContextBase::RectToDevice(const Rect& logical) const {
  const Point a = LogicalToDevice(Point{logical.left, logical.top});
  const Point b = LogicalToDevice(Point{logical.right, logical.bottom});
  return Rect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void DeviceContextBase::Save() { saved_.push_back(state_); }

bool DeviceContextBase::Restore() {
  if (saved_.empty()) return false;
  state_ = saved_.back();
  saved_.pop_back();
  return true;
}

bool DeviceContextBase::StartDoc(std::string_view) { return false; }
bool DeviceContextBase::StartPage() { return false; }
bool DeviceContextBase::EndPage() { return false; }
bool DeviceContextBase::EndDoc() { return false; }
void DeviceContextBase::AbortDoc() {}

}  // namespace tervane::fw
