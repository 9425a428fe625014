#pragma once
// The application object: one per process, created by main, reached through
// App(). It holds every record of the project (input, run snapshot, results,
// settings, type table) and the state of the running program; every subsystem
// reads and writes the project through it. A test makes a fresh one with
// ScopedApp, so no test sees another test's project.

#include <memory>
#include <string>

#include "app/ProjectData.h"

namespace tervane {

class CStartDlg;

class CTervaneApp : public ProjectData {
 public:
  // Every default of the records; touches no file and shows nothing.
  CTervaneApp();
  virtual ~CTervaneApp();
  CTervaneApp(const CTervaneApp&) = delete;
  CTervaneApp& operator=(const CTervaneApp&) = delete;

  // The main menu of the open project, null while no project is open.
  CStartDlg* startDialog = nullptr;
  // The help file: the program's path with ".chm".
  std::string helpFilePath;
};

// The application object in use. There is always one: a default one exists
// until main or a test installs its own.
CTervaneApp& App();

// Installs an application object for the life of the scope (main, tests) and
// restores the previous one afterwards.
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

 private:
  std::unique_ptr<CTervaneApp> app_;
  CTervaneApp* previous_ = nullptr;
};

// Marks the document of the open project modified (nothing when no project is
// open). The input dialogs' OK handlers and the two run buttons call it before
// they validate anything.
void MarkActiveDocumentModified();

}  // namespace tervane
