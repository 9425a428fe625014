#pragma once
// The printed report's side of the view: the view (CTervaneView) forwards
// each of its printing operations here, in the framework's order:
//   OnPreparePrinting  before Print, direct printing and Print Preview: sets
//                      the page count and gets the printer (the view's
//                      DoPreparePrinting); false ends the print;
//   OnBeginPrinting    once, before the first page;
//   OnPrint            for every page (info.currentPage), then the view
//                      draws its own (nothing);
//   OnEndPrinting      once, after the last page;
//   OnEndPrintPreview  when a preview ends, before the view ends it (which
//                      calls OnEndPrinting) and shows the main menu again.
// Until the report's pages are written these print blank pages.

#include "framework/DeviceContext.h"
#include "framework/View.h"

namespace tervane {

class CTervaneView;

class ReportPrinter {
 public:
  explicit ReportPrinter(CTervaneView& view) : view_(view) {}

  // The report's page count: 6 pages for up to 35 layers of the last run, 8
  // for 36 to 70, 10 for more.
  static int PageCount(int resultLayerCount);

  bool OnPreparePrinting(fw::PrintInfo& info);
  void OnBeginPrinting(fw::DeviceContext& dc, fw::PrintInfo& info);
  void OnPrint(fw::DeviceContext& dc, fw::PrintInfo& info);
  void OnEndPrinting(fw::DeviceContext& dc, fw::PrintInfo& info);
  void OnEndPrintPreview(fw::DeviceContext& dc, fw::PrintInfo& info);

 private:
  CTervaneView& view_;
};

}  // namespace tervane
