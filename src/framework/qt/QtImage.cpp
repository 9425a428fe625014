#include "framework/qt/QtImage.h"

#include <QPainter>

#include <cstring>

#include "framework/qt/QtPainterDC.h"

namespace tervane::fw {

namespace {
// 96 pixels per inch in dots per metre.
constexpr int kScreenDotsPerMetre = 3780;
}  // namespace

QImage ToQImage(const Image& image) {
  if (image.IsNull()) return QImage();
  QImage out(image.Width(), image.Height(), QImage::Format_RGB888);
  out.setDotsPerMeterX(kScreenDotsPerMetre);
  out.setDotsPerMeterY(kScreenDotsPerMetre);
  for (int y = 0; y < image.Height(); ++y) {
    std::memcpy(out.scanLine(y), image.Data() + static_cast<std::size_t>(y) * image.BytesPerRow(),
                static_cast<std::size_t>(image.BytesPerRow()));
  }
  return out;
}

Image FromQImage(const QImage& image) {
  if (image.isNull()) return Image();
  QImage source = image;
  if (source.hasAlphaChannel()) {
    QImage flat(source.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, source);
    painter.end();
    source = flat;
  } else {
    source = source.convertToFormat(QImage::Format_RGB888);
  }
  Image out(source.width(), source.height());
  if (out.IsNull()) return out;
  for (int y = 0; y < out.Height(); ++y) {
    std::memcpy(out.Data() + static_cast<std::size_t>(y) * out.BytesPerRow(), source.constScanLine(y),
                static_cast<std::size_t>(out.BytesPerRow()));
  }
  return out;
}

Image RenderToImage(int width, int height, ColorRef background,
                    const std::function<void(DeviceContext&)>& paint) {
  Image probe(width, height, background);
  if (probe.IsNull()) return probe;
  QImage canvas(width, height, QImage::Format_RGB32);
  canvas.setDotsPerMeterX(kScreenDotsPerMetre);
  canvas.setDotsPerMeterY(kScreenDotsPerMetre);
  canvas.fill(QColor(background.r, background.g, background.b));
  {
    QtPainterDC dc(canvas);
    if (paint) paint(dc);
  }
  return FromQImage(canvas);
}

Image RenderPicture(const res::Picture& picture) {
  return RenderToImage(picture.width, picture.height, picture.background,
                       [&](DeviceContext& dc) { picture.draw(dc, picture.width, picture.height); });
}

}  // namespace tervane::fw
