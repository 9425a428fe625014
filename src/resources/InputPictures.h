#pragma once
// Numbers of the pictures of the input dialogs (resources/Pictures.h). The
// faces of the TRUNCATE and QUESTION buttons are found by name:
// "TRUNCATEU", "TRUNCATED", "TRUNCATEF" (68 x 41 pixels) and "QUESTIONU",
// "QUESTIOND", "QUESTIONF" (32 x 32 pixels).

namespace tervane::res {

// The slope with the meaning of H, i, A, B, beta and alpha (420 x 112).
inline constexpr int kPictureGeometryDefinition = 164;
// The symbol of the absolute orientation angle (15 x 16).
inline constexpr int kPictureAorSymbol = 216;
// The emblem of the general-information dialog (75 x 75).

inline constexpr int kPictureTruncateUp = 3101;
inline constexpr int kPictureTruncateDown = 3102;
inline constexpr int kPictureTruncateFocused = 3103;
inline constexpr int kPictureQuestionUp = 3104;
inline constexpr int kPictureQuestionDown = 3105;
inline constexpr int kPictureQuestionFocused = 3106;

}  // namespace tervane::res
