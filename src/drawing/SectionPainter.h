#pragma once
// The elements of the cross-section of the last run as the screen figures
// draw them (the two results drawings and the preview of the DXF export): in
// pixels of the client area with y downwards, a world point (x, y) in metres
// from the toe at (toeX + s x, toeY - s y), every coordinate truncated toward
// zero and saturated by the one conversion of the framework.
//
// Each figure works out its own pixel quantities (SectionGeometry) and calls
// the elements in its own order; an element selects the pens and brushes it
// needs and leaves them selected. Loops over arrows stop at the edge of the
// client area, so no input makes a paint slow.

#include <span>

#include "model/ProjectData.h"
#include "framework/DeviceContext.h"

namespace tervane {

// The colours of the screen figures.
namespace section {
inline constexpr fw::ColorRef kGrey = fw::RGB(222, 222, 222);
inline constexpr fw::ColorRef kNoteGrey = fw::RGB(213, 213, 213);
inline constexpr fw::ColorRef kBlue = fw::RGB(0, 0, 255);
inline constexpr fw::ColorRef kRed = fw::RGB(255, 0, 0);
inline constexpr fw::ColorRef kYellow = fw::RGB(255, 255, 0);
inline constexpr fw::ColorRef kSoil = fw::RGB(255, 204, 51);
inline constexpr fw::ColorRef kWetSoil = fw::RGB(204, 204, 0);
inline constexpr fw::ColorRef kRetainedSoil = fw::RGB(255, 214, 121);
inline constexpr fw::ColorRef kFoundationSoil = fw::RGB(223, 217, 138);
inline constexpr fw::ColorRef kWater = fw::RGB(166, 202, 240);
inline constexpr fw::ColorRef kCompound = fw::RGB(80, 0, 255);
inline constexpr fw::ColorRef kLayerCompound = fw::RGB(255, 128, 0);
inline constexpr fw::ColorRef kCircle = fw::RGB(0, 255, 0);
inline constexpr fw::ColorRef kDarkGreen = fw::RGB(0, 128, 0);
inline constexpr fw::ColorRef kStrengthGreen = fw::RGB(0, 192, 0);
inline constexpr fw::ColorRef kPurple = fw::RGB(128, 0, 128);
}  // namespace section

// One paint of a screen figure: selects the figure's font (MS Sans Serif,
// 8 points) and its text colours (black on white in black and white, blue on
// grey in colour); the font and the pen and brush found are selected back at
// the end.
class PaintScope {
 public:
  PaintScope(fw::DeviceContext& dc, bool blackAndWhite);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  fw::DeviceContext& dc_;
  fw::Pen pen_;
  fw::Brush brush_;
  fw::Font font_;
};

// The pixel quantities of one paint.
struct SectionGeometry {
  double s = 0;     // pixels per metre
  double toeX = 0;  // the toe, world point (0, 0)
  double toeY = 0;
  double Fp = 0;    // horizontal run of the face
  double Hp = 0;    // slope height
  double Ap = 0;    // crest length A
  double Bp = 0;    // horizontal length B of the backslope
  double Rp = 0;    // rise of the backslope
  // The edges the soil areas and the water run to.
  double left = 0;
  double right = 0;
  double bottom = 0;
  // The client width W: arrows stand 0.014 W apart and stop beyond it.
  double width = 0;
};

class SectionPainter {
 public:
  SectionPainter(fw::DeviceContext& dc, const ProjectInput& runInput, const AnalysisResults& results,
                 const SectionGeometry& geometry, bool blackAndWhite);

  bool BlackAndWhite() const { return bw_; }
  const SectionGeometry& Geometry() const { return g_; }
  // The default text colour: black, or RGB(0, 0, 255) in colour.
  fw::ColorRef TextColour() const;

  fw::Point World(double x, double y) const;
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  // One stored surface, its points joined in order.
  void Trace(std::span<const double> xs, std::span<const double> ys);

  // The ground at the left edge: toeY + tan(alpha) (toeX - left).
  double LeftGroundY() const;

  // A rectangle with the 1-pixel black outline, filled grey (white in black
  // and white).
  void Background(const fw::Rect& rect);
  // The soil body: a polygon of 30 points along the ground and out to the
  // edges, filled with the reinforced zone's colour.
  void Ground();
  // The soil behind the rear ends of the layers (118 points). Without layers
  // the whole body behind the face is retained soil.
  void RetainedSoil(int layerCount);
  // The soil below the toe (5 points).
  void Foundation();
  // The arrows of the three surcharges.
  void Surcharges();
  // The zone below the phreatic surface (9 points); only for water mode 0.
  void Water();
  // The dot at the toe.
  void ToeDot();
  // The deepest level of the deep-seated search, when it lies at or above
  // the bottom edge, with "(Bishop's line)" at labelX.
  void DepthLine(double labelX);
  // The outer-most tieback and compound surfaces, the direct-sliding wedge and
  // the deep-seated circle, with their legend in colour mode (sample lines at
  // legendLineY + 15 k, texts at legendTextY + 15 k, from 0.7 W, 0.8 W).
  void CriticalSurfaces(double legendLineY, double legendTextY);
  // Every row of the chosen families, for rows 0 .. layerCount - 1: tieback
  // surfaces (black), compound surfaces through the toe (RGB(80, 0, 255)),
  // and the outer-most compound surface followed by the compound surfaces
  // starting at the layers (RGB(255, 128, 0)); black in black and white.
  void TiebackSurfaces(int layerCount);
  void ToeCompoundSurfaces(int layerCount);
  void LayerCompoundSurfaces(int layerCount);
  // The line of layer k from 1 pixel behind its front end to its rear end.
  void LayerLine(int k);
  // Layer k in two pieces at its elevation plus yOffset pixels: up to the
  // slip surface (La) with `firstPen`, then the embedded length (Le) in red
  // 2 px.
  void LayerLengths(int k, double yOffset, const fw::Pen& firstPen);
  // The dimension of H with its label "H=..." in metres or feet.
  void HeightDimension(double lengthUnitFactor, int unitSystem);

 private:
  template <class GroundAt>
  void Arrows(double load, double start, double end, fw::ColorRef colour, double perUnit, GroundAt groundAt);
  void Legend(int k, const fw::Pen& pen, fw::ColorRef colour, const char* text, double lineY, double textY);

  fw::DeviceContext& dc_;
  const ProjectInput& in_;
  const AnalysisResults& res_;
  SectionGeometry g_;
  bool bw_;
};

}  // namespace tervane
