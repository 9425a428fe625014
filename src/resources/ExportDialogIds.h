#pragma once
// Control ids and picture numbers of the quantities dialog and of the notice
// before the export for Ombix.

namespace tervane {

// IDD_QUANTITIES
inline constexpr int kQuantitiesRemarksId = 1060;
inline constexpr int kQuantitiesCurrencyId = 1160;
inline constexpr int kQuantitiesUnitCostId = 1294;
inline constexpr int kQuantitiesPrintId = 2209;
inline constexpr int kQuantitiesSaveTextId = 2210;
inline constexpr int kQuantitiesQuantityId = 2212;
inline constexpr int kQuantitiesTotalCostId = 2217;
inline constexpr int kQuantitiesAreaUnitId = 2226;
inline constexpr int kQuantitiesUnitCostUnitId = 2227;

// IDD_BEFORE_OMBIX: the two pictures of the import steps, and the pictures.
inline constexpr int kOmbixStep2PictureControlId = 2428;
inline constexpr int kOmbixStep1PictureControlId = 2429;
inline constexpr int kPictureOmbixStrength = 266;
inline constexpr int kPictureOmbixStep2 = 268;
inline constexpr int kPictureOmbixStep1 = 269;

}  // namespace tervane
