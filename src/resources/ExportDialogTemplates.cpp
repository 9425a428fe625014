// Templates of the quantities dialog and of the notice shown before the export
// for Ombix.

#include "resources/DialogTemplates.h"
#include "resources/ExportDialogIds.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::kField;
using res::Label;

DialogTemplate Quantities() {
  DialogTemplate t = res::Dialog("IDD_QUANTITIES", 220, "Calculated  quantities", 333, 134, 8,
                                 fw::kSystemMenu | fw::kModalFrame | fw::kContextHelp);
  t.controls = {
      Label("Remarks:", 7, 9, 41, 8),
      Control(kQuantitiesRemarksId, ControlKind::Edit, "", 50, 7, 276, 14, kField),
      Label("Area of reinforcement per unit length of wall", 2, 30, 151, 8, ControlKind::StaticRight),
      Control(kQuantitiesAreaUnitId, ControlKind::StaticCentered, "[m \u00b2 / m]", 163, 30, 65, 8),
      Control(kQuantitiesQuantityId, ControlKind::StaticCentered, "Quantity Q1", 232, 30, 69, 8),
      Label("Cost per unit area", 7, 45, 145, 8, ControlKind::StaticRight),
      Control(kQuantitiesUnitCostUnitId, ControlKind::StaticCentered, "[ $ ] / m \u00b2", 163, 45, 65, 8),
      Control(kQuantitiesUnitCostId, ControlKind::Edit, "", 235, 45, 49, 14, kField | fw::kTextRight),
      Label("", 53, 63, 246, 1, ControlKind::FrameBlack),
      Label("Total  Cost", 7, 70, 145, 8, ControlKind::StaticRight),
      Control(kQuantitiesCurrencyId, ControlKind::StaticCentered, "[ $ ]", 160, 70, 58, 8),
      Control(kQuantitiesTotalCostId, ControlKind::StaticCentered, "Cost for Q1", 225, 70, 80, 8),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&RETURN", 251, 111, 50, 15, kButton),
      Control(kQuantitiesPrintId, ControlKind::PushButton, "&Print", 141, 110, 50, 16, kButton),
      Control(kQuantitiesSaveTextId, ControlKind::PushButton, "&Save as text file", 7, 110, 93, 16, kButton),
      IdLabel("IDD_QUANTITIES", 7, 92, 61),
  };
  return t;
}

DialogTemplate BeforeOmbix() {
  DialogTemplate t = res::Dialog("IDD_BEFORE_OMBIX", 265, "Saving Input Data for Ombix", 500, 279);
  t.controls = {
      Label("NOTE:", 7, 7, 300, 8, ControlKind::StaticCentered),
      Label("1. Soil layers specified in Soil Data (reinforced, retained, and foundation soils) are \n"
            "    transferred with their respective parameters and geometry.",
            7, 19, 300, 18),
      Label("Adding layers to replicate reality can be easily done in Ombix.", 16, 38, 291, 8),
      Label("2. In seismicity:  Kv is not transferred", 7, 50, 300, 8),
      Label("3. AOR is mot transferred", 7, 60, 300, 8),
      Label("4. Ru is mot transferred", 7, 70, 300, 8),
      Label("5. In Tervane different Fs are applied on soil strength and on T-ltds.  In Ombix T-ltds is \n"
            "     taken as is; Fs is calculated on the soil shear strength.",
            7, 81, 300, 18),
      res::PictureControl(fw::kStaticId, kPictureOmbixStrength, 313, 7, 180, 103),
      Label("Note the difference in considering reinforcement force in Ombix and Tervane: ", 7, 115, 486, 8,
            ControlKind::StaticCentered),
      Label("1.  Tervane:   Point 1 and 2 are the Long term strenth available.  Point 3 is the rear end ", 7,
            128, 486, 8),
      Label("at which the tensile load capacity is zero.  Point 2 is at Le from the rear end; along Le the "
            "pullout resistance develops which enables Tltds.  ",
            7, 137, 486, 8),
      Label("2.  Ombix:  The available long-term strength along the reinforcement is defined by four \n"
            "     points; linear interpolation in between.  Point 1 and 4 are the same as in Tervane.  ",
            7, 149, 486, 18),
      Label("Point 3 and 2 in Ombix are the same as point 2 in Tervane;", 7, 167, 486, 8),
      Label("Point 2 in Ombix is the distance needed to develop pullout resistance at the front end ", 7, 177,
            486, 8),
      Label("which is superimposed on the connection strength with distance away from the connection.", 7, 186,
            486, 8),
      Label("To import the file saved by Tervane (*.OBX), follow these two steps :", 7, 201, 486, 8,
            ControlKind::StaticCentered),
      Label("1. Open a new file", 7, 226, 80, 8, ControlKind::StaticRight),
      res::PictureControl(kOmbixStep1PictureControlId, kPictureOmbixStep1, 90, 213, 150, 31),
      Label("2. import *.OBX file", 250, 226, 80, 8, ControlKind::StaticRight),
      res::PictureControl(kOmbixStep2PictureControlId, kPictureOmbixStep2, 333, 213, 150, 31),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 190, 257, 50, 14, kButton),
      Control(fw::IDCANCEL, ControlKind::PushButton, "&Cancel", 260, 257, 50, 14, kButton),
      IdLabel("IDD_BEFORE_OMBIX", 7, 266, 70),
  };
  return t;
}

std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> all;
  all.push_back(Quantities());
  all.push_back(BeforeOmbix());
  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
