#pragma once
// The export for the sibling program Ombix: a fixed-layout text file (".OBX")
// of the three soils with their outlines, the layers of the last run with
// their geosynthetic types, seismicity, surcharges, the force orientation, the
// project texts and the water line. Before the file is chosen, the notice
// CBeforeOmbix tells the user what is not transferred.
//
// The results menu calls ExportToOmbix from its "Export to Ombix" button.

#include <array>
#include <string>
#include <vector>

#include "model/ProjectData.h"
#include "framework/Dialog.h"
#include "results/ExportFiles.h"

namespace tervane {

// The notice IDD_BEFORE_OMBIX; OK lets the export go on.
class CBeforeOmbix : public fw::Dialog {
 public:
  CBeforeOmbix();

 protected:
  bool OnInitDialog() override;
};

// The geosynthetic types of the layers of the last run: after an optimised
// run the one geosynthetic of the run; after a user-specified run the layers
// of the run grouped as the layer table groups them (a layer joins the first
// type whose long-term strength is within 0.01 kN/m of its own; more than
// kMaxGeosyntheticTypes types set typeOverflow and a type count of 6).
GeosyntheticTypeTable RunGeosyntheticTypes(const ProjectInput& runInput, const AnalysisResults& results);

// The working values of one export, in SI units unless a field says otherwise.
class OmbixExport {
 public:
  // unitSystem: the results menu's copy of the unit choice of `input`.
  OmbixExport(const ProjectData& project, int unitSystem);

  // The soil outlines from runInput and results (row 0 reinforced, 1 retained,
  // 2 foundation soil), in m.
  std::array<std::array<double, 20>, 3> outlineX{};
  std::array<std::array<double, 20>, 3> outlineY{};
  std::array<int, 3> outlinePointCount{};
  void BuildExportOutline();

  // One geosynthetic type as the file writes it (strength in display units).
  struct TypeRecord {
    double ultimateStrength = 0.0;
    double rfInstallation = 0.0;
    double rfDurability = 0.0;
    double rfCreep = 0.0;
    double coverageRatio = 0.0;
    std::string label;
    double slidingCoefficient1 = 0.0;
    double slidingCoefficient2 = 0.0;
    double pulloutCoefficient = 0.0;
    double lastValue = 1.0;
  };
  TypeRecord typeRecord;
  // Fills typeRecord for type index 0 to 3; any other index takes index 4,
  // labelled "type 5".
  void LoadTypeRecord(int typeIndex);

  // Every line of the file, without line ends (BuildExportOutline runs first).
  std::vector<std::string> FileLines();

  const GeosyntheticTypeTable& Types() const { return types_; }

 private:
  const ProjectData& project_;
  GeosyntheticTypeTable types_;
  DisplayUnitFactors units_;
  char unitLetter_ = 'S';
};

// The message of the refused export (more than five types in a user-specified
// run) and its number line.
inline constexpr const char* kOmbixTooManyTypesText =
    "\n There are more than 5 types of reinforcement assigned in the manual run.\nOmbix cannot accept this file.";
inline constexpr const char* kOmbixTooManyTypesNumber = "Error No.9900";

// The file name proposed for the export of the open project: its path with
// ".OBX" in place of its extension; empty for a project never saved.
std::string ProposedOmbixFileName(const std::string& projectPath);

// The export, as the results menu's button runs it: the refusal of a run with
// too many types, the notice, the file choice and the file. `unitSystem` is
// the results menu's copy of the unit choice of `input`.
void ExportToOmbix(int unitSystem);

}  // namespace tervane
