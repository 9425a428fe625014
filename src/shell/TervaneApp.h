#pragma once
// The application object: one per process, created by main, reached through
// App(). The records of the project are not its own: they are reached through
// Project(), which ScopedApp installs afresh beside it. A test makes a fresh
// one with ScopedApp, so no test sees another test's project or program.
//
// It is also the framework's application: InitInstance runs the start-up
// (data directory, help file, the start-up notice, profile, document
// template, main frame, file-type registration, command line), and it
// handles About, New, Open and Print Setup.

#include <memory>
#include <string>
#include <vector>

#include "model/ProjectData.h"
#include "framework/Application.h"
#include "framework/Services.h"

namespace tervane {

class CStartDlg;

class CTervaneApp : public fw::Application {
 public:
  // Every default of the records; touches no file and shows nothing.
  CTervaneApp();
  ~CTervaneApp() override;
  CTervaneApp(const CTervaneApp&) = delete;
  CTervaneApp& operator=(const CTervaneApp&) = delete;

  // The start-up, with the command-line arguments after the program name.
  // False ends the program (ExitCode says with what status): the notice was
  // not confirmed (0), the program was started for embedding or automation
  // (1), the main frame could not be made (1), a file named on the command
  // line could not be opened (1), or a print from the command line is done
  // (0 when it printed).
  bool InitInstance(const std::vector<std::string>& arguments);

  // Help > About.
  void OnAppAbout();

  // The main menu of the open project, null while no project is open.
  CStartDlg* startDialog = nullptr;

  // The help file path as the start-up leaves it: a trailing ".hlp" (in any
  // case) becomes ".chm"; everything else, case included, stays.
  static std::string ChmHelpPath(const std::string& path);

  // The line written on standard error when started for embedding or automation.
  static constexpr const char* kNoAutomationMessage =
      "Tervane: started for embedding or automation, which this system does not offer; ending.";
  // Shown when a print from the command line finds no results.
  static constexpr const char* kNothingToPrintMessage =
      "The project has no results to print. Run Tervane on it, save it and print it again.";
  // Shown when no help is installed beside the program.
  static constexpr const char* kHelpNotInstalledMessage =
      "Help is not installed: no help folder was found beside the program.";

 protected:
  void OnDirectPrintRefused() override;

 private:
  class HelpWithNotice;
  std::unique_ptr<HelpWithNotice> help_;
  fw::Services servicesBeforeHelp_;
};

// The application object in use. There is always one: a default one exists
// until main or a test installs its own.
CTervaneApp& App();

// Installs an application object and a fresh project for the life of the
// scope (main, tests) and restores the previous ones afterwards.
class ScopedApp {
 public:
  // A fresh application object with every default.
  ScopedApp();
  // An application object made by the caller (kept alive by this scope).
  explicit ScopedApp(std::unique_ptr<CTervaneApp> app);
  ~ScopedApp();
  ScopedApp(const ScopedApp&) = delete;
  ScopedApp& operator=(const ScopedApp&) = delete;

  CTervaneApp& app() { return *app_; }
  ProjectData& project() { return project_.project(); }

 private:
  // Made first and gone last: the application object reaches the project
  // until its documents and main menu have closed.
  ScopedProject project_;
  std::unique_ptr<CTervaneApp> app_;
  CTervaneApp* previous_ = nullptr;
};

}  // namespace tervane
