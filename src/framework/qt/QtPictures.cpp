#include "framework/qt/QtPictures.h"

#include <QPainter>
#include <QPushButton>

#include "framework/qt/QtImage.h"
#include "resources/Pictures.h"

namespace tervane::fw {

namespace {

QPixmap ToPixmap(const res::Picture* picture) {
  if (picture == nullptr) return QPixmap();
  const QImage image = ToQImage(RenderPicture(*picture));
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

// Shows one of its pictures for its state; draws nothing else.
class PictureButton final : public QPushButton {
 public:
  PictureButton(QPixmap up, QPixmap down, QPixmap focused, QWidget* parent)
      : QPushButton(parent), up_(std::move(up)), down_(std::move(down)), focused_(std::move(focused)) {
    setFlat(true);
    resize(up_.size());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QPixmap* face = &up_;
    if (isDown() && !down_.isNull())
      face = &down_;
    else if (hasFocus() && !focused_.isNull())
      face = &focused_;
    p.drawPixmap(0, 0, *face);
  }

 private:
  QPixmap up_, down_, focused_;
};

}  // namespace

QPixmap PicturePixmap(int pictureId) { return ToPixmap(res::FindPicture(pictureId)); }

QPixmap PicturePixmap(const std::string& name) { return ToPixmap(res::FindPicture(std::string_view(name))); }

QPixmap PicturePixmapOn(int pictureId, ColorRef dialogBackground) {
  const res::Picture* picture = res::FindPicture(pictureId);
  if (picture == nullptr || !picture->onDialogBackground || picture->background == dialogBackground)
    return ToPixmap(picture);
  // The picture's letters have hard edges, so its own background is exactly
  // the pixels of its colour.
  QImage image = ToQImage(RenderPicture(*picture)).convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return QPixmap();
  const QRgb own = qRgb(picture->background.r, picture->background.g, picture->background.b);
  const QRgb dialog = qRgb(dialogBackground.r, dialogBackground.g, dialogBackground.b);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] | 0xFF000000) == (own | 0xFF000000)) line[x] = dialog;
  }
  return QPixmap::fromImage(image);
}

QPushButton* MakePictureButton(const std::string& caption, QWidget* parent) {
  QPixmap up = PicturePixmap(caption + "U");
  if (up.isNull()) return nullptr;
  return new PictureButton(std::move(up), PicturePixmap(caption + "D"), PicturePixmap(caption + "F"),
                           parent);
}

bool IsPictureButton(const QWidget* widget) { return dynamic_cast<const PictureButton*>(widget) != nullptr; }

}  // namespace tervane::fw
