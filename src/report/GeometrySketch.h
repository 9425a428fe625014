#pragma once
// The cross-section of the last run to scale on report page 2: the ground
// with the reinforced zone, the retained soil and the foundation as filled
// areas, the surcharges as rows of arrows, the phreatic water, every layer as
// a thick line (red when overstressed, in colour mode) and a scale bar in the
// report's length unit.
//
// A slope point (x, y) in metres from the toe is drawn at
// (2500 + s x, -11000 + s y) twips, s = 2000 / H, made smaller when the
// longest layer would end right of x = 10500. The sketch keeps to its frame:
// a height that is not positive is drawn at the scale of a 1 m slope, every
// coordinate is saturated, no row of arrows runs past x = 500 .. 11000, and a
// run without layers draws no layer and no reinforced zone.

#include "model/ProjectData.h"
#include "framework/DeviceContext.h"

namespace tervane {

class CReportPrinter;

// Draws the sketch with the page's heading font (surcharge names) and body
// font (scale bar), leaving the body font selected; restores the pen and
// brush it found.
void DrawGeometrySketch(fw::DeviceContext& dc, CReportPrinter& printer, const fw::Font& headingFont,
                        const fw::Font& bodyFont);

// The scale of the sketch in twips per metre (the rule above).
double SketchScale(double slopeHeight, const AnalysisResults& results, int layerCount);

}  // namespace tervane
