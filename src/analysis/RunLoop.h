#pragma once
// The loop of a run: the engine is called with the factor of safety on direct
// sliding raised by 0.1 per call until the deep-seated factor of safety
// reaches its target. The loop is bounded, may be cancelled between calls
// from another thread, and reports its progress through atomics, so that it
// can run off the user-interface thread.
//
// The calls of one run differ only in that factor, so the layout, tieback and
// compound analyses are made once and only the steps that depend on the
// factor are repeated; the stored outputs are bit for bit those of repeated
// full calls.

#include <atomic>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"

namespace tervane::analysis {

// Most engine calls of one run.
inline constexpr int kRunCallLimit = 1000;

struct RunLoopSettings {
  double startFsDirectSliding = 1.0;  // factor of the first call
  double fsSoilStrength = 1.0;        // turns the engine's deep-seated factor into the one shown
  double targetFsDeepSeated = 1.0;    // the loop ends when the factor shown reaches it
  int callLimit = kRunCallLimit;
};

enum class RunEnd {
  kTargetReached,   // the deep-seated target was met
  kNoLengthNeeded,  // the stop test after call 500: no reinforcement length is needed
  kCallLimit,       // the call limit was reached without meeting the target
  kCancelled,       // cancelled between calls: nothing of the run may be kept
};

struct RunLoopResult {
  RunEnd end = RunEnd::kTargetReached;
  int callCount = 0;                  // runCallCount
  double finalFsDirectSliding = 1.0;  // the factor of the last call
  int deepSeatedNotConducted = 0;     // 1 when the stop test ended the loop
  double deepSeatedFs = 0.0;          // the deep-seated factor shown, of the last call
};

// Shared between the loop and the thread that watches it.
struct RunProgress {
  std::atomic<bool> cancel{false};     // set by the watcher; the loop stops before its next call
  std::atomic<int> callsMade{0};
  std::atomic<double> fsDirectSliding{0.0};  // the factor of the call in progress (or the last)
  std::atomic<double> deepSeatedFs{0.0};     // the factor shown, of the last call made
};

// Runs the loop. `out` is cleared first and holds the outputs of the last
// call at the end (all zero when the layout needed more than kMaxLayers
// layers: out.engineStatus is then kStatusTooManyLayers, and the loop counts
// its calls as the engine would, every call reporting the same status).
// `progress` may be null.
RunLoopResult RunAnalysisLoop(AnalysisState& state, const EngineInputs& in, EngineOutputs& out,
                              const RunLoopSettings& settings, RunProgress* progress);

}  // namespace tervane::analysis
