#pragma once
// Fixture runs of the results drawings: the engine run on small projects as
// the run stores them (DxfTestSupport.h), and the client size at which the
// drawing logs are pinned.

#include "DxfTestSupport.h"
#include "model/ProjectData.h"
#include "framework/DeviceContext.h"

namespace tervane::drawtest {

// The client size of the pinned drawing logs: with the default geometry the
// scale is 400 / 6 x 0.25 = 16.6667 pixels per metre and the toe stands at
// (150, 220).
inline constexpr fw::Size kFixtureClient{600, 400};

// An optimised run of the default slope in SI units: a phreatic surface,
// three surcharges, ground falling away in front of the toe.
inline void OptimisedRun(ProjectData& data) {
  dxftest::SetUpSiFixture(data.input);
  data.input.runMode = 1;
  dxftest::RunProject(data);
}

// A user-specified run of six layers, the top one far too weak for what it
// must carry: it is overstressed.
inline void UserRunWithOverstressedLayer(ProjectData& data) {
  ProjectInput& in = data.input;
  in.runMode = 0;
  in.surchargeQ1 = 10.0;
  in.layerCount = 6;
  for (int k = 0; k < 6; ++k) {
    in.layerElevation[k] = 0.5 + k;
    in.layerUltimateStrength[k] = k == 5 ? 2.0 : 100.0;
    in.layerRfInstallation[k] = 1.2;
    in.layerRfDurability[k] = 1.1;
    in.layerRfCreep[k] = 2.5;
  }
  dxftest::RunProject(data);
}

}  // namespace tervane::drawtest
