// Template of the report's print options dialog.

#include "resources/DialogTemplates.h"
#include "resources/ReportResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using res::Control;
using res::IdLabel;
using res::kButton;
using res::Label;

std::vector<fw::DialogTemplate> MakeTemplates() {
  fw::DialogTemplate options = res::Dialog("IDD_DISPLAY_GRAPHICS", 0, "Printout of Graphics", 191, 170);
  options.controls = {
      Label("", 7, 7, 177, 56, ControlKind::FrameEtched),
      Label("Graphics printout:", 32, 13, 125, 8, ControlKind::StaticCentered),
      Label("", 62, 22, 65, 1, ControlKind::FrameEtched),
      Control(res::kPrintColorRadio, ControlKind::Radio, "Color (ideal for color printer)", 16, 25, 156, 10,
              fw::kTabStop | fw::kGroup),
      Control(res::kPrintBlackWhiteRadio, ControlKind::Radio,
              "   Black  and white (better contrast in printout and common reproduction)", 16, 38, 157, 22),
      Label("Include LOGO", 24, 73, 65, 8, ControlKind::StaticRight),
      Control(res::kLogoNoRadio, ControlKind::Radio, "NO", 95, 73, 24, 10, fw::kTabStop | fw::kGroup),
      Control(res::kLogoYesRadio, ControlKind::Radio, "YES", 121, 73, 32, 10),
      Label("", 7, 89, 177, 46, ControlKind::FrameEtched),
      Label("Please choose the language in which The Report will be printed in :", 15, 94, 160, 16,
            ControlKind::StaticCentered),
      Control(res::kReportLanguageCombo, ControlKind::ComboBox, "", 66, 115, 57, 92,
              fw::kTabStop | fw::kGroup | fw::kComboEditable | fw::kComboSorted | fw::kVScroll),
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 71, 149, 50, 14, kButton),
      IdLabel("IDD_DISPLAY_GRAPHICS", 7, 136, 89),
  };
  return {std::move(options)};
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
