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

QPushButton* MakePictureButton(const std::string& caption, QWidget* parent) {
  QPixmap up = PicturePixmap(caption + "U");
  if (up.isNull()) return nullptr;
  return new PictureButton(std::move(up), PicturePixmap(caption + "D"), PicturePixmap(caption + "F"),
                           parent);
}

bool IsPictureButton(const QWidget* widget) { return dynamic_cast<const PictureButton*>(widget) != nullptr; }

}  // namespace tervane::fw
