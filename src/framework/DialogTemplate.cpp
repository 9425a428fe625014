#include "framework/DialogTemplate.h"

#include <cmath>

namespace tervane::fw {

const ControlTemplate* DialogTemplate::Find(int id) const {
  for (const ControlTemplate& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

int DialogTemplate::DefaultButtonId() const {
  for (const ControlTemplate& c : controls)
    if (c.kind == ControlKind::DefaultPushButton) return c.id;
  return IDOK;
}

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton ||
         kind == ControlKind::BitmapPushButton;
}

bool IsRadio(ControlKind kind) { return kind == ControlKind::Radio || kind == ControlKind::PushLikeRadio; }

bool IsCheckBox(ControlKind kind) { return kind == ControlKind::CheckBox || kind == ControlKind::PushLikeCheckBox; }

bool IsEditLike(const ControlTemplate& control) {
  return control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit ||
         (control.kind == ControlKind::ComboBox && (control.flags & kComboEditable) != 0);
}

std::vector<int> RadioGroupOf(const DialogTemplate& tmpl, int id) {
  const auto& cs = tmpl.controls;
  std::size_t at = cs.size();
  for (std::size_t i = 0; i < cs.size(); ++i) {
    if (cs[i].id == id) {
      at = i;
      break;
    }
  }
  if (at == cs.size() || !IsRadio(cs[at].kind)) return {};
  std::size_t first = at;
  while (first > 0 && (cs[first].flags & kGroup) == 0 && IsRadio(cs[first - 1].kind)) --first;
  std::vector<int> group;
  for (std::size_t i = first; i < cs.size(); ++i) {
    if (i > first && ((cs[i].flags & kGroup) != 0 || !IsRadio(cs[i].kind))) break;
    group.push_back(cs[i].id);
  }
  return group;
}

namespace {

// Pixels per dialog unit of an 8-point dialog at scale 1.
constexpr double kPixelsPerUnitX = 1.5;
constexpr double kPixelsPerUnitY = 1.625;

int ToPixel(double units, double factor) {
  const double v = std::floor(units * factor);
  if (std::isnan(v)) return 0;
  if (v < -1e9) return -1000000000;
  if (v > 1e9) return 1000000000;
  return static_cast<int>(v);
}

}  // namespace

Rect DialogUnitsToPixels(const DialogFont& font, double scaleFactor, int x, int y, int width,
                         int height) {
  const double points = font.pointSize > 0 ? font.pointSize : 8;
  const double scale = (std::isfinite(scaleFactor) && scaleFactor > 0) ? scaleFactor : 1.0;
  const double fx = kPixelsPerUnitX * points / 8.0 * scale;
  const double fy = kPixelsPerUnitY * points / 8.0 * scale;
  const double x0 = x, y0 = y;
  const double x1 = x0 + width, y1 = y0 + height;
  return Rect{ToPixel(x0, fx), ToPixel(y0, fy), ToPixel(x1, fx), ToPixel(y1, fy)};
}

Size DialogClientSize(const DialogTemplate& tmpl, double scaleFactor) {
  const Rect r = DialogUnitsToPixels(tmpl.font, scaleFactor, 0, 0, tmpl.width, tmpl.height);
  return Size{r.Width(), r.Height()};
}

Rect ControlRect(const DialogTemplate& tmpl, const ControlTemplate& control, double scaleFactor) {
  return DialogUnitsToPixels(tmpl.font, scaleFactor, control.x, control.y, control.width, control.height);
}

}  // namespace tervane::fw
