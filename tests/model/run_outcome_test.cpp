// What the stored results say about the last run's deep-seated analysis:
// whether it was made, whether its target was met (the target itself
// counts), whether the run fell short of it, and whether the remark on a
// raised target applies.

#include "model/RunOutcome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tervane {
namespace {

TEST(RunOutcomeTest, ConductedMetMissedAndTheRemark) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    int notConducted;
    int calls;
    double factor;  // with fsSoilStrength 1.0 and a target of 1.5
    bool conducted, met, missed, remark;
  } cases[] = {
      {"no run yet", 0, 0, 0.0, true, false, false, false},
      {"met at the first call", 0, 1, 1.6, true, true, false, false},
      {"met at the target itself after raising", 0, 12, 1.5, true, true, false, true},
      {"just below the target at the call limit", 0, 1000, std::nextafter(1.5, 0.0), true, false, true, false},
      {"a factor that is no number", 0, 1000, nan, true, false, true, false},
      {"stopped for L = 0 with a factor left", 1, 501, 1.2, false, false, false, false},
      {"stopped for L = 0 above the target", 1, 501, 1.9, false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectInput run;
    run.fsSoilStrength = 1.0;
    run.targetFsDeepSeated = 1.5;
    AnalysisResults results;
    results.deepSeatedNotConducted = c.notConducted;
    results.runCallCount = c.calls;
    results.deepSeatedFactor = c.factor;
    EXPECT_EQ(DeepSeatedConducted(results), c.conducted);
    EXPECT_EQ(DeepSeatedTargetMet(run, results), c.met);
    EXPECT_EQ(DeepSeatedTargetMissed(run, results), c.missed);
    EXPECT_EQ(RaisedTargetRemarkApplies(run, results), c.remark);
  }
}

}  // namespace
}  // namespace tervane
