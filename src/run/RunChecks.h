#pragma once
// The checks a run makes before its first engine call. First the nine checks
// of the run itself, in their order; then, because a project file can hold
// values that no input dialog would have stored, the check tables of the
// input dialogs and the checks of the layer table on the values as stored,
// each with the text and number of the dialog whose data it tests. The first
// failing check wins. The input dialogs take only finite numbers, so a value
// that is not one is refused too.

#include <optional>
#include <string>

#include "analysis/Engine.h"
#include "model/ProjectData.h"

namespace tervane {

struct RunCheckFailure {
  enum class Dialog { kPolicing, kPolicing2, kPolicingXl };
  Dialog dialog = Dialog::kPolicing;
  std::string messageText;
  std::string messageText2;  // CPolicingXlDlg only
  std::string errorNumberText;
};

// `engine` holds the engine inputs formed from `input` for a run in `runMode`.
std::optional<RunCheckFailure> CheckRunInput(const ProjectInput& input, const AppSettings& settings,
                                             int runMode, const analysis::EngineInputs& engine);

}  // namespace tervane
