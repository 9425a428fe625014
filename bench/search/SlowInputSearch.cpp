// Searches for the project inputs that make one engine call slowest.
//
// Random project inputs, drawn with a fixed seed over the values the input
// dialogs take (lengths, loads, depths and seismic coefficients well beyond
// the usual, where the dialogs set no upper limit), are formed into engine
// inputs the way the run forms them. Those the run's checks accept are run
// once each and timed (thread CPU time); the slowest are listed with their
// index, so that any of them can be drawn again.
//
//   tervane_slow_input_search [count] [seed] [digest-file]
//   tervane_slow_input_search cases
//   tervane_slow_input_search usual [count] [seed] [digest-file]
//
// With a digest file, one line per accepted input (index and a digest of
// every output byte) is written to it: two builds of the engine that write
// the same file give the same results bit for bit.
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "analysis/AnalysisState.h"
#include "analysis/Engine.h"
#include "run/RunChecks.h"
#include "run/RunInputs.h"
#include "model/ProjectData.h"
#include "../../tests/support/random_projects.h"

namespace {

using tervane::AppSettings;
using tervane::ProjectInput;
using tervane::analysis::AnalysisState;
using tervane::analysis::EngineInputs;
using tervane::analysis::EngineOutputs;
using tervane::analysis::kMaxLayers;

class Draw {
 public:
  explicit Draw(std::uint64_t seed) : random_(seed) {}
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random_); }
  bool Maybe(double p) { return Uniform(0.0, 1.0) < p; }
  // Mostly usual values, sometimes far beyond them (log-uniform up to `far`).
  double Length(double usual, double far) {
    if (Maybe(0.3)) return 0.0;
    if (Maybe(0.7)) return Uniform(0.0, usual);
    return std::exp(Uniform(std::log(usual), std::log(far)));
  }

 private:
  std::mt19937_64 random_;
};

// Project input number `index` of the search with `seed`.
ProjectInput DrawInput(std::uint64_t seed, std::uint64_t index) {
  Draw d(seed * 0x9E3779B97F4A7C15ull + index);
  ProjectInput in;
  in.designerName = "Search";
  in.runMode = d.Maybe(0.5) ? 1 : 0;
  in.slopeHeight = d.Uniform(1.0, 30.0);
  in.slopeAngle = d.Maybe(0.1) ? 90.0 : d.Uniform(10.0, 90.0);
  in.crestLengthA = d.Length(20.0, 2000.0);
  in.crestLengthB = d.Length(20.0, 2000.0);
  const double backslope = d.Uniform(0.0, 1.0);
  in.backslopeAngle = backslope < 0.7   ? d.Uniform(0.0, 45.0)
                      : backslope < 0.9 ? d.Uniform(45.0, 90.0)
                      : backslope < 0.97 ? d.Uniform(89.0, 90.0)
                                         : 90.0;
  in.surchargeQ1 = d.Length(50.0, 5000.0);
  in.surchargeQ2 = d.Length(50.0, 5000.0);
  in.surchargeQ3 = d.Length(50.0, 5000.0);
  in.bottomSlopeAngle = d.Uniform(0.0, 30.0);

  in.reinforcedUnitWeight = d.Maybe(0.9) ? d.Uniform(15.0, 22.0) : d.Uniform(1.0, 100.0);
  in.backfillUnitWeight = d.Maybe(0.9) ? d.Uniform(15.0, 22.0) : d.Uniform(1.0, 100.0);
  in.foundationUnitWeight = d.Maybe(0.9) ? d.Uniform(15.0, 22.0) : d.Uniform(1.0, 100.0);
  in.waterMode = static_cast<int>(d.Uniform(0.0, 3.0));
  in.poreWaterCoefficient = d.Uniform(0.0, 9.81 / in.reinforcedUnitWeight);
  const double tanFace = std::tan(tervane::kRunDegreeToRadian * std::min(in.slopeAngle, 89.99999));
  double x = 0.0;
  double* px[3] = {&in.phreaticX2, &in.phreaticX3, &in.phreaticX4};
  double* py[3] = {&in.phreaticY2, &in.phreaticY3, &in.phreaticY4};
  for (int k = 0; k < 3; ++k) {
    x += d.Maybe(0.1) ? d.Uniform(0.0, 0.0009) : d.Length(15.0, 1000.0);
    *px[k] = x;
    *py[k] = std::min(d.Uniform(0.0, 1.0) * in.slopeHeight, 0.9 * x * tanFace);
  }

  in.reinforcedPhi = d.Uniform(0.0, 45.0);
  in.backfillPhi = d.Uniform(0.0, 45.0);
  in.foundationPhi = d.Uniform(0.0, 45.0);
  in.reinforcedCohesion = d.Length(50.0, 1000.0);
  in.backfillCohesion = d.Length(50.0, 1000.0);
  in.foundationCohesion = d.Length(50.0, 1000.0);
  in.interwedgeAngle = d.Uniform(0.0, std::min(in.backfillPhi, in.reinforcedPhi));
  in.pulloutCoefficientReinforced = d.Uniform(0.05, 1.0);
  in.pulloutCoefficientFoundation = d.Uniform(0.05, 1.0);
  in.slidingCoefficientReinforced = d.Uniform(0.05, 1.0);
  in.slidingCoefficientFoundation = d.Uniform(0.05, 1.0);
  in.lengthLayout = static_cast<int>(d.Uniform(0.0, 3.0));

  in.seismicKh = d.Maybe(0.4) ? 0.0 : d.Maybe(0.9) ? d.Uniform(0.0, 0.4) : d.Uniform(0.0, 3.0);
  in.seismicKv = d.Maybe(0.5) ? 0.0 : d.Uniform(-0.3, 0.3);
  in.khHalved = d.Maybe(0.5) ? 1 : 0;
  in.seismicOnReinforcedMass = d.Maybe(0.5) ? 1 : 0;
  in.penetrationForbidden = d.Maybe(0.5) ? 1 : 0;
  in.maxPenetrationDepth = d.Maybe(0.05) ? 0.0 : d.Length(20.0, 500.0);
  in.targetFsDeepSeated = d.Uniform(1.0, 2.0);

  in.ultimateStrength = d.Maybe(0.9) ? d.Uniform(5.0, 200.0) : d.Uniform(0.1, 2000.0);
  in.minSpacing = d.Uniform(0.15, std::min(1.0, 0.5 * in.slopeHeight));
  in.maxSpacing = std::min(in.minSpacing * d.Uniform(1.0, 5.0), 0.99 * in.slopeHeight);
  in.bottomLayerHeight = d.Maybe(0.5) ? 0.0 : d.Uniform(0.0, std::min(0.3, in.minSpacing));
  in.rfInstallation = d.Uniform(1.0, 2.0);
  in.rfDurability = d.Uniform(1.0, 2.0);
  in.rfCreep = d.Uniform(1.0, 4.0);
  in.coverageRatio = d.Maybe(0.5) ? 1.0 : d.Uniform(0.05, 1.0);
  in.orientationMode = d.Maybe(0.5) ? 1 : 0;
  in.rorValue = d.Maybe(0.3) ? 0.0 : d.Uniform(0.0, 1.0);
  in.aorAngle = d.Uniform(-15.0, 15.0);
  in.fsSoilStrength = d.Uniform(1.0, 2.0);
  in.fsGeosyntheticStrength = d.Uniform(1.0, 2.0);
  in.fsPullout = d.Uniform(1.0, 2.0);
  in.fsDirectSliding = d.Maybe(0.9) ? d.Uniform(1.0, 2.0) : d.Uniform(1.0, 10.0);

  const int n = 1 + static_cast<int>(d.Maybe(0.2) ? d.Uniform(0.0, 100.0) : d.Uniform(0.0, 12.0));
  in.layerCount = n;
  double z = d.Maybe(0.5) ? 0.0 : d.Uniform(0.0, 0.5);
  const double spacing = 0.95 * in.slopeHeight / n;
  for (int k = 0; k < kMaxLayers; ++k) {
    in.layerElevation[k] = k < n ? std::min(z, 0.999 * in.slopeHeight) : 0.0;
    in.layerUltimateStrength[k] = d.Maybe(0.9) ? d.Uniform(5.0, 200.0) : d.Uniform(0.1, 2000.0);
    in.layerRfInstallation[k] = d.Uniform(1.0, 1.5);
    in.layerRfDurability[k] = d.Uniform(1.0, 1.5);
    in.layerRfCreep[k] = d.Uniform(1.0, 3.0);
    z += spacing * d.Uniform(0.5, 1.0);
  }
  return in;
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

std::uint64_t Digest(const EngineOutputs& out) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&out);
  std::uint64_t h = 1469598103934665603ull;
  for (std::size_t i = 0; i < sizeof(EngineOutputs); ++i) h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

// A call that runs longer than this is reported and ends the search.
constexpr unsigned kCallLimitSeconds = 20;
volatile std::uint64_t currentIndex = 0;

void OnCallLimit(int) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, "call #%llu exceeded the time limit\n",
                              static_cast<unsigned long long>(currentIndex));
  if (n > 0) (void)!write(2, text, static_cast<std::size_t>(n));
  _exit(3);
}

// Indices to leave out (comma-separated, from TERVANE_SEARCH_SKIP); TERVANE_SEARCH_FROM
// sets the first index to draw and TERVANE_SEARCH_KEEP how many of the slowest
// are listed (15).
std::vector<std::uint64_t> SkippedIndices() {
  std::vector<std::uint64_t> skip;
  const char* text = std::getenv("TERVANE_SEARCH_SKIP");
  while (text && *text) {
    char* end = nullptr;
    skip.push_back(std::strtoull(text, &end, 10));
    text = *end == ',' ? end + 1 : end;
    if (end == text && *end != ',') break;
  }
  return skip;
}

struct Timed {
  double seconds;
  std::uint64_t index;
};

// One engine call under the call limit; its thread CPU time in seconds.
double TimedCall(AnalysisState& state, const EngineInputs& in, EngineOutputs& out, std::uint64_t index) {
  currentIndex = index;
  alarm(kCallLimitSeconds);
  const double t0 = ThreadSeconds();
  tervane::analysis::RunSlopeAnalysis(state, in, out);
  const double t = ThreadSeconds() - t0;
  alarm(0);
  return t;
}

// Notes a call: its digest line (with a digest file) and its place among the
// `keep` slowest.
void NoteCall(std::vector<Timed>& slowest, std::size_t keep, double seconds, std::uint64_t index,
              const EngineOutputs& out, std::FILE* digests) {
  if (digests) std::fprintf(digests, "%llu %016llx\n", static_cast<unsigned long long>(index),
                            static_cast<unsigned long long>(Digest(out)));
  slowest.push_back({seconds, index});
  std::sort(slowest.begin(), slowest.end(), [](const Timed& a, const Timed& b) { return a.seconds > b.seconds; });
  if (slowest.size() > keep) slowest.pop_back();
}

// Fixed projects at the edges of the geometry: the default project with a
// steep backslope over a long B, and other long or steep grounds.
struct Case {
  const char* name;
  void (*apply)(ProjectInput&);
};
const Case kCases[] = {
    {"backslope 89.9 over B 100", [](ProjectInput& in) { in.backslopeAngle = 89.9; in.crestLengthB = 100.0; }},
    {"backslope 89.9 over B 100, A 0",
     [](ProjectInput& in) { in.backslopeAngle = 89.9; in.crestLengthB = 100.0; in.crestLengthA = 0.0; }},
    {"backslope 90 over B 100", [](ProjectInput& in) { in.backslopeAngle = 90.0; in.crestLengthB = 100.0; }},
    {"backslope 89.99 over B 1000", [](ProjectInput& in) { in.backslopeAngle = 89.99; in.crestLengthB = 1000.0; }},
    {"backslope 45 over B 2000", [](ProjectInput& in) { in.backslopeAngle = 45.0; in.crestLengthB = 2000.0; }},
    {"backslope 45 over B 2000, A 0",
     [](ProjectInput& in) { in.backslopeAngle = 45.0; in.crestLengthB = 2000.0; in.crestLengthA = 0.0; }},
    {"A 2000", [](ProjectInput& in) { in.crestLengthA = 2000.0; }},
    {"H 30, backslope 89.9 over B 100",
     [](ProjectInput& in) { in.slopeHeight = 30.0; in.backslopeAngle = 89.9; in.crestLengthB = 100.0; }},
    {"H 1, Dmin 0.15, backslope 89.9 over B 100",
     [](ProjectInput& in) {
       in.slopeHeight = 1.0; in.minSpacing = 0.15; in.maxSpacing = 0.5;
       in.backslopeAngle = 89.9; in.crestLengthB = 100.0;
     }},
};

int RunCases() {
  const AppSettings settings;
  auto state = std::make_unique<AnalysisState>();
  auto out = std::make_unique<EngineOutputs>();
  for (const Case& c : kCases) {
    for (int runMode : {1, 0}) {
      ProjectInput input;
      input.designerName = "Search";
      input.layerCount = 5;
      for (int k = 0; k < 5; ++k) input.layerElevation[k] = 1.1 * k;
      for (int k = 0; k < kMaxLayers; ++k) input.layerUltimateStrength[k] = 43.8;
      c.apply(input);
      const EngineInputs in = tervane::FormEngineInputs(input, runMode);
      if (tervane::CheckRunInput(input, settings, runMode, in)) {
        std::printf("%-45s run %d: not accepted\n", c.name, runMode);
        continue;
      }
      std::memset(static_cast<void*>(out.get()), 0, sizeof(EngineOutputs));
      const double t = TimedCall(*state, in, *out, 0);
      std::printf("%-45s run %d: %8.2f ms  digest %016llx\n", c.name, runMode, 1e3 * t,
                  static_cast<unsigned long long>(Digest(*out)));
    }
  }
  return 0;
}

// The random projects of the engine's tests (the usual ranges of the input
// dialogs), timed the same way.
int RunUsualProjects(std::uint64_t count, unsigned seed, std::FILE* digests) {
  tervane::analysis::testing::RandomProjects projects(seed);
  auto state = std::make_unique<AnalysisState>();
  auto out = std::make_unique<EngineOutputs>();
  std::vector<Timed> slowest;
  double total = 0.0;
  std::vector<EngineInputs> kept;
  const char* from = std::getenv("TERVANE_SEARCH_FROM");  // the first project to run
  const std::uint64_t first = from ? std::strtoull(from, nullptr, 10) : 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    const EngineInputs in = projects.Next();
    kept.push_back(in);
    if (i < first) continue;  // drawn only, so that the later ones stay the same
    *state = AnalysisState{};
    const double t = TimedCall(*state, in, *out, i);
    total += t;
    NoteCall(slowest, 10, t, i, *out, digests);
  }
  if (digests) std::fclose(digests);
  std::printf("usual projects, seed %u: %llu calls, mean %.3f ms per call\n", seed,
              static_cast<unsigned long long>(count - std::min(first, count)),
              count > first ? 1e3 * total / static_cast<double>(count - first) : 0.0);
  for (const Timed& t : slowest) {
    const EngineInputs& in = kept[t.index];
    std::printf("%8.2f ms  #%llu run %d H %.6g i %.6g A %.6g B %.6g n %d Dmin %.4g Dmax %.4g water %d\n",
                1e3 * t.seconds, static_cast<unsigned long long>(t.index), in.runMode, in.slopeHeight,
                in.slopeAngle, in.crestLengthA, in.crestLengthB, in.layerCount, in.minSpacing,
                in.maxSpacingWithTolerance, in.phreaticSurfaceGiven);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGALRM, OnCallLimit);
  if (argc > 1 && std::strcmp(argv[1], "cases") == 0) return RunCases();
  if (argc > 1 && std::strcmp(argv[1], "usual") == 0) {
    return RunUsualProjects(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 2000,
                            argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1,
                            argc > 4 ? std::fopen(argv[4], "w") : nullptr);
  }
  const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 20000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  std::FILE* digests = argc > 3 ? std::fopen(argv[3], "w") : nullptr;
  const AppSettings settings;
  auto state = std::make_unique<AnalysisState>();
  auto out = std::make_unique<EngineOutputs>();
  std::vector<Timed> slowest;
  std::uint64_t accepted = 0;
  double total = 0.0;
  const std::vector<std::uint64_t> skip = SkippedIndices();
  const char* from = std::getenv("TERVANE_SEARCH_FROM");  // the first index to draw
  const char* keepText = std::getenv("TERVANE_SEARCH_KEEP");  // how many of the slowest to list
  const std::size_t keep = keepText ? std::strtoull(keepText, nullptr, 10) : 15;
  for (std::uint64_t i = from ? std::strtoull(from, nullptr, 10) : 0; i < count; ++i) {
    if (std::find(skip.begin(), skip.end(), i) != skip.end()) continue;
    const ProjectInput input = DrawInput(seed, i);
    const EngineInputs in = tervane::FormEngineInputs(input, input.runMode);
    if (tervane::CheckRunInput(input, settings, input.runMode, in)) continue;
    ++accepted;
    *state = AnalysisState{};
    std::memset(static_cast<void*>(out.get()), 0, sizeof(EngineOutputs));
    const double t = TimedCall(*state, in, *out, i);
    total += t;
    NoteCall(slowest, keep, t, i, *out, digests);
  }
  if (digests) std::fclose(digests);
  std::printf("seed %llu: %llu drawn, %llu accepted, mean %.3f ms per call\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(accepted), accepted ? 1e3 * total / accepted : 0.0);
  for (const Timed& t : slowest) {
    const ProjectInput in = DrawInput(seed, t.index);
    std::printf("%8.2f ms  #%llu run %d H %.6g i %.6g A %.6g B %.6g beta %.6g q %.4g/%.4g/%.4g water %d "
                "n %d Dmin %.4g Dmax %.4g D %.4g Kh %.4g pen %d layout %d\n",
                1e3 * t.seconds, static_cast<unsigned long long>(t.index), in.runMode, in.slopeHeight,
                in.slopeAngle, in.crestLengthA, in.crestLengthB, in.backslopeAngle, in.surchargeQ1,
                in.surchargeQ2, in.surchargeQ3, in.waterMode, in.layerCount, in.minSpacing, in.maxSpacing,
                in.maxPenetrationDepth, in.seismicKh, in.penetrationForbidden, in.lengthLayout);
  }
  return 0;
}
