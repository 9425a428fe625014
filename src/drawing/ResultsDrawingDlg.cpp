#include "drawing/ResultsDrawingDlg.h"

#include "model/DisplayUnits.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "drawing/DisplayBitmapDlg.h"
#include "drawing/DxfDrawing.h"
#include "drawing/ScreenCapture.h"
#include "framework/DataExchange.h"
#include "framework/Spreadsheet.h"
#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"

namespace tervane {

CResultsDrawingDlg::CResultsDrawingDlg(const char* templateName, fw::Dialog* owner)
    : fw::Dialog(DialogTemplateNamed(templateName), owner),
      layerCount(Project().results.LayerCount()) {
  SetBackgroundColor(fw::kDefaultDialogColor);
  OnClicked(res::kScaleLargeId, &CResultsDrawingDlg::OnScaleLarge);
  OnClicked(res::kScaleSmallId, &CResultsDrawingDlg::OnScaleSmall);
  OnClicked(res::kDefaultScaleId, &CResultsDrawingDlg::OnDefaultScale);
  OnClicked(res::kUpId, &CResultsDrawingDlg::OnUp);
  OnClicked(res::kDownId, &CResultsDrawingDlg::OnDown);
  OnClicked(res::kLeftId, &CResultsDrawingDlg::OnLeft);
  OnClicked(res::kRightId, &CResultsDrawingDlg::OnRight);
  OnClicked(res::kBlackWhiteId, &CResultsDrawingDlg::OnBlackWhite);
  OnClicked(res::kBitmapFileId, &CResultsDrawingDlg::OnBitmapFile);
  OnControlEvent(res::kLayerListId, fw::sheet::kEventCellClick, &CResultsDrawingDlg::OnClickLayerSpread);
}

bool CResultsDrawingDlg::OnInitDialog() {
  const ProjectData& project = Project();
  unitSystem = project.runInput.unitSystem;
  lengthUnitFactor = DisplayUnitFactors::For(unitSystem).length;
  for (int k = 0; k < kMaxLayers; ++k) layerLength[k] = project.results.layerRearX[k] - project.results.layerFrontX[k];
  ApplyDialogIdLabelRule(*this);
  fw::Dialog::OnInitDialog();  // binds the list
  layerList_.SetRowCount(layerCount);
  return true;
}

void CResultsDrawingDlg::DoDataExchange(fw::DataExchange& dx) { dx.Control(res::kLayerListId, layerList_); }

void CResultsDrawingDlg::OnPaint(fw::DeviceContext& dc) {
  const fw::Size client = ClientSize();
  clientWidth = client.cx;
  clientHeight = client.cy;
  frame = DrawingFrame::Of(client);
  const ProjectData& project = Project();
  const ResultsScene scene{project.runInput, project.results, layerCount, lengthUnitFactor, unitSystem,
                           project.settings.screenColorMode};
  PaintFigure(dc, client, scene);
}

double CResultsDrawingDlg::StrengthUnitFactor() const { return DisplayUnitFactors::For(unitSystem).strength; }

void CResultsDrawingDlg::RepaintFigure() {
  fw::Size area{clientWidth, clientHeight};
  if (area.cx <= 0 || area.cy <= 0) area = ClientSize();  // not painted yet
  InvalidateRect(fw::Rect{fw::ToDeviceCoord(0.0146 * area.cx), 0, area.cx, area.cy}, true);
}

void CResultsDrawingDlg::OnScaleLarge() {
  view.ZoomIn();
  RepaintFigure();
}

void CResultsDrawingDlg::OnScaleSmall() {
  view.ZoomOut();
  RepaintFigure();
}

void CResultsDrawingDlg::OnDefaultScale() {
  view.Reset();
  RepaintFigure();
}

void CResultsDrawingDlg::OnUp() {
  view.Pan(0, -1);
  RepaintFigure();
}

void CResultsDrawingDlg::OnDown() {
  view.Pan(0, 1);
  RepaintFigure();
}

void CResultsDrawingDlg::OnLeft() {
  view.Pan(-1, 0);
  RepaintFigure();
}

void CResultsDrawingDlg::OnRight() {
  view.Pan(1, 0);
  RepaintFigure();
}

void CResultsDrawingDlg::OnBlackWhite() {
  CDisplayBitmapDlg dlg;
  dlg.DoModal();
  RepaintFigure();  // whatever it returned
}

void CResultsDrawingDlg::OnClickLayerSpread(int /*col*/, int row) {
  view.ClickRow(row, layerCount);
  RepaintFigure();
}

void CResultsDrawingDlg::OnBitmapFile() { CaptureToBitmapFile(*this, BitmapFileRect(ClientSize(), FrameOffset())); }

}  // namespace tervane
