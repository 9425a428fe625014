#pragma once
// Working values of the direct-sliding analysis, kept inside AnalysisState.

namespace tervane::analysis {

struct DirectSlidingWork {
  double unused = 0.0;
};

}  // namespace tervane::analysis
