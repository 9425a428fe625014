#pragma once
// The print preview in a window: a row of buttons (Print..., Next Page,
// Prev Page, Two Page / One Page, Zoom In, Zoom Out, Close) above a client
// area that shows the pages of a print preview model on their sheets of
// paper, scrolled when zoomed in. Page Down and Page Up turn the pages, Esc
// closes. Every paint draws the pages again through the model's page source,
// with the same calls as printing (DrawSourcePage), at the sheet's resolution.
//
// The main window's frame backend (QtFrame) shows it over its client area
// when the frame begins a preview, and takes it away (deleteLater) when the
// model's owner ends the preview. Print acts after its click has been
// handled, from the event loop: it ends the preview (this window goes) and
// then runs the print with its dialogs.

#include <QImage>
#include <QWidget>

#include <memory>

#include "framework/PrintPreview.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace tervane::fw {

class QtPrintPreviewWidget : public QWidget {
 public:
  explicit QtPrintPreviewWidget(std::shared_ptr<PrintPreviewModel> model, QWidget* parent = nullptr);
  ~QtPrintPreviewWidget() override;

  PrintPreviewModel& Model() const { return *model_; }

  // The buttons and the client area (for tests).
  QPushButton* PrintButton() const { return print_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* PrevButton() const { return prev_; }
  QPushButton* PagesButton() const { return pages_; }
  QPushButton* ZoomInButton() const { return zoomIn_; }
  QPushButton* ZoomOutButton() const { return zoomOut_; }
  QPushButton* CloseButton() const { return close_; }
  QWidget* ClientArea() const;

  // The printable area of one page as the preview paints it: white, the page
  // laid out as a printer lays it out (text measured at a printer's
  // resolution) and drawn at `pixelsPerInch`, cut to the printable area.
  static QImage RenderPage(PageSource& source, int page, int pixelsPerInch, const PreviewPaper& paper);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Follows the size of the scrolled view.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Canvas;
  void Refresh();

  std::shared_ptr<PrintPreviewModel> model_;
  QPushButton* print_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* prev_ = nullptr;
  QPushButton* pages_ = nullptr;
  QPushButton* zoomIn_ = nullptr;
  QPushButton* zoomOut_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  Canvas* canvas_ = nullptr;
};

}  // namespace tervane::fw
