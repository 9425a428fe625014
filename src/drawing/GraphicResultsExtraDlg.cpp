#include "drawing/GraphicResultsExtraDlg.h"

#include "app/MessageDialogs.h"
#include "app/TervaneApp.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/DxfDrawing.h"
#include "drawing/ScreenCapture.h"
#include "framework/DataExchange.h"
#include "framework/Spreadsheet.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CGraphicResultsExtraDlg::CGraphicResultsExtraDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_GRAPHIC_RESULTS_EXTRA")),
      layerCount(BoundedLayerCount(App().results.resultLayerCount)) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(res::kAllTiebackToggleId, &CGraphicResultsExtraDlg::OnAllTiebackSurfaces);
  OnClicked(res::kToeCompoundToggleId, &CGraphicResultsExtraDlg::OnToeCompoundSurfaces);
  OnClicked(res::kLayerCompoundToggleId, &CGraphicResultsExtraDlg::OnLayerCompoundSurfaces);
  OnClicked(res::kExplanationId, &CGraphicResultsExtraDlg::OnExplanation);
  OnClicked(res::kScaleLargeId, &CGraphicResultsExtraDlg::OnScaleLarge);
  OnClicked(res::kScaleSmallId, &CGraphicResultsExtraDlg::OnScaleSmall);
  OnClicked(res::kDefaultScaleId, &CGraphicResultsExtraDlg::OnDefaultScale);
  OnClicked(res::kUpId, &CGraphicResultsExtraDlg::OnUp);
  OnClicked(res::kDownId, &CGraphicResultsExtraDlg::OnDown);
  OnClicked(res::kLeftId, &CGraphicResultsExtraDlg::OnLeft);
  OnClicked(res::kRightId, &CGraphicResultsExtraDlg::OnRight);
  OnClicked(res::kBlackWhiteId, &CGraphicResultsExtraDlg::OnBlackWhite);
  OnClicked(res::kBitmapFileId, &CGraphicResultsExtraDlg::OnBitmapFile);
  OnClicked(res::kCallPaintId, &CGraphicResultsExtraDlg::OnCallPaint);
  OnControlEvent(res::kLayerListId, fw::sheet::kEventCellClick, &CGraphicResultsExtraDlg::OnClickLayerSpread);
}

bool CGraphicResultsExtraDlg::OnInitDialog() {
  const CTervaneApp& app = App();
  unitSystem = app.runInput.unitSystem;
  const bool english = unitSystem == 1;
  lengthUnitFactor = english ? kFeetPerMetre : 1.0;
  strengthUnitFactor = english ? kLbPerFtPerKnPerM : 1.0;
  for (int k = 0; k < kMaxLayers; ++k) layerLength[k] = app.results.layerRearX[k] - app.results.layerFrontX[k];
  ApplyDialogIdLabelRule(*this);
  fw::Dialog::OnInitDialog();  // binds the list
  layerList_.SetRowCount(layerCount);
  return true;
}

void CGraphicResultsExtraDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Control(res::kLayerListId, layerList_);
  dx.Check(res::kAllTiebackToggleId, toggles.showAllTieback);
  dx.Check(res::kToeCompoundToggleId, toggles.showToeCompound);
  dx.Check(res::kLayerCompoundToggleId, toggles.showLayerCompound);
}

void CGraphicResultsExtraDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size client = ClientSize();
  clientWidth = client.cx;
  clientHeight = client.cy;
  frame = DrawingFrame::Of(client);
  const CTervaneApp& app = App();
  const ResultsScene scene{app.runInput, app.results, layerCount, lengthUnitFactor, unitSystem,
                           app.settings.screenColorMode};
  PaintCompoundTiebackDrawing(dc, client, view, toggles, scene, strengthUnitFactor);
}

// Every change repaints the figure whole from the frame's left edge: the
// layers and the surfaces of a picked layer reach left of 0.075 W, where a
// narrower repaint would leave a strip of the old figure behind.
void CGraphicResultsExtraDlg::RepaintFigure() {
  fw::Size area{clientWidth, clientHeight};
  if (area.cx <= 0 || area.cy <= 0) area = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{fw::ToDeviceCoord(0.0146 * area.cx), 0, area.cx, area.cy}, true);
}

void CGraphicResultsExtraDlg::OnAllTiebackSurfaces() {
  toggles.showAllTieback = 1 - toggles.showAllTieback;
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnToeCompoundSurfaces() {
  toggles.showToeCompound = 1 - toggles.showToeCompound;
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnLayerCompoundSurfaces() {
  toggles.showLayerCompound = 1 - toggles.showLayerCompound;
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnExplanation() {
  CCompoundExplainDlg dlg;
  dlg.DoModal();
}

void CGraphicResultsExtraDlg::OnScaleLarge() {
  view.ZoomIn();
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnScaleSmall() {
  view.ZoomOut();
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnDefaultScale() {
  view.Reset();
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnUp() {
  view.Pan(0, -1);
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnDown() {
  view.Pan(0, 1);
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnLeft() {
  view.Pan(-1, 0);
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnRight() {
  view.Pan(1, 0);
  RepaintFigure();
}

void CGraphicResultsExtraDlg::OnBlackWhite() {
  CDisplayBitmapDlg dlg;
  dlg.DoModal();
  RepaintFigure();
}

// The figure sits in the same place of this dialog's client area as in the
// results drawing; both commands copy the same rectangle of it.
void CGraphicResultsExtraDlg::OnBitmapFile() { CaptureToBitmapFile(*this, BitmapFileRect(ClientSize())); }

void CGraphicResultsExtraDlg::OnCallPaint() { CaptureToImageEditor(*this, BitmapFileRect(ClientSize())); }

void CGraphicResultsExtraDlg::OnClickLayerSpread(int /*col*/, int row) {
  view.ClickRow(row, layerCount);
  RepaintFigure();
}

CCompoundExplainDlg::CCompoundExplainDlg() : fw::Dialog(DialogTemplateNamed("IDD_COMPOUND_EXPLAIN")) {
  SetBackgroundColor(fw::kWhite);
}

bool CCompoundExplainDlg::OnInitDialog() {
  ApplyDialogIdLabelRule(*this);
  return fw::Dialog::OnInitDialog();
}

}  // namespace tervane
