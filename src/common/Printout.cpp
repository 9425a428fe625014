#include "common/Printout.h"

#include <string>
#include <vector>

#include "framework/Services.h"
#include "model/ProjectData.h"
#include "resources/ShellResources.h"

namespace tervane {

namespace {

struct PageMetrics {
  int h = 0;   // the font's character height
  int x = 0;   // left end of the lines
  int y0 = 0;  // the first baseline
  int t = 0;   // line pitch
};

// Selects the 14-point font and returns the metrics of the page; the caller
// puts the returned font back.
fw::Font SelectPageFont(fw::DeviceContext& dc, PageMetrics& m) {
  m.h = fw::MulDiv(14, dc.PixelsPerInchY(), 72);
  m.x = fw::ToDeviceCoord(2.5 * m.h);
  m.y0 = fw::ToDeviceCoord(0.8 * m.h);
  m.t = fw::ToDeviceCoord(1.25 * m.h);
  fw::Font font;
  font.face = "MS Sans Serif";
  font.height = -m.h;
  font.weight = fw::kFontWeightNormal;
  font.charSet = fw::kAnsiCharSet;
  return dc.SelectFont(font);
}

}  // namespace

void PreparePrinterDC(fw::DeviceContext& dc) {
  dc.SetMapMode(fw::MapMode::Text);
  // 100 pixels of a 600-dpi printer, the same sixth of an inch on any other.
  dc.SetViewportOrg(
      fw::Point{fw::MulDiv(100, dc.PixelsPerInchX(), 600), fw::MulDiv(100, dc.PixelsPerInchY(), 600)});
  dc.SetTextAlign(fw::TextAlign{fw::HAlign::Left, fw::VAlign::Baseline});
}

std::string ProposedPrintFileName(const std::string& fileName) {
  const std::string folder = fw::DefaultDialogFolder();
  if (folder.empty()) return fileName;
  return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

std::string ProposedPrintFileName(const std::string& projectPath, const std::string& printout) {
  const std::string tail = printout + ".pdf";
  const std::size_t slash = projectPath.find_last_of('/');
  if (projectPath.empty() || projectPath == kProjectNotSaved || slash == std::string::npos)
    return ProposedPrintFileName("Untitled " + tail);
  const std::size_t dot = projectPath.find_last_of('.');
  const std::string stem = dot != std::string::npos && dot > slash + 1 ? projectPath.substr(0, dot) : projectPath;
  return stem + " " + tail;
}

PrintOutcome PrintOnePage(const std::function<void(fw::DeviceContext&)>& drawPage, const std::string& proposedFile) {
  const fw::ScopedPrintFileProposal proposal(proposedFile);
  fw::PrinterSelection printer = fw::Printing().PrintSetup();
  if (!printer.dc) return PrintOutcome::kCancelled;
  fw::DeviceContext& dc = *printer.dc;
  if (!dc.StartDoc("test")) return PrintOutcome::kFailed;
  PreparePrinterDC(dc);
  if (!dc.StartPage()) {
    dc.AbortDoc();
    return PrintOutcome::kFailed;
  }
  if (drawPage) drawPage(dc);
  if (!dc.EndPage()) {
    dc.AbortDoc();
    return PrintOutcome::kFailed;
  }
  return dc.EndDoc() ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
}

void DrawContactPage(fw::DeviceContext& dc) {
  PageMetrics m;
  const fw::Font previous = SelectPageFont(dc, m);
  int y = m.y0;
  for (const std::string& line : res::ContactPrintLines()) {
    y += m.t;
    if (!line.empty()) dc.TextOut(m.x, y, line);
  }
  dc.SelectFont(previous);
}

void DrawDisclaimerPage(fw::DeviceContext& dc) {
  PageMetrics m;
  const fw::Font previous = SelectPageFont(dc, m);
  dc.TextOut(3 * m.x, m.y0, res::kDisclaimerTitle);
  int y = m.y0 + 2 * m.t;
  bool first = true;
  for (const std::vector<std::string>& paragraph : res::DisclaimerParagraphs()) {
    if (!first) y += m.t;  // the empty line between paragraphs
    first = false;
    for (const std::string& line : paragraph) {
      y += m.t;
      dc.TextOut(m.x, y, line);
    }
  }
  dc.SelectFont(previous);
}

}  // namespace tervane
