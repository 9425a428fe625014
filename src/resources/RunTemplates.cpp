// Templates of the run dialog and of the notice of a run stopped at the
// 100-layer limit.

#include "resources/DialogTemplates.h"
#include "resources/RunResources.h"
#include "resources/TemplateBuilders.h"

namespace tervane {

namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using res::Control;
using res::IdLabel;
using res::kButton;

// Neither dialog has a resource number of its own (0: found by name only).
std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> all;

  DialogTemplate run = res::Dialog("IDD_RUN_TERVANE", 0, "Running Tervane", 254, 85);
  run.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "&OK", 65, 63, 50, 15, kButton),
      Control(fw::IDCANCEL, ControlKind::PushButton, "&Cancel", 138, 63, 50, 15, kButton),
      res::PictureControl(res::kRunOptimizedBannerId, res::kPictureOptimizedRunBanner, 26, 7, 202, 31),
      res::PictureControl(res::kRunManualBannerId, res::kPictureManualRunBanner, 64, 1, 125, 31),
      IdLabel("IDD_RUN_TERVANE", 91, 45, 71),
      // Empty until a run starts; the run hides label 1244 while it shows.
      Control(res::kRunProgressTextId, ControlKind::StaticCentered, "", 7, 40, 240, 19),
  };
  all.push_back(std::move(run));

  DialogTemplate terminate = res::Dialog("IDD_TERMINATE", 0, "Program terminated", 186, 95, 10);
  terminate.controls = {
      Control(fw::IDOK, ControlKind::DefaultPushButton, "OK", 68, 74, 50, 14, kButton),
      res::Label("Tervane is limited to 100 layers.", 7, 7, 172, 8, ControlKind::StaticCentered),
      res::Label("Number of required layers exceeds 100", 7, 26, 172, 8, ControlKind::StaticCentered),
      res::Label("PROGRAM TERMINATED", 7, 47, 172, 8, ControlKind::StaticCentered),
      IdLabel("IDD_TERMINATE", 7, 60, 62),
  };
  all.push_back(std::move(terminate));

  return all;
}

const DialogTemplateRegistration registration(&MakeTemplates);

}  // namespace

}  // namespace tervane
