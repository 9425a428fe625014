// The checks a run makes before it starts: the nine checks of the run in
// their order, their edge cases, and the range checks of the input dialogs
// for values that only a project file can bring.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "run/RunChecks.h"
#include "run/RunInputs.h"
#include "run/RunTervaneDlg.h"
#include "model/ProjectData.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "resources/DialogTemplates.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ProjectInput ValidInput() {
  ProjectInput in;
  in.designerName = "A. Engineer";
  return in;
}

std::optional<RunCheckFailure> Check(const ProjectInput& in, int runMode = 1, int symbolStyle = 0) {
  AppSettings settings;
  settings.symbolStyle = symbolStyle;
  return CheckRunInput(in, settings, runMode, FormEngineInputs(in, runMode));
}

class RunChecksTest : public ::testing::Test {
 protected:
  ScopedProject app;
  fw::HeadlessSession session;
  fw::ScopedFakeServices fakes;
};

// Starts from input that fails all nine checks and mends one thing at a time:
// each run reports the first check that still fails, with its message dialog,
// texts and number, and leaves only Cancel; nothing is changed.
TEST_F(RunChecksTest, NineChecksInTheirOrder) {
  ProjectInput& in = Project().input;
  in.designerName.clear();
  in.waterMode = 0;
  in.phreaticY2 = 7.0;  // above H = 6, and out of the slope
  in.interwedgeAngle = 46.0;
  in.backfillPhi = 46.0;
  in.reinforcedPhi = 46.0;
  in.foundationPhi = 46.0;
  in.seismicKh = 0.6;  // slides whatever the length

  struct Step {
    const char* dialog;
    std::string message;
    std::string message2;
    const char* number;
    std::function<void(ProjectInput&)> mend;
  };
  const std::string xl1 =
      "To resist direct sliding, the specified Kh will produce reinforcement length that approach infinity.  "
      "That is, the pseudo-static approach applies large horizontal 'inertia' to the reinforced mass.  The end "
      "result is 'reinforced mass' that will slide horizontally regardless of dimensions.";
  const std::string xl2 =
      "Return to the Kh dialog and drag the '?' to the desired location to realize limitations of Kh values in "
      "a pseudo-static analysis.";
  const std::vector<Step> steps = {
      {"IDD_POLICING", "\n Designer name must be input.", "", "Error No.1120",
       [](ProjectInput& p) { p.designerName = "A. Engineer"; }},
      {"IDD_POLICING", "\n The water table should not exceed the slope's surface.\nPlease correct.", "",
       "Error No.1143", [](ProjectInput& p) { p.phreaticY2 = 5.5; }},
      {"IDD_POLICING", "\n The water is out of the slope boundaries.\nPlease correct.", "", "Error No.1144",
       [](ProjectInput& p) { p.phreaticY2 = 1.0; }},
      {"IDD_POLICING", "\n Delta should not be greater than 45 °.", "", "Error No.1151",
       [](ProjectInput& p) { p.interwedgeAngle = 30.0; }},
      {"IDD_POLICING", "\n Phi of backfill soil should not be greater than 45 °.", "", "Error No.1151",
       [](ProjectInput& p) { p.backfillPhi = 0.0; }},
      {"IDD_POLICING", "\n Phi of reinforced soil should not be greater than 45 °.", "", "Error No.1151",
       [](ProjectInput& p) { p.reinforcedPhi = 0.0001; }},
      {"IDD_POLICING", "\n Phi of foundation soil should not be greater than 45 °.", "", "Error No.1151",
       [](ProjectInput& p) { p.foundationPhi = 0.0; }},
      {"IDD_POLICING", "\n Phi of cohesion of reinforced soil should not equal zero simulaneously.", "",
       "Error No.1154", [](ProjectInput& p) { p.reinforcedPhi = 34.0; }},
      {"IDD_POLICING", "\n Phi of cohesion of backfill soil should not equal zero simulaneously.", "",
       "Error No.1155", [](ProjectInput& p) { p.backfillPhi = 34.0; }},
      {"IDD_POLICING", "\n Phi of cohesion of foundation soil should not equal zero simulaneously.", "",
       "Error No.1156", [](ProjectInput& p) { p.foundationPhi = 34.0; }},
      {"IDD_POLICING2", "", "", "Error No.1161", [](ProjectInput& p) { p.interwedgeAngle = 20.0; }},
      {"IDD_POLICING_XL", xl1, xl2, "Error No.1172", [](ProjectInput& p) { p.seismicKh = 0.0; }},
  };

  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(step.number + std::string(" ") + step.message);
    const ProjectData before = Project();
    const std::size_t first = session.Records().size();
    session.Queue(Script().Click(IDOK).Answer(Script().Enter()).Click(IDCANCEL));
    CRunTervaneDlg dlg;
    dlg.runMode = 1;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(session.Records().size(), first + 2);
    const fw::DialogRecord& run = session.Records()[first];
    const fw::DialogRecord& message = session.Records()[first + 1];
    EXPECT_EQ(message.templateName, step.dialog);
    EXPECT_EQ(message.depth, 1);
    EXPECT_EQ(message.Text(kErrorNumberTextId), step.number);
    if (message.Control(kMessageTextId) != nullptr) {
      EXPECT_EQ(message.Text(kMessageTextId), step.message);
    }
    if (message.Control(kMessageText2Id) != nullptr) {
      EXPECT_EQ(message.Text(kMessageText2Id), step.message2);
    }
    EXPECT_FALSE(run.Visible(IDOK));
    EXPECT_TRUE(run.Visible(IDCANCEL));
    EXPECT_TRUE(run.scriptErrors.empty());
    EXPECT_TRUE(Project() == before);
    step.mend(Project().input);
  }

  // Everything mended: the run goes.
  session.Queue(Script().Click(IDOK).RunTimers(60000));
  CRunTervaneDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Edge cases of the nine checks: the number of the first failing check, or 0
// when the input passes.
TEST(RunCheckRules, EdgeCases) {
  struct Case {
    const char* what;
    std::function<void(ProjectInput&)> change;
    int runMode;
    int number;
  };
  const auto number = [](const std::optional<RunCheckFailure>& f) {
    if (!f) return 0;
    return std::stoi(f->errorNumberText.substr(std::string("Error No.").size()));
  };
  const std::vector<Case> cases = {
      {"phreatic points above H without a phreatic surface",
       [](ProjectInput& p) { p.waterMode = 2; p.phreaticY2 = 10.0; }, 1, 0},
      {"the same with a pore-water coefficient",
       [](ProjectInput& p) { p.waterMode = 1; p.phreaticY3 = 10.0; }, 1, 0},
      {"a point exactly at H passes the water-table check",
       [](ProjectInput& p) { p.waterMode = 0; p.phreaticX4 = 10.0; p.phreaticY4 = 6.0; }, 1, 0},
      // 95 degrees is taken as 89.99999 by the water check, so the geometry's
      // own limit reports it.
      {"a face steeper than vertical in the water check",
       [](ProjectInput& p) { p.waterMode = 0; p.slopeAngle = 95.0; }, 1, 1133},
      {"phi 0.0001 without cohesion", [](ProjectInput& p) { p.reinforcedPhi = 0.0001; }, 1, 1154},
      // Passes check 5 and fails the interwedge check after it.
      {"phi 0 with cohesion 0.0001",
       [](ProjectInput& p) { p.reinforcedPhi = 0.0; p.reinforcedCohesion = 0.0001; }, 1, 1161},
      {"delta 46 with phi 50", [](ProjectInput& p) { p.interwedgeAngle = 46.0; p.reinforcedPhi = 50.0; }, 1, 1151},
      {"delta at the design friction angle passes",
       [](ProjectInput& p) { p.interwedgeAngle = 27.0; }, 1, 0},
      {"Kh just resisted", [](ProjectInput& p) { p.seismicKh = 0.5; }, 1, 0},
      {"Kh not resisted", [](ProjectInput& p) { p.seismicKh = 0.52; }, 1, 1172},
      {"half of Kh is resisted", [](ProjectInput& p) { p.seismicKh = 0.8; p.khHalved = 1; }, 1, 0},
      {"Kh not on the reinforced mass", [](ProjectInput& p) { p.seismicKh = 0.6; p.seismicOnReinforcedMass = 0; }, 1, 0},
      // On the foundation the sliding coefficient counts only when the lowest
      // layer lies at the base.
      {"bottom layer at the base, Cds of the foundation 0.5",
       [](ProjectInput& p) { p.seismicKh = 0.3; p.slidingCoefficientFoundation = 0.5; }, 1, 1172},
      {"bottom layer above the base",
       [](ProjectInput& p) { p.seismicKh = 0.3; p.slidingCoefficientFoundation = 0.5; p.bottomLayerHeight = 0.2; }, 1, 0},
      {"lowest user layer above the base",
       [](ProjectInput& p) {
         p.seismicKh = 0.3; p.slidingCoefficientFoundation = 0.5; p.bottomLayerHeight = 0.0;
         p.layerCount = 1; p.layerElevation[0] = 0.2;
       }, 0, 0},
      {"lowest user layer at the base",
       [](ProjectInput& p) {
         p.seismicKh = 0.3; p.slidingCoefficientFoundation = 0.5; p.bottomLayerHeight = 0.2;
         p.layerCount = 1; p.layerElevation[0] = 0.0;
       }, 0, 1172},
  };
  for (const Case& c : cases) {
    ProjectInput in = ValidInput();
    c.change(in);
    EXPECT_EQ(number(Check(in, c.runMode)), c.number) << c.what;
  }
}

// The tolerances of check 3 (y / (x + 0.00001) against the face) and of
// check 9 (Kh + 0.001 against the resistance to sliding), each just inside
// and just outside: without them, or with other ones, a case flips.
TEST(RunCheckRules, TheTolerancesOfTheWaterAndKhChecks) {
  const auto number = [](const ProjectInput& in) {
    const std::optional<RunCheckFailure> f = Check(in, 1);
    return f ? f->errorNumberText : std::string();
  };
  // The face at 45 degrees; the point (1, y) lies on it for y = 1. Delta
  // fails check 4, so a point that passes check 3 is reported by check 4 (and
  // not by the water dialog's own test of the same point, further on).
  for (const auto& [y, expected] : {std::pair{1.000005, "Error No.1151"}, std::pair{1.000015, "Error No.1144"}}) {
    ProjectInput in = ValidInput();
    in.interwedgeAngle = 46.0;
    in.waterMode = 0;
    in.phreaticX2 = 1.0;
    in.phreaticY2 = y;
    EXPECT_EQ(number(in), expected) << y;
  }
  // On the foundation, with the bottom layer at the base and no cohesion:
  // Kh + 0.001 against tan(design phi) x Cds = 1.
  ProjectInput base = ValidInput();
  const double resistance = std::tan(FormEngineInputs(base, 1).foundationDesignPhi);
  for (const auto& [kh, expected] :
       {std::pair{resistance - 0.001 - 1e-5, ""}, std::pair{resistance - 0.001 + 1e-5, "Error No.1172"}}) {
    ProjectInput in = base;
    in.seismicKh = kh;
    const std::optional<RunCheckFailure> f = Check(in, 1);
    EXPECT_EQ(f ? f->errorNumberText : std::string(), expected) << kh;
    if (f) {
      EXPECT_EQ(f->dialog, RunCheckFailure::Dialog::kPolicingXl);
    }
  }
}

// Values that no input dialog stores but a project file may hold are refused
// with the check of the dialog whose data they are.
TEST(RunCheckRanges, RefusesWhatTheDialogsWouldRefuse) {
  struct Case {
    const char* what;
    std::function<void(ProjectInput&)> change;
    int runMode;
    std::string message;
    const char* number;
    int symbolStyle = 0;
  };
  const auto layers = [](ProjectInput& p, int n) {
    p.layerCount = n;
    for (int i = 0; i < n; ++i) p.layerElevation[i] = 0.5 * i;
  };
  const std::vector<Case> cases = {
      {"slope height not a number", [](ProjectInput& p) { p.slopeHeight = kNaN; }, 1,
       "Height of slope should not be less than  1.0 meter.", "Error No.1130"},
      {"slope height in feet", [](ProjectInput& p) { p.unitSystem = 1; p.slopeHeight = 0.9; }, 1,
       "Height of slope should not be less than  3.0 feet.", "Error No.1130"},
      {"slope height above 30 m", [](ProjectInput& p) { p.slopeHeight = 31.0; }, 1,
       "Height of slope should not exceed  30 meter.", "Error No.1131"},
      {"slope angle below 10, Asian Pacific symbols", [](ProjectInput& p) { p.slopeAngle = 5.0; }, 1,
       "Inclination of slope should not be less than 10 deg.", "Error No.1132", 1},
      {"crest length A infinite", [](ProjectInput& p) { p.crestLengthA = HUGE_VAL; }, 1,
       "Horizontal length, A, should not be negative.", "Error No.1134"},
      {"negative crest length B", [](ProjectInput& p) { p.crestLengthB = -1.0; }, 1,
       "Horizontal length, B, should not be negative.", "Error No.1134"},
      {"backslope steeper than vertical", [](ProjectInput& p) { p.backslopeAngle = 91.0; }, 1,
       "Backslope should not exceed 90°.", "Error No.1136"},
      {"negative surcharge", [](ProjectInput& p) { p.surchargeQ3 = -5.0; }, 1, "Load should not be negative.",
       "Error No.1137"},
      {"pore-water coefficient too large", [](ProjectInput& p) { p.waterMode = 1; p.poreWaterCoefficient = 0.6; }, 1,
       "Ru should not be negative nor greater than 0.49 .", "Error No.1140"},
      {"phreatic points out of order", [](ProjectInput& p) { p.waterMode = 0; p.phreaticX3 = 4.0; }, 1,
       "'X' is smaller than the previous one.\nPlease correct.", "Error No.1141"},
      {"negative cohesion", [](ProjectInput& p) { p.foundationCohesion = -1.0; }, 1,
       "Cohesion should not be negative.", "Error No.1152"},
      {"unit weight 0", [](ProjectInput& p) { p.backfillUnitWeight = 0.0; }, 1,
       "Unit weight should be greater than zero.", "Error No.1153"},
      {"pullout coefficient 0", [](ProjectInput& p) { p.pulloutCoefficientReinforced = 0.0; }, 1,
       "Value should not be negative nor zero.", "Error No.1162"},
      {"pullout coefficient above 1", [](ProjectInput& p) { p.pulloutCoefficientFoundation = 1.2; }, 1,
       "Value should not exceed 1.0.", "Error No.1163"},
      {"Kv beyond 0.3", [](ProjectInput& p) { p.seismicKv = -0.31; }, 1,
       "Absolute value of Kv should not not exceed 0.3 .", "Error No.1171"},
      {"target factor below 1", [](ProjectInput& p) { p.targetFsDeepSeated = 0.0; }, 1,
       "Factor of safety could be smaller than 1.0.\nPlease correct.", "Error No.1181"},
      {"ultimate strength 0", [](ProjectInput& p) { p.ultimateStrength = 0.0; }, 1,
       "Geosynthetic strength should not be negative nor zero.", "Error No.1190"},
      {"Dmax at the slope height", [](ProjectInput& p) { p.maxSpacing = 6.0; }, 1,
       "(Slope's height is 6.00 m.)\n\nDmax should be smaller than slope's height.", "Error No.1192"},
      {"Dmin 0", [](ProjectInput& p) { p.minSpacing = 0.0; }, 1, "Dmin should not be smaller than 0.15 m.",
       "Error No.1193"},
      {"Dbottom at Dmin", [](ProjectInput& p) { p.bottomLayerHeight = 0.3; }, 1,
       "Dbottom should be smaller than Dmin.", "Error No.1196"},
      {"creep factor below 1", [](ProjectInput& p) { p.rfCreep = 0.9; }, 1,
       "Reduction factor for creep should not be less than 1.0 .", "Error No.1200"},
      {"coverage ratio 0", [](ProjectInput& p) { p.coverageRatio = 0.0; }, 0,
       "Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 .", "Error No.1201"},
      {"AOR of 20 degrees", [](ProjectInput& p) { p.orientationMode = 0; p.aorAngle = 20.0; }, 1,
       "Inclination angle should be between -15° and +15°", "Error No.1205"},
      {"ROR of 2", [](ProjectInput& p) { p.rorValue = 2.0; }, 1, "Value of ROR should be between 0.0 and 1.0",
       "Error No.1206"},
      {"soil factor 0", [](ProjectInput& p) { p.fsSoilStrength = 0.0; }, 1, "Fs should not be smaller than 1.0 .",
       "Error No.1210"},
      {"user layer at the slope height",
       [&](ProjectInput& p) { layers(p, 3); p.layerElevation[2] = 6.0; }, 0,
       "Geosynthetic elevation should not be equal or greater than the height of slope.\n(see layer #3 )",
       "Error No.1137"},
      {"user layer strength 0", [&](ProjectInput& p) { layers(p, 3); p.layerUltimateStrength[1] = 0.0; }, 0,
       "Geosynthetic strength should not be negative nor zero.\n(see layer #2 )", "Error No.1190"},
      {"user layer durability factor below 1",
       [&](ProjectInput& p) { layers(p, 2); p.layerRfDurability[0] = 0.5; }, 0,
       "Reduction factor for durability should not be less than 1.0 .\n(see layer #1 )", "Error No.1200"},
      {"user layers out of order", [&](ProjectInput& p) { layers(p, 3); p.layerElevation[2] = 0.2; }, 0,
       "Layer's elevations were not filled in.\n(see layer #3 )", "Error No.1191"},
  };
  for (const Case& c : cases) {
    ProjectInput in = ValidInput();
    c.change(in);
    const std::optional<RunCheckFailure> f = Check(in, c.runMode, c.symbolStyle);
    ASSERT_TRUE(f.has_value()) << c.what;
    EXPECT_EQ(f->dialog, RunCheckFailure::Dialog::kPolicing) << c.what;
    EXPECT_EQ(f->messageText, "\n " + c.message) << c.what;
    EXPECT_EQ(f->errorNumberText, c.number) << c.what;
  }

  // What the other kind of run does not use is not checked: the geosynthetic
  // data of an optimised run (Dmax may stand above a height lowered since),
  // the layer table of a user-specified run, the orientation value of the
  // other mode.
  ProjectInput user = ValidInput();
  user.ultimateStrength = 0.0;
  user.minSpacing = 0.0;
  user.maxSpacing = 7.0;
  EXPECT_FALSE(Check(user, 0).has_value());
  ProjectInput optimised = ValidInput();
  optimised.layerCount = 2;
  optimised.layerUltimateStrength[1] = 0.0;
  EXPECT_FALSE(Check(optimised, 1).has_value());
  ProjectInput ror = ValidInput();
  ror.aorAngle = 40.0;
  EXPECT_FALSE(Check(ror, 1).has_value());
}

// Through the dialog: a coverage ratio of 0 from a file stops a user-specified
// run with the geosynthetic-parameters dialog's check, and the run mode of the
// input stays that of the last run.
TEST_F(RunChecksTest, RangeCheckStopsTheRun) {
  Project().input.designerName = "A. Engineer";
  Project().input.coverageRatio = 0.0;
  Project().input.runMode = 1;
  const ProjectData before = Project();
  session.Queue(Script().Click(IDOK).Answer(Script().Enter()).Click(IDCANCEL));
  CRunTervaneDlg dlg;
  dlg.runMode = 0;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(Project().input.runMode, 1);
  const fw::DialogRecord* message = session.Find("IDD_POLICING");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->Text(kErrorNumberTextId), "Error No.1201");
  EXPECT_TRUE(Project() == before);
}

}  // namespace
}  // namespace tervane
