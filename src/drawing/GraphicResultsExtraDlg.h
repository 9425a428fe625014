#pragma once
// IDD_GRAPHIC_RESULTS_EXTRA: the compound and tieback drawing, opened by
// "View tieback and compound results" of the results drawing. The same
// cross-section with every tieback surface, every compound surface through
// the toe or starting at a layer (three toggles), every layer split at its
// slip surface, and the lengths and strengths of a picked layer; its own
// list, zoom, pan, "B/W", capture commands and the explanation of compound
// surfaces (IDD_COMPOUND_EXPLAIN, CCompoundExplainDlg).

#include <array>

#include "app/ControlWrappers.h"
#include "app/ProjectData.h"
#include "drawing/ResultsDrawing.h"
#include "framework/Dialog.h"

namespace tervane {

class CGraphicResultsExtraDlg : public fw::Dialog {
 public:
  CGraphicResultsExtraDlg();

  int unitSystem = 0;
  double lengthUnitFactor = 1.0;
  double strengthUnitFactor = 1.0;
  int clientWidth = 0;
  int clientHeight = 0;
  DrawingFrame frame;
  DrawingView view;
  SurfaceToggles toggles;
  int layerCount = 0;
  std::array<double, kMaxLayers> layerLength{};

  void OnAllTiebackSurfaces();
  void OnToeCompoundSurfaces();
  void OnLayerCompoundSurfaces();
  void OnExplanation();
  void OnScaleLarge();
  void OnScaleSmall();
  void OnDefaultScale();
  void OnUp();
  void OnDown();
  void OnLeft();
  void OnRight();
  void OnBlackWhite();
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

// IDD_COMPOUND_EXPLAIN: what the two toggles of compound surfaces show.
class CCompoundExplainDlg : public fw::Dialog {
 public:
  CCompoundExplainDlg();

 protected:
  bool OnInitDialog() override;
};

}  // namespace tervane
