#include "report/ReportPrinter.h"

#include <algorithm>
#include <cmath>

#include "app/TervaneApp.h"
#include "report/DisplayGraphicsDlg.h"

namespace tervane {

int ReportPageCount(int layerCount) {
  if (layerCount <= 35) return 6;
  if (layerCount <= 70) return 8;
  return 10;
}

ReportPageAssignment ReportPageAt(int layerCount, int pageNumber) {
  const int count = ReportPageCount(layerCount);
  if (pageNumber < 1 || pageNumber > count) return {};
  switch (pageNumber) {
    case 1: return {ReportPage::kTitle, 0};
    case 2: return {ReportPage::kGeometry, 0};
    case 3: return {ReportPage::kSoilAndDesign, 0};
    default: break;
  }
  if (pageNumber == count) return {ReportPage::kSlidingAndDeepSeated, 0};
  // Pages 4 .. count - 1 hold the two tables, each in parts of 35 layers.
  const int parts = (count - 4) / 2;
  const int index = pageNumber - 4;
  if (index < parts) return {ReportPage::kResultsSummary, index + 1};
  return {ReportPage::kDetailedResults, index - parts + 1};
}

CReportPrinter::CReportPrinter() = default;
CReportPrinter::~CReportPrinter() = default;

ReportLanguage CReportPrinter::Language() const { return ReportLanguageOf(App().settings.reportLanguage); }

int CReportPrinter::SymbolStyle() const { return App().settings.symbolStyle; }

double CReportPrinter::ComputeLayerStrengthRatio(int layer) {
  const CTervaneApp& app = App();
  return layerCheck.ComputeLayerStrengthRatio(app.runInput, app.results, layer);
}

bool CReportPrinter::OnPreparePrinting(ReportPrintInfo& info) {
  const CTervaneApp& app = App();
  // The units of the last run, whatever the input shows now.
  reportUnitSystem = app.runInput.unitSystem != 0 ? 1 : 0;
  lengthUnitFactor = UnitFactor(Quantity::kLength, reportUnitSystem);
  pressureUnitFactor = UnitFactor(Quantity::kPressure, reportUnitSystem);
  strengthUnitFactor = UnitFactor(Quantity::kStrength, reportUnitSystem);
  unitWeightUnitFactor = UnitFactor(Quantity::kUnitWeight, reportUnitSystem);
  layerCheck.strengthUnitFactor = strengthUnitFactor;

  // The options come before every print and preview; only their OK stores
  // anything, and the job goes on either way.
  {
    CDisplayGraphicsDlg options;
    options.DoModal();
  }

  // A count outside the layer table never reads beyond it.
  reportLayerCount = std::clamp(App().results.resultLayerCount, 0, kMaxLayers);
  pageCount = ReportPageCount(reportLayerCount);

  const ProjectInput& run = App().runInput;
  rfInstallationVaries = 0;
  rfDurabilityVaries = 0;
  rfCreepVaries = 0;
  firstLayerRfInstallation = run.layerRfInstallation[0];
  firstLayerRfDurability = run.layerRfDurability[0];
  firstLayerRfCreep = run.layerRfCreep[0];
  for (int k = 0; k < reportLayerCount; ++k) {
    if (std::fabs(firstLayerRfInstallation - run.layerRfInstallation[k]) > 0.001) rfInstallationVaries = 1;
    if (std::fabs(firstLayerRfDurability - run.layerRfDurability[k]) > 0.001) rfDurabilityVaries = 1;
    if (std::fabs(firstLayerRfCreep - run.layerRfCreep[k]) > 0.001) rfCreepVaries = 1;
  }

  info.minPage = 1;
  info.maxPage = pageCount;
  if (info.preview || info.direct) return true;
  fw::PrintDialogOptions dialog;
  dialog.minPage = 1;
  dialog.maxPage = pageCount;
  dialog.allowPageRange = true;
  info.printer = fw::Printing().Print(dialog);
  return info.printer.dc != nullptr;
}

void CReportPrinter::OnBeginPrinting(fw::DeviceContext&, ReportPrintInfo&) {}
void CReportPrinter::OnEndPrinting(fw::DeviceContext&, ReportPrintInfo&) {}

void CReportPrinter::OnPrint(fw::DeviceContext& dc, ReportPrintInfo& info) {
  dc.SetMapMode(fw::MapMode::Twips);
  // No page frame is drawn: the header and footer rules frame the page.
  currentPage = info.currentPage;
  DrawPageHeader(dc);
  const ReportPageAssignment at = ReportPageAt(reportLayerCount, currentPage);
  switch (at.page) {
    case ReportPage::kTitle: PrintTitlePage(dc, info); break;
    case ReportPage::kGeometry: PrintGeometryPage(dc, info); break;
    case ReportPage::kSoilAndDesign: PrintSoilAndDesignPage(dc, info); break;
    case ReportPage::kResultsSummary: PrintResultsSummaryPage(dc, info, at.part); break;
    case ReportPage::kDetailedResults: PrintDetailedResultsPage(dc, info, at.part); break;
    case ReportPage::kSlidingAndDeepSeated: PrintSlidingAndDeepSeatedPage(dc, info); break;
    case ReportPage::kNone: break;
  }
  DrawPageFooter(dc);
}

void CReportPrinter::DrawPage(fw::DeviceContext& dc, int page) {
  ReportPrintInfo info;
  info.preview = PreviewActive();
  info.maxPage = pageCount;
  info.currentPage = page;
  OnPrint(dc, info);
}

std::string CReportPrinter::DocumentName() const {
  const std::string& path = App().projectPath;
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.empty() ? std::string("Tervane") : "Tervane - " + name;
}

bool CReportPrinter::OnFilePrint() {
  ReportPrintInfo info;
  if (!OnPreparePrinting(info)) return false;
  fw::DeviceContext& printer = *info.printer.dc;
  OnBeginPrinting(printer, info);
  const bool printed =
      fw::PrintPages(printer, *this, info.printer.page.fromPage, info.printer.page.toPage, DocumentName());
  OnEndPrinting(printer, info);
  return printed;
}

bool CReportPrinter::PrintDirect(fw::DeviceContext& printer) {
  ReportPrintInfo info;
  info.direct = true;
  if (!OnPreparePrinting(info)) return false;
  OnBeginPrinting(printer, info);
  const bool printed = fw::PrintPages(printer, *this, 1, pageCount, DocumentName());
  OnEndPrinting(printer, info);
  return printed;
}

bool CReportPrinter::OnFilePrintPreview(ReportPreviewHost& host) {
  if (PreviewActive()) OnEndPrintPreview();
  previewHost_ = &host;
  host.ShowMainMenu(false);
  ReportPrintInfo info;
  info.preview = true;
  if (!OnPreparePrinting(info)) {
    OnEndPrintPreview();
    return false;
  }
  preview_ = std::make_shared<fw::PrintPreviewModel>(*this, host.PreviewPages());
  preview_->onClose = [this] { OnEndPrintPreview(); };
  preview_->onPrint = [this] {
    ReportPreviewHost* from = previewHost_;
    OnEndPrintPreview();
    if (from != nullptr) from->FilePrint();
  };
  host.ShowPreview(preview_);
  return true;
}

void CReportPrinter::OnEndPrintPreview() {
  ReportPreviewHost* host = previewHost_;
  if (host == nullptr) return;
  previewHost_ = nullptr;
  if (preview_) host->SetPreviewPages(preview_->PagesChoice());
  host->HidePreview();
  host->ShowMainMenu(true);
  // The host may still hold the model until its widget is gone; the model
  // must not call back into this object any more.
  if (preview_) {
    preview_->onClose = nullptr;
    preview_->onPrint = nullptr;
  }
  preview_.reset();
}

}  // namespace tervane
