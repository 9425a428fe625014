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

#include "support/ReportTestSupport.h"
#include "framework/Image.h"
#include "framework/testing/RecordingDC.h"
#include "framework/qt/QtPainterDC.h"
#include "common/DibImage.h"
#include "support/Commands.h"
#include "support/QtShots.h"

namespace tervane::reportqt {

using testsupport::HaveTool;
using testsupport::RunAndRead;

using testsupport::SaveShot;

// The page count pdfinfo reads in a PDF file, -1 when it reads none.
inline int PdfPageCount(const std::string& pdf) {
  const std::string info = RunAndRead("pdfinfo '" + pdf + "'");
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// The text pdftotext reads on one page of a PDF file (keeping the layout
// when `layout`), every run of blanks as one blank: the PDF's text keeps no
// double blanks, the exact texts are pinned by the drawing logs.
inline std::string PdfPageText(const std::string& pdf, int page, bool layout) {
  const std::string raw = RunAndRead(std::string("pdftotext ") + (layout ? "-layout " : "") + "-f " +
                                     std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -");
  std::string out;
  for (char c : raw) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

// With a folder for pictures to look at: the pages of a PDF file rendered
// there as NAME-N.png, and the file copied there as NAME.pdf.
inline void RenderShots(const std::string& pdf, const std::string& name) {
  const char* shots = testsupport::ShotsDir();
  if (shots == nullptr) return;
  std::system(("pdftoppm -png -r 60 '" + pdf + "' '" + shots + "/" + name + "'").c_str());
  std::system(("cp '" + pdf + "' '" + shots + "/" + name + ".pdf'").c_str());
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
