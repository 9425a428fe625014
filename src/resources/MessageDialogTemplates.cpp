// Templates of the four message dialogs that report a conflict in the data.

#include "resources/DialogTemplates.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;

constexpr const char* kConflictCaption = "Conflict -- before running . . .";

DialogTemplate MessageDialog(const char* name, int number, int width, int height) {
  return res::Dialog(name, number, kConflictCaption, width, height);
}

using res::Control;
using res::IdLabel;
using res::kButton;

std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> all;

  DialogTemplate policing = MessageDialog("IDD_POLICING", 183, 252, 93);
  policing.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 100, 72, 50, 15, kButton),
      Control(kMessageTextId, ControlKind::StaticCentered, "what is wrong", 8, 7, 236, 58),
      Control(kErrorNumberTextId, ControlKind::StaticLeft, "Error # 1001", 7, 78, 49, 8),
      IdLabel("IDD_POLICING", 7, 0, 51),
  };
  all.push_back(std::move(policing));

  DialogTemplate warn = MessageDialog("IDD_POLICE_WARN", 236, 296, 77);
  warn.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&Return to Correct", 72, 56, 70, 15, kButton),
      Control(kMessageTextId, ControlKind::StaticCentered, "what is wrong", 8, 7, 281, 42),
      Control(kErrorNumberTextId, ControlKind::StaticLeft, "Error # 1001", 7, 62, 61, 8),
      Control(kContinueButtonId, ControlKind::PushButton, "&Continue", 154, 56, 70, 15, kButton),
      IdLabel("IDD_POLICE_WARN", 7, 0, 70),
  };
  all.push_back(std::move(warn));

  DialogTemplate policing2 = MessageDialog("IDD_POLICING2", 232, 173, 130);
  policing2.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 116, 109, 50, 14, kButton),
      res::PictureControl(fw::kStaticId, kInterwedgeRulePicture, 7, 7, 159, 42),
      Control(fw::kStaticId, ControlKind::StaticLeft, "whichever is smaller.", 7, 50, 66, 8),
      Control(fw::kStaticId, ControlKind::FrameEtched, "", 7, 69, 158, 32),
      Control(fw::kStaticId, ControlKind::StaticCentered,
              "Note: Fs is the factor of safety assigned to soil shear strength.", 40, 77, 102, 16),
      Control(kErrorNumberTextId, ControlKind::StaticLeft, "Error # 1001", 7, 115, 63, 8),
      IdLabel("IDD_POLICING2", 7, 103, 55),
  };
  all.push_back(std::move(policing2));

  DialogTemplate xl = MessageDialog("IDD_POLICING_XL", 185, 291, 108);
  xl.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 123, 87, 50, 15, kButton),
      Control(kErrorNumberTextId, ControlKind::StaticLeft, "Error # 1001", 7, 93, 49, 8),
      Control(kMessageTextId, ControlKind::StaticLeft, "what is wrong", 7, 7, 277, 32),
      Control(kMessageText2Id, ControlKind::StaticLeft, "what is wrong", 7, 39, 277, 32),
      IdLabel("IDD_POLICING_XL", 7, 78, 64),
  };
  all.push_back(std::move(xl));

  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
