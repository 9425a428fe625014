#include "report/ReportPrinter.h"

#include <algorithm>
#include <cmath>

#include "model/ProjectData.h"
#include "report/DisplayGraphicsDlg.h"
#include "report/ReportPages.h"

namespace tervane {

int ReportPageCount(int layerCount) {
  if (layerCount <= kLayersPerTablePart) return 6;
  if (layerCount <= 2 * kLayersPerTablePart) return 8;
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
  // Pages 4 .. count - 1 hold the two tables, each in parts of kLayersPerTablePart layers.
  const int parts = (count - 4) / 2;
  const int index = pageNumber - 4;
  if (index < parts) return {ReportPage::kResultsSummary, index + 1};
  return {ReportPage::kDetailedResults, index - parts + 1};
}

CReportPrinter::CReportPrinter() = default;
CReportPrinter::~CReportPrinter() = default;

ReportLanguage CReportPrinter::Language() const { return ReportLanguageOf(Project().settings.reportLanguage); }

int CReportPrinter::SymbolStyle() const { return Project().settings.symbolStyle; }

double CReportPrinter::ComputeLayerStrengthRatio(int layer) {
  const ProjectData& project = Project();
  return layerCheck.ComputeLayerStrengthRatio(project.runInput, project.results, layer);
}

bool CReportPrinter::OnPreparePrinting(ReportPrintInfo& info) {
  const ProjectData& project = Project();
  // The units of the last run, whatever the input shows now.
  reportUnitSystem = project.runInput.unitSystem != 0 ? 1 : 0;
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
  reportLayerCount = Project().results.LayerCount();
  pageCount = ReportPageCount(reportLayerCount);

  const ProjectInput& run = Project().runInput;
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
  info.SetMaxPage(pageCount);
  return fw::DoPreparePrinting(info);
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
  info.SetMaxPage(pageCount);
  info.currentPage = page;
  OnPrint(dc, info);
}

}  // namespace tervane
