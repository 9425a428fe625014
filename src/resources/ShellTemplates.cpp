// Templates of the shell's dialogs: the start-up notice, About, contact
// information, the disclaimer and the main menu.

#include <string>
#include <vector>

#include "resources/DialogTemplates.h"
#include "resources/ShellResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;
using res::PictureControl;

std::string Join(const std::vector<std::string>& lines, std::size_t first, std::size_t count) {
  std::string text;
  for (std::size_t i = first; i < first + count && i < lines.size(); ++i) {
    if (!text.empty()) text += ' ';
    text += lines[i];
  }
  return text;
}

// Splits a paragraph into at most `count` pieces: one sentence each, the rest
// in the last piece.
std::vector<std::string> SplitForStatics(const std::string& text, std::size_t count) {
  std::vector<std::string> sentences;
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '.' || text[i + 1] != ' ') continue;
    // "Inc. does" does not end a sentence.
    if (i >= 3 && text.compare(i - 3, 3, "Inc") == 0) continue;
    sentences.push_back(text.substr(start, i + 1 - start));
    start = i + 2;
  }
  sentences.push_back(text.substr(start));
  std::vector<std::string> pieces;
  for (std::size_t i = 0; i < sentences.size(); ++i) {
    if (pieces.size() < count)
      pieces.push_back(sentences[i]);
    else
      pieces.back() += " " + sentences[i];
  }
  return pieces;
}

DialogTemplate Intro() {
  DialogTemplate t = res::Dialog("IDD_INTRO", 239, "", 388, 238, 8, fw::kModalFrame | fw::kNoCaption);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 169, 216, 50, 15, kButton),
      Control(res::kDisclaimerButtonId, ControlKind::PushButton, "Click to see DISCLAIMER", 229, 216, 152, 15,
              kButton),
      Control(res::kHomePageButtonId, ControlKind::PushButton, res::kMakerWebAddress, 121, 183, 145, 15, kButton),
      Control(res::kUpdatePageButtonId, ControlKind::PushButton, "Check for Latest Update Via Internet", 7, 216,
              151, 15, kButton),
      PictureControl(fw::kStaticId, res::kPictureMakerLogo, 7, 7, 50, 46),
      Control(res::kIntroRightsId, ControlKind::StaticRight, res::kRightsNotice, 59, 15, 163, 13),
      Control(res::kIntroCompanyId, ControlKind::StaticLeft, res::kMakerName, 226, 15, 152, 13),
      Control(res::kIntroReservedId, ControlKind::StaticCentered, res::kAllRightsReserved, 110, 32, 228, 13),
      Control(res::kIntroBlankId, ControlKind::StaticCentered, "", 36, 58, 315, 16),
      PictureControl(fw::kStaticId, res::kPictureProgramTitle, 36, 74, 315, 41),
      Control(res::kIntroBeforeUsingId, ControlKind::StaticLeft, "Before using Tervane,  review and understand:",
              82, 130, 299, 12),
      Control(res::kIntroDisclaimerNoteId, ControlKind::StaticLeft,
              "(1)  DISCLAIMER in the \"About Tervane\" dialog box.", 82, 145, 299, 12),
      Control(res::kIntroLimitationNoteId, ControlKind::StaticLeft,
              "(2)  Limitation of Analysis in \"Help\" (Section 3.6).", 82, 160, 299, 12),
      Control(res::kIntroUpdateLabelId, ControlKind::StaticLeft, "", 18, 203, 135, 8),
  };
  return t;
}

DialogTemplate About() {
  DialogTemplate t = res::Dialog("IDD_ABOUTBOX", 100, "About Tervane", 400, 220);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 138, 198, 48, 15, kButton),
      Control(res::kContactButtonId, ControlKind::PushButton, res::kMakerNameThreeLines, 343, 134, 50, 35, kButton),
      Control(res::kDisclaimerButtonId, ControlKind::PushButton, "DISCLAIMER", 343, 178, 50, 35, kButton),
      PictureControl(fw::kStaticId, res::kPictureMakerLogo, 7, 7, 50, 46),
      Control(fw::kStaticId, ControlKind::GroupBox, "", 104, 7, 289, 57),
      Control(res::kAboutTitleId, ControlKind::StaticCentered,
              "G e o s y n t h e t i c   R e i n f o r c e d   S t e e p   S l o p e s :", 118, 25, 256, 8),
      Control(res::kAboutVersionId, ControlKind::StaticCentered, "T e r v a n e     V e r s i o n   4 . 0", 175,
              43, 134, 8),
      Control(fw::kStaticId, ControlKind::GroupBox, "", 7, 67, 386, 63),
      Label(res::kAboutCitation, 16, 76, 364, 25),
      Label("The scope of program Tervane is limited to the computational portion associated with the design "
            "of reinforced steep slopes.",
            16, 106, 359, 17),
      Control(res::kAboutRightsId, ControlKind::StaticRight, res::kRightsNotice, 6, 137, 150, 13),
      Control(res::kAboutCompanyId, ControlKind::StaticLeft, res::kMakerName, 161, 137, 150, 13),
      Control(res::kAboutReservedId, ControlKind::StaticCentered, res::kAllRightsReserved, 36, 154, 244, 13),
  };
  return t;
}

DialogTemplate ContactInfo() {
  const std::vector<std::string> lines = res::ContactPrintLines();
  const std::string dots(68, '.');
  DialogTemplate t = res::Dialog("IDD_CONTACT_INFO", 226, res::kMakerName, 160, 173);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "OK", 113, 152, 40, 14, kButton),
      Control(res::kContactPrintId, ControlKind::PushButton, "PRINT", 7, 152, 40, 14, kButton),
      Control(fw::kStaticId, ControlKind::GroupBox, "", 7, 5, 146, 56),
      Label(lines[0], 12, 14, 136, 9, ControlKind::StaticCentered),
      Label(lines[1], 12, 25, 136, 9, ControlKind::StaticCentered),
      Label(lines[2], 12, 35, 136, 9, ControlKind::StaticCentered),
      Label(lines[3], 12, 45, 136, 9, ControlKind::StaticCentered),
      Label(lines[5], 12, 68, 136, 9),
      Label(lines[6], 12, 78, 136, 9),
      Label(dots, 7, 87, 146, 8, ControlKind::StaticCentered),
      Label(lines[7], 12, 96, 141, 9),
      Label(lines[8], 12, 106, 141, 9),
      Label(dots, 7, 115, 146, 8, ControlKind::StaticCentered),
      Label(lines[10], 12, 124, 136, 9),
      Label(dots, 7, 133, 146, 8, ControlKind::StaticCentered),
  };
  return t;
}

DialogTemplate Disclaimer() {
  DialogTemplate t = res::Dialog("IDD_DISCLAIMER", 223, "DISCLAIMER", 293, 208);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 94, 187, 50, 14, kButton),
      Control(res::kDisclaimerPrintId, ControlKind::PushButton, "&PRINT", 150, 187, 50, 14, kButton),
      // The spaced capitals need more room than their place in the original
      // metrics; the title stays centred over the text.
      Label(res::kDisclaimerTitle, 96, 7, 101, 9, ControlKind::StaticCentered),
  };
  // The three paragraphs in eight statics (3, 3 and 2), one sentence each
  // (the rest in the last), each as many lines tall as its sentence takes.
  const std::vector<std::vector<std::string>> paragraphs = res::DisclaimerParagraphs();
  const std::vector<std::vector<int>> lines = {{1, 2, 3}, {3, 3, 2}, {1, 3}};
  int y = 21;
  for (std::size_t p = 0; p < paragraphs.size() && p < lines.size(); ++p) {
    const std::vector<std::string> parts =
        SplitForStatics(Join(paragraphs[p], 0, paragraphs[p].size()), lines[p].size());
    for (std::size_t k = 0; k < parts.size() && k < lines[p].size(); ++k) {
      t.controls.push_back(Label(parts[k], 7, y, 279, lines[p][k] * 8));
      y += lines[p][k] * 8;
    }
    y += 5;
  }
  return t;
}

DialogTemplate Start() {
  DialogTemplate t = res::Dialog("IDD_START", 130, "", 455, 250, 8, fw::kModalFrame | fw::kContextHelp);
  fw::ControlTemplate hiddenFrame = Control(fw::kStaticId, ControlKind::FrameBlack, "", 179, 29, 263, 10);
  hiddenFrame.flags |= fw::kHidden;
  t.controls = {
      Control(res::kModifyInputId, ControlKind::DefaultPushButton, "Modify input data", 15, 16, 150, 25, kButton),
      PictureControl(fw::kStaticId, res::kPictureMainMenuTitle, 178, 7, 113, 15),
      Control(fw::kStaticId, ControlKind::FrameBlack, "", 8, 54, 162, 81),
      Control(res::kRunOptimizedId, ControlKind::PushButton,
              "Run Tervane: Optimize elevation of each reinforcement layer", 14, 61, 150, 30, kButton),
      Control(res::kRunUserSpecifiedId, ControlKind::PushButton,
              "Run Tervane: User specified reinforcement (elevation, strength and reduction factors)", 14, 98, 150,
              30, kButton),
      Control(res::kViewTablesId, ControlKind::PushButton, "View tabulated results", 29, 148, 120, 25, kButton),
      Control(res::kViewLayoutId, ControlKind::PushButton, "View layout configuration", 29, 179, 120, 25, kButton),
      Control(res::kSaveResultsAsTextId, ControlKind::PushButton, "Save results as text file", 29, 205, 120, 6,
              kButton | fw::kHidden),
      Control(res::kQuantitiesId, ControlKind::PushButton, "Calculate quantity and\ncost of reinforcement", 29, 210,
              120, 25, kButton),
      Control(fw::kStaticId, ControlKind::FrameSunken, "", 174, 55, 276, 188),
      Control(fw::kStaticId, ControlKind::FrameBlack, "", 7, 140, 162, 103),
      hiddenFrame,
      IdLabel("IDD_START", 185, 228, 42),
  };
  return t;
}

std::vector<DialogTemplate> MakeTemplates() { return {Intro(), About(), ContactInfo(), Disclaimer(), Start()}; }

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
