#include "model/StrengthFunctions.h"

#include <cmath>

namespace tervane {
namespace {

double Apply(double strength, double product, int direction) {
  return direction == 1 ? strength / product : strength * product;
}

bool ValidLayer(int layer) { return layer >= 0 && layer < kMaxLayers; }

}  // namespace

double ApplyReductionFactors(const ProjectInput& record, double strength, int direction) {
  const double product = (record.rfInstallation * record.rfDurability) * record.rfCreep;
  return Apply(strength, product, direction);
}

double ApplyLayerReductionFactors(const ProjectInput& record, double strength, int layer,
                                  int direction) {
  if (!ValidLayer(layer)) return strength;
  const double product =
      (record.layerRfInstallation[layer] * record.layerRfDurability[layer]) * record.layerRfCreep[layer];
  return Apply(strength, product, direction);
}

double LayerStrengthCheck::ComputeLayerStrengthRatio(const ProjectInput& runInput,
                                                     const AnalysisResults& results, int layer) {
  checkUltimateStrength = checkLongTermStrength = checkRequiredStrength = 0.0;
  checkControllingMode = 0;
  if (!ValidLayer(layer)) return 0.0;
  checkUltimateStrength = runInput.layerUltimateStrength[layer] * strengthUnitFactor;
  checkLongTermStrength = runInput.runMode == 1
                              ? ApplyReductionFactors(runInput, checkUltimateStrength, 1)
                              : ApplyLayerReductionFactors(runInput, checkUltimateStrength, layer, 1);
  checkControllingMode = results.controllingMode[layer];
  checkRequiredStrength = checkControllingMode == 1
                              ? results.tiebackTr[layer] * strengthUnitFactor
                              : results.availableCompoundStrength[layer] * strengthUnitFactor;
  return checkLongTermStrength / checkRequiredStrength;
}

bool IsLayerOverstressed(const ProjectInput& runInput, double ratio) {
  // A ratio that could not be formed (a required strength of zero, a
  // reduction factor of zero, values that are not numbers) never passes.
  if (!std::isfinite(ratio)) return true;
  return !(ratio >= runInput.fsGeosyntheticStrength - 0.001);
}

bool IsStrengthRatioFormed(double requiredStrength, double ratio) {
  return std::isfinite(requiredStrength) && requiredStrength != 0.0 && std::isfinite(ratio);
}

bool LayerStrengthPasses(const ProjectInput& runInput, double requiredStrength, double ratio) {
  return IsStrengthRatioFormed(requiredStrength, ratio) && !IsLayerOverstressed(runInput, ratio);
}

}  // namespace tervane
