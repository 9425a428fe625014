#pragma once
// The device context over a QPainter: windows, images, printers and PDF files.
//
// Every point is mapped by DeviceContextBase (text or twips mapping) and drawn
// in device pixels; the painter's own transform is never touched, so text in
// the twips mapping stands upright. The painter draws without antialiasing;
// see DeviceContext.h for the semantics this class keeps.
//
// Text for the screen (a widget or a pixmap, and the images of the previews)
// is antialiased and hinted only vertically, so that small figures stay
// legible; text for paper (printers, PDF files, other images) is drawn with
// hard edges and full hinting. Both place text by the same rules; a screen
// image of a printed page keeps the paper's hinting, so that it measures its
// texts as the printer does.

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
  // italic, no kerning; antialiased for the screen only).
  QFont ToQFont(const Font& font) const;

  // Whether text is drawn for the screen (see above); the device decides
  // unless told. Set it before drawing.
  bool ScreenText() const { return screenText_; }
  void SetScreenText(bool screen);

 protected:
  // For printers: the painter is begun and ended by the derived class.
  QtPainterDC(QPaintDevice& device, int dpiX, int dpiY, Size deviceSize);
  QPainter& Painter() { return *painter_; }
  // Applies the painter settings every drawing relies on (after begin()).
  void PreparePainter();
  // Screen text measured as on paper (full hinting): for a page laid out at
  // a printer's resolution and shown smaller.
  void KeepPaperMetrics() { paperMetrics_ = true; }

 private:
  bool Active() const;
  void ApplyPen(const Pen& pen);
  void ApplyBrush(const Brush& brush);

  QPaintDevice* device_ = nullptr;
  QPainter* painter_ = nullptr;
  std::unique_ptr<QPainter> ownPainter_;
  bool borrowedSaved_ = false;
  bool screenText_ = false;
  bool paperMetrics_ = false;
};

}  // namespace tervane::fw
