#include "framework/qt/QtPrintPreview.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "framework/qt/QtPainterDC.h"

namespace tervane::fw {

namespace {

// Around the sheets, as the preview's own background.
const QColor kDeskColour(128, 128, 128);

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The resolution a page is laid out at before it is shown: that of the PDF
// files and of most printers. Laid out at the small resolution of the screen
// instead, every text would be measured with its own rounding (whole pixel
// sizes, hinted advances) and come out relatively wider or narrower than on
// paper, so that a label could run over the value beside it.
constexpr int kPageLayoutDpi = 600;

// A page image drawn as a printer of kPageLayoutDpi lays the page out: the
// device context works in that printer's pixels, the painter scales them
// down to the image.
class PageImageDC final : public QtPainterDC {
 public:
  PageImageDC(QImage& image, int ppi)
      : QtPainterDC(image, kPageLayoutDpi, kPageLayoutDpi,
                    Size{LayoutPixels(image.width(), ppi), LayoutPixels(image.height(), ppi)}) {
    SetScreenText(true);
    KeepPaperMetrics();
    if (!Painter().begin(&image)) return;
    PreparePainter();
    const double scale = static_cast<double>(ppi) / kPageLayoutDpi;
    Painter().scale(scale, scale);
  }

 private:
  static int LayoutPixels(int pixels, int ppi) {
    return static_cast<int>(static_cast<long long>(pixels) * kPageLayoutDpi / std::max(ppi, 1));
  }
};

}  // namespace

// The area that shows the sheets.
class QtPrintPreviewWidget::Canvas final : public QWidget {
 public:
  Canvas(PrintPreviewModel& model, QScrollArea& scroll, QWidget* parent)
      : QWidget(parent), model_(model), scroll_(scroll) {
    setAutoFillBackground(false);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kDeskColour);
    const QSize view = scroll_.viewport()->size();
    for (const PrintPreviewModel::Sheet& sheet : model_.Layout(Size{view.width(), view.height()})) {
      const QRect paper = ToQRect(sheet.paper);
      painter.fillRect(paper.translated(3, 3), QColor(64, 64, 64));
      painter.fillRect(paper, Qt::white);
      painter.setPen(Qt::black);
      painter.drawRect(paper.adjusted(0, 0, -1, -1));
      const QImage page = RenderPage(model_.Source(), sheet.page, sheet.pixelsPerInch, model_.Paper());
      painter.drawImage(QPoint(sheet.printable.left, sheet.printable.top), page);
    }
  }

 private:
  PrintPreviewModel& model_;
  QScrollArea& scroll_;
};

QImage QtPrintPreviewWidget::RenderPage(PageSource& source, int page, int pixelsPerInch, const PreviewPaper& paper) {
  const int ppi = std::max(pixelsPerInch, 1);
  const auto pixels = [&](int twips) { return static_cast<int>(static_cast<long long>(twips) * ppi / 1440); };
  const int width = std::max(pixels(paper.printable.right) - pixels(paper.printable.left), 1);
  const int height = std::max(pixels(paper.printable.bottom) - pixels(paper.printable.top), 1);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(ppi / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  {
    PageImageDC dc(image, ppi);
    DrawSourcePage(dc, source, page);
  }
  return image;
}

QtPrintPreviewWidget::QtPrintPreviewWidget(std::shared_ptr<PrintPreviewModel> model, QWidget* parent)
    : QWidget(parent), model_(std::move(model)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QHBoxLayout();
  bar->setContentsMargins(4, 4, 4, 4);
  const auto button = [&](const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setFocusPolicy(Qt::TabFocus);
    bar->addWidget(b);
    return b;
  };
  print_ = button("&Print...");
  next_ = button("&Next Page");
  prev_ = button("Pre&v Page");
  pages_ = button(model_->PagesButtonText());
  zoomIn_ = button("Zoom &In");
  zoomOut_ = button("Zoom &Out");
  close_ = button("&Close");
  pageLabel_ = new QLabel(this);
  bar->addSpacing(12);
  bar->addWidget(pageLabel_);
  bar->addStretch(1);
  layout->addLayout(bar);

  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(false);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setBackgroundRole(QPalette::Dark);
  canvas_ = new Canvas(*model_, *scroll_, scroll_);
  scroll_->setWidget(canvas_);
  layout->addWidget(scroll_, 1);
  scroll_->viewport()->installEventFilter(this);

  PrintPreviewModel* m = model_.get();
  // Print ends the preview (this window goes) and then runs the print with
  // its dialogs: after the click has been handled, from the event loop.
  QObject::connect(print_, &QPushButton::clicked, this,
                   [this, m] { QTimer::singleShot(0, this, [m] { m->Print(); }); });
  QObject::connect(next_, &QPushButton::clicked, this, [m] { m->NextPage(); });
  QObject::connect(prev_, &QPushButton::clicked, this, [m] { m->PrevPage(); });
  QObject::connect(pages_, &QPushButton::clicked, this, [m] { m->TogglePagesShown(); });
  QObject::connect(zoomIn_, &QPushButton::clicked, this, [m] { m->ZoomIn(); });
  QObject::connect(zoomOut_, &QPushButton::clicked, this, [m] { m->ZoomOut(); });
  QObject::connect(close_, &QPushButton::clicked, this, [m] { m->Close(); });
  model_->onChange = [this] { Refresh(); };
  setFocusPolicy(Qt::StrongFocus);
  Refresh();
}

QtPrintPreviewWidget::~QtPrintPreviewWidget() {
  // The model may outlive the window.
  model_->onChange = nullptr;
}

QWidget* QtPrintPreviewWidget::ClientArea() const { return canvas_; }

void QtPrintPreviewWidget::Refresh() {
  next_->setEnabled(model_->CanNext());
  prev_->setEnabled(model_->CanPrev());
  zoomIn_->setEnabled(model_->CanZoomIn());
  zoomOut_->setEnabled(model_->CanZoomOut());
  pages_->setText(QString::fromUtf8(model_->PagesButtonText()));
  pages_->setEnabled(model_->ZoomLevel() == 0 && model_->PageCount() > 1);
  const int first = model_->FirstPage();
  const int shown = model_->PagesShown();
  pageLabel_->setText(shown == 2 ? QStringLiteral("Pages %1-%2 of %3").arg(first).arg(first + 1).arg(model_->PageCount())
                                 : QStringLiteral("Page %1 of %2").arg(first).arg(model_->PageCount()));
  const QSize view = scroll_->viewport()->size();
  const Size content = model_->ContentSize(Size{view.width(), view.height()});
  canvas_->resize(content.cx, content.cy);
  canvas_->update();
}

bool QtPrintPreviewWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) Refresh();
  return QWidget::eventFilter(watched, event);
}

void QtPrintPreviewWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown: model_->NextPage(); return;
    case Qt::Key_PageUp: model_->PrevPage(); return;
    case Qt::Key_Escape: model_->Close(); return;
    default: QWidget::keyPressEvent(event);
  }
}

}  // namespace tervane::fw
