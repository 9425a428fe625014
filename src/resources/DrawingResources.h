#pragma once
// Control ids and pictures of the results drawings: IDD_GRAPHIC_RESULTS,
// IDD_GRAPHIC_RESULTS_EXTRA, IDD_COMPOUND_EXPLAIN, IDD_SHOW_OR_NOT_PAINT,
// IDD_GEOMETRY_DETAILS and IDD_DISPLAY_BITMAP.
//
// The picture buttons find their faces by caption: "BITMAP_FILE",
// "CALL_PAINT", "CALL_DXF", "SCALE_LARGE" and "SCALE_SMALL", each followed by
// "U" (up), "D" (down) or "F" (focused).

namespace tervane::res {

// Both drawing dialogs.
inline constexpr int kLayerListId = 1133;         // the narrow list of layer numbers
inline constexpr int kBitmapFileId = 1152;        // BITMAP_FILE
inline constexpr int kScaleLargeId = 1176;        // SCALE_LARGE
inline constexpr int kScaleSmallId = 1177;        // SCALE_SMALL
inline constexpr int kDefaultScaleId = 1178;
inline constexpr int kBlackWhiteId = 1181;        // "B/W"
inline constexpr int kLeftId = 1246;
inline constexpr int kRightId = 1247;
inline constexpr int kUpId = 1248;
inline constexpr int kDownId = 1249;
inline constexpr int kCallPaintId = 2305;         // CALL_PAINT

// The results drawing.
inline constexpr int kOutermostToggleId = 1145;
inline constexpr int kViewTiebackCompoundId = 1151;
inline constexpr int kGeometryDetailsId = 1162;
inline constexpr int kCallDxfId = 2306;           // CALL_DXF

// The compound and tieback drawing.
inline constexpr int kAllTiebackToggleId = 1146;
inline constexpr int kToeCompoundToggleId = 1147;
inline constexpr int kLayerCompoundToggleId = 1148;
inline constexpr int kExplanationId = 1150;

// The notice before the image editor.
inline constexpr int kDoNotShowPaintId = 1107;

// The geometry details: the unit line and the nine values.
inline constexpr int kDetailsUnitsId = 1169;
inline constexpr int kDetailsHeightId = 1163;
inline constexpr int kDetailsSlopeAngleId = 1164;
inline constexpr int kDetailsCrestAId = 1165;
inline constexpr int kDetailsCrestBId = 1166;
inline constexpr int kDetailsBackslopeId = 1167;
inline constexpr int kDetailsBottomSlopeId = 1168;
inline constexpr int kDetailsQ1Id = 2212;
inline constexpr int kDetailsQ2Id = 2213;
inline constexpr int kDetailsQ3Id = 2214;

// The colour choice.
inline constexpr int kColourRadioId = 1179;
inline constexpr int kBlackWhiteRadioId = 1180;

// Pictures.
inline constexpr int kPictureBetaSymbol = 136;       // the Greek beta, 12 x 16
inline constexpr int kPictureAlphaSymbol = 165;      // the Greek alpha, 12 x 16
inline constexpr int kPictureSurcharges = 192;       // the crest with Q1, Q2, Q3, 186 x 68
inline constexpr int kPictureCompoundExplain = 208;  // compound surfaces through the toe and the layers, 270 x 222
inline constexpr int kPictureToeButton = 211;        // the "... the Toe" button, 67 x 26
inline constexpr int kPictureLayersButton = 212;     // the "... all layers" button, 67 x 26
// The slope with H, i, A, B, beta and alpha at the size of the geometry
// details (the input's larger figure has number 164).
inline constexpr int kPictureGeometryDetailsSlope = 3210;  // 186 x 110

}  // namespace tervane::res
