#pragma once
// The two results drawings of the last run: the view that the user zooms,
// pans and picks a layer in, and the painters of the results drawing
// (IDD_GRAPHIC_RESULTS) and of the compound and tieback drawing
// (IDD_GRAPHIC_RESULTS_EXTRA). The painters draw into any client size, so
// tests record them at a fixed size; the dialogs pass their own.

#include "model/ProjectData.h"
#include "model/StrengthFunctions.h"
#include "framework/DeviceContext.h"

namespace tervane {

// Zoom, pan and the picked layer of one opening of a drawing dialog.
class DrawingView {
 public:
  static constexpr double kDefaultZoom = 0.25;
  static constexpr double kZoomStep = 1.05;
  // Steps of 1.05 either way from the default: from about 0.002 to 33
  // times the default, enough to see a layer's end or the whole site, and
  // never a scale that runs every coordinate off the window.
  static constexpr int kMaxZoomSteps = 100;
  static constexpr double kPanStep = 10.0;
  // The figure moves at most this far (pixels) from its place.
  static constexpr double kMaxPan = 20000.0;

  double zoom = kDefaultZoom;
  double panX = 0.0;
  double panY = 0.0;
  // Index (0 = lowest) of the layer picked in the list, or -1 for none.
  int selectedLayer = -1;

  // One step larger (x 1.05) or smaller (/ 1.05), while within the bounds.
  void ZoomIn();
  void ZoomOut();
  int ZoomSteps() const { return zoomSteps_; }
  // Zoom 0.25, no pan (the selection stays).
  void Reset();
  // Moves the figure by whole steps of 10 pixels, within the bounds.
  void Pan(int stepsX, int stepsY);
  // A click on a row of the layer list: row 1 is the lowest layer; the row
  // of the picked layer clears the pick, as does any row outside 1 .. N.
  void ClickRow(int row, int layerCount);
  bool HasSelection(int layerCount) const { return selectedLayer >= 0 && selectedLayer < layerCount; }

 private:
  int zoomSteps_ = 0;
};

// The last run as the drawings and the DXF preview read it.
struct ResultsScene {
  const ProjectInput& runInput;
  const AnalysisResults& results;
  // Layers of the run; the painters bound them to the rows of the records.
  int layerCount = 0;
  // Feet per metre in English units (1.0 in SI), for the lengths and the
  // H label.
  double lengthUnitFactor = 1.0;
  int unitSystem = 0;
  // 0 colour, 1 black and white.
  int colorMode = 0;
};

// The drawing frame of a client area: 0.0146 W, 0, 0.983 W, 0.713 H.
struct DrawingFrame {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  static DrawingFrame Of(fw::Size client);
};

// The results drawing. `showOutermost` adds the outer-most surfaces, the
// wedge and the deep-seated circle with their legend. `check` (with the
// strength unit factor of the run) colours the layers and fills the text
// box of the picked layer. Paints nothing into an empty client area.
void PaintResultsDrawing(fw::DeviceContext& dc, fw::Size client, const DrawingView& view, int showOutermost,
                         const ResultsScene& scene, LayerStrengthCheck& check);

// The families of surfaces that the compound and tieback drawing shows.
struct SurfaceToggles {
  int showAllTieback = 0;
  int showToeCompound = 0;
  int showLayerCompound = 0;
};

// The compound and tieback drawing: the same cross-section, the toe a little
// higher, the chosen families of surfaces, every layer split at its slip
// surface (La, then Le in red) and the lengths and strengths of the picked
// layer. `strengthUnitFactor` gives the strengths of the text box in the
// units of the run.
void PaintCompoundTiebackDrawing(fw::DeviceContext& dc, fw::Size client, const DrawingView& view,
                                 const SurfaceToggles& toggles, const ResultsScene& scene,
                                 double strengthUnitFactor);

}  // namespace tervane
