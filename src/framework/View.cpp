#include "framework/View.h"

#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/DocManager.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/PageSource.h"
#include "framework/Text.h"

namespace tervane::fw {

// The view's pages as the print loop and the preview draw them: each page is
// the view's OnPrepareDC and OnPrint with the page's number in the job's
// print information.
class View::Pages : public PageSource {
 public:
  Pages(View& view, PrintInfo& info) : view_(view), info_(info) {}

  int PageCount() const override { return info_.LastPage(); }

  void DrawPage(DeviceContext& dc, int page) override {
    if (page < info_.minPage || page > info_.LastPage()) return;
    info_.currentPage = page;
    view_.OnPrepareDC(dc, &info_);
    const Size size = dc.DeviceSize();
    const Point a = dc.DeviceToLogical(Point{0, 0});
    const Point b = dc.DeviceToLogical(Point{size.cx, size.cy});
    info_.drawRect = Rect{a.x, a.y, b.x, b.y};
    view_.OnPrint(dc, info_);
  }

 private:
  View& view_;
  PrintInfo& info_;
};

namespace {

// The device context a preview's begin and end operations get: it has the
// previewed page's resolution and size, keeps the state it is given and
// draws nothing. Text is measured with a fixed metric (a cell as high as the
// font, each character half as wide), since no real device is behind it.
class AttributeDC : public DeviceContextBase {
 public:
  using DeviceContextBase::Ellipse;
  using DeviceContextBase::LineTo;
  using DeviceContextBase::Rectangle;
  using DeviceContextBase::TextOut;

  explicit AttributeDC(const PrintPageInfo& page)
      : DeviceContextBase(page.dpiX, page.dpiY, Size{page.pageWidth, page.pageHeight}) {}

  void LineTo(Point to) override { DeviceContextBase::MoveTo(to); }
  void Polyline(std::span<const Point>) override {}
  void Polygon(std::span<const Point>) override {}
  void Rectangle(const Rect&) override {}
  void Ellipse(const Rect&) override {}
  void FillRect(const Rect&, const Brush&) override {}
  void TextOut(Point, std::string_view) override {}
  Size GetTextExtent(std::string_view utf8) override {
    const Font font = CurrentFont();
    int cell = font.height < 0 ? -font.height : font.height;
    if (font.height == 0) cell = LengthToLogicalY(MulDiv(8, PixelsPerInchY(), 72));
    return Size{static_cast<int>(Utf8Length(utf8)) * ((cell + 1) / 2), cell};
  }
  void StretchImage(const Rect&, const Image&) override {}
};

}  // namespace

// A running preview: the job's print information, the view's pages over it,
// the device context the view's begin and end operations get (nothing is
// drawn on it) and the model the frame shows. Whoever holds the model holds
// all of it.
struct View::PreviewJob {
  PreviewJob(View& view, PrintInfo job)
      : info(std::move(job)),
        pages(view, info),
        attributes(info.page),
        model(pages, info.previewPages, PreviewPaperOf(info.page)) {}

  PrintInfo info;
  Pages pages;
  AttributeDC attributes;
  PrintPreviewModel model;
};

View::View() = default;

View::~View() {
  // A preview of this view ends with it (without calling back into it).
  if (preview_) EndPreview();
}

FrameWindow* View::MainFrame() const {
  if (document_ == nullptr || document_->Manager() == nullptr) return nullptr;
  return document_->Manager()->GetApplication().MainFrame();
}

void View::OnDraw(DeviceContext&) {}

bool View::OnPreparePrinting(PrintInfo& info) { return DoPreparePrinting(info); }

void View::OnBeginPrinting(DeviceContext&, PrintInfo&) {}

void View::OnPrepareDC(DeviceContext&, PrintInfo*) {}

void View::OnPrint(DeviceContext& dc, PrintInfo&) { OnDraw(dc); }

void View::OnEndPrinting(DeviceContext&, PrintInfo&) {}

void View::OnEndPrintPreview(DeviceContext& dc, PrintInfo& info) {
  OnEndPrinting(dc, info);
  EndPreview();
}

bool DoPreparePrinting(PrintInfo& info) {
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
    options.maxPage = info.LastPage();
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
  Pages pages(*this, info);
  PrintFailure failure = PrintFailure::kNone;
  const bool ok = fw::PrintPages(dc, pages, std::max(info.fromPage, info.minPage), info.toPage, name, &failure);
  OnEndPrinting(dc, info);
  if (failure == PrintFailure::kStartRefused)
    ShowMessage(kFailedToStartPrint, MessageButtons::Ok, MessageIcon::Warning);
  else if (failure == PrintFailure::kPageRefused)
    ShowMessage(dc.JobError().empty() ? std::string(kPrintFailed) : std::string(kPrintFailed) + "\n\n" + dc.JobError(),
                MessageButtons::Ok, MessageIcon::Warning);
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
  if (frame == nullptr || frame->Preview() != nullptr || preview_) return false;
  PrintInfo info;
  info.preview = true;
  info.previewPages = document_->Manager()->GetApplication().PreviewPages();
  if (!OnPreparePrinting(info)) return false;
  auto job = std::make_shared<PreviewJob>(*this, std::move(info));
  OnBeginPrinting(job->attributes, job->info);
  // Close ends the preview; Print ends it and prints as File > Print does.
  // Each holds the job while the view's handlers run on its members.
  job->model.onClose = [this] {
    if (std::shared_ptr<PreviewJob> running = preview_) OnEndPrintPreview(running->attributes, running->info);
  };
  job->model.onPrint = [this, frame] {
    std::shared_ptr<PreviewJob> running = preview_;
    if (!running) return;
    OnEndPrintPreview(running->attributes, running->info);
    frame->SendCommand(ID_FILE_PRINT);
  };
  preview_ = job;
  if (!frame->BeginPrintPreview(std::shared_ptr<PrintPreviewModel>(job, &job->model))) {
    preview_.reset();
    OnEndPrinting(job->attributes, job->info);
    return false;
  }
  return true;
}

PrintPreviewModel* View::Preview() const { return preview_ ? &preview_->model : nullptr; }

void View::EndPreview() {
  std::shared_ptr<PreviewJob> job = std::move(preview_);
  if (!job) return;
  // The model may outlive the preview in the window that showed it: it calls
  // nothing any more.
  job->model.onClose = nullptr;
  job->model.onPrint = nullptr;
  if (document_ != nullptr && document_->Manager() != nullptr)
    document_->Manager()->GetApplication().SetPreviewPages(job->model.PagesChoice());
  if (FrameWindow* frame = MainFrame())
    if (frame->Preview() == &job->model) frame->EndPrintPreview();
}

}  // namespace tervane::fw
