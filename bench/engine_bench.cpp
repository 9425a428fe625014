// Time of one engine call: the default project with an optimised layout, and
// a user-specified table of 100 layers.
#include <benchmark/benchmark.h>

#include "../tests/analysis/engine_fixtures.h"
#include "analysis/Engine.h"

namespace {

using tervane::analysis::AnalysisState;
using tervane::analysis::EngineInputs;
using tervane::analysis::EngineOutputs;
using tervane::analysis::kMaxLayers;
using tervane::analysis::RunSlopeAnalysis;
namespace fixtures = tervane::analysis::testing;

EngineInputs HundredUserLayers() {
  EngineInputs in = fixtures::DefaultProjectInputs(0);
  in.slopeHeight = 20.0;
  in.layerCount = kMaxLayers;
  for (int k = 0; k < kMaxLayers; ++k) {
    in.layerElevation[k] = 0.2 * k;
    in.layerDesignStrength[k] = 40.0;
  }
  return in;
}

void RunEngine(benchmark::State& bench, const EngineInputs& in) {
  auto state = fixtures::NewState();
  auto out = fixtures::NewOutputs();
  for (auto _ : bench) {
    RunSlopeAnalysis(*state, in, *out);
    benchmark::DoNotOptimize(out->layerRearX[0]);
    benchmark::ClobberMemory();
  }
  bench.counters["layers"] = out->resultLayerCount;
  bench.counters["tiebackSpirals"] = static_cast<double>(state->tiebackSpiralsEvaluated);
  bench.counters["bishopCircles"] = static_cast<double>(state->bishopCirclesEvaluated);
}

void BM_DefaultProjectOptimised(benchmark::State& bench) {
  RunEngine(bench, fixtures::DefaultProjectInputs(1));
}
BENCHMARK(BM_DefaultProjectOptimised)->Unit(benchmark::kMillisecond);

void BM_HundredUserLayers(benchmark::State& bench) { RunEngine(bench, HundredUserLayers()); }
BENCHMARK(BM_HundredUserLayers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
