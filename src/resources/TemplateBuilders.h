#pragma once
// Small helpers with which every template file declares its dialogs and
// controls the same way.

#include <string>

#include "framework/DialogTemplate.h"
#include "resources/DialogTemplates.h"

namespace tervane::res {

// A dialog with its name, number, caption, size in dialog units, font and styles.
inline fw::DialogTemplate Dialog(std::string name, int number, std::string caption, int width,
                                 int height, int fontPoints = 8,
                                 unsigned styles = fw::kSystemMenu | fw::kModalFrame,
                                 std::string fontFace = "MS Sans Serif") {
  fw::DialogTemplate t;
  t.name = std::move(name);
  t.number = number;
  t.caption = std::move(caption);
  t.width = width;
  t.height = height;
  t.font = fw::DialogFont{std::move(fontFace), fontPoints};
  t.styles = styles;
  return t;
}

// One control at x, y with width w and height h, in dialog units.
inline fw::ControlTemplate Control(int id, fw::ControlKind kind, std::string text, int x, int y,
                                   int w, int h, unsigned flags = 0, int maxTextLength = 0) {
  fw::ControlTemplate c;
  c.id = id;
  c.kind = kind;
  c.text = std::move(text);
  c.x = x;
  c.y = y;
  c.width = w;
  c.height = h;
  c.flags = flags;
  c.maxTextLength = maxTextLength;
  return c;
}

// A label that is never addressed.
inline fw::ControlTemplate Label(std::string text, int x, int y, int w, int h,
                                 fw::ControlKind kind = fw::ControlKind::StaticLeft) {
  return Control(fw::kStaticId, kind, std::move(text), x, y, w, h);
}

// A picture of the picture registry.
inline fw::ControlTemplate PictureControl(int id, int pictureId, int x, int y, int w, int h) {
  fw::ControlTemplate c = Control(id, fw::ControlKind::Picture, "", x, y, w, h);
  c.pictureId = pictureId;
  return c;
}

// Flags of a push button that starts its own tab group.
inline constexpr unsigned kButton = fw::kTabStop | fw::kGroup;
// Flags of an edit field in the tab order.
inline constexpr unsigned kField = fw::kTabStop;

// The small label with the dialog's resource name (hidden when the
// application hides dialog id labels).
inline fw::ControlTemplate IdLabel(std::string name, int x, int y, int w) {
  return Control(kDialogIdLabel, fw::ControlKind::StaticLeft, std::move(name), x, y, w, 8);
}

// A push button that starts its own tab group.
inline fw::ControlTemplate Button(int id, std::string text, int x, int y, int w, int h) {
  return Control(id, fw::ControlKind::PushButton, std::move(text), x, y, w, h, kButton);
}

// A push button that shows the faces of a picture button; `caption` names
// them (caption + "U", "D" and "F" in the picture registry).
inline fw::ControlTemplate PictureButton(int id, std::string caption, int x, int y, int w, int h) {
  return Control(id, fw::ControlKind::BitmapPushButton, std::move(caption), x, y, w, h, kButton);
}

}  // namespace tervane::res
