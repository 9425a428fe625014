// The run refuses stored input with the input dialogs' own check tables: the
// same stored value that a dialog refuses at OK stops the run, with the same
// number (and, where the run has no check of its own before it, the same
// text); and a stored number that is not finite never reaches the engine.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "run/RunChecks.h"
#include "run/RunInputs.h"
#include "model/ProjectData.h"
#include "framework/Document.h"
#include "framework/testing/FakeServices.h"
#include "framework/testing/HeadlessBackend.h"
#include "input/DialogFields.h"
#include "input/ModifyGeneralDlg.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ModifyWaterDlg.h"
#include "input/ReinforcementDlgs.h"
#include "input/SeismicAndFoundationDlgs.h"
#include "input/SoilAndDesignDlgs.h"
#include "resources/DialogTemplates.h"
#include "support/TempDir.h"

namespace tervane {
namespace {

using fw::Script;

std::unique_ptr<CInputDialog> MakeDialog(const input::DialogFields& fields) {
  const std::string name = fields.templateName;
  if (name == "IDD_MODIFY_GENERAL") return std::make_unique<CModifyGeneralDlg>();
  if (name == "IDD_MODIFY_GEOMETRY") return std::make_unique<CModifyGeometryDlg>();
  if (name == "IDD_MODIFY_WATER") return std::make_unique<CModifyWaterDlg>();
  if (name == "IDD_MODIFY_SOIL") return std::make_unique<CModifySoilDlg>();
  if (name == "IDD_MODIFY_DESIGN_PARAM") return std::make_unique<CModifyDesignParamDlg>();
  if (name == "IDD_MODIFY_SEISMIC_PARAM") return std::make_unique<CModifySeismicParamDlg>();
  if (name == "IDD_MODIFY_FOUNDATION") return std::make_unique<CModifyFoundationDlg>();
  if (name == "IDD_MODIFY_GEOSYN_DATA") return std::make_unique<CModifyGeosynDataDlg>();
  if (name == "IDD_MODIFY_GEOSYN_FS") return std::make_unique<CModifyGeosynFsDlg>();
  if (name == "IDD_MODIFY_INCLINATION") return std::make_unique<CModifyInclinationDlg>();
  if (name == "IDD_MODIFY_GENERAL_FS") return std::make_unique<CModifyGeneralFsDlg>();
  return nullptr;
}

ProjectInput ValidInput() {
  ProjectInput in;
  in.designerName = "A. Engineer";
  return in;
}

class RunStoredInputTest : public ::testing::Test {
 protected:
  RunStoredInputTest() : active_(&document_) { Project().dataDirectory = dir_.Path().string(); }

  // What the dialog of `fields` shows when OK is pressed on `stored` as it
  // stands: the template, number and message of the dialog it opens.
  struct Shown {
    std::string nested;
    std::string number;
    std::string message;
  };
  Shown DialogOk(const input::DialogFields& fields, const ProjectInput& stored) {
    Project().input = stored;
    std::unique_ptr<CInputDialog> dialog = MakeDialog(fields);
    EXPECT_NE(dialog, nullptr) << fields.templateName;
    if (dialog == nullptr) return {};
    const std::size_t first = session_.Records().size();
    session_.Queue(Script().Click(fw::IDOK).Answer(Script().Enter()).Escape());
    dialog->DoModal();
    Shown shown;
    const auto& records = session_.Records();
    for (std::size_t i = first; i < records.size(); ++i) {
      if (records[i].depth != 1) continue;
      shown.nested = records[i].templateName;
      shown.number = records[i].Text(kErrorNumberTextId);
      shown.message = records[i].Text(kMessageTextId);
      break;
    }
    return shown;
  }

  ScopedProject app_;
  testsupport::TempDir dir_{"stored_checks"};
  fw::Document document_;
  fw::ScopedActiveDocument active_;
  fw::HeadlessSession session_;
  fw::ScopedFakeServices fakes_;
};

std::optional<RunCheckFailure> RunCheck(const ProjectInput& in, int runMode, int symbolStyle = 0) {
  AppSettings settings;
  settings.symbolStyle = symbolStyle;
  return CheckRunInput(in, settings, runMode, FormEngineInputs(in, runMode));
}

// Every blocking check of every input dialog (the setup dialog checks only
// the report language, a setting): a stored value that fails it is refused by
// the dialog at OK and by the run. `runOwn` marks the checks that one of the
// run's nine checks makes before the dialog tables, with a text of its own.
TEST_F(RunStoredInputTest, EveryCheckOfEveryDialogRefusesTheSameStoredValueInTheRun) {
  struct Case {
    const char* what;
    const input::DialogFields& fields;
    std::function<void(ProjectInput&)> change;
    int number;
    bool runOwn = false;
    int runMode = 1;
    int runNumber = 0;  // the run's own check, when its number differs
  };
  const std::vector<Case> cases = {
      {"no designer", input::GeneralFields(), [](ProjectInput& p) { p.designerName.clear(); }, 1120, true},
      {"H below 1 m", input::GeometryFields(), [](ProjectInput& p) { p.slopeHeight = 0.5; }, 1130},
      {"H below 3 ft", input::GeometryFields(), [](ProjectInput& p) { p.unitSystem = 1; p.slopeHeight = 0.9; }, 1130},
      {"H above 30 m", input::GeometryFields(), [](ProjectInput& p) { p.slopeHeight = 31.0; }, 1131},
      {"i below 10", input::GeometryFields(), [](ProjectInput& p) { p.slopeAngle = 5.0; }, 1132},
      {"i above 90", input::GeometryFields(), [](ProjectInput& p) { p.slopeAngle = 95.0; }, 1133},
      {"A negative", input::GeometryFields(), [](ProjectInput& p) { p.crestLengthA = -1.0; }, 1134},
      {"backslope negative", input::GeometryFields(), [](ProjectInput& p) { p.backslopeAngle = -1.0; }, 1135},
      {"backslope of 90", input::GeometryFields(), [](ProjectInput& p) { p.backslopeAngle = 90.0; }, 1136},
      {"backslope above 90", input::GeometryFields(), [](ProjectInput& p) { p.backslopeAngle = 120.0; }, 1136},
      {"Q2 negative", input::GeometryFields(), [](ProjectInput& p) { p.surchargeQ2 = -1.0; }, 1137},
      {"Ru too large", input::WaterFields(), [](ProjectInput& p) { p.waterMode = 1; p.poreWaterCoefficient = 0.6; }, 1140},
      {"X out of order", input::WaterFields(), [](ProjectInput& p) { p.waterMode = 0; p.phreaticX3 = 4.0; }, 1141},
      {"Y negative", input::WaterFields(), [](ProjectInput& p) { p.waterMode = 0; p.phreaticY3 = -1.0; }, 1142},
      {"Y above H", input::WaterFields(),
       [](ProjectInput& p) { p.waterMode = 0; p.phreaticX4 = 30.0; p.phreaticY4 = 7.0; }, 1143, true},
      {"water out of the slope", input::WaterFields(), [](ProjectInput& p) { p.waterMode = 0; p.phreaticY2 = 5.5; },
       1144, true},
      // With cohesion, so that the run's own check of phi and cohesion passes:
      // delta is then above the negative design friction angle.
      {"phi negative", input::SoilFields(), [](ProjectInput& p) { p.backfillPhi = -1.0; p.backfillCohesion = 5.0; },
       1150, true, 1, 1161},
      {"phi above 45", input::SoilFields(), [](ProjectInput& p) { p.foundationPhi = 46.0; }, 1151, true},
      {"cohesion negative", input::SoilFields(), [](ProjectInput& p) { p.reinforcedCohesion = -1.0; }, 1152},
      {"unit weight 0", input::SoilFields(), [](ProjectInput& p) { p.foundationUnitWeight = 0.0; }, 1153},
      {"delta negative", input::DesignParamFields(), [](ProjectInput& p) { p.interwedgeAngle = -1.0; }, 1160},
      {"delta above phi", input::DesignParamFields(), [](ProjectInput& p) { p.interwedgeAngle = 40.0; }, 1161, true},
      {"Ci of 0", input::DesignParamFields(), [](ProjectInput& p) { p.pulloutCoefficientFoundation = 0.0; }, 1162},
      {"Cds above 1", input::DesignParamFields(), [](ProjectInput& p) { p.slidingCoefficientReinforced = 1.2; }, 1163},
      {"Kh negative", input::SeismicParamFields(), [](ProjectInput& p) { p.seismicKh = -0.1; }, 1170},
      {"Kv above 0.3", input::SeismicParamFields(), [](ProjectInput& p) { p.seismicKv = 0.4; }, 1171},
      {"depth negative", input::FoundationFields(), [](ProjectInput& p) { p.maxPenetrationDepth = -1.0; }, 1180},
      {"target below 1", input::FoundationFields(), [](ProjectInput& p) { p.targetFsDeepSeated = 0.5; }, 1181},
      {"strength 0", input::GeosynDataFields(), [](ProjectInput& p) { p.ultimateStrength = 0.0; }, 1190},
      {"Dmax below 0.15 m", input::GeosynDataFields(), [](ProjectInput& p) { p.maxSpacing = 0.1; }, 1191},
      {"Dmax below 0.5 ft", input::GeosynDataFields(),
       [](ProjectInput& p) { p.unitSystem = 1; p.maxSpacing = 0.12; p.minSpacing = 0.2; }, 1191},
      {"Dmax at H", input::GeosynDataFields(), [](ProjectInput& p) { p.maxSpacing = 6.0; }, 1192},
      {"Dmin below 0.15 m", input::GeosynDataFields(), [](ProjectInput& p) { p.minSpacing = 0.1; }, 1193},
      {"Dmin at Dmax", input::GeosynDataFields(), [](ProjectInput& p) { p.minSpacing = 1.0; }, 1194},
      {"Dbottom negative", input::GeosynDataFields(), [](ProjectInput& p) { p.bottomLayerHeight = -0.1; }, 1195},
      {"Dbottom at Dmin", input::GeosynDataFields(), [](ProjectInput& p) { p.bottomLayerHeight = 0.3; }, 1196},
      {"Dbottom above 0.3 m", input::GeosynDataFields(),
       [](ProjectInput& p) { p.minSpacing = 0.5; p.bottomLayerHeight = 0.4; }, 1197},
      {"installation factor below 1", input::GeosynFsFields(), [](ProjectInput& p) { p.rfInstallation = 0.9; }, 1200},
      {"durability factor below 1", input::GeosynFsFields(), [](ProjectInput& p) { p.rfDurability = 0.9; }, 1200},
      {"creep factor below 1 in a user-specified run", input::GeosynFsFields(),
       [](ProjectInput& p) {
         p.rfCreep = 0.9;
         p.layerCount = 1;
       },
       1200, false, 0},
      {"coverage above 1", input::GeosynFsFields(), [](ProjectInput& p) { p.coverageRatio = 1.5; }, 1201},
      {"AOR of 20", input::InclinationFields(), [](ProjectInput& p) { p.orientationMode = 0; p.aorAngle = 20.0; }, 1205},
      {"ROR of 2", input::InclinationFields(), [](ProjectInput& p) { p.orientationMode = 1; p.rorValue = 2.0; }, 1206},
      {"Fs on direct sliding below 1", input::GeneralFsFields(), [](ProjectInput& p) { p.fsDirectSliding = 0.9; }, 1210},
  };

  std::set<std::pair<std::string, int>> covered;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectInput stored = ValidInput();
    c.change(stored);
    const std::string number = "Error No." + std::to_string(c.number);

    const Shown shown = DialogOk(c.fields, stored);
    EXPECT_EQ(shown.nested, "IDD_POLICING");
    EXPECT_EQ(shown.number, number);

    const std::optional<RunCheckFailure> run = RunCheck(stored, c.runMode);
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->errorNumberText, c.runNumber != 0 ? "Error No." + std::to_string(c.runNumber) : number);
    if (!c.runOwn) {
      EXPECT_EQ(run->dialog, RunCheckFailure::Dialog::kPolicing);
      EXPECT_EQ(run->messageText, shown.message);
    }
    covered.insert({c.fields.templateName, c.number});
  }

  // The table above holds every blocking check of the dialogs.
  for (const input::DialogFields* fields : input::AllDialogFields()) {
    if (fields == &input::SetupFields()) continue;
    for (const input::Check& check : fields->checks) {
      if (check.kind != input::CheckKind::kError) continue;
      EXPECT_TRUE(covered.count({fields->templateName, check.number}) == 1)
          << fields->templateName << " " << check.number << " has no case";
    }
  }
}

// The drifted copy the run had: a backslope of exactly 90 degrees ran and
// stored a deep-seated factor. Now the run stops before its first call, with
// the geometry dialog's check.
TEST(RunStoredInput, ABackslopeOf90DegreesIsRefusedByTheRun) {
  ProjectInput in = ValidInput();
  in.backslopeAngle = 90.0;
  const std::optional<RunCheckFailure> failure = RunCheck(in, 1);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->errorNumberText, "Error No.1136");
  EXPECT_EQ(failure->messageText, "\n Backslope should not exceed 90°.");
  in.backslopeAngle = 89.9;
  EXPECT_FALSE(RunCheck(in, 1).has_value());
}

// Every number of every dialog the run reads, not a number or infinite in
// either direction, is refused before the engine is called; in both kinds of
// run for the dialogs both use.
TEST(RunStoredInput, NoNumberThatIsNotFiniteReachesTheEngine) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL};
  // Input both kinds of run take, one user layer included.
  const auto valid = [] {
    ProjectInput in = ValidInput();
    in.layerCount = 1;
    in.layerElevation[0] = 0.0;
    in.layerUltimateStrength[0] = 40.0;
    in.layerRfInstallation[0] = in.layerRfDurability[0] = in.layerRfCreep[0] = 1.0;
    return in;
  };
  ASSERT_FALSE(RunCheck(valid(), 1).has_value());
  ASSERT_FALSE(RunCheck(valid(), 0).has_value());
  int refused = 0;
  for (const input::DialogFields* fields : input::AllDialogFields()) {
    for (const input::Field& field : fields->fields) {
      if (field.number == nullptr) continue;
      for (int runMode : {1, 0}) {
        if (runMode == 0 && fields == &input::GeosynDataFields()) continue;  // not read by that run
        for (double value : values) {
          ProjectInput in = valid();
          in.*field.number = value;
          SCOPED_TRACE(std::string(fields->templateName) + " field " + std::to_string(field.id) + " = " +
                       std::to_string(value) + " run mode " + std::to_string(runMode));
          EXPECT_TRUE(RunCheck(in, runMode).has_value());
          ++refused;
        }
      }
    }
  }
  EXPECT_GT(refused, 100);

  // A value no check tests is refused with the data exchange's own words;
  // one a check tests, with that check.
  ProjectInput alpha = ValidInput();
  alpha.bottomSlopeAngle = std::numeric_limits<double>::quiet_NaN();
  const std::optional<RunCheckFailure> noCheck = RunCheck(alpha, 1);
  ASSERT_TRUE(noCheck.has_value());
  EXPECT_EQ(noCheck->messageText, "\n Please enter a number.");
  EXPECT_EQ(noCheck->errorNumberText, "");
  ProjectInput depth = ValidInput();
  depth.maxPenetrationDepth = HUGE_VAL;
  const std::optional<RunCheckFailure> checked = RunCheck(depth, 1);
  ASSERT_TRUE(checked.has_value());
  EXPECT_EQ(checked->errorNumberText, "Error No.1180");
  ProjectInput layers = valid();
  layers.layerCount = 2;
  layers.layerElevation[1] = std::numeric_limits<double>::quiet_NaN();
  const std::optional<RunCheckFailure> layer = RunCheck(layers, 0);
  ASSERT_TRUE(layer.has_value());
  EXPECT_EQ(layer->messageText, "\n Geosynthetic elevation should not be negative.\n(see layer #2 )");
}

}  // namespace
}  // namespace tervane
