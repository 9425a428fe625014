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

#include <array>

#include "app/ControlWrappers.h"
#include "app/ProjectData.h"
#include "app/StrengthFunctions.h"
#include "drawing/ResultsDrawing.h"
#include "framework/Dialog.h"

namespace tervane {

class CGraphicResultsDlg : public fw::Dialog {
 public:
  // Takes the layer count of the last run; no zoom, pan or pick yet.
  CGraphicResultsDlg();

  // The unit system of the run and its length factor (strengths: the
  // strength check's factor); set at initialisation.
  int unitSystem = 0;
  double lengthUnitFactor = 1.0;
  // The client size at the last paint, and the drawing frame of that paint.
  int clientWidth = 0;
  int clientHeight = 0;
  DrawingFrame frame;
  // Zoom, pan and the picked layer (selectedLayer, -1 for none).
  DrawingView view;
  // 1 while the toggle shows the outer-most surfaces.
  int showOutermost = 0;
  // Layers of the last run, bounded to the rows the records hold.
  int layerCount = 0;
  std::array<double, kMaxLayers> layerLength{};
  // The strength check of the layers, in the units of the run.
  LayerStrengthCheck strengthCheck;

  // The handlers, each ending with a repaint of the figure.
  void OnOutermostSurfaces();
  void OnScaleLarge();
  void OnScaleSmall();
  void OnDefaultScale();
  void OnUp();
  void OnDown();
  void OnLeft();
  void OnRight();
  void OnBlackWhite();
  void OnViewTiebackCompound();
  void OnGeometryDetails();
  void OnCallDxf();
  void OnBitmapFile();
  void OnCallPaint();
  void OnClickLayerSpread(int col, int row);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;
  void OnPaint(fw::DeviceContext& dc) override;

 private:
  // Invalidates the figure: from the frame's left edge to the right of the
  // client area, top to bottom.
  void RepaintFigure();

  CFpspread1 layerList_;
};

}  // namespace tervane
