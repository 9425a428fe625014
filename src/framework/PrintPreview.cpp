#include "framework/PrintPreview.h"

#include <algorithm>

namespace tervane::fw {

namespace {

// Pixels around and between the sheets.
constexpr int kGap = 8;

int TwipsToPixels(int twips, int pixelsPerInch) {
  return static_cast<int>(static_cast<long long>(twips) * pixelsPerInch / 1440);
}

long long PixelsToTwips(long long pixels, int dpi) { return pixels * 1440 / dpi; }

}  // namespace

PreviewPaper PreviewPaperOf(const PrintPageInfo& page) {
  if (page.dpiX < 1 || page.dpiY < 1 || page.pageWidth < 1 || page.pageHeight < 1) return PreviewPaper{};
  const long long width = PixelsToTwips(page.pageWidth, page.dpiX);
  const long long height = PixelsToTwips(page.pageHeight, page.dpiY);
  long long left = 360;
  long long top = 360;
  long long paperWidth = width + 720;
  long long paperHeight = height + 720;
  if (page.paperWidth >= page.printableLeft + page.pageWidth && page.paperHeight >= page.printableTop + page.pageHeight &&
      page.printableLeft >= 0 && page.printableTop >= 0) {
    left = PixelsToTwips(page.printableLeft, page.dpiX);
    top = PixelsToTwips(page.printableTop, page.dpiY);
    paperWidth = PixelsToTwips(page.paperWidth, page.dpiX);
    paperHeight = PixelsToTwips(page.paperHeight, page.dpiY);
  }
  // Sheets beyond a few metres are no paper: the default sheet instead.
  constexpr long long kLargest = 1440LL * 200;
  if (paperWidth > kLargest || paperHeight > kLargest) return PreviewPaper{};
  PreviewPaper paper;
  paper.paper = Size{static_cast<int>(paperWidth), static_cast<int>(paperHeight)};
  paper.printable = Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
                         static_cast<int>(top + height)};
  return paper;
}

PrintPreviewModel::PrintPreviewModel(PageSource& source, int pagesShown, PreviewPaper paper)
    : source_(&source), paper_(paper), pagesChoice_(pagesShown == 2 ? 2 : 1) {
  if (paper_.paper.cx < 1 || paper_.paper.cy < 1) paper_ = PreviewPaper{};
  Settle();
}

int PrintPreviewModel::PageCount() const { return std::max(source_->PageCount(), 0); }

int PrintPreviewModel::PagesShown() const {
  if (pagesChoice_ == 2 && zoom_ == 0 && firstPage_ + 1 <= PageCount()) return 2;
  return 1;
}

bool PrintPreviewModel::CanNext() const { return firstPage_ + PagesShown() - 1 < PageCount(); }
bool PrintPreviewModel::CanPrev() const { return firstPage_ > 1; }

void PrintPreviewModel::Settle() {
  firstPage_ = std::clamp(firstPage_, 1, std::max(PageCount(), 1));
}

// The callbacks are copied before they run: the owner may replace them (or
// end the preview) from inside.
void PrintPreviewModel::Changed() {
  if (auto callback = onChange) callback();
}

void PrintPreviewModel::NextPage() {
  if (!CanNext()) return;
  ++firstPage_;
  Changed();
}

void PrintPreviewModel::PrevPage() {
  if (!CanPrev()) return;
  --firstPage_;
  Changed();
}

void PrintPreviewModel::GoToPage(int page) {
  const int before = firstPage_;
  firstPage_ = page;
  Settle();
  if (firstPage_ != before) Changed();
}

void PrintPreviewModel::TogglePagesShown() {
  pagesChoice_ = pagesChoice_ == 2 ? 1 : 2;
  Changed();
}

void PrintPreviewModel::ZoomIn() {
  if (!CanZoomIn()) return;
  ++zoom_;
  Changed();
}

void PrintPreviewModel::ZoomOut() {
  if (!CanZoomOut()) return;
  --zoom_;
  Changed();
}

void PrintPreviewModel::Print() {
  if (auto callback = onPrint) callback();
}

void PrintPreviewModel::Close() {
  if (auto callback = onClose) callback();
}

std::vector<PrintPreviewModel::Sheet> PrintPreviewModel::Layout(Size client) const {
  std::vector<Sheet> sheets;
  if (PageCount() < 1 || client.cx < 1 || client.cy < 1) return sheets;
  const int shown = PagesShown();
  // The resolution at which `count` sheets side by side fit the client area.
  const auto fit = [&](int count) {
    const long long height = std::max(client.cy - 2 * kGap, 1);
    const long long width = std::max((client.cx - (count + 1) * kGap) / count, 1);
    const long long byHeight = height * 1440 / paper_.paper.cy;
    const long long byWidth = width * 1440 / paper_.paper.cx;
    return static_cast<int>(std::clamp<long long>(std::min(byHeight, byWidth), 1, 1200));
  };
  const int ppi = zoom_ == 0 ? fit(shown) : std::min(fit(1) << zoom_, 2400);
  const int width = TwipsToPixels(paper_.paper.cx, ppi);
  const int height = TwipsToPixels(paper_.paper.cy, ppi);
  const int total = shown * width + (shown - 1) * kGap;
  int x = std::max(kGap, (client.cx - total) / 2);
  const int y = std::max(kGap, (client.cy - height) / 2);
  for (int i = 0; i < shown; ++i) {
    Sheet sheet;
    sheet.page = firstPage_ + i;
    sheet.pixelsPerInch = ppi;
    sheet.paper = Rect{x, y, x + width, y + height};
    sheet.printable = Rect{x + TwipsToPixels(paper_.printable.left, ppi), y + TwipsToPixels(paper_.printable.top, ppi),
                           x + TwipsToPixels(paper_.printable.right, ppi),
                           y + TwipsToPixels(paper_.printable.bottom, ppi)};
    sheets.push_back(sheet);
    x += width + kGap;
  }
  return sheets;
}

Size PrintPreviewModel::ContentSize(Size client) const {
  const std::vector<Sheet> sheets = Layout(client);
  Size size = client;
  for (const Sheet& s : sheets) {
    size.cx = std::max(size.cx, s.paper.right + kGap);
    size.cy = std::max(size.cy, s.paper.bottom + kGap);
  }
  return size;
}

}  // namespace tervane::fw
