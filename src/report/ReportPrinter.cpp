#include "report/ReportPrinter.h"

#include "app/TervaneApp.h"
#include "app/TervaneView.h"

namespace tervane {

int ReportPrinter::PageCount(int resultLayerCount) {
  if (resultLayerCount <= 35) return 6;
  if (resultLayerCount <= 70) return 8;
  return 10;
}

bool ReportPrinter::OnPreparePrinting(fw::PrintInfo& info) {
  info.SetMaxPage(PageCount(App().results.resultLayerCount));
  return view_.DoPreparePrinting(info);
}

void ReportPrinter::OnBeginPrinting(fw::DeviceContext&, fw::PrintInfo&) {}

void ReportPrinter::OnPrint(fw::DeviceContext&, fw::PrintInfo&) {}

void ReportPrinter::OnEndPrinting(fw::DeviceContext&, fw::PrintInfo&) {}

void ReportPrinter::OnEndPrintPreview(fw::DeviceContext&, fw::PrintInfo&) {}

}  // namespace tervane
