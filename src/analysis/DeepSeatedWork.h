#pragma once
// Working values of the deep-seated analysis, kept inside AnalysisState.

namespace tervane::analysis {

struct DeepSeatedWork {
  double unused = 0.0;
};

}  // namespace tervane::analysis
