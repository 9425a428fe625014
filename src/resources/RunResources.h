#pragma once
// Control and picture numbers of the run dialog IDD_RUN_TERVANE and of the
// notice IDD_TERMINATE.

namespace tervane::res {

// The banners of the two kinds of run.
inline constexpr int kPictureOptimizedRunBanner = 229;  // "Optimized Spacing Search"
inline constexpr int kPictureManualRunBanner = 231;     // "Manual Run"

inline constexpr int kRunOptimizedBannerId = 1170;
inline constexpr int kRunManualBannerId = 1171;
// Two lines telling how the run is going.
inline constexpr int kRunProgressTextId = 1172;

}  // namespace tervane::res
