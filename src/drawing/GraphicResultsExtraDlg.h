#pragma once
// IDD_GRAPHIC_RESULTS_EXTRA: the compound and tieback drawing, opened by
// "View tieback and compound results" of the results drawing. The same
// cross-section with every tieback surface, every compound surface through
// the toe or starting at a layer (three toggles), every layer split at its
// slip surface, and the lengths and strengths of a picked layer; its own
// list, zoom, pan, "B/W", capture commands and the explanation of compound
// surfaces (IDD_COMPOUND_EXPLAIN, CCompoundExplainDlg).

#include "drawing/ResultsDrawingDlg.h"

namespace tervane {

class CGraphicResultsExtraDlg : public CResultsDrawingDlg {
 public:
  // Opened from the results drawing, `owner`.
  explicit CGraphicResultsExtraDlg(fw::Dialog* owner = nullptr);

  // Strength units of the run per kN/m; set at initialisation.
  double strengthUnitFactor = 1.0;
  SurfaceToggles toggles;

  // The handlers of this drawing's own buttons.
  void OnAllTiebackSurfaces();
  void OnToeCompoundSurfaces();
  void OnLayerCompoundSurfaces();
  void OnExplanation();
  void OnCallPaint();

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(fw::DataExchange& dx) override;

 private:
  void PaintFigure(fw::DeviceContext& dc, fw::Size client, const ResultsScene& scene) override;
};

// IDD_COMPOUND_EXPLAIN: what the two toggles of compound surfaces show.
class CCompoundExplainDlg : public fw::Dialog {
 public:
  CCompoundExplainDlg();

 protected:
  bool OnInitDialog() override;
};

}  // namespace tervane
