#include "drawing/GraphicResultsDlg.h"

#include "app/MessageDialogs.h"
#include "app/TervaneApp.h"
#include "drawing/CreateDxfFileDlg.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/DxfDrawing.h"
#include "drawing/GeometryDetailsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "framework/DataExchange.h"
#include "framework/Spreadsheet.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CGraphicResultsDlg::CGraphicResultsDlg()
    : fw::Dialog(DialogTemplateNamed("IDD_GRAPHIC_RESULTS")),
      layerCount(BoundedLayerCount(App().results.resultLayerCount)) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(res::kOutermostToggleId, &CGraphicResultsDlg::OnOutermostSurfaces);
  OnClicked(res::kScaleLargeId, &CGraphicResultsDlg::OnScaleLarge);
  OnClicked(res::kScaleSmallId, &CGraphicResultsDlg::OnScaleSmall);
  OnClicked(res::kDefaultScaleId, &CGraphicResultsDlg::OnDefaultScale);
  OnClicked(res::kUpId, &CGraphicResultsDlg::OnUp);
  OnClicked(res::kDownId, &CGraphicResultsDlg::OnDown);
  OnClicked(res::kLeftId, &CGraphicResultsDlg::OnLeft);
  OnClicked(res::kRightId, &CGraphicResultsDlg::OnRight);
  OnClicked(res::kBlackWhiteId, &CGraphicResultsDlg::OnBlackWhite);
  OnClicked(res::kViewTiebackCompoundId, &CGraphicResultsDlg::OnViewTiebackCompound);
  OnClicked(res::kGeometryDetailsId, &CGraphicResultsDlg::OnGeometryDetails);
  OnClicked(res::kCallDxfId, &CGraphicResultsDlg::OnCallDxf);
  OnClicked(res::kBitmapFileId, &CGraphicResultsDlg::OnBitmapFile);
  OnClicked(res::kCallPaintId, &CGraphicResultsDlg::OnCallPaint);
  OnControlEvent(res::kLayerListId, fw::sheet::kEventCellClick, &CGraphicResultsDlg::OnClickLayerSpread);
}

bool CGraphicResultsDlg::OnInitDialog() {
  const CTervaneApp& app = App();
  unitSystem = app.runInput.unitSystem;
  const bool english = unitSystem == 1;
  lengthUnitFactor = english ? kFeetPerMetre : 1.0;
  strengthCheck.strengthUnitFactor = english ? kLbPerFtPerKnPerM : 1.0;
  for (int k = 0; k < kMaxLayers; ++k) layerLength[k] = app.results.layerRearX[k] - app.results.layerFrontX[k];
  ApplyDialogIdLabelRule(*this);
  fw::Dialog::OnInitDialog();  // binds the list
  layerList_.SetRowCount(layerCount);
  return true;
}

void CGraphicResultsDlg::DoDataExchange(fw::DataExchange& dx) {
  dx.Control(res::kLayerListId, layerList_);
  dx.Check(res::kOutermostToggleId, showOutermost);
}

void CGraphicResultsDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size client = ClientSize();
  clientWidth = client.cx;
  clientHeight = client.cy;
  frame = DrawingFrame::Of(client);
  const CTervaneApp& app = App();
  const ResultsScene scene{app.runInput, app.results, layerCount, lengthUnitFactor, unitSystem,
                           app.settings.screenColorMode};
  PaintResultsDrawing(dc, client, view, showOutermost, scene, strengthCheck);
}

void CGraphicResultsDlg::RepaintFigure() {
  fw::Size area{clientWidth, clientHeight};
  if (area.cx <= 0 || area.cy <= 0) area = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{fw::ToDeviceCoord(0.0146 * area.cx), 0, area.cx, area.cy}, true);
}

void CGraphicResultsDlg::OnOutermostSurfaces() {
  showOutermost = 1 - showOutermost;
  RepaintFigure();
}

void CGraphicResultsDlg::OnScaleLarge() {
  view.ZoomIn();
  RepaintFigure();
}

void CGraphicResultsDlg::OnScaleSmall() {
  view.ZoomOut();
  RepaintFigure();
}

void CGraphicResultsDlg::OnDefaultScale() {
  view.Reset();
  RepaintFigure();
}

void CGraphicResultsDlg::OnUp() {
  view.Pan(0, -1);
  RepaintFigure();
}

void CGraphicResultsDlg::OnDown() {
  view.Pan(0, 1);
  RepaintFigure();
}

void CGraphicResultsDlg::OnLeft() {
  view.Pan(-1, 0);
  RepaintFigure();
}

void CGraphicResultsDlg::OnRight() {
  view.Pan(1, 0);
  RepaintFigure();
}

void CGraphicResultsDlg::OnBlackWhite() {
  CDisplayBitmapDlg dlg;
  dlg.DoModal();
  RepaintFigure();  // whatever it returned
}

void CGraphicResultsDlg::OnViewTiebackCompound() {
  CGraphicResultsExtraDlg dlg;
  dlg.DoModal();
  RepaintFigure();
}

void CGraphicResultsDlg::OnGeometryDetails() {
  CGeometryDetailsDlg dlg;
  dlg.DoModal();
}

void CGraphicResultsDlg::OnCallDxf() {
  CCreateDxfFileDlg dlg;
  dlg.DoModal();
}

void CGraphicResultsDlg::OnBitmapFile() { CaptureToBitmapFile(*this, BitmapFileRect(ClientSize())); }

void CGraphicResultsDlg::OnCallPaint() { CaptureToImageEditor(*this, CallPaintRect(ClientSize())); }

void CGraphicResultsDlg::OnClickLayerSpread(int /*col*/, int row) {
  view.ClickRow(row, layerCount);
  RepaintFigure();
}

}  // namespace tervane
