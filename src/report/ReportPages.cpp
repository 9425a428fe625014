// The entry points of the report's content pages (pages 2 and 3, the summary
// and detailed tables in parts of 35 layers, and the direct-sliding and
// deep-seated page). The page loop, the page count and the preview call them
// already; their contents arrive with the pages' own files, each page drawing
// between the header and the footer in the page frame of ReportConventions.h.

#include "report/ReportPrinter.h"

namespace tervane {

void CReportPrinter::PrintGeometryPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)dc;
  (void)info;
}

void CReportPrinter::PrintSoilAndDesignPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)dc;
  (void)info;
}

void CReportPrinter::PrintResultsSummaryPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part) {
  (void)dc;
  (void)info;
  (void)part;
}

void CReportPrinter::PrintDetailedResultsPage(fw::DeviceContext& dc, ReportPrintInfo& info, int part) {
  (void)dc;
  (void)info;
  (void)part;
}

void CReportPrinter::PrintSlidingAndDeepSeatedPage(fw::DeviceContext& dc, ReportPrintInfo& info) {
  (void)dc;
  (void)info;
}

}  // namespace tervane
