#pragma once
// The printed report of the last run: preparation of a print job, the page
// map and the drawing of each page. The document's view (CTervaneView) holds
// one CReportPrinter and forwards the framework's printing protocol to it;
// the framework's print loop and print preview (framework/View.h) run it:
//
//   File > Print, direct printing (/p, /pt) and File > Print Preview
//     -> view.OnPreparePrinting(info)  -> printer.OnPreparePrinting(info)
//        (the options dialog, then the framework's standard preparation: the
//        printer dialog for File > Print, the named or default printer for
//        direct printing, nothing for the preview)
//     -> view.OnBeginPrinting          -> printer.OnBeginPrinting
//     -> for each page: view.OnPrint   -> printer.OnPrint(dc, info)
//     -> view.OnEndPrinting            -> printer.OnEndPrinting
//
// The preview draws any page, any number of times, through the same OnPrint.
// It is also a fw::PageSource: DrawPage(dc, page) draws any prepared page
// with print information of its own.
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

#include "model/StrengthFunctions.h"
#include "framework/DeviceContext.h"
#include "framework/PageSource.h"
#include "framework/View.h"
#include "report/ReportConventions.h"
#include "report/ReportLanguage.h"

namespace tervane {

// What the print loop and the report tell each other about one job: the
// framework's print information (preview, direct, minPage, maxPage,
// currentPage, the printer).
using ReportPrintInfo = fw::PrintInfo;

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

class CReportPrinter : public fw::PageSource {
 public:
  CReportPrinter();
  ~CReportPrinter() override;
  CReportPrinter(const CReportPrinter&) = delete;
  CReportPrinter& operator=(const CReportPrinter&) = delete;

  // ---- the printing protocol ---------------------------------------------------

  // Prepares a job: the units of the last run, the print options dialog (its
  // result is not looked at), the layer count and page count, the reduction
  // factors that vary, info.maxPage; then the framework's standard print
  // preparation (fw::DoPreparePrinting): the printer dialog for pages
  // 1..pageCount, or the named printer when info.direct, or the page of the
  // preview. False when no printer was had (nothing printed).
  bool OnPreparePrinting(ReportPrintInfo& info);
  void OnBeginPrinting(fw::DeviceContext& dc, ReportPrintInfo& info);
  // Draws page info.currentPage: twips mapping, header, page, footer.
  void OnPrint(fw::DeviceContext& dc, ReportPrintInfo& info);
  void OnEndPrinting(fw::DeviceContext& dc, ReportPrintInfo& info);

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
};

}  // namespace tervane
