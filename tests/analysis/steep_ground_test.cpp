// Grounds that rise far behind the crest: their outputs stay those recorded
// bit for bit, and the march that advances x by repeated additions gives the
// same x as the additions one by one.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "analysis/Engine.h"
#include "analysis/LogSpiral.h"
#include "support/engine_fixtures.h"
#include "support/steep_ground_projects.h"

namespace tervane::analysis {
namespace {

using testing::kSteepGroundProjects;
using testing::SteepGroundProject;

class SteepGroundTest : public ::testing::TestWithParam<SteepGroundProject> {};

TEST_P(SteepGroundTest, OutputsStayAsRecorded) {
  const SteepGroundProject& p = GetParam();
  auto state = testing::NewState();
  auto out = testing::NewOutputs();
  std::memset(static_cast<void*>(out.get()), 0, sizeof(EngineOutputs));
  RunSlopeAnalysis(*state, testing::InputsOf(p), *out);
  EXPECT_EQ(testing::OutputDigest(*out), p.outputDigest);
}

INSTANTIATE_TEST_SUITE_P(Projects, SteepGroundTest, ::testing::ValuesIn(kSteepGroundProjects),
                         [](const auto& info) { return std::string(info.param.name); });

double AddOneByOne(double x, double step, double limit) {
  while (limit > x) x = x + step;
  return x;
}

// The march counted out binade by binade against the additions themselves:
// starts below and across powers of two, steps that round up and down,
// steps larger than the start, a limit not a whole number of steps away, a
// limit already reached, and a step of exactly one and a half units of the
// last place (a tie at every addition).
TEST(AddStepsUntil, SameAsTheAdditionsOneByOne) {
  struct Case {
    double x, step, limit;
  };
  const double unitAt1 = std::ldexp(1.0, -52);
  const Case cases[] = {
      {0.0, 0.06, 1000.0},
      {1e-3, 0.06, 1000.0},
      {3.7, 0.01, 4100.3},
      {0.999, 0.01, 1.03},
      {1.0, 0.1, 1.0},
      {1.0, 0.1, 0.5},
      {1023.9, 0.3000000000000001, 70000.0},
      {5.0, 12.5, 800.0},
      {1.0, 1.5 * unitAt1, 1.0 + 3000 * unitAt1},
      {1.0, 0.7 * unitAt1, 1.0 + 3000 * unitAt1},
      {2.0 - 1000 * unitAt1, 1.3 * unitAt1, 2.0 + 4000 * unitAt1},
      {-3.0, 0.07, 40.0},
  };
  for (const Case& c : cases) {
    const double expected = AddOneByOne(c.x, c.step, c.limit);
    const double got = logspiral::AddStepsUntil(c.x, c.step, c.limit);
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << c.x << " + " << c.step << " up to " << c.limit << ": " << got << " instead of " << expected;
  }
}

// Marches from below zero, across zero and within one binade below zero,
// drawn at random, land on the same bits as the additions one by one.
TEST(AddStepsUntil, FromBelowZeroSameAsTheAdditionsOneByOne) {
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 400; ++trial) {
    const double x = -std::ldexp(1.0 + unit(random), static_cast<int>(unit(random) * 12) - 6);
    const double step = std::ldexp(unit(random), -static_cast<int>(unit(random) * 30) - 2);
    const double limit = trial % 3 == 0 ? x * unit(random) : x + (unit(random) * 2 - 0.5) * 3 * -x;
    if ((limit - x) / step > 2e6) continue;
    const double expected = AddOneByOne(x, step, limit);
    const double got = logspiral::AddStepsUntil(x, step, limit);
    ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << x << " + " << step << " up to " << limit << ": " << got << " instead of " << expected;
  }
}

// Steps of a whole number and a half of units of the last place tie at every
// addition: from an odd and an even count of units, with D odd and even,
// with half a unit (x stays where it is once even), up to and across the end
// of the binade, and for a fixed number of additions too.
TEST(AddStepsUntil, TiesSameAsTheAdditionsOneByOne) {
  std::mt19937_64 random(77);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 600; ++trial) {
    const int exponent = static_cast<int>(unit(random) * 20) - 10;
    const double lastPlace = std::ldexp(1.0, exponent - 52);
    // Every fourth start lies a few thousand units below the binade's end.
    const auto units = trial % 4 == 0 ? (std::int64_t{1} << 52) - 1 - static_cast<std::int64_t>(unit(random) * 5000)
                                      : static_cast<std::int64_t>(unit(random) * 0x1p52);
    const double x = std::ldexp(1.0, exponent) + static_cast<double>(units) * lastPlace;
    const int whole = trial % 5 == 0 ? 0 : static_cast<int>(unit(random) * 9);
    const double step = (whole + 0.5) * lastPlace;
    const double limit = x + unit(random) * 3000 * step;
    // Half a unit no longer moves an even count: the march ends there.
    double expected = x;
    while (limit > expected && expected + step > expected) expected = expected + step;
    const double got = logspiral::AddStepsUntil(x, step, limit);
    ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << x << " + " << step << " up to " << limit << ": " << got << " instead of " << expected;
    const auto count = static_cast<std::int64_t>(unit(random) * 4000);
    double counted = x;
    for (std::int64_t k = 0; k < count; ++k) counted = counted + step;
    const double added = logspiral::AddSteps(x, step, count);
    ASSERT_EQ(std::memcmp(&added, &counted, sizeof added), 0)
        << x << " + " << count << " x " << step << ": " << added << " instead of " << counted;
  }
}

// A march whose step no longer changes x ends instead of running forever.
TEST(AddStepsUntil, EndsWhereTheStepNoLongerAdvances) {
  const double x = std::ldexp(1.0, 60);
  EXPECT_EQ(logspiral::AddStepsUntil(x, 1.0, HUGE_VAL), x);
  EXPECT_EQ(logspiral::AddStepsUntil(1.0, 0.25, NAN), 1.0);
}

// A fixed number of additions, counted out, lands on the same bits as the
// additions one by one: across powers of two, on ties, with steps too small
// to move x, from below zero and for no additions at all.
TEST(AddSteps, SameAsTheAdditionsOneByOne) {
  struct Case {
    double x, step;
    std::int64_t count;
  };
  const double unitAt1 = std::ldexp(1.0, -52);
  const Case cases[] = {
      {0.0, 0.06, 20000},
      {3.7, 0.01, 0},
      {0.999, 0.01, 7},
      {1023.9, 0.3000000000000001, 20000},
      {19.4342, 0.0241094, 20000},
      {1.0, 1.5 * unitAt1, 3000},
      {1.0, 0.4 * unitAt1, 3000},
      {2.0 - 1000 * unitAt1, 1.3 * unitAt1, 4000},
      {1e7, 1e-12, 100},
      {-3.0, 0.07, 1000},
  };
  for (const Case& c : cases) {
    double expected = c.x;
    for (std::int64_t k = 0; k < c.count; ++k) expected = expected + c.step;
    const double got = logspiral::AddSteps(c.x, c.step, c.count);
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0)
        << c.x << " + " << c.count << " x " << c.step << ": " << got << " instead of " << expected;
  }
}

}  // namespace
}  // namespace tervane::analysis
