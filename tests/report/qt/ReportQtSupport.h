#pragma once
// Helpers of the report's Qt tests: the poppler tools, shots to look at, a
// logo file.

#include <QDir>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../ReportTestSupport.h"
#include "framework/Image.h"
#include "framework/RecordingDC.h"
#include "framework/qt/QtPainterDC.h"
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

// A text a page drew: where, what and in which font.
struct DrawnText {
  fw::Point at;
  std::string text;
  fw::Font font;
};

// A recording printer in twips that keeps every text drawn, with its font,
// and measures texts in the real fonts at 600 dpi (as the PDF printer does),
// so that what a page places by measuring stands where it stands on paper.
class TextWatchDC : public fw::RecordingDC {
 public:
  explicit TextWatchDC(std::vector<DrawnText>& out)
      : RecordingDC(reporttest::PrinterOptions()), out_(out), device_(10, 10, QImage::Format_RGB32) {
    SetMapMode(fw::MapMode::Twips);
    device_.setDotsPerMeterX(23622);
    device_.setDotsPerMeterY(23622);
    measure_ = std::make_unique<fw::QtPainterDC>(device_);
    measure_->SetMapMode(fw::MapMode::Twips);
  }
  void TextOut(fw::Point at, std::string_view text) override {
    out_.push_back({at, std::string(text), CurrentFont()});
    RecordingDC::TextOut(at, text);
  }
  fw::Size GetTextExtent(std::string_view text) override {
    measure_->SelectFont(CurrentFont());
    return measure_->GetTextExtent(text);
  }
  using RecordingDC::TextOut;

 private:
  std::vector<DrawnText>& out_;
  QImage device_;
  std::unique_ptr<fw::QtPainterDC> measure_;
};

}  // namespace tervane::reportqt
