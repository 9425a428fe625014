// Time of one engine call (the default project with an optimised layout, and
// a user-specified table of 100 layers) and of whole runs: the loop that
// repeats full calls, and the run loop that prepares the layout, tieback and
// compound results once and repeats only the factor-dependent steps.
//
// Projects of the runs: the default project and the 100-layer table (each
// meets its target at the first call), and both with a higher target that
// takes 22 calls (2.2 and 2.1). The ratio asked of the run loop,
//   (run - factor-dependent steps of calls 2..n) / full call,
// comes from BM_Run, BM_FactorStepsAfterTheFirst and BM_FullCall of a project.
#include <benchmark/benchmark.h>

#include <iterator>

#include "../tests/support/engine_fixtures.h"
#include "../tests/support/steep_ground_projects.h"
#include "analysis/Engine.h"
#include "analysis/RunLoop.h"

namespace {

using tervane::analysis::AnalysisState;
using tervane::analysis::EngineInputs;
using tervane::analysis::EngineOutputs;
using tervane::analysis::kMaxLayers;
using tervane::analysis::RunLoopSettings;
using tervane::analysis::RunSlopeAnalysis;
namespace analysis = tervane::analysis;
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

struct Project {
  EngineInputs in;
  RunLoopSettings settings;
};

// The projects of the runs, by benchmark argument.
Project ProjectOf(int which) {
  Project p;
  p.settings.startFsDirectSliding = 1.1;
  p.settings.fsSoilStrength = 1.3;
  p.settings.targetFsDeepSeated = 1.1;
  switch (which) {
    case 0: p.in = fixtures::DefaultProjectInputs(1); break;
    case 1: p.in = HundredUserLayers(); break;
    case 3:
      p.in = HundredUserLayers();
      p.settings.targetFsDeepSeated = 2.1;
      break;
    default:
      p.in = fixtures::DefaultProjectInputs(1);
      p.settings.targetFsDeepSeated = 2.2;
      break;
  }
  return p;
}

const char* NameOf(int which) {
  switch (which) {
    case 0: return "default project";
    case 1: return "100 user layers";
    case 3: return "100 user layers, target 2.1";
    default: return "default project, target 2.2";
  }
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

// One call of each project whose ground rises far behind the crest.
void BM_SteepGround(benchmark::State& bench) {
  const auto& project = fixtures::kSteepGroundProjects[bench.range(0)];
  bench.SetLabel(project.name);
  RunEngine(bench, fixtures::InputsOf(project));
}
BENCHMARK(BM_SteepGround)
    ->DenseRange(0, static_cast<int>(std::size(fixtures::kSteepGroundProjects)) - 1)
    ->Unit(benchmark::kMillisecond);

// One full call of the project, with the factor of its first call.
void BM_FullCall(benchmark::State& bench) {
  const Project p = ProjectOf(static_cast<int>(bench.range(0)));
  bench.SetLabel(NameOf(static_cast<int>(bench.range(0))));
  RunEngine(bench, p.in);
}
BENCHMARK(BM_FullCall)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The loop as first written: a full engine call per factor.
void BM_RunWithFullCalls(benchmark::State& bench) {
  const Project p = ProjectOf(static_cast<int>(bench.range(0)));
  bench.SetLabel(NameOf(static_cast<int>(bench.range(0))));
  auto state = fixtures::NewState();
  auto out = fixtures::NewOutputs();
  int calls = 0;
  for (auto _ : bench) {
    EngineInputs in = p.in;
    *out = EngineOutputs{};
    calls = 0;
    double current = p.settings.startFsDirectSliding;
    while (out->deepSeatedFactor * p.settings.fsSoilStrength < p.settings.targetFsDeepSeated) {
      in.currentFsDirectSliding = current;
      RunSlopeAnalysis(*state, in, *out);
      ++calls;
      current = current + 0.1;
    }
    benchmark::DoNotOptimize(out->layerRearX[0]);
    benchmark::ClobberMemory();
  }
  bench.counters["calls"] = calls;
}
BENCHMARK(BM_RunWithFullCalls)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The run loop.
void BM_Run(benchmark::State& bench) {
  const Project p = ProjectOf(static_cast<int>(bench.range(0)));
  bench.SetLabel(NameOf(static_cast<int>(bench.range(0))));
  auto state = fixtures::NewState();
  auto out = fixtures::NewOutputs();
  analysis::RunLoopResult result;
  for (auto _ : bench) {
    result = analysis::RunAnalysisLoop(*state, p.in, *out, p.settings, nullptr);
    benchmark::DoNotOptimize(out->layerRearX[0]);
    benchmark::ClobberMemory();
  }
  bench.counters["calls"] = result.callCount;
}
BENCHMARK(BM_Run)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The factor-dependent steps of calls 2..n of the run, on the prepared state.
void BM_FactorStepsAfterTheFirst(benchmark::State& bench) {
  const Project p = ProjectOf(static_cast<int>(bench.range(0)));
  bench.SetLabel(NameOf(static_cast<int>(bench.range(0))));
  auto state = fixtures::NewState();
  auto out = fixtures::NewOutputs();
  const int calls = analysis::RunAnalysisLoop(*state, p.in, *out, p.settings, nullptr).callCount;
  analysis::PrepareSlopeAnalysis(*state, p.in, *out);
  for (auto _ : bench) {
    double current = p.settings.startFsDirectSliding;
    for (int k = 2; k <= calls; ++k) {
      current = current + 0.1;
      analysis::AnalyzeWithDirectSlidingFactor(*state, current);
    }
    benchmark::DoNotOptimize(state->deepSeatedFactor);
    benchmark::ClobberMemory();
  }
  bench.counters["steps"] = calls - 1;
}
BENCHMARK(BM_FactorStepsAfterTheFirst)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
