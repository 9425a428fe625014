#pragma once
// Helpers of the report's Qt tests: the poppler tools, shots to look at, a
// logo file.

#include <QDir>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/Image.h"
#include "report/DibImage.h"

namespace tervane::reportqt {

inline bool HaveTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string RunAndRead(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// Where pictures to look at go: TERVANE_SHOTS_DIR when set, else nowhere.
inline std::string ShotsDir() {
  const char* dir = std::getenv("TERVANE_SHOTS_DIR");
  if (dir == nullptr || *dir == '\0') return std::string();
  QDir().mkpath(QString::fromUtf8(dir));
  return dir;
}

inline void SaveShot(const QImage& image, const std::string& name) {
  const std::string dir = ShotsDir();
  if (dir.empty()) return;
  EXPECT_TRUE(image.save(QString::fromStdString(dir + "/" + name + ".png")));
}

// A 24-bit logo of 120 x 24 pixels: three bands of colour and a dark bar.
inline bool WriteLogo(const std::string& path) {
  fw::Image picture(120, 24, fw::RGB(255, 255, 255));
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 120; ++x) {
      fw::ColorRef c = x < 40 ? fw::RGB(0, 90, 160) : x < 80 ? fw::RGB(110, 170, 60) : fw::RGB(230, 150, 30);
      if (y >= 18) c = fw::RGB(40, 40, 40);
      picture.SetPixel(x, y, c);
    }
  }
  CDibImage logo;
  return logo.Create(picture) && logo.Save(path);
}

}  // namespace tervane::reportqt
