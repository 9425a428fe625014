#pragma once
// Reduction factors and the strength check of a layer. Every output that shows
// the layers of the last run (tables, drawings, DXF preview, printed report, text
// report) and the run itself use these; each owner of a LayerStrengthCheck sets
// its own strength unit factor.

#include "model/ProjectData.h"

namespace tervane {

// Direction 1 turns an ultimate strength into a long-term strength (divides by
// the product of the three reduction factors); any other direction multiplies.
double ApplyReductionFactors(const ProjectInput& record, double strength, int direction);
// The same with the reduction factors of one row of the record's layer table.
// A row outside the table returns the strength unchanged.
double ApplyLayerReductionFactors(const ProjectInput& record, double strength, int layer,
                                  int direction);

struct LayerStrengthCheck {
  // kN/m to the displayed unit: 68.519 for lb/ft, 1.0 in SI.
  double strengthUnitFactor = 1.0;
  // The values of the last check, in display units.
  double checkUltimateStrength = 0.0;
  double checkLongTermStrength = 0.0;
  int checkControllingMode = 0;
  double checkRequiredStrength = 0.0;

  // The actual factor of safety on reinforcement strength of one layer of the
  // last run (long-term strength over required strength); layer 0 is the lowest.
  // A layer outside the table gives 0 and leaves the check values at 0.
  double ComputeLayerStrengthRatio(const ProjectInput& runInput, const AnalysisResults& results,
                                   int layer);
};

// A layer is overstressed when its ratio is below fsGeosyntheticStrength -
// 0.001 (a ratio equal to that bound passes), and when the ratio is not a
// finite number: one that could not be formed counts as overstressed.
bool IsLayerOverstressed(const ProjectInput& runInput, double ratio);

// A layer's strength ratio can be formed when its required strength (Tr) is a
// finite number other than zero and the ratio is a finite number. A project
// file can hold a layer whose ratio cannot be formed: every output shows
// "N/A" for it and counts the layer as not passing.
bool IsStrengthRatioFormed(double requiredStrength, double ratio);
// The one rule of every output: a layer passes when its ratio can be formed
// and the layer is not overstressed.
bool LayerStrengthPasses(const ProjectInput& runInput, double requiredStrength, double ratio);
// The same for the layer that `check` was last run on, with its ratio.
inline bool LayerStrengthPasses(const ProjectInput& runInput, const LayerStrengthCheck& check, double ratio) {
  return LayerStrengthPasses(runInput, check.checkRequiredStrength, ratio);
}

}  // namespace tervane
