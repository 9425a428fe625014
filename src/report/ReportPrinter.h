#pragma once
// The printed report of the last run: preparation of a print job, the page
// map, the page loop and the print preview. The document's view holds one
// CReportPrinter and hands it the framework's printing calls:
//
//   File > Print           -> printer.OnFilePrint()
//   direct print (no printer dialog, e.g. printing to a given printer or PDF)
//                          -> printer.PrintDirect(printerDc)
//   File > Print Preview   -> printer.OnFilePrintPreview(host)
//
// or, when the view runs its own print loop, the protocol itself:
//
//   ReportPrintInfo info;                  // info.preview / info.direct as asked
//   if (!printer.OnPreparePrinting(info)) return;   // options dialog, printer dialog
//   printer.OnBeginPrinting(dc, info);
//   for each page p in info.printer.page.fromPage .. toPage (within 1 .. info.maxPage):
//     info.currentPage = p;  dc.StartPage();  printer.OnPrint(dc, info);  dc.EndPage();
//   printer.OnEndPrinting(dc, info);
//
// It is also a fw::PageSource: DrawPage(dc, page) draws any prepared page, as
// the preview asks.
//
// The page map by the number N of layers of the last run (parts of 35 layers):
//   N <= 35: 1 title, 2 geometry, 3 soil and design, 4 summary 1, 5 detailed 1,
//            6 direct sliding and deep-seated                         (6 pages)
//   36..70:  4 summary 1, 5 summary 2, 6 detailed 1, 7 detailed 2, 8 sliding (8 pages)
//   > 70:    4..6 summary 1..3, 7..9 detailed 1..3, 10 sliding      (10 pages)
//
// Every page is drawn in twips: the page header, the page of that number and
// the page footer. Each page function makes and releases its own fonts and
// pens; what lasts between pages is only what OnPreparePrinting stored here.

#include <memory>
#include <string>

#include "app/StrengthFunctions.h"
#include "framework/DeviceContext.h"
#include "framework/PageSource.h"
#include "framework/PrintPreview.h"
#include "framework/Services.h"
#include "report/ReportConventions.h"
#include "report/ReportLanguage.h"

namespace tervane {

// What the print loop and the report tell each other about one job.
struct ReportPrintInfo {
  bool preview = false;  // print preview: no printer dialog
  bool direct = false;   // print without the printer dialog
  int minPage = 1;
  int maxPage = 1;       // set by OnPreparePrinting to the page count
  int currentPage = 1;   // the page OnPrint draws
  // The printer chosen in the printer dialog (File > Print only): its device
  // context and the pages asked for.
  fw::PrinterSelection printer;
};

enum class ReportPage {
  kNone,
  kTitle,
  kGeometry,
  kSoilAndDesign,
  kResultsSummary,
  kDetailedResults,
  kSlidingAndDeepSeated,
};

struct ReportPageAssignment {
  ReportPage page = ReportPage::kNone;
  int part = 0;  // 1..3 for the two tables, 0 otherwise
  friend bool operator==(const ReportPageAssignment&, const ReportPageAssignment&) = default;
};

// 6 pages up to 35 layers, 8 from 36 to 70, 10 above 70.
int ReportPageCount(int layerCount);
// The page function and table part of a page (kNone outside 1..page count).
ReportPageAssignment ReportPageAt(int layerCount, int pageNumber);

// What the main window does for the report's print preview (the application
// shell implements it).
class ReportPreviewHost {
 public:
  virtual ~ReportPreviewHost() = default;
  // Shows the preview over the main window's client area, and takes it away.
  virtual void ShowPreview(std::shared_ptr<fw::PrintPreviewModel> model) = 0;
  virtual void HidePreview() = 0;
  // Shows or hides the main menu (startDialog).
  virtual void ShowMainMenu(bool visible) = 0;
  // Runs the main window's File > Print command (after the preview has ended).
  virtual void FilePrint() = 0;
  // The profile's "PreviewPages": how many pages the preview shows at once.
  virtual int PreviewPages() const { return 1; }
  virtual void SetPreviewPages(int pages) { (void)pages; }
};

class CReportPrinter : public fw::PageSource {
 public:
  CReportPrinter();
  ~CReportPrinter() override;
  CReportPrinter(const CReportPrinter&) = delete;
  CReportPrinter& operator=(const CReportPrinter&) = delete;

  // ---- the printing protocol ---------------------------------------------------

  // Prepares a job: the units of the last run, the print options dialog (its
  // result is not looked at), the layer count and page count, the reduction
  // factors that vary, info.maxPage; then, unless info.preview or info.direct,
  // the printer dialog for pages 1..pageCount. False when the printer dialog
  // was cancelled (nothing printed).
  bool OnPreparePrinting(ReportPrintInfo& info);
  void OnBeginPrinting(fw::DeviceContext& dc, ReportPrintInfo& info);
  // Draws page info.currentPage: twips mapping, header, page, footer.
  void OnPrint(fw::DeviceContext& dc, ReportPrintInfo& info);
  void OnEndPrinting(fw::DeviceContext& dc, ReportPrintInfo& info);

  // File > Print: OnPreparePrinting, then the pages chosen in the printer
  // dialog as one job on the chosen printer. False when cancelled or failed.
  bool OnFilePrint();
  // Printing without the printer dialog onto the given printer device
  // context: the options dialog, then every page. False when the job failed.
  bool PrintDirect(fw::DeviceContext& printer);

  // File > Print Preview: hides the main menu, prepares (options dialog) and
  // shows the preview in the host. Its Close ends the preview; its Print ends
  // the preview and runs the host's File > Print.
  bool OnFilePrintPreview(ReportPreviewHost& host);
  // Ends the preview: keeps the pages choice, hides the preview and shows the
  // main menu again (also when Esc had hidden it).
  void OnEndPrintPreview();
  bool PreviewActive() const { return previewHost_ != nullptr; }
  // The preview being shown, or null.
  fw::PrintPreviewModel* Preview() const { return preview_.get(); }

  // ---- fw::PageSource ---------------------------------------------------------

  int PageCount() const override { return pageCount; }
  void DrawPage(fw::DeviceContext& dc, int page) override;

  // ---- the parts of a page -------------------------------------------------------

  void DrawPageHeader(fw::DeviceContext& dc);
  void DrawPageFooter(fw::DeviceContext& dc);
  void PrintTitlePage(fw::DeviceContext& dc, ReportPrintInfo& info);
  void PrintGeometryPage(fw::DeviceContext& dc, ReportPrintInfo& info);
  void PrintSoilAndDesignPage(fw::DeviceContext& dc, ReportPrintInfo& info);
  void PrintResultsSummaryPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part);
  void PrintDetailedResultsPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part);
  void PrintSlidingAndDeepSeatedPage(fw::DeviceContext& dc, ReportPrintInfo& info);

  // The strength check of one layer of the last run in the report's strength
  // unit (sets the check values of `layerCheck`).
  double ComputeLayerStrengthRatio(int layer);

  // The language, symbol style and colour mode of the report (of settings).
  ReportLanguage Language() const;
  int SymbolStyle() const;

  // ---- what preparation stores (read by the pages) ---------------------------

  int reportUnitSystem = 0;             // 1 = English units
  double lengthUnitFactor = 1.0;        // m -> ft
  double pressureUnitFactor = 1.0;      // kPa -> lb/ft^2
  double strengthUnitFactor = 1.0;      // kN/m -> lb/ft
  double unitWeightUnitFactor = 1.0;    // kN/m^3 -> lb/ft^3
  int reportLayerCount = 0;             // layers of the last run, 0..100
  int pageCount = 6;                    // 6, 8 or 10
  int currentPage = 1;                  // the page being drawn, from 1
  int rfInstallationVaries = 0;         // 1: the layers do not share RFid
  int rfDurabilityVaries = 0;
  int rfCreepVaries = 0;
  double firstLayerRfInstallation = 0.0;  // of the lowest layer
  double firstLayerRfDurability = 0.0;
  double firstLayerRfCreep = 0.0;
  int pageMargin = kDefaultPageMargin;  // twips
  LayerStrengthCheck layerCheck;        // its strengthUnitFactor is set by preparation

 private:
  std::string DocumentName() const;

  ReportPreviewHost* previewHost_ = nullptr;
  std::shared_ptr<fw::PrintPreviewModel> preview_;
};

}  // namespace tervane
