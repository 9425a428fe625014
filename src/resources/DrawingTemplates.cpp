// Templates of the results drawings: the results drawing, the compound and
// tieback drawing with its explanation, the notice before the image editor,
// the geometry details and the choice of colour or black and white.

#include "resources/DialogTemplates.h"
#include "resources/DrawingResources.h"
#include "resources/DxfExportResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Button;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;
using res::PictureButton;
using res::PictureControl;

// The narrow list of layer numbers: only the row-number column, as many rows
// as the run has layers (set by the dialog), a vertical scroll bar when they
// do not all fit; wide enough for "100" beside that scroll bar.
fw::ControlTemplate LayerList() {
  return Control(res::kLayerListId, ControlKind::Spreadsheet,
                 "columns=0;rows=0;rowHeaderWidth=2.6;scrollBars=vertical", 5, 1, 24, 209);
}

fw::ControlTemplate Toggle(int id, const char* text, int x, int y, int w, int h) {
  return Control(id, ControlKind::PushLikeCheckBox, text, x, y, w, h, kButton);
}

fw::ControlTemplate Rule(int x, int y, int w) { return Control(fw::kStaticId, ControlKind::FrameEtched, "", x, y, w, 1); }

DialogTemplate GraphicResults() {
  DialogTemplate t = res::Dialog("IDD_GRAPHIC_RESULTS", 0, "Graphic results", 422, 293);
  t.controls = {
      LayerList(),
      Rule(25, 209, 389),
      // The hint beside the list: its frame holds the list's own picture of a
      // clicked number (24 x 18 units), with the text beside it.
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 4, 212, 68, 38),
      PictureControl(fw::kStaticId, 210, 7, 216, 24, 18),
      Label("Click on layer number to view results.", 32, 216, 38, 32),
      Toggle(res::kOutermostToggleId, "Outer-most slip surfaces emerging through toe + deepseated circle", 76, 213,
             88, 30),
      Button(res::kViewTiebackCompoundId, "View tieback and compound results", 76, 244, 88, 21),
      PictureButton(res::kBitmapFileId, "BITMAP_FILE", 183, 212, 105, 18),
      Button(res::kGeometryDetailsId, "Geometry Details", 7, 270, 66, 16),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 182, 234, 99, 53),
      Label("Figure:", 189, 239, 35, 8, ControlKind::StaticCentered),
      PictureButton(res::kScaleLargeId, "SCALE_LARGE", 189, 253, 17, 16),
      PictureButton(res::kScaleSmallId, "SCALE_SMALL", 207, 253, 17, 16),
      Button(res::kDefaultScaleId, "Default Scale", 189, 270, 84, 12),
      Button(res::kUpId, "Up", 227, 238, 21, 13),
      Button(res::kDownId, "Down", 250, 238, 24, 13),
      Button(res::kLeftId, "Left", 227, 253, 21, 13),
      Button(res::kRightId, "Right", 250, 253, 24, 13),
      Button(res::kBlackWhiteId, "B/W", 283, 234, 21, 14),
      PictureButton(res::kCallPaintId, "CALL_PAINT", 283, 255, 66, 14),
      PictureButton(res::kCallDxfId, "CALL_DXF", 283, 272, 66, 14),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 307, 214, 102, 32, fw::kHidden),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 365, 271, 50, 15, kButton),
      IdLabel("IDD_GRAPHIC_RESULTS", 83, 278, 90),
  };
  return t;
}

DialogTemplate GraphicResultsExtra() {
  DialogTemplate t =
      res::Dialog("IDD_GRAPHIC_RESULTS_EXTRA", 0, "Graphic results -- Compound and Tieback", 422, 293);
  t.controls = {
      LayerList(),
      Rule(25, 209, 390),
      // The hint: the picture of a clicked number above the text, in one frame.
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 4, 212, 64, 74),
      PictureControl(fw::kStaticId, 210, 12, 216, 24, 18),
      Label("Click on layer number to view results + tieback and compound (outer most) slip surfaces", 8, 236,
            58, 48, ControlKind::StaticCentered),
      PictureControl(fw::kStaticId, res::kPictureTiebackCompound, 70, 221, 65, 21),
      Toggle(res::kAllTiebackToggleId, "View all tieback slip surfaces", 73, 249, 60, 30),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 139, 212, 113, 74),
      Label("View all compound slip surfaces passing through:", 145, 218, 56, 38),
      Toggle(res::kToeCompoundToggleId, "... the Toe", 202, 219, 45, 16),
      Toggle(res::kLayerCompoundToggleId, "... all layers", 202, 238, 45, 16),
      Button(res::kExplanationId, "EXPLANATION", 144, 259, 103, 16),
      PictureButton(res::kBitmapFileId, "BITMAP_FILE", 309, 212, 105, 18),
      Button(res::kBlackWhiteId, "B/W", 258, 212, 21, 14),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 256, 233, 94, 53),
      Label("Figure:", 263, 237, 35, 8, ControlKind::StaticCentered),
      Button(res::kUpId, "Up", 302, 237, 21, 13),
      Button(res::kDownId, "Down", 324, 237, 24, 13),
      PictureButton(res::kScaleLargeId, "SCALE_LARGE", 260, 253, 17, 16),
      PictureButton(res::kScaleSmallId, "SCALE_SMALL", 278, 253, 17, 16),
      Button(res::kLeftId, "Left", 302, 252, 21, 13),
      Button(res::kRightId, "Right", 324, 252, 24, 13),
      Button(res::kDefaultScaleId, "Default Scale", 260, 270, 87, 12),
      PictureButton(res::kCallPaintId, "CALL_PAINT", 351, 233, 66, 14),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 365, 271, 50, 15, kButton),
      IdLabel("IDD_GRAPHIC_RESULTS_EXTRA", 38, 191, 100),
  };
  return t;
}

DialogTemplate CompoundExplain() {
  DialogTemplate t = res::Dialog("IDD_COMPOUND_EXPLAIN", 0, "Explaining Compound slip surfaces", 380, 181);
  t.controls = {
      Label("1. When", 7, 22, 30, 8),
      PictureControl(fw::kStaticId, res::kPictureToeButton, 38, 16, 45, 16),
      Label("is pressed", 88, 22, 60, 8),
      Label("Shown are all compound surfaces emerging through toe, below bottom layer.", 20, 40, 160, 18),
      Label("2. When", 7, 82, 30, 8),
      PictureControl(fw::kStaticId, res::kPictureLayersButton, 38, 76, 45, 16),
      Label("is pressed", 88, 82, 60, 8),
      Label("Only the outer-most surfaces emerging at the intersection of layers and slope surface are displayed.",
            20, 100, 160, 26),
      PictureControl(fw::kStaticId, res::kPictureCompoundExplain, 190, 7, 180, 137),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 255, 158, 50, 15, kButton),
      IdLabel("IDD_COMPOUND_EXPLAIN", 7, 166, 100),
  };
  return t;
}

DialogTemplate ShowOrNotPaint() {
  DialogTemplate t = res::Dialog("IDD_SHOW_OR_NOT_PAINT", 0, "IMPORTANT", 341, 138);
  t.controls = {
      Label("Clicking on OK will open the drawing in the image editor of this desktop (its program for bitmap "
            "files).",
            7, 7, 327, 8),
      Label("This graphics program will automatically display the drawing.  Using the image editor you can:", 7, 19,
            327, 8),
      Label("1.  Modify the drawing with the editor's graphic options (e.g., add specific text, change colors, etc.)",
            7, 33, 327, 8),
      Label("2.  Save the drawing by clicking on 'File' in the menu (upper left corner) and then on 'Save As'.", 7, 44,
            327, 8),
      Label("3.  Send the drawing to the printer by clicking on 'File' in the menu (upper left corner) and then on "
            "'Print'.",
            7, 55, 327, 8),
      Label("To reduce the use of computer resources, it is recommended to exit the image editor, upon completion ",
            7, 69, 327, 8),
      Label("of the desired function, before returning to Tervane.", 7, 79, 327, 8),
      Control(res::kDoNotShowPaintId, ControlKind::CheckBox, "Do NOT show this window in subsequent runs", 7, 97,
              180, 10, fw::kTabStop | fw::kGroup),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 145, 115, 50, 14, kButton),
      IdLabel("IDD_SHOW_OR_NOT_PAINT", 7, 126, 100),
  };
  return t;
}

DialogTemplate GeometryDetails() {
  DialogTemplate t = res::Dialog("IDD_GEOMETRY_DETAILS", 0, "Geometry Details", 265, 170);
  // A label and its value in rows of 12 units.
  auto row = [&](const char* label, int id, int y) {
    t.controls.push_back(Label(label, 16, y, 22, 8, ControlKind::StaticRight));
    t.controls.push_back(Control(id, ControlKind::StaticLeft, "", 42, y, 80, 8));
  };
  auto symbolRow = [&](int picture, int id, int y) {
    t.controls.push_back(PictureControl(fw::kStaticId, picture, 25, y - 2, 8, 10));
    t.controls.push_back(Label("=", 33, y, 5, 8, ControlKind::StaticRight));
    t.controls.push_back(Control(id, ControlKind::StaticLeft, "", 42, y, 80, 8));
  };
  const char* dots = ". . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";
  t.controls.push_back(Control(res::kDetailsUnitsId, ControlKind::StaticLeft, "", 7, 9, 120, 8));
  t.controls.push_back(Label(dots, 7, 19, 120, 8));
  row("H =", res::kDetailsHeightId, 30);
  row("i  =", res::kDetailsSlopeAngleId, 42);
  row("A =", res::kDetailsCrestAId, 54);
  row("B =", res::kDetailsCrestBId, 66);
  symbolRow(res::kPictureBetaSymbol, res::kDetailsBackslopeId, 78);
  symbolRow(res::kPictureAlphaSymbol, res::kDetailsBottomSlopeId, 90);
  t.controls.push_back(Label(dots, 7, 101, 120, 8));
  row("Q1 =", res::kDetailsQ1Id, 112);
  row("Q2 =", res::kDetailsQ2Id, 124);
  row("Q3 =", res::kDetailsQ3Id, 136);
  t.controls.push_back(PictureControl(fw::kStaticId, res::kPictureGeometryDetailsSlope, 133, 7, 124, 68));
  t.controls.push_back(PictureControl(fw::kStaticId, res::kPictureSurcharges, 133, 84, 124, 42));
  t.controls.push_back(Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 108, 149, 50, 14, kButton));
  t.controls.push_back(IdLabel("IDD_GEOMETRY_DETAILS", 7, 158, 95));
  return t;
}

DialogTemplate DisplayBitmap() {
  DialogTemplate t = res::Dialog("IDD_DISPLAY_BITMAP", 0, "Display of Graphics", 182, 102, 10);
  t.controls = {
      Label("Display  of graphics :", 44, 7, 94, 10, ControlKind::StaticCentered),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 7, 21, 168, 44),
      Control(res::kColourRadioId, ControlKind::Radio, "Color (clearer appearance on screen)", 13, 25, 156, 10,
              fw::kTabStop | fw::kGroup),
      Control(res::kBlackWhiteRadioId, ControlKind::Radio,
              "       Black  and White (useful when capturing bitmap file for prinout)", 13, 39, 148, 21),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 66, 81, 50, 14, kButton),
      IdLabel("IDD_DISPLAY_BITMAP", 7, 68, 90),
  };
  return t;
}

std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> all;
  all.push_back(GraphicResults());
  all.push_back(GraphicResultsExtra());
  all.push_back(CompoundExplain());
  all.push_back(ShowOrNotPaint());
  all.push_back(GeometryDetails());
  all.push_back(DisplayBitmap());
  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
