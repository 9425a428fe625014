#include "model/GeosyntheticTypes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tervane {

double LongTermStrength(double ultimate, double rfInstallation, double rfDurability, double rfCreep) {
  double t = ultimate;
  t /= rfInstallation;
  t /= rfDurability;
  t /= rfCreep;
  return t;
}

void ClassifyLayerType(const ProjectInput& input, GeosyntheticTypeTable& types, int i) {
  if (i < 0 || i >= kMaxLayers) return;
  const auto layer = static_cast<std::size_t>(i);
  const double l = LongTermStrength(input.layerUltimateStrength[layer], input.layerRfInstallation[layer],
                                    input.layerRfDurability[layer], input.layerRfCreep[layer]);
  const int n = std::clamp(types.typeCount, 0, kMaxGeosyntheticTypes + 1);
  const int inUse = std::min(n, kMaxGeosyntheticTypes);
  for (int k = 0; k < inUse; ++k) {
    const auto t = static_cast<std::size_t>(k);
    const double tk = LongTermStrength(types.typeUltimateStrength[t], types.typeRfInstallation[t],
                                       types.typeRfDurability[t], types.typeRfCreep[t]);
    if (std::fabs(l - tk) <= 0.01) {
      types.layerType[layer] = k + 1;
      return;
    }
  }
  if (n < kMaxGeosyntheticTypes) {
    const auto t = static_cast<std::size_t>(n);
    types.typeCount = n + 1;
    types.typeUltimateStrength[t] = input.layerUltimateStrength[layer];
    types.typeRfInstallation[t] = input.layerRfInstallation[layer];
    types.typeRfDurability[t] = input.layerRfDurability[layer];
    types.typeRfCreep[t] = input.layerRfCreep[layer];
    types.layerType[layer] = n + 1;
  } else {
    types.typeOverflow = 1;
    types.typeCount = kMaxGeosyntheticTypes + 1;
  }
}

}  // namespace tervane
