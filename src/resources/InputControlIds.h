#pragma once
// Control ids of the input menu, the twelve input dialogs and their small
// dialogs, shared by their templates and their classes.

namespace tervane::ids {

// Buttons every input dialog may have.
inline constexpr int kDefaultButton = 1023;   // "&Default"
inline constexpr int kTruncateButton = 1138;  // TRUNCATE, a picture button
inline constexpr int kQuestionButton = 1136;  // QUESTION, a picture button

// IDD_MODIFY_MENU
namespace menu {
inline constexpr int kSetup = 1006;
inline constexpr int kGeneral = 1007;
inline constexpr int kGeometry = 1028;
inline constexpr int kWater = 1029;
inline constexpr int kSoil = 1030;
inline constexpr int kDesignParam = 1031;
inline constexpr int kSeismicParam = 1032;
inline constexpr int kFoundation = 1033;
inline constexpr int kGeosynData = 1034;
inline constexpr int kGeosynFs = 1035;
inline constexpr int kInclination = 1154;
inline constexpr int kGeneralFs = 1036;
}  // namespace menu

// IDD_MODIFY_SETUP
namespace setup {
inline constexpr int kSiUnits = 1014;  // first of the unit radio group (0)
inline constexpr int kEnglish = 1013;  // (1)
inline constexpr int kCurrency = 1161;
inline constexpr int kLanguage = 1221;  // editable, sorted combo box
inline constexpr int kWestern = 1047;   // first of the symbol-style group (0)
inline constexpr int kAsianPacific = 1048;
}  // namespace setup

// IDD_MODIFY_GENERAL and IDD_SHOW_OR_NOT_LOGO
namespace general {
inline constexpr int kTitle = 1008;
inline constexpr int kNumber = 1009;
inline constexpr int kDate = 1010;
inline constexpr int kDescription = 1011;
inline constexpr int kDesigner = 1012;
inline constexpr int kRetrieveLogo = 2341;
inline constexpr int kSaveLogo = 2340;
inline constexpr int kDoNotShow = 1107;  // the notice's check box
}  // namespace general

// IDD_MODIFY_GEOMETRY
namespace geometry {
inline constexpr int kHeight = 1015;
inline constexpr int kSlopeAngle = 1016;
inline constexpr int kCrestA = 1017;
inline constexpr int kCrestB = 1018;
inline constexpr int kBackslope = 1019;
inline constexpr int kBottomSlope = 1112;
inline constexpr int kQ1 = 1020;
inline constexpr int kQ2 = 1021;
inline constexpr int kQ3 = 1022;
inline constexpr int kHeightUnit = 1024;
inline constexpr int kCrestAUnit = 1025;
inline constexpr int kCrestBUnit = 1026;
inline constexpr int kQ1Unit = 1027;
inline constexpr int kQ2Unit = 1028;
inline constexpr int kQ3Unit = 1029;
}  // namespace geometry

// IDD_MODIFY_WATER
namespace water {
inline constexpr int kPhreatic = 1041;   // first of the mode group (0)
inline constexpr int kPoreWater = 1042;  // (1)
inline constexpr int kNoWater = 1043;    // (2)
inline constexpr int kRuLabel = 1044;
inline constexpr int kRu = 1045;
inline constexpr int kHeading = 1052;
inline constexpr int kLengthUnit = 1024;
inline constexpr int kX1Value = 1047;  // "=  0.0" of point 1
inline constexpr int kY1Value = 1050;
inline constexpr int kX2 = 1106;
inline constexpr int kY2 = 1108;
inline constexpr int kX3 = 1107;
inline constexpr int kY3 = 1109;
inline constexpr int kX4 = 1112;
inline constexpr int kY4 = 1113;
// The symbols of the coordinate table ("Xw2  ="), shown and hidden with it.
inline constexpr int kX1Label = 1160;
inline constexpr int kY1Label = 1161;
inline constexpr int kX2Label = 1162;
inline constexpr int kY2Label = 1163;
inline constexpr int kX3Label = 1164;
inline constexpr int kY3Label = 1165;
inline constexpr int kX4Label = 1166;
inline constexpr int kY4Label = 1167;
}  // namespace water

// IDD_MODIFY_SOIL
namespace soil {
inline constexpr int kReinforcedPhi = 1067;
inline constexpr int kReinforcedCohesion = 1068;
inline constexpr int kReinforcedUnitWeight = 1069;
inline constexpr int kBackfillPhi = 1070;
inline constexpr int kBackfillCohesion = 1071;
inline constexpr int kBackfillUnitWeight = 1072;
inline constexpr int kFoundationPhi = 1073;
inline constexpr int kFoundationCohesion = 1074;
inline constexpr int kFoundationUnitWeight = 1075;
inline constexpr int kReinforcedCohesionUnit = 1027;
inline constexpr int kBackfillCohesionUnit = 1028;
inline constexpr int kFoundationCohesionUnit = 1029;
inline constexpr int kReinforcedUnitWeightUnit = 1063;
inline constexpr int kBackfillUnitWeightUnit = 1064;
inline constexpr int kFoundationUnitWeightUnit = 1065;
}  // namespace soil

// IDD_MODIFY_DESIGN_PARAM
namespace design {
inline constexpr int kDelta = 1071;
inline constexpr int kCiReinforced = 1075;
inline constexpr int kCiFoundation = 1076;
inline constexpr int kCdsReinforced = 1077;
inline constexpr int kCdsFoundation = 1078;
inline constexpr int kUniform = 1072;  // first of the layout group (0)
inline constexpr int kLinear = 1073;
inline constexpr int kMinimum = 1074;
}  // namespace design

// IDD_MODIFY_SEISMIC_PARAM and IDD_WARNING99
namespace seismic {
inline constexpr int kKh = 1082;
inline constexpr int kKv = 1083;
inline constexpr int kFullKh = 1252;  // first of the Kh group (0)
inline constexpr int kHalfKh = 1253;
inline constexpr int kNo = 1081;      // first of the reinforced-mass group (0)
inline constexpr int kYes = 1080;
inline constexpr int kQuestion = 2156;
}  // namespace seismic

// IDD_MODIFY_FOUNDATION and IDD_WARNING
namespace foundation {
inline constexpr int kYes = 1085;  // first of the penetration group (0)
inline constexpr int kNo = 1086;
inline constexpr int kDepth = 1089;
inline constexpr int kDepthUnit = 1024;
inline constexpr int kTargetFs = 1243;
inline constexpr int kWarningHeading = 1135;  // IDD_WARNING's heading
}  // namespace foundation

// IDD_MODIFY_GEOSYN_DATA
namespace geosyn {
inline constexpr int kStrength = 1092;
inline constexpr int kStrengthUnit = 1093;
inline constexpr int kMaxSpacing = 1094;
inline constexpr int kMinSpacing = 1095;
inline constexpr int kBottomLayer = 1096;
inline constexpr int kMaxSpacingUnit = 1024;
inline constexpr int kMinSpacingUnit = 1025;
inline constexpr int kBottomLayerUnit = 1026;
}  // namespace geosyn

// IDD_MODIFY_GEOSYN_FS
namespace geosynfs {
inline constexpr int kRfInstallation = 1098;
inline constexpr int kRfDurability = 1099;
inline constexpr int kRfCreep = 1101;
inline constexpr int kCoverage = 1132;
}  // namespace geosynfs

// IDD_MODIFY_INCLINATION
namespace inclination {
inline constexpr int kAbsolute = 1157;  // first of the mode group (0)
inline constexpr int kRelative = 1156;  // (1)
inline constexpr int kAor = 1159;
inline constexpr int kRor = 1158;
inline constexpr int kRorLabel = 1121;
inline constexpr int kAorLabel = 1122;
inline constexpr int kAorPicture = 1123;
inline constexpr int kAorUnit = 1124;
}  // namespace inclination

// IDD_MODIFY_GENERAL_FS
namespace generalfs {
inline constexpr int kSoil = 1102;
inline constexpr int kGeosynthetic = 1103;
inline constexpr int kPullout = 1104;
inline constexpr int kSliding = 1105;
}  // namespace generalfs

}  // namespace tervane::ids
