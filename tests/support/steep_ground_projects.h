#pragma once
// Projects whose ground behind the crest rises far: a steep backslope over a
// long B. Their spiral fits once marched the whole rise in steps of H/100,
// and their direct-sliding trials once summed every one of up to 100 000
// wedge strips at every trial length. Shared by the tests, which pin their
// outputs, and the benchmarks, which time them.

#include <cstdint>
#include <cstring>

#include "analysis/Engine.h"
#include "engine_fixtures.h"

namespace tervane::analysis::testing {

struct SteepGroundProject {
  const char* name;
  int runMode;
  double slopeHeight;
  double crestLengthA;
  double crestLengthB;
  double backslopeDegrees;
  std::uint64_t outputDigest;  // of every output byte, the outputs zeroed first
};

// The default project (runMode 0 with five layers 1.1 m apart) with its
// ground changed.
inline EngineInputs InputsOf(const SteepGroundProject& p) {
  EngineInputs in = DefaultProjectInputs(p.runMode);
  if (p.runMode == 0) {
    in.layerCount = 5;
    for (int k = 0; k < 5; ++k) in.layerElevation[k] = 1.1 * k;
  }
  in.slopeHeight = p.slopeHeight;
  in.crestLengthA = p.crestLengthA;
  in.crestLengthB = p.crestLengthB;
  in.backslopeAngleRad = kRunDegree * p.backslopeDegrees;
  return in;
}

// FNV-1a of the bytes of the outputs.
inline std::uint64_t OutputDigest(const EngineOutputs& out) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&out);
  std::uint64_t h = 1469598103934665603ull;
  for (std::size_t i = 0; i < sizeof(EngineOutputs); ++i) h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

inline const SteepGroundProject kSteepGroundProjects[] = {
    {"Backslope89_9OverB100", 1, 6.0, 2.0, 100.0, 89.9, 0x424d97ac1166f458ull},
    {"Backslope89_9OverB100UserLayers", 0, 6.0, 2.0, 100.0, 89.9, 0xddf3dc7b912b131full},
    {"Backslope89_9OverB100WithoutCrest", 1, 6.0, 0.0, 100.0, 89.9, 0x7ea5dccf4df78294ull},
    {"Backslope89_99OverB1000UserLayers", 0, 6.0, 2.0, 1000.0, 89.99, 0xeb49c6dafa5e3676ull},
    {"Backslope45OverB2000", 1, 6.0, 2.0, 2000.0, 45.0, 0xe8c22226b2021963ull},
    {"Backslope45OverB2000WithoutCrestUserLayers", 0, 6.0, 0.0, 2000.0, 45.0, 0x97761ffa679ff0fcull},
    {"Height30Backslope89_9OverB100", 1, 30.0, 2.0, 100.0, 89.9, 0x05f323dbd350f5ddull},
};

}  // namespace tervane::analysis::testing
