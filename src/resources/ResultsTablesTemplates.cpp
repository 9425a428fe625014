// Templates of the results menu, the summary table with its notes, the
// detailed table and the direct-sliding and deep-seated page.

#include "resources/DialogTemplates.h"
#include "resources/DxfExportResources.h"
#include "resources/ResultsTablesResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;
using res::PictureButton;
using res::PictureControl;

// Every column of a results table fits the control's width: the sheet
// scrolls through its rows only.
constexpr const char* kSheetSettings = "scrollBars=vertical";

DialogTemplate ResultsMenu() {
  DialogTemplate t = res::Dialog("IDD_VIEW_WRITTEN_RESULTS", 167, "Results", 214, 162);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 82, 140, 50, 15, kButton),
      Control(res::kSummaryResultsId, ControlKind::PushButton, "Summary of tieback and compound results", 7, 7, 200,
              25, kButton),
      Control(res::kDetailedResultsId, ControlKind::PushButton, "Detailed tieback and compound results", 7, 39, 200,
              25, kButton),
      Control(res::kDirectSlidingResultsId, ControlKind::PushButton, "Direct sliding and deepseated results", 7, 71,
              200, 25, kButton),
      IdLabel("IDD_VIEW_WRITTEN_RESULTS", 7, 100, 112),
      Control(res::kExportToOmbixId, ControlKind::PushButton, "Export to Ombix", 62, 116, 90, 17, kButton),
  };
  return t;
}

DialogTemplate Summary() {
  DialogTemplate t = res::Dialog("IDD_VIEW_CASE1", 168, "Summary of Tieback and Compound Results", 500, 258);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 442, 236, 50, 15, kButton),
      Control(res::kSummarySheetId, ControlKind::Spreadsheet, kSheetSettings, 7, 7, 486, 178, fw::kTabStop | fw::kGroup),
      PictureControl(fw::kStaticId, res::kPictureMinimumUltimateFormula, 7, 204, 180, 15),
      PictureControl(fw::kStaticId, res::kPictureLongTermFormula, 11, 231, 80, 19),
      PictureControl(fw::kStaticId, res::kPictureActualFsFormula, 143, 230, 41, 20),
      Label(" Tabulated Results : ", 326, 198, 167, 34, ControlKind::GroupBox),
      Control(res::kPreviewToggleId, ControlKind::PushButton, "Print Preview", 336, 211, 60, 15, kButton),
      Control(res::kSummaryNoteId, ControlKind::PushButton, "NOTE", 336, 237, 60, 14, kButton),
      Control(res::kSummaryPreviewId, ControlKind::PrintPreview, "", 7, 7, 431, 183),
      IdLabel("IDD_VIEW_CASE1", 200, 243, 63),
      PictureButton(res::kExcelButtonId, "EXCEL", 443, 211, 12, 11),
      PictureButton(res::kPrintTableButtonId, "PRINT_TABLE", 422, 211, 12, 11),
  };
  return t;
}

DialogTemplate SummaryNotes() {
  DialogTemplate t = res::Dialog("IDD_CASE1_NOTE", 176, "Notes", 322, 140);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 135, 118, 50, 15, kButton),
      Label("1.", 7, 7, 8, 8),
      Label("Available Strength = Available Long-term Strength = T-ltds = Design value not reduced by Fs.", 21, 7,
            300, 8),
      Label("2.", 7, 20, 8, 8),
      Label("Tieback and Compound Modes of Failure represent local and global stability, respectively.", 21, 19, 298,
            8),
      Label("3.", 7, 31, 8, 8),
      Label("If both modes of failure appear, the inequality symbol '>' in the Actual  Fs column implies that Fs for "
            "the Compound Mode is slightly larger than the prescribed value, provided minimum required length is "
            "specified.",
            21, 31, 294, 25),
      Label("4.", 7, 58, 8, 8),
      Label("If uniform or trapezoidal reinforcement length is specified, the true Fs might be much larger than the "
            "Actual  Fs  appearing in the table.  Although such layouts are practical, their",
            21, 58, 294, 16),
      Label("efficiency in terms of material use is not necessarily high.  Recall that Tervane seeks optimal values, "
            "that is, minimum reinforcement needed to satisfy prescribed safety factors.  Hence, if",
            21, 74, 294, 16),
      Label("uniform or trapezoidal length is actually specified, slip surfaces may intersect more layers than "
            "considered by Tervane.  The end result is potentially larger actual Fs.",
            21, 90, 291, 16),
      IdLabel("IDD_CASE1_NOTE", 7, 125, 64),
  };
  return t;
}

DialogTemplate Detailed() {
  DialogTemplate t = res::Dialog("IDD_VIEW_CASE2", 169, "Results of tieback and compound analyses", 450, 261);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 363, 239, 50, 15, kButton),
      Control(res::kDetailedSheetId, ControlKind::Spreadsheet, kSheetSettings, 7, 7, 436, 178, fw::kTabStop | fw::kGroup),
      Control(res::kDetailedPreviewId, ControlKind::PrintPreview, "", 7, 7, 406, 183),
      PictureControl(fw::kStaticId, res::kPictureLengthFormula, 18, 199, 42, 10),
      Label(" Tabulated Results : ", 244, 193, 199, 41, ControlKind::GroupBox),
      Control(res::kPreviewToggleId, ControlKind::PushButton, "Print Preview", 273, 209, 60, 15, kButton),
      IdLabel("IDD_VIEW_CASE2", 7, 246, 63),
      PictureButton(res::kExcelButtonId, "EXCEL", 389, 209, 12, 11),
      PictureButton(res::kPrintTableButtonId, "PRINT_TABLE", 367, 209, 12, 11),
  };
  return t;
}

// A black line of the page's table.
fw::ControlTemplate Rule(int x, int y, int w, int h) { return Label("", x, y, w, h, ControlKind::FrameBlack); }

fw::ControlTemplate Centred(int id, const char* text, int x, int y, int w, int h, unsigned flags = 0) {
  return Control(id, ControlKind::StaticCentered, text, x, y, w, h, flags);
}

fw::ControlTemplate Left(int id, const char* text, int x, int y, int w, int h) {
  return Control(id, ControlKind::StaticLeft, text, x, y, w, h);
}

DialogTemplate DirectSliding() {
  DialogTemplate t =
      res::Dialog("IDD_VIEW_CASE3", 170, "Results of direct sliding and deepseated analyses", 501, 274);
  using namespace res;
  t.controls = {
      // The frames and lines of the table, under its texts.
      Rule(7, 6, 487, 244),
      Rule(9, 8, 483, 241),
      Rule(78, 9, 1, 187),
      Rule(129, 9, 1, 187),
      Rule(173, 9, 1, 187),
      Rule(240, 9, 1, 187),
      Rule(281, 9, 1, 187),
      Rule(9, 35, 484, 1),
      Rule(10, 66, 481, 1),
      Rule(10, 115, 481, 1),
      Rule(10, 196, 482, 1),
      Rule(282, 144, 210, 1),
      Rule(282, 165, 210, 1),
      Rule(282, 179, 210, 1),
      Rule(357, 166, 1, 30),
      Rule(424, 166, 1, 30),
      // The header.
      Label("Mode of Failure", 12, 18, 62, 8, ControlKind::StaticCentered),
      Label("Specified Fs", 85, 13, 34, 16, ControlKind::StaticCentered),
      Label("Length Required", 137, 13, 32, 16, ControlKind::StaticCentered),
      Label("Calculated Fs", 187, 13, 38, 16, ControlKind::StaticCentered),
      Label("Status", 250, 13, 21, 8, ControlKind::StaticCentered),
      Label("R E M A R K S", 356, 13, 61, 8, ControlKind::StaticCentered),
      // Direct sliding.
      PictureControl(fw::kStaticId, kPictureDirectSliding, 22, 40, 51, 21),
      Centred(kSlidingSpecifiedId, "", 86, 44, 30, 8),
      Centred(kSlidingLengthId, "", 137, 44, 30, 8),
      Centred(kSlidingCalculatedId, "", 182, 44, 48, 8),
      Centred(kSlidingStatusId, "", 245, 44, 30, 8),
      Label("Critical angle of active wedge,", 287, 41, 96, 8),
      Label("(see Help, Section 3.4, Fig. 6)", 289, 50, 94, 8),
      PictureControl(kWedgeAngleSymbolId, kPictureWedgeAngleSymbol, 387, 42, 13, 9),
      Left(kWedgeAngleId, "", 407, 41, 50, 8),
      // Tieback and compound: uncertainties and pullout.
      PictureControl(fw::kStaticId, kPictureTiebackCompound, 12, 79, 65, 21),
      Label("Uncertainties", 83, 70, 42, 8, ControlKind::StaticCentered),
      Label("-----------------------------", 79, 85, 49, 8),
      Label("Pullout", 87, 92, 29, 8, ControlKind::StaticCentered),
      Label("----------------------------------------------------", 175, 85, 105, 8),
      Centred(kUncertaintiesSpecifiedId, "", 86, 79, 30, 8),
      Centred(kPulloutSpecifiedId, "", 86, 101, 30, 8),
      Centred(kTiebackCompoundLengthId, "", 137, 88, 30, 8),
      Centred(kUncertaintiesCalculatedId, "", 182, 75, 48, 8),
      Centred(kPulloutCalculatedId, "", 186, 97, 43, 8),
      Centred(kUncertaintiesStatusId, "", 245, 75, 30, 8),
      Centred(kPulloutStatusId, "", 245, 97, 30, 8),
      Left(kPenetrationRemarkId, "", 294, 82, 180, 16),
      // Deep-seated.
      PictureControl(fw::kStaticId, kPictureDeepSeated, 21, 140, 47, 22),
      Centred(kDeepSeatedSpecifiedId, "", 86, 126, 30, 8),
      Centred(kDeepSeatedLengthId, "", 137, 126, 30, 8),
      Centred(kDeepSeatedCalculatedId, "", 178, 126, 57, 8),
      Centred(kDeepSeatedStatusId, "", 245, 126, 30, 8),
      Centred(kNotConductedId, "Analysis was not\nconducted since L=0", 183, 141, 91, 23, fw::kHidden),
      Left(kTargetNoteId,
           "Target Fs was smaller than initially computed.  Hence, length of reinforcement was increased to meet or "
           "exceed the target value, resulting in possibly excessive Fs for direct sliding.",
           85, 158, 190, 25),
      Left(kDeepSeatedRemarkId,
           "The critical circle is forced to pass outside the reinforced zone as definened by the bottom geosynthetic "
           "layer;",
           296, 117, 191, 24),
      Label("C R I T I C A L   C I R C L E", 330, 150, 94, 8, ControlKind::StaticCentered),
      Centred(kSliceCountId, "", 436, 147, 45, 16),
      Centred(kCircleXCaptionId, "", 300, 169, 50, 8),
      Centred(kCircleYCaptionId, "", 366, 169, 50, 8),
      Centred(kCircleRadiusCaptionId, "", 433, 169, 50, 8),
      Centred(kCircleXId, "", 300, 183, 50, 8),
      Centred(kCircleYId, "", 366, 183, 50, 8),
      Centred(kCircleRadiusId, "", 433, 183, 50, 8),
      // The notes under the table.
      Left(kTensionCrackNoteId,
           "In case the crest elevation is above H, Tervane assumes a tension crack between the crest and H  (see "
           "graphic screen).",
           14, 202, 468, 8),
      Left(kNotesLabelId, "NOTES:  (1)", 16, 210, 40, 8),
      Left(kNote1Id, "", 58, 210, 428, 16),
      Left(kNote2LabelId, "(2)", 46, 226, 9, 8),
      Left(kNote2Id,
           "When having poor material in the backfill or foundation soil, that this Bishop-analysis gives only an "
           "indication of the Fs-deepseated.  In this case use other slope stability software programs to verify "
           "this achieved Fs-deepseated.",
           62, 226, 425, 16),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 225, 256, 50, 15, kButton),
      IdLabel("IDD_VIEW_CASE3", 7, 259, 63),
  };
  return t;
}

std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> all;
  all.push_back(ResultsMenu());
  all.push_back(Summary());
  all.push_back(SummaryNotes());
  all.push_back(Detailed());
  all.push_back(DirectSliding());
  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
