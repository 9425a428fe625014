#include "model/ProjectData.h"

#include "model/StrengthFunctions.h"

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

namespace {

ProjectData*& CurrentProject() {
  static ProjectData* current = nullptr;
  return current;
}

}  // namespace

ProjectData& Project() {
  if (ProjectData* current = CurrentProject()) return *current;
  static ProjectData fallback;
  return fallback;
}

ScopedProject::ScopedProject()
    : project_(std::make_unique<ProjectData>()), previous_(CurrentProject()) {
  CurrentProject() = project_.get();
}

ScopedProject::~ScopedProject() { CurrentProject() = previous_; }

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
