#include "framework/View.h"

#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/RecordingDC.h"

namespace tervane::fw {

View::View() = default;

View::~View() {
  // A preview of this view ends with it (without calling back into it).
  if (FrameWindow* frame = MainFrame())
    if (frame->Preview() != nullptr && &frame->Preview()->GetView() == this) frame->EndPrintPreview();
}

FrameWindow* View::MainFrame() const {
  if (document_ == nullptr || document_->Manager() == nullptr) return nullptr;
  return document_->Manager()->GetApplication().MainFrame();
}

void View::OnDraw(DeviceContext&) {}

bool View::OnPreparePrinting(PrintInfo& info) { return DoPreparePrinting(info); }

void View::OnBeginPrinting(DeviceContext&, PrintInfo&) {}

void View::OnPrepareDC(DeviceContext&, PrintInfo* info) {
  if (info != nullptr && info->maxPage == 0xFFFF) info->continuePrinting = info->currentPage == 1;
}

void View::OnPrint(DeviceContext& dc, PrintInfo&) { OnDraw(dc); }

void View::OnEndPrinting(DeviceContext&, PrintInfo&) {}

void View::OnEndPrintPreview(DeviceContext& dc, PrintInfo& info) {
  OnEndPrinting(dc, info);
  if (FrameWindow* frame = MainFrame()) frame->EndPrintPreview();
}

bool View::DoPreparePrinting(PrintInfo& info) {
  if (info.preview) {
    info.page = Printing().CurrentPage();
    return info.page.pageWidth > 0 && info.page.pageHeight > 0;
  }
  if (info.direct) {
    info.printer = Printing().DirectPrinter(info.printerName);
    // Nobody is there to choose another printer: say why nothing prints.
    if (!info.printer.dc)
      ShowMessage(info.printerName.empty() ? std::string(kNoPrinter) : std::string(kNoPrinter) + "\n\n" + info.printerName,
                  MessageButtons::Ok, MessageIcon::Warning);
  } else {
    PrintDialogOptions options;
    options.minPage = info.minPage;
    options.maxPage = info.maxPage == 0xFFFF ? info.minPage : info.maxPage;
    options.allowPageRange = info.maxPage != 0xFFFF;
    info.printer = Printing().Print(options);
  }
  if (!info.printer.dc) return false;
  info.page = info.printer.page;
  if (!info.direct) {
    info.fromPage = info.printer.page.fromPage;
    info.toPage = info.printer.page.toPage;
  }
  return true;
}

bool View::PrintPages(PrintInfo& info) {
  if (!info.printer.dc) return false;
  DeviceContext& dc = *info.printer.dc;
  OnBeginPrinting(dc, info);
  const std::string name = document_ != nullptr ? document_->Title() : std::string();
  if (!dc.StartDoc(name)) {
    OnEndPrinting(dc, info);
    ShowMessage(kFailedToStartPrint, MessageButtons::Ok, MessageIcon::Warning);
    return false;
  }
  const int first = std::max(info.fromPage, info.minPage);
  const int last = std::min(info.toPage, info.maxPage);
  bool ok = true;
  info.continuePrinting = true;
  for (int page = first; page <= last && ok; ++page) {
    info.currentPage = page;
    OnPrepareDC(dc, &info);
    if (!info.continuePrinting) break;
    const Size size = dc.DeviceSize();
    const Point a = dc.DeviceToLogical(Point{0, 0});
    const Point b = dc.DeviceToLogical(Point{size.cx, size.cy});
    info.drawRect = Rect{a.x, a.y, b.x, b.y};
    if (!dc.StartPage()) {
      ok = false;
      break;
    }
    OnPrint(dc, info);
    ok = dc.EndPage();
  }
  OnEndPrinting(dc, info);
  if (ok) ok = dc.EndDoc();
  else dc.AbortDoc();
  if (!ok) ShowMessage(kPrintFailed, MessageButtons::Ok, MessageIcon::Warning);
  return ok;
}

bool View::OnFilePrint() {
  PrintInfo info;
  if (!OnPreparePrinting(info)) return false;
  return PrintPages(info);
}

bool View::OnFilePrintDirect(const std::string& printerName) {
  PrintInfo info;
  info.direct = true;
  info.printerName = printerName;
  if (!OnPreparePrinting(info)) return false;
  return PrintPages(info);
}

bool View::OnFilePrintPreview() {
  FrameWindow* frame = MainFrame();
  if (frame == nullptr || frame->Preview() != nullptr) return false;
  PrintInfo info;
  info.preview = true;
  info.previewPages = document_->Manager()->GetApplication().PreviewPages();
  if (!OnPreparePrinting(info)) return false;
  auto preview = std::make_unique<PrintPreview>(*this, *frame, std::move(info));
  PrintPreview* raw = preview.get();
  OnBeginPrinting(raw->AttributeDC(), raw->Info());
  if (!frame->BeginPrintPreview(std::move(preview))) return false;
  return true;
}

// ---- the preview -----------------------------------------------------------------

PrintPreview::PrintPreview(View& view, FrameWindow& frame, PrintInfo info)
    : view_(view), frame_(frame), info_(std::move(info)) {
  RecordingDC::Options options;
  options.dpiX = info_.page.dpiX;
  options.dpiY = info_.page.dpiY;
  options.deviceSize = Size{info_.page.pageWidth, info_.page.pageHeight};
  options.printer = true;
  attributes_ = std::make_unique<RecordingDC>(options);
  if (info_.previewPages != 2 || LastPage() <= info_.minPage) info_.previewPages = 1;
  info_.currentPage = info_.minPage;
}

PrintPreview::~PrintPreview() = default;

int PrintPreview::LastPage() const { return info_.maxPage == 0xFFFF ? info_.minPage : info_.maxPage; }

PreviewState PrintPreview::State() const {
  PreviewState s;
  s.currentPage = info_.currentPage;
  s.pageCount = LastPage();
  s.pagesShown = info_.previewPages;
  s.zoom = zoom_;
  s.canPrevious = info_.currentPage > info_.minPage;
  s.canNext = info_.currentPage + info_.previewPages - 1 < LastPage();
  return s;
}

void PrintPreview::RenderPage(int page, DeviceContext& dc) {
  if (page < info_.minPage || page > LastPage()) return;
  // The view sees the page being drawn; the preview's own page comes back after.
  const int shown = info_.currentPage;
  info_.currentPage = page;
  info_.continuePrinting = true;
  dc.Save();
  view_.OnPrepareDC(dc, &info_);
  const Size size = dc.DeviceSize();
  const Point a = dc.DeviceToLogical(Point{0, 0});
  const Point b = dc.DeviceToLogical(Point{size.cx, size.cy});
  info_.drawRect = Rect{a.x, a.y, b.x, b.y};
  if (info_.continuePrinting) view_.OnPrint(dc, info_);
  dc.Restore();
  info_.currentPage = shown;
  info_.continuePrinting = true;
}

void PrintPreview::PreviewCommand(PreviewAction action) {
  switch (action) {
    case PreviewAction::NextPage:
      if (State().canNext) ++info_.currentPage;
      break;
    case PreviewAction::PreviousPage:
      if (State().canPrevious) --info_.currentPage;
      break;
    case PreviewAction::TogglePages: {
      const int pages = info_.previewPages == 1 && LastPage() > info_.minPage ? 2 : 1;
      info_.previewPages = pages;
      if (info_.currentPage + pages - 1 > LastPage()) info_.currentPage = std::max(info_.minPage, LastPage() - pages + 1);
      if (DocManager* docs = view_.GetDocument() != nullptr ? view_.GetDocument()->Manager() : nullptr)
        docs->GetApplication().SetPreviewPages(pages);
      break;
    }
    case PreviewAction::ZoomIn:
      zoom_ = std::min(2, zoom_ + 1);
      break;
    case PreviewAction::ZoomOut:
      zoom_ = std::max(0, zoom_ - 1);
      break;
    case PreviewAction::Print: {
      // Print closes the preview and prints through the view's Print command.
      // Nothing of this object is touched after the preview has ended.
      FrameWindow& frame = frame_;
      view_.OnEndPrintPreview(*attributes_, info_);
      frame.SendCommand(ID_FILE_PRINT);
      return;
    }
    case PreviewAction::Close:
      view_.OnEndPrintPreview(*attributes_, info_);
      return;
  }
  if (FrameBackend* backend = frame_.Backend()) backend->UpdatePreview();
}

}  // namespace tervane::fw
