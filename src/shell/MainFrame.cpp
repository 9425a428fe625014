#include "shell/MainFrame.h"

#include "shell/SplashWindow.h"
#include "shell/TervaneApp.h"
#include "framework/Desktop.h"
#include "framework/Services.h"
#include "resources/ShellResources.h"

namespace tervane {

CMainFrame::CMainFrame() {
  for (int id : {fw::ID_FILE_PRINT, fw::ID_FILE_PRINT_PREVIEW, fw::ID_FILE_PRINT_DIRECT})
    OnUpdateCommand(id, &CMainFrame::OnUpdateNeedsResults);
  // New, Open and Close are enabled where some part of the route handles them.
  for (int id : {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_CLOSE}) OnUpdateCommand(id, [](fw::CmdUI&) {});
  OnCommand(res::ID_CALCULATOR, &CMainFrame::OnCalculator);
  for (int id : {fw::ID_HELP_FINDER, fw::ID_DEFAULT_HELP, fw::ID_HELP, fw::ID_CONTEXT_HELP})
    OnCommand(id, &CMainFrame::WinHelp);
}

bool CMainFrame::OnCreate() {
  if (!CreateToolbar(res::MainToolbar())) return false;
  if (!CreateStatusBar(res::StatusIndicators())) return false;
  SetAccelerators(res::MainAccelerators());
  CSplashWindow::ShowSplash(this);
  return true;
}

std::string CMainFrame::CommandPrompt(int id) const { return res::CommandPrompt(id); }

void CMainFrame::OnUpdateNeedsResults(fw::CmdUI& ui) { ui.Enable(Project().resultsAvailable == 1); }

const std::vector<std::string>& CMainFrame::Calculators() {
  static const std::vector<std::string> calculators = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                                       "xcalc"};
  return calculators;
}

void CMainFrame::OnCalculator() {
  const std::string program = fw::FindProgramInPath(Calculators());
  if (!program.empty()) fw::Shell().StartProgram(program, {});
}

// Every help request of the frame opens the help's default page; the
// context of the request does not matter.
void CMainFrame::WinHelp() { fw::Help().ShowDefault(); }

}  // namespace tervane
