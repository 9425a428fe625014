#pragma once
// Project data of a run for the tests of the results: the engine run on
// `input` the way the run dialog drives it (see support/EngineRun.h), and the
// fixture projects of the golden files.

#include <gtest/gtest.h>

#include <string>

#include "model/ProjectData.h"
#include "support/EngineRun.h"
#include "support/GoldenFile.h"

namespace tervane::testing {

// Runs the project's input in the given mode and stores the run as the run
// dialog does. Fails the test when the loop does not reach the target.
using testsupport::RunProject;

// The project of the golden files: a 6 m slope with surcharges, a phreatic
// surface and seismicity; project texts with a line break and the special
// characters of the files' code page.
inline void SetFixtureProject(ProjectData& d, int unitSystem) {
  ProjectInput& in = d.input;
  in.unitSystem = unitSystem;
  in.projectTitle = "Access road embankment, km 2.4";
  in.projectNumber = "P-2009/17";
  in.designerName = "Slope design office";
  in.projectDescription =
      "Reinforced slope beside the new access road, face at 45\u00b0;\r\nfill of 20 kN/m\u00b3 in 0.3 m lifts";
  in.projectDate = "5 March 2009";
  in.surchargeQ1 = 10.0;
  in.surchargeQ2 = 5.0;
  in.surchargeQ3 = 2.5;
  in.waterMode = 0;
  in.seismicKh = 0.1;
  in.seismicKv = 0.05;
  in.coverageRatio = 0.8;
  in.rorValue = 0.5;
  in.currencyUnit = "\u20ac";
  d.projectPath = "/projects/Access road.NAT";
}

// The layer table of the user-specified fixture: two geosynthetics, the
// weaker one in the upper half.
inline void SetFixtureLayers(ProjectInput& in) {
  const double elevations[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0};
  const double strengths[] = {120.0, 120.0, 120.0, 80.0, 80.0, 80.0};
  in.layerCount = 6;
  for (int i = 0; i < 6; ++i) {
    in.layerElevation[i] = elevations[i];
    in.layerUltimateStrength[i] = strengths[i];
    in.layerRfInstallation[i] = 1.2;
    in.layerRfDurability[i] = 1.1;
    in.layerRfCreep[i] = 2.5;
  }
}

inline std::string ReadBytes(const std::string& path) { return fw::golden::ReadFile(path); }

}  // namespace tervane::testing
