#pragma once
// The display units. Every value of a project is held in SI; a project shown
// in English units (unit system 1) multiplies lengths, pressures, strengths
// and unit weights by the factors of ProjectData.h, one shown in SI (any other
// unit system) by 1.0. The dialogs, tables, exports and the report take their
// factors from here, so every place shows the same number for the same value.

#include "model/ProjectData.h"

namespace tervane {

// SI to the display units: all 1 in SI, else m to ft, kPa to lb/ft^2, kN/m
// to lb/ft and kN/m^3 to lb/ft^3.
struct DisplayUnitFactors {
  double length = 1.0;
  double pressure = 1.0;
  double strength = 1.0;
  double unitWeight = 1.0;

  static constexpr DisplayUnitFactors For(int unitSystem) {
    if (unitSystem != 1) return DisplayUnitFactors{};
    return DisplayUnitFactors{kFeetPerMetre, kPsfPerKpa, kLbPerFtPerKnPerM, kPcfPerKnPerM3};
  }
};

// The unit choice a dialog takes when it opens, with its factors as fields
// of the dialog (all 1.0 in SI): the main menu, the results menu and the
// results dialogs keep them this way.
struct DisplayUnitChoice {
  int units = 0;
  double lengthFactor = 1.0;
  double pressureFactor = 1.0;
  double strengthFactor = 1.0;
  double unitWeightFactor = 1.0;

  void ChooseDisplayUnits(int unitSystem) {
    units = unitSystem;
    const DisplayUnitFactors f = DisplayUnitFactors::For(unitSystem);
    lengthFactor = f.length;
    pressureFactor = f.pressure;
    strengthFactor = f.strength;
    unitWeightFactor = f.unitWeight;
  }
};

}  // namespace tervane
