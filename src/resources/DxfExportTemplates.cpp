// Template of the DXF export dialog: the choice of elements in a strip on the
// left, OK and Cancel at the bottom right; the preview fills the rest.

#include "resources/DialogTemplates.h"
#include "resources/DxfExportResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;

// A check box in the tab order with its text left of the box.
fw::ControlTemplate Choice(int id, const char* text, int x, int y, int w, int h) {
  return Control(id, ControlKind::CheckBox, text, x, y, w, h, fw::kTabStop | fw::kLeftText);
}

std::vector<DialogTemplate> MakeTemplates() {
  // The template has no resource number of its own; it is found by name.
  DialogTemplate dxf = res::Dialog("IDD_CREATE_DXF_FILE", 0, "Create .DXF file -- for use with AutoCAD(c)",
                                   403, 218);
  dxf.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 290, 196, 50, 15, kButton),
      Control(fw::IDCANCEL, ControlKind::PushButton, "&Cancel", 346, 196, 50, 15, kButton),
      // The panel behind the options: filled with the dialog's colour, so the
      // preview does not show through the strip, and framed sunken.
      Label("", 7, 27, 114, 183),
      Control(fw::kStaticId, ControlKind::FrameSunken, "", 7, 27, 114, 183),
      Label("Choose the element to be saved in the Drawing Exchange Format (.DXF) file.", 14, 35, 94, 28,
            ControlKind::StaticCentered),
      Choice(res::kDxfGeometryCheck, "Geometry", 39, 72, 68, 9),
      Choice(res::kDxfReinforcementCheck, "Reinforcement", 39, 82, 68, 9),
      Choice(res::kDxfCriticalSurfacesCheck, "Critical Surfaces", 39, 93, 68, 9),
      res::PictureControl(fw::kStaticId, res::kPictureTiebackCompound, 25, 106, 65, 21),
      Choice(res::kDxfLengthsCheck, "Tieback + Compound lengths", 19, 127, 88, 16),
      Choice(res::kDxfAllTiebackCheck, "All tieback slip surfaces", 12, 146, 94, 10),
      Label("All compound slip surfaces, passing through:", 18, 163, 89, 16),
      Choice(res::kDxfToeCompoundCheck, "......the toe", 56, 183, 51, 9),
      Choice(res::kDxfLayerCompoundCheck, "....all layers", 56, 193, 51, 9),
      IdLabel("IDD_CREATE_DXF_FILE", 7, 7, 83),
  };
  return {std::move(dxf)};
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
