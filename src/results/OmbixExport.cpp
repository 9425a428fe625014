#include "results/OmbixExport.h"

#include <algorithm>
#include <cmath>

#include "model/GeosyntheticTypes.h"
#include "common/MessageDialogs.h"
#include "model/ProjectData.h"
#include "framework/Text.h"
#include "resources/DialogTemplates.h"

namespace tervane {

namespace {

// Degrees to radians as the outline of the export has them (pi taken as
// 3.1415926535).
constexpr double kOutlineDegree = 0.017453292519444445;

// The project path of a project that was never saved.
constexpr const char* kNotSavedProjectPath = "Not saved, yet";

void SetType(GeosyntheticTypeTable& table, int entry, double ultimate, double rfInstallation,
             double rfDurability, double rfCreep) {
  table.typeUltimateStrength[entry] = ultimate;
  table.typeRfInstallation[entry] = rfInstallation;
  table.typeRfDurability[entry] = rfDurability;
  table.typeRfCreep[entry] = rfCreep;
}

}  // namespace

GeosyntheticTypeTable RunGeosyntheticTypes(const ProjectInput& runInput, const AnalysisResults& results) {
  GeosyntheticTypeTable table;
  table.typeOverflow = 0;
  table.typeCount = 1;
  table.layerType.fill(1);
  if (runInput.runMode != 0) {
    SetType(table, 0, runInput.ultimateStrength, runInput.rfInstallation, runInput.rfDurability,
            runInput.rfCreep);
    return table;
  }
  for (int k = 0; k < kMaxGeosyntheticTypes; ++k)
    SetType(table, k, runInput.layerUltimateStrength[0], runInput.layerRfInstallation[0],
            runInput.layerRfDurability[0], runInput.layerRfCreep[0]);
  const int count = results.LayerCount();
  for (int b = 0; b < count; ++b) ClassifyLayerType(runInput, table, b);
  return table;
}

// ---- CBeforeOmbix ------------------------------------------------------------

CBeforeOmbix::CBeforeOmbix() : fw::Dialog(DialogTemplateNamed("IDD_BEFORE_OMBIX")) {
  SetBackgroundColor(fw::kWhite);
}

bool CBeforeOmbix::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyDialogIdLabelRule(*this);
  return true;
}

// ---- the export --------------------------------------------------------------

OmbixExport::OmbixExport(const ProjectData& project, int unitSystem)
    : project_(project),
      types_(RunGeosyntheticTypes(project.runInput, project.results)),
      units_(DisplayUnitFactors::For(unitSystem)),
      unitLetter_(unitSystem == 1 ? 'E' : 'S') {}

void OmbixExport::BuildExportOutline() {
  const ProjectInput& r = project_.runInput;
  const AnalysisResults& res = project_.results;

  const double run = std::max(r.slopeHeight / std::tan(kOutlineDegree * r.slopeAngle), 1e-7);
  const double h = r.slopeHeight;
  const double a = r.crestLengthA;
  const double bf = std::max(r.crestLengthB, 1e-7);
  const double rise = std::tan(kOutlineDegree * r.backslopeAngle) * r.crestLengthB;
  const double c = 100.0 * std::cos(kOutlineDegree * r.bottomSlopeAngle);
  const double s = 100.0 * std::sin(kOutlineDegree * r.bottomSlopeAngle);

  double longest = 0.0;
  const int count = res.LayerCount();
  for (int k = 0; k < count; ++k) longest = std::max(longest, res.layerRearX[k] - res.layerFrontX[k]);

  outlinePointCount = {5, 6, 2};
  auto set = [this](int row, int point, double x, double y) {
    outlineX[row][point] = x;
    outlineY[row][point] = y;
  };

  set(0, 0, -c, -s);
  set(0, 1, 0.0, 0.0);
  set(0, 2, run, h);
  set(0, 3, run + a, h);
  set(0, 4, run + a + bf, h + rise);

  set(1, 0, -c, -s);
  set(1, 1, 0.0, 0.0);
  set(1, 2, longest, 0.0);
  set(1, 3, run + longest, h);
  const double rear = run + longest;
  if (rear < run + a) {
    // The rear end of the longest layer lies under the crest A.
    set(1, 4, run + a, h);
    set(1, 5, run + a + bf, h + rise);
  } else if (rear < run + a + bf) {
    // Under the backslope B.
    set(1, 4, rear + 0.001, h + (rear - (run + a)) * rise / bf);
    set(1, 5, run + a + bf + 0.001, h + rise);
  } else {
    // Beyond the backslope.
    set(1, 4, rear + 0.001, h + rise);
    set(1, 5, rear + 10.0, h + rise);
  }

  set(2, 0, -c, -s);
  set(2, 1, 0.0, 0.0);
}

void OmbixExport::LoadTypeRecord(int typeIndex) {
  const int i = typeIndex >= 0 && typeIndex <= 3 ? typeIndex : 4;
  const ProjectInput& r = project_.runInput;
  typeRecord.ultimateStrength = types_.typeUltimateStrength[i] * units_.strength;
  typeRecord.rfInstallation = types_.typeRfInstallation[i];
  typeRecord.rfDurability = types_.typeRfDurability[i];
  typeRecord.rfCreep = types_.typeRfCreep[i];
  typeRecord.coverageRatio = r.coverageRatio;
  typeRecord.label = Format("type %d", i + 1);
  typeRecord.slidingCoefficient1 = std::min(r.slidingCoefficientReinforced, r.slidingCoefficientFoundation);
  typeRecord.slidingCoefficient2 = typeRecord.slidingCoefficient1;
  typeRecord.pulloutCoefficient = r.pulloutCoefficientReinforced;
  typeRecord.lastValue = 1.0;
}

std::vector<std::string> OmbixExport::FileLines() {
  const ProjectInput& in = project_.input;
  const ProjectInput& r = project_.runInput;
  const AnalysisResults& res = project_.results;
  const double L = units_.length;
  const double P = units_.pressure;
  const double W = units_.unitWeight;
  auto f3 = [](double v) { return FixedNumber(v, 10, 3); };
  auto f2 = [](double v) { return FixedNumber(v, 10, 2); };

  std::vector<std::string> lines;
  lines.push_back(std::string("1") + unitLetter_ + "    Number of Soils from Tervane");

  auto soil = [&](int points, double unitWeight, double phi, double cohesion, const char* name) {
    lines.push_back(Format("%d", points) + "    " + f3(unitWeight * W) + f3(phi) + f3(cohesion * P) + name);
  };
  soil(5, r.reinforcedUnitWeight, r.reinforcedPhi, r.reinforcedCohesion, "   Reinforced Soil");
  soil(6, r.backfillUnitWeight, r.backfillPhi, r.backfillCohesion, "   Retained Soil");
  soil(2, r.foundationUnitWeight, r.foundationPhi, r.foundationCohesion, "   Foundation Soil");

  const char* outlineNames[3] = {"  Reinforced Soil", "  BackFill Soil", "  Foundation Soil"};
  for (int row = 0; row < 3; ++row)
    for (int p = 0; p < outlinePointCount[row]; ++p)
      lines.push_back(f3(outlineX[row][p] * L) + f3(outlineY[row][p] * L) + (p == 0 ? outlineNames[row] : ""));

  const int count = res.LayerCount();
  lines.push_back(Format("%4d%4d", count, types_.typeCount) + "   1" + "  ReinfNum/Types/Material");
  for (int t = 0; t < types_.typeCount; ++t) {
    LoadTypeRecord(t);
    const TypeRecord& tr = typeRecord;
    lines.push_back(f2(tr.ultimateStrength) + f2(tr.rfInstallation) + f2(tr.rfDurability) + f2(tr.rfCreep) +
                    f2(tr.coverageRatio) + "  " + tr.label);
    lines.push_back(f2(tr.slidingCoefficient1) + f2(tr.slidingCoefficient2) + f2(tr.pulloutCoefficient) +
                    f2(tr.lastValue) + "  " + tr.label);
  }
  for (int k = 0; k < count; ++k) {
    const int type = r.runMode == 0 ? types_.layerType[k] : 1;
    lines.push_back(f2(res.resultLayerElevation[k] * L) + f2((res.layerRearX[k] - res.layerFrontX[k]) * L) +
                    Format("%10d%10d", type, 100) + f2(r.coverageRatio) +
                    (k == 0 ? "    Elevation, Length, Type, percent, Rc" : ""));
  }

  if (in.seismicKh > 0.0)
    lines.push_back("         0" + f3(in.seismicKh) + "  Yes Seismicity");
  else
    lines.push_back("         1" + f3(in.seismicKh) + "  NO Seismicity");

  const double x2 = outlineX[0][2] * L;
  const double x3 = outlineX[0][3] * L;
  const double x4 = outlineX[0][4] * L;
  lines.push_back(f3(in.surchargeQ3 * P) + f3(x4) + f3(x4 + 1000.0) + "  Q3-dead, X-start, X-end");
  lines.push_back(std::string(in.surchargeQ1 > 0.001 || in.surchargeQ2 > 0.001 ? "         1" : "         0") +
                  " Strip Load: 1=Yes, 0=NO");
  const double w1 = std::max(x3 - x2, 0.0001);
  lines.push_back(f3(w1) + f3(w1 / 2 + x2) + f3(in.surchargeQ1 * P * w1) + f3(in.surchargeQ1 * P));
  const double w2 = std::max(x4 - x3, 0.0001);
  lines.push_back(f3(w2) + f3(w2 / 2 + x3) + f3(in.surchargeQ2 * P * w2) + f3(in.surchargeQ2 * P));
  lines.push_back(f3(1.0 * L) + f3(1.0 * L + x4) + f3(0.0) + f3(0.0));
  lines.push_back(f3(in.rorValue) + "         1" + "  ROR, 0=Demo/1=Comprehensive");

  lines.push_back("1984");
  lines.push_back(OneLine(r.projectTitle));
  lines.push_back("1985");
  lines.push_back(OneLine(r.projectNumber));
  for (int i = 0; i < 3; ++i) lines.push_back(" ");
  lines.push_back(OneLine(r.projectDescription));
  lines.push_back("1986");
  lines.push_back(" 1      Toe number in array");
  lines.push_back("         5" + Format("%10d", in.waterMode) + "        1=No water 0=Water is present");
  lines.push_back(f3(outlineX[0][0] * L) + f3(outlineY[0][0] * L));
  lines.push_back("     0.000     0.000");
  lines.push_back(f3(in.phreaticX2 * L) + f3(in.phreaticY2 * L));
  lines.push_back(f3(in.phreaticX3 * L) + f3(in.phreaticY3 * L));
  lines.push_back(f3(in.phreaticX4 * L) + f3(in.phreaticY4 * L));
  return lines;
}

std::string ProposedOmbixFileName(const std::string& projectPath) {
  if (projectPath.empty() || projectPath == kNotSavedProjectPath) return std::string();
  const std::size_t slash = projectPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = projectPath.find_last_of('.');
  if (dot != std::string::npos && dot > nameStart) return projectPath.substr(0, dot) + ".OBX";
  return projectPath + ".OBX";
}

void ExportToOmbix(int unitSystem) {
  const ProjectData& project = Project();
  OmbixExport exporter(project, unitSystem);

  // A user-specified run with more layer types than Ombix takes is refused.
  if (project.runInput.runMode == 0 && exporter.Types().typeOverflow == 1) {
    CPolicingDlg message;
    message.messageText = kOmbixTooManyTypesText;
    message.errorNumberText = kOmbixTooManyTypesNumber;
    message.DoModal();
    return;
  }

  CBeforeOmbix notice;
  if (notice.DoModal() != fw::IDOK) return;

  fw::FileDialogOptions options;
  options.filters = {{"Type Files (*.OBX)", "*.OBX"}, {"All Files (*.*)", "*.*"}};
  options.defaultExtension = "OBX";
  options.proposedName = ProposedOmbixFileName(project.projectPath);
  options.askOverwrite = true;
  const std::optional<std::string> path = ChooseExportFile(options);
  if (!path) return;

  exporter.BuildExportOutline();
  WriteExportFile(*path, exporter.FileLines());
}

}  // namespace tervane
