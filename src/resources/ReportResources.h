#pragma once
// Control ids of the report's print options dialog IDD_DISPLAY_GRAPHICS.

namespace tervane::res {

inline constexpr int kPrintColorRadio = 1179;       // "Color (ideal for color printer)"
inline constexpr int kPrintBlackWhiteRadio = 1180;  // black and white
inline constexpr int kLogoNoRadio = 1185;
inline constexpr int kLogoYesRadio = 1186;
inline constexpr int kReportLanguageCombo = 1221;

}  // namespace tervane::res
