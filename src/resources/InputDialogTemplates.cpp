// Templates of the input menu and of the twelve input dialogs with their
// small dialogs (warnings, notes, the logo notice). The input dialogs lay out
// a column of labels, fields and unit captions, with OK, Cancel and Default
// at the bottom; the geometry and water dialogs draw their sketch in the
// sunken frame on the right.

#include "resources/DialogTemplates.h"
#include "resources/InputControlIds.h"
#include "resources/InputPictures.h"
#include "resources/ShellResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::kField;
using res::Label;

// The input dialogs have the caption help button.
constexpr unsigned kInputDialogStyles = fw::kSystemMenu | fw::kModalFrame | fw::kContextHelp;
// These dialogs are found by name; they take no resource number.
constexpr int kNoNumber = 0;
constexpr int kEditHeight = 12;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

ControlTemplate Edit(int id, int x, int y, int w) { return Control(id, ControlKind::Edit, "", x, y, w, kEditHeight, kField); }

// A label beside a field, two pixels lower so that their texts line up.
ControlTemplate FieldLabel(std::string text, int x, int y, int w, int h = 8) {
  return Label(std::move(text), x, y + 2, w, h);
}

ControlTemplate UnitCaption(int id, int x, int y, int w = 34) {
  return Control(id, ControlKind::StaticLeft, "", x, y + 2, w, 8);
}

ControlTemplate Ok(int x, int y) {
  return Control(fw::IDOK, ControlKind::DefaultPushButton, "OK", x, y, kButtonWidth, kButtonHeight, kButton);
}
ControlTemplate Cancel(int x, int y) {
  return res::Button(fw::IDCANCEL, "Cancel", x, y, kButtonWidth, kButtonHeight);
}
ControlTemplate DefaultButton(int x, int y, const char* caption = "&Default") {
  return res::Button(ids::kDefaultButton, caption, x, y, kButtonWidth, kButtonHeight);
}
// OK, Cancel and Default side by side from x.
void AddButtonRow(DialogTemplate& t, int x, int y, bool withDefault = true, const char* defaultCaption = "&Default") {
  t.controls.push_back(Ok(x, y));
  t.controls.push_back(Cancel(x + kButtonWidth + 5, y));
  if (withDefault) t.controls.push_back(DefaultButton(x + 2 * (kButtonWidth + 5), y, defaultCaption));
}

// The picture buttons take the size of their pictures (68 x 41 and 32 x 32
// pixels); the template gives the same size in dialog units.
ControlTemplate TruncateButton(int x, int y) {
  return res::PictureButton(ids::kTruncateButton, "TRUNCATE", x, y, 45, 25);
}
ControlTemplate QuestionButton(int x, int y) {
  return res::PictureButton(ids::kQuestionButton, "QUESTION", x, y, 21, 20);
}

ControlTemplate Radio(int id, std::string text, int x, int y, int w, int h, bool first) {
  return Control(id, ControlKind::Radio, std::move(text), x, y, w, h, first ? kButton : fw::kTabStop);
}
ControlTemplate PushRadio(int id, std::string text, int x, int y, int w, int h, bool first) {
  return Control(id, ControlKind::PushLikeRadio, std::move(text), x, y, w, h, first ? kButton : fw::kTabStop);
}

DialogTemplate InputDialog(const char* name, int number, const char* caption, int width, int height) {
  return res::Dialog(name, number, caption, width, height, 8, kInputDialogStyles);
}

// ---- the input menu -----------------------------------------------------------------

DialogTemplate ModifyMenu() {
  using namespace ids::menu;
  DialogTemplate t = res::Dialog("IDD_MODIFY_MENU", kNoNumber, "Modify Input Data", 360, 218);
  const struct {
    int id;
    const char* caption;
  } left[] = {{kSetup, "Select Units:  Metric (SI) or English and Currency"},
              {kGeneral, "General Information"},
              {kGeometry, "Slope Geometry and Surcharge"},
              {kWater, "Water Pressure"},
              {kSoil, "Soil Data"},
              {kDesignParam, "Design Parameters"}},
    right[] = {{kSeismicParam, "Seismic Parameters"},
               {kFoundation, "Foundation Effects"},
               {kGeosynData, "Geosynthetic Design Data"},
               {kGeosynFs, "Geosynthetic Design Parameters"},
               {kInclination, "Geosynthetic Force Orientation"},
               {kGeneralFs, "General Factors of Safety"}};
  for (int i = 0; i < 6; ++i)
    t.controls.push_back(Control(left[i].id, ControlKind::PushButton, left[i].caption, 12, 10 + 27 * i, 163, 22, kButton));
  for (int i = 0; i < 6; ++i)
    t.controls.push_back(
        Control(right[i].id, ControlKind::PushButton, right[i].caption, 185, 10 + 27 * i, 163, 22, kButton));
  t.controls.push_back(
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN  to  MAIN  MENU", 115, 180, 130, 22, kButton));
  t.controls.push_back(IdLabel("IDD_MODIFY_MENU", 7, 206, 80));
  return t;
}

// ---- setup and general information --------------------------------------------------

DialogTemplate ModifySetup() {
  using namespace ids::setup;
  DialogTemplate t = InputDialog("IDD_MODIFY_SETUP", kNoNumber, "Setup Units, language, currency", 290, 150);
  t.controls = {
      Control(fw::kStaticId, ControlKind::GroupBox, "Units:", 7, 5, 110, 44),
      Radio(kSiUnits, "SI units", 16, 18, 90, 10, true),
      Radio(kEnglish, "English", 16, 32, 90, 10, false),
      FieldLabel("Currency unit", 130, 13, 52),
      Edit(kCurrency, 185, 13, 40),
      Label("( for example $,  €,  £, ¥ . . . )", 130, 31, 150, 8),
      Label("Please choose the language in which The Report will be printed in :", 7, 60, 276, 8),
      Control(kLanguage, ControlKind::ComboBox, "", 7, 72, 110, 110,
              kField | fw::kComboEditable | fw::kComboSorted | fw::kVScroll, 20),
      Label("Version :", 7, 100, 40, 8),
      PushRadio(kWestern, "Western Ver.", 50, 97, 65, 14, true),
      PushRadio(kAsianPacific, "Asian Pacific", 120, 97, 65, 14, false),
  };
  AddButtonRow(t, 178, 128, false);
  t.controls.push_back(IdLabel("IDD_MODIFY_SETUP", 7, 138, 80));
  return t;
}

DialogTemplate ModifyGeneral() {
  using namespace ids::general;
  DialogTemplate t = InputDialog("IDD_MODIFY_GENERAL", kNoNumber, "General Information", 330, 196);
  t.controls = {
      FieldLabel("Project title:", 7, 8, 70),
      Control(kTitle, ControlKind::Edit, "", 80, 8, 243, kEditHeight, kField, 100),
      FieldLabel("Project #:", 7, 26, 70),
      Control(kNumber, ControlKind::Edit, "", 80, 26, 120, kEditHeight, kField, 100),
      FieldLabel("Date:", 7, 44, 70),
      Control(kDate, ControlKind::Edit, "", 80, 44, 120, kEditHeight, kField, 100),
      FieldLabel("Project description:", 7, 62, 70),
      Control(kDescription, ControlKind::MultiLineEdit, "", 80, 62, 243, 48, kField | fw::kVScroll, 500),
      FieldLabel("Designer's name:", 7, 116, 70),
      Control(kDesigner, ControlKind::Edit, "", 80, 116, 243, kEditHeight, kField, 100),
      res::PictureControl(fw::kStaticId, res::kPictureMakerLogo, 12, 138, 50, 46),
      Control(kRetrieveLogo, ControlKind::PushButton, "Retrieve Bitmap File (Logo) for Printout in Current Run", 80,
              138, 150, 24, kButton),
      Control(kSaveLogo, ControlKind::PushButton, "Save Logo for Future  Runs", 80, 166, 150, 16, kButton),
      Ok(273, 138),
      Cancel(273, 156),
      IdLabel("IDD_MODIFY_GENERAL", 238, 184, 90),
  };
  return t;
}

DialogTemplate ShowOrNotLogo() {
  DialogTemplate t = res::Dialog("IDD_SHOW_OR_NOT_LOGO", kNoNumber, "IMPORTANT", 300, 198);
  t.controls = {
      Label("Bitmap File Name Input", 7, 7, 286, 10, ControlKind::StaticCentered),
      Label("The bitmap file that you name in the next window serves as the logo on the first page of the "
            "printout. The button \"Retrieve Bitmap File (Logo) for Printout in Current Run\" calls for it; "
            "after \"Save Logo for Future  Runs\" it is retrieved automatically in the projects that follow.",
            7, 22, 286, 34),
      Label("For future runs, this file must reside in the same path you first specified it.  If this file is no "
            "longer there or you wish to change the logo, simply click again on this button to specify a "
            "different file+path.",
            7, 60, 286, 26),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 7, 90, 286, 32),
      Label("For best results, the size of the bitmap figure should be 500 pixels wide and 100 pixels tall.", 13,
            95, 275, 8),
      Label("Or:   7.5 inch x 1.5 inch    or    19 cm x 3.8 cm.", 13, 108, 275, 8),
      Label("Note : A bitmap file prepared for different dimensions will be adjusted (and possibly distorted) to "
            "cover the allocated printout space.  To avoid distortion, define the area of the bitmap figure to "
            "the given \ndimensions, use white or transparent background color and draw within this area the "
            "desired logo.",
            7, 128, 286, 44),
      Control(ids::general::kDoNotShow, ControlKind::CheckBox, "Do NOT show this window in subsequent runs", 7, 180,
              200, 10, kButton),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 243, 178, kButtonWidth, kButtonHeight, kButton),
      IdLabel("IDD_SHOW_OR_NOT_LOGO", 7, 188, 90),
  };
  return t;
}

// ---- geometry -----------------------------------------------------------------------

DialogTemplate ModifyGeometry() {
  using namespace ids::geometry;
  DialogTemplate t = InputDialog("IDD_MODIFY_GEOMETRY", kNoNumber, "Slope Geometry", 464, 257);
  // Label, field and unit in rows of 18 units; long labels take two lines.
  const int labelX = 7, labelW = 96, editX = 105, editW = 42, unitX = 150;
  const struct {
    const char* label;
    int id;
    int unit;  // 0 for none
    bool twoLines;
  } rows[] = {
      {"Height of slope,  H", kHeight, kHeightUnit, false},
      {"Slope angle, i  [degrees]", kSlopeAngle, 0, false},
      {"Horizontal crest length, A", kCrestA, kCrestAUnit, false},
      {"Horizontal crest length, B", kCrestB, kCrestBUnit, false},
      {"Backslope angle,  β\n[degrees]", kBackslope, 0, true},
      {"Slope at bottom of wall  α\n[degrees]", kBottomSlope, 0, true},
      {"Surcharge load over A, Q1", kQ1, kQ1Unit, false},
      {"Surcharge load over backslope B, Q2", kQ2, kQ2Unit, true},
      {"Surcharge load away from backslope, Q3", kQ3, kQ3Unit, true},
  };
  int y = 9;
  for (const auto& row : rows) {
    t.controls.push_back(row.twoLines ? Label(row.label, labelX, y - 2, labelW, 16)
                                      : FieldLabel(row.label, labelX, y, labelW));
    t.controls.push_back(Edit(row.id, editX, y, editW));
    if (row.unit != 0) t.controls.push_back(UnitCaption(row.unit, unitX, y, 26));
    y += 18;
  }
  t.controls.push_back(Control(fw::kStaticId, ControlKind::FrameSunken, "", 177, 7, 280, 169));
  t.controls.push_back(res::PictureControl(fw::kStaticId, res::kPictureGeometryDefinition, 177, 182, 280, 69));
  t.controls.push_back(TruncateButton(7, 175));
  t.controls.push_back(QuestionButton(62, 177));
  t.controls.push_back(Label("Superimposed reinforced slopes?", 87, 180, 85, 16));
  AddButtonRow(t, 7, 236);
  t.controls.push_back(IdLabel("IDD_MODIFY_GEOMETRY", 87, 204, 85));
  return t;
}

DialogTemplate HelpGeometry() {
  DialogTemplate t = res::Dialog("IDD_HELP_GEOMETRY", kNoNumber, "Superimposed reinforced slopes", 236, 74);
  t.controls = {
      Label("The suggested procedure is for preliminary purposes only\n(it is an APPROXIMATED procedure)", 7, 7, 222,
            18, ControlKind::StaticCentered),
      Label("\nPress   F1  for details", 20, 28, 90, 18),
      Label("or --->", 120, 36, 34, 8),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 160, 33, 60, 15, kButton),
      IdLabel("IDD_HELP_GEOMETRY", 7, 62, 90),
  };
  return t;
}

// ---- water --------------------------------------------------------------------------

DialogTemplate ModifyWater() {
  using namespace ids::water;
  DialogTemplate t = InputDialog("IDD_MODIFY_WATER", kNoNumber, "Water pressure", 454, 209);
  t.controls = {
      PushRadio(kPhreatic, "Phreatic surface is given", 7, 8, 160, 15, true),
      PushRadio(kPoreWater, "rᵤ  is given", 7, 27, 160, 15, false),
      PushRadio(kNoWater, "Water is not present", 7, 46, 160, 15, false),
      // The pore-water coefficient (mode 1).
      Control(kRuLabel, ControlKind::StaticLeft, "Value of pore water coefficient,  rᵤ  =", 7, 76, 112, 8,
              fw::kHidden),
      Control(kRu, ControlKind::Edit, "", 122, 74, 45, kEditHeight, kField | fw::kHidden),
      // The phreatic surface (mode 0): point 1 is the toe.
      Control(kHeading, ControlKind::StaticLeft, "Coordinates of phreatic surface :", 7, 72, 118, 8, fw::kHidden),
      Control(kLengthUnit, ControlKind::StaticLeft, "", 128, 72, 30, 8, fw::kHidden),
      Control(kX1Label, ControlKind::StaticLeft, "Xw1", 12, 88, 20, 8, fw::kHidden),
      Control(kX1Value, ControlKind::StaticLeft, "=  0.0", 29, 88, 40, 8, fw::kHidden),
      Control(kY1Label, ControlKind::StaticLeft, "Yw1", 92, 88, 20, 8, fw::kHidden),
      Control(kY1Value, ControlKind::StaticLeft, "=  0.0", 109, 88, 40, 8, fw::kHidden),
  };
  const int rows[3][4] = {{kX2Label, kX2, kY2Label, kY2}, {kX3Label, kX3, kY3Label, kY3}, {kX4Label, kX4, kY4Label, kY4}};
  const char* names[3][2] = {{"Xw2  =", "Yw2  ="}, {"Xw3  =", "Yw3  ="}, {"Xw4  =", "Yw4  ="}};
  int y = 102;
  for (int i = 0; i < 3; ++i) {
    t.controls.push_back(Control(rows[i][0], ControlKind::StaticLeft, names[i][0], 12, y + 2, 28, 8, fw::kHidden));
    t.controls.push_back(Control(rows[i][1], ControlKind::Edit, "", 40, y, 40, kEditHeight, kField | fw::kHidden));
    t.controls.push_back(Control(rows[i][2], ControlKind::StaticLeft, names[i][1], 92, y + 2, 28, 8, fw::kHidden));
    t.controls.push_back(Control(rows[i][3], ControlKind::Edit, "", 120, y, 40, kEditHeight, kField | fw::kHidden));
    y += 16;
  }
  t.controls.push_back(Control(fw::kStaticId, ControlKind::FrameSunken, "", 174, 7, 273, 156));
  t.controls.push_back(TruncateButton(7, 158));
  AddButtonRow(t, 174, 186);
  t.controls.push_back(IdLabel("IDD_MODIFY_WATER", 60, 170, 80));
  return t;
}

// ---- soil and design parameters ----------------------------------------------------

DialogTemplate ModifySoil() {
  using namespace ids::soil;
  DialogTemplate t = InputDialog("IDD_MODIFY_SOIL", kNoNumber, "Soil data", 262, 218);
  const struct {
    const char* name;
    int phi, cohesion, unitWeight, cohesionUnit, unitWeightUnit;
  } soils[] = {
      {"Reinforced soil", kReinforcedPhi, kReinforcedCohesion, kReinforcedUnitWeight, kReinforcedCohesionUnit,
       kReinforcedUnitWeightUnit},
      {"Backfill soil", kBackfillPhi, kBackfillCohesion, kBackfillUnitWeight, kBackfillCohesionUnit,
       kBackfillUnitWeightUnit},
      {"Foundation soil", kFoundationPhi, kFoundationCohesion, kFoundationUnitWeight, kFoundationCohesionUnit,
       kFoundationUnitWeightUnit},
  };
  int y = 5;
  for (const auto& soil : soils) {
    t.controls.push_back(Control(fw::kStaticId, ControlKind::GroupBox, soil.name, 7, y, 248, 56));
    t.controls.push_back(FieldLabel("Internal angle of friction,  φ  [degrees]", 15, y + 12, 145));
    t.controls.push_back(Edit(soil.phi, 163, y + 12, 45));
    t.controls.push_back(FieldLabel("Cohesion", 15, y + 26, 145));
    t.controls.push_back(Edit(soil.cohesion, 163, y + 26, 45));
    t.controls.push_back(UnitCaption(soil.cohesionUnit, 211, y + 26, 42));
    t.controls.push_back(FieldLabel("Unit weight,  γ", 15, y + 40, 145));
    t.controls.push_back(Edit(soil.unitWeight, 163, y + 40, 45));
    t.controls.push_back(UnitCaption(soil.unitWeightUnit, 211, y + 40, 42));
    y += 61;
  }
  t.controls.push_back(TruncateButton(7, 188));
  AddButtonRow(t, 95, 198);
  t.controls.push_back(IdLabel("IDD_MODIFY_SOIL", 95, 187, 80));
  return t;
}

DialogTemplate ModifyDesignParam() {
  using namespace ids::design;
  DialogTemplate t = InputDialog("IDD_MODIFY_DESIGN_PARAM", kNoNumber, "Design parameters", 330, 212);
  t.controls = {
      Label("Inclination of interwedge force resultant in direct sliding analysis (i.e., two-part wedge),  δ  "
            "[degrees]",
            7, 8, 250, 16),
      Edit(kDelta, 272, 8, 45),
      FieldLabel("Pullout interaction coefficient (reinforced soil),  C i", 7, 32, 250),
      Edit(kCiReinforced, 272, 32, 45),
      FieldLabel("Pullout interaction coefficient (foundation soil),  C i", 7, 49, 250),
      Edit(kCiFoundation, 272, 49, 45),
      FieldLabel("Direct sliding coefficient (along reinforced soil),    Cds", 7, 66, 250),
      Edit(kCdsReinforced, 272, 66, 45),
      FieldLabel("Direct sliding coefficient (along foundation soil),    Cds", 7, 83, 250),
      Edit(kCdsFoundation, 272, 83, 45),
      Control(fw::kStaticId, ControlKind::GroupBox, "Tervane should produce :", 7, 102, 316, 80),
      Radio(kUniform, "Uniform length of all layers (geosynthetics area is excessive)", 15, 115, 300, 16, true),
      Radio(kLinear,
            "Length is linearly interpolated between top and bottom layers\n(geosynthetic area is somewhat excessive)",
            15, 134, 300, 20, false),
      Radio(kMinimum,
            "Minimum required geosynthetic length at each elevation\n(minimim length that satisfy all prescribed "
            "safety factors)",
            15, 157, 300, 20, false),
  };
  AddButtonRow(t, 163, 190);
  t.controls.push_back(IdLabel("IDD_MODIFY_DESIGN_PARAM", 7, 196, 90));
  return t;
}

// ---- seismic and foundation ----------------------------------------------------------

DialogTemplate ModifySeismicParam() {
  using namespace ids::seismic;
  DialogTemplate t = InputDialog("IDD_MODIFY_SEISMIC_PARAM", kNoNumber, "Seismic parameters", 370, 158);
  t.controls = {
      FieldLabel("Horizontal seismic coefficient,  Kh  . . . . . . . . . . . . .", 7, 8, 175),
      Edit(kKh, 185, 8, 45),
      FieldLabel("Vertical seismic coefficient,  Kv  . . . . . . . . . . . . . . . .", 7, 27, 175),
      Edit(kKv, 185, 27, 45),
      Label("Use  + Kv when coinciding with gravity", 237, 24, 128, 8),
      Label("−", 251, 34, 6, 8),
      Label("Kv when opposing", 259, 34, 100, 8),
      Control(fw::kStaticId, ControlKind::GroupBox, "Should Kh be used as :", 7, 50, 175, 42),
      Radio(kFullKh, "100% of its input value", 16, 63, 150, 10, true),
      Radio(kHalfKh, "50% of its input value", 16, 77, 150, 10, false),
      Control(kQuestion, ControlKind::PushButton, "?", 190, 62, 18, 18, kButton),
      Label("Should Kh and Kv be applied to the reinforced soil mass and to the surcharge over it in the direct "
            "sliding analysis?",
            7, 102, 260, 16),
      Radio(kNo, "No", 280, 104, 30, 10, true),
      Radio(kYes, "Yes", 318, 104, 30, 10, false),
  };
  AddButtonRow(t, 199, 134);
  t.controls.push_back(IdLabel("IDD_MODIFY_SEISMIC_PARAM", 7, 140, 90));
  return t;
}

DialogTemplate Warning99() {
  DialogTemplate t = res::Dialog("IDD_WARNING99", kNoNumber, "For Your Information", 300, 126);
  t.controls = {
      Label("Recognizing the conservative nature of pseudostatic analysis, FHWA recommends using design seismic "
            "acceleration, kh, which is half the maximum value (see Geotechnical Engineering Circular No. 3, Design "
            "Guidance:",
            7, 7, 286, 34),
      Label("Geotechnical Earthquake Engineering For Highways, Vol. II, May 1997 Publication No, I. FHWA-SA-97-077).  "
            "Demo 82 and AASHTO 2002 use the same recommendation when using slope stability analysis for reinforced "
            "slopes.",
            7, 44, 286, 34),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 125, 88, kButtonWidth, kButtonHeight, kButton),
      IdLabel("IDD_WARNING99", 7, 110, 90),
  };
  return t;
}

DialogTemplate ModifyFoundation() {
  using namespace ids::foundation;
  DialogTemplate t = InputDialog("IDD_MODIFY_FOUNDATION", kNoNumber, "Foundation Effects", 384, 104);
  t.controls = {
      FieldLabel("May slip surface in tieback and compound analyses penetrate the foundation soil ?", 7, 8, 288),
      Radio(kYes, "Yes", 302, 9, 30, 10, true),
      Radio(kNo, "No", 338, 9, 30, 10, false),
      Label("Maximum allowable penetration depth into the foundation when Bishop's stability analysis is conducted "
            "is :",
            7, 28, 288, 16),
      Edit(kDepth, 302, 28, 45),
      UnitCaption(kDepthUnit, 351, 28, 26),
      FieldLabel("Target GLOBAL factor of safety (Bishop) against deepseated failure, Fs-deepseated", 7, 52, 288),
      Edit(kTargetFs, 302, 52, 45),
  };
  AddButtonRow(t, 213, 80);
  t.controls.push_back(IdLabel("IDD_MODIFY_FOUNDATION", 7, 86, 90));
  return t;
}

// The foundation dialog's overridable warning, as the program has always laid it out.
DialogTemplate Warning() {
  DialogTemplate t = res::Dialog("IDD_WARNING", kNoNumber, "Warning", 252, 138);
  t.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "Conti&nue", 7, 105, 50, 15, kButton),
      Control(kMessageTextId, ControlKind::StaticCentered, "what is wrong", 8, 32, 236, 58),
      Control(kErrorNumberTextId, ControlKind::StaticLeft, "Error # 1001", 7, 123, 49, 8),
      Control(fw::IDCANCEL, ControlKind::PushButton, "Retun to &Correct", 183, 105, 62, 15, kButton),
      Control(ids::foundation::kWarningHeading, ControlKind::StaticCentered, "Explain first", 7, 7, 238, 24),
      IdLabel("IDD_WARNING", 95, 123, 53),
  };
  return t;
}

// ---- reinforcement and factors of safety ---------------------------------------------

DialogTemplate ModifyGeosynData() {
  using namespace ids::geosyn;
  DialogTemplate t = InputDialog("IDD_MODIFY_GEOSYN_DATA", kNoNumber, "Geosynthetic design data", 300, 168);
  t.controls = {
      FieldLabel("Ultimate strength of geosynthetic", 7, 8, 190),
      Edit(kStrength, 200, 8, 50),
      UnitCaption(kStrengthUnit, 254, 8, 40),
      FieldLabel("Maximum allowable geosynthetic spacing  ( i.e., Dmax )", 7, 26, 190),
      Edit(kMaxSpacing, 200, 26, 50),
      UnitCaption(kMaxSpacingUnit, 254, 26, 40),
      FieldLabel("Minimum allowable geosynthetic spacing  ( i.e., Dmin )", 7, 44, 190),
      Edit(kMinSpacing, 200, 44, 50),
      UnitCaption(kMinSpacingUnit, 254, 44, 40),
      FieldLabel("Height of bottom geosynthetic layer  [ i.e., Dbottom ]", 7, 62, 190),
      Edit(kBottomLayer, 200, 62, 50),
      UnitCaption(kBottomLayerUnit, 254, 62, 40),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 7, 82, 286, 38),
      Label("The data in this screen will be used for the optimized run in the main menu (i.e., the run used to "
            "optimize reinforcement elevations)  It is useful as a preliminary run where single geosynthetic type is "
            "used.",
            12, 86, 276, 30),
      TruncateButton(7, 130),
  };
  AddButtonRow(t, 133, 146);
  t.controls.push_back(IdLabel("IDD_MODIFY_GEOSYN_DATA", 60, 152, 70));
  return t;
}

DialogTemplate ModifyGeosynFs() {
  using namespace ids::geosynfs;
  DialogTemplate t = InputDialog("IDD_MODIFY_GEOSYN_FS", kNoNumber, "Geosynthetic Design Parameters", 270, 122);
  t.controls = {
      FieldLabel("Reduction factor for installation damage,  RFid  . . . . . . . .", 7, 8, 200),
      Edit(kRfInstallation, 212, 8, 45),
      FieldLabel("Reduction factor for durability,  RFd  . . . . . . . . . . . . . . . .", 7, 26, 200),
      Edit(kRfDurability, 212, 26, 45),
      FieldLabel("Reduction factor for creep,  RFc  . . . . . . . . . . . . . . . . . . . .", 7, 44, 200),
      Edit(kRfCreep, 212, 44, 45),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 7, 64, 250, 1),
      FieldLabel("Coverage ratio, Rc  . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .", 7, 72, 200),
      Edit(kCoverage, 212, 72, 45),
  };
  AddButtonRow(t, 97, 100, true, "Default");
  t.controls.push_back(IdLabel("IDD_MODIFY_GEOSYN_FS", 7, 106, 88));
  return t;
}

DialogTemplate Warning2() {
  DialogTemplate t = res::Dialog("IDD_WARNING2", kNoNumber, "Rc < 0.5 ?", 214, 72);
  t.controls = {
      Label("Rc  values that are smaller than 0.5 should carefully be considered.    Facing may be required.", 7, 7,
            200, 18, ControlKind::StaticCentered),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "Continue", 30, 34, 60, 14, kButton),
      Control(fw::IDCANCEL, ControlKind::PushButton, "Change  Rc", 124, 34, 60, 14, kButton),
      IdLabel("IDD_WARNING2", 7, 58, 60),
  };
  return t;
}

DialogTemplate ModifyInclination() {
  using namespace ids::inclination;
  DialogTemplate t = InputDialog("IDD_MODIFY_INCLINATION", kNoNumber, "Inclination", 320, 92);
  t.controls = {
      Radio(kAbsolute, "Absolute orientation of reinforcement\n(AOR) is prescribed", 7, 8, 150, 20, true),
      Radio(kRelative, "Relative orientation of reinforcement\n(ROR) is prescribed", 7, 36, 150, 20, false),
      Control(kAorLabel, ControlKind::StaticLeft, "AOR  or", 172, 16, 30, 8),
      res::PictureControl(kAorPicture, res::kPictureAorSymbol, 203, 14, 10, 10),
      Control(kAorUnit, ControlKind::StaticLeft, "[degrees] =", 216, 16, 42, 8),
      Edit(kAor, 262, 14, 45),
      Control(kRorLabel, ControlKind::StaticLeft, "ROR =", 235, 44, 24, 8),
      Edit(kRor, 262, 42, 45),
  };
  AddButtonRow(t, 152, 70);
  t.controls.push_back(IdLabel("IDD_MODIFY_INCLINATION", 7, 76, 90));
  return t;
}

DialogTemplate ModifyGeneralFs() {
  using namespace ids::generalfs;
  DialogTemplate t = InputDialog("IDD_MODIFY_GENERAL_FS", kNoNumber, "General Fs", 270, 110);
  t.controls = {
      FieldLabel("Factor of safety on soil shear strength  . . . . . . . . . . . . . .", 7, 8, 200),
      Edit(kSoil, 212, 8, 45),
      FieldLabel("Factor of safety on geosynthetic strength  . . . . . . . . . . . .", 7, 26, 200),
      Edit(kGeosynthetic, 212, 26, 45),
      FieldLabel("Factor of safety for geosynthetic pullout  . . . . . . . . . . . . .", 7, 44, 200),
      Edit(kPullout, 212, 44, 45),
      FieldLabel("Factor of safety to resist direct sliding  . . . . . . . . . . . . . .", 7, 62, 200),
      Edit(kSliding, 212, 62, 45),
  };
  AddButtonRow(t, 97, 88);
  t.controls.push_back(IdLabel("IDD_MODIFY_GENERAL_FS", 7, 94, 88));
  return t;
}

std::vector<DialogTemplate> MakeTemplates() {
  return {ModifyMenu(),        ModifySetup(),       ModifyGeneral(),    ShowOrNotLogo(),    ModifyGeometry(),
          HelpGeometry(),      ModifyWater(),       ModifySoil(),       ModifyDesignParam(), ModifySeismicParam(),
          Warning99(),         ModifyFoundation(),  Warning(),          ModifyGeosynData(), ModifyGeosynFs(),
          Warning2(),          ModifyInclination(), ModifyGeneralFs()};
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
