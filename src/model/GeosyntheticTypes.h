#pragma once
// The grouping of a layer table into geosynthetic types, shared by the layer
// table (which stores it in geosyntheticTypes) and the Ombix export (which
// groups the layers of the last run the same way).

#include "model/ProjectData.h"

namespace tervane {

// Ultimate strength divided by RFid, RFd and RFc in turn.
double LongTermStrength(double ultimate, double rfInstallation, double rfDurability, double rfCreep);

// Layer i of `input` takes the number of the first type in use (1 to the
// smaller of typeCount and kMaxGeosyntheticTypes) whose long-term strength
// lies within 0.01 kN/m of the layer's; without one, a new type is opened with
// the layer's values while fewer than kMaxGeosyntheticTypes are in use;
// otherwise typeOverflow becomes 1, typeCount 6, and the layer keeps its type
// number. A row outside the table changes nothing.
void ClassifyLayerType(const ProjectInput& input, GeosyntheticTypeTable& types, int i);

}  // namespace tervane
