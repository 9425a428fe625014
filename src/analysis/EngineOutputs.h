#pragma once
// What one engine call writes, and the list of its fields for code that
// handles every output alike (the run's check that all are finite numbers).
// Standard library only: the project's results record extends this struct.

#include <array>
#include <cstddef>
#include <tuple>
#include <utility>

#include "analysis/EngineConstants.h"

namespace tervane::analysis {

// What one engine call writes. Arrays are indexed from 0 (element 0 = the
// lowest layer; surface tables: row k-1 for layer k). When engineStatus is
// set to kStatusTooManyLayers nothing else is written. Every field is also
// listed once in kEngineOutputFields below (a field missing there does not
// compile).
struct EngineOutputs {
  int engineStatus = 0;  // only ever set to kStatusTooManyLayers
  double criticalCircleX = 0.0;
  double criticalCircleY = 0.0;
  double criticalCircleRadius = 0.0;
  std::array<double, kMaxLayers> requiredTiebackStrength{};
  std::array<double, kMaxLayers> resultLayerElevation{};
  int resultLayerCount = 0;
  int engineLayerCursor = 0;
  std::array<double, kMaxLayers> layerFaceX{};
  std::array<double, kMaxLayers> layerFrontX{};
  std::array<double, kMaxLayers> layerRearX{};
  std::array<double, kMaxLayers> requiredTiebackStrengthFloored{};
  std::array<double, kSurfacePoints> outermostTiebackSurfaceX{};
  std::array<double, kSurfacePoints> outermostTiebackSurfaceY{};
  std::array<double, kMaxLayers> availableCompoundStrength{};
  std::array<int, kMaxLayers> controllingMode{};
  std::array<double, kMaxLayers> tiebackTr{};
  int lastCompoundLayer = 0;
  double lastCompoundStartAngle = 0.0;
  double lastCompoundEndAngle = 0.0;
  std::array<double, kMaxLayers> embeddedLength{};
  std::array<double, kMaxLayers> lengthToSlipSurface{};
  double directSlidingLength = 0.0;
  double maxTiebackCompoundLength = 0.0;
  double deepSeatedFactor = 0.0;
  std::array<double, kSurfacePoints> outermostCompoundSurfaceX{};
  std::array<double, kSurfacePoints> outermostCompoundSurfaceY{};
  std::array<double, 3> directSlidingWedgeX{};
  std::array<double, 3> directSlidingWedgeY{};
  std::array<double, kCirclePoints> deepSeatedCircleX{};
  std::array<double, kCirclePoints> deepSeatedCircleY{};
  double deepSeatedCutElevation = 0.0;
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> tiebackSurfaceX{};
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> tiebackSurfaceY{};
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> toeCompoundSurfaceX{};
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> toeCompoundSurfaceY{};
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> layerCompoundSurfaceX{};
  std::array<std::array<double, kSurfacePoints>, kMaxLayers> layerCompoundSurfaceY{};

  bool operator==(const EngineOutputs&) const = default;
};

// Every field of EngineOutputs, in declaration order.
inline constexpr std::tuple kEngineOutputFields{
    &EngineOutputs::engineStatus,
    &EngineOutputs::criticalCircleX,
    &EngineOutputs::criticalCircleY,
    &EngineOutputs::criticalCircleRadius,
    &EngineOutputs::requiredTiebackStrength,
    &EngineOutputs::resultLayerElevation,
    &EngineOutputs::resultLayerCount,
    &EngineOutputs::engineLayerCursor,
    &EngineOutputs::layerFaceX,
    &EngineOutputs::layerFrontX,
    &EngineOutputs::layerRearX,
    &EngineOutputs::requiredTiebackStrengthFloored,
    &EngineOutputs::outermostTiebackSurfaceX,
    &EngineOutputs::outermostTiebackSurfaceY,
    &EngineOutputs::availableCompoundStrength,
    &EngineOutputs::controllingMode,
    &EngineOutputs::tiebackTr,
    &EngineOutputs::lastCompoundLayer,
    &EngineOutputs::lastCompoundStartAngle,
    &EngineOutputs::lastCompoundEndAngle,
    &EngineOutputs::embeddedLength,
    &EngineOutputs::lengthToSlipSurface,
    &EngineOutputs::directSlidingLength,
    &EngineOutputs::maxTiebackCompoundLength,
    &EngineOutputs::deepSeatedFactor,
    &EngineOutputs::outermostCompoundSurfaceX,
    &EngineOutputs::outermostCompoundSurfaceY,
    &EngineOutputs::directSlidingWedgeX,
    &EngineOutputs::directSlidingWedgeY,
    &EngineOutputs::deepSeatedCircleX,
    &EngineOutputs::deepSeatedCircleY,
    &EngineOutputs::deepSeatedCutElevation,
    &EngineOutputs::tiebackSurfaceX,
    &EngineOutputs::tiebackSurfaceY,
    &EngineOutputs::toeCompoundSurfaceX,
    &EngineOutputs::toeCompoundSurfaceY,
    &EngineOutputs::layerCompoundSurfaceX,
    &EngineOutputs::layerCompoundSurfaceY,
};

// Calls visit(field) for every field of `outputs` (an EngineOutputs, const or
// not, or a struct extending it), in declaration order.
template <typename Outputs, typename Visit>
void ForEachOutputField(Outputs& outputs, Visit&& visit) {
  std::apply([&](auto... field) { (visit(outputs.*field), ...); }, kEngineOutputFields);
}

namespace detail {

// Converts to any field type, so that T{AnyField{}, ...} tells whether T has
// at least that many fields.
struct AnyField {
  template <typename T>
  constexpr operator T() const noexcept;  // never defined: used unevaluated only
};

template <typename T, std::size_t... I>
constexpr bool BracedFromFields(std::index_sequence<I...>) {
  return requires { T{(static_cast<void>(I), AnyField{})...}; };
}

// The number of fields of the aggregate T (no base classes, no C arrays).
template <typename T, std::size_t N = 0>
constexpr std::size_t AggregateFieldCount() {
  if constexpr (BracedFromFields<T>(std::make_index_sequence<N + 1>{})) {
    return AggregateFieldCount<T, N + 1>();
  } else {
    return N;
  }
}

}  // namespace detail

static_assert(detail::AggregateFieldCount<EngineOutputs>() ==
                  std::tuple_size_v<decltype(kEngineOutputFields)>,
              "every field of EngineOutputs must be listed in kEngineOutputFields");

}  // namespace tervane::analysis
