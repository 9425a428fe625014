#pragma once
// The view of a document and the framework's printing protocol. Printing and
// the print preview draw the view's pages through one page source, so the
// preview shows what the printer gets: the print loop is fw::PrintPages
// (PageSource.h), the preview is a PrintPreviewModel (PrintPreview.h) that
// the main frame shows in its client area.
//
// Printing calls, in this order: OnPreparePrinting (sets the page count and
// gets the printer through DoPreparePrinting; false ends the print),
// OnBeginPrinting, then for every page OnPrepareDC and OnPrint, and
// OnEndPrinting. The preview calls the same operations with `preview` set and
// ends with OnEndPrintPreview, whose base calls OnEndPrinting and closes the
// preview. Print in the preview ends it and sends the frame's File > Print
// command, so a print from the preview is prepared like any other.

#include <memory>
#include <string>

#include "framework/Commands.h"
#include "framework/DeviceContext.h"
#include "framework/PrintPreview.h"
#include "framework/Services.h"

namespace tervane::fw {

class Document;
class FrameWindow;

// What the print loop and the view tell each other about one job.
struct PrintInfo {
  bool preview = false;
  bool direct = false;         // no Print dialog: the default or named printer
  std::string printerName;     // direct printing: empty for the default printer
  int minPage = 1;
  int maxPage = 0xFFFF;        // 0xFFFF: not known, one page is printed
  int fromPage = 1;            // the pages chosen in the Print dialog
  int toPage = 0xFFFF;
  int currentPage = 1;         // the page OnPrint draws
  int previewPages = 1;        // 1 or 2 pages side by side in the preview
  // The printable area of the page in logical units, set before each OnPrint.
  Rect drawRect;
  // Set by DoPreparePrinting: the printer (no device context in preview).
  PrinterSelection printer;
  PrintPageInfo page;

  void SetMaxPage(int page) { maxPage = page; }
  // The last page of the job: maxPage, or minPage while the count is not known.
  int LastPage() const { return maxPage == 0xFFFF ? minPage : maxPage; }
};

// The framework's standard print preparation: the Print dialog (page range
// from the page count), the default or named printer for direct printing
// (a name ending in ".pdf" is that PDF file; a message says when there is
// none), or only the page the preview lays out. False when cancelled or when
// there is no printer.
bool DoPreparePrinting(PrintInfo& info);

class View : public CommandTarget {
 public:
  View();
  ~View() override;

  Document* GetDocument() const { return document_; }
  // The main frame of the application the document belongs to, or null.
  FrameWindow* MainFrame() const;

  virtual void OnInitialUpdate() {}
  virtual void OnDraw(DeviceContext& dc);

  virtual bool OnPreparePrinting(PrintInfo& info);
  virtual void OnBeginPrinting(DeviceContext& dc, PrintInfo& info);
  // Before each page (the base does nothing).
  virtual void OnPrepareDC(DeviceContext& dc, PrintInfo* info);
  // The base draws the view (OnDraw).
  virtual void OnPrint(DeviceContext& dc, PrintInfo& info);
  virtual void OnEndPrinting(DeviceContext& dc, PrintInfo& info);
  // The base calls OnEndPrinting, keeps the preview's choice of one or two
  // pages in the profile and closes the preview.
  virtual void OnEndPrintPreview(DeviceContext& dc, PrintInfo& info);

  // As fw::DoPreparePrinting.
  bool DoPreparePrinting(PrintInfo& info) { return fw::DoPreparePrinting(info); }

  // The framework's print commands (a view maps them as it chooses). Each
  // returns true when the pages were printed (or the preview started).
  bool OnFilePrint();
  bool OnFilePrintDirect(const std::string& printerName = "");
  bool OnFilePrintPreview();

  // Runs the print loop on the prepared printer of `info`: OnBeginPrinting,
  // the pages fromPage..toPage within minPage..LastPage, OnEndPrinting; a
  // failure is said in a message.
  bool PrintPages(PrintInfo& info);

  // The preview of this view while it runs, or null.
  PrintPreviewModel* Preview() const;

 private:
  friend class DocManager;
  class Pages;
  struct PreviewJob;
  void EndPreview();

  Document* document_ = nullptr;
  std::shared_ptr<PreviewJob> preview_;
};

// The framework's messages about printing.
inline constexpr const char* kFailedToStartPrint = "Failed to start the print job.";
inline constexpr const char* kPrintFailed = "The document could not be printed.";
inline constexpr const char* kNoPrinter = "There is no printer to print on.";

}  // namespace tervane::fw
