// The behaviour the twelve input dialogs share: the Enter cycle, the
// modified flag, Cancel, malformed numbers, units and their captions,
// Default and TRUNCATE, help topics, the label 1244 and the tables' ids.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <set>

#include "InputTestSupport.h"
#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "input/DialogFields.h"
#include "input/ModifyGeneralDlg.h"
#include "input/ModifyGeometryDlg.h"
#include "input/ModifySetupDlg.h"
#include "input/ModifyWaterDlg.h"
#include "input/ReinforcementDlgs.h"
#include "input/SeismicAndFoundationDlgs.h"
#include "input/SoilAndDesignDlgs.h"
#include "resources/InputControlIds.h"

namespace tervane {
namespace {

using fw::IDCANCEL;
using fw::IDOK;
using fw::Script;

struct DialogKind {
  const input::DialogFields& fields;
  std::function<std::unique_ptr<CInputDialog>()> make;
};

template <class D>
std::function<std::unique_ptr<CInputDialog>()> Make() {
  return [] { return std::make_unique<D>(); };
}

std::vector<DialogKind> AllDialogs() {
  return {
      {input::SetupFields(), Make<CModifySetupDlg>()},
      {input::GeneralFields(), Make<CModifyGeneralDlg>()},
      {input::GeometryFields(), Make<CModifyGeometryDlg>()},
      {input::WaterFields(), Make<CModifyWaterDlg>()},
      {input::SoilFields(), Make<CModifySoilDlg>()},
      {input::DesignParamFields(), Make<CModifyDesignParamDlg>()},
      {input::SeismicParamFields(), Make<CModifySeismicParamDlg>()},
      {input::FoundationFields(), Make<CModifyFoundationDlg>()},
      {input::GeosynDataFields(), Make<CModifyGeosynDataDlg>()},
      {input::GeosynFsFields(), Make<CModifyGeosynFsDlg>()},
      {input::InclinationFields(), Make<CModifyInclinationDlg>()},
      {input::GeneralFsFields(), Make<CModifyGeneralFsDlg>()},
  };
}

class InputDialogPatternTest : public testing::InputDialogTest {};

// Every id a table names is a control of the dialog's template, so a typing
// slip in a table cannot go unnoticed.
TEST_F(InputDialogPatternTest, TablesNameControlsOfTheirTemplates) {
  const std::vector<DialogKind> dialogs = AllDialogs();
  ASSERT_EQ(input::AllDialogFields().size(), dialogs.size());
  std::set<std::string> names;
  for (const DialogKind& d : dialogs) {
    const fw::DialogTemplate* t = FindDialogTemplate(d.fields.templateName);
    ASSERT_NE(t, nullptr) << d.fields.templateName;
    SCOPED_TRACE(t->name);
    EXPECT_TRUE(names.insert(t->name).second);
    EXPECT_NE(t->styles & fw::kContextHelp, 0u);  // the caption help button
    EXPECT_NE(t->Find(IDOK), nullptr);
    EXPECT_NE(t->Find(IDCANCEL), nullptr);
    ASSERT_NE(t->Find(kDialogIdLabel), nullptr);
    EXPECT_EQ(t->Find(kDialogIdLabel)->text, t->name);
    for (const input::Field& f : d.fields.fields) {
      const fw::ControlTemplate* c = t->Find(f.id);
      ASSERT_NE(c, nullptr) << f.id;
      if (f.choice != nullptr)
        EXPECT_TRUE(fw::IsRadio(c->kind)) << f.id;
      else
        EXPECT_TRUE(fw::IsEditLike(*c)) << f.id;
    }
    for (const auto& [id, unit] : d.fields.unitCaptions) EXPECT_NE(t->Find(id), nullptr) << id;
    for (const input::EnterMove& m : d.fields.enterCycle) {
      EXPECT_NE(t->Find(m.from), nullptr) << m.from;
      EXPECT_NE(t->Find(m.to), nullptr) << m.to;
    }
    // Default, and TRUNCATE in the four dialogs with units to cut.
    const bool hasDefault = t->Find(ids::kDefaultButton) != nullptr;
    EXPECT_EQ(hasDefault, t->name != "IDD_MODIFY_SETUP" && t->name != "IDD_MODIFY_GENERAL");
    const std::set<std::string> truncating = {"IDD_MODIFY_GEOMETRY", "IDD_MODIFY_WATER", "IDD_MODIFY_SOIL",
                                              "IDD_MODIFY_GEOSYN_DATA"};
    EXPECT_EQ(t->Find(ids::kTruncateButton) != nullptr, truncating.count(t->name) == 1);
  }
}

// Enter in a field of the cycle moves the focus to the next one and marks the
// project modified, whatever else happens.
TEST_F(InputDialogPatternTest, EnterFollowsEachCycleAndMarksTheProjectModified) {
  for (const DialogKind& d : AllDialogs()) {
    SCOPED_TRACE(d.fields.templateName);
    for (const input::EnterMove& m : d.fields.enterCycle) {
      SCOPED_TRACE(m.from);
      // The water dialog shows the field of its mode only.
      input().waterMode = (m.from == ids::water::kRu || m.from == ids::water::kPoreWater) ? 1 : 0;
      input().orientationMode = (m.from == ids::inclination::kAor || m.from == ids::inclination::kAbsolute) ? 0 : 1;
      document.SetModifiedFlag(false);
      std::unique_ptr<CInputDialog> dialog = d.make();
      int focus = -1;
      Run(*dialog, Script().Focus(m.from).Enter().Inspect([&] { focus = dialog->FocusedControl(); }).Escape());
      EXPECT_EQ(focus, m.to);
      EXPECT_TRUE(document.IsModified());
      const fw::DialogRecord& r = session.Records().back();
      EXPECT_TRUE(r.scriptErrors.empty()) << r.scriptErrors.front();
    }
  }
}

TEST_F(InputDialogPatternTest, FieldsOutsideTheCycleKeepTheFocusOnEnter) {
  struct Case {
    std::function<std::unique_ptr<CInputDialog>()> make;
    int id;
  };
  const Case cases[] = {
      {Make<CModifyGeneralDlg>(), ids::general::kDate},
      {Make<CModifySetupDlg>(), ids::setup::kLanguage},
      {Make<CModifySetupDlg>(), ids::setup::kAsianPacific},
      {Make<CModifyDesignParamDlg>(), ids::design::kLinear},
      {Make<CModifySeismicParamDlg>(), ids::seismic::kHalfKh},
      {Make<CModifyFoundationDlg>(), ids::foundation::kNo},
  };
  for (const Case& c : cases) {
    std::unique_ptr<CInputDialog> dialog = c.make();
    int focus = -1;
    const testing::Outcome out =
        Run(*dialog, Script().Focus(c.id).Enter().Inspect([&] { focus = dialog->FocusedControl(); }).Escape());
    EXPECT_EQ(focus, c.id) << dialog->Template().name;
    EXPECT_EQ(out.nestedCount, 0);
  }
}

TEST_F(InputDialogPatternTest, EnterThenCancelStoresNothingButTheProjectIsModified) {
  for (const DialogKind& d : AllDialogs()) {
    SCOPED_TRACE(d.fields.templateName);
    document.SetModifiedFlag(false);
    const ProjectData before = Project();
    std::unique_ptr<CInputDialog> dialog = d.make();
    // A value in every field, each confirmed with Enter.
    Script script = Script().Enter();
    for (const input::Field& f : d.fields.fields) {
      const fw::ControlTemplate* c = dialog->Template().Find(f.id);
      if ((c->flags & fw::kHidden) != 0 || f.choice != nullptr) continue;
      if (f.id == ids::inclination::kAor) continue;  // disabled in the mode held
      script.Type(f.id, f.number != nullptr ? "1.5" : "text").Enter();
    }
    const testing::Outcome out = Run(*dialog, script.Focus(IDCANCEL).Enter());
    EXPECT_EQ(out.result, IDCANCEL);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(session.Records().back().scriptErrors.empty()) << session.Records().back().scriptErrors.front();
    EXPECT_EQ(Project().input, before.input);
    EXPECT_EQ(Project().settings, before.settings);
  }
}

TEST_F(InputDialogPatternTest, OkWithAMalformedNumberActsAsEnterInThatField) {
  using namespace ids::geometry;
  CModifyGeometryDlg dialog;
  const ProjectInput before = input();
  document.SetModifiedFlag(false);
  // The change handler reports the text as it is typed; OK reports it again.
  const testing::Outcome out = PressOk(dialog, Script().Type(kCrestA, "2,5"));
  EXPECT_EQ(out.messageBoxes,
            (std::vector<std::string>{fw::kMessageEnterNumber, fw::kMessageEnterNumber}));
  EXPECT_EQ(out.nestedCount, 0);  // no check ran
  EXPECT_EQ(out.focusAfter, kCrestB);
  EXPECT_EQ(out.result, IDCANCEL);
  EXPECT_EQ(input(), before);
  EXPECT_TRUE(document.IsModified());

  // A field outside the cycle keeps the focus.
  input().waterMode = 1;
  CModifyWaterDlg water;
  const testing::Outcome ru = PressOk(water, Script().Type(ids::water::kRu, "abc"));
  EXPECT_EQ(ru.focusAfter, ids::water::kRu);
  EXPECT_EQ(ru.nestedCount, 0);
}

TEST_F(InputDialogPatternTest, AStoredValueThatFailsIsReportedWithoutAnyChange) {
  input().slopeHeight = 0.5;  // as a project file may bring it
  CModifyGeometryDlg dialog;
  const testing::Outcome out = PressOk(dialog, Script());
  EXPECT_EQ(out.number, "Error No.1130");
  EXPECT_EQ(out.focusAfter, ids::geometry::kHeight);
}

TEST_F(InputDialogPatternTest, EnglishUnitsShowConvertedValuesAndStoreThemBack) {
  using namespace ids::geometry;
  input().unitSystem = 1;
  input().crestLengthA = 1.7;
  input().surchargeQ1 = 12.5;
  CModifyGeometryDlg dialog;
  std::string shownA, shownQ1, shownH, unitH, unitQ;
  PressOk(dialog, Script().Inspect([&] {
    shownA = dialog.GetText(kCrestA);
    shownQ1 = dialog.GetText(kQ1);
    shownH = dialog.GetText(kHeight);
    unitH = dialog.GetText(kHeightUnit);
    unitQ = dialog.GetText(kQ1Unit);
  }));
  EXPECT_EQ(shownA, "5.577428");
  EXPECT_EQ(shownQ1, "261.0575");
  EXPECT_EQ(shownH, "19.68504");
  EXPECT_EQ(unitH, "[ft]");
  EXPECT_EQ(unitQ, "[lb/ft ²]");
  // OK without a change stores every converted field again.
  EXPECT_EQ(input().crestLengthA, 1.7000000000000002);
  EXPECT_EQ(input().slopeHeight, 6.0);  // 19.68504 ft
  EXPECT_EQ(input().surchargeQ1, 261.0575 / 20.8846);
  EXPECT_EQ(input().slopeAngle, 45.0);  // angles are never converted
}

TEST_F(InputDialogPatternTest, EnglishDefaultsAreValuesOfTheirOwn) {
  using namespace ids::geosyn;
  input().unitSystem = 1;
  CModifyGeosynDataDlg dialog;
  std::vector<std::string> shown;
  PressOk(dialog, Script().Click(ids::kDefaultButton).Inspect([&] {
    for (int id : {kStrength, kMaxSpacing, kMinSpacing, kBottomLayer}) shown.push_back(dialog.GetText(id));
  }));
  EXPECT_EQ(shown, (std::vector<std::string>{"3000", "3", "1", "0"}));
  EXPECT_EQ(input().ultimateStrength, 43.783476116113775);
  EXPECT_EQ(input().maxSpacing, 3.0 / 3.28084);

  // The geometry's: 20 ft, 6 ft, 6 ft, as they stand.
  CModifyGeometryDlg geometry;
  std::vector<std::string> fields;
  const ProjectInput before = input();
  Run(geometry, Script().Click(ids::kDefaultButton).Inspect([&] {
    for (int id : {ids::geometry::kHeight, ids::geometry::kCrestA, ids::geometry::kCrestB, ids::geometry::kQ1})
      fields.push_back(geometry.GetText(id));
  }).Escape());
  EXPECT_EQ(fields, (std::vector<std::string>{"20", "6", "6", "0"}));
  EXPECT_EQ(input(), before);  // Default stores nothing

  // The soil's unit weights of 120 lb/ft^3.
  CModifySoilDlg soil;
  PressOk(soil, Script().Click(ids::kDefaultButton));
  EXPECT_EQ(input().reinforcedUnitWeight, 120.0 / 6.365627);
}

TEST_F(InputDialogPatternTest, DefaultOfTheDialogsWithoutUnits) {
  input().seismicKh = 0.2;
  input().seismicOnReinforcedMass = 1;
  input().khHalved = 1;
  CModifySeismicParamDlg seismic;
  PressOk(seismic, Script().Click(ids::kDefaultButton));
  EXPECT_EQ(input().seismicKh, 0.0);
  EXPECT_EQ(input().khHalved, 0);
  EXPECT_EQ(input().seismicOnReinforcedMass, 0);  // "No", although a new project starts with "Yes"

  input().fsDirectSliding = 2.0;
  input().rfCreep = 4.0;
  CModifyGeneralFsDlg fs;
  PressOk(fs, Script().Click(ids::kDefaultButton));
  EXPECT_EQ(input().fsDirectSliding, 1.1);
  CModifyGeosynFsDlg geosynFs;
  PressOk(geosynFs, Script().Click(ids::kDefaultButton));
  EXPECT_EQ(input().rfCreep, 2.5);
  EXPECT_EQ(FindDialogTemplate("IDD_MODIFY_GEOSYN_FS")->Find(ids::kDefaultButton)->text, "Default");

  input().interwedgeAngle = 5.0;
  input().lengthLayout = 2;
  CModifyDesignParamDlg design;
  PressOk(design, Script().Click(ids::kDefaultButton));
  EXPECT_EQ(input().interwedgeAngle, 20.0);
  EXPECT_EQ(input().lengthLayout, 0);
}

// Default shows the held target factor of safety: a value typed since the
// fields were last read is replaced by it.
TEST_F(InputDialogPatternTest, FoundationDefaultKeepsTheHeldTargetFactor) {
  using namespace ids::foundation;
  input().unitSystem = 1;
  input().penetrationForbidden = 1;
  CModifyFoundationDlg dialog;
  std::string depth, target;
  PressOk(dialog, Script().Type(kTargetFs, "2.5").Click(ids::kDefaultButton).Inspect([&] {
    depth = dialog.GetText(kDepth);
    target = dialog.GetText(kTargetFs);
  }));
  EXPECT_EQ(depth, "40");
  EXPECT_EQ(target, "1.1");
  EXPECT_EQ(input().penetrationForbidden, 0);
  EXPECT_EQ(input().maxPenetrationDepth, 40.0 / 3.28084);
  EXPECT_EQ(input().targetFsDeepSeated, 1.1);
}

TEST_F(InputDialogPatternTest, ThreeDecimalCut) {
  const struct {
    double x, cut;
  } cases[] = {
      {1.2346, 1.235}, {1.2344, 1.234}, {0.9995, 1.0},   {1.2345, 1.234},  // just below 1.235 after adding
      {-1.2345, -1.234}, {-1.2341, -1.234}, {-1.2346, -1.235}, {-0.0004, 0.0}, {0.0, 0.0},
      {2147483.6465, 2147483.647},                                         // the largest cut that fits
      {2147483.6475, 2147483.6475}, {-2147483.6485, -2147483.6485}, {1e300, 1e300},  // left as they are
  };
  for (const auto& c : cases) EXPECT_EQ(input::ThreeDecimalCut(c.x), c.cut) << FormatDouble15(c.x);
  EXPECT_FALSE(std::signbit(input::ThreeDecimalCut(-0.0004)));
}

TEST_F(InputDialogPatternTest, TruncateCutsEveryShownNumberAndStoresNothing) {
  using namespace ids::soil;
  input().unitSystem = 1;
  input().reinforcedUnitWeight = 18.5;  // 117.764...
  const ProjectInput before = input();
  CModifySoilDlg dialog;
  std::string phi, unitWeight, cohesion;
  Run(dialog, Script()
                  .Type(kReinforcedPhi, "33.33351")
                  .Type(kBackfillCohesion, "-1.2341")
                  .Click(ids::kTruncateButton)
                  .Inspect([&] {
                    phi = dialog.GetText(kReinforcedPhi);
                    cohesion = dialog.GetText(kBackfillCohesion);
                    unitWeight = dialog.GetText(kReinforcedUnitWeight);
                  })
                  .Escape());
  EXPECT_EQ(phi, "33.334");
  EXPECT_EQ(cohesion, "-1.234");
  EXPECT_EQ(unitWeight, FormatDouble15(input::ThreeDecimalCut(18.5 * 6.365627)));
  EXPECT_EQ(unitWeight, "117.764");
  EXPECT_EQ(input(), before);
}

TEST_F(InputDialogPatternTest, UnitCaptionsFollowTheUnitSystemAndTheSymbolStyle) {
  struct Case {
    input::Unit unit;
    const char* si0;
    const char* si1;
    const char* english0;
    const char* english1;
  };
  const Case cases[] = {
      {input::Unit::kLength, "[m]", "[m]", "[ft]", "[ft]"},
      {input::Unit::kPressure, "[kPa]", "[kPa]", "[lb/ft ²]", "[lb/ft^2]"},
      {input::Unit::kUnitWeight, "[kN/m ³]", "[kN/m^3]", "[lb/ft ³]", "[lb/ft^3]"},
      {input::Unit::kStrength, "[kN/m]", "[kN/m]", "[lb/ft]", "[lb/ft]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(input::UnitCaption(c.unit, 0, 0), c.si0);
    EXPECT_EQ(input::UnitCaption(c.unit, 0, 1), c.si1);
    EXPECT_EQ(input::UnitCaption(c.unit, 1, 0), c.english0);
    EXPECT_EQ(input::UnitCaption(c.unit, 1, 1), c.english1);
  }
  // In a dialog.
  input().unitSystem = 1;
  Project().settings.symbolStyle = 1;
  CModifySoilDlg soil;
  std::string cohesion, weight;
  Run(soil, Script().Inspect([&] {
    cohesion = soil.GetText(ids::soil::kFoundationCohesionUnit);
    weight = soil.GetText(ids::soil::kBackfillUnitWeightUnit);
  }).Escape());
  EXPECT_EQ(cohesion, "[lb/ft^2]");
  EXPECT_EQ(weight, "[lb/ft^3]");
}

TEST_F(InputDialogPatternTest, F1OpensEachDialogsOwnTopic) {
  for (const DialogKind& d : AllDialogs()) {
    std::unique_ptr<CInputDialog> dialog = d.make();
    Run(*dialog, Script().Help().Escape());
    EXPECT_EQ(fakes.help.Requests().back(), std::string("/opt/tervane/Tervane.chm::/") + d.fields.helpTopic);
  }
  const std::vector<std::string> topics = {
      "modify_setup.htm",         "Modify_General.htm",     "modify_geometry.htm",  "modify_water.htm",
      "modify_soil.htm",          "modify_design_param.htm", "modify_seismic_param.htm", "modify_foundation.htm",
      "modify_geosyn_data.htm",   "modify_geosyn_Fs.htm",   "modify_inclination.htm", "modify_General_Fs.htm"};
  ASSERT_EQ(fakes.help.Requests().size(), topics.size());
  for (std::size_t i = 0; i < topics.size(); ++i)
    EXPECT_EQ(fakes.help.Requests()[i], "/opt/tervane/Tervane.chm::/" + topics[i]);
}

TEST_F(InputDialogPatternTest, LabelBackgroundAndCaption) {
  for (const DialogKind& d : AllDialogs()) {
    std::unique_ptr<CInputDialog> dialog = d.make();
    const testing::Outcome out = Run(*dialog, Script().Escape());
    const fw::DialogRecord& r = *session.Find(d.fields.templateName, 0);
    EXPECT_FALSE(r.Visible(kDialogIdLabel)) << r.templateName;
    EXPECT_EQ(r.background, fw::RGB(222, 222, 222));
    EXPECT_EQ(out.result, IDCANCEL);
  }
}

}  // namespace
}  // namespace tervane
