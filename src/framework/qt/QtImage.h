#pragma once
// Conversions between the framework's Image and QImage, and painting through a
// device context into an Image.

#include <QImage>

#include <functional>

#include "framework/DeviceContext.h"
#include "framework/Image.h"
#include "resources/Pictures.h"

namespace tervane::fw {

// A deep copy in QImage::Format_RGB888; a null Image gives a null QImage.
QImage ToQImage(const Image& image);
// Any QImage format; transparency is dropped (composed over white).
Image FromQImage(const QImage& image);

// Paints into a new image of the given size (96 pixels per inch, text mapping),
// filled with the background first. A size the Image refuses gives a null
// image and paints nothing.
Image RenderToImage(int width, int height, ColorRef background,
                    const std::function<void(DeviceContext&)>& paint);

// One of the program's pictures at its own size.
Image RenderPicture(const res::Picture& picture);

}  // namespace tervane::fw
