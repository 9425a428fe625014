#include "framework/qt/QtConvert.h"

#include <cmath>

namespace tervane::fw {

QFont DialogQFont(const DialogFont& font, double scaleFactor) {
  Font face;
  face.face = font.face;
  const ResolvedFont resolved = ResolveFont(face);
  const double points = font.pointSize > 0 ? font.pointSize : 8;
  const double scale = (std::isfinite(scaleFactor) && scaleFactor > 0) ? scaleFactor : 1.0;
  double pixels = std::round(points * 96.0 / 72.0 * scale);
  if (!(pixels >= 1)) pixels = 1;
  if (pixels > 1000) pixels = 1000;
  QFont q(ToQString(resolved.family));
  q.setPixelSize(static_cast<int>(pixels));
  q.setBold(resolved.bold);
  q.setItalic(resolved.italic);
  return q;
}

}  // namespace tervane::fw
