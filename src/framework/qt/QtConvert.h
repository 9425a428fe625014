#pragma once
// Small conversions between the framework's types and Qt's, for the Qt backend.

#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "framework/DeviceContext.h"
#include "framework/DialogTemplate.h"

namespace tervane::fw {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQString(const QString& s) { return s.toUtf8().toStdString(); }

inline QColor QColorOf(ColorRef color) { return QColor(color.r, color.g, color.b); }

// The font of a dialog: its face resolved as every font is (8-point "MS Sans
// Serif" is Liberation Sans), at the pixel height the point size has at 96
// pixels per inch times the scale factor, never measured from the font.
QFont DialogQFont(const DialogFont& font, double scaleFactor);

}  // namespace tervane::fw
