#pragma once
// Control ids and pictures of the results menu and the three results dialogs:
// IDD_VIEW_WRITTEN_RESULTS, IDD_VIEW_CASE1 (with its notes IDD_CASE1_NOTE),
// IDD_VIEW_CASE2 and IDD_VIEW_CASE3.

namespace tervane::res {

// ---- the results menu ----
inline constexpr int kSummaryResultsId = 1116;
inline constexpr int kDetailedResultsId = 1117;
inline constexpr int kDirectSlidingResultsId = 1118;
inline constexpr int kExportToOmbixId = 2345;

// ---- the summary and detailed tables ----
inline constexpr int kSummarySheetId = 1202;
inline constexpr int kSummaryPreviewId = 1205;
inline constexpr int kDetailedSheetId = 1203;
inline constexpr int kDetailedPreviewId = 1211;
inline constexpr int kPreviewToggleId = 1207;  // "Print Preview" / "View Results"
inline constexpr int kSummaryNoteId = 1131;
inline constexpr int kExcelButtonId = 2383;
inline constexpr int kPrintTableButtonId = 1209;

// ---- the direct-sliding and deep-seated page: filled statics ----
inline constexpr int kSlidingSpecifiedId = 1215;
inline constexpr int kSlidingLengthId = 1216;
inline constexpr int kSlidingCalculatedId = 1217;
inline constexpr int kSlidingStatusId = 1218;
inline constexpr int kWedgeAngleSymbolId = 1219;
inline constexpr int kWedgeAngleId = 1220;
inline constexpr int kUncertaintiesSpecifiedId = 1221;
inline constexpr int kPulloutSpecifiedId = 1222;
inline constexpr int kTiebackCompoundLengthId = 1223;
inline constexpr int kUncertaintiesCalculatedId = 1224;
inline constexpr int kPulloutCalculatedId = 1225;
inline constexpr int kUncertaintiesStatusId = 1226;
inline constexpr int kPulloutStatusId = 1227;
inline constexpr int kDeepSeatedStatusId = 1228;
inline constexpr int kCircleXId = 1229;
inline constexpr int kCircleYId = 1230;
inline constexpr int kCircleRadiusId = 1231;
inline constexpr int kNotesLabelId = 1232;
inline constexpr int kNote2LabelId = 1233;
inline constexpr int kNote2Id = 1234;
inline constexpr int kTargetNoteId = 1235;
inline constexpr int kDeepSeatedSpecifiedId = 1236;
inline constexpr int kDeepSeatedLengthId = 1237;
inline constexpr int kDeepSeatedCalculatedId = 1238;
inline constexpr int kCircleXCaptionId = 1239;
inline constexpr int kCircleYCaptionId = 1240;
inline constexpr int kCircleRadiusCaptionId = 1241;
inline constexpr int kSliceCountId = 1242;
inline constexpr int kNotConductedId = 1254;
inline constexpr int kDeepSeatedRemarkId = 1124;
inline constexpr int kPenetrationRemarkId = 1127;
inline constexpr int kTensionCrackNoteId = 1137;
inline constexpr int kNote1Id = 1126;

// ---- pictures ----
inline constexpr int kPictureLengthFormula = 175;         // L = Le + La, 63 x 16
inline constexpr int kPictureLongTermFormula = 176;       // T-ltds = T-ult / (RFid RFd RFc), 120 x 31
inline constexpr int kPictureActualFsFormula = 177;       // Fs = T-ltds / Tr, 62 x 33
inline constexpr int kPictureDeepSeated = 178;            // "Deep-Seated" in blue, 71 x 36
inline constexpr int kPictureDirectSliding = 179;         // "Direct Sliding" in red, 77 x 34
inline constexpr int kPictureMinimumUltimateFormula = 234;  // T-ult-min = ..., 270 x 24
inline constexpr int kPictureWedgeAngleSymbol = 256;      // theta-cr =, 20 x 15
inline constexpr int kPictureExcelUp = 3121;              // the faces of the EXCEL button, 18 x 18
inline constexpr int kPictureExcelDown = 3122;
inline constexpr int kPictureExcelFocused = 3123;
inline constexpr int kPicturePrintTableUp = 3124;         // the faces of the PRINT_TABLE button, 18 x 18
inline constexpr int kPicturePrintTableDown = 3125;
inline constexpr int kPicturePrintTableFocused = 3126;

}  // namespace tervane::res
