#pragma once
// The angle terms of traced log spirals, kept for reuse. A trace's polar
// angles, and so their exponential, sine and cosine, depend on its start and
// end angle and the friction angle alone, while the searches trace the same
// pair of angles from many start points (every layer's search comes back to
// the pairs of the layer before), so the terms of recent traces are kept.

#include <cstdint>

#include "analysis/EngineConstants.h"

namespace tervane::analysis {

// The terms of one trace.
struct TraceTermsSlot {
  bool used = false;
  // The key, compared bit for bit (a signed zero or a NaN is a key of its
  // own, as it would be in the trace).
  std::uint64_t thetaStart = 0;
  std::uint64_t thetaEnd = 0;
  std::uint64_t tanPhi = 0;
  // For points 1..50 (point 0 takes the fit's own terms).
  double expTerm[kSurfacePoints] = {};  // exp(-theta * tanPhi)
  double sinTerm[kSurfacePoints] = {};
  double cosTerm[kSurfacePoints] = {};
};

struct SpiralTraceTerms {
  static constexpr int kEntries = 1024;
  using Slot = TraceTermsSlot;
  Slot entries[kEntries];
};

// The terms of the last few traces of the compound searches. Their friction
// angle changes from layer to layer and their angles with every iteration,
// so few of their traces come back, but those few come back at once: an
// iteration's final fit is most often the surface the scan found best, and
// the best is worked out in full only after the scan's next trace.
struct RecentTraceTerms {
  static constexpr int kEntries = 4;
  TraceTermsSlot entries[kEntries];
  int next = 0;
};

}  // namespace tervane::analysis
