#include "framework/qt/QtPainterDC.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPen>
#include <QPolygon>
#include <QString>

#include <cmath>
#include <map>
#include <vector>

#include "framework/Image.h"

namespace tervane::fw {

namespace {

QColor ToQColor(ColorRef color) { return QColor(color.r, color.g, color.b); }

// Cell height (ascent + descent) per pixel of em size, by family; GDI's
// positive font heights ask for a cell height.
double CellPerEm(const QString& family, bool bold, bool italic) {
  static std::map<QString, double> cache;
  const QString key = family + (bold ? "/b" : "/n") + (italic ? "/i" : "/n");
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  QFont probe(family);
  probe.setPixelSize(1000);
  probe.setBold(bold);
  probe.setItalic(italic);
  const QFontMetricsF metrics(probe);
  double ratio = (metrics.ascent() + metrics.descent()) / 1000.0;
  if (!(ratio > 0.5 && ratio < 3.0)) ratio = 1.0;
  cache.emplace(key, ratio);
  return ratio;
}

QString TextFor(const Font& font, std::string_view utf8) {
  if (ResolveFont(font).symbol) {
    const std::string mapped = MapSymbolText(utf8);
    return QString::fromUtf8(mapped.data(), static_cast<qsizetype>(mapped.size()));
  }
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Windows and pixmaps are on the screen; printers, PDF writers and images
// are taken for paper unless told otherwise.
bool IsScreenDevice(const QPaintDevice* device) {
  if (device == nullptr) return false;
  const int type = device->devType();
  return type == QInternal::Widget || type == QInternal::Pixmap;
}

QPolygon ToPolygon(const std::vector<Point>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) polygon.append(QPoint(p.x, p.y));
  return polygon;
}

}  // namespace

QtPainterDC::QtPainterDC(QPainter& painter)
    : DeviceContextBase(painter.device() ? painter.device()->logicalDpiX() : 96,
                        painter.device() ? painter.device()->logicalDpiY() : 96,
                        painter.device() ? Size{painter.device()->width(), painter.device()->height()} : Size{}),
      device_(painter.device()),
      painter_(&painter),
      screenText_(IsScreenDevice(painter.device())) {
  // The painter goes back to its owner as it came.
  if (Active()) {
    painter_->save();
    borrowedSaved_ = true;
  }
  PreparePainter();
}

QtPainterDC::QtPainterDC(QPaintDevice& device)
    : DeviceContextBase(device.logicalDpiX(), device.logicalDpiY(), Size{device.width(), device.height()}),
      device_(&device),
      ownPainter_(std::make_unique<QPainter>()),
      screenText_(IsScreenDevice(&device)) {
  painter_ = ownPainter_.get();
  if (painter_->begin(&device)) PreparePainter();
}

QtPainterDC::QtPainterDC(QPaintDevice& device, int dpiX, int dpiY, Size deviceSize)
    : DeviceContextBase(dpiX, dpiY, deviceSize),
      device_(&device),
      ownPainter_(std::make_unique<QPainter>()),
      screenText_(IsScreenDevice(&device)) {
  painter_ = ownPainter_.get();
}

void QtPainterDC::SetScreenText(bool screen) {
  screenText_ = screen;
  if (Active()) painter_->setRenderHint(QPainter::TextAntialiasing, screenText_);
}

QtPainterDC::~QtPainterDC() {
  if (borrowedSaved_ && painter_->isActive()) painter_->restore();
  if (ownPainter_ && ownPainter_->isActive()) ownPainter_->end();
}

void QtPainterDC::PreparePainter() {
  if (!Active()) return;
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, screenText_);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

bool QtPainterDC::Active() const { return painter_ != nullptr && painter_->isActive(); }

void QtPainterDC::ApplyPen(const Pen& pen) {
  if (pen.style == PenStyle::Null) {
    painter_->setPen(Qt::NoPen);
    return;
  }
  const int width = PenWidthDevice(pen);
  if (width <= 1) {
    // A one-pixel line leaves out its end pixel, as the flat cap does.
    QPen qpen(ToQColor(pen.color), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter_->setPen(qpen);
  } else {
    QPen qpen(ToQColor(pen.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_->setPen(qpen);
  }
}

void QtPainterDC::ApplyBrush(const Brush& brush) {
  if (brush.style == BrushStyle::Hollow) {
    painter_->setBrush(Qt::NoBrush);
  } else {
    painter_->setBrush(QBrush(ToQColor(brush.color)));
  }
}

QFont QtPainterDC::ToQFont(const Font& font) const {
  const ResolvedFont resolved = ResolveFont(font);
  const QString family = QString::fromStdString(resolved.family);
  QFont qfont(family);
  int height = FontHeightDevice(font);
  int pixelSize = height < 0 ? -height : height;
  if (height > 0) {
    pixelSize = static_cast<int>(std::lround(height / CellPerEm(family, resolved.bold, resolved.italic)));
  }
  if (pixelSize < 1) pixelSize = 1;
  // Qt refuses absurd sizes; a font larger than any page helps nobody.
  if (pixelSize > 100000) pixelSize = 100000;
  qfont.setPixelSize(pixelSize);
  qfont.setBold(resolved.bold);
  qfont.setItalic(resolved.italic);
  qfont.setKerning(false);
  if (screenText_) {
    // Grey edges (no colour fringes on any screen), and hinting that keeps
    // the letters' heights on the pixel grid without bending their shapes.
    qfont.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    qfont.setHintingPreference(paperMetrics_ ? QFont::PreferFullHinting : QFont::PreferVerticalHinting);
  } else {
    qfont.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    qfont.setHintingPreference(QFont::PreferFullHinting);
  }
  return qfont;
}

void QtPainterDC::LineTo(Point to) {
  const Point from = State().position;
  DeviceContextBase::MoveTo(to);
  if (!Active() || State().pen.style == PenStyle::Null) return;
  ApplyPen(State().pen);
  const Point a = LogicalToDevice(from);
  const Point b = LogicalToDevice(to);
  painter_->drawLine(QPoint(a.x, a.y), QPoint(b.x, b.y));
}

void QtPainterDC::Polyline(std::span<const Point> points) {
  if (!Active() || points.size() < 2 || State().pen.style == PenStyle::Null) return;
  std::vector<Point> device;
  device.reserve(points.size());
  for (const Point& p : points) device.push_back(LogicalToDevice(p));
  ApplyPen(State().pen);
  painter_->setBrush(Qt::NoBrush);
  painter_->drawPolyline(ToPolygon(device));
}

void QtPainterDC::Polygon(std::span<const Point> points) {
  if (!Active() || points.size() < 2) return;
  std::vector<Point> device;
  device.reserve(points.size());
  for (const Point& p : points) device.push_back(LogicalToDevice(p));
  ApplyPen(State().pen);
  ApplyBrush(State().brush);
  painter_->drawPolygon(ToPolygon(device), Qt::OddEvenFill);
}

void QtPainterDC::Rectangle(const Rect& rect) {
  if (!Active()) return;
  const Rect r = RectToDevice(rect);
  if (r.Width() < 1 || r.Height() < 1) return;
  if (State().brush.style == BrushStyle::Solid) {
    painter_->fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(State().brush.color));
  }
  if (State().pen.style == PenStyle::Null) return;
  // The outline runs through the outer pixels: left..right-1, top..bottom-1.
  ApplyPen(State().pen);
  painter_->setBrush(Qt::NoBrush);
  if (r.Width() == 1 || r.Height() == 1) {
    painter_->drawLine(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    return;
  }
  painter_->drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void QtPainterDC::Ellipse(const Rect& box) {
  if (!Active()) return;
  const Rect r = RectToDevice(box);
  if (r.Width() < 1 || r.Height() < 1) return;
  if (State().pen.style == PenStyle::Null) {
    // Filled only: the pixels whose centres lie inside the box's ellipse.
    painter_->setPen(Qt::NoPen);
    ApplyBrush(State().brush);
    painter_->drawEllipse(QRectF(r.left, r.top, r.Width(), r.Height()));
    return;
  }
  ApplyPen(State().pen);
  ApplyBrush(State().brush);
  painter_->drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void QtPainterDC::FillRect(const Rect& rect, const Brush& brush) {
  if (!Active() || brush.style == BrushStyle::Hollow) return;
  const Rect r = RectToDevice(rect);
  if (r.Width() < 1 || r.Height() < 1) return;
  painter_->fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(brush.color));
}

void QtPainterDC::TextOut(Point at, std::string_view utf8) {
  if (!Active() || utf8.empty()) return;
  const QFont qfont = ToQFont(State().font);
  const QString text = TextFor(State().font, utf8);
  const QFontMetrics metrics(qfont, device_);
  const int width = metrics.horizontalAdvance(text);
  const int ascent = metrics.ascent();
  const int cell = metrics.ascent() + metrics.descent();

  const Point p = LogicalToDevice(at);
  int left = p.x;
  if (State().textAlign.horizontal == HAlign::Center) left -= width / 2;
  if (State().textAlign.horizontal == HAlign::Right) left -= width;
  const int top = State().textAlign.vertical == VAlign::Top ? p.y : p.y - ascent;

  if (State().bkMode == BkMode::Opaque) {
    painter_->fillRect(QRect(left, top, width, cell), ToQColor(State().bkColor));
  }
  painter_->setFont(qfont);
  painter_->setPen(QPen(ToQColor(State().textColor)));
  painter_->drawText(QPoint(left, top + ascent), text);
}

Size QtPainterDC::GetTextExtent(std::string_view utf8) {
  const QFont qfont = ToQFont(State().font);
  const QFontMetrics metrics(qfont, device_);
  const int width = utf8.empty() ? 0 : metrics.horizontalAdvance(TextFor(State().font, utf8));
  const int cell = metrics.ascent() + metrics.descent();
  return Size{LengthToLogicalX(width), LengthToLogicalY(cell)};
}

void QtPainterDC::StretchImage(const Rect& dest, const Image& image) {
  if (!Active() || image.IsNull()) return;
  const Rect r = RectToDevice(dest);
  if (r.Width() < 1 || r.Height() < 1) return;
  const QImage source(image.Data(), image.Width(), image.Height(), image.BytesPerRow(), QImage::Format_RGB888);
  painter_->drawImage(QRect(r.left, r.top, r.Width(), r.Height()), source);
}

}  // namespace tervane::fw
