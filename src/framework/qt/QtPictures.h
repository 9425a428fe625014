#pragma once
// The program's pictures (resources/Pictures.h) as Qt pixmaps and as the faces
// of bitmap push buttons.

#include <QPixmap>
#include <QString>

#include <string>

#include "framework/DeviceContext.h"  // ColorRef

class QPushButton;
class QWidget;

namespace tervane::fw {

// The picture of that number, or a null pixmap when the program has none.
QPixmap PicturePixmap(int pictureId);
QPixmap PicturePixmap(const std::string& name);
// The picture as a dialog with that background shows it: lettering made to
// stand on the dialog's background gets it in place of its own.
QPixmap PicturePixmapOn(int pictureId, ColorRef dialogBackground);

// A push button whose faces are the pictures named by `caption` followed by
// "U" (up), "D" (down) and "F" (focused); it has the size of its up picture.
// Null when there is no up picture.
QPushButton* MakePictureButton(const std::string& caption, QWidget* parent);

// True for a button made by MakePictureButton.
bool IsPictureButton(const QWidget* widget);

}  // namespace tervane::fw
