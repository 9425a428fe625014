#pragma once
// The program's pictures (formula pictures, banners, button faces), by
// resource number and name. They are our own artwork, drawn in code: each
// picture is a drawing function that paints it through a device context at its
// fixed size, with its top-left corner at logical (0, 0) in the text mapping.
// The toolkit backend renders them into images for picture controls
// (RenderPicture in framework/qt/QtImage.h); tests record them.
//
// Each picture file registers its pictures at start-up with a
// PictureRegistration object at namespace scope (like the dialog templates).
//
// A drawing function fills the whole picture with its background first and
// leaves the device context as it found it (Save ... Restore).

#include <initializer_list>
#include <span>
#include <string_view>

#include "framework/DeviceContext.h"

namespace tervane::res {

using PictureDrawFunction = void (*)(fw::DeviceContext& dc, int width, int height);

struct Picture {
  int id;                  // resource number
  std::string_view name;   // resource name
  int width;               // pixels
  int height;
  fw::ColorRef background;
  PictureDrawFunction draw;
  // Lettering without a box of its own: a dialog shows it on the dialog's
  // background, its background colour taking the dialog's.
  bool onDialogBackground = false;
};

// Resource numbers.
inline constexpr int kPictureInterwedgeRule = 233;

// Null when the program has no such picture. Names compare exactly.
const Picture* FindPicture(int id);
const Picture* FindPicture(std::string_view name);
// Every registered picture, in registration order.
std::span<const Picture> AllPictures();

// The numbers of pictures whose registration was refused because their number
// or name was taken already (which picture wins would depend on the order of
// start-up): a programming error, kept empty by a test.
std::span<const int> RefusedPictureRegistrations();

class PictureRegistration {
 public:
  explicit PictureRegistration(std::initializer_list<Picture> pictures);
};

}  // namespace tervane::res
