#pragma once
// The records of one project: the input being edited, the snapshot of the input
// taken by the last run, the results of that run, the presentation settings, the
// geosynthetic type table and the state of the running program.
//
// Every value is held in SI units: lengths in m, pressures and cohesions in kPa,
// strengths in kN/m, unit weights in kN/m^3, angles in degrees unless a field
// says otherwise. Per-layer arrays hold kMaxLayers entries, index 0 being the
// lowest layer.

#include <algorithm>
#include <array>
#include <memory>
#include <string>

// The results record extends the engine's outputs; that header uses only the
// standard library, so the records stay free of the engine itself.
#include "analysis/EngineOutputs.h"

namespace tervane {

inline constexpr int kMaxLayers = analysis::kMaxLayers;
inline constexpr int kMaxGeosyntheticTypes = 5;
inline constexpr int kSurfacePoints = analysis::kSurfacePoints;
inline constexpr int kCirclePoints = analysis::kCirclePoints;
inline constexpr int kStatusTooManyLayers = analysis::kStatusTooManyLayers;

// Unit factors from SI to the English display units.
inline constexpr double kFeetPerMetre = 3.28084;           // m -> ft
inline constexpr double kPsfPerKpa = 20.8846;              // kPa -> lb/ft^2
inline constexpr double kLbPerFtPerKnPerM = 68.519;        // kN/m -> lb/ft
inline constexpr double kPcfPerKnPerM3 = 6.365627;         // kN/m^3 -> lb/ft^3

// What projectPath holds while the open project has no file.
inline constexpr const char* kProjectNotSaved = "Not saved, yet";

// A layer count bounded to the rows the records hold: 0..kMaxLayers.
inline int BoundedLayerCount(int layerCount) { return std::clamp(layerCount, 0, kMaxLayers); }

using LayerArray = std::array<double, kMaxLayers>;
using SurfaceTrace = std::array<double, kSurfacePoints>;
using SurfaceTable = std::array<SurfaceTrace, kMaxLayers>;

// The project input. Held twice: `input` (edited) and `runInput` (the copy the
// last run took); the constructor argument selects the defaults of each.
struct ProjectInput {
  enum class Defaults { kInput, kRunSnapshot };
  explicit ProjectInput(Defaults defaults = Defaults::kInput);

  int runMode = 1;            // 1 optimised layout, 0 user-specified layers
  int unitSystem = 0;         // 0 SI, 1 English
  std::string currencyUnit = "$";
  std::string projectDate;
  std::string projectDescription;
  std::string designerName;
  std::string projectNumber;
  std::string projectTitle;

  double slopeHeight = 6.0;
  double slopeAngle = 45.0;
  double crestLengthA = 2.0;
  double crestLengthB = 2.0;
  double backslopeAngle = 30.0;
  double surchargeQ1 = 0.0;
  double surchargeQ2 = 0.0;
  double surchargeQ3 = 0.0;
  double bottomSlopeAngle = 0.0;

  int waterMode = 2;          // 0 phreatic surface, 1 pore-water coefficient, 2 no water
  double poreWaterCoefficient = 0.0;
  double phreaticX2 = 5.0;
  double phreaticX3 = 8.0;
  double phreaticX4 = 10.0;
  double phreaticY2 = 1.0;
  double phreaticY3 = 2.5;
  double phreaticY4 = 4.0;

  double reinforcedPhi = 34.0;
  double reinforcedCohesion = 0.0;
  double reinforcedUnitWeight = 20.0;
  double backfillPhi = 34.0;
  double backfillCohesion = 0.0;
  double backfillUnitWeight = 20.0;
  double foundationPhi = 34.0;
  double foundationCohesion = 0.0;
  double foundationUnitWeight = 20.0;

  double interwedgeAngle = 20.0;
  double pulloutCoefficientReinforced = 0.9;
  double pulloutCoefficientFoundation = 0.9;
  double slidingCoefficientReinforced = 1.0;
  double slidingCoefficientFoundation = 1.0;
  int lengthLayout = 0;       // 0 uniform, 1 linear top to bottom, 2 minimum at each elevation

  double seismicKh = 0.0;
  double seismicKv = 0.0;
  int seismicOnReinforcedMass = 1;
  int penetrationForbidden = 0;
  double maxPenetrationDepth = 12.0;
  double targetFsDeepSeated = 1.1;

  double ultimateStrength = 43.8;
  double maxSpacing = 1.0;
  double minSpacing = 0.3;
  double bottomLayerHeight = 0.0;
  double rfInstallation = 1.2;
  double rfDurability = 1.1;
  double rfCreep = 2.5;
  double coverageRatio = 1.0;
  int orientationMode = 1;    // 0 absolute (AOR), 1 relative (ROR)
  double aorAngle = 0.0;
  double rorValue = 0.0;
  double fsSoilStrength = 1.3;
  double fsGeosyntheticStrength = 1.3;
  double fsPullout = 1.5;
  double fsDirectSliding = 1.1;

  int layerCount = 0;
  // The layer count as readers use it: within 0..kMaxLayers whatever is
  // stored (a loaded file is already checked; a record filled by hand may not be).
  int LayerCount() const { return BoundedLayerCount(layerCount); }
  LayerArray layerElevation{};
  LayerArray layerUltimateStrength{};
  LayerArray layerRfInstallation{};
  LayerArray layerRfDurability{};
  LayerArray layerRfCreep{};

  int khHalved = 0;           // 1 = the run uses half of Kh

  bool operator==(const ProjectInput&) const = default;
};

struct AppSettings {
  int printColorMode = 0;     // 0 colour, 1 black and white (printed report)
  int screenColorMode = 0;    // 0 colour, 1 black and white (drawings, DXF preview)
  std::string reportLanguage;
  int symbolStyle = 0;        // 0 "Western Ver.", 1 "Asian Pacific"
  std::string logoPath;
  int includeLogo = 1;

  bool operator==(const AppSettings&) const = default;
};

struct GeosyntheticTypeTable {
  GeosyntheticTypeTable();

  int typeOverflow = 0;
  int typeCount = 1;
  std::array<double, kMaxGeosyntheticTypes> typeUltimateStrength{};
  std::array<double, kMaxGeosyntheticTypes> typeRfInstallation{};
  std::array<double, kMaxGeosyntheticTypes> typeRfDurability{};
  std::array<double, kMaxGeosyntheticTypes> typeRfCreep{};
  std::array<int, kMaxLayers> layerType{};

  bool operator==(const GeosyntheticTypeTable&) const = default;
};

// What the last run computed: the outputs of its last engine call (every
// engine output is a field here, of the same name and type), plus what the
// run adds. Readers use the first LayerCount() rows.
struct AnalysisResults : analysis::EngineOutputs {
  // The result layer count as readers use it: within 0..kMaxLayers.
  int LayerCount() const { return BoundedLayerCount(resultLayerCount); }

  // What the run adds to the outputs of its last engine call.
  LayerArray layerLongTermStrength{};
  double runFsSoilStrength = 1.0;
  double finalFsDirectSliding = 1.0;
  int runCallCount = 0;
  int deepSeatedNotConducted = 0;

  bool operator==(const AnalysisResults&) const = default;
};

// Every record of the open project, plus the state of the running program.
// There is one in use at a time, reached through Project(): every subsystem
// writes `Project().input.slopeHeight` and the like.
struct ProjectData {
  ProjectData();

  ProjectInput input{ProjectInput::Defaults::kInput};
  ProjectInput runInput{ProjectInput::Defaults::kRunSnapshot};
  AnalysisResults results;
  AppSettings settings;
  GeosyntheticTypeTable geosyntheticTypes;
  std::string quantitiesRemarks;
  std::string quantitiesUnitCost = "0.00";

  // State of the running program (not saved, except programUpdateLabel).
  int resultsAvailable = 0;
  std::string dataDirectory;
  std::string programUpdateLabel = "Update #1.1";
  std::string loadedUpdateLabel = "***";
  int hideDialogIdLabels = 1;
  int inputChangedSinceRun = 1;
  // 1 = the file opened last held results that were not finite numbers; they
  // were dropped, and the result views wait for a run.
  int resultsDropped = 0;
  int documentOpen = 0;
  std::string projectPath = kProjectNotSaved;
  // The help file: the program's path with ".chm" (set by the start-up).
  std::string helpFilePath;

  bool operator==(const ProjectData&) const = default;
};

// The project in use: the one the innermost ScopedProject installed (the
// program installs one for its whole run), else a default one.
ProjectData& Project();

// Installs a project for the life of the scope (the program, a test) and
// restores the previous one afterwards, so no test sees another test's project.
class ScopedProject {
 public:
  // A fresh project with every default.
  ScopedProject();
  ~ScopedProject();
  ScopedProject(const ScopedProject&) = delete;
  ScopedProject& operator=(const ScopedProject&) = delete;

  ProjectData& project() { return *project_; }

 private:
  std::unique_ptr<ProjectData> project_;
  ProjectData* previous_ = nullptr;
};

// Copies `input` into `runInput` the way a run does when its loop ends:
// every field except currencyUnit and layerCount, targetFsDeepSeated as it was
// when the run started, khHalved last; then the long-term strength of every
// row into results.layerLongTermStrength.
void CopyInputToRunSnapshot(const ProjectInput& input, double targetFsDeepSeatedAtStart,
                            ProjectInput& runInput, AnalysisResults& results);

}  // namespace tervane
