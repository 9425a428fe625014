#include "drawing/GraphicResultsDlg.h"

#include "drawing/CreateDxfFileDlg.h"
#include "drawing/GeometryDetailsDlg.h"
#include "drawing/GraphicResultsExtraDlg.h"
#include "drawing/ScreenCapture.h"
#include "framework/DataExchange.h"
#include "resources/DrawingResources.h"

namespace tervane {

CGraphicResultsDlg::CGraphicResultsDlg() : CResultsDrawingDlg("IDD_GRAPHIC_RESULTS") {
  OnClicked(res::kOutermostToggleId, &CGraphicResultsDlg::OnOutermostSurfaces);
  OnClicked(res::kViewTiebackCompoundId, &CGraphicResultsDlg::OnViewTiebackCompound);
  OnClicked(res::kGeometryDetailsId, &CGraphicResultsDlg::OnGeometryDetails);
  OnClicked(res::kCallDxfId, &CGraphicResultsDlg::OnCallDxf);
  OnClicked(res::kCallPaintId, &CGraphicResultsDlg::OnCallPaint);
}

bool CGraphicResultsDlg::OnInitDialog() {
  CResultsDrawingDlg::OnInitDialog();
  strengthCheck.strengthUnitFactor = StrengthUnitFactor();
  return true;
}

void CGraphicResultsDlg::DoDataExchange(fw::DataExchange& dx) {
  CResultsDrawingDlg::DoDataExchange(dx);
  dx.Check(res::kOutermostToggleId, showOutermost);
}

void CGraphicResultsDlg::PaintFigure(fw::DeviceContext& dc, fw::Size client, const ResultsScene& scene) {
  PaintResultsDrawing(dc, client, view, showOutermost, scene, strengthCheck);
}

void CGraphicResultsDlg::OnOutermostSurfaces() {
  showOutermost = 1 - showOutermost;
  RepaintFigure();
}

void CGraphicResultsDlg::OnViewTiebackCompound() {
  CGraphicResultsExtraDlg dlg(this);
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

void CGraphicResultsDlg::OnCallPaint() { CaptureToImageEditor(*this, CallPaintRect(ClientSize(), FrameOffset())); }

}  // namespace tervane
