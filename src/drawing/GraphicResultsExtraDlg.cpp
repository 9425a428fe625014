#include "drawing/GraphicResultsExtraDlg.h"

#include "common/MessageDialogs.h"
#include "drawing/ScreenCapture.h"
#include "framework/DataExchange.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CGraphicResultsExtraDlg::CGraphicResultsExtraDlg(fw::Dialog* owner)
    : CResultsDrawingDlg("IDD_GRAPHIC_RESULTS_EXTRA", owner) {
  OnClicked(res::kAllTiebackToggleId, &CGraphicResultsExtraDlg::OnAllTiebackSurfaces);
  OnClicked(res::kToeCompoundToggleId, &CGraphicResultsExtraDlg::OnToeCompoundSurfaces);
  OnClicked(res::kLayerCompoundToggleId, &CGraphicResultsExtraDlg::OnLayerCompoundSurfaces);
  OnClicked(res::kExplanationId, &CGraphicResultsExtraDlg::OnExplanation);
  OnClicked(res::kCallPaintId, &CGraphicResultsExtraDlg::OnCallPaint);
}

bool CGraphicResultsExtraDlg::OnInitDialog() {
  CResultsDrawingDlg::OnInitDialog();
  // Beside the results drawing it was opened from, not over it.
  PlaceFromOwner(50, 25);
  strengthUnitFactor = StrengthUnitFactor();
  return true;
}

void CGraphicResultsExtraDlg::DoDataExchange(fw::DataExchange& dx) {
  CResultsDrawingDlg::DoDataExchange(dx);
  dx.Check(res::kAllTiebackToggleId, toggles.showAllTieback);
  dx.Check(res::kToeCompoundToggleId, toggles.showToeCompound);
  dx.Check(res::kLayerCompoundToggleId, toggles.showLayerCompound);
}

void CGraphicResultsExtraDlg::PaintFigure(fw::DeviceContext& dc, fw::Size client, const ResultsScene& scene) {
  PaintCompoundTiebackDrawing(dc, client, view, toggles, scene, strengthUnitFactor);
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

// The figure sits in the same place of this dialog's client area as in the
// results drawing; both capture commands copy the same rectangle of it.
void CGraphicResultsExtraDlg::OnCallPaint() {
  CaptureToImageEditor(*this, BitmapFileRect(ClientSize(), FrameOffset()));
}

CCompoundExplainDlg::CCompoundExplainDlg() : fw::Dialog(DialogTemplateNamed("IDD_COMPOUND_EXPLAIN")) {
  SetBackgroundColor(fw::kWhite);
}

bool CCompoundExplainDlg::OnInitDialog() {
  ApplyDialogIdLabelRule(*this);
  return fw::Dialog::OnInitDialog();
}

}  // namespace tervane
