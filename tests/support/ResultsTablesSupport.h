#pragma once
// The fixture runs of the results-table tests (layer tables of 3, 35 and 100
// layers, a small optimised run, a run whose loop raised the factor on direct
// sliding, a run that needed no reinforcement) and what the tests read back
// from a results sheet: its cells row by row, and what a table should show by
// the formulas of its columns.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/RunFixture.h"
#include "model/ProjectData.h"
#include "framework/Spreadsheet.h"
#include "framework/Text.h"
#include "support/Commands.h"

namespace tervane::testing {

// A user-specified table of n layers from the toe up to `top`, every fourth
// one of the weaker geosynthetic.
inline void SetUniformLayers(ProjectInput& in, int n, double top, double strong, double weak) {
  in.layerCount = n;
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    in.layerElevation[k] = n == 1 ? 0.0 : top * i / (n - 1);
    in.layerUltimateStrength[k] = i % 4 == 3 ? weak : strong;
    in.layerRfInstallation[k] = 1.2;
    in.layerRfDurability[k] = 1.1;
    in.layerRfCreep[k] = 2.5;
  }
}

enum class Fixture {
  kThreeLayers,     // three layers, each with its own geosynthetic; the lowest overstressed
  kThirtyFive,      // 35 layers, three of them overstressed
  kHundred,         // 100 layers, the most a table holds
  kOptimised,       // the default project, optimised: 7 layers
  kRaisedSliding,   // optimised, with a deep-seated target that took 7 engine calls
  kNoReinforcement, // a gentle slope of strong soil: no length needed, target never met
};

inline void MakeFixtureRun(ProjectData& d, Fixture fixture) {
  ProjectInput& in = d.input;
  switch (fixture) {
    case Fixture::kThreeLayers: {
      const double elevation[] = {0.0, 2.0, 4.0};
      const double strength[] = {60.0, 45.0, 30.0};
      const double rf[3][3] = {{1.2, 1.1, 2.5}, {1.1, 1.05, 2.0}, {1.3, 1.2, 3.0}};
      in.layerCount = 3;
      for (std::size_t i = 0; i < 3; ++i) {
        in.layerElevation[i] = elevation[i];
        in.layerUltimateStrength[i] = strength[i];
        in.layerRfInstallation[i] = rf[i][0];
        in.layerRfDurability[i] = rf[i][1];
        in.layerRfCreep[i] = rf[i][2];
      }
      RunProject(d, 0);
      break;
    }
    case Fixture::kThirtyFive:
      SetUniformLayers(in, 35, 5.1, 60.0, 5.0);
      RunProject(d, 0);
      break;
    case Fixture::kHundred:
      SetUniformLayers(in, 100, 5.94, 40.0, 1.5);
      RunProject(d, 0);
      break;
    case Fixture::kOptimised:
      RunProject(d, 1);
      break;
    case Fixture::kRaisedSliding:
      SetFixtureProject(d, in.unitSystem);
      in.targetFsDeepSeated = 1.25;
      RunProject(d, 1);
      break;
    case Fixture::kNoReinforcement:
      in.slopeAngle = 30.0;
      in.reinforcedCohesion = in.backfillCohesion = in.foundationCohesion = 50.0;
      in.targetFsDeepSeated = 50.0;
      RunProject(d, 1);
      break;
  }
}

// The cells of a data row as the sheet shows them, "|" between them; a cell
// with a fore colour of its own is marked "red:" or "black:", a check-box cell
// "tick:".
inline std::string SheetRow(const fw::Spreadsheet& sheet, int row) {
  std::string line;
  for (int c = 1; c <= sheet.ColumnCount(); ++c) {
    if (c > 1) line += "|";
    const fw::SheetCell* cell = sheet.Cell(c, row);
    if (cell == nullptr) continue;
    if (cell->foreColor) line += *cell->foreColor == fw::RGB(255, 0, 0) ? "red:" : *cell->foreColor == fw::kBlack ? "black:" : "colour:";
    if (cell->type == fw::kCellTypeCheckBox) line += "tick:";
    line += cell->text;
  }
  return line;
}

inline std::vector<std::string> SheetRows(const fw::Spreadsheet& sheet) {
  std::vector<std::string> rows;
  for (int r = 1; r <= sheet.RowCount(); ++r) rows.push_back(SheetRow(sheet, r));
  return rows;
}

// What the summary table shows for layer i by the formulas of its columns,
// in the units of the run.
inline std::string ExpectedSummaryRow(const ProjectData& d, int i) {
  const ProjectInput& run = d.runInput;
  const AnalysisResults& r = d.results;
  const auto k = static_cast<std::size_t>(i);
  const double fL = run.unitSystem == 1 ? 3.28084 : 1.0;
  const double fS = run.unitSystem == 1 ? 68.519 : 1.0;
  const bool tieback = r.controllingMode[k] == 1;
  const double tr = fS * (tieback ? r.tiebackTr[k] : r.availableCompoundStrength[k]);
  const double ult = run.layerUltimateStrength[k] * fS;
  const double product = run.runMode == 1 ? (run.rfInstallation * run.rfDurability) * run.rfCreep
                                          : (run.layerRfInstallation[k] * run.layerRfDurability[k]) * run.layerRfCreep[k];
  const double ltds = ult / product;
  const double fs = ltds / tr;
  const bool fails = fs < run.fsGeosyntheticStrength - 0.001;
  auto f = [](double v) { return Format("%.2f", v); };
  return f(r.resultLayerElevation[k] * fL) + "|" + f((r.layerRearX[k] - r.layerFrontX[k]) * fL) + "|" +
         (tieback ? "Tieback" : "Compound") + "|" + f(tr) + "|" +
         f(tr * run.layerRfInstallation[k] * run.layerRfDurability[k] * run.layerRfCreep[k] *
           run.fsGeosyntheticStrength) +
         "|" + f(ult) + "|" + f(ltds) + "|" + (fails ? "red:" : "black:") + (tieback ? "  " : "> ") + f(fs) +
         "|tick:" + (fails ? "0" : "1");
}

// The same for the detailed table.
inline std::string ExpectedDetailedRow(const ProjectData& d, int i) {
  const AnalysisResults& r = d.results;
  const auto k = static_cast<std::size_t>(i);
  const double fL = d.runInput.unitSystem == 1 ? 3.28084 : 1.0;
  const double fS = d.runInput.unitSystem == 1 ? 68.519 : 1.0;
  auto f = [](double v) { return Format("%.2f", v); };
  return f(r.resultLayerElevation[k] * fL) + "|" + f(r.embeddedLength[k] * fL + r.lengthToSlipSurface[k] * fL) +
         "|" + f(r.embeddedLength[k] * fL) + "|" + f(r.lengthToSlipSurface[k] * fL) + "|" +
         f(r.availableCompoundStrength[k] * fS) + "|" + f(r.requiredTiebackStrength[k] * fS) + "|" +
         (r.controllingMode[k] == 1 ? "Tieback" : "Compound");
}

using testsupport::PythonWithOpenpyxl;

// What a program prints, standard error included.
inline std::string CommandOutput(const std::string& command) { return testsupport::RunAndRead(command + " 2>&1"); }

}  // namespace tervane::testing
