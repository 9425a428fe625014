#pragma once
// Control ids and the picture of the DXF export dialog IDD_CREATE_DXF_FILE.

namespace tervane::res {

// The seven check boxes that choose the elements of the drawing.
inline constexpr int kDxfGeometryCheck = 2315;
inline constexpr int kDxfReinforcementCheck = 2316;
inline constexpr int kDxfCriticalSurfacesCheck = 2317;
inline constexpr int kDxfLengthsCheck = 2318;
inline constexpr int kDxfLayerCompoundCheck = 2319;
inline constexpr int kDxfAllTiebackCheck = 2320;
inline constexpr int kDxfToeCompoundCheck = 2322;

// "Tieback + Compound" in green lettering, 97 x 34 pixels.
inline constexpr int kPictureTiebackCompound = 180;

}  // namespace tervane::res
