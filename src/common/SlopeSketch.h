#pragma once
// The small sketches of the slope: the main menu's (drawn from `input`), the
// geometry dialog's (from the values being typed) and the water dialog's (the
// stored slope with the water being typed). One painter draws all three; a
// SketchStyle holds what differs between them.
//
// Coordinates are client pixels, y down. The soil body is a polygon from the
// toe up the face, over the crest A and the backslope B to the right edge,
// down to the bottom and back along the ground in front of the toe; the
// surcharges are rows of arrows pointing down onto the ground; the phreatic
// surface, when shown, is a second polygon over the soil.
//
// The painter is bounded for any input: nothing is drawn unless the slope
// height is positive, rows of arrows stop at the window's edge (and are empty
// when the window has no width), and every coordinate goes through the
// saturating conversion of the device context.

#include <array>
#include <optional>

#include "model/ProjectData.h"
#include "framework/DeviceContext.h"

namespace tervane {

// Degrees to radians as the sketches take them (3.1415926535 / 180).
inline constexpr double kSketchRadiansPerDegree = 0.017453292519444445;

// The slope as drawn, in one unit of length (m or ft); the loads in one unit
// of pressure (only their ratios matter).
struct SketchSlope {
  double height = 0.0;            // H
  double slopeAngle = 0.0;        // i, degrees
  double crestA = 0.0;            // A
  double crestB = 0.0;            // B
  double backslopeAngle = 0.0;    // beta, degrees
  double bottomSlopeAngle = 0.0;  // alpha, degrees
  double q1 = 0.0;
  double q2 = 0.0;
  double q3 = 0.0;
};

// Points 2 to 4 of the phreatic surface above the toe, in the slope's unit;
// point 1 is the toe and the surface is level beyond point 4.
struct SketchWater {
  double x2 = 0.0, y2 = 0.0;
  double x3 = 0.0, y3 = 0.0;
  double x4 = 0.0, y4 = 0.0;
};

struct SketchStyle {
  double toeFraction = 0.5;      // the toe lies at this fraction of the client height
  double bottomFraction = 0.68;  // bottom edge of the soil body
  // The face is drawn at least this steep (degrees); 0 for no floor.
  double minimumFaceAngle = 0.0;
  // The soil outline is closed at the toe and padded with the toe to this
  // many points (at least the 9 of the closed outline).
  int soilPolygonPoints = 9;
  fw::ColorRef soilFill = fw::RGB(255, 204, 51);
  std::array<fw::ColorRef, 3> arrowPens{};  // Q1, Q2, Q3
  // The label "(X=0, Y=0)" on this background and the black dot at the toe.
  bool markOrigin = false;
  fw::ColorRef labelBackground = fw::RGB(222, 222, 222);
};

struct SlopeSketch {
  SketchSlope slope;
  std::optional<SketchWater> water;  // drawn when present
  SketchStyle style;
};

// Colours of the sketches.
inline constexpr fw::ColorRef kSketchOutline = fw::RGB(255, 255, 0);
inline constexpr fw::ColorRef kSketchSoil = fw::RGB(255, 204, 51);
inline constexpr fw::ColorRef kSketchSoilWithPoreWater = fw::RGB(204, 204, 0);
inline constexpr fw::ColorRef kSketchWater = fw::RGB(166, 202, 240);
inline constexpr std::array<fw::ColorRef, 3> kSketchArrowColours = {fw::RGB(0, 128, 0), fw::RGB(255, 0, 0),
                                                                    fw::RGB(128, 0, 128)};

// Paints the sketch in a client area of the given size. Leaves the device
// context as it found it.
void PaintSlopeSketch(fw::DeviceContext& dc, const SlopeSketch& sketch, int clientWidth, int clientHeight);

// The main menu's sketch of `input` (metres): the toe at 0.77 of the height,
// the fill telling a pore-water coefficient, the phreatic surface when given.
SlopeSketch MainMenuSketch(const ProjectInput& input);
// The geometry dialog's sketch of the values as shown (display units): toe
// at half the height, the face at least 10 degrees steep, no water, no origin.
SlopeSketch GeometryDialogSketch(const SketchSlope& shown);
// The water dialog's sketch: the slope and its loads as stored in `input`
// (metres), the water mode and the phreatic points being typed (metres); the
// loads are all drawn in the outline's yellow.
SlopeSketch WaterDialogSketch(const ProjectInput& input, int waterMode, const SketchWater& waterInMetres);

// The slope of `input` as the sketches take it (metres, kPa).
SketchSlope SketchSlopeOf(const ProjectInput& input);

// The main menu's sketch of the slope, its surcharges and its water, in a
// client area of the given size (pixels, y down). The status line is not
// part of it.
void PaintMainMenuSketch(fw::DeviceContext& dc, const ProjectInput& input, int clientWidth,
                         int clientHeight);

}  // namespace tervane
