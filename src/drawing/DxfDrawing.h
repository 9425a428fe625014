#pragma once
// What the DXF drawing of the last run holds: the fixed sections of every
// file, the entities of each of the seven elements the user can choose, and
// the clipping of the deep-seated circle that the file and its preview share.

#include "model/ProjectData.h"

namespace tervane {

class DxfStream;

// Degrees to radians in the drawings and the DXF export (3.1415926535 / 180).
inline constexpr double kDrawingDegree = 0.017453292519444445;

// The elements chosen for the drawing, each 1 (chosen) or 0.
struct DxfSelection {
  int exportGeometry = 1;               // ground outline, surcharge arrows, water zone
  int exportReinforcement = 1;          // one line per layer
  int exportCriticalSurfaces = 1;       // outer-most surfaces, wedge, deep-seated circle
  int exportLengths = 1;                // La and Le of every layer
  int exportAllTiebackSurfaces = 1;     // the tieback surface of every layer
  int exportToeCompoundSurfaces = 1;    // the compound surface through the toe of every layer
  int exportLayerCompoundSurfaces = 1;  // the compound surfaces through the layers
};

// The last run as the drawing reads it.
struct DxfScene {
  const ProjectInput& runInput;
  const AnalysisResults& results;
  // Drawing units per metre: 1.0 (metres) or 3.28084 (feet).
  double lengthUnitFactor = 1.0;
  // Layers of the run; every per-layer loop is bounded to 0 .. kMaxLayers.
  int layerCount = 0;
};

// The deep-seated circle cut at the ground in front of the toe and at the
// slope face, in drawing units (lengthUnitFactor L; the preview passes 1).
struct ClippedCircle {
  bool drawn = false;      // false when the last run did not conduct the analysis
  int entryIndex = 0;      // p: the chord p .. p + 1 crosses the ground line
  double entryX = 0.0;     // the crossing, in drawing units
  double entryY = 0.0;
  int endIndex = 0;        // points entryIndex + 1 .. endIndex - 1 follow the crossing
  bool leftThroughFace = false;  // the arc ended at a point in the air before the face
};
ClippedCircle ClipDeepSeatedCircle(const ProjectInput& runInput, const AnalysisResults& results,
                                   double lengthUnitFactor);

// Everything of a file before its entities: the HEADER, TABLES and BLOCKS
// sections, and the opening of the ENTITIES section. The same for every file
// but the extents of the HEADER, which the epilogue writes.
void WriteDxfPrologue(DxfStream& dxf);
// The entities of the chosen elements, in the file's order of groups.
void WriteDxfEntities(DxfStream& dxf, const DxfSelection& selection, const DxfScene& scene);
// The extents of what the ENTITIES section holds into the HEADER, then the
// end of the ENTITIES section and of the file.
void WriteDxfEpilogue(DxfStream& dxf);

}  // namespace tervane
