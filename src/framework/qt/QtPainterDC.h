#pragma once
// The device context over a QPainter: windows, images, printers and PDF files.
//
// Every point is mapped by DeviceContextBase (text or twips mapping) and drawn
// in device pixels; the painter's own transform is never touched, so text in
// the twips mapping stands upright. The painter draws without antialiasing;
// see DeviceContext.h for the semantics this class keeps.

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

#include <memory>
#include <string_view>

#include "framework/DeviceContext.h"

namespace tervane::fw {

class QtPainterDC : public DeviceContextBase {
 public:
  // Paints with a painter that is already active (a widget's paint event);
  // the painter stays the caller's and gets its state back when this object
  // goes away. Resolution and size come from its device.
  explicit QtPainterDC(QPainter& painter);
  // Opens its own painter on the device (a QImage, a QPixmap) for the life of
  // the object.
  explicit QtPainterDC(QPaintDevice& device);
  ~QtPainterDC() override;
  QtPainterDC(const QtPainterDC&) = delete;
  QtPainterDC& operator=(const QtPainterDC&) = delete;

  using DeviceContextBase::Ellipse;
  using DeviceContextBase::LineTo;
  using DeviceContextBase::MoveTo;
  using DeviceContextBase::Rectangle;
  using DeviceContextBase::TextOut;

  void LineTo(Point to) override;
  void Polyline(std::span<const Point> points) override;
  void Polygon(std::span<const Point> points) override;
  void Rectangle(const Rect& rect) override;
  void Ellipse(const Rect& box) override;
  void FillRect(const Rect& rect, const Brush& brush) override;
  void TextOut(Point at, std::string_view utf8) override;
  Size GetTextExtent(std::string_view utf8) override;
  void StretchImage(const Rect& dest, const Image& image) override;

  // The Qt font that draws a Font on this device (family, pixel size, bold,
  // italic, no antialiasing, no kerning).
  QFont ToQFont(const Font& font) const;

 protected:
  // For printers: the painter is begun and ended by the derived class.
  QtPainterDC(QPaintDevice& device, int dpiX, int dpiY, Size deviceSize);
  QPainter& Painter() { return *painter_; }
  // Applies the painter settings every drawing relies on (after begin()).
  void PreparePainter();

 private:
  bool Active() const;
  void ApplyPen(const Pen& pen);
  void ApplyBrush(const Brush& brush);

  QPaintDevice* device_ = nullptr;
  QPainter* painter_ = nullptr;
  std::unique_ptr<QPainter> ownPainter_;
  bool borrowedSaved_ = false;
};

}  // namespace tervane::fw
