// Every check of every input dialog at its boundaries, through the dialogs
// themselves: what is typed, the message dialog OK shows (exact text and
// number), and the field that has the focus afterwards; in SI and English
// units and in both symbol styles where the text differs.

#include <gtest/gtest.h>

#include "InputTestSupport.h"
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

using fw::Script;
using testing::CheckCase;

class CheckTablesTest : public testing::InputDialogTest {};

Script Type(int id, const char* text) { return Script().Type(id, text); }

TEST_F(CheckTablesTest, GeometryInSi) {
  using namespace ids::geometry;
  Walk<CModifyGeometryDlg>({
      {"H of 1 m passes", Type(kHeight, "1.0")},
      {"H below 1 m", Type(kHeight, "0.999"), 1130, "\n Height of slope should not be less than  1.0 meter.", kHeight},
      {"H of 30 m passes", Type(kHeight, "30")},
      {"H above 30 m", Type(kHeight, "30.001"), 1131, "\n Height of slope should not exceed  30 meter.", kHeight},
      {"i of 10 passes", Type(kSlopeAngle, "10")},
      {"i of 90 passes", Type(kSlopeAngle, "90")},
      {"i below 10", Type(kSlopeAngle, "9.99"), 1132, "\n Inclination of slope should not be less than 10° .",
       kSlopeAngle},
      {"i above 90", Type(kSlopeAngle, "90.01"), 1133,
       "\n Inclination of slope should not exceed 90° (i.e., vertical slope).", kSlopeAngle},
      {"A and B negative report A", Type(kCrestA, "-1").Type(kCrestB, "-1"), 1134,
       "\n Horizontal length, A, should not be negative.", kCrestA},
      {"B negative", Type(kCrestB, "-0.001"), 1134, "\n Horizontal length, B, should not be negative.", kCrestB},
      {"A and B of 0 pass", Type(kCrestA, "0").Type(kCrestB, "0")},
      {"backslope negative", Type(kBackslope, "-0.5"), 1135, "\n Slope at top should not be negative.", kBackslope},
      {"backslope of 90", Type(kBackslope, "90"), 1136, "\n Backslope should not exceed 90°.", kBackslope},
      {"backslope above 90", Type(kBackslope, "120"), 1136, "\n Backslope should not exceed 90°.", kBackslope},
      {"Q3 negative", Type(kQ3, "-1"), 1137, "\n Load should not be negative.", kQ3},
      {"Q2 and Q3 negative focus Q2", Type(kQ2, "-1").Type(kQ3, "-1"), 1137, "\n Load should not be negative.", kQ2},
      {"loads of 0 and more pass", Type(kQ1, "0").Type(kQ2, "10").Type(kQ3, "250")},
      {"no check on alpha", Type(kBottomSlope, "-40")},
      {"the first failure wins", Type(kHeight, "0").Type(kSlopeAngle, "5").Type(kQ1, "-1"), 1130,
       "\n Height of slope should not be less than  1.0 meter.", kHeight},
  });
}

TEST_F(CheckTablesTest, GeometryInEnglishUnitsAndTheOtherSymbols) {
  using namespace ids::geometry;
  input().unitSystem = 1;
  Project().settings.symbolStyle = 1;
  Walk<CModifyGeometryDlg>({
      {"H of 3 ft passes", Type(kHeight, "3.0")},
      {"H below 3 ft", Type(kHeight, "2.99"), 1130, "\n Height of slope should not be less than  3.0 feet.", kHeight},
      {"H of 100 ft passes", Type(kHeight, "100")},
      {"H above 100 ft", Type(kHeight, "100.01"), 1131, "\n Height of slope should not exceed  100 feet.", kHeight},
      {"i below 10", Type(kSlopeAngle, "9"), 1132, "\n Inclination of slope should not be less than 10 deg.",
       kSlopeAngle},
      {"i above 90", Type(kSlopeAngle, "91"), 1133,
       "\n Inclination of slope should not exceed 90deg. (i.e., vertical slope).", kSlopeAngle},
      {"backslope of 90", Type(kBackslope, "90"), 1136, "\n Backslope should not exceed 90 deg.", kBackslope},
  });
}

TEST_F(CheckTablesTest, GeometryWarnsOfABackslopeSteeperThanEitherFrictionAngle) {
  using namespace ids::geometry;
  input().reinforcedPhi = 36.0;
  input().backfillPhi = 32.25;
  const char* western =
      "\n Generally, backslope should not exceed Phi of reinforced soil (36.0 °) or\n backfill soil (32.2 °), "
      "whichever is smaller";
  CheckCase steep{"above the backfill angle only", Type(kBackslope, "33"), 1138, western, kBackslope};
  steep.nested = "IDD_POLICE_WARN";
  CheckCase equal{"equal to the smaller angle stores without a warning", Type(kBackslope, "32.25")};
  Walk<CModifyGeometryDlg>({steep, equal});

  Project().settings.symbolStyle = 1;
  steep.message =
      "\n Generally, backslope should not exceed Phi of reinforced soil (36.0 deg) or\n backfill soil (32.2 deg), "
      "whichever is smaller";
  Walk<CModifyGeometryDlg>({steep});
}

TEST_F(CheckTablesTest, WaterPoreWaterCoefficient) {
  using namespace ids::water;
  input().reinforcedUnitWeight = 20.0;  // limit 9.81 / 20 = 0.4905
  const Script mode1 = Script().Click(kPoreWater);
  Walk<CModifyWaterDlg>({
      {"r_u at the limit passes", Script(mode1).Type(kRu, "0.4905")},
      {"r_u above the limit", Script(mode1).Type(kRu, "0.4906"), 1140,
       "\n Ru should not be negative nor greater than 0.49 .", kRu},
      {"r_u negative", Script(mode1).Type(kRu, "-0.01"), 1140, "\n Ru should not be negative nor greater than 0.49 .",
       kRu},
      {"r_u of 0 passes", Script(mode1).Type(kRu, "0")},
  });
}

TEST_F(CheckTablesTest, WaterPhreaticSurface) {
  using namespace ids::water;
  // Stored height 6 m, face at 45 degrees.
  const Script mode0 = Script().Click(kPhreatic);
  const std::string please = "\nPlease correct.";
  Walk<CModifyWaterDlg>({
      {"the default points pass", mode0},
      {"Xw3 equal to Xw2 passes", Script(mode0).Type(kX3, "5")},
      {"Xw2 negative", Script(mode0).Type(kX2, "-1"), 1141, "\n 'X' is smaller than the previous one." + please, kX2},
      {"Xw3 below Xw2", Script(mode0).Type(kX3, "4.9"), 1141, "\n 'X' is smaller than the previous one." + please, kX3},
      {"Xw4 below Xw3", Script(mode0).Type(kX4, "7"), 1141, "\n 'X' is smaller than the previous one." + please, kX4},
      {"Yw3 negative", Script(mode0).Type(kY3, "-0.1"), 1142, "\n 'Y' Should not be negative." + please, kY3},
      {"Y equal to the height passes", Script(mode0).Type(kY4, "6")},
      {"Y above the height", Script(mode0).Type(kY4, "6.01"), 1143,
       "\n 'Y' Should not exceed the slope's height." + please, kY4},
      {"a point on the face passes", Script(mode0).Type(kY2, "5")},
      {"a point above the face", Script(mode0).Type(kY2, "5.01"), 1144,
       "\n The water is out of the slope boundaries." + please, kY2},
      {"x at the toe counts as 0.0001", Script(mode0).Type(kX2, "0").Type(kY2, "0.00011"), 1144,
       "\n The water is out of the slope boundaries." + please, kY2},
      {"x at the toe, y low enough", Script(mode0).Type(kX2, "0").Type(kY2, "0.0001")},
      {"mode 2 stores any values", Script().Click(kPhreatic).Type(kX2, "-5").Type(kY4, "99").Click(kNoWater)},
  });
}

TEST_F(CheckTablesTest, WaterInEnglishUnitsComparesTheStoredHeightInFeet) {
  using namespace ids::water;
  input().unitSystem = 1;
  input().slopeAngle = 90.0;  // compared with tan(89.99999)
  const Script mode0 = Script().Click(kPhreatic);
  Walk<CModifyWaterDlg>({
      {"Y at 6 m in feet passes", Script(mode0).Type(kY4, "19.68504")},
      {"Y above it", Script(mode0).Type(kY4, "19.6851"), 1143,
       "\n 'Y' Should not exceed the slope's height.\nPlease correct.", kY4},
  });
}

TEST_F(CheckTablesTest, Soil) {
  using namespace ids::soil;
  Walk<CModifySoilDlg>({
      {"45 degrees pass", Type(kFoundationPhi, "45")},
      {"above 45", Type(kFoundationPhi, "45.01"), 1151,
       "\n For design, the internal angle of friction should not exceed 45°.", kFoundationPhi},
      {"a negative angle is reported before one above 45",
       Type(kReinforcedPhi, "46").Type(kBackfillPhi, "-1"), 1150, "\n Phi should not be negative.", kBackfillPhi},
      {"a cohesion of 0 passes", Type(kBackfillCohesion, "0")},
      {"a negative cohesion", Type(kFoundationCohesion, "-0.1"), 1152, "\n Cohesion should not be negative.",
       kFoundationCohesion},
      {"a unit weight of 0", Type(kBackfillUnitWeight, "0"), 1153, "\n Unit weight should be greater than zero.",
       kBackfillUnitWeight},
  });
  Project().settings.symbolStyle = 1;
  Walk<CModifySoilDlg>({
      {"the same text in both styles", Type(kReinforcedPhi, "50"), 1151,
       "\n For design, the internal angle of friction should not exceed 45°.", kReinforcedPhi},
  });
}

TEST_F(CheckTablesTest, DesignParameters) {
  using namespace ids::design;
  input().reinforcedPhi = 30.0;
  input().backfillPhi = 34.0;
  Walk<CModifyDesignParamDlg>({
      {"delta equal to the smaller angle passes", Type(kDelta, "30")},
      {"delta above it", Type(kDelta, "31"), 1161, "\n Delta should not be greater than 30.0° .", kDelta},
      {"delta negative", Type(kDelta, "-1"), 1160, "\n Delta should not be negative", kDelta},
      {"coefficients of 1 pass", Type(kCiReinforced, "1").Type(kCdsFoundation, "1.0")},
      {"both Ci of 0 focus the foundation one", Type(kCiReinforced, "0").Type(kCiFoundation, "0"), 1162,
       "\n Value should not be negative nor zero.", kCiFoundation},
      {"Cds reinforced above 1", Type(kCdsReinforced, "1.01"), 1163, "\n Value should not exceed 1.0.", kCdsReinforced},
      {"Cds foundation before Cds reinforced", Type(kCdsReinforced, "2").Type(kCdsFoundation, "2"), 1163,
       "\n Value should not exceed 1.0.", kCdsFoundation},
  });
}

TEST_F(CheckTablesTest, Seismic) {
  using namespace ids::seismic;
  const std::string notice =
      "When using a pseudo-static approach, Kh value larger than 0.3 may produce unreasonable structural dimensions.  "
      "Furthermore, Tervane may fail to converge since the computed reinforcement length may approach infinity "
      "(i.e., Tervane may 'freeze' requiring the user to press on Ctrl+Alt+Delete buttons simultaneously to "
      "terminate the program).  It is NOT recommended to use Kh value larger than 0.3.";
  Walk<CModifySeismicParamDlg>({
      {"Kh of 0.3 passes", Type(kKh, "0.3")},
      {"Kv of -0.3 and 0.3 pass", Type(kKv, "-0.3")},
      {"Kv of 0.3 passes", Type(kKv, "0.3")},
      {"Kv below -0.3", Type(kKv, "-0.31"), 1171, "\n Absolute value of Kv should not not exceed 0.3 .", kKv},
      {"a negative Kh before a Kv out of range", Type(kKh, "-0.1").Type(kKv, "5"), 1170,
       "\n Kh should not be negative.", kKh},
  });

  // Kh above 0.3: the notice, and then the values are stored all the same.
  CModifySeismicParamDlg dialog;
  const testing::Outcome out = PressOk(dialog, Type(kKh, "0.31").Type(kKv, "0.1"));
  EXPECT_EQ(out.nested, "IDD_POLICING");
  EXPECT_EQ(out.number, "Error No.1172");
  EXPECT_EQ(out.message, notice);
  EXPECT_EQ(out.result, fw::IDOK);
  EXPECT_EQ(input().seismicKh, 0.31);
  EXPECT_EQ(input().seismicKv, 0.1);
}

TEST_F(CheckTablesTest, FoundationErrors) {
  using namespace ids::foundation;
  // Stored height 6 m: no warning from a depth of 3 m on.
  Walk<CModifyFoundationDlg>({
      {"a depth of H / 2 raises no warning", Type(kDepth, "3")},
      {"a negative depth", Type(kDepth, "-1"), 1180, "\n Penetration depth should be positive (down).", kDepth},
      {"a target below 1", Type(kTargetFs, "0.99"), 1181, "\n Factor of safety could be smaller than 1.0.\nPlease correct.",
       kTargetFs},
      {"a target of 1 passes", Type(kTargetFs, "1")},
  });
}

TEST_F(CheckTablesTest, GeosyntheticDataInSi) {
  using namespace ids::geosyn;
  // Stored height 6 m; Dmax 1, Dmin 0.3, Dbottom 0 as given.
  Walk<CModifyGeosynDataDlg>({
      {"a strength of 0", Type(kStrength, "0"), 1190, "\n Geosynthetic strength should not be negative nor zero.",
       kStrength},
      {"Dmax of 0.15 passes 1191", Type(kMaxSpacing, "0.15").Type(kMinSpacing, "0.15"), 1194,
       "\n Dmin should be smaller than Dmax.", kMinSpacing},
      {"Dmax below 0.15", Type(kMaxSpacing, "0.149"), 1191, "\n Dmax should not be smaller than 0.15 m.", kMaxSpacing},
      {"Dmax equal to the height", Type(kMaxSpacing, "6"), 1192,
       "\n (Slope's height is 6.00 m.)\n\nDmax should be smaller than slope's height.", kMaxSpacing},
      {"Dmin below 0.15", Type(kMinSpacing, "0.1"), 1193, "\n Dmin should not be smaller than 0.15 m.", kMinSpacing},
      {"Dbottom negative", Type(kBottomLayer, "-0.01"), 1195, "\n Dbottom should not be negative.", kBottomLayer},
      {"Dbottom equal to Dmin", Type(kBottomLayer, "0.3"), 1196, "\n Dbottom should be smaller than Dmin.",
       kBottomLayer},
      {"Dbottom of 0.3 passes 1197", Type(kMinSpacing, "0.4").Type(kBottomLayer, "0.3")},
      {"Dbottom above 0.3", Type(kMinSpacing, "0.4").Type(kBottomLayer, "0.31"), 1197,
       "\n Location of bottom layer is limited to practical maximum of 0.30 m. above foundation.", kBottomLayer},
  });
}

TEST_F(CheckTablesTest, GeosyntheticDataInEnglishUnits) {
  using namespace ids::geosyn;
  input().unitSystem = 1;
  Walk<CModifyGeosynDataDlg>({
      {"Dmax of 0.5 ft passes", Type(kMaxSpacing, "0.5").Type(kMinSpacing, "0.5"), 1194,
       "\n Dmin should be smaller than Dmax.", kMinSpacing},
      {"Dmax below 0.5 ft", Type(kMaxSpacing, "0.49"), 1191, "\n Dmax should not be smaller than 0.50 ft.",
       kMaxSpacing},
      {"Dmax at the height in feet", Type(kMaxSpacing, "19.68504"), 1192,
       "\n (Slope's height is 19.69 ft.)\n\nDmax should be smaller than slope's height.", kMaxSpacing},
      {"Dmin below 0.5 ft", Type(kMinSpacing, "0.49"), 1193, "\n Dmin should not be smaller than 0.50 ft.",
       kMinSpacing},
      {"Dbottom of 1 ft passes", Type(kMinSpacing, "1.5").Type(kBottomLayer, "1.0")},
      {"Dbottom above 1 ft", Type(kMinSpacing, "1.5").Type(kBottomLayer, "1.01"), 1197,
       "\n Location of bottom layer is limited to practical maximum of 1.00 ft. above foundation.", kBottomLayer},
  });
}

TEST_F(CheckTablesTest, GeosyntheticFactors) {
  using namespace ids::geosynfs;
  Walk<CModifyGeosynFsDlg>({
      {"RFid below 1", Type(kRfInstallation, "0.99"), 1200,
       "\n Reduction factor for installation damage should not be less than 1.0 .", kRfInstallation},
      {"RFd and RFc below 1 name RFd", Type(kRfDurability, "0.5").Type(kRfCreep, "0.5"), 1200,
       "\n Reduction factor for durability should not be less than 1.0 .", kRfDurability},
      {"RFc below 1", Type(kRfCreep, "0.9"), 1200, "\n Reduction factor for creep should not be less than 1.0 .",
       kRfCreep},
      {"factors of 1 pass", Type(kRfInstallation, "1").Type(kRfDurability, "1").Type(kRfCreep, "1")},
      {"Rc of 1 passes", Type(kCoverage, "1.0")},
      {"Rc of 0.5 does not ask", Type(kCoverage, "0.5")},
      {"Rc above 1", Type(kCoverage, "1.01"), 1201,
       "\n Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 .", kCoverage},
      {"Rc below 0.05", Type(kCoverage, "0.049"), 1201,
       "\n Coverage ratio, Rc, should not be less than 0.05, nor exceed 1.0 .", kCoverage},
  });
}

TEST_F(CheckTablesTest, Inclination) {
  using namespace ids::inclination;
  const Script aor = Script().Click(kAbsolute);
  const Script ror = Script().Click(kRelative);
  Walk<CModifyInclinationDlg>({
      {"AOR of -15 passes", Script(aor).Type(kAor, "-15")},
      {"AOR of 15 passes", Script(aor).Type(kAor, "15")},
      {"AOR above 15", Script(aor).Type(kAor, "15.01"), 1205, "\n Inclination angle should be between -15° and +15°",
       kAor},
      {"AOR below -15", Script(aor).Type(kAor, "-16"), 1205, "\n Inclination angle should be between -15° and +15°",
       kAor},
      {"ROR of 1 passes", Script(ror).Type(kRor, "1")},
      {"ROR above 1", Script(ror).Type(kRor, "1.01"), 1206, "\n Value of ROR should be between 0.0 and 1.0", kRor},
      {"ROR negative", Script(ror).Type(kRor, "-0.1"), 1206, "\n Value of ROR should be between 0.0 and 1.0", kRor},
  });
  // The value of the mode not chosen is not tested, and both are stored.
  input().aorAngle = 40.0;
  input().orientationMode = 1;
  CModifyInclinationDlg dialog;
  PressOk(dialog, Type(kRor, "0.5"));
  EXPECT_EQ(input().orientationMode, 1);
  EXPECT_EQ(input().rorValue, 0.5);
  EXPECT_EQ(input().aorAngle, 40.0);
}

TEST_F(CheckTablesTest, GeneralFactorsOfSafety) {
  using namespace ids::generalfs;
  Walk<CModifyGeneralFsDlg>({
      {"factors of 1 pass", Type(kSoil, "1").Type(kGeosynthetic, "1").Type(kPullout, "1").Type(kSliding, "1")},
      {"0.99 in the second field", Type(kGeosynthetic, "0.99"), 1210, "\n Fs should not be smaller than 1.0 .",
       kGeosynthetic},
      {"the first below 1 gets the focus", Type(kSliding, "0.5").Type(kPullout, "0.5"), 1210,
       "\n Fs should not be smaller than 1.0 .", kPullout},
  });
}

TEST_F(CheckTablesTest, GeneralInformationAndSetup) {
  using namespace ids;
  Walk<CModifyGeneralDlg>({
      {"an empty designer's name", Type(general::kDesigner, ""), 1120, "\n Designer name must be input.",
       general::kDesigner},
      {"one blank is a name", Type(general::kDesigner, " ")},
  });
  Walk<CModifySetupDlg>({
      {"a language offered", Type(setup::kLanguage, "German")},
      {"a language in lower case", Type(setup::kLanguage, "german"), 1200,
       "The language ' german ' is not supported by this software.  Please chose one from the drop down menu",
       setup::kLanguage},
      {"Norwegian is not offered", Type(setup::kLanguage, "Norwegian"), 1200,
       "The language ' Norwegian ' is not supported by this software.  Please chose one from the drop down menu",
       setup::kLanguage},
  });
}

}  // namespace
}  // namespace tervane
