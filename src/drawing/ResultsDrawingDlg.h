#pragma once
// What the two results drawings share (CGraphicResultsDlg and
// CGraphicResultsExtraDlg): the units and layers of the last run taken at
// initialisation, the narrow list of layer numbers that picks a layer, zoom
// and pan, "B/W", the capture to a bitmap file, and the repaint of the figure
// after each change. Each drawing adds its own toggles, its own painter and
// the rectangle that its image-editor capture copies.

#include <array>

#include "common/ControlWrappers.h"
#include "model/ProjectData.h"
#include "drawing/ResultsDrawing.h"
#include "framework/Dialog.h"

namespace tervane {

class CResultsDrawingDlg : public fw::Dialog {
 public:
  // The unit system of the run and its length factor; set at initialisation.
  int unitSystem = 0;
  double lengthUnitFactor = 1.0;
  // The client size at the last paint, and the drawing frame of that paint.
  int clientWidth = 0;
  int clientHeight = 0;
  DrawingFrame frame;
  // Zoom, pan and the picked layer (selectedLayer, -1 for none).
  DrawingView view;
  // Layers of the last run, bounded to the rows the records hold.
  int layerCount = 0;
  std::array<double, kMaxLayers> layerLength{};

  // The handlers, each ending with a repaint of the figure.
  void OnScaleLarge();
  void OnScaleSmall();
  void OnDefaultScale();
  void OnUp();
  void OnDown();
  void OnLeft();
  void OnRight();
  void OnBlackWhite();
  void OnClickLayerSpread(int col, int row);
  // Copies the figure to a bitmap file.
  void OnBitmapFile();

 protected:
  // Opens the dialog template `templateName`, binds the shared buttons and
  // the list, and takes the layer count of the last run; no zoom, pan or
  // pick yet. The window belongs to `owner` when one is given.
  explicit CResultsDrawingDlg(const char* templateName, fw::Dialog* owner = nullptr);

  // Takes the units and the layers of the run, binds the list and gives it
  // a row per layer.
  bool OnInitDialog() override;
  // Binds the list; a drawing adds its toggles after it.
  void DoDataExchange(fw::DataExchange& dx) override;
  // Notes the client size and the frame of this paint, then paints the
  // figure of the last run.
  void OnPaint(fw::DeviceContext& dc) override;

  // Strength units of the run per kN/m (valid after initialisation).
  double StrengthUnitFactor() const;
  // Invalidates the figure: from the frame's left edge to the right of the
  // client area, top to bottom. Every change repaints the figure whole from
  // there: the layers and the surfaces of a picked layer reach left of
  // 0.075 W, where a narrower repaint would leave a strip of the old figure
  // behind.
  void RepaintFigure();

 private:
  // The drawing's own painter, for the client area of this paint.
  virtual void PaintFigure(fw::DeviceContext& dc, fw::Size client, const ResultsScene& scene) = 0;

  CFpspread1 layerList_;
};

}  // namespace tervane
