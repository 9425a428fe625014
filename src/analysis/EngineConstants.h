#pragma once
// Fixed sizes and codes of the analysis engine.

namespace tervane::analysis {

inline constexpr int kMaxLayers = 100;         // most reinforcement layers of a layout
inline constexpr int kSurfacePoints = 51;      // points of a traced slip surface
inline constexpr int kCirclePoints = 100;      // points of the deep-seated circle trace
inline constexpr int kPulloutTracePoints = 200;  // points of the trace used for pullout lengths
inline constexpr int kStatusTooManyLayers = 7;   // the only status the engine reports

}  // namespace tervane::analysis
