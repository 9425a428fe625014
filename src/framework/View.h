#pragma once
// The view of a document and the framework's printing: the print loop (Print
// dialog, printer device context, one StartPage/EndPage per page with the
// page count the view sets) and the print preview, which shows the pages the
// view prints inside the main frame's client area.
//
// Printing calls, in this order: OnPreparePrinting (sets the page count and
// gets the printer through DoPreparePrinting; false ends the print),
// OnBeginPrinting, then for every page OnPrepareDC and OnPrint, and
// OnEndPrinting. The preview calls the same operations with `preview` set and
// ends with OnEndPrintPreview, whose base calls OnEndPrinting and closes the
// preview.

#include <memory>
#include <string>

#include "framework/Commands.h"
#include "framework/DeviceContext.h"
#include "framework/FrameBackend.h"
#include "framework/Services.h"

namespace tervane::fw {

class Document;
class FrameWindow;

struct PrintInfo {
  bool preview = false;
  bool direct = false;         // no Print dialog: the default or named printer
  std::string printerName;     // direct printing: empty for the default printer
  int minPage = 1;
  int maxPage = 0xFFFF;        // 0xFFFF: not known, printing stops after page 1
  int fromPage = 1;            // the pages chosen in the Print dialog
  int toPage = 0xFFFF;
  int currentPage = 1;
  int previewPages = 1;
  bool continuePrinting = true;
  // The printable area of the page in logical units, set before each OnPrint.
  Rect drawRect;
  // Set by DoPreparePrinting: the printer (no device context in preview).
  PrinterSelection printer;
  PrintPageInfo page;

  void SetMaxPage(int page) { maxPage = page; }
};

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
  // Before each page: the base ends a print whose page count is not known
  // after page 1.
  virtual void OnPrepareDC(DeviceContext& dc, PrintInfo* info);
  // The base draws the view (OnDraw).
  virtual void OnPrint(DeviceContext& dc, PrintInfo& info);
  virtual void OnEndPrinting(DeviceContext& dc, PrintInfo& info);
  // The base calls OnEndPrinting and closes the preview.
  virtual void OnEndPrintPreview(DeviceContext& dc, PrintInfo& info);

  // Gets the printer: the Print dialog (page range from the page count), the
  // default or named printer for direct printing, or only the page layout for
  // a preview. False when cancelled or when there is no printer.
  bool DoPreparePrinting(PrintInfo& info);

  // The framework's print commands (a view maps them as it chooses). Each
  // returns true when the pages were printed (or the preview started).
  bool OnFilePrint();
  bool OnFilePrintDirect(const std::string& printerName = "");
  bool OnFilePrintPreview();

  // Runs the print loop on the prepared printer of `info`.
  bool PrintPages(PrintInfo& info);

 private:
  friend class DocManager;
  Document* document_ = nullptr;
};

// The print preview of a view, shown by the main frame in its client area
// (Page Up, Page Down and Esc page and close it). It keeps the view's print
// information between pages; the frame owns it while it runs.
class PrintPreview : public PreviewEvents {
 public:
  PrintPreview(View& view, FrameWindow& frame, PrintInfo info);
  ~PrintPreview() override;

  View& GetView() const { return view_; }
  const PrintInfo& Info() const { return info_; }
  PrintInfo& Info() { return info_; }

  PreviewState State() const override;
  PrintPageInfo Page() const override { return info_.page; }
  void RenderPage(int page, DeviceContext& dc) override;
  void PreviewCommand(PreviewAction action) override;

  // The device context the view's begin and end operations get (no drawing
  // happens on it).
  DeviceContext& AttributeDC() { return *attributes_; }

 private:
  int LastPage() const;

  View& view_;
  FrameWindow& frame_;
  PrintInfo info_;
  std::unique_ptr<DeviceContext> attributes_;
  int zoom_ = 0;
};

// The framework's messages about printing.
inline constexpr const char* kFailedToStartPrint = "Failed to start the print job.";
inline constexpr const char* kPrintFailed = "The document could not be printed.";
inline constexpr const char* kNoPrinter = "There is no printer to print on.";

}  // namespace tervane::fw
