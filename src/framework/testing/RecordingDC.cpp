#include "framework/testing/RecordingDC.h"

#include "framework/Image.h"
#include "framework/Text.h"

namespace tervane::fw {

namespace {

std::string Coords(Point p) { return Format("%d %d", p.x, p.y); }
std::string Coords(const Rect& r) { return Format("%d %d %d %d", r.left, r.top, r.right, r.bottom); }

std::string PointList(std::span<const Point> points) {
  std::string out = Format("%zu", points.size());
  for (const Point& p : points) out += Format(" (%d,%d)", p.x, p.y);
  return out;
}

const char* Name(BkMode mode) { return mode == BkMode::Opaque ? "opaque" : "transparent"; }
const char* Name(MapMode mode) { return mode == MapMode::Text ? "text" : "twips"; }
const char* Name(HAlign align) {
  switch (align) {
    case HAlign::Left: return "left";
    case HAlign::Center: return "center";
    case HAlign::Right: return "right";
  }
  return "left";
}
const char* Name(VAlign align) { return align == VAlign::Top ? "top" : "baseline"; }

}  // namespace

std::string RecordingDC::Describe(ColorRef color) { return Format("RGB(%d,%d,%d)", color.r, color.g, color.b); }

std::string RecordingDC::Describe(const Pen& pen) {
  if (pen.style == PenStyle::Null) return "null";
  return Format("solid %d ", pen.width) + Describe(pen.color);
}

std::string RecordingDC::Describe(const Brush& brush) {
  if (brush.style == BrushStyle::Hollow) return "hollow";
  return "solid " + Describe(brush.color);
}

std::string RecordingDC::Describe(const Font& font) {
  return Quote(font.face) +
         Format(" height=%d weight=%d italic=%d charset=%d", font.height, font.weight, font.italic ? 1 : 0,
                font.charSet);
}

std::string RecordingDC::Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      out += Format("\\x%02X", byte);
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

RecordingDC::RecordingDC() : RecordingDC(Options{}) {}

RecordingDC::RecordingDC(const Options& options)
    : DeviceContextBase(options.dpiX, options.dpiY, options.deviceSize), printer_(options.printer) {
  DeviceContextBase::SetMapMode(options.mapMode);
}

std::string RecordingDC::Text() const {
  std::string out;
  for (const std::string& line : lines_) {
    out += line;
    out += '\n';
  }
  return out;
}

Pen RecordingDC::SelectPen(const Pen& pen) {
  Record("SelectPen " + Describe(pen));
  return DeviceContextBase::SelectPen(pen);
}

Brush RecordingDC::SelectBrush(const Brush& brush) {
  Record("SelectBrush " + Describe(brush));
  return DeviceContextBase::SelectBrush(brush);
}

Font RecordingDC::SelectFont(const Font& font) {
  Record("SelectFont " + Describe(font));
  return DeviceContextBase::SelectFont(font);
}

ColorRef RecordingDC::SetTextColor(ColorRef color) {
  Record("SetTextColor " + Describe(color));
  return DeviceContextBase::SetTextColor(color);
}

ColorRef RecordingDC::SetBkColor(ColorRef color) {
  Record("SetBkColor " + Describe(color));
  return DeviceContextBase::SetBkColor(color);
}

BkMode RecordingDC::SetBkMode(BkMode mode) {
  Record(std::string("SetBkMode ") + Name(mode));
  return DeviceContextBase::SetBkMode(mode);
}

TextAlign RecordingDC::SetTextAlign(TextAlign align) {
  Record(std::string("SetTextAlign ") + Name(align.horizontal) + " " + Name(align.vertical));
  return DeviceContextBase::SetTextAlign(align);
}

MapMode RecordingDC::SetMapMode(MapMode mode) {
  Record(std::string("SetMapMode ") + Name(mode));
  return DeviceContextBase::SetMapMode(mode);
}

Point RecordingDC::SetWindowOrg(Point origin) {
  Record("SetWindowOrg " + Coords(origin));
  return DeviceContextBase::SetWindowOrg(origin);
}

Point RecordingDC::SetViewportOrg(Point origin) {
  Record("SetViewportOrg " + Coords(origin));
  return DeviceContextBase::SetViewportOrg(origin);
}

void RecordingDC::Save() {
  Record("Save");
  DeviceContextBase::Save();
}

bool RecordingDC::Restore() {
  const bool restored = DeviceContextBase::Restore();
  Record(restored ? "Restore" : "Restore -> refused");
  return restored;
}

Point RecordingDC::MoveTo(Point to) {
  Record("MoveTo " + Coords(to));
  return DeviceContextBase::MoveTo(to);
}

void RecordingDC::LineTo(Point to) {
  Record("LineTo " + Coords(to));
  DeviceContextBase::MoveTo(to);
}

void RecordingDC::Polyline(std::span<const Point> points) { Record("Polyline " + PointList(points)); }

void RecordingDC::Polygon(std::span<const Point> points) { Record("Polygon " + PointList(points)); }

void RecordingDC::Rectangle(const Rect& rect) { Record("Rectangle " + Coords(rect)); }

void RecordingDC::Ellipse(const Rect& box) { Record("Ellipse " + Coords(box)); }

void RecordingDC::FillRect(const Rect& rect, const Brush& brush) {
  Record("FillRect " + Coords(rect) + " " + Describe(brush));
}

void RecordingDC::TextOut(Point at, std::string_view utf8) { Record("TextOut " + Coords(at) + " " + Quote(utf8)); }

Size RecordingDC::GetTextExtent(std::string_view utf8) {
  const Font font = CurrentFont();
  int cell = font.height < 0 ? -font.height : font.height;
  if (font.height == 0) cell = LengthToLogicalY(MulDiv(8, PixelsPerInchY(), 72));
  const int perChar = (cell + 1) / 2;
  const Size extent{static_cast<int>(Utf8Length(utf8)) * perChar, cell};
  Record("GetTextExtent " + Quote(utf8) + Format(" -> %d %d", extent.cx, extent.cy));
  return extent;
}

void RecordingDC::StretchImage(const Rect& dest, const Image& image) {
  Record("StretchImage " + Coords(dest) + " " +
         (image.IsNull() ? std::string("null") : Format("%dx%d", image.Width(), image.Height())));
}

bool RecordingDC::RecordJob(std::string line, bool accepted) {
  if (!accepted) line += " -> refused";
  Record(std::move(line));
  return accepted;
}

bool RecordingDC::StartDoc(std::string_view documentName) {
  const bool ok = printer_ && !inDoc_;
  if (ok) inDoc_ = true;
  return RecordJob("StartDoc " + Quote(documentName), ok);
}

bool RecordingDC::StartPage() {
  const bool ok = inDoc_ && !inPage_;
  if (ok) inPage_ = true;
  return RecordJob("StartPage", ok);
}

bool RecordingDC::EndPage() {
  const bool ok = inPage_;
  if (ok) {
    inPage_ = false;
    ++pagesPrinted_;
  }
  return RecordJob("EndPage", ok);
}

bool RecordingDC::EndDoc() {
  const bool ok = inDoc_ && !inPage_;
  if (ok) inDoc_ = false;
  return RecordJob("EndDoc", ok);
}

void RecordingDC::AbortDoc() {
  Record("AbortDoc");
  inDoc_ = false;
  inPage_ = false;
}

}  // namespace tervane::fw
