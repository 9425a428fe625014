#pragma once
// The main frame: menu bar (menu 128 without a project, 129 with one),
// toolbar, status bar, and the client area in which the main menu and the
// print preview appear. Print, Print Preview and direct printing are enabled
// only while the project has results; the Calculator button starts the
// desktop's calculator; every help request opens the help's default page.

#include <string>
#include <vector>

#include "framework/Frame.h"

namespace tervane {

class CMainFrame : public fw::FrameWindow {
 public:
  CMainFrame();

  // The calculators tried, in order; the first one installed is started.
  static const std::vector<std::string>& Calculators();

 protected:
  bool OnCreate() override;
  std::string CommandPrompt(int id) const override;

 private:
  void OnUpdateNeedsResults(fw::CmdUI& ui);
  void OnCalculator();
  void WinHelp();
};

}  // namespace tervane
