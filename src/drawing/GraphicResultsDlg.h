#pragma once
// IDD_GRAPHIC_RESULTS: the last run drawn to scale. The main menu's "View
// layout configuration" runs it modally:
//   CGraphicResultsDlg dlg;
//   dlg.DoModal();
// The user zooms and pans the figure, picks a layer in the narrow list of
// layer numbers (row 1 is the lowest layer) to see its slip surfaces and its
// numbers, shows the outer-most surfaces, and opens from here the compound
// and tieback drawing, the geometry details, the colour choice, the bitmap
// capture, the image editor and the DXF export. It reads runInput, results
// and settings; only the colour choice writes screenColorMode.

#include "model/StrengthFunctions.h"
#include "drawing/ResultsDrawingDlg.h"

namespace tervane {

class CGraphicResultsDlg : public CResultsDrawingDlg {
 public:
  // Takes the layer count of the last run; no zoom, pan or pick yet.
  CGraphicResultsDlg();

  // 1 while the toggle shows the outer-most surfaces.
  int showOutermost = 0;
  // The strength check of the layers, in the units of the run.
  LayerStrengthCheck strengthCheck;

  // The handlers of this drawing's own buttons.
  void OnOutermostSurfaces();
  void OnViewTiebackCompound();
  void OnGeometryDetails();
  void OnCallDxf();
  void OnCallPaint();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void PaintFigure(fw::DeviceContext& dc, fw::Size client, const ResultsScene& scene) override;
};

}  // namespace tervane
