#pragma once
// Pictures of windows and pages to look at: with TERVANE_SHOTS_DIR set, the
// Qt tests save what they show there as PNG files; without it, nothing.

#include <QDir>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tervane::testsupport {

// The folder of the pictures, created when missing; null when
// TERVANE_SHOTS_DIR is not set.
inline const char* ShotsDir() {
  const char* dir = std::getenv("TERVANE_SHOTS_DIR");
  if (dir == nullptr || *dir == '\0') return nullptr;
  QDir().mkpath(QString::fromUtf8(dir));
  return dir;
}

// Saves `image` there as NAME.png; nothing when there is no such folder.
inline void SaveShot(const QImage& image, const std::string& name) {
  const char* dir = ShotsDir();
  if (dir == nullptr) return;
  EXPECT_TRUE(image.save(QString::fromUtf8(dir) + QLatin1Char('/') + QString::fromStdString(name) +
                         QStringLiteral(".png")));
}

}  // namespace tervane::testsupport
