#pragma once
// The print preview as a model without widgets: which pages are shown, one or
// two at a time, the zoom, and where each sheet goes in a client area. A
// toolkit widget (framework/qt/QtPrintPreview.h) shows it and sends it the
// user's commands; tests drive it directly.
//
// Print and Close only report to their owner (onPrint, onClose): the owner
// ends the preview and, for Print, runs the File > Print command, so that a
// print started from the preview asks for its options like any other.

#include <functional>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/PageSource.h"
#include "framework/Services.h"

namespace tervane::fw {

// The sheet of paper a preview shows and the printable area on it, in twips
// from the sheet's top-left corner (y down). The default is an A4 sheet with
// a quarter inch left unprinted on every side, as the PDF printer prints.
struct PreviewPaper {
  Size paper{11906, 16838};
  Rect printable{360, 360, 11546, 16478};
};

// The sheet of the printer a job would print on (Printing().CurrentPage()):
// its printable area, and the sheet around it where the printer tells it
// (else a quarter inch on every side). The default sheet when the page has
// no size.
PreviewPaper PreviewPaperOf(const PrintPageInfo& page);

class PrintPreviewModel {
 public:
  // Zoom levels: the whole sheets fit the client area, then one sheet two and
  // four times that size.
  static constexpr int kZoomLevels = 3;

  // `pagesShown` (1 or 2) is the choice kept in the profile ("PreviewPages").
  explicit PrintPreviewModel(PageSource& source, int pagesShown = 1, PreviewPaper paper = {});

  PageSource& Source() const { return *source_; }
  const PreviewPaper& Paper() const { return paper_; }
  int PageCount() const;

  // The first page shown, from 1.
  int FirstPage() const { return firstPage_; }
  // The choice of one or two pages (kept when zoomed in).
  int PagesChoice() const { return pagesChoice_; }
  // The pages shown now: two only when chosen, at the whole-sheet zoom, and
  // when a second page follows the first.
  int PagesShown() const;
  int ZoomLevel() const { return zoom_; }

  bool CanNext() const;
  bool CanPrev() const;
  bool CanZoomIn() const { return zoom_ < kZoomLevels - 1; }
  bool CanZoomOut() const { return zoom_ > 0; }

  // The commands of the preview's buttons. Each one that changes what is shown
  // calls onChange.
  void NextPage();
  void PrevPage();
  void GoToPage(int page);
  void TogglePagesShown();
  void ZoomIn();
  void ZoomOut();
  void Print();
  void Close();

  std::function<void()> onChange;
  std::function<void()> onPrint;
  std::function<void()> onClose;

  // Where the sheets of the shown pages go, in pixels, for a client area (the
  // visible part at the whole-sheet zoom). At a higher zoom the sheet is larger
  // than the client area and ContentSize tells the extent to scroll over.
  struct Sheet {
    int page = 0;
    Rect paper;          // the sheet, pixels
    Rect printable;      // its printable area, pixels
    int pixelsPerInch = 0;
  };
  std::vector<Sheet> Layout(Size client) const;
  Size ContentSize(Size client) const;

  // The button texts that change with the state.
  const char* PagesButtonText() const { return pagesChoice_ == 2 ? "One Page" : "Two Page"; }

 private:
  void Changed();
  // Clamps the first page into the source's range.
  void Settle();

  PageSource* source_;
  PreviewPaper paper_;
  int firstPage_ = 1;
  int pagesChoice_ = 1;
  int zoom_ = 0;
};

}  // namespace tervane::fw
