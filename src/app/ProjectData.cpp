#include "app/ProjectData.h"

#include "app/StrengthFunctions.h"

namespace tervane {

ProjectInput::ProjectInput(Defaults defaults) {
  const bool snapshot = defaults == Defaults::kRunSnapshot;
  layerElevation.fill(0.0);
  layerUltimateStrength.fill(snapshot ? 45.0 : 10.0);
  layerRfInstallation.fill(1.4);
  layerRfDurability.fill(1.3);
  layerRfCreep.fill(3.0);
  if (snapshot) {
    reinforcedUnitWeight = 18.9;
    backfillUnitWeight = 18.9;
    foundationUnitWeight = 18.9;
    orientationMode = 0;
    fsDirectSliding = 1.0;
  }
}

GeosyntheticTypeTable::GeosyntheticTypeTable() {
  typeUltimateStrength.fill(1.0);
  typeRfInstallation.fill(1.0);
  typeRfDurability.fill(1.0);
  typeRfCreep.fill(1.0);
  layerType.fill(1);
}

ProjectData::ProjectData() = default;

void CopyInputToRunSnapshot(const ProjectInput& input, double targetFsDeepSeatedAtStart,
                            ProjectInput& runInput, AnalysisResults& results) {
  // The snapshot keeps its own currency text and layer count: the rows of a
  // run are counted by results.resultLayerCount.
  const std::string keptCurrency = runInput.currencyUnit;
  const int keptLayerCount = runInput.layerCount;
  runInput = input;
  runInput.currencyUnit = keptCurrency;
  runInput.layerCount = keptLayerCount;
  runInput.targetFsDeepSeated = targetFsDeepSeatedAtStart;

  for (int i = 0; i < kMaxLayers; ++i) {
    double t = runInput.layerUltimateStrength[i];
    t /= runInput.layerRfInstallation[i];
    t /= runInput.layerRfDurability[i];
    t /= runInput.layerRfCreep[i];
    results.layerLongTermStrength[i] = t;
  }
}

}  // namespace tervane
